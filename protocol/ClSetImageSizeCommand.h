#pragma once
// Pattern base of the set commands that send a picture size: "PARAM2" (QSize) -> its
// index in param1.
#include "ClEnvelopeArgs.h"
#include "ClExchange.h"
#include "ClImageSizes.h"
#include "ClTovuCommand.h"

template <ClImageSizes::Table eTable> class ClSetImageSizeCommand : public ClTovuCommand
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    ClSetImageSizeCommand(quint16 usCode, const PV_CMD& clRequest)
        : ClTovuCommand(usCode, ClImageSizes::indexOf(eTable, ClEnvelopeArgs::size(clRequest, 2)))
    {}
};
