#pragma once
// Access-point list: the response's param1 is the number N of entries; 2*N packets
// follow, a text packet and a number packet per entry. A number packet whose param1 is
// not its 1-based entry number is dropped (it still counts). Reply "PARAM2" = the list
// ("AccesspointList").
#include "AccesspointList.h"
#include "ClExchange.h"
#include "ClPacketListCommand.h"

class ClTovuCommandGetAccesspointList : public ClPacketListCommand
{
public:
    static constexpr const char* pszClassName = "ClTovuCommandGetAccesspointList";
    static constexpr quint16 usCommandCode = 0x5002;
    static constexpr ClExchange eExchange = ClExchange::AccesspointList;
    static constexpr bool bHasReply = true;
    // A camera that announces more entries is read for this many only.
    static constexpr quint32 ulMaxEntries = 1024;

    explicit ClTovuCommandGetAccesspointList(const PV_CMD& clRequest = PV_CMD());

    // Valid once the response has been parsed; 0 gives an empty list at once.
    quint32 entryCount() const { return qMin(ulParam1, ulMaxEntries); }
    bool addPacket(const QByteArray& clPacket) override;
    bool isComplete() const override { return ulPackets >= packetCount(); }
    quint32 packetCount() const override { return 2 * entryCount(); }

    const AccesspointList& entries() const { return lstEntries; }

    quint16 writeReply(PV_CMD& clReply) const override;

private:
    AccesspointList lstEntries;
    QString strFirst;
    QString strSecond;
    quint32 ulPackets = 0;
};
