#pragma once
// The packet exchange of one command with one camera: a request and its matching
// response, a byte block sent or collected, or the answers of several packets. The USB
// worker makes one for each command it runs, on its thread, with a camera it knows; the
// worker runs one exchange at a time, so nothing here is locked.
//
// A camera that lies cannot hang or exhaust the tool: responses of other sequences are
// skipped for a bounded time and count only, announced block lengths and list sizes are
// checked before anything is collected, and the whole exchange ends at a deadline that
// follows what was announced (ClExchangeDeadline).
#include "ClExchangeDeadline.h"
#include "protocol/ClExchange.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClTovuCommand.h"
#include "protocol/ClTovuCommandDataReceive.h"

class ClPacketListCommand;
class ClReceiveDataCommand;
class ClUsbController;

class ClUsbExchange
{
public:
    // Every response wait is at least lResponseTimeoutMs.
    ClUsbExchange(ClUsbController& clCamera, int lResponseTimeoutMs,
                  const ClExchangeDeadline::Allowance& stAllowance = ClExchangeDeadline::Allowance());

    // 0, the camera's status, or a transport code. A command of a class that does not
    // fit the exchange gives 0xEF01: nothing is sent. Past the deadline, usPastDeadline;
    // a block or list cut short by it is not handed to the command.
    quint16 run(ClExchange eExchange, ClTovuCommand& clCommand);

    // The camera did not finish in the time it was given: to the page that is what a
    // read timing out is (the camera stopped answering in time), and a collection cut
    // short by a quiet camera ends with it too.
    static constexpr quint16 usPastDeadline = ClResultCode::usTimedOut;

    static constexpr int lWriteTimeoutMs = 1000;
    static constexpr int lPacketTimeoutMs = 1000;
    static constexpr int lDataRequestTimeoutMs = 3000;
    static constexpr int lReadAttempts = 3;
    // Packets of other sequences skipped while one response or packet is awaited.
    static constexpr int lMaxForeignPackets = 64;
    static constexpr quint32 ulMaxDataBlock = ClTovuCommandDataReceive::ulMaxBlockSize;
    static constexpr quint32 ulMaxAccessPoints = 256;

private:
    quint16 runSteps(ClExchange eExchange, ClTovuCommand& clCommand);
    // Writes the command's packet and, when there is one, the data packet after it; 0 when
    // both went out, else the code that ends the exchange.
    quint16 send(const ClTovuCommand& clCommand, const QByteArray& clDataPacket = QByteArray());
    // send(), then the response of the command's sequence, parsed into the command.
    quint16 request(ClTovuCommand& clCommand, int lTimeoutMs, const QByteArray& clDataPacket = QByteArray());
    quint16 write(const QByteArray& clPacket);
    // Up to lReadAttempts reads, none past the deadline; empty with *pusError set when
    // none brought bytes.
    QByteArray readOne(int lTimeoutMs, quint16* pusError);
    quint16 readResponse(ClTovuCommand& clCommand, int lTimeoutMs);
    // Hands packets to the command until it is complete.
    quint16 readPackets(ClPacketListCommand& clCommand);
    // The block the command's response announced, handed to the command when whole.
    quint16 collectBlock(ClReceiveDataCommand& clCommand);
    int waitAtLeast(int lTimeoutMs) const { return qMax(lTimeoutMs, m_lResponseTimeoutMs); }

    ClUsbController& m_clCamera;
    const int m_lResponseTimeoutMs;
    const ClExchangeDeadline::Allowance m_stAllowance;
    // Restarted by run().
    ClExchangeDeadline m_clDeadline;
};
