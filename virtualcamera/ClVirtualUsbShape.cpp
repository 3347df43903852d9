#include "ClVirtualUsbShape.h"

ClVirtualUsbShape ClVirtualUsbShape::singleInterface(quint16 usVendor, quint16 usProduct,
                                                     const QList<quint8>& lstEndpoints)
{
    ClVirtualUsbShape clShape;
    clShape.usVendor = usVendor;
    clShape.usProduct = usProduct;
    clShape.lstConfigurations = {Configuration {{Interface {{AltSetting {lstEndpoints}}}}}};
    return clShape;
}

ClVirtualUsbShape ClVirtualUsbShape::standardCamera(quint16 usVendor, quint16 usProduct)
{
    return singleInterface(usVendor, usProduct, {0x81, 0x02});
}

ClVirtualUsbShape ClVirtualUsbShape::withoutConfiguration(quint16 usVendor, quint16 usProduct)
{
    ClVirtualUsbShape clShape;
    clShape.usVendor = usVendor;
    clShape.usProduct = usProduct;
    return clShape;
}

ClVirtualUsbShape ClVirtualUsbShape::severalInterfaces(quint16 usVendor, quint16 usProduct)
{
    ClVirtualUsbShape clShape;
    clShape.usVendor = usVendor;
    clShape.usProduct = usProduct;
    const Interface clEmpty;
    const Interface clBulk {{AltSetting {{0x02, 0x81}}, AltSetting {{0x03, 0x82}}}};
    const Interface clExtra {{AltSetting {{0x84}}}};
    clShape.lstConfigurations = {Configuration {{clEmpty, clBulk, clExtra}}};
    return clShape;
}

bool ClVirtualUsbShape::hasEndpoint(quint8 ucAddress) const
{
    if (lstConfigurations.isEmpty())
        return false;
    for (const Interface& clInterface : lstConfigurations.first().lstInterfaces) {
        for (const AltSetting& clAlt : clInterface.lstAltSettings) {
            if (clAlt.lstEndpoints.contains(ucAddress))
                return true;
        }
    }
    return false;
}

bool ClVirtualUsbShape::hasInterface(int lInterface) const
{
    return !lstConfigurations.isEmpty() && lInterface >= 0
        && lInterface < lstConfigurations.first().lstInterfaces.size();
}
