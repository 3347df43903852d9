#include "ClTovuCommandGetWifiInfo.h"

ClTovuCommandGetWifiInfo::ClTovuCommandGetWifiInfo(const PV_CMD& /*clRequest*/) : ClPacketListCommand(usCommandCode)
{
}

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
    clReply.insert(QStringLiteral("PARAM2"), uint(ulParam1));
    clReply.insert(QStringLiteral("PARAM3"), clTextPacket.firstText());
    clReply.insert(QStringLiteral("PARAM4"), clTextPacket.secondText());
    clReply.insert(QStringLiteral("PARAM5"), uint(clNumberPacket.param2()));
    clReply.insert(QStringLiteral("PARAM6"), int(clNumberPacket.param3()));
    clReply.insert(QStringLiteral("PARAM7"), int(clNumberPacket.param4()));
    clReply.insert(QStringLiteral("PARAM8"), uint(clNumberPacket.param5()));
    return 0;
}
