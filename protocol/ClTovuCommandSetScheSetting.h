#pragma once
// Sets one day of the weekly schedule: "PARAM2" (number, the day code) -> param1,
// "PARAM3" (bool) -> param2 as on/off, "PARAM4" and "PARAM5" (QTime) -> param3 and
// param4 as "hhmm"; param5 is 0.
#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandSetScheSetting : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandSetScheSetting";
    static constexpr quint16 usCommandCode = 0x5851;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandSetScheSetting(const PV_CMD& clRequest = PV_CMD());
};
