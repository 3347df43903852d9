#pragma once
// The real USB worker on a virtual bus with emulated cameras: plugs cameras and waits for
// their announcement, sends envelopes as the main window does and waits for the answer,
// and keeps every envelope the worker sent. Settling is short and reads that find no data
// time out at once, so that tests are fast.
#include "PvCmd.h"

#include <QList>
#include <QObject>
#include <QUuid>

#include <memory>

class ClUsbManager;
class ClVirtualCamera;
class ClVirtualUsbBus;

class ClWorkerRig : public QObject
{
    Q_OBJECT

public:
    explicit ClWorkerRig(int lSettleDelayMs = 5);
    ~ClWorkerRig() override;

    ClVirtualUsbBus& bus() { return *m_upBus; }
    ClUsbManager& manager() { return *m_upManager; }

    // Plugs the camera in (the bus owns it) and waits for the worker to announce it.
    // Returns the camera handle; null when no announcement came within lTimeoutMs.
    void* plug(ClVirtualCamera* pclCamera, int lTimeoutMs = 5000);
    // Waits for the next announcement after those already seen; returns its handle.
    void* waitForAnnouncement(int lTimeoutMs = 5000);

    // Sends a request for the camera (as the main window does: "PARAM1" set, "Sender" the
    // rig) and waits for its answer: the reply kind of the request, or a result or
    // transport-error reply naming the request. Invalid when nothing came in time.
    PV_CMD request(void* pHandle, const QUuid& uuidKind, const PV_CMD& clArgs = PV_CMD(), int lTimeoutMs = 5000);
    PV_CMD request(void* pHandle, const char* pszClassName, const PV_CMD& clArgs = PV_CMD(), int lTimeoutMs = 5000);
    // Sends without waiting.
    void send(const PV_CMD& clRequest);

    // Everything the worker sent, in order.
    const QList<PV_CMD>& envelopes() const { return m_lstEnvelopes; }
    int count(const QUuid& uuidKind) const;
    void clear() { m_lstEnvelopes.clear(); }

    static constexpr quint32 ulCameraIdentity = 0x020109A1;
    static PV_CMD args(std::initializer_list<QVariant> lstValues);

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clCommand);

private:
    bool waitUntil(const std::function<bool()>& fnDone, int lTimeoutMs);

    std::unique_ptr<ClVirtualUsbBus> m_upBus;
    std::unique_ptr<ClUsbManager> m_upManager;
    QList<PV_CMD> m_lstEnvelopes;
    int m_lAnnouncementsSeen = 0;
    class QEventLoop* m_pclWaitLoop = nullptr;
};
