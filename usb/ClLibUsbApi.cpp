#include "ClLibUsbApi.h"

#include "ClUdevChangeNotifier.h"

#include <cerrno>

ClLibUsbApi::ClLibUsbApi() = default;

ClLibUsbApi::~ClLibUsbApi() = default;

int ClLibUsbApi::mapError(int lResult)
{
    if (lResult >= 0)
        return lResult;
    switch (-lResult) {
    // The device node or the device behind it is gone (unplugged, or its port shut down).
    case ENODEV:
    case ENOENT:
    case ESHUTDOWN:
        return lErrorGone;
    case ETIMEDOUT:
        return lErrorTimedOut;
    // A device node this user may not write: libusb 0.1 falls back to opening it read-only,
    // and the kernel then refuses the claim with EPERM.
    case EACCES:
    case EPERM:
        return lErrorRefused;
    default:
        // -EIO (-5) and -EBUSY (-16) already have the meanings the tool gives them; a stalled
        // endpoint (-EPIPE) is not a vanished device and stays an "other" failure.
        return lResult;
    }
}

int ClLibUsbApi::boundedTimeout(int lTimeoutMs)
{
    return lTimeoutMs < 1 ? 1 : lTimeoutMs;
}

void ClLibUsbApi::init()
{
    usb_init();
}

int ClLibUsbApi::findBusses()
{
    return usb_find_busses();
}

int ClLibUsbApi::findDevices()
{
    return usb_find_devices();
}

usb_bus* ClLibUsbApi::getBusses()
{
    return usb_get_busses();
}

usb_dev_handle* ClLibUsbApi::open(struct usb_device* pclDevice)
{
    return usb_open(pclDevice);
}

int ClLibUsbApi::claimInterface(usb_dev_handle* pclHandle, int lInterface)
{
    return mapError(usb_claim_interface(pclHandle, lInterface));
}

int ClLibUsbApi::releaseInterface(usb_dev_handle* pclHandle, int lInterface)
{
    return mapError(usb_release_interface(pclHandle, lInterface));
}

int ClLibUsbApi::bulkWrite(usb_dev_handle* pclHandle, int lEndpoint, const char* pBytes, int lSize, int lTimeoutMs)
{
    return mapError(usb_bulk_write(pclHandle, lEndpoint, pBytes, lSize, boundedTimeout(lTimeoutMs)));
}

int ClLibUsbApi::bulkRead(usb_dev_handle* pclHandle, int lEndpoint, char* pBytes, int lSize, int lTimeoutMs)
{
    return mapError(usb_bulk_read(pclHandle, lEndpoint, pBytes, lSize, boundedTimeout(lTimeoutMs)));
}

int ClLibUsbApi::close(usb_dev_handle* pclHandle)
{
    return mapError(usb_close(pclHandle));
}

void ClLibUsbApi::setDebug(int lLevel)
{
    usb_set_debug(lLevel);
}

ClUsbChangeNotifier* ClLibUsbApi::createChangeNotifier()
{
    return new ClUdevChangeNotifier();
}
