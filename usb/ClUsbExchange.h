#pragma once
// The packet exchanges of one command with one camera: a request and its matching
// response, a byte block sent or collected, and the answers of several packets. The USB
// worker runs them on its thread, one at a time, with the camera it has checked is known.
//
// A camera that lies cannot hang or exhaust the tool: responses of other sequences are
// skipped for a bounded time and count only, and announced block lengths and list sizes
// are checked before anything is collected.
#include "protocol/ClTovuCommand.h"

#include <QMutex>

#include <atomic>

class ClPacketListCommand;
class ClTovuCommandDataReceive;
class ClTovuCommandDataSend;
class ClUsbController;

class ClUsbExchange
{
public:
    ClUsbExchange();

    // Every response wait is at least this long.
    void setResponseTimeout(int lTimeoutMs) { m_lResponseTimeoutMs = lTimeoutMs; }
    int responseTimeout() const { return m_lResponseTimeoutMs; }

    // The results are 0, the camera's status, or a transport code.
    quint16 execute(ClTovuCommand& clCommand, ClUsbController* pclCamera, int lTimeoutMs);
    quint16 sendData(ClTovuCommand& clCommand, ClTovuCommandDataSend& clData, ClUsbController* pclCamera);
    // Fills clData (made again for the command's sequence and announced length).
    quint16 receiveData(ClTovuCommand& clCommand, ClTovuCommandDataReceive& clData, ClUsbController* pclCamera);
    quint16 wifiInfo(ClPacketListCommand& clCommand, ClUsbController* pclCamera);
    quint16 accesspointList(ClPacketListCommand& clCommand, ClUsbController* pclCamera);
    quint16 scheduleList(ClPacketListCommand& clCommand, ClUsbController* pclCamera);

    static constexpr int lWriteTimeoutMs = 1000;
    static constexpr int lPacketTimeoutMs = 1000;
    static constexpr int lDataRequestTimeoutMs = 3000;
    static constexpr int lReadAttempts = 3;
    // Packets of other sequences skipped while one response or packet is awaited.
    static constexpr int lMaxForeignPackets = 64;
    static constexpr quint32 ulMaxDataBlock = 64u * 1024u * 1024u;
    static constexpr quint32 ulMaxAccessPoints = 256;

private:
    // Writes one packet; 0 when it went out, else the code that ends the exchange.
    static quint16 writePacket(ClUsbController* pclCamera, const QByteArray& clPacket);
    // Up to lReadAttempts reads; empty with *pusError set when none brought bytes.
    static QByteArray readOne(ClUsbController* pclCamera, int lTimeoutMs, quint16* pusError);
    // Reads until the response of clCommand's sequence arrives and parses it. Lock held.
    quint16 readResponse(ClTovuCommand& clCommand, ClUsbController* pclCamera, int lTimeoutMs);
    // Hands packets to clCommand until it is complete. Lock held.
    quint16 readPackets(ClPacketListCommand& clCommand, ClUsbController* pclCamera);

    QMutex m_clLock;
    std::atomic<int> m_lResponseTimeoutMs{1000};
};
