#pragma once
// Wi-Fi state: the response's param1 is the link state; a text packet and a number
// packet follow. Reply "PARAM2" link state (unsigned), "PARAM3"/"PARAM4" the two
// texts, "PARAM5" param2 (unsigned), "PARAM6" param3 (int), "PARAM7" param4 (int),
// "PARAM8" param5 (unsigned) of the number packet.
#include "ClExchange.h"
#include "ClPacketListCommand.h"
#include "ClTovuCommandWifiInfo1.h"
#include "ClTovuCommandWifiInfo2.h"

class ClTovuCommandGetWifiInfo : public ClPacketListCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandGetWifiInfo";
    static constexpr quint16 usCommandCode = 0x5001;
    static constexpr ClExchange eExchange = ClExchange::WifiInfo;
    static constexpr bool bHasReply = true;

    explicit ClTovuCommandGetWifiInfo(const PV_CMD& clRequest = PV_CMD());

    // The text packet first, then the number packet.
    bool addPacket(const QByteArray& clPacket) override;
    bool isComplete() const override { return lPackets == 2; }
    quint32 packetCount() const override { return 2; }

    const ClTovuCommandWifiInfo1& textPacket() const { return clTextPacket; }
    const ClTovuCommandWifiInfo2& numberPacket() const { return clNumberPacket; }

    quint16 writeReply(PV_CMD& clReply) const override;

private:
    ClTovuCommandWifiInfo1 clTextPacket;
    ClTovuCommandWifiInfo2 clNumberPacket;
    int lPackets = 0;
};
