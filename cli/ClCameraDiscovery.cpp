#include "ClCameraDiscovery.h"

#include "ClCliWait.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClUnusableReason.h"
#include "protocol/TypedKinds.h"

#include <QDeadlineTimer>

#include <algorithm>

ClCameraDiscovery::ClCameraDiscovery(QObject* pclParent) : QObject(pclParent) {}

void ClCameraDiscovery::slotReceiveCommand(PV_CMD clCommand)
{
    const QUuid uuidKind = ClEnvelope::kind(clCommand);
    void* pDevice = ClEnvelope::device(clCommand);
    if (uuidKind == ClCommandKinds::cameraConnected()) {
        ++lAnnouncements;
        ClCliCamera stCamera;
        stCamera.pHandle = pDevice;
        stCamera.lModel = clCommand.value(ClEnvelope::keyParam(2)).toInt();
        stCamera.strBusPosition = clCommand.value(ClEnvelope::keyParam(4)).toString();
        lstCameras.append(stCamera);
        return;
    }
    if (uuidKind == ClCommandKinds::cameraRemoved()) {
        lstCameras.removeIf([&](const ClCliCamera& stCamera) { return stCamera.pHandle == pDevice; });
        return;
    }
    if (uuidKind == ClCommandKinds::cameraUnusable()) {
        const qint32 lReason = clCommand.value(ClEnvelope::keyParam(2)).toInt();
        const QString strNode = clCommand.value(ClEnvelope::keyParam(3)).toString();
        if (lReason == ClUnusableReason::Refused)
            lstUnusable.append(tr("%1: this user may not use the camera (is the udev rule installed?)").arg(strNode));
        else if (lReason == ClUnusableReason::Busy)
            lstUnusable.append(tr("%1: another program holds the camera").arg(strNode));
        return;
    }
    if (pAsked == nullptr || pDevice != pAsked)
        return;
    if (uuidKind == uuidAskedReply
        || (ClEnvelope::isOutcome(clCommand) && ClEnvelope::executedKind(clCommand) == uuidAskedRequest)) {
        clAnswer = clCommand;
        bAnswered = true;
    }
}

QString ClCameraDiscovery::askText(void* pHandle, const QUuid& uuidRequest, const QUuid& uuidReply, int lAskMs)
{
    pAsked = pHandle;
    uuidAskedRequest = uuidRequest;
    uuidAskedReply = uuidReply;
    bAnswered = false;
    clAnswer.clear();
    PV_CMD clRequest;
    clRequest.insert(ClEnvelope::keyCmd(), uuidRequest);
    clRequest.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
    clRequest.insert(ClEnvelope::keySender(), QVariant::fromValue<QObject*>(this));
    Q_EMIT sigSendCommand(clRequest);
    ClCliWait::until([this] { return bAnswered; }, lAskMs);
    pAsked = nullptr;
    if (!bAnswered || ClEnvelope::kind(clAnswer) != uuidReply)
        return QString();
    return clAnswer.value(ClEnvelope::keyParam(2)).toString();
}

QList<ClCliCamera> ClCameraDiscovery::discover(int lExpected, int lLimitMs, int lQuietMs, int lAskMs)
{
    const QDeadlineTimer clLimit(lLimitMs);
    if (lExpected > 0) {
        ClCliWait::until([&] { return lAnnouncements >= lExpected; }, lLimitMs);
    } else {
        ClCliWait::until([&] { return lAnnouncements > 0; }, lLimitMs);
        // Cameras found at one scan settle together; a quiet spell says they all spoke.
        int lSeen = -1;
        while (lSeen != lAnnouncements && !clLimit.hasExpired()) {
            lSeen = lAnnouncements;
            ClCliWait::until([&] { return lAnnouncements != lSeen; },
                             int(qMin<qint64>(lQuietMs, clLimit.remainingTime())));
        }
    }
    // Asked from a copy: a camera pulled out meanwhile leaves lstCameras under the loop.
    QList<ClCliCamera> lstAsked;
    for (ClCliCamera stCamera : QList<ClCliCamera>(lstCameras)) {
        if (stCamera.lModel >= 0) {
            stCamera.strSerial = askText(stCamera.pHandle, requestKind<ClTovuCommandGetSerialNo>(),
                                         replyKind<ClTovuCommandGetSerialNo>(), lAskMs);
            stCamera.strFirmware = askText(stCamera.pHandle, requestKind<ClTovuCommandGetFwVersion>(),
                                           replyKind<ClTovuCommandGetFwVersion>(), lAskMs);
        }
        lstAsked.append(stCamera);
    }
    lstAsked.removeIf([this](const ClCliCamera& stAsked) {
        return std::none_of(lstCameras.cbegin(), lstCameras.cend(),
                            [&](const ClCliCamera& stStill) { return stStill.pHandle == stAsked.pHandle; });
    });
    return lstAsked;
}
