#pragma once
// Pattern base of the get commands that answer a picture size: reply "PARAM2" = the
// QSize of the index in param1.
#include "ClEnvelope.h"
#include "ClExchange.h"
#include "ClImageSizes.h"
#include "ClTovuCommand.h"

template <ClImageSizes::Table eTable> class ClGetImageSizeCommand : public ClTovuCommand
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    ClGetImageSizeCommand(quint16 usCode, const PV_CMD& /*clRequest*/) : ClTovuCommand(usCode) {}

    quint16 writeReply(PV_CMD& clReply) const override
    {
        clReply.insert(ClEnvelope::keyParam(2), ClImageSizes::sizeOf(eTable, ulParam1));
        return 0;
    }
};
