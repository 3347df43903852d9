#include "ClMainWidget.h"

#include "AppLog.h"
#include "ClCaptionBar.h"
#include "ClRunOptions.h"
#include "ClUpdateView.h"
#include "ClWidgetNotConnect.h"
#include "ClWidgetSelectMode.h"
#include "framework/ClAccessible.h"
#include "framework/ClLogWidget.h"
#include "framework/ClMessageBox.h"
#include "framework/ClPage.h"
#include "framework/ClPictures.h"
#include "pages/basic/ClWidgetBasicSetting.h"
#include "pages/help/ClWidgetHelp.h"
#include "pages/network/ClWidgetNetworkSetting.h"
#include "pages/schedule/ClWidgetScheduleSetting.h"
#include "pages/status/ClWidgetCameraState.h"
#include "pages/status/ClWidgetSecureMode.h"
#include "pages/stream/ClWidgetStreamSetting.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "resources/ClArtPalette.h"
#include "session/ClCameraSession.h"
#include "session/ClPageMode.h"
#include "update/ClTovuDownload.h"
#include "usb/ClUsbService.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedLayout>
#include <QTimer>
#include <QWindow>

namespace {
constexpr int lWidth = 600;
constexpr int lHeight = 620;
constexpr int lModeBarTop = 27;
constexpr int lPageTop = 115;
// Vendor in the low 16 bits, product in the high 16 bits.
constexpr quint32 ulTovuIdentity = (quint32(0x0201) << 16) | 0x09A1;
}  // namespace

ClMainWidget::ClMainWidget(ClUsbApi* pclUsbApi) : ClPageHost(nullptr)
{
    setObjectName(QStringLiteral("mainWidget"));
    // Frameless, so nothing tells a screen reader it is a window but the window itself.
    ClAccessible::setRole(this, QAccessible::Window);
    resize(lWidth, lHeight);

    const QString strTitle = ClMessageBox::applicationTitle();
    setWindowTitle(strTitle);

    pclCaption = new ClCaptionBar(strTitle, this);
    connect(pclCaption, &ClCaptionBar::sigClose, this, &QWidget::close);

    pclSelectMode = new ClWidgetSelectMode(this);
    pclSelectMode->setMinimumWidth(lWidth);
    pclSelectMode->setGeometry(0, lModeBarTop, lWidth, lPageTop - lModeBarTop);
    connect(pclSelectMode, &ClWidgetSelectMode::sigChangeMode, this, &ClMainWidget::slotChangeMode);

    pclLog = new ClLogWidget(this);
    pclLog->move(0, lHeight - pclLog->height());
    connect(pclLog, &ClLogWidget::sigReload, this, &ClMainWidget::sigReload);
    connect(pclLog, &ClLogWidget::sigApply, this, &ClMainWidget::sigApply);
    connect(this, &ClMainWidget::sigSetLog, pclLog, &ClLogWidget::slotSetLog);
    connect(this, &ClMainWidget::sigSetButtonEnable, pclLog, &ClLogWidget::slotSetButtonEnable);
    Q_EMIT sigSetButtonEnable(false, false);

    createPages();
    setWindowFlags(Qt::FramelessWindowHint);
    PvCmd::registerMetaTypes();

    pclUsbService = new ClUsbService(pclUsbApi, this);
    pclUsbService->setResponseTimeout(5000);
    pclDownload = new ClTovuDownload(this);
    // The window's child: the runs' dialog and boxes, and the firmware file the user picks.
    pclUpdateView = new ClUpdateView(pclDownload, this);
    strFirmwareFileToWrite = ClRunOptions::current().firmwareFile();
    pclSession = new ClCameraSession(pclDownload, this);
    connectSession();

    if (pclDownload->isAutoUpdate())
        pclSession->startUpdate(0, true);

    // Opening the bus and the first scan take the worker a while: the window shows
    // meanwhile, on the not-connected page, until the worker reports a camera.
    connect(pclUsbService, &ClUsbService::sigBusReady, this, [](bool bBus) {
        if (!bBus)
            qCWarning(lcTovuApp) << "USB discovery could not start; no camera will be found";
    });
    pclUsbService->start({ulTovuIdentity});

    // Only the opaque part of the picture belongs to the window. Wayland has no window
    // masks: there the window is see-through and the picture's clear corners show what is
    // behind it; clicks on them are still not the window's. Last in the constructor: the
    // picture and its shape are decoded beside it (see main) and are needed only to show.
    const QString strWindowPicture = QStringLiteral(":/img/window");
    const QPixmap clShape = ClPictures::pixmap(strWindowPicture);
    QRegion rgnVisible;
    if (clShape.size() == size()) {
        rgnVisible = ClPictures::shape(strWindowPicture);
    } else if (const QBitmap clMask = clShape.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation).mask();
               !clMask.isNull()) {
        rgnVisible = QRegion(clMask);
    }
    if (!clShape.isNull() && !rgnVisible.isEmpty()) {
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            setAttribute(Qt::WA_TranslucentBackground);
            rgnShape = rgnVisible;
        } else {
            setMask(rgnVisible);
        }
    }
}

ClMainWidget::~ClMainWidget()
{
    pclDownload->stop();
    pclDownload->setAutoUpdate(pclHelp != nullptr ? pclHelp->isAutoUpdateChecked() : pclDownload->isAutoUpdate());
    delete pclUsbService;
    pclUsbService = nullptr;
}

void ClMainWidget::createPages()
{
    // Only the page shown first is made now; every other page when first shown (most runs
    // see few of them), so that the window shows sooner and a page never opened costs no
    // memory.
    pclNotConnect = new ClWidgetNotConnect;
    apclPages[ClPageMode::NotConnected] = pclNotConnect;

    auto* pclPageArea = new QWidget(this);
    pclPageArea->setObjectName(QStringLiteral("pageArea"));
    pclPageArea->setGeometry(0, lPageTop, lWidth, (lHeight - lPageTop) - pclLog->height());
    pclStack = new QStackedLayout(pclPageArea);
    pclStack->setContentsMargins(0, 0, 0, 0);
    for (qint32 lMode = 0; lMode < ClPageMode::lCount; ++lMode) {
        ClPage* pclPage = apclPages[size_t(lMode)];
        pclStack->insertWidget(lMode, pclPage != nullptr ? pclPage->pageWidget() : new QWidget);
    }
}

ClPage* ClMainWidget::makePage(qint32 lMode, QWidget* pclParent) const
{
    // Which page sits at which mode number, stated once.
    switch (lMode) {
    case ClPageMode::CameraState:
        return new ClWidgetCameraState(pclParent);
    case ClPageMode::Network:
        return new ClWidgetNetworkSetting(pclParent);
    case ClPageMode::Basic:
        return new ClWidgetBasicSetting(pclParent);
    case ClPageMode::Stream:
        return new ClWidgetStreamSetting(pclParent);
    case ClPageMode::Schedule:
        return new ClWidgetScheduleSetting(pclParent);
    case ClPageMode::Secure:
        return new ClWidgetSecureMode(pclParent);
    case ClPageMode::Help:
        return new ClWidgetHelp(pclParent);
    default:
        return nullptr;
    }
}

void ClMainWidget::connectSession()
{
    connect(pclSession, &ClCameraSession::sigSendCommand, pclUsbService, &ClUsbService::slotReceiveCommand);
    connect(pclUsbService, &ClUsbService::sigSendCommand, pclSession, &ClCameraSession::slotReceiveCommand);
    connect(pclUsbService, &ClUsbService::sigSendCommand, pclDownload, &ClTovuDownload::slotReceiveCommand);
    // A camera that is on the bus but cannot be used concerns no session: only the
    // not-connected page explains it.
    connect(pclUsbService, &ClUsbService::sigSendCommand, this, [this](PV_CMD clCommand) {
        if (ClEnvelope::kind(clCommand) != ClCommandKinds::cameraUnusable())
            return;
        pclNotConnect->showDiagnosis(clCommand.value(ClEnvelope::keyParam(2)).toInt(),
                                     clCommand.value(ClEnvelope::keyParam(3)).toString(),
                                     clCommand.value(ClEnvelope::keyParam(4)).toStringList());
    });
    connect(pclDownload, &ClTovuDownload::sigSendCommand, pclSession, &ClCameraSession::slotSendCommand);
    connect(pclDownload, &ClTovuDownload::sigError, this, &ClMainWidget::slotUpdateError);
    connect(pclDownload, &ClTovuDownload::sigEndUpdate, pclSession, &ClCameraSession::slotEndUpdate);

    connect(pclSession, &ClCameraSession::sigPageCommand, this, &ClPageHost::slotDeliverCommand);
    connect(pclSession, &ClCameraSession::sigCameraInfo, this, &ClMainWidget::giveCameraInfo);
    connect(pclSession, &ClCameraSession::sigSelectMode, pclSelectMode, &ClWidgetSelectMode::selectMode);
    connect(pclSession, &ClCameraSession::sigButtonsState, pclSelectMode, &ClWidgetSelectMode::setButtonsState);
    connect(pclSession, &ClCameraSession::sigSecureMode, this, [this](qint32 lMode) {
        bSecureModeGiven = true;
        lSecureMode = lMode;
        if (pclSecureMode != nullptr)
            pclSecureMode->setSecureMode(lMode);
    });
    connect(pclSession, &ClCameraSession::sigMessage, this, &ClMainWidget::showMessage);
}

qint32 ClMainWidget::currentPage() const
{
    return pclStack->currentIndex();
}

QWidget* ClMainWidget::page(qint32 lPageMode) const
{
    pageAt(lPageMode);
    return pclStack->widget(lPageMode);
}

ClPage* ClMainWidget::pageAt(qint32 lMode) const
{
    if (lMode < 0 || lMode >= ClPageMode::lCount)
        return nullptr;
    if (apclPages[size_t(lMode)] == nullptr) {
        // Made inside the page area, never a window of its own, not even for a moment.
        ClPage* pclPage = makePage(lMode, pclStack->parentWidget());
        Q_ASSERT(pclPage != nullptr);
        // The stand-in is never the page shown: a page is made before it is shown.
        QWidget* pclStandIn = pclStack->widget(lMode);
        Q_ASSERT(pclStandIn != pclStack->currentWidget());
        pclStack->removeWidget(pclStandIn);
        delete pclStandIn;
        pclStack->insertWidget(lMode, pclPage->pageWidget());
        apclPages[size_t(lMode)] = pclPage;
        // Callers see no change: to them the page was there all along.
        const_cast<ClMainWidget*>(this)->attachPage(lMode, pclPage);
        if (bCameraInfoGiven)
            pclPage->setCameraInfo(lCameraModel, strCameraVersion);
    }
    return apclPages[size_t(lMode)];
}

void ClMainWidget::attachPage(qint32 lMode, ClPage* pclPage)
{
    // The two pages the window talks to itself, told what they missed before they were made.
    if (lMode == ClPageMode::Secure) {
        pclSecureMode = static_cast<ClWidgetSecureMode*>(pclPage);
        if (bSecureModeGiven)
            pclSecureMode->setSecureMode(lSecureMode);
    } else if (lMode == ClPageMode::Help) {
        pclHelp = static_cast<ClWidgetHelp*>(pclPage);
        connect(pclHelp, &ClWidgetHelp::sigUpdate, this, &ClMainWidget::slotUpdate);
        connect(pclHelp, &ClWidgetHelp::sigInstallFirmwareFile, pclUpdateView, &ClUpdateView::slotInstallFromFile);
        pclHelp->setAutoUpdateChecked(pclDownload->isAutoUpdate());
        connect(pclHelp, &ClWidgetHelp::sigAutoUpdateChanged, pclDownload, &ClTovuDownload::setAutoUpdate);
    }
}

void ClMainWidget::giveCameraInfo(qint32 lModel, const QString& strVersion)
{
    // The ends of the commands given to a camera that is gone never come.
    if (lModel < 0)
        forgetCommandsInFlight();
    bCameraInfoGiven = true;
    lCameraModel = lModel;
    strCameraVersion = strVersion;
    for (ClPage* pclPage : apclPages) {
        if (pclPage != nullptr)
            pclPage->setCameraInfo(lModel, strVersion);
    }
    pclSelectMode->setCameraInfo(lModel, QString());
    // Once the update controller knows the camera's version too (right after this).
    if (lModel >= 0 && !strFirmwareFileToWrite.isEmpty()) {
        QTimer::singleShot(0, pclUpdateView, [this, strPath = std::exchange(strFirmwareFileToWrite, QString())] {
            pclUpdateView->installFromFile(strPath);
        });
    }
}

void ClMainWidget::showMessage(const QString& strText)
{
    ClMessageBox clBox(this, strText, ClMessageBox::applicationTitle(), QMessageBox::Ok);
    clBox.exec();
}

void ClMainWidget::slotChangeMode(qint32 lNewMode)
{
    const qint32 lShown = pclStack->currentIndex();
    if (lNewMode != ClPageMode::Help && !pclSession->isConnected()) {
        pageAt(lShown)->deactivate(this);
        pclStack->setCurrentIndex(ClPageMode::NotConnected);
        pclSession->setShownMode(ClPageMode::NotConnected);
        Q_EMIT sigSetButtonEnable(false, false);
        return;
    }
    if (lNewMode < ClPageMode::CameraState || lNewMode > ClPageMode::Help)
        return;
    if (lShown != ClPageMode::NotConnected)
        pageAt(lShown)->deactivate(this);
    ClPage* pclNew = pageAt(lNewMode);
    pclStack->setCurrentIndex(lNewMode);
    pclSession->setShownMode(lNewMode);
    const bool bSettings = ClPageMode::hasReloadApply(lNewMode);
    Q_EMIT sigSetButtonEnable(bSettings, bSettings);
    pclNew->activate(this);
    pclSession->setSelectedMode(lNewMode);
}

void ClMainWidget::slotSendCommand(PV_CMD clCommand)
{
    pclSession->slotSendCommand(clCommand);
}

void ClMainWidget::slotUpdate(int iKind)
{
    pclSession->startUpdate(iKind, false);
}

void ClMainWidget::slotUpdateError(QString strError)
{
    pclDownload->stop();
    showMessage(strError);
}

void ClMainWidget::mousePressEvent(QMouseEvent* pclEvent)
{
    const QPoint ptAt = pclEvent->position().toPoint();
    // The cut-away parts of the picture are not the window's; a window system that does
    // not shape the input (Wayland, the offscreen one, some X servers) still delivers them.
    const QRegion rgnOwn = mask().isEmpty() ? rgnShape : mask();
    if (!rgnOwn.isEmpty() && !rgnOwn.contains(ptAt)) {
        pclEvent->ignore();
        return;
    }
    if (pclEvent->button() == Qt::LeftButton) {
        // The window system moves the window where it can: Wayland lets a window move
        // itself no other way, and on X11 the window manager then keeps it on screen.
        if (windowHandle() != nullptr && windowHandle()->startSystemMove()) {
            pclEvent->accept();
            return;
        }
        // Without one (no window manager, the offscreen platform) the window follows the
        // mouse itself. A flag of its own: every point, (0, 0) too, may start a drag.
        ptPress = ptAt;
        bDragging = true;
    }
    ClPageHost::mousePressEvent(pclEvent);
}

void ClMainWidget::mouseMoveEvent(QMouseEvent* pclEvent)
{
    if (bDragging)
        setGeometry(geometry().translated(pclEvent->position().toPoint() - ptPress));
    ClPageHost::mouseMoveEvent(pclEvent);
}

void ClMainWidget::mouseReleaseEvent(QMouseEvent* pclEvent)
{
    if (pclEvent->button() == Qt::LeftButton)
        bDragging = false;
    ClPageHost::mouseReleaseEvent(pclEvent);
}

void ClMainWidget::paintEvent(QPaintEvent*)
{
    QPainter clPainter(this);
    const QPixmap clBackground = ClPictures::pixmap(QStringLiteral(":/img/window"));
    if (clBackground.isNull())
        clPainter.fillRect(rect(), ClArtPalette::list());
    else
        clPainter.drawPixmap(rect(), clBackground);
}
