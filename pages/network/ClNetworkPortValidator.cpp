#include "ClNetworkPortValidator.h"

ClNetworkPortValidator::ClNetworkPortValidator(QObject* parent) : QValidator(parent) {}

QValidator::State ClNetworkPortValidator::validate(QString& strInput, int&) const
{
    if (strInput.isEmpty())
        return Acceptable;
    // Digits only: toInt() would also take signs and spaces.
    for (const QChar c : strInput) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    }
    return strInput.size() < 6 ? Acceptable : Invalid;
}
