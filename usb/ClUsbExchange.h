#pragma once
// The packet exchange of one command with one camera: a request and its matching
// response, a byte block sent or collected, or the answers of several packets. The USB
// worker makes one for each command it runs, on its thread, with a camera it knows; the
// worker runs one exchange at a time, so nothing here is locked.
//
// A camera that lies cannot hang or exhaust the tool: responses of other sequences are
// skipped for a bounded time and count only, and announced block lengths and list sizes
// are checked before anything is collected.
#include "protocol/ClExchange.h"
#include "protocol/ClTovuCommand.h"
#include "protocol/ClTovuCommandDataReceive.h"

class ClPacketListCommand;
class ClReceiveDataCommand;
class ClUsbController;

class ClUsbExchange
{
public:
    // Every response wait is at least lResponseTimeoutMs.
    ClUsbExchange(ClUsbController& clCamera, int lResponseTimeoutMs);

    // 0, the camera's status, or a transport code. A command of a class that does not
    // fit the exchange gives 0xEF01: nothing is sent.
    quint16 run(ClExchange eExchange, ClTovuCommand& clCommand);

    static constexpr int lWriteTimeoutMs = 1000;
    static constexpr int lPacketTimeoutMs = 1000;
    static constexpr int lDataRequestTimeoutMs = 3000;
    static constexpr int lReadAttempts = 3;
    // Packets of other sequences skipped while one response or packet is awaited.
    static constexpr int lMaxForeignPackets = 64;
    static constexpr quint32 ulMaxDataBlock = ClTovuCommandDataReceive::ulMaxBlockSize;
    static constexpr quint32 ulMaxAccessPoints = 256;

private:
    // Writes the command's packet and, when there is one, the data packet after it; 0 when
    // both went out, else the code that ends the exchange.
    quint16 send(const ClTovuCommand& clCommand, const QByteArray& clDataPacket = QByteArray());
    // send(), then the response of the command's sequence, parsed into the command.
    quint16 request(ClTovuCommand& clCommand, int lTimeoutMs, const QByteArray& clDataPacket = QByteArray());
    quint16 write(const QByteArray& clPacket);
    // Up to lReadAttempts reads; empty with *pusError set when none brought bytes.
    QByteArray readOne(int lTimeoutMs, quint16* pusError);
    quint16 readResponse(ClTovuCommand& clCommand, int lTimeoutMs);
    // Hands packets to the command until it is complete.
    quint16 readPackets(ClPacketListCommand& clCommand);
    // The block the command's response announced, handed to the command when whole.
    quint16 collectBlock(ClReceiveDataCommand& clCommand);
    int waitAtLeast(int lTimeoutMs) const { return qMax(lTimeoutMs, m_lResponseTimeoutMs); }

    ClUsbController& m_clCamera;
    const int m_lResponseTimeoutMs;
};
