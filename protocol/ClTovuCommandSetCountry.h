#pragma once
// Sets the two-letter country code: "PARAM2" (QString) -> the 8-bit code of its first
// character in param1, of its second in param2 (0 where the text is shorter).
#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandSetCountry : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandSetCountry";
    static constexpr quint16 usCommandCode = 0x4807;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandSetCountry(const PV_CMD& clRequest = PV_CMD());
    explicit ClTovuCommandSetCountry(const QString& strCountry);
};
