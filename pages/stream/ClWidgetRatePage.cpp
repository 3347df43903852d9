#include "ClWidgetRatePage.h"

#include "ClRateRows.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/SupportedCommands.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

ClWidgetRatePage::ClWidgetRatePage(const QString& strName, const QString& strResolutionLabel,
                                   const std::array<QUuid, 3>& aGets_, const std::array<QUuid, 3>& aReplies_,
                                   const std::array<QUuid, 3>& aSets, QWidget* parent)
    : ClWidgetBase(parent), aGets(aGets_), aReplies(aReplies_), clCommands(aGets_, aSets)
{
    auto* pclResolutionLabel = new QLabel(strResolutionLabel, this);
    pclResolution = new QComboBox(this);
    pclResolution->setObjectName(QStringLiteral("combo%1Resolution").arg(strName));
    auto* pclResolutionRow = new QHBoxLayout;
    pclResolutionRow->addWidget(pclResolutionLabel);
    pclResolutionRow->addWidget(pclResolution, 1);

    pclRates = new ClRateRows(strName, this);
    // Nothing is known until a camera says what it answers.
    pclRates->setFrameRateShown(false);
    pclRates->setBitRateShown(false);

    pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(14, 6, 14, 4);
    pclLayout->setSpacing(6);
    pclLayout->addLayout(pclResolutionRow);
    pclLayout->addWidget(pclRates);
}

void ClWidgetRatePage::showSupported(qint32 lModel, const QString& strVersion)
{
    if (lModel < 0) {
        // The camera is gone: none of its values stays for the next one to inherit.
        pclResolution->setCurrentIndex(0);
        pclRates->showDefaults();
        clCommands.forget();
    }
    lstSupported = supportedCommands(lModel, strVersion);
    pclResolution->setVisible(isSupported(ClRateCommands::Size));
    pclRates->setFrameRateShown(isSupported(ClRateCommands::FrameRate));
    pclRates->setBitRateShown(isSupported(ClRateCommands::BitRate));
}

bool ClWidgetRatePage::isSupported(ClRateCommands::Value eValue) const
{
    return lstSupported.contains(aGets[eValue]);
}

void ClWidgetRatePage::requestData(bool bIsPolling)
{
    if (bIsPolling)
        return;
    askAfter(QUuid());
}

void ClWidgetRatePage::askAfter(const QUuid& uuidAnswered)
{
    const QUuid uuidNext = clCommands.nextGet(uuidAnswered, lstSupported);
    if (!uuidNext.isNull())
        sendCommand(uuidNext, PV_CMD(), false, 0);
}

void ClWidgetRatePage::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    // A value the page cannot show as it is shows as the nearest it can; Apply then writes
    // what is shown, so the camera is put right as soon as the user applies.
    if (uuidCmd == aReplies[ClRateCommands::Size]) {
        pclResolution->setCurrentIndex(qBound(0, indexShowing(clValue.toSize()), pclResolution->count() - 1));
        clCommands.setCurrent(ClRateCommands::Size, clValue.toSize());
        askAfter(aGets[ClRateCommands::Size]);
    } else if (uuidCmd == aReplies[ClRateCommands::FrameRate]) {
        pclRates->showFrameRate(clValue.toLongLong());
        clCommands.setCurrent(ClRateCommands::FrameRate, clValue.toLongLong());
        askAfter(aGets[ClRateCommands::FrameRate]);
    } else if (uuidCmd == aReplies[ClRateCommands::BitRate]) {
        pclRates->showBitRate(clValue.toLongLong());
        clCommands.setCurrent(ClRateCommands::BitRate, clValue.toLongLong());
    } else if (ClEnvelope::isOutcome(clCommand)) {
        receiveOutcome(clCommand);
    }
}

void ClWidgetRatePage::receiveOutcome(const PV_CMD& clCommand)
{
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    if (!clCommands.isOwn(uuidExecuted))
        return;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (ClEnvelope::isErrorNotice(clCommand)) {
        if (!ClEnvelope::isCameraGone(clCommand))
            showCommandError(usCode);
        return;
    }
    if (usCode == ClResultCode::usSuccess) {
        clCommands.confirm(uuidExecuted);
        return;
    }
    if (clCommands.isSet(uuidExecuted) && explainFailedSet(usCode))
        return;
    stopPolling();
    showCommandError(usCode);
}

void ClWidgetRatePage::slotApply()
{
    // A number still in an edit is what the user means, Apply pressed or not Return.
    pclRates->commitTyped();
    if (!pclResolution->isHidden())
        clCommands.applyIfChanged(*this, ClRateCommands::Size, sizeShownAt(pclResolution->currentIndex()));
    if (pclRates->isFrameRateShown())
        clCommands.applyIfChanged(*this, ClRateCommands::FrameRate, pclRates->frameRate());
    if (pclRates->isBitRateShown() && mayApplyBitRate())
        clCommands.applyIfChanged(*this, ClRateCommands::BitRate, pclRates->bitRate());
}
