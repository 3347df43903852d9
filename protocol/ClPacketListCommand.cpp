#include "ClPacketListCommand.h"

bool ClPacketListCommand::belongsHere(const QByteArray& clPacket) const
{
    const ClTovuCommand clHead(clPacket);
    return clHead.sequence() == usSequence && clHead.code() == 0;
}
