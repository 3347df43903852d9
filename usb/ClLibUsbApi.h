#pragma once
// The seam forwarded to the real libusb 0.1. On Linux libusb reports failures as negative
// errno values; they are translated here into the conventions the transport codes are
// defined on, so the rest of the tool sees the same numbers on every system.
#include "ClUsbApi.h"

class ClLibUsbApi : public ClUsbApi
{
public:
    ClLibUsbApi();
    ~ClLibUsbApi() override;

    void init() override;
    int findBusses() override;
    int findDevices() override;
    usb_bus* getBusses() override;
    usb_dev_handle* open(struct usb_device* pclDevice) override;
    int claimInterface(usb_dev_handle* pclHandle, int lInterface) override;
    int releaseInterface(usb_dev_handle* pclHandle, int lInterface) override;
    int bulkWrite(usb_dev_handle* pclHandle, int lEndpoint, const char* pBytes, int lSize, int lTimeoutMs) override;
    int bulkRead(usb_dev_handle* pclHandle, int lEndpoint, char* pBytes, int lSize, int lTimeoutMs) override;
    int close(usb_dev_handle* pclHandle) override;
    void setDebug(int lLevel) override;
    ClUsbChangeNotifier* createChangeNotifier() override;

    // libusb's negative errno result as the seam's error value.
    static int mapError(int lResult);
    // libusb 0.1 waits forever when given 0, so the shortest wait passed on is 1 ms.
    static int boundedTimeout(int lTimeoutMs);
};
