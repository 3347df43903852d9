#include "ClTovuCommandGetWifiInfo.h"

#include "ClEnvelope.h"

ClTovuCommandGetWifiInfo::ClTovuCommandGetWifiInfo(const PV_CMD& /*clRequest*/) : ClPacketListCommand(usCommandCode) {}

bool ClTovuCommandGetWifiInfo::addPacket(const QByteArray& clPacket)
{
    if (isComplete() || !belongsHere(clPacket))
        return false;
    if (lPackets == 0)
        clTextPacket.fromByteArray(clPacket);
    else
        clNumberPacket.fromByteArray(clPacket);
    ++lPackets;
    return true;
}

quint16 ClTovuCommandGetWifiInfo::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), uint(ulParam1));
    clReply.insert(ClEnvelope::keyParam(3), clTextPacket.firstText());
    clReply.insert(ClEnvelope::keyParam(4), clTextPacket.secondText());
    clReply.insert(ClEnvelope::keyParam(5), uint(clNumberPacket.param2()));
    clReply.insert(ClEnvelope::keyParam(6), int(clNumberPacket.param3()));
    clReply.insert(ClEnvelope::keyParam(7), int(clNumberPacket.param4()));
    clReply.insert(ClEnvelope::keyParam(8), uint(clNumberPacket.param5()));
    return 0;
}
