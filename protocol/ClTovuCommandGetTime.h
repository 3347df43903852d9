#pragma once
// The camera's clock: param1 = year*10000 + month*100 + day, param2 = hour*10000 +
// minute*100 + second. Reply "PARAM2" = the QDateTime, in UTC: the camera's clock has no
// zone, and read as the PC's local time an hour its daylight saving skips would be invalid.
#include <QDateTime>

#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandGetTime : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandGetTime";
    static constexpr quint16 usCommandCode = 0x5031;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = true;

    explicit ClTovuCommandGetTime(const PV_CMD& clRequest = PV_CMD());

    QDateTime dateTime() const;
    quint16 writeReply(PV_CMD& clReply) const override;
};
