#pragma once
// Sets the recording period of one schedule day: "PARAM2" (int) -> param1, "PARAM3"
// (number) -> param2, "PARAM4" (bool) -> param3 as on/off, "PARAM5" and "PARAM6"
// (QTime) -> param4 and param5 as "hhmm".
#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandSetScheDayTime : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandSetScheDayTime";
    static constexpr quint16 usCommandCode = 0x5876;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandSetScheDayTime(const PV_CMD& clRequest = PV_CMD());
};
