#include "ClTovuCommandGetScheSetting.h"

#include <QVariant>

#include "ClEnvelope.h"
#include "ClScheduleTime.h"

ClTovuCommandGetScheSetting::ClTovuCommandGetScheSetting(const PV_CMD& /*clRequest*/)
    : ClPacketListCommand(usCommandCode, 0, 0, ClScheduleTime::toSlot(QTime()), ClScheduleTime::toSlot(QTime()))
{}

bool ClTovuCommandGetScheSetting::addPacket(const QByteArray& clPacket)
{
    if (isComplete() || !belongsHere(clPacket))
        return false;
    const ClTovuCommand clEntry(clPacket);
    stScheduleEntry stEntry;
    stEntry.bOn = isOn(clEntry.param2());
    stEntry.tmStart = ClScheduleTime::fromSlot(clEntry.param3());
    stEntry.tmEnd = ClScheduleTime::fromSlot(clEntry.param4());
    mapEntries.insert(int(clEntry.param1()), stEntry);
    ++lPackets;
    return true;
}

quint16 ClTovuCommandGetScheSetting::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), QVariant::fromValue(mapEntries));
    return 0;
}
