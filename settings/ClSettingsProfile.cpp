#include "ClSettingsProfile.h"

#include "ClSettingTable.h"
#include "ClSettingValue.h"
#include "protocol/ClCameraModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {
QString tr(const char* pszText)
{
    return QCoreApplication::translate("ClSettingsProfile", pszText);
}

const QString strKeyFormat = QStringLiteral("format");
const QString strKeyVersion = QStringLiteral("version");
const QString strKeyCamera = QStringLiteral("camera");
const QString strKeyModel = QStringLiteral("model");
const QString strKeyFirmware = QStringLiteral("firmware");
const QString strKeySerial = QStringLiteral("serial");
const QString strKeyRead = QStringLiteral("read_at");
const QString strKeySettings = QStringLiteral("settings");
}  // namespace

const QString& ClSettingsProfile::formatName()
{
    static const QString str = QStringLiteral("tovu-settings-profile");
    return str;
}

QString ClSettingsProfile::modelName(int lModel)
{
    switch (lModel) {
    case ClCameraModel::Tovu:
        return QStringLiteral("Tovu");
    case ClCameraModel::TovuS:
        return QStringLiteral("Tovu-S");
    default:
        return QString();
    }
}

QByteArray ClSettingsProfile::toJson(bool bIncludeSecrets) const
{
    QJsonObject clSettings;
    for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
        const QVariant clValue = mapValues.value(stSetting.strName);
        if (!clValue.isValid() || (stSetting.bSecret && !bIncludeSecrets))
            continue;
        clSettings.insert(stSetting.strName, ClSettingValue::toJson(stSetting, clValue));
    }
    const QJsonObject clCamera {{strKeyModel, strModel}, {strKeyFirmware, strFirmware}, {strKeySerial, strSerial}};
    const QJsonObject clRoot {{strKeyFormat, formatName()},
                              {strKeyVersion, lFormatVersion},
                              {strKeyCamera, clCamera},
                              {strKeyRead, dtRead.toUTC().toString(Qt::ISODate)},
                              {strKeySettings, clSettings}};
    return QJsonDocument(clRoot).toJson(QJsonDocument::Indented);
}

QStringList ClSettingsProfile::fromJson(const QByteArray& baJson)
{
    if (baJson.size() > llMaxFileSize)
        return {tr("The profile is larger than %1 bytes.").arg(llMaxFileSize)};
    QJsonParseError stError;
    const QJsonDocument clDocument = QJsonDocument::fromJson(baJson, &stError);
    if (clDocument.isNull())
        return {tr("The profile is not valid JSON: %1 at byte %2.").arg(stError.errorString()).arg(stError.offset)};
    if (!clDocument.isObject())
        return {tr("The profile is not a JSON object.")};
    const QJsonObject clRoot = clDocument.object();
    if (clRoot.value(strKeyFormat).toString() != formatName())
        return {tr("The file is not a settings profile (its format is not \"%1\").").arg(formatName())};
    const QJsonValue clVersion = clRoot.value(strKeyVersion);
    if (!clVersion.isDouble() || clVersion.toDouble() < 1 || clVersion.toDouble() != double(clVersion.toInt()))
        return {tr("The profile has no valid format version.")};
    if (clVersion.toInt() > lFormatVersion)
        return {tr("The profile has format version %1; this tool reads version %2 and older. Use a newer tool.")
                    .arg(clVersion.toInt())
                    .arg(lFormatVersion)};
    const QJsonValue clSettings = clRoot.value(strKeySettings);
    if (!clSettings.isObject())
        return {tr("The profile holds no \"%1\" object.").arg(strKeySettings)};

    QStringList lstFaults;
    QMap<QString, QVariant> mapRead;
    const QJsonObject clObject = clSettings.toObject();
    for (auto it = clObject.constBegin(); it != clObject.constEnd(); ++it) {
        const ClSettingDefinition* pstSetting = ClSettingTable::find(it.key());
        if (!pstSetting) {
            lstFaults.append(tr("%1: no such setting").arg(it.key()));
            continue;
        }
        QString strError;
        const QVariant clValue = ClSettingValue::fromJson(*pstSetting, it.value(), &strError);
        if (!strError.isEmpty())
            lstFaults.append(tr("%1: %2").arg(it.key(), strError));
        else
            mapRead.insert(it.key(), clValue);
    }
    if (!lstFaults.isEmpty())
        return lstFaults;

    const QJsonObject clCamera = clRoot.value(strKeyCamera).toObject();
    strModel = clCamera.value(strKeyModel).toString();
    strFirmware = clCamera.value(strKeyFirmware).toString();
    strSerial = clCamera.value(strKeySerial).toString();
    dtRead = QDateTime::fromString(clRoot.value(strKeyRead).toString(), Qt::ISODate);
    mapValues = mapRead;
    return {};
}

QStringList ClSettingsProfile::load(const QString& strPath)
{
    QFile clFile(strPath);
    if (!clFile.open(QIODevice::ReadOnly))
        return {tr("Cannot read %1: %2").arg(strPath, clFile.errorString())};
    // One byte over the cap is enough to know the file is too big.
    const QByteArray baJson = clFile.read(llMaxFileSize + 1);
    return fromJson(baJson);
}

QString ClSettingsProfile::save(const QString& strPath, bool bIncludeSecrets) const
{
    QSaveFile clFile(strPath);
    if (!clFile.open(QIODevice::WriteOnly) || clFile.write(toJson(bIncludeSecrets)) < 0 || !clFile.commit())
        return tr("Cannot write %1: %2").arg(strPath, clFile.errorString());
    return QString();
}
