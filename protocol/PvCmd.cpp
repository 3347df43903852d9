#include "PvCmd.h"

void PvCmd::registerMetaTypes()
{
    if (!QMetaType::fromName("PV_CMD").isValid())
        qRegisterMetaType<PV_CMD>("PV_CMD");
}
