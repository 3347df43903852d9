#pragma once
// Pattern base of the get commands that answer one text: reply "PARAM2" = the text.
#include "ClExchange.h"
#include "ClTovuCommandString.h"

class ClGetTextCommand : public ClTovuCommandString
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    ClGetTextCommand(quint16 usCode, const PV_CMD& clRequest);

    quint16 writeReply(PV_CMD& clReply) const override;
};
