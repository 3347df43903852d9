#include "ClUsbManager.h"

#include "ClUsbApi.h"
#include "ClUsbChangeNotifier.h"
#include "ClUsbController.h"
#include "ClUsbExchange.h"
#include "ClUsbHolder.h"
#include "ClUsbLog.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClUnusableReason.h"
#include "protocol/TypedKinds.h"

#include <QThread>
#include <QTimer>

#include <algorithm>

ClUsbManager::ClUsbManager(ClUsbApi& clApi, QObject* pclParent) : QObject(pclParent), m_clApi(clApi) {}

ClUsbManager::~ClUsbManager()
{
    assertOnWorkerThread();
    // Closed quietly: the tool is going, nobody is told of the cameras leaving.
    for (const std::unique_ptr<ClUsbController>& upCamera : m_vecCameras)
        upCamera->close();
    m_vecCameras.clear();
    m_upNotifier.reset();
}

void ClUsbManager::assertOnWorkerThread() const
{
    Q_ASSERT_X(QThread::currentThread() == thread(), "ClUsbManager", "called off the worker thread");
}

bool ClUsbManager::init(const QList<quint32>& lstIdentities)
{
    assertOnWorkerThread();
    if (m_bInitialized)
        return true;
    m_lstIdentities = lstIdentities;
    if (!m_upNotifier) {
        m_upNotifier.reset(m_clApi.createChangeNotifier());
        if (!m_upNotifier)
            return false;
        // Queued even on this thread: a notice raised inside a transfer must not scan
        // in the middle of that exchange.
        connect(m_upNotifier.get(), &ClUsbChangeNotifier::sigChanged, this, &ClUsbManager::scan, Qt::QueuedConnection);
        m_upNotifier->start();
    }
    m_clApi.setDebug(0);
    m_clApi.init();
    if (m_clApi.findBusses() <= 0) {
        qCWarning(lcTovuUsb) << "no USB bus found";
        return false;
    }
    m_bInitialized = true;
    scan();
    return true;
}

void ClUsbManager::setResponseTimeout(int lTimeoutMs)
{
    assertOnWorkerThread();
    m_lResponseTimeoutMs = lTimeoutMs;
}

void ClUsbManager::setSettleDelay(int lDelayMs)
{
    assertOnWorkerThread();
    m_lSettleDelayMs = lDelayMs;
}

void ClUsbManager::setExchangeAllowance(const ClExchangeDeadline::Allowance& stAllowance)
{
    assertOnWorkerThread();
    m_stAllowance = stAllowance;
}

bool ClUsbManager::isAccepted(const struct usb_device* pstDevice) const
{
    const quint32 ulIdentity
        = quint32(pstDevice->descriptor.idVendor) | (quint32(pstDevice->descriptor.idProduct) << 16);
    return m_lstIdentities.contains(ulIdentity);
}

ClUsbController* ClUsbManager::cameraOf(void* pHandle) const
{
    // A handle is a token compared with the list, never an address to follow.
    for (const std::unique_ptr<ClUsbController>& upCamera : m_vecCameras) {
        if (pHandle && upCamera->handle() == pHandle)
            return upCamera.get();
    }
    return nullptr;
}

void ClUsbManager::scan()
{
    assertOnWorkerThread();
    if (!m_bInitialized)
        return;
    m_clApi.findDevices();
    QList<ClUsbController*> lstMissing;
    for (const std::unique_ptr<ClUsbController>& upCamera : m_vecCameras)
        lstMissing.append(upCamera.get());
    QStringList lstUnusableGone = m_hashUnusable.keys();
    for (usb_bus* pstBus = m_clApi.getBusses(); pstBus; pstBus = pstBus->next) {
        for (struct usb_device* pstDevice = pstBus->devices; pstDevice; pstDevice = pstDevice->next) {
            if (!isAccepted(pstDevice))
                continue;
            const auto itKnown = std::find_if(m_vecCameras.cbegin(), m_vecCameras.cend(),
                                              [&](const auto& upCamera) { return upCamera->isMadeFrom(pstDevice); });
            if (itKnown != m_vecCameras.cend()) {
                lstMissing.removeAll(itKnown->get());
                continue;
            }
            auto upCamera = std::make_unique<ClUsbController>(pstDevice, &m_clApi);
            // One that cannot be opened is tried again at the next notice (or retry).
            if (!upCamera->open()) {
                lstUnusableGone.removeAll(upCamera->deviceNode());
                noteUnusable(*upCamera);
                continue;
            }
            void* pHandle = upCamera->handle();
            // The camera is the timer's context: one that is gone before it settles is never asked.
            QTimer::singleShot(m_lSettleDelayMs, Qt::PreciseTimer, upCamera.get(),
                               [this, pHandle] { askNameWhenSettled(pHandle); });
            m_vecCameras.push_back(std::move(upCamera));
            qCInfo(lcTovuUsb) << "camera opened on" << pstBus->dirname << pstDevice->filename;
        }
    }
    for (ClUsbController* pclCamera : std::as_const(lstMissing))
        removeCamera(pclCamera);
    // Opened at last, or pulled out: the window stops explaining.
    for (const QString& strNode : std::as_const(lstUnusableGone)) {
        m_hashUnusable.remove(strNode);
        PV_CMD clNotice;
        clNotice.insert(ClEnvelope::keyCmd(), ClCommandKinds::cameraUnusable());
        clNotice.insert(ClEnvelope::keyParam(2), qint32(ClUnusableReason::Usable));
        clNotice.insert(ClEnvelope::keyParam(3), strNode);
        clNotice.insert(ClEnvelope::keyParam(4), QStringList());
        Q_EMIT sigSendCommand(clNotice);
    }
    if (!m_hashUnusable.isEmpty() && !m_bRetryPending) {
        m_bRetryPending = true;
        QTimer::singleShot(lUnusableRetryMs, this, [this] {
            m_bRetryPending = false;
            scan();
        });
    }
}

void ClUsbManager::noteUnusable(const ClUsbController& clCamera)
{
    Unusable stNow;
    switch (clCamera.lastFailure()) {
    case ClUsbController::Failure::Refused:
        stNow.lReason = ClUnusableReason::Refused;
        break;
    case ClUsbController::Failure::Busy:
        stNow.lReason = ClUnusableReason::Busy;
        stNow.lstHolders = ClUsbHolder::find(clCamera.deviceNode());
        break;
    default:
        // Nothing the user could be told to do: tried again quietly, as before.
        return;
    }
    const QString strNode = clCamera.deviceNode();
    const auto it = m_hashUnusable.constFind(strNode);
    if (it != m_hashUnusable.constEnd() && it->lReason == stNow.lReason && it->lstHolders == stNow.lstHolders)
        return;
    m_hashUnusable.insert(strNode, stNow);
    qCInfo(lcTovuUsb) << "camera on" << strNode << "cannot be used, reason" << stNow.lReason << stNow.lstHolders;
    PV_CMD clNotice;
    clNotice.insert(ClEnvelope::keyCmd(), ClCommandKinds::cameraUnusable());
    clNotice.insert(ClEnvelope::keyParam(2), stNow.lReason);
    clNotice.insert(ClEnvelope::keyParam(3), strNode);
    clNotice.insert(ClEnvelope::keyParam(4), stNow.lstHolders);
    Q_EMIT sigSendCommand(clNotice);
}

void ClUsbManager::removeCamera(ClUsbController* pclCamera)
{
    const auto it = std::find_if(m_vecCameras.begin(), m_vecCameras.end(),
                                 [pclCamera](const auto& upCamera) { return upCamera.get() == pclCamera; });
    if (it == m_vecCameras.end())
        return;
    std::unique_ptr<ClUsbController> upCamera = std::move(*it);
    m_vecCameras.erase(it);
    upCamera->close();
    qCInfo(lcTovuUsb) << "camera removed";
    PV_CMD clRemoved;
    clRemoved.insert(ClEnvelope::keyCmd(), ClCommandKinds::cameraRemoved());
    clRemoved.insert(ClEnvelope::keyDevice(), QVariant::fromValue(upCamera->handle()));
    Q_EMIT sigSendCommand(clRemoved);
}

void ClUsbManager::askNameWhenSettled(void* pHandle)
{
    assertOnWorkerThread();
    ClUsbController* pclCamera = cameraOf(pHandle);
    if (!pclCamera)
        return;
    PV_CMD clQuery;
    clQuery.insert(ClEnvelope::keyCmd(), requestKind<ClTovuCommandGetMachineName>());
    clQuery.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
    runCommand(*ClCommandCatalogue::findByRequest(requestKind<ClTovuCommandGetMachineName>()), clQuery, pclCamera,
               Answer::Announce);
}

void ClUsbManager::slotReceiveCommand(PV_CMD clCommand)
{
    assertOnWorkerThread();
    const QUuid uuidKind = ClEnvelope::kind(clCommand);
    ClUsbController* pclCamera = cameraOf(ClEnvelope::device(clCommand));
    if (uuidKind == ClCommandKinds::rawRead()) {
        readRaw(clCommand, pclCamera);
        return;
    }
    const ClCommandEntry* pstEntry = ClCommandCatalogue::findByRequest(uuidKind);
    if (!pstEntry) {
        // Nothing was sent: answering 0 would tell the page its command went through.
        qCWarning(lcTovuUsb) << "refused an envelope whose kind names no command:" << uuidKind;
        Q_EMIT sigSendCommand(ClEnvelope::outcomeOf(clCommand, uuidKind, ClResultCode::usNothingToSend));
        return;
    }
    runCommand(*pstEntry, clCommand, pclCamera, Answer::Reply);
}

void ClUsbManager::readRaw(const PV_CMD& clCommand, ClUsbController* pclCamera)
{
    if (!pclCamera)
        return;
    QByteArray clBytes;
    if (pclCamera->isOpen()) {
        unsigned short usError = 0;
        clBytes = pclCamera->bulkRead(lRawReadTimeoutMs, 0xFF, &usError);
    }
    // A camera found gone is forgotten instead of answered.
    if (!pclCamera->isOpen()) {
        removeCamera(pclCamera);
        return;
    }
    PV_CMD clReply = clCommand;
    clReply.insert(ClEnvelope::keyCmd(), ClCommandKinds::rawReadReply());
    clReply.insert(ClEnvelope::keyParam(2), clBytes);
    Q_EMIT sigSendCommand(clReply);
}

void ClUsbManager::runCommand(const ClCommandEntry& stEntry, const PV_CMD& clRequest, ClUsbController* pclCamera,
                              Answer eAnswer)
{
    std::unique_ptr<ClTovuCommand> upCommand = stEntry.pfnBuild(clRequest);
    quint16 usResult = ClResultCode::usNoCamera;
    if (pclCamera) {
        usResult = ClUsbExchange(*pclCamera, m_lResponseTimeoutMs, m_stAllowance).run(stEntry.eExchange, *upCommand);
        // A transfer that found the camera gone closed it: its removal is told before the answer.
        if (!pclCamera->isOpen()) {
            removeCamera(pclCamera);
            pclCamera = nullptr;
        }
    } else if (stEntry.eExchange == ClExchange::WifiInfo || stEntry.eExchange == ClExchange::AccesspointList
               || stEntry.eExchange == ClExchange::ScheduleList) {
        // An unknown camera: 0xEF00, except that the three list exchanges say 0xEF01.
        usResult = ClResultCode::usNothingToSend;
    }
    qCDebug(lcTovuUsb) << stEntry.pszClassName << "result" << Qt::hex << usResult;

    if (eAnswer == Answer::Announce) {
        announce(stEntry, *upCommand, clRequest, pclCamera, usResult);
        return;
    }
    if (usResult == ClResultCode::usSuccess && !stEntry.uuidReply.isNull()) {
        PV_CMD clReply = clRequest;
        const quint16 usValues = stEntry.pfnWriteReply(*upCommand, clReply);
        if (usValues == ClResultCode::usSuccess) {
            clReply.insert(ClEnvelope::keyCmd(), stEntry.uuidReply);
            Q_EMIT sigSendCommand(clReply);
            return;
        }
        usResult = usValues;
    }
    Q_EMIT sigSendCommand(ClEnvelope::outcomeOf(clRequest, stEntry.uuidRequest, usResult));
}

void ClUsbManager::announce(const ClCommandEntry& stEntry, const ClTovuCommand& clCommand, const PV_CMD& clRequest,
                            ClUsbController* pclCamera, quint16 usResult)
{
    int lModel = -1;
    if (usResult == ClResultCode::usSuccess) {
        PV_CMD clValues;
        if (stEntry.pfnWriteReply(clCommand, clValues) == ClResultCode::usSuccess) {
            const QString strName = clValues.value(ClEnvelope::keyParam(2)).toString();
            if (strName == QLatin1String("Tovu"))
                lModel = 0;
            else if (strName == QLatin1String("Tovu-S"))
                lModel = 1;
        }
    }
    if (pclCamera)
        pclCamera->setModel(lModel);
    qCInfo(lcTovuUsb) << "camera announced with model" << lModel;

    // Sent whatever the outcome, so that the window always learns of an opened camera.
    PV_CMD clConnected = clRequest;
    clConnected.insert(ClEnvelope::keyCmd(), ClCommandKinds::cameraConnected());
    clConnected.insert(ClEnvelope::keyParam(2), lModel);
    // The outcome of the query: the camera's status when it answered, else the transport
    // code (the command's own code field still holds the request's code then).
    clConnected.insert(ClEnvelope::keyParam(3), QVariant::fromValue<quint16>(usResult));
    if (pclCamera)
        clConnected.insert(ClEnvelope::keyParam(4), pclCamera->location());
    Q_EMIT sigSendCommand(clConnected);
    Q_EMIT sigSendCommand(ClEnvelope::outcome(stEntry.uuidRequest, ClEnvelope::device(clRequest), usResult));
}
