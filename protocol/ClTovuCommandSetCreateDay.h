#pragma once
// Sets the creation date: "PARAM2" (QDateTime; an invalid one means now) sent as the
// text "yyyy/MM/dd hh:mm:ss".
#include <QDateTime>

#include "ClExchange.h"
#include "ClTovuCommandString.h"

class ClTovuCommandSetCreateDay : public ClTovuCommandString
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandSetCreateDay";
    static constexpr quint16 usCommandCode = 0x4806;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandSetCreateDay(const PV_CMD& clRequest = PV_CMD());
    explicit ClTovuCommandSetCreateDay(const QDateTime& dtCreated);
};
