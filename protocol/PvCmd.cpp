#include "PvCmd.h"

#include "AccesspointList.h"
#include "ScheduleSettings.h"

void PvCmd::registerMetaTypes()
{
    if (!QMetaType::fromName("PV_CMD").isValid())
        qRegisterMetaType<PV_CMD>("PV_CMD");
    if (!QMetaType::fromName("AccesspointList").isValid())
        qRegisterMetaType<AccesspointList>("AccesspointList");
    if (!QMetaType::fromName("ScheduleSettings").isValid())
        qRegisterMetaType<ScheduleSettings>("ScheduleSettings");
}
