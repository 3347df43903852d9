#include "ClTovuCommandSetScheSetting.h"

#include "ClEnvelopeArgs.h"
#include "ClScheduleTime.h"

ClTovuCommandSetScheSetting::ClTovuCommandSetScheSetting(const PV_CMD& clRequest) : ClTovuCommand(usCommandCode)
{
    ulParam1 = ClEnvelopeArgs::number(clRequest, 2);
    ulParam2 = onOffValue(ClEnvelopeArgs::flag(clRequest, 3));
    ulParam3 = ClScheduleTime::toSlot(ClEnvelopeArgs::time(clRequest, 4));
    ulParam4 = ClScheduleTime::toSlot(ClEnvelopeArgs::time(clRequest, 5));
}
