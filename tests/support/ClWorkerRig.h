#pragma once
// The real USB worker on a virtual bus with emulated cameras: plugs cameras and waits for
// their announcement, sends envelopes as the main window does and waits for the answer,
// and keeps every envelope the worker sent. Settling is short and reads that find no data
// time out at once, so that tests are fast.
#include "protocol/PvCmd.h"

#include <QList>
#include <QObject>
#include <QUuid>

#include <functional>
#include <memory>

class ClUsbService;
class ClVirtualUsbBus;
class ClVirtualUsbDevice;

class ClWorkerRig : public QObject
{
    Q_OBJECT

public:
    ClWorkerRig();
    ~ClWorkerRig() override;

    ClUsbService& service() { return *m_upService; }
    // The bus itself, for plugging cameras without waiting for their announcement.
    ClVirtualUsbBus& bus() { return *m_upBus; }

    // Plugs the camera (or another device of the camera's identity) in, the bus owning it,
    // and waits for the worker to announce it. Returns the camera handle; null when no
    // announcement came in time.
    void* plug(ClVirtualUsbDevice* pclCamera);
    // Waits for the next announcement after those already seen; returns its handle.
    void* waitForAnnouncement();

    // Sends a request for the camera as the main window does ("PARAM1" the handle,
    // "Sender" the rig) and waits for its answer: the reply kind of the request, or a
    // result or transport-error reply naming the request. Empty when nothing came in time.
    PV_CMD request(void* pHandle, const QUuid& uuidKind, const PV_CMD& clArgs = PV_CMD(), int lTimeoutMs = 5000);
    // Sends the request without waiting for its answer.
    void post(void* pHandle, const QUuid& uuidKind, const PV_CMD& clArgs = PV_CMD());
    PV_CMD request(void* pHandle, const char* pszClassName, const PV_CMD& clArgs = PV_CMD(), int lTimeoutMs = 5000);

    // Everything the worker sent, in order.
    const QList<PV_CMD>& envelopes() const { return m_lstEnvelopes; }
    int count(const QUuid& uuidKind) const;
    // Forgets the envelopes (for long runs); announcements are counted among them, so
    // only once no camera is to come.
    void clear() { m_lstEnvelopes.clear(); }

    // Arguments from "PARAM2" on.
    static PV_CMD args(const QVariantList& lstValues);
    static QUuid kindOf(const PV_CMD& clEnvelope);
    // The code of a result or transport-error reply.
    static quint16 resultOf(const PV_CMD& clAnswer);

public Q_SLOTS:
    void slotReceiveCommand(PV_CMD clCommand);

private:
    bool waitUntil(const std::function<bool()>& fnDone, int lTimeoutMs = 5000);
    // Whether the envelope answers the request: a result or transport error naming it.
    static bool isResultFor(const PV_CMD& clEnvelope, const QUuid& uuidRequest);

    std::unique_ptr<ClVirtualUsbBus> m_upBus;
    std::unique_ptr<ClUsbService> m_upService;
    QList<PV_CMD> m_lstEnvelopes;
    int m_lAnnouncementsSeen = 0;
    class QEventLoop* m_pclWaitLoop = nullptr;
};
