#pragma once
// Collects a byte block the camera sends after answering a data request. The first
// transfer starts with a head (type, the command's sequence, the block's total length,
// the length n of the part in this transfer); every later transfer is block data.
#include "ClTovuCommand.h"

class ClTovuCommandDataReceive : public ClTovuCommand
{
public:
    // No block larger than this is collected, whatever the camera announces.
    static constexpr quint32 ulMaxBlockSize = 64 * 1024 * 1024;

    ClTovuCommandDataReceive(quint16 usSequence, quint32 ulExpectedSize);

    // Adds one transfer. Returns 0, or 0xEF04 when the first transfer names another
    // sequence or another total length (or a total beyond ulMaxBlockSize). Transfers
    // after the block is complete are ignored.
    quint16 addTransfer(const QByteArray& clTransfer);

    bool isComplete() const { return bFirstSeen && quint32(clData.size()) >= ulExpectedSize; }
    quint32 expectedSize() const { return ulExpectedSize; }
    const QByteArray& data() const { return clData; }

private:
    void trimToAnnounced();

    quint32 ulExpectedSize;
    QByteArray clData;
    bool bFirstSeen = false;
};
