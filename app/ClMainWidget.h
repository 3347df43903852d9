#pragma once
// The tool's only window: caption bar, mode bar, page stack and log bar. It is the
// switchboard every command envelope passes through, follows the camera's connection
// and, on the Tovu-S, its security mode, and starts update checks.
#include "app/framework/ClPageHost.h"

#include <QPoint>

class ClCaptionBar;
class ClListWidgetBase;
class ClLogWidget;
class ClTovuDownload;
class ClUsbApi;
class ClUsbService;
class ClWidgetHelp;
class ClWidgetSecureMode;
class ClWidgetSelectMode;
class QStackedLayout;

class ClMainWidget : public ClPageHost
{
    Q_OBJECT

public:
    // Without a USB seam the real USB bus is used.
    explicit ClMainWidget(ClUsbApi* pclUsbApi = nullptr);
    ~ClMainWidget() override;

    // Polls the security mode of a Tovu-S.
    void requestData(bool bIsPolling) override;

    // The argument list of an update run: "-a" for an automatic check, "-u", then the
    // manifest of the tool (kind 0) or of the firmware of the model (kind 1).
    static QStringList updateArguments(qint32 iKind, bool bAuto, qint32 lModel);

    // Read-only views for tests and scripts.
    qint32 currentPage() const;
    QWidget* page(qint32 lMode) const;
    ClWidgetSelectMode* modeBar() const { return pclSelectMode; }
    ClLogWidget* logBar() const { return pclLog; }
    ClTovuDownload* downloader() const { return pclDownload; }
    ClUsbService* usbService() const { return pclUsbService; }
    bool isConnected() const { return pclDevice != nullptr; }
    qint32 cameraModel() const { return lModel; }
    qint32 secureMode() const { return lSecureMode; }
    qint32 selectedMode() const { return lMode; }

public Q_SLOTS:
    void slotChangeMode(qint32 lNewMode);
    void slotSendCommand(PV_CMD clCommand) override;
    void slotReceiveCommand(PV_CMD clCommand) override;
    void slotUpdate(int iKind);
    void slotUpdateError(QString strError);
    void slotEndUpdate();

protected:
    void mousePressEvent(QMouseEvent* pclEvent) override;
    void mouseMoveEvent(QMouseEvent* pclEvent) override;
    void mouseReleaseEvent(QMouseEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    void startUpdate(qint32 iKind, bool bAuto);

    void onConnected(const PV_CMD& clCommand);
    void onRemoved(const PV_CMD& clCommand);
    void onSecureMode(const PV_CMD& clCommand);
    void onFirmwareVersion(const PV_CMD& clCommand);
    void onCompletion(const PV_CMD& clCommand);
    void forward(const PV_CMD& clCommand);
    bool isForConnectedCamera(const PV_CMD& clCommand) const;
    void sendOwnCommand(const QUuid& uuidKind, bool bStampSender);
    void deliverHeldFailure();

    void attachPage(QWidget* pclPage);
    void detachPage(QWidget* pclPage);
    void giveCameraInfo(qint32 lCameraModel, const QString& strVersion);

    ClUsbService* pclUsbService = nullptr;
    void* pclDevice = nullptr;
    QPoint ptPress;
    qint32 lMode = 1;
    qint32 lModel = -1;
    qint32 lSecureMode = 0;
    QStackedLayout* pclStack = nullptr;
    ClCaptionBar* pclCaption = nullptr;
    ClWidgetSelectMode* pclSelectMode = nullptr;
    ClWidgetSecureMode* pclSecureMode = nullptr;
    ClWidgetHelp* pclHelp = nullptr;
    ClLogWidget* pclLog = nullptr;
    PV_CMD clFailedCommand;
    ClTovuDownload* pclDownload = nullptr;
    bool bFirmwareCheckPending = false;
    bool bVersionKnown = false;
};
