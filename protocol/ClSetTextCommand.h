#pragma once
// Pattern base of the set commands that send one text: "PARAM2" (QString) -> text.
#include "ClExchange.h"
#include "ClTovuCommandString.h"

class ClSetTextCommand : public ClTovuCommandString
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    ClSetTextCommand(quint16 usCode, const PV_CMD& clRequest);
};
