#include "ClSettingDefinition.h"

namespace {
QString choiceList(const QVector<ClSettingChoice>& lstChoices)
{
    QStringList lstTokens;
    for (const ClSettingChoice& stChoice : lstChoices)
        lstTokens.append(stChoice.strToken);
    return lstTokens.join(QLatin1Char('|'));
}
}  // namespace

QString ClSettingDefinition::describe() const
{
    QString strText;
    switch (eType) {
    case ClSettingType::Switch:
        strText = QStringLiteral("on|off");
        break;
    case ClSettingType::Number:
        strText = lstChoices.isEmpty() ? QStringLiteral("number %1..%2").arg(llMin).arg(llMax)
                                       : QStringLiteral("number ") + choiceList(lstChoices);
        if (llDefault >= 0)
            strText += QStringLiteral(" or %1").arg(llDefault);
        if (!strUnit.isEmpty())
            strText += QLatin1Char(' ') + strUnit;
        break;
    case ClSettingType::Text:
        strText = QStringLiteral("text /%1/").arg(strPattern);
        break;
    case ClSettingType::Host:
        strText = QStringLiteral("IPv4 host address");
        break;
    case ClSettingType::Mask:
        strText = QStringLiteral("IPv4 subnet mask");
        break;
    case ClSettingType::Choice:
    case ClSettingType::ImageSize:
        strText = choiceList(lstChoices);
        if (!strUnit.isEmpty())
            strText += QLatin1Char(' ') + strUnit;
        break;
    case ClSettingType::DayPeriod:
        strText = QStringLiteral("off|HH:MM-HH:MM (10-minute steps)");
        break;
    }
    if (bSecret)
        strText += QStringLiteral(", secret");
    return strText;
}
