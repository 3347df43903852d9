#include "ClRawCameraLink.h"

#include "ClVirtualUsbBus.h"

#include <QDataStream>
#include <QIODevice>

#include <functional>

namespace {
QByteArray littleEndian(const std::function<void(QDataStream&)>& fnWrite)
{
    QByteArray clBytes;
    QDataStream clStream(&clBytes, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    fnWrite(clStream);
    return clBytes;
}
}  // namespace

ClRawCameraLink::ClRawCameraLink(ClVirtualUsbBus& clBus) : m_clBus(clBus)
{
    m_clBus.setImmediateTimeouts(true);
    reopen();
}

ClRawCameraLink::~ClRawCameraLink()
{
    if (m_pclHandle)
        m_clBus.close(m_pclHandle);
}

bool ClRawCameraLink::reopen()
{
    if (m_pclHandle)
        m_clBus.close(m_pclHandle);
    m_pclHandle = nullptr;
    m_clBus.findDevices();
    struct usb_device* pstDevice = m_clBus.getBusses()->devices;
    if (!pstDevice)
        return false;
    m_pclHandle = m_clBus.open(pstDevice);
    if (m_pclHandle && m_clBus.claimInterface(m_pclHandle, 0) != 0) {
        m_clBus.close(m_pclHandle);
        m_pclHandle = nullptr;
    }
    return m_pclHandle != nullptr;
}

QByteArray ClRawCameraLink::command(quint16 usCode, const Params& arrParams, quint16 usSequence)
{
    return littleEndian([&](QDataStream& s) {
        s << quint16(0) << usSequence << quint32(32) << usCode << quint16(0);
        for (quint32 ulParam : arrParams)
            s << ulParam;
    });
}

QByteArray ClRawCameraLink::textCommand(quint16 usCode, const QByteArray& clText, quint16 usSequence)
{
    if (clText.isEmpty())
        return command(usCode, Params{}, usSequence);
    return littleEndian([&](QDataStream& s) {
        s << quint16(0) << usSequence << quint32(clText.size() + 28) << usCode << quint16(0)
          << quint32(clText.size());
        s.writeRawData(clText.constData(), int(clText.size()));
        s << quint32(0) << quint32(0) << quint32(0);
    });
}

QByteArray ClRawCameraLink::dataPacket(const QByteArray& clBlock, quint16 usSequence)
{
    return littleEndian([&](QDataStream& s) {
        s << quint16(2) << usSequence << quint32(clBlock.size());
        s.writeRawData(clBlock.constData(), int(clBlock.size()));
    });
}

int ClRawCameraLink::write(const QByteArray& clBytes)
{
    QByteArray clCopy(clBytes);
    return m_clBus.bulkWrite(m_pclHandle, 0x02, clCopy.data(), int(clCopy.size()), 1000);
}

QByteArray ClRawCameraLink::read()
{
    QByteArray clBuffer(1024, '\0');
    const int lCount = m_clBus.bulkRead(m_pclHandle, 0x81, clBuffer.data(), int(clBuffer.size()), 1000);
    return lCount > 0 ? clBuffer.left(lCount) : QByteArray();
}

QByteArray ClRawCameraLink::exchange(const QByteArray& clRequest)
{
    if (write(clRequest) != clRequest.size())
        return QByteArray();
    return read();
}

QByteArray ClRawCameraLink::collect(quint16 usCode, quint16* pusStatus)
{
    const QByteArray clResponse = exchange(command(usCode));
    if (pusStatus)
        *pusStatus = status(clResponse);
    if (status(clResponse) != 0)
        return QByteArray();
    const quint32 ulTotal = param(clResponse, 1);
    const QByteArray clFirst = read();
    if (le32(clFirst, 4) != ulTotal)
        return QByteArray();
    QByteArray clBlock = clFirst.mid(12, le32(clFirst, 8));
    while (quint32(clBlock.size()) < ulTotal) {
        const QByteArray clMore = read();
        if (clMore.isEmpty())
            break;
        clBlock += clMore;
    }
    return clBlock;
}

quint32 ClRawCameraLink::le32(const QByteArray& clBytes, int lOffset)
{
    if (lOffset + 4 > clBytes.size())
        return 0;
    const auto* p = reinterpret_cast<const uchar*>(clBytes.constData() + lOffset);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

quint16 ClRawCameraLink::sequence(const QByteArray& clResponse)
{
    if (clResponse.size() < 4)
        return 0;
    return quint16(quint8(clResponse[2]) | (quint8(clResponse[3]) << 8));
}

quint16 ClRawCameraLink::status(const QByteArray& clResponse)
{
    if (clResponse.size() < 10)
        return 0xFFFF;
    return quint16(quint8(clResponse[8]) | (quint8(clResponse[9]) << 8));
}

quint32 ClRawCameraLink::param(const QByteArray& clResponse, int lIndex)
{
    return le32(clResponse, 12 + 4 * (lIndex - 1));
}

QByteArray ClRawCameraLink::text(const QByteArray& clResponse)
{
    const quint32 ulLength = le32(clResponse, 12);
    return clResponse.mid(16, qsizetype(ulLength));
}
