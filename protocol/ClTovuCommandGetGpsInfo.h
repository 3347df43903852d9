#pragma once
// One item of GPS information: "PARAM2" (number) -> param1 names the item; the reply
// keeps that number in "PARAM2" and carries the text in "PARAM3".
#include "ClExchange.h"
#include "ClTovuCommandString.h"

class ClTovuCommandGetGpsInfo : public ClTovuCommandString
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandGetGpsInfo";
    static constexpr quint16 usCommandCode = 0x5020;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    explicit ClTovuCommandGetGpsInfo(const PV_CMD& clRequest = PV_CMD());

    quint16 writeReply(PV_CMD& clReply) const override;
};
