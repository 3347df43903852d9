#pragma once
// A device on the virtual USB bus, seen from its own side. A concrete device (the echo
// device, the emulated camera) derives from it, gives it a descriptor shape, reacts to the
// bulk OUT transfers in handleWrite() and answers by queueing responses, which bulk IN reads
// drain in order. Faults the tool must survive are injected here, per device.
//
// Threads: the transfer hooks (handleWrite, handleRead, handleOpen, handleClose) run on the
// thread that performs the transfer, normally the USB worker; a derived class guards the
// state it shares with tests or the GUI. Every public function here is thread-safe.
// The device is owned by the bus it was plugged into.
#include "ClVirtualUsbShape.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QMutex>
#include <QObject>
#include <QWaitCondition>

#include <deque>

class ClVirtualUsbBus;

class ClVirtualUsbDevice : public QObject
{
    Q_OBJECT

public:
    enum class Direction { Write = 1, Read = 2, Both = 3 };

    explicit ClVirtualUsbDevice(const ClVirtualUsbShape& clShape, QObject* pclParent = nullptr);
    ~ClVirtualUsbDevice() override;

    const ClVirtualUsbShape& shape() const { return m_clShape; }

    // Queues one IN transfer. It becomes readable after lDelayMs; reads take it whole (or its
    // first 1024 bytes when the reader asks for less, the rest staying for the next read).
    void queueResponse(const QByteArray& clData, int lDelayMs = 0);
    void clearResponses();
    int pendingResponses() const;

    // Faults, counted from the next transfer on. Transfers that fail this way never reach
    // handleWrite() nor drain the response queue.
    // The next lCount transfers of the direction return lError (-5, -16, -116, ...).
    void failTransfers(Direction eDirection, int lCount, int lError);
    // The next lCount transfers of the direction return 0 bytes.
    void returnZeroBytes(Direction eDirection, int lCount);
    // The lNth transfer of the direction from now (1 = the next) unplugs the device and
    // fails with -5, as a cable pulled in the middle of an exchange.
    void unplugAtTransfer(Direction eDirection, int lNth);
    // Every transfer waits this long before it starts.
    void setTransferDelay(int lDelayMs);
    void setOpenFails(bool bFails);
    // Claiming an interface returns this error (0: claims succeed).
    void setClaimError(int lError);
    void clearFaults();

    // What the tool did to the device.
    int writeCount() const;
    int readCount() const;
    int lastWriteEndpoint() const;
    int lastReadEndpoint() const;
    int openHandles() const;
    bool isPlugged() const;
    ClVirtualUsbBus* bus() const;

protected:
    // One bulk OUT transfer as the device receives it.
    virtual void handleWrite(int lEndpoint, const QByteArray& clData) = 0;
    // A bulk IN transfer is about to drain the response queue (a device that produces data
    // on demand queues it here).
    virtual void handleRead(int lEndpoint);
    // The tool opened or closed a handle on the device.
    virtual void handleOpen();
    virtual void handleClose();

private:
    friend class ClVirtualUsbBus;

    enum class Action { Proceed, Result, Unplug };
    struct Response
    {
        QByteArray clData;
        QDeadlineTimer clReady;
    };

    // Bus side; called without the bus's lock held where they may wait.
    Action takeFault(Direction eTransfer, int lEndpoint, int* plResult);
    int takeResponse(char* pBytes, int lSize, int lTimeoutMs, bool bImmediate);
    int transferDelay() const;
    bool openFails() const;
    int claimError() const;
    void setPlugged(ClVirtualUsbBus* pclBus, bool bPlugged);
    void noteHandle(int lDelta);

    static bool matches(Direction eFault, Direction eTransfer);

    const ClVirtualUsbShape m_clShape;
    mutable QMutex m_clLock;
    QWaitCondition m_clChanged;
    std::deque<Response> m_dqResponses;
    bool m_bPlugged = false;
    ClVirtualUsbBus* m_pclBus = nullptr;

    Direction m_eFailDirection = Direction::Both;
    int m_lFailCount = 0;
    int m_lFailError = 0;
    Direction m_eZeroDirection = Direction::Both;
    int m_lZeroCount = 0;
    Direction m_eUnplugDirection = Direction::Both;
    int m_lUnplugCountdown = 0;
    int m_lDelayMs = 0;
    bool m_bOpenFails = false;
    int m_lClaimError = 0;

    int m_lWriteCount = 0;
    int m_lReadCount = 0;
    int m_lLastWriteEndpoint = 0;
    int m_lLastReadEndpoint = 0;
    int m_lOpenHandles = 0;
};
