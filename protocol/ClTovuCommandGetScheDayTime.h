#pragma once
// The recording period of one schedule day: "PARAM2" (number) -> param1. Reply
// "PARAM2" = param1 and "PARAM3" = param2 (int), "PARAM4" = isOn(param3), "PARAM5"
// and "PARAM6" = start and end (QTime from "hhmm" in param4 and param5).
#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandGetScheDayTime : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandGetScheDayTime";
    static constexpr quint16 usCommandCode = 0x5076;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    explicit ClTovuCommandGetScheDayTime(const PV_CMD& clRequest = PV_CMD());

    quint16 writeReply(PV_CMD& clReply) const override;
};
