#include "ClVirtualEchoDevice.h"

#include <QDataStream>
#include <QIODevice>

ClVirtualEchoDevice::ClVirtualEchoDevice(const ClVirtualUsbShape& clShape, QObject* pclParent)
    : ClVirtualUsbDevice(clShape, pclParent)
{}

ClVirtualEchoDevice::~ClVirtualEchoDevice() = default;

QByteArray ClVirtualEchoDevice::responseTo(const QByteArray& clRequest, quint16 usStatus)
{
    QByteArray clResponse = clRequest.left(32);
    clResponse.resize(32, '\0');
    clResponse[0] = 0;  // type
    clResponse[1] = 0;
    QDataStream clStream(&clResponse, QIODevice::ReadWrite);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream.device()->seek(4);
    clStream << quint32(32) << usStatus << quint16(0);
    return clResponse;
}

void ClVirtualEchoDevice::handleWrite(int, const QByteArray& clData)
{
    if (clData.size() == 32)
        queueResponse(responseTo(clData));
}
