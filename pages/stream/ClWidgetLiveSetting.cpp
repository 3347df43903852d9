#include "ClWidgetLiveSetting.h"

#include "ClRateRows.h"
#include "StreamText.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ClWidgetLiveSetting::ClWidgetLiveSetting(QWidget* parent)
    : ClWidgetBase(parent),
      clCommands({requestKind<ClTovuCommandGetLiveImagesize>(), requestKind<ClTovuCommandGetLiveFramerate>(),
                  requestKind<ClTovuCommandGetLiveBitrate>()},
                 {requestKind<ClTovuCommandSetLiveImagesize>(), requestKind<ClTovuCommandSetLiveFramerate>(),
                  requestKind<ClTovuCommandSetLiveBitrae>()})
{
    setObjectName(QStringLiteral("pageStreamLive"));
    strApplied = streamTr("%1 is applied").arg(oneLine(streamTr("Live \nviewing setting")));

    auto* pclResolutionLabel = new QLabel(streamTr("%1 \nResolution").arg(streamTr("LiveView")), this);
    pclResolution = new QComboBox(this);
    pclResolution->setObjectName(QStringLiteral("comboLiveResolution"));
    pclResolution->addItems({streamTr("Fine(800x480)"), streamTr("Standard(320x240)")});
    auto* pclResolutionRow = new QHBoxLayout;
    pclResolutionRow->addWidget(pclResolutionLabel);
    pclResolutionRow->addWidget(pclResolution, 1);

    pclRates = new ClRateRows(QStringLiteral("Live"), this);
    pclRates->setBitRateShown(false);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(14, 6, 14, 4);
    pclLayout->setSpacing(6);
    pclLayout->addLayout(pclResolutionRow);
    pclLayout->addWidget(pclRates);
    pclLayout->addStretch();
}

QSize ClWidgetLiveSetting::sizeOfIndex(int lIndex)
{
    return lIndex == 1 ? QSize(320, 240) : QSize(800, 480);
}

int ClWidgetLiveSetting::indexOfSize(const QSize& clSize)
{
    return clSize == QSize(320, 240) ? 1 : 0;
}

void ClWidgetLiveSetting::setCameraInfo(qint32 lModel, QString strVersion)
{
    lstSupported = supportedCommands(lModel, strVersion);
    pclRates->setAcceptedFrameRates({1, 6, 10, 15, 30}, false);
    pclResolution->setVisible(lstSupported.contains(requestKind<ClTovuCommandGetLiveImagesize>()));
    pclRates->setFrameRateShown(lstSupported.contains(requestKind<ClTovuCommandGetLiveFramerate>()));
    pclRates->setBitRateShown(lstSupported.contains(requestKind<ClTovuCommandGetLiveBitrate>()));
}

void ClWidgetLiveSetting::requestData(bool bIsPolling)
{
    if (bIsPolling)
        return;
    askAfter(QUuid());
}

void ClWidgetLiveSetting::askAfter(const QUuid& uuidAnswered)
{
    const QUuid uuidNext = clCommands.nextGet(uuidAnswered, lstSupported);
    if (!uuidNext.isNull())
        sendCommand(uuidNext, PV_CMD(), false, 0);
}

void ClWidgetLiveSetting::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetLiveImagesize>()) {
        pclResolution->setCurrentIndex(indexOfSize(clValue.toSize()));
        clCommands.setCurrent(ClRateCommands::Size, sizeOfIndex(pclResolution->currentIndex()));
        askAfter(requestKind<ClTovuCommandGetLiveImagesize>());
    } else if (uuidCmd == replyKind<ClTovuCommandGetLiveFramerate>()) {
        pclRates->showFrameRate(clValue.toLongLong());
        clCommands.setCurrent(ClRateCommands::FrameRate, pclRates->frameRate());
        askAfter(requestKind<ClTovuCommandGetLiveFramerate>());
    } else if (uuidCmd == replyKind<ClTovuCommandGetLiveBitrate>()) {
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
        stopPolling();
        showCommandError(usCode);
    }
}

void ClWidgetLiveSetting::slotApply()
{
    if (!pclResolution->isHidden())
        clCommands.applyIfChanged(*this, ClRateCommands::Size, sizeOfIndex(pclResolution->currentIndex()));
    if (pclRates->isFrameRateShown())
        clCommands.applyIfChanged(*this, ClRateCommands::FrameRate, pclRates->frameRate());
    if (pclRates->isBitRateShown())
        clCommands.applyIfChanged(*this, ClRateCommands::BitRate, pclRates->bitRate());
}
