#pragma once
// The seam between the tool and libusb 0.1: every call the tool makes, with libusb's
// arguments and return conventions. ClLibUsbApi forwards to the real library; the
// virtual bus answers with emulated devices.
//
// Error results follow the conventions the transport codes are defined on: -5 the device
// is gone, -13 this user may not use it, -16 busy, -116 timed out, any other negative
// value some other failure.
#include <usb.h>

class ClUsbChangeNotifier;

class ClUsbApi
{
public:
    virtual ~ClUsbApi() = default;

    virtual void init() = 0;
    virtual int findBusses() = 0;
    virtual int findDevices() = 0;
    virtual usb_bus* getBusses() = 0;
    virtual usb_dev_handle* open(struct usb_device* pclDevice) = 0;
    virtual int claimInterface(usb_dev_handle* pclHandle, int lInterface) = 0;
    virtual int releaseInterface(usb_dev_handle* pclHandle, int lInterface) = 0;
    virtual int bulkWrite(usb_dev_handle* pclHandle, int lEndpoint, const char* pBytes, int lSize, int lTimeoutMs) = 0;
    virtual int bulkRead(usb_dev_handle* pclHandle, int lEndpoint, char* pBytes, int lSize, int lTimeoutMs) = 0;
    virtual int close(usb_dev_handle* pclHandle) = 0;
    virtual void setDebug(int lLevel) = 0;

    // A new watcher that tells when something may have changed on this bus; the caller
    // owns it and calls start() on the thread that is to receive its signal.
    virtual ClUsbChangeNotifier* createChangeNotifier() = 0;

    static constexpr int lErrorGone = -5;
    static constexpr int lErrorRefused = -13;
    static constexpr int lErrorBusy = -16;
    static constexpr int lErrorTimedOut = -116;
};
