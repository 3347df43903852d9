#include "ClVirtualInstantDevice.h"

#include "ClVirtualCameraWire.h"
#include "ClVirtualEchoDevice.h"
#include "protocol/ClCommandCatalogue.h"

#include <QSet>

namespace {
using Wire = ClVirtualCameraWire;

// Whether the command's request is followed by a data packet.
bool sendsBlock(quint16 usCode)
{
    static const QSet<quint16> s_setCodes = [] {
        QSet<quint16> setCodes;
        for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
            if (stEntry.eExchange == ClExchange::SendData)
                setCodes.insert(stEntry.usCode);
        }
        return setCodes;
    }();
    return s_setCodes.contains(usCode);
}
}  // namespace

ClVirtualInstantDevice::ClVirtualInstantDevice(QObject* pclParent)
    : ClVirtualUsbDevice(ClVirtualUsbShape::standardCamera(), pclParent)
{}

ClVirtualInstantDevice::~ClVirtualInstantDevice() = default;

int ClVirtualInstantDevice::blocksAccepted() const
{
    QMutexLocker clLocker(&m_clStateLock);
    return m_lBlocks;
}

quint64 ClVirtualInstantDevice::bytesAccepted() const
{
    QMutexLocker clLocker(&m_clStateLock);
    return m_ullBytes;
}

void ClVirtualInstantDevice::handleWrite(int, const QByteArray& clData)
{
    if (clData.size() < Wire::lHeadSize)
        return;
    QByteArray clRequest;
    quint16 usStatus = 0;
    {
        QMutexLocker clLocker(&m_clStateLock);
        if (Wire::readLe16(clData, 0) == Wire::usTypeCommand) {
            // A command ends the wait for a data packet that never came, as on the camera.
            m_clPendingRequest.clear();
            if (sendsBlock(Wire::readLe16(clData, 8))) {
                m_clPendingRequest = clData.left(Wire::lPacketSize);
                m_ulPendingLength = Wire::readLe32(clData, 12);
                return;
            }
            clRequest = clData;
        } else {
            if (Wire::readLe16(clData, 0) != Wire::usTypeData || m_clPendingRequest.isEmpty())
                return;
            clRequest = m_clPendingRequest;
            m_clPendingRequest.clear();
            // Only the head is read: the block is taken as the bus handed it over.
            const quint32 ulLength = Wire::readLe32(clData, 4);
            const bool bWhole = Wire::readLe16(clData, 2) == Wire::readLe16(clRequest, 2)
                && ulLength == m_ulPendingLength && qint64(clData.size()) == qint64(ulLength) + 8;
            if (bWhole) {
                ++m_lBlocks;
                m_ullBytes += ulLength;
            } else {
                usStatus = usBlockRejected;
            }
        }
    }
    queueResponse(ClVirtualEchoDevice::responseTo(clRequest, usStatus));
}
