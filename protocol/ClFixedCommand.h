#pragma once
// The pattern base of the fixed-size commands: one instantiation per layout, so that
// "get switch", "set number" and the rest are types of their own.
#include "ClExchange.h"
#include "ClFixedCommandBase.h"

template <const ClFixedLayout& stLayoutOf> class ClFixedCommand : public ClFixedCommandBase
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = stLayoutOf.hasValues();

    ClFixedCommand(quint16 usCode, const PV_CMD& clRequest) : ClFixedCommandBase(usCode, stLayoutOf, clRequest) {}
};

using ClExecCommand = ClFixedCommand<ClFixedLayouts::exec>;
using ClGetUnsignedCommand = ClFixedCommand<ClFixedLayouts::getUnsigned>;
using ClGetSignedCommand = ClFixedCommand<ClFixedLayouts::getSigned>;
using ClGetSwitchCommand = ClFixedCommand<ClFixedLayouts::getSwitch>;
using ClSetNumberCommand = ClFixedCommand<ClFixedLayouts::setNumber>;
using ClExecNumberCommand = ClSetNumberCommand;
using ClSetSwitchCommand = ClFixedCommand<ClFixedLayouts::setSwitch>;
using ClExecSwitchCommand = ClSetSwitchCommand;
using ClSetNonZeroSwitchCommand = ClFixedCommand<ClFixedLayouts::setNonZeroSwitch>;
