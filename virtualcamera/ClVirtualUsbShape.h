#pragma once
// The descriptor shape of a virtual USB device: identity, configurations, interfaces,
// alternate settings and endpoint addresses. The virtual bus turns it into the real libusb
// descriptor structures, so the tool walks the same trees it walks on real hardware.
#include <QList>
#include <QtGlobal>

struct ClVirtualUsbShape
{
    struct AltSetting
    {
        QList<quint8> lstEndpoints;  // addresses; bit 7 set = IN
    };
    struct Interface
    {
        QList<AltSetting> lstAltSettings;
    };
    struct Configuration
    {
        QList<Interface> lstInterfaces;
    };

    quint16 usVendor = 0;
    quint16 usProduct = 0;
    QList<Configuration> lstConfigurations;

    // One configuration, interface 0, one alternate setting with the given endpoints.
    static ClVirtualUsbShape singleInterface(quint16 usVendor, quint16 usProduct, const QList<quint8>& lstEndpoints);
    // The camera's own shape: interface 0 with bulk IN 0x81 and bulk OUT 0x02.
    static ClVirtualUsbShape standardCamera(quint16 usVendor = 0x09A1, quint16 usProduct = 0x0201);
    // A device that reports no configuration at all.
    static ClVirtualUsbShape withoutConfiguration(quint16 usVendor = 0x09A1, quint16 usProduct = 0x0201);
    // Interface 0 without alternate settings, interface 1 with two alternate settings
    // (0x02, 0x81 and 0x03, 0x82), interface 2 with 0x84: the endpoints found, in order,
    // are 0x02, 0x81, 0x03, 0x82.
    static ClVirtualUsbShape severalInterfaces(quint16 usVendor = 0x09A1, quint16 usProduct = 0x0201);

    // True when some alternate setting of the first configuration has this endpoint.
    bool hasEndpoint(quint8 ucAddress) const;
    bool hasInterface(int lInterface) const;
};
