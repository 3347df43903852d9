#include "ClWidgetCameraState.h"

#include "ClLabelSepalator.h"
#include "ClLabelWifiState.h"
#include "ClPushButton.h"
#include "ClWidgetProgress.h"
#include "framework/ClAccessible.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"
#include "resources/ClArtPalette.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPaintEvent>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
const QColor clFreeColour(102, 255, 51);
const QColor clUsedColour(102, 51, 204);

// The commands whose failures this page reports.
bool isOwnCommand(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetBatteryState>()
        || uuidKind == requestKind<ClTovuCommandGetWifiInfo>() || uuidKind == requestKind<ClTovuCommandGetSdInfo>()
        || uuidKind == requestKind<ClTovuCommandRestart>() || uuidKind == requestKind<ClTovuCommandFormatSd>()
        || uuidKind == requestKind<ClTovuCommandInitSetting>();
}

QFont boldFont(QFont clFont)
{
    clFont.setWeight(QFont::Bold);
    return clFont;
}

QLabel* legendSquare(const QColor& clColour, int lX, int lY, QWidget* pclParent)
{
    auto* pclSquare = new QLabel(pclParent);
    pclSquare->setGeometry(lX, lY, 12, 12);
    pclSquare->setAutoFillBackground(true);
    pclSquare->setFrameShape(QFrame::Box);
    QPalette clPalette = pclSquare->palette();
    clPalette.setColor(QPalette::Window, clColour);
    pclSquare->setPalette(clPalette);
    return pclSquare;
}
}  // namespace

ClWidgetCameraState::ClWidgetCameraState(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageCameraState"));

    // Battery.
    icon(":/camera/symbol_battery", 30, 20);
    caption(tr("Remaing \nbattery life"), 65, 27);
    pclBattery = new ClWidgetProgress(this);
    pclBattery->move(187, 25);

    // Wi-Fi.
    icon(":/camera/symbol_wifi", 30, 90);
    caption(tr("Wi-Fi state"), 65, 94);
    pclWifiState = new ClLabelWifiState(this);
    pclWifiState->move(196, 92);
    pclSignalPanel = new QWidget(this);
    pclSignalPanel->setObjectName(QStringLiteral("panelSignal"));
    pclSignalPanel->setGeometry(0, 116, 600, 50);
    pclSignalPanel->setFixedSize(600, 50);
    QPalette clValuePalette = palette();
    clValuePalette.setColor(QPalette::WindowText, ClArtPalette::good());
    const auto panelRow = [&](const QString& strCaption, int lY, const char* pszName) {
        auto* pclCaption = new QLabel(strCaption, pclSignalPanel);
        pclCaption->move(65, lY);
        pclCaption->adjustSize();
        auto* pclValue = new QLabel(pclSignalPanel);
        pclValue->setObjectName(QLatin1String(pszName));
        pclValue->setPalette(clValuePalette);
        pclValue->setFont(boldFont(pclValue->font()));
        pclValue->move(273, lY);
        return pclValue;
    };
    pclRssi = panelRow(tr("Receiver sensitivity"), 0, "labelRssi");
    pclChannel = panelRow(tr("Channel"), 20, "labelChannel");
    pclSignalPanel->hide();

    auto* pclLine = new ClLabelSepalator(this);
    pclLine->setGeometry(0, 160, 600, pclLine->height());

    // SD card.
    icon(":/camera/symbol_sd", 30, 200);
    caption(tr("SD card"), 65, 208);
    clPie.setPosition(QPointF(180, 180));
    clPie.setDepth(25);
    clPie.setClockwise(false);
    clPie.setStartAngle(90);
    clPie.setWidth(200);
    clPie.setHeight(150);
    clPie.setAlpha(80);
    // The chart is painted by the page; this stand-in over it tells a screen reader what it shows.
    pclSdGauge = new QWidget(this);
    pclSdGauge->setObjectName(QStringLiteral("gaugeSdCard"));
    pclSdGauge->setAttribute(Qt::WA_TransparentForMouseEvents);
    pclSdGauge->setGeometry(clPie.boundingRect(true).toAlignedRect());
    ClAccessible::setRole(pclSdGauge, QAccessible::Chart);
    announceSd(QStringLiteral("--"), QStringLiteral("--"));
    legendSquare(clFreeColour, 410, 214, this);
    caption(tr("Free Space"), 428, 211);
    legendSquare(clUsedColour, 410, 240, this);
    caption(tr("Tovu Use"), 428, 237);
    const QLabel* pclCategory = caption(tr("Category"), 410, 275);
    pclFileSystem = new QLabel(QStringLiteral("--"), this);
    pclFileSystem->setObjectName(QStringLiteral("labelFileSystem"));
    pclFileSystem->setFont(boldFont(pclFileSystem->font()));
    // Beside its caption, which some languages word longer than the room before x = 475.
    pclFileSystem->move(qMax(475, pclCategory->geometry().right() + 8), 275);
    pclFileSystem->adjustSize();

    // Maintenance.
    auto* pclButtons = new QWidget(this);
    pclButtons->setObjectName(QStringLiteral("panelMaintenance"));
    pclButtons->setMaximumHeight(80);
    auto* pclOuter = new QVBoxLayout(pclButtons);
    pclOuter->setContentsMargins(0, 0, 8, 0);
    auto* pclRow = new QHBoxLayout;
    pclRow->setContentsMargins(0, 0, 0, 0);
    pclOuter->addLayout(pclRow);
    pclFormat = new ClPushButton(tr("SD card format"), 230, pclButtons);
    pclFormat->setObjectName(QStringLiteral("buttonFormat"));
    pclInit = new ClPushButton(tr("Initialize settings"), 133, pclButtons);
    pclInit->setObjectName(QStringLiteral("buttonInit"));
    pclReset = new ClPushButton(tr("Reset Tovu"), 133, pclButtons);
    pclReset->setObjectName(QStringLiteral("buttonReset"));
    pclRow->addStretch(1);
    for (ClPushButton* pclButton : {pclFormat, pclInit, pclReset}) {
        pclRow->addWidget(pclButton);
        connect(pclButton, &QPushButton::clicked, this, &ClWidgetCameraState::slotClicked);
    }
    pclRow->addStretch(1);
    pclButtons->setGeometry(0, 379, 600, 50);
}

ClWidgetCameraState::~ClWidgetCameraState() = default;

QLabel* ClWidgetCameraState::caption(const QString& strText, int lX, int lY, const char* pszName)
{
    auto* pclLabel = new QLabel(strText, this);
    if (pszName)
        pclLabel->setObjectName(QLatin1String(pszName));
    pclLabel->move(lX, lY);
    pclLabel->adjustSize();
    return pclLabel;
}

QLabel* ClWidgetCameraState::icon(const char* pszPath, int lX, int lY)
{
    auto* pclLabel = new QLabel(this);
    pclLabel->setPixmap(QPixmap(QLatin1String(pszPath)));
    pclLabel->move(lX, lY);
    pclLabel->adjustSize();
    return pclLabel;
}

void ClWidgetCameraState::requestData(bool bIsPolling)
{
    if (!bIsPolling) {
        pclSignalPanel->hide();
        pclFileSystem->setText(QStringLiteral("--"));
        pclFileSystem->adjustSize();
        announceSd(QStringLiteral("--"), QStringLiteral("--"));
        startPolling();
    }
    sendCommand(requestKind<ClTovuCommandGetBatteryState>(), PV_CMD(), false, 0);
}

void ClWidgetCameraState::setCameraInfo(qint32 lModel, QString)
{
    if (lModel != -1)
        return;
    pclBattery->setLevel(-1);
    pclWifiState->setState(1);
    pclSignalPanel->hide();
    pclFileSystem->setText(QStringLiteral("--"));
    pclFileSystem->adjustSize();
    announceSd(QStringLiteral("--"), QStringLiteral("--"));
    clPie.clear();
    update();
}

void ClWidgetCameraState::announceSd(const QString& strFree, const QString& strTotal)
{
    pclSdGauge->setAccessibleName(tr("SD card: %1 GB free of %2 GB").arg(strFree, strTotal));
}

double ClWidgetCameraState::usedPercent(quint64 ullTotal, quint64 ullUsed)
{
    // A card of size 0 has no share to show; a camera that says it used more than the
    // card holds has filled it.
    if (ullTotal == 0)
        return 0;
    if (ullUsed >= ullTotal)
        return 100;
    return double(ullUsed) / double(ullTotal) * 100;
}

QString ClWidgetCameraState::fileSystemName(quint32 ulCode)
{
    switch (ulCode) {
    case 1:
        return QStringLiteral("FAT12");
    case 2:
        return QStringLiteral("FAT16");
    case 3:
        return QStringLiteral("FAT32");
    default:
        return QString();
    }
}

void ClWidgetCameraState::showBattery(const PV_CMD& clCommand)
{
    bool bOk = false;
    const quint32 ulLevel = clCommand.value(ClEnvelope::keyParam(3)).toUInt(&bOk);
    // The wire carries the level unsigned; one with the sign bit set is a negative level.
    pclBattery->setLevel(bOk ? qint64(qint32(ulLevel)) : 0);
}

void ClWidgetCameraState::showWifi(const PV_CMD& clCommand)
{
    const quint32 ulState = clCommand.value(ClEnvelope::keyParam(2)).toUInt();
    const qint32 lStrength = clCommand.value(ClEnvelope::keyParam(8)).toInt();
    const quint32 ulChannel = clCommand.value(ClEnvelope::keyParam(5)).toUInt();
    pclWifiState->setState(qint32(ulState));
    if (ulState != 1 && lStrength > 0) {
        pclRssi->setText(tr("%1dBm").arg(lStrength));
        pclChannel->setText(tr("%1ch").arg(ulChannel));
        pclRssi->adjustSize();
        pclChannel->adjustSize();
        pclSignalPanel->show();
    } else {
        pclSignalPanel->hide();
    }
}

void ClWidgetCameraState::showSd(const PV_CMD& clCommand)
{
    const quint64 ullTotal = clCommand.value(ClEnvelope::keyParam(2)).toULongLong();
    const quint64 ullUsed = clCommand.value(ClEnvelope::keyParam(3)).toULongLong();
    const quint32 ulFileSystem = clCommand.value(ClEnvelope::keyParam(4)).toUInt();
    pclFileSystem->setText(fileSystemName(ulFileSystem));
    const double dUsed = usedPercent(ullTotal, ullUsed);
    clPie.clear();
    clPie.addPiece(QStringLiteral("Space"), clFreeColour, 100 - dUsed);
    clPie.addPiece(QStringLiteral("Used"), clUsedColour, dUsed);
    update(clPie.boundingRect(true).adjusted(-3, -3, 5, 5).toAlignedRect());
    // In decimal gigabytes, as cards are labelled.
    const quint64 ullFree = ullTotal - qMin(ullUsed, ullTotal);
    announceSd(QLocale().toString(double(ullFree) / 1e9, 'f', 1), QLocale().toString(double(ullTotal) / 1e9, 'f', 1));
    pclFileSystem->adjustSize();
}

void ClWidgetCameraState::handleFailure(const QUuid& uuidExecuted, quint16 usCode)
{
    // Failures of commands another page sent before this one was shown are not this
    // page's news, and must not stop its polling.
    if (!isOwnCommand(uuidExecuted))
        return;
    stopPolling();
    showCommandError(usCode);
}

void ClWidgetCameraState::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidKind = ClEnvelope::kind(clCommand);
    if (ClEnvelope::isCompletion(clCommand)) {
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
        if (usCode != ClResultCode::usSuccess) {
            handleFailure(uuidExecuted, usCode);
        } else if (uuidExecuted == requestKind<ClTovuCommandFormatSd>()) {
            ClMessageBox clBox(this, tr("Completed %1").arg(tr("SD card format")), ClMessageBox::applicationTitle(),
                               QMessageBox::Ok);
            clBox.setMinimumWidth(230);
            clBox.exec();
        }
    } else if (ClEnvelope::isErrorNotice(clCommand)) {
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        if (usCode != ClResultCode::usNoCamera)
            handleFailure(ClEnvelope::executedKind(clCommand), usCode);
    } else if (uuidKind == replyKind<ClTovuCommandGetBatteryState>()) {
        showBattery(clCommand);
        sendCommand(requestKind<ClTovuCommandGetWifiInfo>(), PV_CMD(), false, 0);
    } else if (uuidKind == replyKind<ClTovuCommandGetWifiInfo>()) {
        showWifi(clCommand);
        sendCommand(requestKind<ClTovuCommandGetSdInfo>(), PV_CMD(), false, 0);
    } else if (uuidKind == replyKind<ClTovuCommandGetSdInfo>()) {
        showSd(clCommand);
    }
}

void ClWidgetCameraState::slotClicked()
{
    const QObject* pclButton = sender();
    QString strQuestion;
    QUuid uuidCommand;
    if (pclButton == pclFormat) {
        strQuestion = tr("All data delete on SD card");
        uuidCommand = requestKind<ClTovuCommandFormatSd>();
    } else if (pclButton == pclInit) {
        strQuestion = tr("Initialize all settings");
        uuidCommand = requestKind<ClTovuCommandInitSetting>();
    } else if (pclButton == pclReset) {
        strQuestion = tr("Reset Tovu and restart");
        uuidCommand = requestKind<ClTovuCommandRestart>();
    } else {
        return;
    }
    ClMessageBox clBox(this, strQuestion, ClMessageBox::applicationTitle(), QMessageBox::Ok | QMessageBox::Cancel);
    clBox.setMinimumWidth(230);
    if (clBox.exec() == 1)
        sendCommand(uuidCommand, PV_CMD(), false, 0);
}

void ClWidgetCameraState::paintEvent(QPaintEvent* pclEvent)
{
    ClWidgetBase::paintEvent(pclEvent);
    if (!pclEvent->rect().intersects(clPie.boundingRect(true).toAlignedRect()))
        return;
    QPainter clPainter(this);
    clPainter.setRenderHint(QPainter::Antialiasing);
    clPie.draw3D(&clPainter);
}
