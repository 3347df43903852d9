#include "ClSettingRules.h"

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
    static const QRegularExpression clExpression(
        QStringLiteral("^") + partPattern() + QStringLiteral("\\.") + partPattern() + QStringLiteral("\\.")
        + partPattern() + QStringLiteral("\\.(?:[1-9]|[1-9][0-9]|1[0-9][0-9]|2[0-4][0-9]|25[0-4])$"));
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

QString ClSettingRules::cameraNameCharacter()
{
    return QStringLiteral("[0-9a-zA-Z\\-._~]");
}

QString ClSettingRules::cameraNamePattern()
{
    return cameraNameCharacter() + QStringLiteral("{1,%1}").arg(lMaxCameraName);
}

QString ClSettingRules::networkKeyPattern()
{
    return QStringLiteral("[ -~]{1,63}");
}

QString ClSettingRules::ssidPattern()
{
    return QStringLiteral("[ -~]{1,32}");
}

QString ClSettingRules::streamPasswordPattern()
{
    return QStringLiteral("[!-~]{1,16}");
}

bool ClSettingRules::matches(const QString& strPattern, const QString& strText)
{
    const QRegularExpression clExpression(QRegularExpression::anchoredPattern(strPattern));
    return clExpression.match(strText).hasMatch();
}

bool ClSettingRules::isHostAddress(const QString& strText)
{
    return hostExpression().match(strText).hasMatch();
}

bool ClSettingRules::isSubnetMask(const QString& strText)
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

bool ClSettingRules::isScheduleTime(int lHour, int lMinute)
{
    return lHour >= 0 && lHour < 24 && lMinute >= 0 && lMinute < 60 && lMinute % lScheduleStepMinutes == 0;
}

bool ClSettingRules::isPort(qint64 llPort, int lDefault)
{
    return llPort == lDefault || (llPort >= lMinPort && llPort <= lMaxPort);
}

int ClSettingRules::correctedPort(const QString& strText, int lDefault)
{
    bool bNumber = false;
    const qlonglong llValue = strText.toLongLong(&bNumber);
    if (!bNumber)
        return lDefault;
    if (llValue > lMaxPort)
        return lMaxPort;
    if (llValue < lMinPort && llValue != lDefault)
        return lDefault;
    return int(llValue);
}
