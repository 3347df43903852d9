#include "ClVirtualCameraStatusReport.h"

ClVirtualCameraWire::Params ClVirtualCameraStatusReport::battery(quint32 ulState, quint32 ulLevel) const
{
    return {ulState, oBatteryLevel.value_or(ulLevel)};
}

ClVirtualCameraWire::Params ClVirtualCameraStatusReport::sdInfo(quint64 ullTotal, quint64 ullUsed,
                                                                quint32 ulFileSystem) const
{
    const quint64 ullSaidTotal = oSdTotal.value_or(ullTotal);
    const quint64 ullSaidUsed = oSdUsed.value_or(ullUsed);
    return {quint32(ullSaidTotal >> 32), quint32(ullSaidTotal), quint32(ullSaidUsed >> 32), quint32(ullSaidUsed),
            oSdFileSystem.value_or(ulFileSystem)};
}

ClVirtualCameraLive::Link ClVirtualCameraStatusReport::link(ClVirtualCameraLive::Link stLink) const
{
    stLink.ulState = oLinkState.value_or(stLink.ulState);
    stLink.ulSignal = oSignal.value_or(stLink.ulSignal);
    stLink.ulChannel = oChannel.value_or(stLink.ulChannel);
    return stLink;
}
