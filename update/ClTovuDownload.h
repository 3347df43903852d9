#pragma once
// The tool's update controller, owned by the main window: decides what is newer than
// what is installed, asks before automatic updates, sends fetched firmware to the camera
// through the window and hands a new installer of the tool to the system installer.
#include "ClDownload.h"
#include "data/ClNetworkSettings.h"
#include "ClParseXmlUpdate.h"
#include "protocol/PvCmd.h"

class QWidget;

class ClTovuDownload : public ClDownload
{
    Q_OBJECT

public:
    // The tool's own version: shown on the help page and compared in tool checks.
    static QString toolVersion();

    explicit ClTovuDownload(QWidget* parent);
    ~ClTovuDownload() override;

    bool isAutoUpdate() const;
    void setAutoUpdate(bool bAuto);
    bool isBusy() const { return bBusy; }
    void setCameraVersion(QString strVersion);
    void clearCameraVersion();
    // Closes the progress dialog and abandons the run.
    void stop();
    // 0 checks the tool, 1 the camera's firmware.
    void setUpdateKind(qint32 lKind) { lUpdateKind = lKind; }
    // Refused (false) while a run is in progress.
    bool start(const QStringList& lstArgs) override;

    QString settingsPath() const { return clSettings.path(); }

Q_SIGNALS:
    void sigSendCommand(PV_CMD clCommand);
    void sigTotalCountProgress(qint32 lCount);
    void sigEndUpdate();

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clCommand);
    void slotSuccess(QList<stDataInfo> clDataList);
    void slotError(QString strError) override;
    void slotCancel() override;

protected:
    bool planDownloads() override;

private:
    // "Firmware" or "Software", as the help page names them.
    QString kindWord() const;
    void endRun();
    void installTool(const stDataInfo& stInstaller);
    void sendFirmware(const QList<stDataInfo>& lstFiles);
    void showMessage(const QString& strText, const QString& strTitle);

    qint32 lUpdateKind = 0;
    bool bVersionKnown = false;
    bool bBusy = false;
    QString strCameraVersion;
    QWidget* pclParent = nullptr;
    ClNetworkSettings clSettings;
    bool bReported = false;
};
