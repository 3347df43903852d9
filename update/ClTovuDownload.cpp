#include "ClTovuDownload.h"

#include "ClSystemInstaller.h"
#include "TovuUpdateLog.h"
#include "data/ClDataFolder.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {
QUuid firmwareDataKind()
{
    return requestKind<ClTovuCommandExecFwUpdateData>();
}

QUuid firmwareStartKind()
{
    return requestKind<ClTovuCommandExecFwUpdat>();
}

// Every message is titled with the application's name, as the tool gives it at start.
QString applicationTitle()
{
    return QCoreApplication::applicationName();
}

// The installer is written into the tool's folder under the name the server gave it;
// only a plain file name can be trusted not to lead elsewhere.
bool isPlainFileName(const QString& strName)
{
    return !strName.isEmpty() && !strName.contains(QLatin1Char('/')) && !strName.contains(QLatin1Char('\\'))
        && !strName.contains(QLatin1String("..")) && !strName.contains(QLatin1Char(':')) && !strName.contains(QChar(0));
}
}  // namespace

QString ClTovuDownload::toolVersion()
{
    return QStringLiteral(TOVU_TOOL_VERSION);
}

ClTovuDownload::ClTovuDownload(QObject* parent) : ClDownload(parent), clSettings(ClDataFolder::networkFile())
{
    connect(this, &ClDownload::sigSuccess, this, &ClTovuDownload::slotSuccess);

    clSettings.keepCurrent();
}

ClTovuDownload::~ClTovuDownload() = default;

bool ClTovuDownload::isAutoUpdate() const
{
    return clSettings.isAutoUpdate();
}

void ClTovuDownload::setAutoUpdate(bool bAuto)
{
    clSettings.setAutoUpdate(bAuto);
}

void ClTovuDownload::setCameraVersion(QString strVersion)
{
    bVersionKnown = true;
    strCameraVersion = strVersion;
}

void ClTovuDownload::clearCameraVersion()
{
    bVersionKnown = false;
    strCameraVersion.clear();
    // Pulled out before or during the write: one message, and nothing more of this update
    // (the error notice of the block the camera did not take may come before or after).
    if (eFlashAt != eFlash::Idle && !bReported)
        endWrite(eFlashAt == eFlash::Writing ? tr("The camera was disconnected while the firmware was being written.\n"
                                                  "Connect it again and start the update again from the help page; if "
                                                  "the camera does not start, consult your dealer.")
                                             : tr("The camera was disconnected before the firmware was written. "
                                                  "Nothing was written into it."));
}

bool ClTovuDownload::start(const QStringList& lstArgs)
{
    if (bBusy)
        return false;
    bReported = false;
    lstFirmwareBlocks.clear();
    eFlashAt = eFlash::Idle;
    bAuto = false;
    const QStringList lstAll
        = lstArgs + QStringList {QStringLiteral("-app"), applicationTitle(), QStringLiteral("-nf"), clSettings.path()};
    bBusy = ClDownload::start(lstAll);
    return bBusy;
}

void ClTovuDownload::endRun()
{
    Q_EMIT sigProgressEnd();
    slotCancel();
    bBusy = false;
    Q_EMIT sigEndUpdate();
}

void ClTovuDownload::stop()
{
    endRun();
}

QString ClTovuDownload::unverifiedText() const
{
    if (lUpdateKind == 1)
        return tr("A new firmware is offered, but it cannot be verified as a genuine release of the Tovu,\n"
                  "so nothing was downloaded or written into the camera.\n"
                  "The update server or the network may have been tampered with. Try again later or on "
                  "another network; if this keeps happening, consult your dealer.");
    return tr("A new version of this tool is offered, but it cannot be verified as a genuine release,\n"
              "so nothing was downloaded or installed.\n"
              "The update server or the network may have been tampered with. Get the new version from "
              "your dealer, or try again later on another network.");
}

QString ClTovuDownload::kindWord() const
{
    return lUpdateKind == 1 ? QCoreApplication::translate("ClWidgetHelp", "Firmware")
                            : QCoreApplication::translate("ClWidgetHelp", "Software");
}

bool ClTovuDownload::planDownloads()
{
    QString strInstalled = toolVersion();
    if (lUpdateKind == 1) {
        strInstalled = strCameraVersion;
        // The camera left while the manifest was on its way: nothing to compare with,
        // so the run ends quietly instead of staying busy.
        if (strInstalled.isEmpty()) {
            qCInfo(lcTovuUpdate) << "firmware check without a camera version; run ended";
            endRun();
            return false;
        }
    }

    // A tool manifest may offer the tool for several systems: when it has a package for
    // this one, the others are passed over. One without keeps the first-listed rule, so
    // that the user still gets the package and the message where it was saved.
    bool bHasFitting = false;
    if (lUpdateKind != 1) {
        for (const stFileEntry& stEntry : manifest().entries())
            bHasFitting = bHasFitting || ClSystemInstaller::fitsThisSystem(stEntry.strPath);
    }
    for (const stFileEntry& stEntry : manifest().entries()) {
        if (bHasFitting && ClSystemInstaller::isPackage(stEntry.strPath)
            && !ClSystemInstaller::fitsThisSystem(stEntry.strPath))
            continue;
        if (isNewer(stEntry.strVersion, strInstalled))
            clDownloadList.append({QString(), stEntry.strPath, stEntry.strHash, false, stEntry.strSha256});
    }
    // Only a release signed with the release key is fetched: what an unsigned manifest
    // offers may be anyone's. (An older signed release offers nothing newer, so a replayed
    // one is never fetched either.)
    if (!clDownloadList.isEmpty() && !bManifestSigned) {
        const QString strTitle = strAppName;
        const QString strText = unverifiedText();
        endRun();
        Q_EMIT sigMessage(strTitle, strText);
        return false;
    }
    if (clDownloadList.isEmpty() || !bAuto)
        return true;
    // The run goes on (or ends) with the answer. It may come at once, from within this
    // signal, so nothing may follow it here.
    bAsking = true;
    Q_EMIT sigQuestion(applicationTitle(), tr("There are new %1.\nVersion up?").arg(kindWord()));
    return false;
}

void ClTovuDownload::slotAnswer(bool bYes)
{
    if (!bAsking)
        return;
    bAsking = false;
    if (bYes)
        fetchPlanned();
    else
        endRun();
}

void ClTovuDownload::reset()
{
    bAsking = false;
    ClDownload::reset();
}

void ClTovuDownload::slotSuccess(QList<stDataInfo> clDataList)
{
    const bool bAutoRun = bAuto;
    const QString strTitle = strAppName;
    // Named now: the end of this run may start the next one (a firmware check waiting for
    // the tool check), which changes the kind.
    const QString strKind = kindWord();
    const bool bFirmwareRun = lUpdateKind == 1;
    const bool bSigned = bManifestSigned;
    endRun();

    if (clDataList.isEmpty()) {
        if (!bAutoRun)
            Q_EMIT sigMessage(strTitle, tr("Your %1 is the latest version.").arg(strKind));
        return;
    }
    if (!bSigned) {
        // Planning refuses an unsigned release already; nothing unsigned goes further.
        qCWarning(lcTovuUpdate) << "unsigned files not used";
        Q_EMIT sigError(QCoreApplication::translate("QObject", "Faield to update."));
        return;
    }
    // The kind of check decides where the files go, not their names: a firmware manifest
    // can never start a program on the computer, nor a tool manifest write into the camera.
    if (bFirmwareRun) {
        sendFirmware(clDataList);
        return;
    }
    if (!ClSystemInstaller::isPackage(clDataList.first().strName)) {
        qCWarning(lcTovuUpdate) << "tool check fetched no installer:" << clDataList.first().strName;
        Q_EMIT sigError(QCoreApplication::translate("QObject", "Faield to update."));
        return;
    }
    installTool(clDataList.first());
}

void ClTovuDownload::sendFirmware(const QList<stDataInfo>& lstFiles)
{
    lstFirmwareBlocks.clear();
    lBlocksWritten = 0;
    for (const stDataInfo& stFile : lstFiles)
        lstFirmwareBlocks.append(stFile.clData);
    // The battery first, then recording: nothing is written into a camera that may die
    // half-way, or that is busy recording.
    eFlashAt = eFlash::AskBattery;
    askCamera(requestKind<ClTovuCommandGetBatteryState>());
}

bool ClTovuDownload::writeFirmwareFile(const QString& strName, const QByteArray& clData)
{
    if (bBusy || !bVersionKnown || eFlashAt != eFlash::Idle || clData.isEmpty())
        return false;
    qCInfo(lcTovuUpdate) << "firmware from a file:" << strName << clData.size() << "bytes";
    bReported = false;
    sendFirmware({{strName, clData}});
    return true;
}

void ClTovuDownload::askCamera(const QUuid& uuidKind)
{
    PV_CMD clCommand;
    clCommand.insert(ClEnvelope::keyCmd(), uuidKind);
    // Stamped, so that the answers to the camera-state page's own polling are not taken
    // for these.
    clCommand.insert(ClEnvelope::keySender(), QVariant::fromValue<QObject*>(this));
    Q_EMIT sigSendCommand(clCommand);
}

void ClTovuDownload::checkBeforeWrite(const PV_CMD& clCommand)
{
    const QUuid uuidKind = ClEnvelope::kind(clCommand);
    if (ClEnvelope::isOutcome(clCommand)) {
        // Asked, but not answered: without the camera's state nothing is written.
        endWrite(tr("The camera's battery and recording state could not be read, so the firmware was not "
                    "written.\nCheck the cable and start the update again."));
        return;
    }
    if (eFlashAt == eFlash::AskBattery && uuidKind == replyKind<ClTovuCommandGetBatteryState>()) {
        // 1 on battery, 2 charging, 3 full; the level is a signed percentage on the wire.
        const quint32 ulState = clCommand.value(ClEnvelope::keyParam(2)).toUInt();
        const qint32 lLevel = qint32(clCommand.value(ClEnvelope::keyParam(3)).toUInt());
        if (ulState != 2 && ulState != 3 && lLevel < lMinBatteryPercent) {
            endWrite(tr("The camera's battery is at %1%, too low to write the firmware safely. Nothing was "
                        "written.\nCharge the camera to at least %2%, or keep it charging, and start the update "
                        "again.")
                         .arg(lLevel)
                         .arg(lMinBatteryPercent));
            return;
        }
        eFlashAt = eFlash::AskRecording;
        askCamera(requestKind<ClTovuCommandGetRecState>());
        return;
    }
    if (eFlashAt == eFlash::AskRecording && uuidKind == replyKind<ClTovuCommandGetRecState>()) {
        if (clCommand.value(ClEnvelope::keyParam(2)).toUInt() == 2) {
            endWrite(tr("The camera is recording, so the firmware was not written. Nothing was written.\n"
                        "Stop the recording and start the update again."));
            return;
        }
        eFlashAt = eFlash::Writing;
        Q_EMIT sigWriteStart(qint32(lstFirmwareBlocks.size()));
        sendNextFirmwareStep();
    }
}

void ClTovuDownload::endWrite(const QString& strText)
{
    bReported = true;
    lstFirmwareBlocks.clear();
    eFlashAt = eFlash::Idle;
    Q_EMIT sigWriteEnd();
    Q_EMIT sigMessage(applicationTitle(), strText);
}

void ClTovuDownload::sendNextFirmwareStep()
{
    // One block at a time, the next only when the camera has taken the last: a block that
    // did not arrive must not be followed by the command that starts the update.
    PV_CMD clCommand;
    if (lstFirmwareBlocks.isEmpty()) {
        clCommand.insert(ClEnvelope::keyCmd(), firmwareStartKind());
        clCommand.insert(ClEnvelope::keyParam(2), false);
    } else {
        clCommand.insert(ClEnvelope::keyCmd(), firmwareDataKind());
        clCommand.insert(ClEnvelope::keyParam(2), lstFirmwareBlocks.takeFirst());
    }
    Q_EMIT sigSendCommand(clCommand);
}

void ClTovuDownload::installTool(const stDataInfo& stInstaller)
{
    const QString strFailed = QCoreApplication::translate("QObject", "Faield to update.");
    if (!isPlainFileName(stInstaller.strName)) {
        qCWarning(lcTovuUpdate) << "installer name refused:" << stInstaller.strName;
        Q_EMIT sigError(strFailed);
        return;
    }
    if (!ClDataFolder::make()) {
        Q_EMIT sigError(strFailed);
        return;
    }
    const QString strPath = QDir(ClDataFolder::path()).absoluteFilePath(stInstaller.strName);
    // Written completely or not at all: a half-written package is never started.
    QSaveFile clFile(strPath);
    if (!clFile.open(QIODevice::WriteOnly) || clFile.write(stInstaller.clData) != stInstaller.clData.size()
        || !clFile.commit()) {
        qCWarning(lcTovuUpdate) << "cannot write installer" << strPath;
        Q_EMIT sigError(strFailed);
        return;
    }
    if (!ClSystemInstaller::start(strPath)) {
        QString strText = tr("The installer could not be started.\nThe new version was saved as:\n%1")
                              .arg(QDir::toNativeSeparators(strPath));
        if (QFileInfo(strPath).suffix() == QLatin1String("deb"))
            strText += QLatin1String("\n\n")
                + tr("Install it with your desktop's software installer, or in a terminal with:\nsudo apt install %1")
                      .arg(strPath);
        Q_EMIT sigError(strText);
        return;
    }
    // The installer replaces the tool's files, so the tool makes way for it.
    QCoreApplication::exit(0);
}

void ClTovuDownload::slotReceiveCommand(PV_CMD clCommand)
{
    if (!bVersionKnown || bReported)
        return;
    if ((eFlashAt == eFlash::AskBattery || eFlashAt == eFlash::AskRecording) && ClEnvelope::sender(clCommand) == this) {
        checkBeforeWrite(clCommand);
        return;
    }
    // A transfer that failed on the PC side comes as an error notice, the camera's refusal
    // as a completion: either is the end of the update.
    if (!ClEnvelope::isOutcome(clCommand))
        return;
    const QUuid uuidKind = ClEnvelope::executedKind(clCommand);
    const quint16 usCode = ClEnvelope::resultCode(clCommand);

    // Once a block is written the camera holds part of a new firmware: what to do next is
    // part of the message.
    const QString strFailed = tr("Firmware update failed") + QLatin1Char('\n')
        + tr("Keep the camera connected, switch it off and on, and start the update again from the help page. "
             "If the camera does not start, consult your dealer.");
    if (uuidKind == firmwareDataKind()) {
        if (usCode == ClResultCode::usSuccess) {
            Q_EMIT sigWriteProgress(++lBlocksWritten);
            sendNextFirmwareStep();
            return;
        }
        // 0xEF00: the camera is gone; its removal notice tells the user, once.
        if (usCode == ClResultCode::usNoCamera) {
            clearCameraVersion();
            return;
        }
        endWrite(strFailed);
    } else if (uuidKind == firmwareStartKind()) {
        if (usCode == ClResultCode::usSuccess) {
            endWrite(tr("Firmware update success"));
        } else {
            endWrite(strFailed);
        }
    }
}

void ClTovuDownload::slotError(QString strError)
{
    bBusy = false;
    ClDownload::slotError(strError);
}

void ClTovuDownload::slotCancel()
{
    bBusy = false;
    ClDownload::slotCancel();
}
