#include "ClTovuCommandSetScheDayTime.h"

#include "ClEnvelopeArgs.h"
#include "ClScheduleTime.h"

ClTovuCommandSetScheDayTime::ClTovuCommandSetScheDayTime(const PV_CMD& clRequest) : ClTovuCommand(usCommandCode)
{
    ulParam1 = ClEnvelopeArgs::number(clRequest, 2);
    ulParam2 = ClEnvelopeArgs::number(clRequest, 3);
    ulParam3 = onOffValue(ClEnvelopeArgs::flag(clRequest, 4));
    ulParam4 = ClScheduleTime::toSlot(ClEnvelopeArgs::time(clRequest, 5));
    ulParam5 = ClScheduleTime::toSlot(ClEnvelopeArgs::time(clRequest, 6));
}
