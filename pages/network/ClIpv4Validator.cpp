#include "ClIpv4Validator.h"

#include <QStringList>



ClIpv4Validator::ClIpv4Validator(QObject* parent) : QValidator(parent) {}

QValidator::State ClIpv4Validator::validate(QString& strInput, int& lPos) const
{
    const QStringList lstParts = strInput.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (lstParts.size() > 4)
        return Invalid;
    for (int i = 0; i < lstParts.size(); ++i) {
        const QString& strPart = lstParts.at(i);
        if (strPart.isEmpty()) {
            if (i != lstParts.size() - 1)
                return Invalid;
            continue;
        }
        if (strPart.size() > 3)
            return Invalid;
        for (const QChar c : strPart) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        }
        const int lValue = strPart.toInt();
        if (lValue > 255 || (strPart.size() >= 2 && strPart.startsWith(QLatin1Char('0'))))
            return Invalid;
    }
    if (lstParts.size() == 4)
        return Acceptable;
    if (strInput.size() < strLastAccepted.size() && strLastAccepted.endsWith(QLatin1Char('.'))) {
        // The digit after a dot was deleted: the dot the field added goes with it.
        strInput.chop(1);
        lPos = qMax(0, lPos - 1);
    } else if (!lstParts.constLast().isEmpty() && lstParts.constLast().toInt() >= 100) {
        // No part grows past three digits, so the next dot comes by itself.
        strInput.append(QLatin1Char('.'));
        ++lPos;
    }
    strLastAccepted = strInput;
    return Acceptable;
}
