#pragma once
// Pattern base of the factory checks: one number, replaced by the check's own default
// when it is negative.
#include "ClEnvelopeArgs.h"
#include "ClExchange.h"
#include "ClTovuCommand.h"

template <qint32 lDefault> class ClFactoryCheckCommand : public ClTovuCommand
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    ClFactoryCheckCommand(quint16 usCode, const PV_CMD& clRequest)
        : ClTovuCommand(usCode, checkValue(ClEnvelopeArgs::signedNumber(clRequest, 2)))
    {}

    static quint32 checkValue(qint32 lValue) { return quint32(lValue < 0 ? lDefault : lValue); }
};
