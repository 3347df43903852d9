#include "ClVirtualCameraAnswers.h"

using Shape = ClVirtualCameraReply::Shape;

ClVirtualCameraReply ClVirtualCameraAnswers::plain(quint16 usSequence, quint16 usStatus, const Params& arrParams)
{
    ClVirtualCameraReply stReply;
    stReply.eShape = Shape::Plain;
    stReply.lstPackets.append(ClVirtualCameraWire::plain(usSequence, usStatus, arrParams));
    return stReply;
}

ClVirtualCameraReply ClVirtualCameraAnswers::text(quint16 usSequence, const QByteArray& clText)
{
    ClVirtualCameraReply stReply;
    stReply.eShape = Shape::Text;
    stReply.lstPackets.append(ClVirtualCameraWire::text(usSequence, 0, clText));
    return stReply;
}

ClVirtualCameraReply ClVirtualCameraAnswers::block(quint16 usSequence, const QByteArray& clBlock)
{
    ClVirtualCameraReply stReply;
    stReply.eShape = Shape::DataCollection;
    const quint32 ulTotal = quint32(clBlock.size());
    stReply.lstPackets.append(ClVirtualCameraWire::plain(usSequence, 0, Params {ulTotal}));
    stReply.lstPackets.append(ClVirtualCameraWire::dataHead(usSequence, ulTotal, clBlock.left(lFirstChunk)));
    if (clBlock.size() > lFirstChunk)
        stReply.lstPackets.append(clBlock.mid(lFirstChunk));
    return stReply;
}

ClVirtualCameraReply ClVirtualCameraAnswers::wifiInfo(quint16 usSequence, const ClVirtualCameraLive::Link& stLink)
{
    ClVirtualCameraReply stReply;
    stReply.eShape = Shape::WifiInfo;
    stReply.lstPackets.append(ClVirtualCameraWire::plain(usSequence, 0, Params {stLink.ulState}));
    stReply.lstPackets.append(ClVirtualCameraWire::twoTexts(usSequence, 1, stLink.clSsid, stLink.clBssid));
    stReply.lstPackets.append(ClVirtualCameraWire::plain(
        usSequence, 0, Params {1, stLink.ulChannel, stLink.ulEncryption, stLink.ulRate, stLink.ulSignal}));
    return stReply;
}

ClVirtualCameraReply ClVirtualCameraAnswers::accessPoints(quint16 usSequence,
                                                          const QList<ClVirtualCameraLive::AccessPoint>& lstPoints)
{
    ClVirtualCameraReply stReply;
    stReply.eShape = Shape::AccesspointList;
    stReply.lstPackets.append(ClVirtualCameraWire::plain(usSequence, 0, Params {quint32(lstPoints.size())}));
    quint32 ulNumber = 0;
    for (const ClVirtualCameraLive::AccessPoint& stPoint : lstPoints) {
        ++ulNumber;
        stReply.lstPackets.append(ClVirtualCameraWire::twoTexts(usSequence, ulNumber, stPoint.clSsid, stPoint.clBssid));
        stReply.lstPackets.append(ClVirtualCameraWire::plain(
            usSequence, 0,
            Params {ulNumber, stPoint.ulChannel, stPoint.ulEncryption, stPoint.ulMode, stPoint.ulSignal}));
    }
    return stReply;
}

ClVirtualCameraReply ClVirtualCameraAnswers::schedule(quint16 usSequence, const QMap<quint32, Params>& mapEntries)
{
    ClVirtualCameraReply stReply;
    stReply.eShape = Shape::ScheduleList;
    for (auto it = mapEntries.cbegin(); it != mapEntries.cend(); ++it) {
        Params arrEntry = it.value();
        arrEntry[0] = it.key();
        arrEntry[4] = 0;
        stReply.lstPackets.append(ClVirtualCameraWire::plain(usSequence, 0, arrEntry));
    }
    return stReply;
}
