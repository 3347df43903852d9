#pragma once
// The tool's conversation with the one camera it works with, without any window: follows
// the camera being announced, identified and removed, asks its firmware version and, on
// the Tovu-S, polls its security mode, adds the camera's handle to every envelope of the
// pages and the update controller, passes the camera's answers on to the page shown,
// holds back a Tovu-S failure until the mode explains it, and starts the update checks a
// camera triggers. The window shows what it reports; a command-line front end could too.
#include "protocol/PvCmd.h"

#include <QObject>
#include <QTimer>

class ClTovuDownload;

class ClCameraSession : public QObject
{
    Q_OBJECT

public:
    // pclDownload: the update controller the session keeps informed; may be null. Not owned.
    explicit ClCameraSession(ClTovuDownload* pclDownload, QObject* pclParent = nullptr);
    ~ClCameraSession() override;

    bool isConnected() const { return pDevice != nullptr; }
    void* device() const { return pDevice; }
    qint32 cameraModel() const { return lModel; }
    qint32 secureMode() const { return lSecureMode; }
    // The page last selected while connected (a mode number).
    qint32 selectedMode() const { return lMode; }
    void setSelectedMode(qint32 lNewMode) { lMode = lNewMode; }
    // The page the window shows now (a mode number), selected or not.
    qint32 shownMode() const { return lShown; }
    void setShownMode(qint32 lNewShown) { lShown = lNewShown; }

    bool isPolling() const { return clPollingTimer.isActive(); }
    int pollingInterval() const { return clPollingTimer.interval(); }
    // Shortened by tests and the screenshot maker.
    void setPollingInterval(int lMs) { clPollingTimer.setInterval(lMs); }

    // An update check: kind 0 the tool, 1 the camera's firmware; bAuto for the automatic one.
    void startUpdate(qint32 iKind, bool bAuto);
    // The argument list of an update run: "-a" for an automatic check, "-u", then the
    // manifest of the tool (kind 0) or of the firmware of the model (kind 1).
    static QStringList updateArguments(qint32 iKind, bool bAuto, qint32 lModel);

Q_SIGNALS:
    // Requests with the camera's handle, to the USB worker.
    void sigSendCommand(PV_CMD clCommand);
    // The connected camera's envelopes, to the page shown.
    void sigPageCommand(PV_CMD clCommand);
    // Model and version of the camera, for every page; -1 and empty when it is gone.
    void sigCameraInfo(qint32 lModel, QString strVersion);
    // For the mode bar: the page to select and the locks (ClButtonsState).
    void sigSelectMode(qint32 lMode);
    void sigButtonsState(qint32 lState);
    // The Tovu-S's mode changed (ClSecureMode).
    void sigSecureMode(qint32 lSecureMode);
    // Something the user must be told in a box: a camera that cannot be used.
    void sigMessage(QString strText);

public Q_SLOTS:
    // Envelopes of the pages and the update controller: the camera's handle is added, or
    // the envelope is dropped while no camera is connected.
    void slotSendCommand(PV_CMD clCommand);
    // Everything the USB worker answers or announces.
    void slotReceiveCommand(PV_CMD clCommand);
    // The update controller has finished a run.
    void slotEndUpdate();
    // The polling timer's work: ask the Tovu-S for its mode.
    void slotPollSecureMode();

private:
    void onConnected(const PV_CMD& clCommand);
    void onRemoved(const PV_CMD& clCommand);
    void onSecureMode(const PV_CMD& clCommand);
    void showSecureMode();
    void onFirmwareVersion(const PV_CMD& clCommand);
    void onCompletion(const PV_CMD& clCommand);
    void forward(const PV_CMD& clCommand);
    bool isForConnectedCamera(const PV_CMD& clCommand) const;
    void sendOwnCommand(const QUuid& uuidKind, bool bStampSender);
    void deliverHeldFailure();

    ClTovuDownload* pclDownload = nullptr;
    void* pDevice = nullptr;
    qint32 lMode;
    qint32 lShown;
    qint32 lModel;
    qint32 lSecureMode;
    PV_CMD clFailedCommand;
    QTimer clPollingTimer;
    bool bVersionKnown = false;
    bool bVersionFailureShown = false;
    bool bFirmwareCheckPending = false;
};
