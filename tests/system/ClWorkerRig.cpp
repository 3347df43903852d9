#include "ClWorkerRig.h"

#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClUsbManager.h"
#include "ClVirtualCamera.h"
#include "ClVirtualUsbBus.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
QUuid kindOf(const PV_CMD& clEnvelope)
{
    return clEnvelope.value(QStringLiteral("CMD")).toUuid();
}
}  // namespace

ClWorkerRig::ClWorkerRig(int lSettleDelayMs)
    : m_upBus(std::make_unique<ClVirtualUsbBus>()), m_upManager(std::make_unique<ClUsbManager>(nullptr, m_upBus.get()))
{
    m_upBus->setImmediateTimeouts(true);
    m_upManager->setSettleDelay(lSettleDelayMs);
    connect(m_upManager.get(), &ClUsbManager::sigSendCommand, this, &ClWorkerRig::slotReceiveCommand);
    m_upManager->init({ulCameraIdentity});
}

ClWorkerRig::~ClWorkerRig()
{
    // The worker closes its cameras through the bus, so it goes first.
    m_upManager.reset();
    m_upBus.reset();
}

PV_CMD ClWorkerRig::args(std::initializer_list<QVariant> lstValues)
{
    PV_CMD clArgs;
    int lKey = 2;
    for (const QVariant& clValue : lstValues)
        clArgs.insert(QStringLiteral("PARAM%1").arg(lKey++), clValue);
    return clArgs;
}

void ClWorkerRig::slotReceiveCommand(PV_CMD clCommand)
{
    m_lstEnvelopes.append(clCommand);
    if (m_pclWaitLoop)
        m_pclWaitLoop->quit();
}

bool ClWorkerRig::waitUntil(const std::function<bool()>& fnDone, int lTimeoutMs)
{
    const QDeadlineTimer clDeadline(lTimeoutMs);
    while (!fnDone()) {
        if (clDeadline.hasExpired())
            return false;
        // Every envelope that arrives ends the wait, so that the condition is checked again.
        QEventLoop clLoop;
        QTimer clTick;
        clTick.setSingleShot(true);
        connect(&clTick, &QTimer::timeout, &clLoop, &QEventLoop::quit);
        clTick.start(int(qMin<qint64>(50, clDeadline.remainingTime())));
        m_pclWaitLoop = &clLoop;
        clLoop.exec();
        m_pclWaitLoop = nullptr;
    }
    return true;
}

int ClWorkerRig::count(const QUuid& uuidKind) const
{
    int lCount = 0;
    for (const PV_CMD& clEnvelope : m_lstEnvelopes)
        lCount += kindOf(clEnvelope) == uuidKind ? 1 : 0;
    return lCount;
}

void* ClWorkerRig::waitForAnnouncement(int lTimeoutMs)
{
    // The announcement is followed by the result of the name query; both must be in, so
    // that the result is not taken for the answer to a later request of the same kind.
    const int lWanted = m_lAnnouncementsSeen + 1;
    const QUuid uuidName = ClCommandCatalogue::requestKind("ClTovuCommandGetMachineName");
    void* pHandle = nullptr;
    auto fnAnnounced = [&] {
        int lSeen = 0;
        for (qsizetype i = 0; i < m_lstEnvelopes.size(); ++i) {
            const PV_CMD& clEnvelope = m_lstEnvelopes.at(i);
            if (kindOf(clEnvelope) != ClCommandKinds::cameraConnected() || ++lSeen != lWanted)
                continue;
            for (qsizetype j = i + 1; j < m_lstEnvelopes.size(); ++j) {
                const PV_CMD& clResult = m_lstEnvelopes.at(j);
                const QUuid uuidKind = kindOf(clResult);
                if ((uuidKind == ClCommandKinds::result() || uuidKind == ClCommandKinds::transportError())
                    && clResult.value(QStringLiteral("PARAM2")).toUuid() == uuidName) {
                    pHandle = clEnvelope.value(QStringLiteral("PARAM1")).value<void*>();
                    return true;
                }
            }
            return false;
        }
        return false;
    };
    if (!waitUntil(fnAnnounced, lTimeoutMs))
        return nullptr;
    m_lAnnouncementsSeen = lWanted;
    return pHandle;
}

void* ClWorkerRig::plug(ClVirtualCamera* pclCamera, int lTimeoutMs)
{
    m_upBus->plug(pclCamera);
    return waitForAnnouncement(lTimeoutMs);
}

void ClWorkerRig::send(const PV_CMD& clRequest)
{
    ClUsbManager* pclManager = m_upManager.get();
    QMetaObject::invokeMethod(
        pclManager, [pclManager, clRequest] { pclManager->slotReceiveCommand(clRequest); }, Qt::QueuedConnection);
}

PV_CMD ClWorkerRig::request(void* pHandle, const QUuid& uuidKind, const PV_CMD& clArgs, int lTimeoutMs)
{
    PV_CMD clRequest = clArgs;
    clRequest.insert(QStringLiteral("CMD"), uuidKind);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    clRequest.insert(QStringLiteral("Sender"), QVariant::fromValue<QObject*>(this));
    const qsizetype lFrom = m_lstEnvelopes.size();
    const ClCommandEntry* pstEntry = ClCommandCatalogue::findByRequest(uuidKind);
    const QUuid uuidReply = pstEntry ? pstEntry->uuidReply : QUuid();
    PV_CMD clAnswer;
    auto fnAnswered = [&] {
        for (qsizetype i = lFrom; i < m_lstEnvelopes.size(); ++i) {
            const PV_CMD& clEnvelope = m_lstEnvelopes.at(i);
            const QUuid uuidGot = kindOf(clEnvelope);
            const bool bResult = (uuidGot == ClCommandKinds::result() || uuidGot == ClCommandKinds::transportError())
                                 && clEnvelope.value(QStringLiteral("PARAM2")).toUuid() == uuidKind;
            if (bResult || (!uuidReply.isNull() && uuidGot == uuidReply)) {
                clAnswer = clEnvelope;
                return true;
            }
        }
        return false;
    };
    send(clRequest);
    waitUntil(fnAnswered, lTimeoutMs);
    return clAnswer;
}

PV_CMD ClWorkerRig::request(void* pHandle, const char* pszClassName, const PV_CMD& clArgs, int lTimeoutMs)
{
    return request(pHandle, ClCommandCatalogue::requestKind(pszClassName), clArgs, lTimeoutMs);
}
