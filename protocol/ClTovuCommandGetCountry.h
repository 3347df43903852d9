#pragma once
// The camera's two-letter country code: one 8-bit character in the low byte of param1,
// the other in param2. Reply "PARAM2" = the code (QString).
#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandGetCountry : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandGetCountry";
    static constexpr quint16 usCommandCode = 0x4007;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    explicit ClTovuCommandGetCountry(const PV_CMD& clRequest = PV_CMD());

    // Zero bytes are left out, so an unset code reads as an empty text.
    QString country() const;
    quint16 writeReply(PV_CMD& clReply) const override;
};
