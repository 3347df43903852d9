#include "ClCliRunner.h"

#include "ClCameraDiscovery.h"
#include "ClCameraSettings.h"
#include "ClCliCommands.h"
#include "ClCliFormat.h"
#include "ClCliManual.h"
#include "protocol/ClTovuCommands.h"
#include "session/ClAppCheck.h"
#include "settings/ClSettingTable.h"
#include "settings/ClSettingValue.h"
#include "settings/ClSettingsProfile.h"
#include "usb/ClUsbManager.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QTextStream>

#include <memory>

namespace {
constexpr quint32 ulTovuIdentity = (quint32(0x0201) << 16) | 0x09A1;
// How long each command may take: as long as the window gives one.
constexpr int lCommandMs = 5000;
// Cameras found at start settle before they are announced; on the real bus the worker's
// own delay, on a virtual one next to none. Discovery ends once every expected camera
// spoke, or after a quiet spell, and never later than the limit.
constexpr int lVirtualSettleMs = 20;
constexpr int lVirtualQuietMs = 300;
constexpr int lRealQuietMs = 1000;
constexpr int lDiscoveryMarginMs = 5000;
}  // namespace

ClCliRunner::ClCliRunner(ClUsbApi* pclApi_, QTextStream& clOut_, QTextStream& clErr_, QObject* pclParent)
    : QObject(pclParent), pclApi(pclApi_), clOut(clOut_), clErr(clErr_)
{}

int ClCliRunner::usage(const QString& strError)
{
    clErr << strError << Qt::endl << tr("Try --help for the options.") << Qt::endl;
    return lExitUsage;
}

bool ClCliRunner::readAssignments(QMap<QString, QVariant>& mapValues)
{
    QStringList lstErrors;
    for (const QString& strAssignment : std::as_const(stOptions.lstAssignments)) {
        const qsizetype lEquals = strAssignment.indexOf(QLatin1Char('='));
        if (lEquals <= 0) {
            lstErrors.append(tr("\"%1\" is not NAME=VALUE.").arg(strAssignment));
            continue;
        }
        const QString strName = strAssignment.left(lEquals);
        const ClSettingDefinition* pstSetting = ClSettingTable::find(strName);
        if (!pstSetting) {
            lstErrors.append(tr("%1: no such setting.").arg(strName));
            continue;
        }
        if (mapValues.contains(strName)) {
            lstErrors.append(tr("%1: given twice.").arg(strName));
            continue;
        }
        QString strError;
        const QVariant clValue = ClSettingValue::fromText(*pstSetting, strAssignment.mid(lEquals + 1), &strError);
        if (!strError.isEmpty())
            lstErrors.append(tr("%1: %2").arg(strName, strError));
        else
            mapValues.insert(strName, clValue);
    }
    for (const QString& strError : std::as_const(lstErrors))
        clErr << strError << Qt::endl;
    if (!lstErrors.isEmpty())
        clErr << tr("Nothing was sent.") << Qt::endl;
    return lstErrors.isEmpty();
}

QList<ClCliCamera> ClCliRunner::chooseCameras(const QList<ClCliCamera>& lstFound, int* plExit)
{
    QList<ClCliCamera> lstUsable;
    for (const ClCliCamera& stCamera : lstFound) {
        if (stCamera.lModel < 0)
            clErr << tr("The camera at %1 did not say which model it is; it is left alone.").arg(stCamera.strBusPosition)
                  << Qt::endl;
        else
            lstUsable.append(stCamera);
    }
    *plExit = lExitFailure;
    if (lstUsable.isEmpty()) {
        clErr << tr("No camera found.") << Qt::endl;
        return {};
    }
    if (stOptions.bAll) {
        *plExit = lExitSuccess;
        return lstUsable;
    }
    if (!stOptions.strCamera.isEmpty()) {
        for (const ClCliCamera& stCamera : std::as_const(lstUsable)) {
            if (stCamera.strSerial == stOptions.strCamera) {
                *plExit = lExitSuccess;
                return {stCamera};
            }
        }
        clErr << tr("No attached camera has the serial number %1. Attached:").arg(stOptions.strCamera) << Qt::endl;
        for (const ClCliCamera& stCamera : std::as_const(lstUsable))
            clErr << QStringLiteral("  ") << ClCliFormat::cameraLine(stCamera) << Qt::endl;
        return {};
    }
    if (lstUsable.size() > 1) {
        clErr << tr("Several cameras are attached; choose one with --camera SERIAL:") << Qt::endl;
        for (const ClCliCamera& stCamera : std::as_const(lstUsable))
            clErr << QStringLiteral("  ") << ClCliFormat::cameraLine(stCamera) << Qt::endl;
        *plExit = lExitUsage;
        return {};
    }
    *plExit = lExitSuccess;
    return lstUsable;
}

int ClCliRunner::runOnCameras(const QList<ClCliCamera>& lstCameras, const QMap<QString, QVariant>& mapValues,
                              const ClSettingsProfile* pclProfile, ClUsbService& clService)
{
    ClCliCommands clCommands(stOptions, clOut, clErr);
    bool bAllTook = true;
    QStringList lstSummaries;
    for (const ClCliCamera& stCamera : lstCameras) {
        ClCameraSettings clSettings(stCamera, lCommandMs);
        connect(&clSettings, &ClCameraSettings::sigSendCommand, &clService, &ClUsbService::slotReceiveCommand);
        connect(&clService, &ClUsbService::sigSendCommand, &clSettings, &ClCameraSettings::slotReceiveCommand);
        const QString strSerial = stCamera.strSerial;
        connect(&clSettings, &ClCameraSettings::sigWritten, this,
                [this, strSerial](const QString& strName) { Q_EMIT sigWritten(strSerial, strName); });
        switch (stOptions.eCommand) {
        case ClCliOptions::Command::Get:
            return clCommands.get(stCamera, clSettings);
        case ClCliOptions::Command::Set:
            return clCommands.set(stCamera, clSettings, mapValues);
        case ClCliOptions::Command::SaveProfile:
            return clCommands.saveProfile(stCamera, clSettings);
        case ClCliOptions::Command::ApplyProfile: {
            const ClCliCommands::Applied stApplied = clCommands.applyProfile(stCamera, clSettings, *pclProfile);
            bAllTook = bAllTook && stApplied.bComplete;
            // Summaries are results, in English words as scripts read them.
            lstSummaries.append(stOptions.bDryRun ? QStringLiteral("%1: %2 would change, %3 skipped (dry run)")
                                                        .arg(strSerial)
                                                        .arg(stApplied.lChanged)
                                                        .arg(stApplied.lSkipped)
                                                  : QStringLiteral("%1: %2 changed, %3 skipped, %4 failed")
                                                        .arg(strSerial)
                                                        .arg(stApplied.lChanged)
                                                        .arg(stApplied.lSkipped)
                                                        .arg(stApplied.lFailed));
            break;
        }
        default:
            break;
        }
    }
    for (const QString& strSummary : std::as_const(lstSummaries))
        clOut << strSummary << Qt::endl;
    return bAllTook ? lExitSuccess : lExitFailure;
}

int ClCliRunner::run(const QStringList& lstArguments)
{
    if (!stOptions.parse(lstArguments))
        return usage(stOptions.strError);
    switch (stOptions.eCommand) {
    case ClCliOptions::Command::Help:
        clOut << ClCliOptions::helpText();
        return lExitSuccess;
    case ClCliOptions::Command::Version:
        clOut << QStringLiteral("tovu-settings %1").arg(QStringLiteral(TOVU_VERSION)) << Qt::endl;
        return lExitSuccess;
    case ClCliOptions::Command::Manual:
        clOut << ClCliManual::roff(stOptions.strManualDate, QStringLiteral(TOVU_VERSION));
        return lExitSuccess;
    default:
        break;
    }

    // Everything the user gave is checked before any camera is touched.
    for (const QString& strName : std::as_const(stOptions.lstNames)) {
        if (!ClSettingTable::find(strName))
            return usage(tr("%1: no such setting.").arg(strName));
    }
    QMap<QString, QVariant> mapValues;
    if (stOptions.eCommand == ClCliOptions::Command::Set && !readAssignments(mapValues))
        return lExitUsage;
    ClSettingsProfile clProfile;
    if (stOptions.eCommand == ClCliOptions::Command::ApplyProfile) {
        const QStringList lstFaults = clProfile.load(stOptions.strFile);
        for (const QString& strFault : lstFaults)
            clErr << strFault << Qt::endl;
        if (!lstFaults.isEmpty()) {
            clErr << tr("The profile %1 was refused; nothing was sent.").arg(stOptions.strFile) << Qt::endl;
            return lExitUsage;
        }
    }

    // Never beside the window: the two would fight over the same device.
    ClAppCheck clLock(QCoreApplication::translate("QObject", "Tovu Setting Tool"));
    const qint32 lLock = clLock.checkInstance(lockKey());
    if (lLock == ClAppCheck::lCannotInit) {
        clErr << clLock.errorMessage(lLock) << Qt::endl;
        return lExitFailure;
    }
    if (lLock != ClAppCheck::lOwned) {
        clErr << tr("The %1 window is running and uses the cameras. Close it and try again.")
                     .arg(QCoreApplication::translate("QObject", "Tovu Setting Tool"))
              << Qt::endl;
        return lExitFailure;
    }

    // The bus outlives the worker, which closes its cameras through it.
    std::unique_ptr<ClVirtualUsbBus> upOwnBus;
    ClUsbApi* pclBus = pclApi;
    if (!pclBus && !stOptions.lstVirtualModels.isEmpty()) {
        upOwnBus = std::make_unique<ClVirtualUsbBus>();
        int lNumber = 0;
        for (const int lModel : std::as_const(stOptions.lstVirtualModels)) {
            auto* pclCamera = new ClVirtualCamera(lModel);
            // Each its own serial number, so that --camera can tell them apart.
            pclCamera->setText(ClTovuCommandGetSerialNo::usCommandCode,
                               QStringLiteral("VT%1").arg(++lNumber, 7, 10, QLatin1Char('0')).toLatin1());
            upOwnBus->plug(pclCamera);
        }
        pclBus = upOwnBus.get();
    }
    const bool bVirtual = pclBus != nullptr;
    const int lExpected = upOwnBus ? int(stOptions.lstVirtualModels.size()) : 0;

    ClUsbService clService(pclBus);
    clService.setResponseTimeout(lCommandMs);
    const int lSettleMs = bVirtual ? lVirtualSettleMs : ClUsbManager::lDefaultSettleDelayMs;
    clService.setSettleDelay(lSettleMs);
    ClCameraDiscovery clDiscovery;
    connect(&clDiscovery, &ClCameraDiscovery::sigSendCommand, &clService, &ClUsbService::slotReceiveCommand);
    connect(&clService, &ClUsbService::sigSendCommand, &clDiscovery, &ClCameraDiscovery::slotReceiveCommand);
    if (!clService.init({ulTovuIdentity})) {
        clErr << tr("The USB bus cannot be read.") << Qt::endl;
        return lExitFailure;
    }
    const QList<ClCliCamera> lstFound = clDiscovery.discover(
        lExpected, lSettleMs + lDiscoveryMarginMs, bVirtual ? lVirtualQuietMs : lRealQuietMs, lCommandMs);
    for (const QString& strLine : clDiscovery.unusable())
        clErr << strLine << Qt::endl;
    Q_EMIT sigCamerasFound();

    if (stOptions.eCommand == ClCliOptions::Command::List) {
        if (stOptions.bJson) {
            clOut << QString::fromUtf8(ClCliFormat::camerasJson(lstFound));
        } else {
            for (const ClCliCamera& stCamera : lstFound)
                clOut << ClCliFormat::cameraLine(stCamera) << Qt::endl;
        }
        if (lstFound.isEmpty())
            clErr << tr("No camera found.") << Qt::endl;
        return lstFound.isEmpty() ? lExitFailure : lExitSuccess;
    }
    int lExit = lExitSuccess;
    const QList<ClCliCamera> lstChosen = chooseCameras(lstFound, &lExit);
    if (lstChosen.isEmpty())
        return lExit;
    return runOnCameras(lstChosen, mapValues, &clProfile, clService);
}
