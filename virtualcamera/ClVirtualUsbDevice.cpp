#include "ClVirtualUsbDevice.h"

#include "usb/ClUsbApi.h"

#include <cstring>

ClVirtualUsbDevice::ClVirtualUsbDevice(const ClVirtualUsbShape& clShape, QObject* pclParent)
    : QObject(pclParent), m_clShape(clShape)
{}

ClVirtualUsbDevice::~ClVirtualUsbDevice() = default;

void ClVirtualUsbDevice::handleRead(int) {}

void ClVirtualUsbDevice::handleOpen() {}

void ClVirtualUsbDevice::handleClose() {}

void ClVirtualUsbDevice::queueResponse(const QByteArray& clData, int lDelayMs)
{
    QMutexLocker clLocker(&m_clLock);
    m_dqResponses.push_back(Response {clData, QDeadlineTimer(qMax(0, lDelayMs))});
    m_clChanged.wakeAll();
}

void ClVirtualUsbDevice::clearResponses()
{
    QMutexLocker clLocker(&m_clLock);
    m_dqResponses.clear();
}

int ClVirtualUsbDevice::pendingResponses() const
{
    QMutexLocker clLocker(&m_clLock);
    return int(m_dqResponses.size());
}

void ClVirtualUsbDevice::failTransfers(Direction eDirection, int lCount, int lError)
{
    QMutexLocker clLocker(&m_clLock);
    m_eFailDirection = eDirection;
    m_lFailCount = qMax(0, lCount);
    m_lFailError = lError;
}

void ClVirtualUsbDevice::returnZeroBytes(Direction eDirection, int lCount)
{
    QMutexLocker clLocker(&m_clLock);
    m_eZeroDirection = eDirection;
    m_lZeroCount = qMax(0, lCount);
}

void ClVirtualUsbDevice::unplugAtTransfer(Direction eDirection, int lNth)
{
    QMutexLocker clLocker(&m_clLock);
    m_eUnplugDirection = eDirection;
    m_lUnplugCountdown = qMax(0, lNth);
}

void ClVirtualUsbDevice::setTransferDelay(int lDelayMs)
{
    QMutexLocker clLocker(&m_clLock);
    m_lDelayMs = qMax(0, lDelayMs);
}

void ClVirtualUsbDevice::setOpenFails(bool bFails)
{
    QMutexLocker clLocker(&m_clLock);
    m_bOpenFails = bFails;
}

void ClVirtualUsbDevice::setClaimError(int lError)
{
    QMutexLocker clLocker(&m_clLock);
    m_lClaimError = lError;
}

void ClVirtualUsbDevice::clearFaults()
{
    QMutexLocker clLocker(&m_clLock);
    m_lFailCount = 0;
    m_lZeroCount = 0;
    m_lUnplugCountdown = 0;
    m_lDelayMs = 0;
    m_bOpenFails = false;
    m_lClaimError = 0;
}

int ClVirtualUsbDevice::writeCount() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lWriteCount;
}

int ClVirtualUsbDevice::readCount() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lReadCount;
}

int ClVirtualUsbDevice::lastWriteEndpoint() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lLastWriteEndpoint;
}

int ClVirtualUsbDevice::lastReadEndpoint() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lLastReadEndpoint;
}

int ClVirtualUsbDevice::openHandles() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lOpenHandles;
}

bool ClVirtualUsbDevice::isPlugged() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_bPlugged;
}

ClVirtualUsbBus* ClVirtualUsbDevice::bus() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_pclBus;
}

bool ClVirtualUsbDevice::matches(Direction eFault, Direction eTransfer)
{
    return (int(eFault) & int(eTransfer)) != 0;
}

ClVirtualUsbDevice::Action ClVirtualUsbDevice::takeFault(Direction eTransfer, int lEndpoint, int* plResult)
{
    QMutexLocker clLocker(&m_clLock);
    if (eTransfer == Direction::Write) {
        ++m_lWriteCount;
        m_lLastWriteEndpoint = lEndpoint;
    } else {
        ++m_lReadCount;
        m_lLastReadEndpoint = lEndpoint;
    }
    if (m_lUnplugCountdown > 0 && matches(m_eUnplugDirection, eTransfer)) {
        if (--m_lUnplugCountdown == 0) {
            *plResult = ClUsbApi::lErrorGone;
            return Action::Unplug;
        }
    }
    if (m_lFailCount > 0 && matches(m_eFailDirection, eTransfer)) {
        --m_lFailCount;
        *plResult = m_lFailError;
        return Action::Result;
    }
    if (m_lZeroCount > 0 && matches(m_eZeroDirection, eTransfer)) {
        --m_lZeroCount;
        *plResult = 0;
        return Action::Result;
    }
    return Action::Proceed;
}

int ClVirtualUsbDevice::takeResponse(char* pBytes, int lSize, int lTimeoutMs, bool bImmediate)
{
    QMutexLocker clLocker(&m_clLock);
    // A wait of 0 would block a real libusb 0.1 forever; here it simply does not wait.
    const QDeadlineTimer clDeadline(bImmediate ? 0 : qMax(0, lTimeoutMs));
    for (;;) {
        if (!m_bPlugged)
            return ClUsbApi::lErrorGone;
        if (!m_dqResponses.empty() && m_dqResponses.front().clReady.hasExpired()) {
            Response& stFront = m_dqResponses.front();
            const int lCount = qMin(lSize, int(stFront.clData.size()));
            std::memcpy(pBytes, stFront.clData.constData(), size_t(lCount));
            if (lCount < stFront.clData.size())
                stFront.clData.remove(0, lCount);
            else
                m_dqResponses.pop_front();
            return lCount;
        }
        if (clDeadline.hasExpired())
            return ClUsbApi::lErrorTimedOut;
        QDeadlineTimer clWake = clDeadline;
        if (!m_dqResponses.empty() && m_dqResponses.front().clReady < clWake)
            clWake = m_dqResponses.front().clReady;
        m_clChanged.wait(&m_clLock, clWake);
    }
}

int ClVirtualUsbDevice::transferDelay() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lDelayMs;
}

bool ClVirtualUsbDevice::openFails() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_bOpenFails;
}

int ClVirtualUsbDevice::claimError() const
{
    QMutexLocker clLocker(&m_clLock);
    return m_lClaimError;
}

void ClVirtualUsbDevice::setPlugged(ClVirtualUsbBus* pclBus, bool bPlugged)
{
    QMutexLocker clLocker(&m_clLock);
    m_pclBus = pclBus;
    m_bPlugged = bPlugged;
    if (!bPlugged) {
        // What the device had not sent yet is lost with the cable.
        m_dqResponses.clear();
        m_clChanged.wakeAll();
    }
}

void ClVirtualUsbDevice::noteHandle(int lDelta)
{
    QMutexLocker clLocker(&m_clLock);
    m_lOpenHandles += lDelta;
}
