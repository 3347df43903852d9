// ClUsbController driven through the virtual bus: descriptor walking, endpoint choice and
// how every transfer result becomes a transport code.
#include "ClResultCode.h"
#include "ClUsbController.h"
#include "ClVirtualEchoDevice.h"
#include "ClVirtualUsbBus.h"

#include <QSignalSpy>
#include <QtTest>

using Direction = ClVirtualUsbDevice::Direction;

class TestUsbController : public QObject
{
    Q_OBJECT

private:
    // Plugs a device of the given shape and returns the record the bus lists for it.
    struct usb_device* plugAndFind(ClVirtualUsbBus& clBus, ClVirtualUsbDevice* pclDevice);

private Q_SLOTS:
    void endpointChoice_data();
    void endpointChoice();
    void endpointLookup();
    void withoutConfigurationNotOpened();
    void unclaimableInterfaceNotOpened();
    void recoverableErrorsKeepDeviceOpen_data();
    void recoverableErrorsKeepDeviceOpen();
    void goneDeviceClosesOnce_data();
    void goneDeviceClosesOnce();
    void unplugWhileOpen();
    void zeroByteReadLeavesErrorAlone();
    void readIsCappedAt1024Bytes();
    void closedControllerRefusesTransfers();
};

struct usb_device* TestUsbController::plugAndFind(ClVirtualUsbBus& clBus, ClVirtualUsbDevice* pclDevice)
{
    clBus.plug(pclDevice);
    clBus.findDevices();
    for (struct usb_device* pstDevice = clBus.getBusses()->devices; pstDevice; pstDevice = pstDevice->next) {
        if (pstDevice->descriptor.idVendor == pclDevice->shape().usVendor
            && pstDevice->descriptor.idProduct == pclDevice->shape().usProduct)
            return pstDevice;
    }
    return nullptr;
}

void TestUsbController::endpointChoice_data()
{
    QTest::addColumn<int>("lShape");
    QTest::addColumn<QList<unsigned char>>("lstEndpoints");
    QTest::addColumn<QList<int>>("lstInterfaces");
    QTest::newRow("IN listed first") << 0 << QList<unsigned char>{0x81, 0x02} << QList<int>{0};
    QTest::newRow("two alternate settings behind an empty interface")
        << 1 << QList<unsigned char>{0x02, 0x81, 0x03, 0x82} << QList<int>{0, 1};
}

void TestUsbController::endpointChoice()
{
    QFETCH(int, lShape);
    QFETCH(QList<unsigned char>, lstEndpoints);
    QFETCH(QList<int>, lstInterfaces);

    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclDevice = new ClVirtualEchoDevice(lShape == 0 ? ClVirtualUsbShape::standardCamera()
                                                          : ClVirtualUsbShape::severalInterfaces());
    ClUsbController clController(plugAndFind(clBus, pclDevice), &clBus);
    QVERIFY(clController.open());
    QCOMPARE(clController.endpoints(), lstEndpoints);
    QCOMPARE(clController.interfaces(), lstInterfaces);

    const QByteArray clRequest = QByteArray::fromHex("00003412200000000350000001000000") + QByteArray(16, '\0');
    QCOMPARE(clController.bulkWrite(clRequest, 1000), 32);
    QCOMPARE(pclDevice->lastWriteEndpoint(), 0x02);
    unsigned short usError = 0;
    const QByteArray clResponse = clController.bulkRead(1000, 0xFF, &usError);
    QCOMPARE(pclDevice->lastReadEndpoint(), 0x81);
    QCOMPARE(usError, 0);
    QCOMPARE(clResponse, ClVirtualEchoDevice::responseTo(clRequest));

    clController.close();
    QCOMPARE(clBus.openHandleCount(), 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
}

void TestUsbController::endpointLookup()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice(ClVirtualUsbShape::severalInterfaces());
    ClUsbController clController(plugAndFind(clBus, pclDevice), &clBus);
    QVERIFY(clController.open());
    QCOMPARE(clController.endpoint(0x82), 0x82);  // exact match wins
    QCOMPARE(clController.endpoint(0x03), 0x03);
    QCOMPARE(clController.endpoint(0x85), 0x81);  // else the first of the same direction
    QCOMPARE(clController.endpoint(0x00), 0x02);
    clController.close();

    auto* pclInOnly = new ClVirtualEchoDevice(ClVirtualUsbShape::singleInterface(0x1234, 0x0001, {0x81}));
    ClUsbController clReader(plugAndFind(clBus, pclInOnly), &clBus);
    QVERIFY(clReader.open());
    QCOMPARE(clReader.endpoint(0x00), 0);
    QCOMPARE(clReader.bulkWrite(QByteArray(32, '\0'), 1000), int(ClResultCode::usNoCamera));
    QCOMPARE(pclInOnly->writeCount(), 0);
    clReader.close();
}

void TestUsbController::withoutConfigurationNotOpened()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice(ClVirtualUsbShape::withoutConfiguration());
    struct usb_device* pstDevice = plugAndFind(clBus, pclDevice);
    QVERIFY(pstDevice);
    QCOMPARE(pstDevice->descriptor.bNumConfigurations, 0);
    ClUsbController clController(pstDevice, &clBus);
    QSignalSpy clClosed(&clController, &ClUsbController::sigClose);
    QVERIFY(!clController.open());
    QVERIFY(!clController.isOpen());
    QCOMPARE(clBus.openHandleCount(), 0);
    QCOMPARE(clClosed.count(), 0);
}

void TestUsbController::unclaimableInterfaceNotOpened()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice(ClVirtualUsbShape::severalInterfaces());
    struct usb_device* pstDevice = plugAndFind(clBus, pclDevice);
    pclDevice->setClaimError(ClUsbApi::lErrorBusy);
    ClUsbController clController(pstDevice, &clBus);
    QVERIFY(!clController.open());
    QCOMPARE(clBus.openHandleCount(), 0);

    // Once the interface is free again the same record opens.
    pclDevice->setClaimError(0);
    QVERIFY(clController.open());
    QCOMPARE(clController.interfaces(), QList<int>({0, 1}));
    clController.close();
    QCOMPARE(clBus.openHandleCount(), 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
}

void TestUsbController::recoverableErrorsKeepDeviceOpen_data()
{
    QTest::addColumn<int>("lError");
    QTest::addColumn<int>("lCode");
    QTest::newRow("busy") << -16 << int(ClResultCode::usBusy);
    QTest::newRow("timed out") << -116 << int(ClResultCode::usTimedOut);
    QTest::newRow("other") << -71 << int(ClResultCode::usTransferFailed);
}

void TestUsbController::recoverableErrorsKeepDeviceOpen()
{
    QFETCH(int, lError);
    QFETCH(int, lCode);
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclDevice = new ClVirtualEchoDevice();
    ClUsbController clController(plugAndFind(clBus, pclDevice), &clBus);
    QVERIFY(clController.open());
    QSignalSpy clClosed(&clController, &ClUsbController::sigClose);

    pclDevice->failTransfers(Direction::Write, 1, lError);
    const QByteArray clRequest(32, '\0');
    QCOMPARE(clController.bulkWrite(clRequest, 1000), lCode);
    QVERIFY(clController.isOpen());
    QCOMPARE(clController.bulkWrite(clRequest, 1000), 32);
    QCOMPARE(pclDevice->writeCount(), 2);

    pclDevice->failTransfers(Direction::Read, 1, lError);
    unsigned short usError = 0;
    QVERIFY(clController.bulkRead(1000, 0xFF, &usError).isEmpty());
    QCOMPARE(int(usError), lCode);
    QVERIFY(clController.isOpen());
    QCOMPARE(clController.bulkRead(1000, 0xFF, &usError).size(), 32);
    QCOMPARE(clClosed.count(), 0);
    clController.close();
}

void TestUsbController::goneDeviceClosesOnce_data()
{
    QTest::addColumn<bool>("bRead");
    QTest::newRow("write") << false;
    QTest::newRow("read") << true;
}

void TestUsbController::goneDeviceClosesOnce()
{
    QFETCH(bool, bRead);
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclDevice = new ClVirtualEchoDevice();
    ClUsbController clController(plugAndFind(clBus, pclDevice), &clBus);
    QVERIFY(clController.open());
    QSignalSpy clClosed(&clController, &ClUsbController::sigClose);

    pclDevice->failTransfers(bRead ? Direction::Read : Direction::Write, 1, ClUsbApi::lErrorGone);
    unsigned short usError = 0;
    if (bRead) {
        QVERIFY(clController.bulkRead(1000, 0xFF, &usError).isEmpty());
        QCOMPARE(usError, ClResultCode::usNoCamera);
    } else {
        QCOMPARE(clController.bulkWrite(QByteArray(32, '\0'), 1000), int(ClResultCode::usNoCamera));
    }
    QVERIFY(!clController.isOpen());
    QCOMPARE(clClosed.count(), 1);
    QCOMPARE(clClosed.first().first().value<ClUsbController*>(), &clController);
    QCOMPARE(clBus.openHandleCount(), 0);

    // Closing again, or transfers after the close, neither signal again nor reach the bus.
    clController.close();
    QCOMPARE(clController.bulkWrite(QByteArray(32, '\0'), 1000), int(ClResultCode::usNoCamera));
    QCOMPARE(clClosed.count(), 1);
    QCOMPARE(clBus.invalidHandleUses(), 0);
}

void TestUsbController::unplugWhileOpen()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    ClUsbController clController(plugAndFind(clBus, pclDevice), &clBus);
    QVERIFY(clController.open());
    QSignalSpy clClosed(&clController, &ClUsbController::sigClose);
    clBus.unplug(pclDevice);
    unsigned short usError = 0;
    QVERIFY(clController.bulkRead(5000, 0xFF, &usError).isEmpty());
    QCOMPARE(usError, ClResultCode::usNoCamera);
    QCOMPARE(clClosed.count(), 1);
    QCOMPARE(clBus.openHandleCount(), 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
}

void TestUsbController::zeroByteReadLeavesErrorAlone()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    ClUsbController clController(plugAndFind(clBus, pclDevice), &clBus);
    QVERIFY(clController.open());
    pclDevice->queueResponse(QByteArray(32, 'x'));
    pclDevice->returnZeroBytes(Direction::Read, 1);
    unsigned short usError = 0x1234;
    QVERIFY(clController.bulkRead(1000, 0xFF, &usError).isEmpty());
    QCOMPARE(usError, 0x1234);
    QVERIFY(clController.isOpen());
    // The queued response was not consumed by the empty read.
    QCOMPARE(clController.bulkRead(1000, 0xFF, &usError), QByteArray(32, 'x'));
    clController.close();
}

void TestUsbController::readIsCappedAt1024Bytes()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    ClUsbController clController(plugAndFind(clBus, pclDevice), &clBus);
    QVERIFY(clController.open());
    QByteArray clBlock(3000, '\0');
    for (int i = 0; i < clBlock.size(); ++i)
        clBlock[i] = char(i % 251);
    pclDevice->queueResponse(clBlock);
    unsigned short usError = 0;
    QByteArray clCollected;
    for (int i = 0; i < 3; ++i) {
        const QByteArray clPart = clController.bulkRead(1000, 0xFF, &usError);
        QVERIFY(clPart.size() <= ClUsbController::lMaxReadSize);
        clCollected += clPart;
    }
    QCOMPARE(clCollected, clBlock);
    QCOMPARE(usError, 0);
    clController.close();
}

void TestUsbController::closedControllerRefusesTransfers()
{
    ClVirtualUsbBus clBus;
    auto* pclDevice = new ClVirtualEchoDevice();
    ClUsbController clController(plugAndFind(clBus, pclDevice), &clBus);
    QSignalSpy clClosed(&clController, &ClUsbController::sigClose);
    QCOMPARE(clController.bulkWrite(QByteArray(32, '\0'), 1000), int(ClResultCode::usNoCamera));
    unsigned short usError = 0;
    QVERIFY(clController.bulkRead(1000, 0xFF, &usError).isEmpty());
    QCOMPARE(usError, ClResultCode::usNoCamera);
    clController.close();  // never opened: nothing to announce
    QCOMPARE(clClosed.count(), 0);
    QCOMPARE(pclDevice->writeCount() + pclDevice->readCount(), 0);

    QVERIFY(clController.open());
    clController.close();
    QCOMPARE(clController.bulkWrite(QByteArray(32, '\0'), 1000), int(ClResultCode::usNoCamera));
    QVERIFY(clController.bulkRead(1000, 0xFF, &usError).isEmpty());
    QCOMPARE(clClosed.count(), 1);
    QCOMPARE(pclDevice->writeCount() + pclDevice->readCount(), 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
}

QTEST_GUILESS_MAIN(TestUsbController)
#include "TestUsbController.moc"
