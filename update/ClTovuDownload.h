#pragma once
// The tool's update controller, owned by the main window: decides what is newer than
// what is installed, asks before automatic updates, sends fetched firmware to the camera
// through the window and hands a new installer of the tool to the system installer.
// What the user is told and asked goes out by signal; the answer comes back by slot.
#include "ClDownload.h"
#include "ClParseXmlUpdate.h"
#include "data/ClNetworkSettings.h"
#include "protocol/PvCmd.h"

class ClTovuDownload : public ClDownload
{
    Q_OBJECT

public:
    // The tool's own version: shown on the help page and compared in tool checks.
    static QString toolVersion();
    // Below this battery level (percent), unless it is charging, the camera is not written:
    // a camera that dies half-way through a write may not start again. Writing and the
    // camera's own installing take a few minutes; a camera's battery alarm sits lower
    // (at 10 to 20 percent), so 30 leaves a margin for a worn battery that drops fast.
    static constexpr qint32 lMinBatteryPercent = 30;

    explicit ClTovuDownload(QObject* parent = nullptr);
    ~ClTovuDownload() override;

    bool isAutoUpdate() const;
    void setAutoUpdate(bool bAuto);
    bool isBusy() const { return bBusy; }
    void setCameraVersion(QString strVersion);
    void clearCameraVersion();
    // Abandons the run; its progress is no longer shown.
    void stop();
    // 0 checks the tool, 1 the camera's firmware.
    void setUpdateKind(qint32 lKind) { lUpdateKind = lKind; }
    // Refused (false) while a run is in progress.
    bool start(const QStringList& lstArgs) override;

    QString settingsPath() const { return clSettings.path(); }
    QString cameraVersion() const { return strCameraVersion; }
    // Writes firmware the user picked into the connected camera, with the same checks of
    // the camera, progress and result as a downloaded update; no signature (the user
    // chose it) and no network. Refused (false) with no camera, or while a run or a
    // write is under way.
    bool writeFirmwareFile(const QString& strName, const QByteArray& clData);

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);
    void sigEndUpdate();
    // A message for the user, to be acknowledged (OK).
    void sigMessage(QString strTitle, QString strText);
    // A Yes/No question; the run waits for slotAnswer.
    void sigQuestion(QString strTitle, QString strText);
    // The run is over: whatever showed its progress can close.
    void sigProgressEnd();
    // Firmware is being written into the camera, lBlocks in all: from now on nothing can
    // be cancelled. Then each block the camera has taken, and the end of the write.
    void sigWriteStart(qint32 lBlocks);
    void sigWriteProgress(qint32 lWritten);
    void sigWriteEnd();

public Q_SLOTS:
    // The answer to the last sigQuestion; ignored when the run it asked for has ended.
    void slotAnswer(bool bYes);
    void slotReceiveCommand(PV_CMD clCommand);
    void slotSuccess(QList<stDataInfo> clDataList);
    void slotError(QString strError) override;
    void slotCancel() override;

protected:
    bool planDownloads() override;
    void reset() override;

private:
    // "Firmware" or "Software", as the help page names them.
    QString kindWord() const;
    // Why a newer release that is not signed is not taken, and what to do.
    QString unverifiedText() const;
    void endRun();
    void installTool(const stDataInfo& stInstaller);
    void sendFirmware(const QList<stDataInfo>& lstFiles);
    void sendNextFirmwareStep();
    // Asks the camera, for this controller alone, what it must tell before a write.
    void askCamera(const QUuid& uuidKind);
    // The camera's answer before a write: the next question, the write, or a refusal.
    void checkBeforeWrite(const PV_CMD& clCommand);
    // The write ends (or never starts) with this message and nothing more.
    void endWrite(const QString& strText);

    qint32 lUpdateKind = 0;
    bool bVersionKnown = false;
    bool bBusy = false;
    QString strCameraVersion;
    ClNetworkSettings clSettings;
    bool bReported = false;
    // Firmware blocks still to send, one after the other.
    QList<QByteArray> lstFirmwareBlocks;
    qint32 lBlocksWritten = 0;
    // Where the way from fetched firmware to a written camera stands.
    enum class eFlash { Idle, AskBattery, AskRecording, Writing };
    eFlash eFlashAt = eFlash::Idle;
    // The run waits for the answer to its question.
    bool bAsking = false;
};
