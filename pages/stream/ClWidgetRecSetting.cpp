#include "ClWidgetRecSetting.h"

#include "ClRateRows.h"
#include "ClSliderBitrate.h"
#include "ClStreamRates.h"
#include "StreamText.h"
#include "app/framework/ClMessageBox.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
const char* const pszStandard = QT_TRANSLATE_NOOP("ClWidgetStreamSetting", "Standard(320x240)");
}  // namespace

ClWidgetRecSetting::ClWidgetRecSetting(QWidget* parent)
    : ClWidgetBase(parent),
      clCommands({requestKind<ClTovuCommandGetRecImagesize>(), requestKind<ClTovuCommandGetRecFramerate>(),
                  requestKind<ClTovuCommandGetRecBitrate>()},
                 {requestKind<ClTovuCommandSetRecImagesize>(), requestKind<ClTovuCommandSetRecFramerate>(),
                  requestKind<ClTovuCommandSetRecBitRate>()})
{
    setObjectName(QStringLiteral("pageStreamRec"));
    strApplied = streamTr("%1 is applied").arg(oneLine(streamTr("Recording \nsetting")));

    auto* pclResolutionLabel = new QLabel(streamTr("%1 \nResolution").arg(streamTr("Rec")), this);
    pclResolution = new QComboBox(this);
    pclResolution->setObjectName(QStringLiteral("comboRecResolution"));
    pclResolution->addItems({streamTr("Full HD(1920x1080)"), streamTr("HD(1280x720)"), streamTr("Economy(640x480)")});
    auto* pclResolutionRow = new QHBoxLayout;
    pclResolutionRow->addWidget(pclResolutionLabel);
    pclResolutionRow->addWidget(pclResolution, 1);

    pclRates = new ClRateRows(QStringLiteral("Rec"), this);

    pclSdRow = new QWidget(this);
    auto* pclSdLabel = new QLabel(streamTr("SD card Size"), pclSdRow);
    pclSdSize = new QComboBox(pclSdRow);
    pclSdSize->setObjectName(QStringLiteral("comboSdSize"));
    pclSdSize->addItems({QStringLiteral("2G"), QStringLiteral("4G"), QStringLiteral("8G"), QStringLiteral("16G"),
                         QStringLiteral("32G")});
    pclEstimate = new QLabel(pclSdRow);
    pclEstimate->setObjectName(QStringLiteral("labelRecEstimate"));
    auto* pclNote = new QLabel(streamTr("*Recording time varies depending on your environment"), pclSdRow);
    pclNote->setObjectName(QStringLiteral("labelRecNote"));
    pclNote->setWordWrap(true);
    QFont clSmall = pclNote->font();
    clSmall.setPixelSize(11);
    pclNote->setFont(clSmall);
    auto* pclSdGrid = new QGridLayout(pclSdRow);
    pclSdGrid->setContentsMargins(0, 0, 0, 0);
    pclSdGrid->setVerticalSpacing(2);
    pclSdGrid->addWidget(pclSdLabel, 0, 0);
    pclSdGrid->addWidget(pclSdSize, 0, 1);
    pclSdGrid->addWidget(pclEstimate, 0, 2);
    pclSdGrid->addWidget(pclNote, 1, 0, 1, 3);
    pclSdGrid->setColumnStretch(2, 1);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(14, 6, 14, 4);
    pclLayout->setSpacing(6);
    pclLayout->addLayout(pclResolutionRow);
    pclLayout->addWidget(pclRates);
    pclLayout->addWidget(pclSdRow);
    pclLayout->addStretch();

    connect(pclRates, &ClRateRows::sigFrameRateChanged, this, &ClWidgetRecSetting::slotChangeRange);
    connect(pclRates, &ClRateRows::sigBitRateChanged, this, &ClWidgetRecSetting::slotChangeBitRate);
    connect(pclSdSize, qOverload<int>(&QComboBox::currentIndexChanged), this, &ClWidgetRecSetting::slotChangeSDSize);
    connect(pclResolution, qOverload<int>(&QComboBox::currentIndexChanged), this, &ClWidgetRecSetting::slotChangeRange);
    connect(pclRates, &ClRateRows::sigFrameRateChanged, this, &ClWidgetRecSetting::slotChangeFrameRate);

    // Nothing known until a camera says what it answers.
    pclRates->setFrameRateShown(false);
    pclRates->setBitRateShown(false);
    pclSdRow->setVisible(false);
    slotChangeSDSize(0);
    slotChangeRange();
}

QSize ClWidgetRecSetting::sizeOfIndex(int lIndex)
{
    switch (lIndex) {
    case 1:
        return QSize(1280, 720);
    case 2:
        return QSize(640, 480);
    case 3:
        return QSize(320, 240);
    default:
        return QSize(1920, 1080);
    }
}

int ClWidgetRecSetting::indexOfSize(const QSize& clSize)
{
    if (clSize == QSize(1280, 720))
        return 1;
    if (clSize == QSize(640, 480))
        return 2;
    if (clSize == QSize(320, 240))
        return 3;
    return 0;
}

int ClWidgetRecSetting::maximumBitRate() const
{
    return pclRates->maximumBitRate();
}

void ClWidgetRecSetting::setCameraInfo(qint32 lModel, QString strVersion)
{
    lstSupported = supportedCommands(lModel, strVersion);
    const int lStandard = pclResolution->findText(streamTr(pszStandard));
    if (lModel == 0) {
        if (lStandard >= 0)
            pclResolution->removeItem(lStandard);
        pclRates->setAcceptedFrameRates({1, 6, 10, 15, 30}, false);
    } else if (lModel == 1) {
        if (lStandard < 0)
            pclResolution->addItem(streamTr(pszStandard));
        pclRates->setAcceptedFrameRates({1, 5, 10, 15, 30}, true);
    }
    pclResolution->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetRecImagesize>()));
    pclRates->setFrameRateShown(lstSupported.contains(requestKind<ClTovuCommandGetRecFramerate>()));
    const bool bBitRate = lstSupported.contains(requestKind<ClTovuCommandGetRecBitrate>());
    pclRates->setBitRateShown(bBitRate);
    // The estimate is of the camera's bit rate; without one it would be of nothing.
    pclSdRow->setVisible(bBitRate);
}

void ClWidgetRecSetting::requestData(bool bIsPolling)
{
    if (bIsPolling)
        return;
    askAfter(QUuid());
}

void ClWidgetRecSetting::askAfter(const QUuid& uuidAnswered)
{
    const QUuid uuidNext = clCommands.nextGet(uuidAnswered, lstSupported);
    if (!uuidNext.isNull())
        sendCommand(uuidNext, PV_CMD(), false, 0);
}

void ClWidgetRecSetting::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetRecImagesize>()) {
        pclResolution->setCurrentIndex(qMin(indexOfSize(clValue.toSize()), pclResolution->count() - 1));
        // What is shown is what counts as the camera's: an odd size is not written back
        // unless the user picks one.
        clCommands.setCurrent(ClRateCommands::Size, sizeOfIndex(pclResolution->currentIndex()));
        askAfter(requestKind<ClTovuCommandGetRecImagesize>());
    } else if (uuidCmd == replyKind<ClTovuCommandGetRecFramerate>()) {
        pclRates->showFrameRate(clValue.toLongLong());
        clCommands.setCurrent(ClRateCommands::FrameRate, pclRates->frameRate());
        askAfter(requestKind<ClTovuCommandGetRecFramerate>());
    } else if (uuidCmd == replyKind<ClTovuCommandGetRecBitrate>()) {
        pclRates->showBitRate(clValue.toLongLong());
        clCommands.setCurrent(ClRateCommands::BitRate, pclRates->bitRate());
    } else if (ClEnvelope::isOutcome(clCommand)) {
        const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
        if (!clCommands.isOwn(uuidExecuted))
            return;
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        if (ClEnvelope::isErrorNotice(clCommand)) {
            if (usCode != ClResultCode::usNoCamera)
                showCommandError(usCode);
            return;
        }
        if (usCode == ClResultCode::usSuccess) {
            clCommands.confirm(uuidExecuted);
            return;
        }
        const bool bSet = clCommands.isSet(uuidExecuted);
        // A recording camera refuses all three changes alike; each says why, not "timeout".
        if (bSet && usCode == ClResultCode::usRefused) {
            if (!bRecordingBoxShown) {
                bRecordingBoxShown = true;
                ClMessageBox clBox(this, streamTr("Set failed for recording"), ClMessageBox::applicationTitle(),
                                   QMessageBox::Ok);
                clBox.exec();
            }
            return;
        }
        stopPolling();
        showCommandError(usCode);
    }
}

void ClWidgetRecSetting::slotApply()
{
    bRecordingBoxShown = false;
    if (!pclResolution->isHidden())
        clCommands.applyIfChanged(*this, ClRateCommands::Size, sizeOfIndex(pclResolution->currentIndex()));
    if (pclRates->isFrameRateShown())
        clCommands.applyIfChanged(*this, ClRateCommands::FrameRate, pclRates->frameRate());
    if (pclRates->isBitRateShown()) {
        if (ClStreamRates::isForbidden(pclResolution->currentIndex(), pclRates->frameRateEditNumber(),
                                       pclRates->bitRateEditNumber())) {
            ClMessageBox clBox(this, streamTr("This bit rate can not be set"), ClMessageBox::applicationTitle(),
                               QMessageBox::Ok);
            clBox.exec();
            return;
        }
        clCommands.applyIfChanged(*this, ClRateCommands::BitRate, pclRates->bitRate());
    }
}

void ClWidgetRecSetting::slotChangeBitRate(int)
{
    updateEstimate();
    updateEditColour();
}

void ClWidgetRecSetting::slotChangeFrameRate()
{
    updateEditColour();
}

void ClWidgetRecSetting::slotChangeSDSize(int lIndex)
{
    llSdCapacity = ClStreamRates::sdCapacityOf(lIndex);
    updateEstimate();
}

void ClWidgetRecSetting::slotChangeRange()
{
    pclRates->setMaximumBitRate(ClStreamRates::maximumBitRate(pclResolution->currentIndex(), pclRates->frameRate()));
    updateEditColour();
}

void ClWidgetRecSetting::updateEstimate()
{
    pclEstimate->setText(ClStreamRates::estimateText(ClStreamRates::estimate(llSdCapacity, pclRates->bitRate())));
}

void ClWidgetRecSetting::updateEditColour()
{
    pclRates->setBitRateEditForbidden(ClStreamRates::isForbidden(
        pclResolution->currentIndex(), pclRates->frameRateEditNumber(), pclRates->bitRateEditNumber()));
}
