#include "ClCliFormat.h"

#include "settings/ClSettingTable.h"
#include "settings/ClSettingValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
const QString strSecret = QStringLiteral("(secret)");
constexpr int lNameWidth = 36;

QJsonObject cameraObject(const ClCliCamera& stCamera)
{
    return {{QStringLiteral("serial"), stCamera.strSerial},
            {QStringLiteral("model"), stCamera.modelName()},
            {QStringLiteral("firmware"), stCamera.strFirmware},
            {QStringLiteral("bus_position"), stCamera.strBusPosition}};
}
}  // namespace

QString ClCliFormat::cameraLine(const ClCliCamera& stCamera)
{
    return QStringLiteral("%1  %2  %3  %4")
        .arg(stCamera.strSerial.leftJustified(12), stCamera.modelName().leftJustified(7),
             stCamera.strFirmware.leftJustified(10), stCamera.strBusPosition);
}

QByteArray ClCliFormat::camerasJson(const QList<ClCliCamera>& lstCameras)
{
    QJsonArray clArray;
    for (const ClCliCamera& stCamera : lstCameras)
        clArray.append(cameraObject(stCamera));
    return QJsonDocument(clArray).toJson(QJsonDocument::Indented);
}

QString ClCliFormat::valueText(const ClSettingDefinition& stSetting, const QVariant& clValue, bool bShowSecrets)
{
    if (stSetting.bSecret && !bShowSecrets)
        return strSecret;
    return ClSettingValue::toText(stSetting, clValue);
}

QStringList ClCliFormat::settingLines(const ClSettingsReport& stReport, bool bShowSecrets)
{
    QStringList lstLines;
    for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
        const QString strName = stSetting.strName.leftJustified(lNameWidth);
        if (stReport.lstUnsupported.contains(stSetting.strName)) {
            lstLines.append(strName + QStringLiteral(" (unsupported)"));
            continue;
        }
        const auto it = stReport.mapValues.constFind(stSetting.strName);
        if (it == stReport.mapValues.constEnd())
            continue;
        QString strLine = strName + QLatin1Char(' ') + valueText(stSetting, it.value(), bShowSecrets);
        if (!stSetting.strUnit.isEmpty())
            strLine += QLatin1Char(' ') + stSetting.strUnit;
        lstLines.append(strLine);
    }
    return lstLines;
}

QByteArray ClCliFormat::settingsJson(const ClCliCamera& stCamera, const ClSettingsReport& stReport, bool bShowSecrets)
{
    QJsonObject clSettings;
    for (auto it = stReport.mapValues.constBegin(); it != stReport.mapValues.constEnd(); ++it) {
        const ClSettingDefinition* pstSetting = ClSettingTable::find(it.key());
        if (!pstSetting)
            continue;
        const QJsonValue clValue = pstSetting->bSecret && !bShowSecrets ? QJsonValue(strSecret)
                                                                       : ClSettingValue::toJson(*pstSetting, it.value());
        clSettings.insert(it.key(), QJsonObject {{QStringLiteral("value"), clValue},
                                                 {QStringLiteral("unit"), pstSetting->strUnit}});
    }
    QJsonObject clFailed;
    for (auto it = stReport.mapFailed.constBegin(); it != stReport.mapFailed.constEnd(); ++it)
        clFailed.insert(it.key(), it.value());
    const QJsonObject clRoot {{QStringLiteral("camera"), cameraObject(stCamera)},
                              {QStringLiteral("settings"), clSettings},
                              {QStringLiteral("unsupported"), QJsonArray::fromStringList(stReport.lstUnsupported)},
                              {QStringLiteral("failed"), clFailed}};
    return QJsonDocument(clRoot).toJson(QJsonDocument::Indented);
}
