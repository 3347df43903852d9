#include "ClVirtualEchoDevice.h"

#include <QtEndian>

ClVirtualEchoDevice::ClVirtualEchoDevice(const ClVirtualUsbShape& clShape, QObject* pclParent)
    : ClVirtualUsbDevice(clShape, pclParent)
{}

ClVirtualEchoDevice::~ClVirtualEchoDevice() = default;

QByteArray ClVirtualEchoDevice::responseTo(const QByteArray& clRequest, quint16 usStatus)
{
    QByteArray clResponse = clRequest.left(32);
    clResponse.resize(32, '\0');
    char* pBytes = clResponse.data();
    qToLittleEndian(quint16(0), pBytes);  // type
    qToLittleEndian(quint32(32), pBytes + 4);
    qToLittleEndian(usStatus, pBytes + 8);
    qToLittleEndian(quint16(0), pBytes + 10);
    return clResponse;
}

void ClVirtualEchoDevice::handleWrite(int, const QByteArray& clData)
{
    if (clData.size() == 32)
        queueResponse(responseTo(clData));
}
