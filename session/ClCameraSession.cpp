#include "ClCameraSession.h"

#include "ClPageMode.h"
#include "SessionLog.h"
#include "protocol/ClCameraModel.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClResultText.h"
#include "protocol/ClSecureMode.h"
#include "protocol/TypedKinds.h"
#include "update/ClTovuDownload.h"

#include <QCoreApplication>

namespace {
constexpr int lSecurePollingMs = 5000;
}  // namespace

ClCameraSession::ClCameraSession(ClTovuDownload* pclDownload_, QObject* pclParent)
    : QObject(pclParent),
      pclDownload(pclDownload_),
      lMode(ClPageMode::CameraState),
      lShown(ClPageMode::NotConnected),
      lModel(ClCameraModel::None),
      lSecureMode(ClSecureMode::Unknown)
{
    PvCmd::registerMetaTypes();
    clPollingTimer.setInterval(lSecurePollingMs);
    connect(&clPollingTimer, &QTimer::timeout, this, &ClCameraSession::slotPollSecureMode);
}

ClCameraSession::~ClCameraSession()
{
    // Nothing may start another run on the way out.
    bFirmwareCheckPending = false;
}

void ClCameraSession::slotSendCommand(PV_CMD clCommand)
{
    if (pDevice == nullptr)
        return;
    clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pDevice));
    Q_EMIT sigSendCommand(clCommand);
}

void ClCameraSession::sendOwnCommand(const QUuid& uuidKind, bool bStampSender)
{
    PV_CMD clCommand;
    clCommand.insert(ClEnvelope::keyCmd(), uuidKind);
    if (bStampSender)
        clCommand.insert(ClEnvelope::keySender(), QVariant::fromValue<QObject*>(this));
    slotSendCommand(clCommand);
}

void ClCameraSession::slotPollSecureMode()
{
    sendOwnCommand(requestKind<ClTovuCommandGetSecureCurr>(), false);
}

bool ClCameraSession::isForConnectedCamera(const PV_CMD& clCommand) const
{
    return pDevice != nullptr && ClEnvelope::device(clCommand) == pDevice;
}

void ClCameraSession::forward(const PV_CMD& clCommand)
{
    if (isForConnectedCamera(clCommand))
        Q_EMIT sigPageCommand(clCommand);
}

void ClCameraSession::slotReceiveCommand(PV_CMD clCommand)
{
    const QUuid uuidKind = ClEnvelope::kind(clCommand);
    if (uuidKind == ClCommandKinds::cameraConnected()) {
        onConnected(clCommand);
        return;
    }
    if (uuidKind == ClCommandKinds::cameraRemoved()) {
        onRemoved(clCommand);
        return;
    }
    // Everything else concerns one camera; what comes from another one (or from the
    // one just pulled out) must not change the session's state.
    if (!isForConnectedCamera(clCommand))
        return;
    if (uuidKind == replyKind<ClTovuCommandGetSecureCurr>())
        onSecureMode(clCommand);
    else if (uuidKind == replyKind<ClTovuCommandGetFwVersion>())
        onFirmwareVersion(clCommand);
    else if (ClEnvelope::isOutcome(clCommand))
        onCompletion(clCommand);
    else
        forward(clCommand);
}

void ClCameraSession::onConnected(const PV_CMD& clCommand)
{
    if (pDevice != nullptr)
        return;
    lModel = clCommand.value(ClEnvelope::keyParam(2)).toInt();
    if (lModel >= 0) {
        pDevice = ClEnvelope::device(clCommand);
        bVersionFailureShown = false;
        qCInfo(lcTovuSession) << "camera connected, model" << lModel;
        sendOwnCommand(requestKind<ClTovuCommandGetFwVersion>(), false);
        if (lModel == ClCameraModel::TovuS) {
            sendOwnCommand(requestKind<ClTovuCommandGetSecureCurr>(), false);
            clPollingTimer.start();
        }
        return;
    }
    lModel = ClCameraModel::None;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    qCInfo(lcTovuSession) << "camera not identified, result" << Qt::hex << usCode;
    // A camera pulled out while it was being asked its name has already been announced
    // gone: there is nothing left to explain.
    if (usCode == ClResultCode::usNoCamera)
        return;
    if (usCode != ClResultCode::usSuccess) {
        Q_EMIT sigMessage(ClResultText::text(usCode));
        return;
    }
    Q_EMIT sigMessage(QCoreApplication::translate("QObject",
                                                  "In this version of the tool maintenance is not supported.\n"
                                                  "Make up a version of the tool than help."));
}

void ClCameraSession::onRemoved(const PV_CMD& clCommand)
{
    if (pDevice == nullptr || ClEnvelope::device(clCommand) != pDevice)
        return;
    qCInfo(lcTovuSession) << "camera removed";
    clPollingTimer.stop();
    lSecureMode = ClSecureMode::Unknown;
    pDevice = nullptr;
    bVersionKnown = false;
    clFailedCommand.clear();
    Q_EMIT sigSelectMode(ClPageMode::NotConnected);
    Q_EMIT sigButtonsState(ClButtonsState::NoCamera);
    lModel = ClCameraModel::None;
    Q_EMIT sigCameraInfo(ClCameraModel::None, QString());
    if (pclDownload)
        pclDownload->clearCameraVersion();
    bFirmwareCheckPending = false;
}

void ClCameraSession::deliverHeldFailure()
{
    if (clFailedCommand.isEmpty())
        return;
    const PV_CMD clHeld = clFailedCommand;
    clFailedCommand.clear();
    Q_EMIT sigPageCommand(clHeld);
}

void ClCameraSession::showSecureMode()
{
    if (lSecureMode == ClSecureMode::Maintenance) {
        Q_EMIT sigButtonsState(ClButtonsState::Unlocked);
        return;
    }
    // Mode or Help stays; any other page gives way to Mode.
    if (lShown != ClPageMode::Secure && lShown != ClPageMode::Help)
        Q_EMIT sigSelectMode(ClPageMode::Secure);
    Q_EMIT sigButtonsState(ClButtonsState::SecurityMode);
}

void ClCameraSession::onSecureMode(const PV_CMD& clCommand)
{
    const qint32 lNewMode = clCommand.value(ClEnvelope::keyParam(2)).toInt();
    const bool bAnswersHeldFailure = ClEnvelope::sender(clCommand) == this;
    if (lNewMode != lSecureMode) {
        if (lNewMode == ClSecureMode::Maintenance && bAnswersHeldFailure)
            deliverHeldFailure();
        lSecureMode = lNewMode;
        // Without its version no page knows the camera: the bar stays locked and no page
        // is chosen (the version is asked first, so a mode that matters comes after it).
        if (bVersionKnown)
            showSecureMode();
        Q_EMIT sigSecureMode(lNewMode);
    } else if (bAnswersHeldFailure && lNewMode == ClSecureMode::Maintenance) {
        // Still in maintenance mode: the mode does not explain the failure, so the page
        // that sent the command must hear of it.
        deliverHeldFailure();
    }
    if (bAnswersHeldFailure)
        clFailedCommand.clear();
    forward(clCommand);
}

void ClCameraSession::onFirmwareVersion(const PV_CMD& clCommand)
{
    const QString strVersion = clCommand.value(ClEnvelope::keyParam(2)).toString();
    bVersionKnown = true;
    if (lModel != ClCameraModel::TovuS && ClPageMode::isTovuSOnly(lMode))
        lMode = ClPageMode::CameraState;
    // The pages learn the camera before the selected one is attached and asks for data.
    Q_EMIT sigCameraInfo(lModel, strVersion);
    Q_EMIT sigSelectMode(lMode);
    Q_EMIT sigButtonsState(ClButtonsState::Unlocked);
    if (pclDownload) {
        pclDownload->setCameraVersion(strVersion);
        // The settings file is the one record of the user's choice; the help page writes it.
        if (pclDownload->isAutoUpdate()) {
            if (pclDownload->isBusy())
                bFirmwareCheckPending = true;
            else
                startUpdate(1, true);
        }
    }
    forward(clCommand);
}

void ClCameraSession::onCompletion(const PV_CMD& clCommand)
{
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    // A failed switch of the mode is the Mode page's own news: the mode it asked to leave
    // explains nothing, and held back it would be dropped while the camera stays in
    // security mode, leaving the user without a word.
    const bool bModeSwitch = uuidExecuted == requestKind<ClTovuCommandExecSecureCurr>();
    const bool bModeMayExplain = usCode == ClResultCode::usNotSupported || usCode == ClResultCode::usRefused;
    if (usCode != ClResultCode::usSuccess && uuidExecuted == requestKind<ClTovuCommandGetFwVersion>() && !bVersionKnown) {
        // Without its version the camera stays locked, whatever its mode: no page knows
        // the camera yet. Say why, once; 0xEF00 means the camera is gone, and its removal
        // notice follows.
        if (usCode != ClResultCode::usNoCamera && !bVersionFailureShown) {
            bVersionFailureShown = true;
            Q_EMIT sigMessage(ClResultText::text(usCode));
        }
        forward(clCommand);
        return;
    }
    const bool bHoldBack
        = ClEnvelope::isCompletion(clCommand) && bModeMayExplain && !bModeSwitch && lModel == ClCameraModel::TovuS;
    if (uuidExecuted == requestKind<ClTovuCommandGetSecureCurr>()) {
        // Never held back (that would ask again forever); if the question asked for a
        // held failure cannot be answered, the failure itself is the best news there is.
        if (usCode != ClResultCode::usSuccess)
            deliverHeldFailure();
        forward(clCommand);
        return;
    }
    if (bHoldBack) {
        // The camera may have left maintenance mode; the answer to this question decides.
        clFailedCommand = clCommand;
        sendOwnCommand(requestKind<ClTovuCommandGetSecureCurr>(), true);
        return;
    }
    forward(clCommand);
}

QStringList ClCameraSession::updateArguments(qint32 iKind, bool bAuto, qint32 lCameraModel)
{
    QStringList lstArguments;
    if (bAuto)
        lstArguments << QStringLiteral("-a");
    lstArguments << QStringLiteral("-u");
    if (iKind == 0)
        lstArguments << QStringLiteral("tovuupdate/update_tool.xml");
    else if (lCameraModel == ClCameraModel::Tovu)
        lstArguments << QStringLiteral("tovuupdate/update_firm.xml");
    else if (lCameraModel == ClCameraModel::TovuS)
        lstArguments << QStringLiteral("tovuupdate/update_firm_s.xml");
    return lstArguments;
}

void ClCameraSession::startUpdate(qint32 iKind, bool bAuto)
{
    if (!pclDownload)
        return;
    const QStringList lstArguments = updateArguments(iKind, bAuto, lModel);
    qCInfo(lcTovuSession) << "update check" << lstArguments;
    pclDownload->setUpdateKind(iKind);
    pclDownload->start(lstArguments);
}

void ClCameraSession::slotEndUpdate()
{
    if (!bFirmwareCheckPending)
        return;
    bFirmwareCheckPending = false;
    startUpdate(1, true);
}
