#pragma once
// Sets the stream password: "PARAM2" (QString) sent as the Base64 encoding (with
// padding) of its 8-bit characters.
#include "ClExchange.h"
#include "ClTovuCommandString.h"

class ClTovuCommandSetStreamAuthorizationPassword : public ClTovuCommandString
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandSetStreamAuthorizationPassword";
    static constexpr quint16 usCommandCode = 0x5805;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandSetStreamAuthorizationPassword(const PV_CMD& clRequest = PV_CMD());
    explicit ClTovuCommandSetStreamAuthorizationPassword(const QString& strPassword);
};
