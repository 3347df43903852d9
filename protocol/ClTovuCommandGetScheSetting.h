#pragma once
// Schedule list: a request without response, then 8 entry packets (param1 the day
// code, param2 on/off, param3/param4 start and end as "hhmm"). A later entry with the
// same day code replaces the earlier one. Reply "PARAM2" = the map ("ScheduleSettings").
#include "ClExchange.h"
#include "ClPacketListCommand.h"
#include "ScheduleSettings.h"

class ClTovuCommandGetScheSetting : public ClPacketListCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandGetScheSetting";
    static constexpr quint16 usCommandCode = 0x5051;
    static constexpr ClExchange eExchange = ClExchange::ScheduleList;
    static constexpr bool bHasReply = true;
    static constexpr int lEntryPackets = 8;

    // The request carries two invalid times: all parameters 0.
    explicit ClTovuCommandGetScheSetting(const PV_CMD& clRequest = PV_CMD());

    bool addPacket(const QByteArray& clPacket) override;
    bool isComplete() const override { return lPackets >= lEntryPackets; }
    quint32 packetCount() const override { return lEntryPackets; }

    const ScheduleSettings& entries() const { return mapEntries; }

    quint16 writeReply(PV_CMD& clReply) const override;

private:
    ScheduleSettings mapEntries;
    int lPackets = 0;
};
