#pragma once
// Pattern base of the get commands that answer an IPv4 address: reply "PARAM2" = the
// dotted address (QString).
#include "ClExchange.h"
#include "ClTovuCommandIpv4.h"

class ClGetIpv4Command : public ClTovuCommandIpv4
{
public:
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    ClGetIpv4Command(quint16 usCode, const PV_CMD& clRequest);

    quint16 writeReply(PV_CMD& clReply) const override;
};
