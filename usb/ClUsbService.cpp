#include "ClUsbService.h"

#include "ClLibUsbApi.h"
#include "ClUsbManager.h"

ClUsbService::ClUsbService(ClUsbApi* pclApi, QObject* pclParent) : QObject(pclParent)
{
    PvCmd::registerMetaTypes();
    if (!pclApi) {
        m_upOwnedApi = std::make_unique<ClLibUsbApi>();
        pclApi = m_upOwnedApi.get();
    }
    m_pclWorker = new ClUsbManager(*pclApi);
    m_pclWorker->moveToThread(&m_clThread);
    // The worker's destructor closes the cameras, so it must run on the worker's thread:
    // the deletion is the last thing the thread does.
    connect(&m_clThread, &QThread::finished, m_pclWorker, &QObject::deleteLater);
    connect(m_pclWorker, &ClUsbManager::sigSendCommand, this, &ClUsbService::sigSendCommand);
    m_clThread.setObjectName(QStringLiteral("tovu-usb"));
    m_clThread.start();
}

ClUsbService::~ClUsbService()
{
    // First no new reply, then the loop ends after the envelope under way, then the worker
    // goes on its thread. A reply queued before the disconnect waits for this object and
    // goes with it, undelivered: this thread runs no events until it is gone.
    disconnect(m_pclWorker, nullptr, this, nullptr);
    m_clThread.quit();
    m_clThread.wait();
    m_pclWorker = nullptr;
}

bool ClUsbService::init(QList<quint32> lstIdentities)
{
    Q_ASSERT_X(QThread::currentThread() != &m_clThread, "ClUsbService::init", "would wait for itself");
    bool bReady = false;
    ClUsbManager* pclWorker = m_pclWorker;
    QMetaObject::invokeMethod(
        pclWorker, [pclWorker, &bReady, &lstIdentities] { bReady = pclWorker->init(lstIdentities); },
        Qt::BlockingQueuedConnection);
    return bReady;
}

void ClUsbService::start(QList<quint32> lstIdentities)
{
    // The answer comes back as a queued call on this object: dropped if it is gone first.
    queue([this, lstIdentities](ClUsbManager& clWorker) {
        const bool bBus = clWorker.init(lstIdentities);
        QMetaObject::invokeMethod(this, [this, bBus] { Q_EMIT sigBusReady(bBus); }, Qt::QueuedConnection);
    });
}

template <class Call> void ClUsbService::queue(Call fnCall)
{
    ClUsbManager* pclWorker = m_pclWorker;
    // The worker is the context: a call still queued when it goes is dropped with it.
    QMetaObject::invokeMethod(
        pclWorker, [pclWorker, fnCall] { fnCall(*pclWorker); }, Qt::QueuedConnection);
}

void ClUsbService::setResponseTimeout(int lTimeoutMs)
{
    queue([lTimeoutMs](ClUsbManager& clWorker) { clWorker.setResponseTimeout(lTimeoutMs); });
}

void ClUsbService::setSettleDelay(int lDelayMs)
{
    queue([lDelayMs](ClUsbManager& clWorker) { clWorker.setSettleDelay(lDelayMs); });
}

void ClUsbService::setExchangeAllowance(const ClExchangeDeadline::Allowance& stAllowance)
{
    queue([stAllowance](ClUsbManager& clWorker) { clWorker.setExchangeAllowance(stAllowance); });
}

void ClUsbService::slotReceiveCommand(PV_CMD clCommand)
{
    queue([clCommand](ClUsbManager& clWorker) { clWorker.slotReceiveCommand(clCommand); });
}
