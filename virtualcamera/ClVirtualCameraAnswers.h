#pragma once
// Builds the transfers of the camera's answers, one exchange shape each: a plain response,
// a text response, a block sent in a first data packet and raw follow-ups, the Wi-Fi
// state, the access-point list and the schedule entries.
#include "ClVirtualCameraLive.h"
#include "ClVirtualCameraReply.h"
#include "ClVirtualCameraWire.h"

#include <QMap>

class ClVirtualCameraAnswers
{
public:
    using Params = ClVirtualCameraWire::Params;

    static ClVirtualCameraReply plain(quint16 usSequence, quint16 usStatus, const Params& arrParams = Params {});
    static ClVirtualCameraReply text(quint16 usSequence, const QByteArray& clText);
    // The response names the length; the first data packet carries up to lFirstChunk bytes
    // (so that it fits one 1024-byte read) and the rest follows as plain transfers.
    static ClVirtualCameraReply block(quint16 usSequence, const QByteArray& clBlock);
    static ClVirtualCameraReply wifiInfo(quint16 usSequence, const ClVirtualCameraLive::Link& stLink);
    static ClVirtualCameraReply accessPoints(quint16 usSequence,
                                             const QList<ClVirtualCameraLive::AccessPoint>& lstPoints);
    // One entry packet per day code, in code order, without a separate response.
    static ClVirtualCameraReply schedule(quint16 usSequence, const QMap<quint32, Params>& mapEntries);

    static constexpr int lFirstChunk = 1024 - 12;
};
