#include "ClCliCommands.h"

#include "ClCameraSettings.h"
#include "ClCliFormat.h"
#include "settings/ClSettingTable.h"
#include "settings/ClSettingsPlan.h"
#include "settings/ClSettingsProfile.h"

#include <QDateTime>
#include <QSet>
#include <QTextStream>

ClCliCommands::ClCliCommands(const ClCliOptions& stOptions_, QTextStream& clOut_, QTextStream& clErr_)
    : stOptions(stOptions_), clOut(clOut_), clErr(clErr_)
{}

bool ClCliCommands::reportFailures(const ClCliCamera& stCamera, const QMap<QString, QString>& mapFailed)
{
    for (auto it = mapFailed.constBegin(); it != mapFailed.constEnd(); ++it)
        clErr << tr("%1: %2 failed: %3").arg(stCamera.strSerial, it.key(), it.value()) << Qt::endl;
    return mapFailed.isEmpty();
}

int ClCliCommands::get(const ClCliCamera& stCamera, ClCameraSettings& clSettings)
{
    const ClSettingsReport stReport = clSettings.read(stOptions.lstNames);
    if (stOptions.bJson) {
        clOut << QString::fromUtf8(ClCliFormat::settingsJson(stCamera, stReport, stOptions.bShowSecrets));
    } else {
        for (const QString& strLine : ClCliFormat::settingLines(stReport, stOptions.bShowSecrets))
            clOut << strLine << Qt::endl;
    }
    clOut.flush();
    const bool bAllRead = reportFailures(stCamera, stReport.mapFailed);
    return bAllRead && !stReport.bCameraGone ? 0 : 1;
}

int ClCliCommands::set(const ClCliCamera& stCamera, ClCameraSettings& clSettings,
                       const QMap<QString, QVariant>& mapValues)
{
    // All or nothing: a setting this camera lacks stops the whole change before it starts.
    QStringList lstLacking;
    for (auto it = mapValues.constBegin(); it != mapValues.constEnd(); ++it) {
        if (!ClSettingTable::isSupported(*ClSettingTable::find(it.key()), clSettings.supported()))
            lstLacking.append(it.key());
    }
    if (!lstLacking.isEmpty()) {
        clErr << tr("The %1 camera %2 with firmware %3 does not have: %4. Nothing was changed.")
                     .arg(stCamera.modelName(), stCamera.strSerial, stCamera.strFirmware,
                          lstLacking.join(QStringLiteral(", ")))
              << Qt::endl;
        return 1;
    }
    const ClSettingsReport stCurrent = clSettings.read(ClCameraSettings::withPartners(mapValues.keys()));
    if (stCurrent.bCameraGone) {
        clErr << tr("%1: the camera went away; nothing was changed.").arg(stCamera.strSerial) << Qt::endl;
        return 1;
    }
    const ClSettingsReport stReport = clSettings.write(mapValues, stCurrent.mapValues);
    for (const QString& strLine : ClCliFormat::settingLines(stReport, stOptions.bShowSecrets))
        clOut << strLine << Qt::endl;
    clOut.flush();
    reportFailures(stCamera, stReport.mapFailed);
    return stReport.isComplete() ? 0 : 1;
}

int ClCliCommands::saveProfile(const ClCliCamera& stCamera, ClCameraSettings& clSettings)
{
    const ClSettingsReport stReport = clSettings.read({});
    if (stReport.bCameraGone) {
        clErr << tr("%1: the camera went away; no profile was written.").arg(stCamera.strSerial) << Qt::endl;
        return 1;
    }
    ClSettingsProfile clProfile;
    clProfile.strModel = stCamera.modelName();
    clProfile.strFirmware = stCamera.strFirmware;
    clProfile.strSerial = stCamera.strSerial;
    clProfile.dtRead = QDateTime::currentDateTimeUtc();
    clProfile.mapValues = stReport.mapValues;
    const QString strError = clProfile.save(stOptions.strFile, stOptions.bIncludeSecrets);
    if (!strError.isEmpty()) {
        clErr << strError << Qt::endl;
        return 1;
    }
    clErr << tr("Saved the settings of %1 to %2 (%3 settings).")
                 .arg(stCamera.strSerial, stOptions.strFile)
                 .arg(stReport.mapValues.size())
          << Qt::endl;
    return reportFailures(stCamera, stReport.mapFailed) ? 0 : 1;
}

ClCliCommands::Applied ClCliCommands::applyProfile(const ClCliCamera& stCamera, ClCameraSettings& clSettings,
                                                   const ClSettingsProfile& clProfile)
{
    Applied stApplied;
    clOut << QStringLiteral("%1 (%2 %3):").arg(stCamera.strSerial, stCamera.modelName(), stCamera.strFirmware)
          << Qt::endl;
    const ClSettingsReport stCurrent = clSettings.read(ClCameraSettings::withPartners(clProfile.mapValues.keys()));
    if (stCurrent.bCameraGone) {
        clErr << tr("%1: the camera went away; nothing was changed.").arg(stCamera.strSerial) << Qt::endl;
        stApplied.lFailed = int(clProfile.mapValues.size());
        return stApplied;
    }
    const ClSettingsPlan clPlan = ClSettingsPlan::make(clProfile.mapValues, stCurrent.mapValues, clSettings.supported());
    for (const QString& strLine : clPlan.describe(stOptions.bShowSecrets))
        clOut << QStringLiteral("  ") << strLine << Qt::endl;
    for (const QString& strName : clPlan.lstUnsupported)
        clOut << QStringLiteral("  %1: skipped (unsupported)").arg(strName) << Qt::endl;
    stApplied.lSkipped = int(clPlan.lstUnsupported.size());

    if (stOptions.bDryRun || clPlan.lstChanges.isEmpty()) {
        stApplied.lChanged = stOptions.bDryRun ? int(clPlan.lstChanges.size()) : 0;
        stApplied.bComplete = true;
        return stApplied;
    }
    const ClSettingsReport stReport = clSettings.write(clPlan.wantedChanges(), stCurrent.mapValues);
    QSet<QString> setFailed(stReport.lstNotWritten.cbegin(), stReport.lstNotWritten.cend());
    for (auto it = stReport.mapFailed.constBegin(); it != stReport.mapFailed.constEnd(); ++it)
        setFailed.insert(it.key());
    stApplied.lFailed = int(setFailed.size());
    for (const QString& strName : stReport.lstWritten) {
        if (!setFailed.contains(strName))
            ++stApplied.lChanged;
    }
    reportFailures(stCamera, stReport.mapFailed);
    if (stReport.bCameraGone) {
        // Exactly what the camera holds now: the settings it confirmed and those never sent.
        clErr << tr("%1: the camera went away while the profile was applied.").arg(stCamera.strSerial) << Qt::endl
              << tr("  written: %1").arg(stReport.lstWritten.join(QStringLiteral(", "))) << Qt::endl
              << tr("  not written: %1").arg(stReport.lstNotWritten.join(QStringLiteral(", "))) << Qt::endl;
    }
    stApplied.bComplete = stReport.isComplete();
    return stApplied;
}
