#include "ClUsbManager.h"

#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "ClLibUsbApi.h"
#include "protocol/ClPacketListCommand.h"
#include "protocol/ClReceiveDataCommand.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClSendBlockCommand.h"
#include "protocol/ClTovuCommandDataReceive.h"
#include "protocol/TypedKinds.h"
#include "ClUsbChangeNotifier.h"
#include "ClUsbController.h"
#include "ClUsbLog.h"

#include <QTimer>

namespace {
const QString strCmd = QStringLiteral("CMD");
const QString strParam1 = QStringLiteral("PARAM1");
const QString strParam2 = QStringLiteral("PARAM2");
const QString strParam3 = QStringLiteral("PARAM3");

QVariant handleValue(ClUsbController* pclCamera)
{
    return QVariant::fromValue(static_cast<void*>(pclCamera));
}
}  // namespace

ClUsbManager::ClUsbManager(QObject* pclParent, ClUsbApi* pclApi) : QThread(pclParent), m_pclApi(pclApi)
{
    PvCmd::registerMetaTypes();
    if (!m_pclApi) {
        m_pclOwnedApi = new ClLibUsbApi();
        m_pclApi = m_pclOwnedApi;
    }
    m_clExchange.setResponseTimeout(lDefaultResponseTimeoutMs);
    // A QObject cannot move to another thread while it has a parent; the parent still
    // deletes it, which ends the thread first.
    QObject* pclOwner = parent();
    setParent(nullptr);
    start(QThread::InheritPriority);
    moveToThread(this);
    if (pclOwner) {
        // Re-parenting across threads is refused by Qt, so the owner deletes the worker
        // when it goes.
        connect(pclOwner, &QObject::destroyed, this, [this] { delete this; }, Qt::DirectConnection);
    }
}

ClUsbManager::~ClUsbManager()
{
    m_bClosing = true;
    do {
        quit();
    } while (!wait(100));
    delete m_pclOwnedApi;
}

void ClUsbManager::run()
{
    exec();
    shutDownOnWorker();
}

void ClUsbManager::shutDownOnWorker()
{
    for (auto it = m_mapSettleTimers.cbegin(); it != m_mapSettleTimers.cend(); ++it)
        delete it.key();
    m_mapSettleTimers.clear();
    // Closed quietly: the tool is going, nobody is told of the cameras leaving.
    const QList<ClUsbController*> lstControllers = m_lstControllers;
    m_lstControllers.clear();
    for (ClUsbController* pclCamera : lstControllers) {
        disconnect(pclCamera, nullptr, this, nullptr);
        pclCamera->close();
        delete pclCamera;
    }
    delete m_pclNotifier;
    m_pclNotifier = nullptr;
}

bool ClUsbManager::init(QList<quint32> lstIdentities)
{
    if (m_bInitialized)
        return true;
    if (QThread::currentThread() == this)
        return initOnWorker(lstIdentities);
    bool bReady = false;
    QMetaObject::invokeMethod(
        this, [this, &bReady, &lstIdentities] { bReady = initOnWorker(lstIdentities); },
        Qt::BlockingQueuedConnection);
    return bReady;
}

bool ClUsbManager::initOnWorker(const QList<quint32>& lstIdentities)
{
    if (m_bInitialized)
        return true;
    m_lstIdentities = lstIdentities;
    if (!m_pclNotifier) {
        m_pclNotifier = m_pclApi->createChangeNotifier();
        if (!m_pclNotifier)
            return false;
        // Queued even on this thread: a notice raised inside a transfer must not scan
        // in the middle of that exchange.
        connect(m_pclNotifier, &ClUsbChangeNotifier::sigChanged, this, &ClUsbManager::scan, Qt::QueuedConnection);
        m_pclNotifier->start();
    }
    m_pclApi->setDebug(0);
    m_pclApi->init();
    if (m_pclApi->findBusses() <= 0) {
        qCWarning(lcTovuUsb) << "no USB bus found";
        return false;
    }
    m_bInitialized = true;
    scan();
    return true;
}

void ClUsbManager::setResponseTimeout(int lTimeoutMs)
{
    m_clExchange.setResponseTimeout(lTimeoutMs);
}

int ClUsbManager::responseTimeout() const
{
    return m_clExchange.responseTimeout();
}

bool ClUsbManager::isAccepted(const struct usb_device* pstDevice) const
{
    const quint32 ulIdentity = quint32(pstDevice->descriptor.idVendor) | (quint32(pstDevice->descriptor.idProduct) << 16);
    return m_lstIdentities.contains(ulIdentity);
}

void ClUsbManager::scan()
{
    if (!m_bInitialized || m_bClosing)
        return;
    m_pclApi->findDevices();
    QList<ClUsbController*> lstMissing = m_lstControllers;
    for (usb_bus* pstBus = m_pclApi->getBusses(); pstBus; pstBus = pstBus->next) {
        for (struct usb_device* pstDevice = pstBus->devices; pstDevice; pstDevice = pstDevice->next) {
            if (!isAccepted(pstDevice))
                continue;
            ClUsbController* pclKnown = nullptr;
            for (ClUsbController* pclCamera : std::as_const(m_lstControllers)) {
                if (pclCamera->isMadeFrom(pstDevice))
                    pclKnown = pclCamera;
            }
            if (pclKnown) {
                lstMissing.removeAll(pclKnown);
                continue;
            }
            auto* pclCamera = new ClUsbController(pstDevice, m_pclApi);
            if (!pclCamera->open()) {
                // Tried again at the next notice.
                delete pclCamera;
                continue;
            }
            connect(pclCamera, &ClUsbController::sigClose, this, &ClUsbManager::slotRemoveController);
            m_lstControllers.append(pclCamera);
            auto* pclTimer = new QTimer(this);
            pclTimer->setSingleShot(true);
            // A coarse timer may fire up to 5 % early; the camera gets its full settling time.
            pclTimer->setTimerType(Qt::PreciseTimer);
            m_mapSettleTimers.insert(pclTimer, pclCamera);
            connect(pclTimer, &QTimer::timeout, this, &ClUsbManager::slotConnectWaitEnd);
            pclTimer->start(m_lSettleDelayMs);
            qCInfo(lcTovuUsb) << "camera opened on" << pstBus->dirname << pstDevice->filename;
        }
    }
    for (ClUsbController* pclCamera : std::as_const(lstMissing))
        slotRemoveController(pclCamera);
}

void ClUsbManager::slotRemoveController(ClUsbController* pclCamera)
{
    if (!m_lstControllers.contains(pclCamera))
        return;
    m_lstControllers.removeAll(pclCamera);
    // A timer left behind could announce another camera that happens to get this address.
    for (auto it = m_mapSettleTimers.begin(); it != m_mapSettleTimers.end();) {
        if (it.value() == pclCamera) {
            it.key()->deleteLater();
            it = m_mapSettleTimers.erase(it);
        } else {
            ++it;
        }
    }
    disconnect(pclCamera, nullptr, this, nullptr);
    pclCamera->close();
    qCInfo(lcTovuUsb) << "camera removed";
    PV_CMD clRemoved;
    clRemoved.insert(strCmd, ClCommandKinds::cameraRemoved());
    clRemoved.insert(strParam1, handleValue(pclCamera));
    reply(clRemoved);
    // Later, not now: this may run inside the controller's own transfer.
    pclCamera->deleteLater();
}

void ClUsbManager::slotConnectWaitEnd()
{
    auto* pclTimer = qobject_cast<QTimer*>(sender());
    ClUsbController* pclCamera = m_mapSettleTimers.take(pclTimer);
    if (pclTimer)
        pclTimer->deleteLater();
    if (!pclCamera || !m_lstControllers.contains(pclCamera))
        return;
    PV_CMD clQuery;
    clQuery.insert(strCmd, requestKind<ClTovuCommandGetMachineName>());
    clQuery.insert(strParam1, handleValue(pclCamera));
    m_bNameQueryPending = true;
    slotReceiveCommand(clQuery);
    // Never left set: a page's own name request later is an ordinary request.
    m_bNameQueryPending = false;
}

ClUsbController* ClUsbManager::controllerOf(const QVariant& clHandle) const
{
    // Compared with the list, never dereferenced before it is found there.
    void* pHandle = nullptr;
    if (clHandle.metaType().id() == QMetaType::VoidStar)
        pHandle = clHandle.value<void*>();
    for (ClUsbController* pclCamera : m_lstControllers) {
        if (pclCamera == pHandle)
            return pclCamera;
    }
    return nullptr;
}

void ClUsbManager::slotReceiveCommand(PV_CMD clCommand)
{
    if (m_bClosing)
        return;
    const QUuid uuidKind = clCommand.value(strCmd).toUuid();
    if (uuidKind == ClCommandKinds::rawRead()) {
        readRaw(clCommand);
        return;
    }
    ClUsbController* pclCamera = controllerOf(clCommand.value(strParam1));
    const ClCommandEntry* pstEntry = ClCommandCatalogue::findByRequest(uuidKind);
    if (!pstEntry) {
        // Nothing was sent: answering 0 would tell the page its command went through.
        qCWarning(lcTovuUsb) << "refused an envelope whose kind names no command:" << uuidKind;
        replyResult(uuidKind, clCommand.value(strParam1), ClResultCode::usNothingToSend);
        return;
    }
    runCommand(*pstEntry, clCommand, pclCamera);
}

void ClUsbManager::readRaw(const PV_CMD& clCommand)
{
    ClUsbController* pclCamera = controllerOf(clCommand.value(strParam1));
    if (!pclCamera)
        return;
    if (!pclCamera->isOpen()) {
        slotRemoveController(pclCamera);
        return;
    }
    unsigned short usError = 0;
    const QByteArray clBytes = pclCamera->bulkRead(lRawReadTimeoutMs, 0xFF, &usError);
    // A read that found the camera gone has removed it already.
    if (!m_lstControllers.contains(pclCamera))
        return;
    if (!pclCamera->isOpen()) {
        slotRemoveController(pclCamera);
        return;
    }
    PV_CMD clReply = clCommand;
    clReply.insert(strCmd, ClCommandKinds::rawReadReply());
    clReply.insert(strParam1, handleValue(pclCamera));
    clReply.insert(strParam2, clBytes);
    reply(clReply);
}

void ClUsbManager::runCommand(const ClCommandEntry& stEntry, const PV_CMD& clCommand, ClUsbController* pclCamera)
{
    std::unique_ptr<ClTovuCommand> upCommand = stEntry.pfnBuild(clCommand);
    const quint16 usResult = exchange(stEntry, *upCommand, pclCamera);
    qCDebug(lcTovuUsb) << stEntry.pszClassName << "result" << Qt::hex << usResult;

    if (m_bNameQueryPending && stEntry.uuidRequest == requestKind<ClTovuCommandGetMachineName>()) {
        m_bNameQueryPending = false;
        announce(stEntry, *upCommand, clCommand, pclCamera, usResult);
        return;
    }
    if (usResult == ClResultCode::usSuccess && !stEntry.uuidReply.isNull()) {
        PV_CMD clReply = clCommand;
        const quint16 usValues = stEntry.pfnWriteReply(*upCommand, clReply);
        if (usValues == ClResultCode::usSuccess) {
            clReply.insert(strCmd, stEntry.uuidReply);
            reply(clReply);
            return;
        }
        replyResult(stEntry.uuidRequest, clCommand.value(strParam1), usValues);
        return;
    }
    replyResult(stEntry.uuidRequest, clCommand.value(strParam1), usResult);
}

quint16 ClUsbManager::exchange(const ClCommandEntry& stEntry, ClTovuCommand& clCommand, ClUsbController* pclCamera)
{
    switch (stEntry.eExchange) {
    case ClExchange::Plain:
        return execute(clCommand, pclCamera, responseTimeout());
    case ClExchange::SendData: {
        auto* pclSend = dynamic_cast<ClSendBlockCommand*>(&clCommand);
        if (!pclSend || pclSend->block().isEmpty())
            return ClResultCode::usNothingToSend;
        ClTovuCommandDataSend clData = pclSend->dataPacket();
        return sendData(clCommand, clData, pclCamera);
    }
    case ClExchange::ReceiveData: {
        ClTovuCommandDataReceive clData(clCommand.sequence(), 0);
        const quint16 usResult = receiveData(clCommand, clData, pclCamera);
        if (usResult == ClResultCode::usSuccess) {
            if (auto* pclReceive = dynamic_cast<ClReceiveDataCommand*>(&clCommand))
                pclReceive->setReceivedData(clData.data());
        }
        return usResult;
    }
    case ClExchange::WifiInfo:
    case ClExchange::AccesspointList:
    case ClExchange::ScheduleList: {
        auto* pclList = dynamic_cast<ClPacketListCommand*>(&clCommand);
        if (!pclList)
            return ClResultCode::usNothingToSend;
        if (stEntry.eExchange == ClExchange::WifiInfo)
            return wifiInfo(*pclList, pclCamera);
        if (stEntry.eExchange == ClExchange::AccesspointList)
            return accesspointList(*pclList, pclCamera);
        return scheduleList(*pclList, pclCamera);
    }
    }
    return ClResultCode::usNothingToSend;
}

void ClUsbManager::announce(const ClCommandEntry& stEntry, const ClTovuCommand& clCommand, const PV_CMD& clRequest,
                            ClUsbController* pclCamera, quint16 usResult)
{
    int lModel = -1;
    if (usResult == ClResultCode::usSuccess) {
        PV_CMD clValues;
        if (stEntry.pfnWriteReply(clCommand, clValues) == ClResultCode::usSuccess) {
            const QString strName = clValues.value(strParam2).toString();
            if (strName == QLatin1String("Tovu"))
                lModel = 0;
            else if (strName == QLatin1String("Tovu-S"))
                lModel = 1;
        }
    }
    if (m_lstControllers.contains(pclCamera))
        pclCamera->setModel(lModel);
    qCInfo(lcTovuUsb) << "camera announced with model" << lModel;

    PV_CMD clConnected = clRequest;
    clConnected.insert(strCmd, ClCommandKinds::cameraConnected());
    clConnected.insert(strParam1, handleValue(pclCamera));
    clConnected.insert(strParam2, lModel);
    // The outcome of the query: the camera's status when it answered, else the transport
    // code (the command's own code field still holds the request's code then).
    clConnected.insert(strParam3, QVariant::fromValue<quint16>(usResult));
    reply(clConnected);
    replyResult(stEntry.uuidRequest, handleValue(pclCamera), usResult);
}

void ClUsbManager::reply(const PV_CMD& clReply)
{
    if (m_bClosing)
        return;
    Q_EMIT sigSendCommand(clReply);
}

void ClUsbManager::replyResult(const QUuid& uuidKind, const QVariant& clHandle, quint16 usResult)
{
    PV_CMD clReply;
    clReply.insert(strCmd, ClResultCode::isTransportCode(usResult) ? ClCommandKinds::transportError()
                                                                    : ClCommandKinds::result());
    clReply.insert(strParam1, clHandle.isValid() ? clHandle : QVariant::fromValue<void*>(nullptr));
    clReply.insert(strParam2, uuidKind);
    clReply.insert(strParam3, QVariant::fromValue<quint16>(usResult));
    reply(clReply);
}

quint16 ClUsbManager::execute(ClTovuCommand& clCommand, ClUsbController* pclCamera, int lTimeoutMs)
{
    if (!m_lstControllers.contains(pclCamera))
        return ClResultCode::usNoCamera;
    return m_clExchange.execute(clCommand, pclCamera, lTimeoutMs);
}

quint16 ClUsbManager::sendData(ClTovuCommand& clCommand, ClTovuCommandDataSend& clData, ClUsbController* pclCamera)
{
    if (!m_lstControllers.contains(pclCamera))
        return ClResultCode::usNoCamera;
    return m_clExchange.sendData(clCommand, clData, pclCamera);
}

quint16 ClUsbManager::receiveData(ClTovuCommand& clCommand, ClTovuCommandDataReceive& clData,
                                  ClUsbController* pclCamera)
{
    if (!m_lstControllers.contains(pclCamera))
        return ClResultCode::usNoCamera;
    return m_clExchange.receiveData(clCommand, clData, pclCamera);
}

quint16 ClUsbManager::wifiInfo(ClPacketListCommand& clCommand, ClUsbController* pclCamera)
{
    if (!m_lstControllers.contains(pclCamera))
        return ClResultCode::usNothingToSend;
    return m_clExchange.wifiInfo(clCommand, pclCamera);
}

quint16 ClUsbManager::accesspointList(ClPacketListCommand& clCommand, ClUsbController* pclCamera)
{
    if (!m_lstControllers.contains(pclCamera))
        return ClResultCode::usNothingToSend;
    return m_clExchange.accesspointList(clCommand, pclCamera);
}

quint16 ClUsbManager::scheduleList(ClPacketListCommand& clCommand, ClUsbController* pclCamera)
{
    if (!m_lstControllers.contains(pclCamera))
        return ClResultCode::usNothingToSend;
    return m_clExchange.scheduleList(clCommand, pclCamera);
}
