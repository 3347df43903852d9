#pragma once
// Sets the camera's clock: "PARAM2" (QDateTime; an invalid one means the PC's current
// date and time) -> param1 = yyyymmdd, param2 = hhmmss as decimal numbers.
#include <QDateTime>

#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandSetTime : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandSetTime";
    static constexpr quint16 usCommandCode = 0x5831;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandSetTime(const PV_CMD& clRequest = PV_CMD());
    explicit ClTovuCommandSetTime(const QDateTime& dtTime);
};
