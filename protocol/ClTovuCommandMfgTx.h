#pragma once
// Radio test transmit: "PARAM2" (bool) enables it; then a and b (unsigned 8-bit,
// "PARAM3", "PARAM4"), c and d (numbers, "PARAM5", "PARAM6") and a hardware address
// ("PARAM7", hex pairs with or without ":"). Disabled, every parameter is 0. Enabled:
// param1 = a, param2 = b << 24 | (c & 0xFFF), param3 = d, param4 and param5 = the six
// address bytes, lowest first.
#include <QString>

#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandMfgTx : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandMfgTx";
    static constexpr quint16 usCommandCode = 0x680C;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandMfgTx(const PV_CMD& clRequest = PV_CMD());
    ClTovuCommandMfgTx(bool bEnable, quint8 ucA, quint8 ucB, quint32 ulC, quint32 ulD, const QString& strAddress);
};
