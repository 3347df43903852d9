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
}

bool ClTovuDownload::start(const QStringList& lstArgs)
{
    if (bBusy)
        return false;
    bReported = false;
    lstFirmwareBlocks.clear();
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
    for (const stDataInfo& stFile : lstFiles)
        lstFirmwareBlocks.append(stFile.clData);
    sendNextFirmwareStep();
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
    if (!bVersionKnown)
        return;
    // A transfer that failed on the PC side comes as an error notice, the camera's refusal
    // as a completion: either is the end of the update.
    if (!ClEnvelope::isOutcome(clCommand) || bReported)
        return;
    const QUuid uuidKind = ClEnvelope::executedKind(clCommand);
    const quint16 usCode = ClEnvelope::resultCode(clCommand);

    if (uuidKind == firmwareDataKind()) {
        if (usCode == ClResultCode::usSuccess) {
            sendNextFirmwareStep();
            return;
        }
        bReported = true;
        lstFirmwareBlocks.clear();
        Q_EMIT sigMessage(applicationTitle(), tr("Firmware update failed"));
    } else if (uuidKind == firmwareStartKind()) {
        bReported = true;
        Q_EMIT sigMessage(applicationTitle(),
                          usCode == 0 ? tr("Firmware update success") : tr("Firmware update failed"));
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
