#pragma once
// A device with the camera's identity and endpoints that costs next to nothing: every
// request is answered at once with status 0 and the request's own parameters, and a
// command that sends a byte block is answered once its data packet has come whole. What
// a benchmark measures against it is the tool's own cost, not the emulated camera's.
#include "ClVirtualUsbDevice.h"

#include <QtGlobal>

class ClVirtualInstantDevice : public ClVirtualUsbDevice
{
    Q_OBJECT

public:
    explicit ClVirtualInstantDevice(QObject* pclParent = nullptr);
    ~ClVirtualInstantDevice() override;

    // Blocks that came whole, and their bytes.
    int blocksAccepted() const;
    quint64 bytesAccepted() const;

    // The answer to a block that does not match the command it follows.
    static constexpr quint16 usBlockRejected = 0xFFFB;

protected:
    void handleWrite(int lEndpoint, const QByteArray& clData) override;

private:
    // Written on the thread of the transfers; the counters are read on others.
    mutable QMutex m_clStateLock;
    // The command whose data packet is awaited: its request, and the length it announced.
    QByteArray m_clPendingRequest;
    quint32 m_ulPendingLength = 0;
    int m_lBlocks = 0;
    quint64 m_ullBytes = 0;
};
