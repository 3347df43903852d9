#pragma once
// Radio test receive: "PARAM2" (bool) enables it, "PARAM3" (unsigned 8-bit) -> param1
// when enabled, else 0.
#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandMfgAcc : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandMfgAcc";
    static constexpr quint16 usCommandCode = 0x680D;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandMfgAcc(const PV_CMD& clRequest = PV_CMD());
    ClTovuCommandMfgAcc(bool bEnable, quint8 ucValue);
};
