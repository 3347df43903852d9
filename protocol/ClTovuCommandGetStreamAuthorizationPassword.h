#pragma once
// The stream password, which the camera keeps Base64-encoded: reply "PARAM2" = the
// decoded text, 8-bit characters up to the first zero byte.
#include "ClExchange.h"
#include "ClTovuCommandString.h"

class ClTovuCommandGetStreamAuthorizationPassword : public ClTovuCommandString
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandGetStreamAuthorizationPassword";
    static constexpr quint16 usCommandCode = 0x5005;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    explicit ClTovuCommandGetStreamAuthorizationPassword(const PV_CMD& clRequest = PV_CMD());

    QString password() const;
    quint16 writeReply(PV_CMD& clReply) const override;
};
