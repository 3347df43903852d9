#pragma once
// Faults in what the emulated camera answers, armed by tests and applied to the next
// answers: responses of another sequence (also crowding every packet of a list), short,
// garbage or missing responses, a status of the test's choice, lying packets that
// announce more than they carry, and a block dribbled a byte at a time. Transfer
// errors, zero-byte transfers, unplugging and delays are the generic device's faults.
// Not thread-safe; the camera guards it.
#include "ClVirtualCameraReply.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClTovuCommandDataReceive.h"
#include "usb/ClUsbExchange.h"

#include <QRandomGenerator>

class ClVirtualCameraFaults
{
public:
    enum class Fault {
        // A packet of another sequence comes before the answer; the answer follows.
        ForeignSequenceFirst,
        // Every read gets a packet of another sequence; the answer never comes (until the
        // faults are cleared; the count is ignored).
        ForeignSequenceForever,
        // The first packet of the answer is cut to its first 12 bytes.
        Short,
        // The first packet of the answer keeps its sequence; every later byte is random.
        Garbage,
        // Nothing is answered.
        Silent,
        // The answer carries the status chosen with setStatus() instead of its own.
        Status,
        // A data collection announces a block above 64 MiB (in its response and its first
        // data packet) and then sends what it has.
        LyingDataLength,
        // An access-point list announces more than 256 entries and sends what it has.
        LyingAccesspointCount,
        // A text answer claims a text longer than the packet.
        LyingTextLength,
        // A data collection announces a block of 64 MiB, the most the tool collects, and
        // then sends it a byte per transfer, made up as it is read, until the camera is
        // sent its next command or the faults are cleared.
        DribbledBlock,
        // Before every packet of the answer after its first come lForeignRun packets of
        // another sequence: one fewer than the tool skips while it waits for one.
        ForeignBeforeEachPacket,
        Count
    };

    // Arms a fault for the next lCount answers it applies to (the lying faults apply only
    // to answers of their shape and wait for one).
    void inject(Fault eFault, int lCount = 1);
    void setStatus(quint16 usStatus) { m_usStatus = usStatus; }
    void clear();

    // Changes an answer as the armed faults say.
    void apply(ClVirtualCameraReply& stReply);

    bool foreignForever() const { return m_bForeignForever; }
    // Whether the next read gets another byte of a dribbled block.
    bool dribbling() const { return m_bDribbling; }
    // A plain success response of a sequence that differs from usSequence.
    static QByteArray foreignPacket(quint16 usSequence);

    static constexpr quint32 ulLyingDataLength = 64u * 1024 * 1024 + 1;
    static constexpr quint32 ulLyingAccesspointCount = 100000;
    static constexpr quint32 ulDribbledLength = ClTovuCommandDataReceive::ulMaxBlockSize;
    static constexpr int lForeignRun = ClUsbExchange::lMaxForeignPackets - 1;

private:
    bool take(Fault eFault);
    int m_aCounts[int(Fault::Count)] = {};
    bool m_bForeignForever = false;
    bool m_bDribbling = false;
    quint16 m_usStatus = ClResultCode::usCameraTimeout;
    QRandomGenerator m_clRandom {20140305};
};
