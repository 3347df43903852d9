#include "ClTovuCommandGetScheDayTime.h"

#include "ClEnvelopeArgs.h"
#include "ClScheduleTime.h"

ClTovuCommandGetScheDayTime::ClTovuCommandGetScheDayTime(const PV_CMD& clRequest)
    : ClTovuCommand(usCommandCode, ClEnvelopeArgs::number(clRequest, 2))
{
}

quint16 ClTovuCommandGetScheDayTime::writeReply(PV_CMD& clReply) const
{
    clReply.insert(QStringLiteral("PARAM2"), int(ulParam1));
    clReply.insert(QStringLiteral("PARAM3"), int(ulParam2));
    clReply.insert(QStringLiteral("PARAM4"), isOn(ulParam3));
    clReply.insert(QStringLiteral("PARAM5"), ClScheduleTime::fromSlot(ulParam4));
    clReply.insert(QStringLiteral("PARAM6"), ClScheduleTime::fromSlot(ulParam5));
    return 0;
}
