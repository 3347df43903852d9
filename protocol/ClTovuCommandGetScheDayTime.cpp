#include "ClTovuCommandGetScheDayTime.h"

#include "ClEnvelope.h"
#include "ClEnvelopeArgs.h"
#include "ClScheduleTime.h"

ClTovuCommandGetScheDayTime::ClTovuCommandGetScheDayTime(const PV_CMD& clRequest)
    : ClTovuCommand(usCommandCode, ClEnvelopeArgs::number(clRequest, 2))
{}

quint16 ClTovuCommandGetScheDayTime::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), int(ulParam1));
    clReply.insert(ClEnvelope::keyParam(3), int(ulParam2));
    clReply.insert(ClEnvelope::keyParam(4), isOn(ulParam3));
    clReply.insert(ClEnvelope::keyParam(5), ClScheduleTime::fromSlot(ulParam4));
    clReply.insert(ClEnvelope::keyParam(6), ClScheduleTime::fromSlot(ulParam5));
    return 0;
}
