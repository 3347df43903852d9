#include "ClWorkerRig.h"

#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualUsbBus.h"
#include "virtualcamera/ClVirtualUsbDevice.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
constexpr quint32 ulCameraIdentity = 0x020109A1;
}  // namespace

ClWorkerRig::ClWorkerRig()
    : m_upBus(std::make_unique<ClVirtualUsbBus>()), m_upService(std::make_unique<ClUsbService>(m_upBus.get()))
{
    m_upBus->setImmediateTimeouts(true);
    m_upService->setSettleDelay(5);
    connect(m_upService.get(), &ClUsbService::sigSendCommand, this, &ClWorkerRig::slotReceiveCommand);
    m_upService->init({ulCameraIdentity});
}

ClWorkerRig::~ClWorkerRig()
{
    // The worker closes its cameras through the bus, so it goes first.
    m_upService.reset();
    m_upBus.reset();
}

PV_CMD ClWorkerRig::args(const QVariantList& lstValues)
{
    PV_CMD clArgs;
    for (int i = 0; i < lstValues.size(); ++i)
        clArgs.insert(QStringLiteral("PARAM%1").arg(i + 2), lstValues.at(i));
    return clArgs;
}

QUuid ClWorkerRig::kindOf(const PV_CMD& clEnvelope)
{
    return clEnvelope.value(QStringLiteral("CMD")).toUuid();
}

quint16 ClWorkerRig::resultOf(const PV_CMD& clAnswer)
{
    return clAnswer.value(QStringLiteral("PARAM3")).value<quint16>();
}

bool ClWorkerRig::isResultFor(const PV_CMD& clEnvelope, const QUuid& uuidRequest)
{
    const QUuid uuidKind = kindOf(clEnvelope);
    return (uuidKind == ClCommandKinds::result() || uuidKind == ClCommandKinds::transportError())
        && clEnvelope.value(QStringLiteral("PARAM2")).toUuid() == uuidRequest;
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
    if (fnDone())
        return true;
    // Every envelope that arrives ends a round of the loop, and so does the tick, so that the
    // condition is checked again. One timer for the whole wait: a single-shot timer per round
    // would outlive its round, and thousands of them would make every later wait slower.
    QEventLoop clLoop;
    QTimer clTick;
    connect(&clTick, &QTimer::timeout, &clLoop, &QEventLoop::quit);
    clTick.start(qBound(1, lTimeoutMs, 50));
    m_pclWaitLoop = &clLoop;
    bool bDone = false;
    while (!(bDone = fnDone()) && !clDeadline.hasExpired())
        clLoop.exec();
    m_pclWaitLoop = nullptr;
    return bDone;
}

int ClWorkerRig::count(const QUuid& uuidKind) const
{
    return int(std::count_if(m_lstEnvelopes.cbegin(), m_lstEnvelopes.cend(),
                             [&](const PV_CMD& clEnvelope) { return kindOf(clEnvelope) == uuidKind; }));
}

void* ClWorkerRig::waitForAnnouncement()
{
    // Each announcement is followed by the answer to the worker's own name query; both
    // must be in, so that the answer is not taken for the one to a later request.
    const QUuid uuidName = ClCommandCatalogue::requestKindOf("ClTovuCommandGetMachineName");
    auto fnNameAnswers = [&] {
        return int(std::count_if(m_lstEnvelopes.cbegin(), m_lstEnvelopes.cend(),
                                 [&](const PV_CMD& clEnvelope) { return isResultFor(clEnvelope, uuidName); }));
    };
    if (!waitUntil([&] { return fnNameAnswers() > m_lAnnouncementsSeen; }))
        return nullptr;
    ++m_lAnnouncementsSeen;
    for (auto it = m_lstEnvelopes.crbegin(); it != m_lstEnvelopes.crend(); ++it) {
        if (kindOf(*it) == ClCommandKinds::cameraConnected())
            return it->value(QStringLiteral("PARAM1")).value<void*>();
    }
    return nullptr;
}

void* ClWorkerRig::plug(ClVirtualUsbDevice* pclCamera)
{
    m_upBus->plug(pclCamera);
    return waitForAnnouncement();
}

void ClWorkerRig::post(void* pHandle, const QUuid& uuidKind, const PV_CMD& clArgs)
{
    PV_CMD clRequest = clArgs;
    clRequest.insert(QStringLiteral("CMD"), uuidKind);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    clRequest.insert(QStringLiteral("Sender"), QVariant::fromValue<QObject*>(this));
    m_upService->slotReceiveCommand(clRequest);
}

PV_CMD ClWorkerRig::request(void* pHandle, const QUuid& uuidKind, const PV_CMD& clArgs, int lTimeoutMs)
{
    const qsizetype lFrom = m_lstEnvelopes.size();
    const ClCommandEntry* pstEntry = ClCommandCatalogue::findByRequest(uuidKind);
    const QUuid uuidReply = pstEntry ? pstEntry->uuidReply : QUuid();
    PV_CMD clAnswer;
    auto fnAnswered = [&] {
        for (qsizetype i = lFrom; i < m_lstEnvelopes.size(); ++i) {
            const PV_CMD& clEnvelope = m_lstEnvelopes.at(i);
            if (isResultFor(clEnvelope, uuidKind) || (!uuidReply.isNull() && kindOf(clEnvelope) == uuidReply)) {
                clAnswer = clEnvelope;
                return true;
            }
        }
        return false;
    };
    post(pHandle, uuidKind, clArgs);
    waitUntil(fnAnswered, lTimeoutMs);
    return clAnswer;
}

PV_CMD ClWorkerRig::request(void* pHandle, const char* pszClassName, const PV_CMD& clArgs, int lTimeoutMs)
{
    return request(pHandle, ClCommandCatalogue::requestKindOf(pszClassName), clArgs, lTimeoutMs);
}
