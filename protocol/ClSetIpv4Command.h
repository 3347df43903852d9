#pragma once
// Pattern base of the set commands that send an IPv4 address: "PARAM2" (dotted QString)
// -> param1.
#include "ClExchange.h"
#include "ClTovuCommandIpv4.h"

class ClSetIpv4Command : public ClTovuCommandIpv4
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    ClSetIpv4Command(quint16 usCode, const PV_CMD& clRequest);
};
