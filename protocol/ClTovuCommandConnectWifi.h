#pragma once
// Asks the camera to join a Wi-Fi network: "PARAM2" and "PARAM3" (QString) travel as
// two 8-bit texts, each after its 32-bit length, followed by param5 (0).
#include <QString>

#include "ClExchange.h"
#include "ClTovuCommand.h"

class ClTovuCommandConnectWifi : public ClTovuCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandConnectWifi";
    static constexpr quint16 usCommandCode = 0x6807;
    static constexpr ClExchange eExchange = ClExchange::Plain;
    static constexpr bool bHasReply = false;

    explicit ClTovuCommandConnectWifi(const PV_CMD& clRequest = PV_CMD());
    ClTovuCommandConnectWifi(const QString& strFirst, const QString& strSecond);

    QByteArray toByteArray() const override;

private:
    QByteArray clFirst;
    QByteArray clSecond;
};
