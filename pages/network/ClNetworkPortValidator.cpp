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

int ClNetworkPortValidator::correctedPort(const QString& strText, int lDefault)
{
    bool bNumber = false;
    const qlonglong llValue = strText.toLongLong(&bNumber);
    if (!bNumber)
        return lDefault;
    if (llValue >= 65536)
        return 65535;
    if (llValue < 1024 && llValue != lDefault)
        return lDefault;
    return int(llValue);
}
