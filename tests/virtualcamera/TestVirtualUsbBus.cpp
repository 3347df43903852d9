// The virtual USB bus where it stands in for a real one and the worker's tests lean on it:
// a device plugged in again is a new device, and a pulled cable ends a waiting read at once
// or the transfer chosen for it. (Its descriptor trees are walked in the controller's tests;
// its waits and injected failures are counted in the worker's.)
#include "usb/ClUsbChangeNotifier.h"
#include "virtualcamera/ClVirtualEchoDevice.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <memory>

using Direction = ClVirtualUsbDevice::Direction;

namespace {
QList<struct usb_device*> listed(ClVirtualUsbBus& clBus)
{
    QList<struct usb_device*> lstDevices;
    for (struct usb_device* pstDevice = clBus.getBusses()->devices; pstDevice; pstDevice = pstDevice->next)
        lstDevices.append(pstDevice);
    return lstDevices;
}

// Plugs a device and opens it with interface 0 claimed.
usb_dev_handle* openClaimed(ClVirtualUsbBus& clBus, ClVirtualUsbDevice* pclDevice)
{
    clBus.plug(pclDevice);
    clBus.findDevices();
    usb_dev_handle* pclHandle = clBus.open(listed(clBus).value(0));
    return pclHandle && clBus.claimInterface(pclHandle, 0) == 0 ? pclHandle : nullptr;
}

int bulkIn(ClVirtualUsbBus& clBus, usb_dev_handle* pclHandle, int lTimeoutMs = 100)
{
    char acBuffer[1024];
    return clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, lTimeoutMs);
}

int bulkOut(ClVirtualUsbBus& clBus, usb_dev_handle* pclHandle)
{
    char acRequest[32] = {};
    return clBus.bulkWrite(pclHandle, 0x02, acRequest, 32, 100);
}
}  // namespace

class TestVirtualUsbBus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plugAndUnplug()
    {
        ClVirtualUsbBus clBus;
        std::unique_ptr<ClUsbChangeNotifier> upNotifier(clBus.createChangeNotifier());
        upNotifier->start();
        QSignalSpy clNotified(upNotifier.get(), &ClUsbChangeNotifier::sigChanged);

        auto* pclDevice = new ClVirtualEchoDevice();
        clBus.plug(pclDevice);
        QCOMPARE(clBus.findDevices(), 1);
        QCOMPARE(clBus.findDevices(), 0);
        struct usb_device* pstFirst = listed(clBus).value(0);
        QVERIFY(pstFirst);
        const QByteArray clFirstName(pstFirst->filename);

        clBus.unplug(pclDevice);
        clBus.unplug(pclDevice);  // already gone: no second notice
        QCOMPARE(clBus.findDevices(), 1);
        QVERIFY(listed(clBus).isEmpty());
        // The record the tool may still hold stays readable and cannot be opened.
        QCOMPARE(QByteArray(pstFirst->filename), clFirstName);
        QVERIFY(clBus.open(pstFirst) == nullptr);

        // Plugged in again it is a new device, as on a real bus.
        clBus.plug(pclDevice);
        clBus.findDevices();
        struct usb_device* pstSecond = listed(clBus).value(0);
        QVERIFY(pstSecond && pstSecond != pstFirst);
        QVERIFY(QByteArray(pstSecond->filename) != clFirstName);
        QCOMPARE(clNotified.count(), 3);
    }

    void unplugWithHandleOpen()
    {
        // Pulled out while a read waits: the read returns -5 at once.
        ClVirtualUsbBus clBus;
        auto* pclDevice = new ClVirtualEchoDevice();
        usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
        int lResult = 0;
        std::unique_ptr<QThread> upReader(QThread::create([&] { lResult = bulkIn(clBus, pclHandle, 10000); }));
        upReader->start();
        QThread::msleep(50);
        clBus.unplug(pclDevice);
        QVERIFY(upReader->wait(5000));  // long before the read's own time-out
        QCOMPARE(lResult, ClUsbApi::lErrorGone);
        QCOMPARE(bulkOut(clBus, pclHandle), ClUsbApi::lErrorGone);
        QCOMPARE(clBus.close(pclHandle), 0);
        QCOMPARE(pclDevice->openHandles(), 0);

        // Pulled out at a chosen transfer: the second read from now.
        clBus.setImmediateTimeouts(true);
        clBus.plug(pclDevice);
        pclHandle = openClaimed(clBus, pclDevice);
        QSignalSpy clChanged(&clBus, &ClVirtualUsbBus::sigBusChanged);
        pclDevice->unplugAtTransfer(Direction::Read, 2);
        QCOMPARE(bulkOut(clBus, pclHandle), 32);
        QCOMPARE(bulkIn(clBus, pclHandle), 32);
        QCOMPARE(bulkOut(clBus, pclHandle), 32);
        QVERIFY(clBus.isPlugged(pclDevice));
        QCOMPARE(bulkIn(clBus, pclHandle), ClUsbApi::lErrorGone);
        QVERIFY(!clBus.isPlugged(pclDevice));
        QCOMPARE(clChanged.count(), 1);
        QCOMPARE(bulkOut(clBus, pclHandle), ClUsbApi::lErrorGone);
        QCOMPARE(clBus.close(pclHandle), 0);
    }
};

QTEST_GUILESS_MAIN(TestVirtualUsbBus)
#include "TestVirtualUsbBus.moc"
