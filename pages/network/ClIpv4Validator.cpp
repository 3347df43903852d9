#include "ClIpv4Validator.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {
const QString& partPattern()
{
    static const QString str = QStringLiteral("(?:[0-1]?[0-9]?[0-9]|2[0-4][0-9]|25[0-5])");
    return str;
}

const QRegularExpression& hostExpression()
{
    static const QRegularExpression clExpression(QStringLiteral("^") + partPattern() + QStringLiteral("\\.")
                                                 + partPattern() + QStringLiteral("\\.") + partPattern()
                                                 + QStringLiteral("\\.(?:[1-9]|[1-9][0-9]|1[0-9][0-9]|2[0-4][0-9]|25[0-4])$"));
    return clExpression;
}

const QRegularExpression& maskExpression()
{
    static const QRegularExpression clExpression(QStringLiteral("^") + partPattern() + QStringLiteral("\\.")
                                                 + partPattern() + QStringLiteral("\\.") + partPattern()
                                                 + QStringLiteral("\\.") + partPattern() + QStringLiteral("$"));
    return clExpression;
}
}  // namespace

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

bool ClIpv4Validator::isHostAddress(const QString& strText)
{
    return hostExpression().match(strText).hasMatch();
}

bool ClIpv4Validator::isSubnetMask(const QString& strText)
{
    if (!maskExpression().match(strText).hasMatch())
        return false;
    bool bOnesEnded = false;
    for (const QString& strPart : strText.split(QLatin1Char('.'))) {
        const int lValue = strPart.toInt();
        if (bOnesEnded) {
            if (lValue != 0)
                return false;
        } else if (lValue != 255) {
            static const int aEdges[] = {0, 128, 192, 224, 240, 248, 252, 254};
            if (std::find(std::begin(aEdges), std::end(aEdges), lValue) == std::end(aEdges))
                return false;
            bOnesEnded = true;
        }
    }
    return true;
}
