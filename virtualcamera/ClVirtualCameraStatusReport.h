#pragma once
// What a faulty camera reports on its state page in place of its real figures: a battery
// level, an SD card's sizes and file system, a Wi-Fi link state, strength and channel,
// each taken as it is and never checked, so that tests can make the camera say what no
// sane camera would (more used than the card holds, a level of 250, link state 9). A value
// left unset is the camera's own. Not thread-safe; the camera guards it.
#include "ClVirtualCameraLive.h"
#include "ClVirtualCameraWire.h"

#include <optional>

struct ClVirtualCameraStatusReport
{
    std::optional<quint32> oBatteryLevel;
    std::optional<quint64> oSdTotal;
    std::optional<quint64> oSdUsed;
    std::optional<quint32> oSdFileSystem;
    std::optional<quint32> oLinkState;
    std::optional<quint32> oSignal;
    std::optional<quint32> oChannel;

    // The battery answer's values (state, level) with the reported level.
    ClVirtualCameraWire::Params battery(quint32 ulState, quint32 ulLevel) const;
    // The SD answer's values (total high/low, used high/low, file system).
    ClVirtualCameraWire::Params sdInfo(quint64 ullTotal, quint64 ullUsed, quint32 ulFileSystem) const;
    ClVirtualCameraLive::Link link(ClVirtualCameraLive::Link stLink) const;
};
