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

ClWidgetRecSetting::ClWidgetRecSetting(QWidget* parent) : ClWidgetBase(parent)
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
    const QList<QUuid> lstChain
        = {requestKind<ClTovuCommandGetRecImagesize>(), requestKind<ClTovuCommandGetRecFramerate>(),
           requestKind<ClTovuCommandGetRecBitrate>()};
    // A null kind starts the chain; indexOf gives -1 + 1 = 0 only for it.
    const int lStart = int(lstChain.indexOf(uuidAnswered)) + 1;
    for (int lIndex = lStart; lIndex < lstChain.size(); ++lIndex) {
        if (lstSupported.contains(lstChain.at(lIndex))) {
            sendCommand(lstChain.at(lIndex), PV_CMD(), false, 0);
            return;
        }
    }
}

bool ClWidgetRecSetting::isOwnCommand(const QUuid& uuidKind) const
{
    return uuidKind == requestKind<ClTovuCommandGetRecImagesize>()
        || uuidKind == requestKind<ClTovuCommandGetRecFramerate>()
        || uuidKind == requestKind<ClTovuCommandGetRecBitrate>()
        || uuidKind == requestKind<ClTovuCommandSetRecImagesize>()
        || uuidKind == requestKind<ClTovuCommandSetRecFramerate>()
        || uuidKind == requestKind<ClTovuCommandSetRecBitRate>();
}

void ClWidgetRecSetting::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetRecImagesize>()) {
        pclResolution->setCurrentIndex(qMin(indexOfSize(clValue.toSize()), pclResolution->count() - 1));
        // What is shown is what counts as the camera's: an odd size is not written back
        // unless the user picks one.
        clCurrentSize = sizeOfIndex(pclResolution->currentIndex());
        askAfter(requestKind<ClTovuCommandGetRecImagesize>());
    } else if (uuidCmd == replyKind<ClTovuCommandGetRecFramerate>()) {
        pclRates->showFrameRate(clValue.toLongLong());
        lCurrentFps = pclRates->frameRate();
        askAfter(requestKind<ClTovuCommandGetRecFramerate>());
    } else if (uuidCmd == replyKind<ClTovuCommandGetRecBitrate>()) {
        pclRates->showBitRate(clValue.toLongLong());
        lCurrentBitRate = pclRates->bitRate();
    } else if (ClEnvelope::isOutcome(clCommand)) {
        const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
        if (!isOwnCommand(uuidExecuted))
            return;
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        if (ClEnvelope::isErrorNotice(clCommand)) {
            if (usCode != ClResultCode::usNoCamera)
                showCommandError(usCode);
            return;
        }
        if (usCode == ClResultCode::usSuccess) {
            if (uuidExecuted == requestKind<ClTovuCommandSetRecImagesize>())
                clCurrentSize = clPendingSize;
            else if (uuidExecuted == requestKind<ClTovuCommandSetRecFramerate>())
                lCurrentFps = lPendingFps;
            else if (uuidExecuted == requestKind<ClTovuCommandSetRecBitRate>())
                lCurrentBitRate = lPendingBitRate;
            return;
        }
        const bool bSet = uuidExecuted == requestKind<ClTovuCommandSetRecImagesize>()
            || uuidExecuted == requestKind<ClTovuCommandSetRecFramerate>()
            || uuidExecuted == requestKind<ClTovuCommandSetRecBitRate>();
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
    if (!pclResolution->isHidden()) {
        const QSize clSize = sizeOfIndex(pclResolution->currentIndex());
        if (clSize != clCurrentSize) {
            clPendingSize = clSize;
            PV_CMD clArgs;
            clArgs.insert(ClEnvelope::keyParam(2), clSize);
            sendCommand(requestKind<ClTovuCommandSetRecImagesize>(), clArgs, true, 0);
        }
    }
    if (pclRates->isFrameRateShown()) {
        const int lFps = pclRates->frameRate();
        if (lFps != lCurrentFps) {
            lPendingFps = lFps;
            PV_CMD clArgs;
            clArgs.insert(ClEnvelope::keyParam(2), lFps);
            sendCommand(requestKind<ClTovuCommandSetRecFramerate>(), clArgs, true, 0);
        }
    }
    if (pclRates->isBitRateShown()) {
        if (ClStreamRates::isForbidden(pclResolution->currentIndex(), pclRates->frameRateEditNumber(),
                                       pclRates->bitRateEditNumber())) {
            ClMessageBox clBox(this, streamTr("This bit rate can not be set"), ClMessageBox::applicationTitle(),
                               QMessageBox::Ok);
            clBox.exec();
            return;
        }
        const int lBitRate = pclRates->bitRate();
        if (lBitRate != lCurrentBitRate) {
            lPendingBitRate = lBitRate;
            PV_CMD clArgs;
            clArgs.insert(ClEnvelope::keyParam(2), lBitRate);
            sendCommand(requestKind<ClTovuCommandSetRecBitRate>(), clArgs, true, 0);
        }
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
