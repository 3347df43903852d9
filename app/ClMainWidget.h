#pragma once
// The tool's only window: caption bar, mode bar, page stack and log bar. It shows what
// the camera session reports (ClCameraSession holds the connection and routes every
// envelope), attaches the page shown, and moves when dragged.
#include "framework/ClPageHost.h"

#include <QPoint>
#include <QRegion>
#include <array>

class ClCameraSession;
class ClCaptionBar;
class ClLogWidget;
class ClPage;
class ClTovuDownload;
class ClUpdateView;
class ClUsbApi;
class ClUsbService;
class ClWidgetHelp;
class ClWidgetNotConnect;
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

    // Read-only views for tests and scripts. A settings page is made when it is first
    // shown or asked for here.
    qint32 currentPage() const;
    QWidget* page(qint32 lMode) const;
    ClWidgetSelectMode* modeBar() const { return pclSelectMode; }
    ClLogWidget* logBar() const { return pclLog; }
    ClTovuDownload* downloader() const { return pclDownload; }
    ClUsbService* usbService() const { return pclUsbService; }
    ClCameraSession* session() const { return pclSession; }

public Q_SLOTS:
    void slotChangeMode(qint32 lNewMode);
    void slotSendCommand(PV_CMD clCommand) override;
    void slotUpdate(int iKind);
    void slotUpdateError(QString strError);

protected:
    void mousePressEvent(QMouseEvent* pclEvent) override;
    void mouseMoveEvent(QMouseEvent* pclEvent) override;
    void mouseReleaseEvent(QMouseEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    void createPages();
    void connectSession();
    void giveCameraInfo(qint32 lModel, const QString& strVersion);
    void showMessage(const QString& strText);
    // The page of a mode, made now if it is not yet.
    ClPage* pageAt(qint32 lMode) const;
    ClPage* makePage(qint32 lMode, QWidget* pclParent) const;
    void attachPage(qint32 lMode, ClPage* pclPage);

    ClUsbService* pclUsbService = nullptr;
    ClTovuDownload* pclDownload = nullptr;
    ClCameraSession* pclSession = nullptr;
    ClUpdateView* pclUpdateView = nullptr;
    // The firmware file --firmware-file named, written when a camera is first known.
    QString strFirmwareFileToWrite;
    // Where the left-button drag under way started, in the window's coordinates.
    QPoint ptPress;
    bool bDragging = false;
    // The window's own part where the window system cannot cut the rest away (Wayland).
    QRegion rgnShape;
    QStackedLayout* pclStack = nullptr;
    // The page of each mode number, in the stack at that index; null while a stand-in
    // holds the place of a page not made yet.
    mutable std::array<ClPage*, 8> apclPages {};
    // What the pages were last told of the camera, for a page made later.
    bool bCameraInfoGiven = false;
    qint32 lCameraModel = -1;
    QString strCameraVersion;
    // The camera's mode as the session last said it, for a secure page made later.
    bool bSecureModeGiven = false;
    qint32 lSecureMode = 0;
    ClCaptionBar* pclCaption = nullptr;
    ClWidgetSelectMode* pclSelectMode = nullptr;
    // Null until first shown.
    ClWidgetSecureMode* pclSecureMode = nullptr;
    ClWidgetHelp* pclHelp = nullptr;
    ClWidgetNotConnect* pclNotConnect = nullptr;
    ClLogWidget* pclLog = nullptr;
};
