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

ClWidgetLiveSetting::ClWidgetLiveSetting(QWidget* parent) : ClWidgetBase(parent)
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
    const QList<QUuid> lstChain
        = {requestKind<ClTovuCommandGetLiveImagesize>(), requestKind<ClTovuCommandGetLiveFramerate>(),
           requestKind<ClTovuCommandGetLiveBitrate>()};
    // A null kind starts the chain; indexOf gives -1 + 1 = 0 only for it.
    for (int lIndex = int(lstChain.indexOf(uuidAnswered)) + 1; lIndex < lstChain.size(); ++lIndex) {
        if (lstSupported.contains(lstChain.at(lIndex))) {
            sendCommand(lstChain.at(lIndex), PV_CMD(), false, 0);
            return;
        }
    }
}

bool ClWidgetLiveSetting::isOwnCommand(const QUuid& uuidKind) const
{
    return uuidKind == requestKind<ClTovuCommandGetLiveImagesize>()
        || uuidKind == requestKind<ClTovuCommandGetLiveFramerate>()
        || uuidKind == requestKind<ClTovuCommandGetLiveBitrate>()
        || uuidKind == requestKind<ClTovuCommandSetLiveImagesize>()
        || uuidKind == requestKind<ClTovuCommandSetLiveFramerate>()
        || uuidKind == requestKind<ClTovuCommandSetLiveBitrae>();
}

void ClWidgetLiveSetting::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetLiveImagesize>()) {
        pclResolution->setCurrentIndex(indexOfSize(clValue.toSize()));
        clCurrentSize = sizeOfIndex(pclResolution->currentIndex());
        askAfter(requestKind<ClTovuCommandGetLiveImagesize>());
    } else if (uuidCmd == replyKind<ClTovuCommandGetLiveFramerate>()) {
        pclRates->showFrameRate(clValue.toLongLong());
        lCurrentFps = pclRates->frameRate();
        askAfter(requestKind<ClTovuCommandGetLiveFramerate>());
    } else if (uuidCmd == replyKind<ClTovuCommandGetLiveBitrate>()) {
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
            if (uuidExecuted == requestKind<ClTovuCommandSetLiveImagesize>())
                clCurrentSize = clPendingSize;
            else if (uuidExecuted == requestKind<ClTovuCommandSetLiveFramerate>())
                lCurrentFps = lPendingFps;
            else if (uuidExecuted == requestKind<ClTovuCommandSetLiveBitrae>())
                lCurrentBitRate = lPendingBitRate;
            return;
        }
        stopPolling();
        showCommandError(usCode);
    }
}

void ClWidgetLiveSetting::slotApply()
{
    if (!pclResolution->isHidden()) {
        const QSize clSize = sizeOfIndex(pclResolution->currentIndex());
        if (clSize != clCurrentSize) {
            clPendingSize = clSize;
            PV_CMD clArgs;
            clArgs.insert(ClEnvelope::keyParam(2), clSize);
            sendCommand(requestKind<ClTovuCommandSetLiveImagesize>(), clArgs, true, 0);
        }
    }
    if (pclRates->isFrameRateShown() && pclRates->frameRate() != lCurrentFps) {
        lPendingFps = pclRates->frameRate();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), lPendingFps);
        sendCommand(requestKind<ClTovuCommandSetLiveFramerate>(), clArgs, true, 0);
    }
    if (pclRates->isBitRateShown() && pclRates->bitRate() != lCurrentBitRate) {
        lPendingBitRate = pclRates->bitRate();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), lPendingBitRate);
        sendCommand(requestKind<ClTovuCommandSetLiveBitrae>(), clArgs, true, 0);
    }
}
