#pragma once
// The command envelope: how pages ask for a command and how the USB worker answers,
// passed by value through queued signals between the GUI and the worker thread.
#include <QMetaType>
#include <QVariantMap>

typedef QVariantMap PV_CMD;

namespace PvCmd {
// Registers "PV_CMD", "AccesspointList" and "ScheduleSettings" with the
// meta-type system; safe to call more than once.
void registerMetaTypes();
}  // namespace PvCmd
