#pragma once
// The USB worker as its owner sees it: runs a ClUsbManager on a thread of its own, passes
// requests to it and its replies and notices back, and stops it in an order that cannot
// race. Lives on the owner's thread; every reply reaches the owner there.
#include "ClExchangeDeadline.h"
#include "protocol/PvCmd.h"

#include <QList>
#include <QObject>
#include <QThread>

#include <memory>

class ClUsbApi;
class ClUsbManager;

class ClUsbService : public QObject
{
    Q_OBJECT

public:
    // pclApi null: the real libusb. A given api must outlive the service.
    explicit ClUsbService(ClUsbApi* pclApi = nullptr, QObject* pclParent = nullptr);
    // After it returns: no reply is delivered, every camera is closed (on the worker
    // thread), the thread has ended. An exchange under way is finished first; requests
    // still waiting are dropped.
    ~ClUsbService() override;

    // Vendor in the low 16 bits, product in the high 16 bits. Waits for the worker; true
    // when a bus was found.
    bool init(QList<quint32> lstIdentities);
    // The same without waiting: the worker opens the bus and scans it after whatever was
    // queued before, then reports through sigBusReady. Requests queued after it come after
    // the first scan, as they do after init().
    void start(QList<quint32> lstIdentities);
    // They take effect for the requests and cameras that come after them.
    void setResponseTimeout(int lTimeoutMs);
    void setSettleDelay(int lDelayMs);
    void setExchangeAllowance(const ClExchangeDeadline::Allowance& stAllowance);

Q_SIGNALS:
    // Replies and notices, delivered on the owner's thread.
    void sigSendCommand(PV_CMD clCommand);
    // After start(): bBus false when no bus was found, and no camera ever will be.
    void sigBusReady(bool bBus);

public Q_SLOTS:
    // Requests, queued to the worker in the order they come.
    void slotReceiveCommand(PV_CMD clCommand);

private:
    // Calls fnCall(worker) on the worker's thread, after everything queued before it.
    template <class Call> void queue(Call fnCall);

    std::unique_ptr<ClUsbApi> m_upOwnedApi;
    QThread m_clThread;
    // Lives on m_clThread and is deleted there when the thread ends.
    ClUsbManager* m_pclWorker = nullptr;
};
