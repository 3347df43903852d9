#include "ClMainWidget.h"

#include "AppLog.h"
#include "ClCaptionBar.h"
#include "protocol/TypedKinds.h"
#include "protocol/ClCommandKinds.h"
#include "app/framework/ClListWidgetBase.h"
#include "app/framework/ClLogWidget.h"
#include "app/framework/ClMessageBox.h"
#include "update/ClTovuDownload.h"
#include "usb/ClUsbService.h"
#include "pages/basic/ClWidgetBasicSetting.h"
#include "pages/status/ClWidgetCameraState.h"
#include "update/ClWidgetHelp.h"
#include "pages/network/ClWidgetNetworkSetting.h"
#include "ClWidgetNotConnect.h"
#include "pages/schedule/ClWidgetScheduleSetting.h"
#include "pages/status/ClWidgetSecureMode.h"
#include "ClWidgetSelectMode.h"
#include "pages/stream/ClWidgetStreamSetting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStackedLayout>

namespace {
constexpr int lWidth = 600;
constexpr int lHeight = 620;
constexpr int lModeBarTop = 27;
constexpr int lPageTop = 115;
constexpr qint32 lMaintenanceMode = 2;
constexpr qint32 lModeNotConnected = 0;
constexpr qint32 lModeCameraState = 1;
constexpr qint32 lModeSchedule = 5;
constexpr qint32 lModeSecure = 6;
constexpr qint32 lModeHelp = 7;
constexpr quint16 usCommandError = 0xFFFC;
constexpr quint16 usTimeout = 0xFFFA;
// Vendor in the low 16 bits, product in the high 16 bits.
constexpr quint32 ulTovuIdentity = (quint32(0x0201) << 16) | 0x09A1;

const QString strKeyCmd = QStringLiteral("CMD");
const QString strKeySender = QStringLiteral("Sender");
const QString strKeyDevice = QStringLiteral("PARAM1");
const QString strKeyParam2 = QStringLiteral("PARAM2");
const QString strKeyParam3 = QStringLiteral("PARAM3");

QUuid kindGetFwVersion()
{
    return requestKind<ClTovuCommandGetFwVersion>();
}
QUuid replyGetFwVersion()
{
    return replyKind<ClTovuCommandGetFwVersion>();
}
QUuid kindGetSecureCurr()
{
    return requestKind<ClTovuCommandGetSecureCurr>();
}
QUuid replyGetSecureCurr()
{
    return replyKind<ClTovuCommandGetSecureCurr>();
}

void* deviceOf(const PV_CMD& clCommand)
{
    return clCommand.value(strKeyDevice).value<void*>();
}
}  // namespace

ClMainWidget::ClMainWidget(ClUsbApi* pclUsbApi) : ClPageHost(nullptr)
{
    setObjectName(QStringLiteral("mainWidget"));
    resize(lWidth, lHeight);

    // Only the opaque part of the picture belongs to the window.
    const QPixmap clShape = QPixmap(QStringLiteral(":/img/window"))
                                .scaled(lWidth, lHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!clShape.isNull() && !clShape.mask().isNull())
        setMask(clShape.mask());

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

    auto* pclCameraState = new ClWidgetCameraState;
    auto* pclNetwork = new ClWidgetNetworkSetting;
    auto* pclBasic = new ClWidgetBasicSetting;
    auto* pclStream = new ClWidgetStreamSetting;
    auto* pclSchedule = new ClWidgetScheduleSetting;
    auto* pclNotConnect = new ClWidgetNotConnect;
    pclSecureMode = new ClWidgetSecureMode;
    pclHelp = new ClWidgetHelp;
    connect(pclHelp, &ClWidgetHelp::sigUpdate, this, &ClMainWidget::slotUpdate);

    auto* pclPageArea = new QWidget(this);
    pclPageArea->setObjectName(QStringLiteral("pageArea"));
    pclPageArea->setGeometry(0, lPageTop, lWidth, (lHeight - lPageTop) - pclLog->height());
    pclStack = new QStackedLayout(pclPageArea);
    pclStack->setContentsMargins(0, 0, 0, 0);
    for (QWidget* pclPage : {static_cast<QWidget*>(pclNotConnect), static_cast<QWidget*>(pclCameraState),
                             static_cast<QWidget*>(pclNetwork), static_cast<QWidget*>(pclBasic),
                             static_cast<QWidget*>(pclStream), static_cast<QWidget*>(pclSchedule),
                             static_cast<QWidget*>(pclSecureMode), static_cast<QWidget*>(pclHelp)})
        pclStack->addWidget(pclPage);

    setWindowFlags(Qt::FramelessWindowHint);
    PvCmd::registerMetaTypes();

    pclUsbService = new ClUsbService(pclUsbApi, this);
    pclUsbService->setResponseTimeout(5000);
    connect(this, &ClMainWidget::sigSendCommand, pclUsbService, &ClUsbService::slotReceiveCommand);
    connect(pclUsbService, &ClUsbService::sigSendCommand, this, &ClMainWidget::slotReceiveCommand);

    pclDownload = new ClTovuDownload(this);
    connect(pclDownload, &ClTovuDownload::sigSendCommand, this, &ClMainWidget::slotSendCommand);
    connect(pclUsbService, &ClUsbService::sigSendCommand, pclDownload, &ClTovuDownload::slotReceiveCommand);
    connect(pclDownload, &ClTovuDownload::sigError, this, &ClMainWidget::slotUpdateError);
    connect(pclDownload, &ClTovuDownload::sigEndUpdate, this, &ClMainWidget::slotEndUpdate);

    pclHelp->setAutoUpdateChecked(pclDownload->isAutoUpdate());
    if (pclHelp->isAutoUpdateChecked())
        startUpdate(0, true);

    if (!pclUsbService->init({ulTovuIdentity}))
        qCWarning(lcTovuApp) << "USB discovery could not start; no camera will be found";
}

ClMainWidget::~ClMainWidget()
{
    // Stopping ends the run; nothing may start another one on the way out.
    bFirmwareCheckPending = false;
    pclDownload->stop();
    pclDownload->setAutoUpdate(pclHelp->isAutoUpdateChecked());
    delete pclUsbService;
    pclUsbService = nullptr;
}

qint32 ClMainWidget::currentPage() const
{
    return pclStack->currentIndex();
}

QWidget* ClMainWidget::page(qint32 lPageMode) const
{
    return pclStack->widget(lPageMode);
}

void ClMainWidget::attachPage(QWidget* pclPage)
{
    if (auto* pclBase = qobject_cast<ClWidgetBase*>(pclPage))
        pclBase->activate(this);
    else if (auto* pclList = qobject_cast<ClListWidgetBase*>(pclPage))
        pclList->activate(this);
}

void ClMainWidget::detachPage(QWidget* pclPage)
{
    if (auto* pclBase = qobject_cast<ClWidgetBase*>(pclPage))
        pclBase->deactivate(this);
    else if (auto* pclList = qobject_cast<ClListWidgetBase*>(pclPage))
        pclList->deactivate(this);
}

void ClMainWidget::giveCameraInfo(qint32 lCameraModel, const QString& strVersion)
{
    for (int lIndex = 0; lIndex < pclStack->count(); ++lIndex) {
        QWidget* pclPage = pclStack->widget(lIndex);
        if (auto* pclBase = qobject_cast<ClWidgetBase*>(pclPage))
            pclBase->setCameraInfo(lCameraModel, strVersion);
        else if (auto* pclList = qobject_cast<ClListWidgetBase*>(pclPage))
            pclList->setCameraInfo(lCameraModel, strVersion);
    }
}

void ClMainWidget::slotChangeMode(qint32 lNewMode)
{
    if (lNewMode != lModeHelp && pclDevice == nullptr) {
        detachPage(pclStack->currentWidget());
        pclStack->setCurrentIndex(lModeNotConnected);
        Q_EMIT sigSetButtonEnable(false, false);
        return;
    }
    if (lNewMode < lModeCameraState || lNewMode > lModeHelp)
        return;
    if (pclStack->currentIndex() != lModeNotConnected)
        detachPage(pclStack->currentWidget());
    pclStack->setCurrentIndex(lNewMode);
    const bool bSettings = (lNewMode >= 2 && lNewMode <= 5);
    Q_EMIT sigSetButtonEnable(bSettings, bSettings);
    attachPage(pclStack->currentWidget());
    lMode = lNewMode;
}

void ClMainWidget::slotSendCommand(PV_CMD clCommand)
{
    if (pclDevice == nullptr)
        return;
    clCommand.insert(strKeyDevice, QVariant::fromValue<void*>(pclDevice));
    Q_EMIT sigSendCommand(clCommand);
}

void ClMainWidget::sendOwnCommand(const QUuid& uuidKind, bool bStampSender)
{
    PV_CMD clCommand;
    clCommand.insert(strKeyCmd, uuidKind);
    if (bStampSender)
        clCommand.insert(strKeySender, QVariant::fromValue<QObject*>(this));
    slotSendCommand(clCommand);
}

void ClMainWidget::requestData(bool bIsPolling)
{
    if (bIsPolling)
        sendOwnCommand(kindGetSecureCurr(), false);
}

bool ClMainWidget::isForConnectedCamera(const PV_CMD& clCommand) const
{
    return pclDevice != nullptr && deviceOf(clCommand) == pclDevice;
}

void ClMainWidget::forward(const PV_CMD& clCommand)
{
    if (isForConnectedCamera(clCommand))
        Q_EMIT sigReceiveCommand(clCommand);
}

void ClMainWidget::slotReceiveCommand(PV_CMD clCommand)
{
    const QUuid uuidKind = commandKind(clCommand);
    if (uuidKind == ClCommandKinds::cameraConnected()) {
        onConnected(clCommand);
        return;
    }
    if (uuidKind == ClCommandKinds::cameraRemoved()) {
        onRemoved(clCommand);
        return;
    }
    // Everything else concerns one camera; what comes from another one (or from the
    // one just pulled out) must not change the window's state.
    if (!isForConnectedCamera(clCommand))
        return;
    if (uuidKind == replyGetSecureCurr())
        onSecureMode(clCommand);
    else if (uuidKind == replyGetFwVersion())
        onFirmwareVersion(clCommand);
    else if (uuidKind == ClCommandKinds::result() || uuidKind == ClCommandKinds::transportError())
        onCompletion(clCommand);
    else
        forward(clCommand);
}

void ClMainWidget::onConnected(const PV_CMD& clCommand)
{
    if (pclDevice != nullptr)
        return;
    lModel = clCommand.value(strKeyParam2).toInt();
    if (lModel >= 0) {
        pclDevice = deviceOf(clCommand);
        qCInfo(lcTovuApp) << "camera connected, model" << lModel;
        sendOwnCommand(kindGetFwVersion(), false);
        if (lModel == 1) {
            sendOwnCommand(kindGetSecureCurr(), false);
            startPolling();
        }
        return;
    }
    const quint16 usCode = resultCode(clCommand);
    qCInfo(lcTovuApp) << "camera not identified, result" << Qt::hex << usCode;
    if (usCode != 0) {
        showCommandError(usCode);
        resetError();
        return;
    }
    ClMessageBox clBox(this,
                       QObject::tr("In this version of the tool maintenance is not supported.\n"
                                   "Make up a version of the tool than help."),
                       ClMessageBox::applicationTitle(), QMessageBox::Ok);
    clBox.exec();
}

void ClMainWidget::onRemoved(const PV_CMD& clCommand)
{
    if (pclDevice == nullptr || deviceOf(clCommand) != pclDevice)
        return;
    qCInfo(lcTovuApp) << "camera removed";
    stopPolling();
    lSecureMode = 0;
    pclDevice = nullptr;
    bVersionKnown = false;
    clFailedCommand.clear();
    pclSelectMode->selectMode(lModeNotConnected);
    pclSelectMode->setButtonsState(2);
    lModel = -1;
    pclSelectMode->setCameraInfo(-1, QString());
    giveCameraInfo(-1, QString());
    pclDownload->clearCameraVersion();
    bFirmwareCheckPending = false;
}

void ClMainWidget::deliverHeldFailure()
{
    if (clFailedCommand.isEmpty())
        return;
    const PV_CMD clHeld = clFailedCommand;
    clFailedCommand.clear();
    Q_EMIT sigReceiveCommand(clHeld);
}

void ClMainWidget::onSecureMode(const PV_CMD& clCommand)
{
    const qint32 lNewMode = clCommand.value(strKeyParam2).toInt();
    const bool bAnswersHeldFailure = clCommand.value(strKeySender).value<QObject*>() == this;
    if (lNewMode != lSecureMode) {
        if (lNewMode == lMaintenanceMode) {
            if (bAnswersHeldFailure)
                deliverHeldFailure();
            pclSelectMode->setButtonsState(0);
        } else {
            const int lShown = pclStack->currentIndex();
            if (lShown != lModeSecure && lShown != lModeHelp)
                pclSelectMode->selectMode(lModeSecure);
            pclSelectMode->setButtonsState(1);
        }
        pclSecureMode->setSecureMode(lNewMode);
        lSecureMode = lNewMode;
    } else if (bAnswersHeldFailure && lNewMode == lMaintenanceMode) {
        // Still in maintenance mode: the mode does not explain the failure, so the page
        // that sent the command must hear of it.
        deliverHeldFailure();
    }
    if (bAnswersHeldFailure)
        clFailedCommand.clear();
    forward(clCommand);
}

void ClMainWidget::onFirmwareVersion(const PV_CMD& clCommand)
{
    const QString strVersion = clCommand.value(strKeyParam2).toString();
    bVersionKnown = true;
    if (lModel != 1 && (lMode == lModeSchedule || lMode == lModeSecure))
        lMode = lModeCameraState;
    // The pages learn the camera before the selected one is attached and asks for data.
    giveCameraInfo(lModel, strVersion);
    pclSelectMode->selectMode(lMode);
    pclSelectMode->setButtonsState(0);
    pclSelectMode->setCameraInfo(lModel, QString());
    pclDownload->setCameraVersion(strVersion);
    // The check box is the user's current choice; it starts from the settings file.
    if (pclHelp->isAutoUpdateChecked()) {
        if (pclDownload->isBusy())
            bFirmwareCheckPending = true;
        else
            startUpdate(1, true);
    }
    forward(clCommand);
}

void ClMainWidget::onCompletion(const PV_CMD& clCommand)
{
    const quint16 usCode = resultCode(clCommand);
    const QUuid uuidExecuted = executedKind(clCommand);
    if (usCode != 0 && uuidExecuted == kindGetFwVersion() && !bVersionKnown) {
        // Without its version the camera stays locked: say why. 0xEF00 means the camera
        // is gone, and its removal notice follows.
        if (usCode != 0xEF00) {
            showCommandError(usCode);
            resetError();
        }
        forward(clCommand);
        return;
    }
    if (uuidExecuted == kindGetSecureCurr()) {
        // Never held back (that would ask again forever); if the question asked for a
        // held failure cannot be answered, the failure itself is the best news there is.
        if (usCode != 0)
            deliverHeldFailure();
        forward(clCommand);
        return;
    }
    if (isCompletion(clCommand) && (usCode == usCommandError || usCode == usTimeout) && lModel == 1) {
        // The camera may have left maintenance mode; the answer to this question decides.
        clFailedCommand = clCommand;
        sendOwnCommand(kindGetSecureCurr(), true);
        return;
    }
    forward(clCommand);
}

QStringList ClMainWidget::updateArguments(qint32 iKind, bool bAuto, qint32 lCameraModel)
{
    QStringList lstArguments;
    if (bAuto)
        lstArguments << QStringLiteral("-a");
    lstArguments << QStringLiteral("-u");
    if (iKind == 0)
        lstArguments << QStringLiteral("tovuupdate/update_tool.xml");
    else if (lCameraModel == 0)
        lstArguments << QStringLiteral("tovuupdate/update_firm.xml");
    else if (lCameraModel == 1)
        lstArguments << QStringLiteral("tovuupdate/update_firm_s.xml");
    return lstArguments;
}

void ClMainWidget::startUpdate(qint32 iKind, bool bAuto)
{
    const QStringList lstArguments = updateArguments(iKind, bAuto, lModel);
    qCInfo(lcTovuApp) << "update check" << lstArguments;
    pclDownload->setUpdateKind(iKind);
    pclDownload->start(lstArguments);
}

void ClMainWidget::slotUpdate(int iKind)
{
    startUpdate(iKind, false);
}

void ClMainWidget::slotEndUpdate()
{
    if (!bFirmwareCheckPending)
        return;
    bFirmwareCheckPending = false;
    startUpdate(1, true);
}

void ClMainWidget::slotUpdateError(QString strError)
{
    pclDownload->stop();
    ClMessageBox clBox(this, strError, ClMessageBox::applicationTitle(), QMessageBox::Ok);
    clBox.exec();
}

void ClMainWidget::mousePressEvent(QMouseEvent* pclEvent)
{
    if (pclEvent->button() == Qt::LeftButton)
        ptPress = pclEvent->position().toPoint();
    ClPageHost::mousePressEvent(pclEvent);
}

void ClMainWidget::mouseMoveEvent(QMouseEvent* pclEvent)
{
    if (!ptPress.isNull())
        setGeometry(geometry().translated(pclEvent->position().toPoint() - ptPress));
    ClPageHost::mouseMoveEvent(pclEvent);
}

void ClMainWidget::mouseReleaseEvent(QMouseEvent* pclEvent)
{
    if (pclEvent->button() == Qt::LeftButton)
        ptPress = QPoint(0, 0);
    ClPageHost::mouseReleaseEvent(pclEvent);
}

void ClMainWidget::paintEvent(QPaintEvent*)
{
    QPainter clPainter(this);
    const QPixmap clBackground(QStringLiteral(":/img/window"));
    if (clBackground.isNull())
        clPainter.fillRect(rect(), QColor(206, 213, 223));
    else
        clPainter.drawPixmap(rect(), clBackground);
}
