#pragma once
// The simplest device that speaks the camera's packet format: vendor 0x09A1, product 0x0201,
// and every 32-byte request is answered with a 32-byte response carrying the request's
// sequence, status 0 and the request's five parameters. Other writes are ignored.
#include "ClVirtualUsbDevice.h"

class ClVirtualEchoDevice : public ClVirtualUsbDevice
{
    Q_OBJECT

public:
    explicit ClVirtualEchoDevice(const ClVirtualUsbShape& clShape = ClVirtualUsbShape::standardCamera(),
                                 QObject* pclParent = nullptr);
    ~ClVirtualEchoDevice() override;

    // The response the device gives to a 32-byte request.
    static QByteArray responseTo(const QByteArray& clRequest, quint16 usStatus = 0);

protected:
    void handleWrite(int lEndpoint, const QByteArray& clData) override;
};
