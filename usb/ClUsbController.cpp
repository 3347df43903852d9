#include "ClUsbController.h"

#include "ClUsbApi.h"
#include "ClUsbLog.h"
#include "protocol/ClResultCode.h"

#include <atomic>

namespace {
// 0 is never handed out: a null handle names no camera.
std::atomic<quintptr> s_ulNextHandle {1};
}  // namespace

ClUsbController::ClUsbController(struct usb_device* pclDevice, ClUsbApi* pclApi)
    : m_pclDevice(pclDevice),
      m_pclApi(pclApi),
      m_clLocation(locationOf(pclDevice)),
      m_pHandle(reinterpret_cast<void*>(s_ulNextHandle.fetch_add(1, std::memory_order_relaxed)))
{}

ClUsbController::~ClUsbController() = default;

QByteArray ClUsbController::locationOf(struct usb_device* pclDevice)
{
    if (!pclDevice)
        return QByteArray();
    QByteArray clLocation;
    if (pclDevice->bus)
        clLocation = QByteArray(pclDevice->bus->dirname);
    return clLocation + '/' + QByteArray(pclDevice->filename);
}

bool ClUsbController::isMadeFrom(struct usb_device* pclDevice) const
{
    return pclDevice == m_pclDevice && locationOf(pclDevice) == m_clLocation;
}

QString ClUsbController::deviceNode() const
{
    return QStringLiteral("/dev/bus/usb/") + QString::fromLocal8Bit(m_clLocation);
}

bool ClUsbController::open()
{
    if (m_bOpen)
        return true;
    m_eFailure = Failure::Other;
    if (!m_pclDevice || !m_pclApi)
        return false;
    m_pclHandle = m_pclApi->open(m_pclDevice);
    // libusb 0.1 opens read-only when it may not write, so a node that cannot be opened
    // at all is one this user may not even read.
    if (!m_pclHandle) {
        m_eFailure = Failure::Refused;
        return false;
    }
    m_lstEndpoints.clear();
    m_lstInterfaces.clear();

    const int lConfigurations = m_pclDevice->descriptor.bNumConfigurations;
    bool bFound = false;
    for (int c = 0; c < lConfigurations && !bFound; ++c) {
        if (!m_pclDevice->config)
            continue;
        const usb_config_descriptor& stConfig = m_pclDevice->config[c];
        for (int i = 0; i < stConfig.bNumInterfaces && !bFound; ++i) {
            const int lClaim = m_pclApi->claimInterface(m_pclHandle, i);
            if (lClaim < 0) {
                if (lClaim == ClUsbApi::lErrorBusy)
                    m_eFailure = Failure::Busy;
                else if (lClaim == ClUsbApi::lErrorRefused)
                    m_eFailure = Failure::Refused;
                break;
            }
            m_lstInterfaces.append(i);
            if (!stConfig.interface)
                continue;
            const usb_interface& stInterface = stConfig.interface[i];
            if (stInterface.num_altsetting < 1 || !stInterface.altsetting)
                continue;
            for (int a = 0; a < stInterface.num_altsetting; ++a) {
                const usb_interface_descriptor& stAlt = stInterface.altsetting[a];
                if (!stAlt.endpoint)
                    continue;
                for (int e = 0; e < stAlt.bNumEndpoints; ++e)
                    m_lstEndpoints.append(stAlt.endpoint[e].bEndpointAddress);
            }
            bFound = true;
        }
    }

    if (!m_lstEndpoints.isEmpty()) {
        m_bOpen = true;
        m_eFailure = Failure::None;
        qCDebug(lcTovuUsb) << "opened" << m_clLocation << "interfaces" << m_lstInterfaces << "endpoints"
                           << m_lstEndpoints;
        return true;
    }
    // Interfaces claimed on the way are given back, so that another attempt can claim them.
    releaseInterfaces();
    m_pclApi->close(m_pclHandle);
    m_pclHandle = nullptr;
    return false;
}

void ClUsbController::releaseInterfaces()
{
    while (!m_lstInterfaces.isEmpty())
        m_pclApi->releaseInterface(m_pclHandle, m_lstInterfaces.takeFirst());
}

void ClUsbController::close()
{
    if (!m_bOpen)
        return;
    releaseInterfaces();
    m_pclApi->close(m_pclHandle);
    m_pclHandle = nullptr;
    m_bOpen = false;
    qCDebug(lcTovuUsb) << "closed" << m_clLocation;
    // The receiver may drop this object: nothing of it is touched after the signal.
    Q_EMIT sigClose(this);
}

unsigned char ClUsbController::endpoint(unsigned char ucAddress) const
{
    for (int i = m_lstEndpoints.size() - 1; i >= 0; --i) {
        if (m_lstEndpoints.at(i) == ucAddress)
            return ucAddress;
    }
    for (unsigned char ucEndpoint : m_lstEndpoints) {
        if ((ucEndpoint & 0x80) == (ucAddress & 0x80))
            return ucEndpoint;
    }
    return 0;
}

int ClUsbController::bulkWrite(const QByteArray& clData, int lTimeoutMs)
{
    if (!m_bOpen)
        return ClResultCode::usNoCamera;
    const unsigned char ucEndpoint = endpoint(0);
    if (ucEndpoint == 0)
        return ClResultCode::usNoCamera;

    qCDebug(lcTovuUsbPackets).noquote() << QStringLiteral("write ep 0x%1 %2 bytes: %3")
                                               .arg(ucEndpoint, 2, 16, QLatin1Char('0'))
                                               .arg(clData.size())
                                               .arg(QString::fromLatin1(clData.toHex(' ')));
    // Written from the caller's bytes: a firmware block is megabytes, and a copy to write
    // from would be a second one in memory for each block.
    const int lResult
        = m_pclApi->bulkWrite(m_pclHandle, ucEndpoint, clData.constData(), int(clData.size()), lTimeoutMs);
    if (lResult >= 0)
        return lResult;
    qCDebug(lcTovuUsb) << "write failed with" << lResult;
    return failure(lResult);
}

QByteArray ClUsbController::bulkRead(int lTimeoutMs, unsigned char ucEndpointHint, unsigned short* pusError)
{
    if (!m_bOpen) {
        if (pusError)
            *pusError = ClResultCode::usNoCamera;
        return QByteArray();
    }
    const unsigned char ucEndpoint = endpoint(ucEndpointHint & 0x80);
    if (ucEndpoint == 0) {
        if (pusError)
            *pusError = ClResultCode::usNoCamera;
        return QByteArray();
    }

    // Not cleared first: only the bytes the transfer returns are kept.
    QByteArray clBuffer(lMaxReadSize, Qt::Uninitialized);
    const int lResult = m_pclApi->bulkRead(m_pclHandle, ucEndpoint, clBuffer.data(), lMaxReadSize, lTimeoutMs);
    if (lResult > 0) {
        clBuffer.truncate(qMin(lResult, lMaxReadSize));
        qCDebug(lcTovuUsbPackets).noquote() << QStringLiteral("read ep 0x%1 %2 bytes: %3")
                                                   .arg(ucEndpoint, 2, 16, QLatin1Char('0'))
                                                   .arg(clBuffer.size())
                                                   .arg(QString::fromLatin1(clBuffer.toHex(' ')));
        return clBuffer;
    }
    if (lResult == 0)
        return QByteArray();

    qCDebug(lcTovuUsb) << "read failed with" << lResult;
    const quint16 usError = failure(lResult);
    if (pusError)
        *pusError = usError;
    return QByteArray();
}

quint16 ClUsbController::failure(int lResult)
{
    switch (lResult) {
    case ClUsbApi::lErrorGone:
        // Nothing of this object is used after the close: its owner may drop it then.
        close();
        return ClResultCode::usNoCamera;
    case ClUsbApi::lErrorBusy:
        return ClResultCode::usBusy;
    case ClUsbApi::lErrorTimedOut:
        return ClResultCode::usTimedOut;
    default:
        return ClResultCode::usTransferFailed;
    }
}
