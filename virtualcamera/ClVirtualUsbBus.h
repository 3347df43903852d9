#pragma once
// A USB bus in memory that implements the libusb seam. Devices derived from
// ClVirtualUsbDevice are plugged in and pulled out at run time; the bus presents them
// through real usb_bus / usb_device / descriptor structures, so the tool's production code
// walks the same trees it walks on real hardware.
//
// Threads: every function may be called from any thread (the worker scans and transfers,
// tests and the GUI plug, unplug and inject faults). As with libusb, the device list
// returned by getBusses() belongs to the thread that calls findDevices().
//
// Errors follow the seam's conventions: a transfer on a device that is gone returns -5,
// a read without data times out with -116; a handle that is not open (never opened, or
// already closed) returns -9 and is counted in invalidHandleUses().
#include "usb/ClUsbApi.h"

#include <QMutex>
#include <QObject>

#include <list>
#include <memory>
#include <vector>

class ClVirtualUsbDevice;

class ClVirtualUsbBus : public QObject, public ClUsbApi
{
    Q_OBJECT

public:
    explicit ClVirtualUsbBus(QObject* pclParent = nullptr);
    ~ClVirtualUsbBus() override;

    // Plugs a device in. The bus takes ownership the first time; a device pulled out
    // earlier may be plugged in again (it gets a new device number, as on a real bus).
    ClVirtualUsbDevice* plug(ClVirtualUsbDevice* pclDevice);
    // Pulls a device out: every later transfer on its open handles fails with -5, reads
    // waiting on it return at once, and the next findDevices() no longer lists it.
    void unplug(ClVirtualUsbDevice* pclDevice);
    bool isPlugged(ClVirtualUsbDevice* pclDevice) const;

    // Reads that find no data time out at once instead of waiting their time-out.
    void setImmediateTimeouts(bool bImmediate);
    bool immediateTimeouts() const;

    int openHandleCount() const;
    int invalidHandleUses() const;
    // Transfers asked to wait 0 ms or less, which libusb 0.1 takes as waiting forever.
    int unboundedWaits() const;

    // The seam.
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

    static constexpr int lErrorBadHandle = -9;
    static constexpr int lErrorInvalid = -22;

Q_SIGNALS:
    // Something was plugged in or pulled out; emitted on the thread that did it.
    void sigBusChanged();

private:
    struct Record;
    struct Handle;

    Record* recordOf(struct usb_device* pclDevice) const;
    Handle* handleOf(usb_dev_handle* pclHandle);
    Record* buildRecord(ClVirtualUsbDevice* pclDevice);
    int transfer(usb_dev_handle* pclHandle, int lEndpoint, char* pBytes, int lSize, int lTimeoutMs, bool bRead);

    mutable QMutex m_clLock;
    usb_bus m_stBus;
    std::vector<std::unique_ptr<ClVirtualUsbDevice>> m_vecDevices;
    // Records stay until the bus goes, so a pointer kept by the tool never dangles.
    std::list<std::unique_ptr<Record>> m_lstRecords;
    std::list<std::unique_ptr<Handle>> m_lstHandles;
    int m_lNextDeviceNumber = 2;
    int m_lPendingChanges = 0;
    int m_lInvalidHandleUses = 0;
    int m_lUnboundedWaits = 0;
    bool m_bImmediateTimeouts = false;
};
