// The virtual USB bus on its own: the descriptor trees it presents, plugging and
// unplugging at run time, blocking reads, fault injection and handle checking.
#include "ClVirtualEchoDevice.h"
#include "ClVirtualUsbBus.h"
#include "ClUsbChangeNotifier.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <QtTest>

#include <memory>

using Direction = ClVirtualUsbDevice::Direction;

class TestVirtualUsbBus : public QObject
{
    Q_OBJECT

private:
    static QList<struct usb_device*> listed(ClVirtualUsbBus& clBus);
    static usb_dev_handle* openClaimed(ClVirtualUsbBus& clBus, ClVirtualUsbDevice* pclDevice);

private Q_SLOTS:
    void descriptorTree();
    void plugAndUnplug();
    void readWaitsForDelayedResponse();
    void readTimesOut();
    void unplugWakesBlockedRead();
    void faultsCountFromNextTransfer();
    void unplugAtChosenTransfer();
    void closedHandleIsRejected();
    void echoDevice();
};

QList<struct usb_device*> TestVirtualUsbBus::listed(ClVirtualUsbBus& clBus)
{
    QList<struct usb_device*> lstDevices;
    for (usb_bus* pstBus = clBus.getBusses(); pstBus; pstBus = pstBus->next) {
        for (struct usb_device* pstDevice = pstBus->devices; pstDevice; pstDevice = pstDevice->next)
            lstDevices.append(pstDevice);
    }
    return lstDevices;
}

usb_dev_handle* TestVirtualUsbBus::openClaimed(ClVirtualUsbBus& clBus, ClVirtualUsbDevice* pclDevice)
{
    clBus.plug(pclDevice);
    clBus.findDevices();
    for (struct usb_device* pstDevice : listed(clBus)) {
        if (pstDevice->descriptor.idProduct == pclDevice->shape().usProduct) {
            usb_dev_handle* pclHandle = clBus.open(pstDevice);
            if (pclHandle && clBus.claimInterface(pclHandle, 0) == 0)
                return pclHandle;
        }
    }
    return nullptr;
}

void TestVirtualUsbBus::descriptorTree()
{
    ClVirtualUsbBus clBus;
    clBus.plug(new ClVirtualEchoDevice(ClVirtualUsbShape::severalInterfaces(0x09A1, 0x0201)));
    clBus.plug(new ClVirtualEchoDevice(ClVirtualUsbShape::withoutConfiguration(0x1111, 0x2222)));
    QCOMPARE(clBus.findBusses(), 1);
    QCOMPARE(clBus.findDevices(), 2);
    const QList<struct usb_device*> lstDevices = listed(clBus);
    QCOMPARE(lstDevices.size(), 2);

    const struct usb_device* pstCamera = lstDevices.at(0);
    QCOMPARE(pstCamera->descriptor.idVendor, 0x09A1);
    QCOMPARE(pstCamera->descriptor.idProduct, 0x0201);
    QCOMPARE(pstCamera->bus, clBus.getBusses());
    QCOMPARE(pstCamera->next, lstDevices.at(1));
    QCOMPARE(lstDevices.at(1)->prev, pstCamera);
    QCOMPARE(pstCamera->descriptor.bNumConfigurations, 1);
    const usb_config_descriptor& stConfig = pstCamera->config[0];
    QCOMPARE(stConfig.bNumInterfaces, 3);
    QCOMPARE(stConfig.interface[0].num_altsetting, 0);
    QCOMPARE(stConfig.interface[1].num_altsetting, 2);
    const usb_interface_descriptor& stAlt = stConfig.interface[1].altsetting[1];
    QCOMPARE(stAlt.bInterfaceNumber, 1);
    QCOMPARE(stAlt.bAlternateSetting, 1);
    QCOMPARE(stAlt.bNumEndpoints, 2);
    QCOMPARE(stAlt.endpoint[0].bEndpointAddress, 0x03);
    QCOMPARE(stAlt.endpoint[1].bEndpointAddress, 0x82);
    QCOMPARE(stAlt.endpoint[1].bmAttributes, USB_ENDPOINT_TYPE_BULK);

    const struct usb_device* pstBare = lstDevices.at(1);
    QCOMPARE(pstBare->descriptor.bNumConfigurations, 0);
    QVERIFY(pstBare->config == nullptr);
    QVERIFY(QByteArray(pstCamera->filename) != QByteArray(pstBare->filename));
}

void TestVirtualUsbBus::plugAndUnplug()
{
    ClVirtualUsbBus clBus;
    QSignalSpy clChanged(&clBus, &ClVirtualUsbBus::sigBusChanged);
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
    QVERIFY(!pclDevice->isPlugged());
    QCOMPARE(clBus.findDevices(), 1);
    QVERIFY(listed(clBus).isEmpty());
    // The record the tool may still hold stays readable and cannot be opened.
    QCOMPARE(QByteArray(pstFirst->filename), clFirstName);
    QVERIFY(clBus.open(pstFirst) == nullptr);

    clBus.plug(pclDevice);
    clBus.findDevices();
    struct usb_device* pstSecond = listed(clBus).value(0);
    QVERIFY(pstSecond && pstSecond != pstFirst);
    QVERIFY(QByteArray(pstSecond->filename) != clFirstName);
    QCOMPARE(clChanged.count(), 3);
    QCOMPARE(clNotified.count(), 3);
}

void TestVirtualUsbBus::readWaitsForDelayedResponse()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
    QVERIFY(pclHandle);
    pclDevice->queueResponse("late", 80);
    char acBuffer[1024];
    QElapsedTimer clTimer;
    clTimer.start();
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 2000), 4);
    QVERIFY(clTimer.elapsed() >= 70);
    QVERIFY(clTimer.elapsed() < 1500);
    QCOMPARE(QByteArray(acBuffer, 4), QByteArray("late"));

    // In immediate mode a response that is not ready yet is a time-out.
    clBus.setImmediateTimeouts(true);
    pclDevice->queueResponse("later", 5000);
    clTimer.restart();
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 5000), ClUsbApi::lErrorTimedOut);
    QVERIFY(clTimer.elapsed() < 1000);
    QCOMPARE(clBus.close(pclHandle), 0);
}

void TestVirtualUsbBus::readTimesOut()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
    char acBuffer[64];
    QElapsedTimer clTimer;
    clTimer.start();
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 64, 60), ClUsbApi::lErrorTimedOut);
    QVERIFY(clTimer.elapsed() >= 50);
    // A write to an IN endpoint, or to one the device does not have, is refused.
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x81, acBuffer, 32, 100), ClVirtualUsbBus::lErrorInvalid);
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x05, acBuffer, 32, 100), ClVirtualUsbBus::lErrorInvalid);
    QCOMPARE(pclDevice->writeCount(), 0);
    clBus.close(pclHandle);
}

void TestVirtualUsbBus::unplugWakesBlockedRead()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
    int lResult = 0;
    QElapsedTimer clTimer;
    clTimer.start();
    std::unique_ptr<QThread> upReader(QThread::create([&] {
        char acBuffer[1024];
        lResult = clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 10000);
    }));
    upReader->start();
    QThread::msleep(50);
    clBus.unplug(pclDevice);
    QVERIFY(upReader->wait(5000));
    QCOMPARE(lResult, ClUsbApi::lErrorGone);
    QVERIFY(clTimer.elapsed() < 5000);
    char acBuffer[32] = {};
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, acBuffer, 32, 100), ClUsbApi::lErrorGone);
    QCOMPARE(clBus.close(pclHandle), 0);
    QCOMPARE(pclDevice->openHandles(), 0);
}

void TestVirtualUsbBus::faultsCountFromNextTransfer()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclDevice = new ClVirtualEchoDevice();
    usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
    char acRequest[32] = {};
    char acBuffer[1024];

    pclDevice->failTransfers(Direction::Write, 2, ClUsbApi::lErrorBusy);
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, acRequest, 32, 100), ClUsbApi::lErrorBusy);
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, acRequest, 32, 100), ClUsbApi::lErrorBusy);
    QCOMPARE(pclDevice->pendingResponses(), 0);  // failed writes never reach the device
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, acRequest, 32, 100), 32);
    QCOMPARE(pclDevice->pendingResponses(), 1);

    pclDevice->returnZeroBytes(Direction::Read, 1);
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 100), 0);
    pclDevice->failTransfers(Direction::Both, 1, -71);
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 100), -71);
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 100), 32);
    QCOMPARE(pclDevice->writeCount(), 3);
    QCOMPARE(pclDevice->readCount(), 3);
    clBus.close(pclHandle);
}

void TestVirtualUsbBus::unplugAtChosenTransfer()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclDevice = new ClVirtualEchoDevice();
    usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
    QSignalSpy clChanged(&clBus, &ClVirtualUsbBus::sigBusChanged);
    char acRequest[32] = {};
    char acBuffer[1024];

    pclDevice->unplugAtTransfer(Direction::Read, 2);
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, acRequest, 32, 100), 32);
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 100), 32);
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, acRequest, 32, 100), 32);
    QVERIFY(clBus.isPlugged(pclDevice));
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 100), ClUsbApi::lErrorGone);
    QVERIFY(!clBus.isPlugged(pclDevice));
    QCOMPARE(clChanged.count(), 1);
    QCOMPARE(pclDevice->pendingResponses(), 0);
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, acRequest, 32, 100), ClUsbApi::lErrorGone);
    QCOMPARE(clBus.findDevices(), 1);
    QVERIFY(listed(clBus).isEmpty());
    clBus.close(pclHandle);
}

void TestVirtualUsbBus::closedHandleIsRejected()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
    QCOMPARE(pclDevice->openHandles(), 1);
    QCOMPARE(clBus.releaseInterface(pclHandle, 0), 0);
    QCOMPARE(clBus.releaseInterface(pclHandle, 0), ClVirtualUsbBus::lErrorInvalid);
    QCOMPARE(clBus.claimInterface(pclHandle, 7), ClVirtualUsbBus::lErrorInvalid);
    QCOMPARE(clBus.close(pclHandle), 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
    char acBuffer[32] = {};
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, acBuffer, 32, 100), ClVirtualUsbBus::lErrorBadHandle);
    QCOMPARE(clBus.close(pclHandle), ClVirtualUsbBus::lErrorBadHandle);
    QCOMPARE(clBus.invalidHandleUses(), 2);
    QCOMPARE(pclDevice->openHandles(), 0);
    QCOMPARE(pclDevice->writeCount(), 0);
}

void TestVirtualUsbBus::echoDevice()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    QCOMPARE(pclDevice->shape().usVendor, 0x09A1);
    QCOMPARE(pclDevice->shape().usProduct, 0x0201);
    usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
    QByteArray clRequest = QByteArray::fromHex("0000cdab20000000015000000000000000") + QByteArray(15, '\0');
    clRequest[12] = 7;
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, clRequest.data(), 32, 100), 32);
    QByteArray clOdd(40, '\0');
    QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, clOdd.data(), 40, 100), 40);  // not a request
    char acBuffer[1024];
    QCOMPARE(clBus.bulkRead(pclHandle, 0x81, acBuffer, 1024, 100), 32);
    const QByteArray clResponse(acBuffer, 32);
    QCOMPARE(clResponse.left(10).toHex(), QByteArray("0000cdab200000000000"));
    QCOMPARE(clResponse.mid(12), clRequest.mid(12));
    QCOMPARE(pclDevice->pendingResponses(), 0);
    clBus.close(pclHandle);
}

QTEST_GUILESS_MAIN(TestVirtualUsbBus)
#include "TestVirtualUsbBus.moc"
