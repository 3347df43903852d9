// ClUsbController driven through the virtual bus: descriptor walking, endpoint choice, why
// a camera cannot be opened, reads, and an exchange over a write cut short. How each
// transfer error becomes a transport code and what the worker does with it is the
// manager's exchange table; the close a pulled camera causes, the real backend's test.
#include "protocol/ClResultCode.h"
#include "usb/ClUsbController.h"
#include "usb/ClUsbExchange.h"
#include "virtualcamera/ClVirtualEchoDevice.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QSignalSpy>
#include <QtTest>

using Direction = ClVirtualUsbDevice::Direction;

namespace {
// A request the echo device answers with a 32-byte response.
const QByteArray clRequest = QByteArray::fromHex("00003412200000000350000001000000") + QByteArray(16, '\0');

// Plugs the device into an empty bus and returns the bus's record of it.
struct usb_device* plugAndFind(ClVirtualUsbBus& clBus, ClVirtualUsbDevice* pclDevice)
{
    clBus.plug(pclDevice);
    clBus.findDevices();
    return clBus.getBusses()->devices;
}

// A bus whose next writes take all but the last byte of a packet.
class ClShortWriteBus : public ClVirtualUsbBus
{
public:
    int bulkWrite(usb_dev_handle* pclHandle, int lEndpoint, const char* pBytes, int lSize, int lTimeoutMs) override
    {
        if (lShortWrites > 0 && lSize > 1) {
            --lShortWrites;
            --lSize;
        }
        return ClVirtualUsbBus::bulkWrite(pclHandle, lEndpoint, pBytes, lSize, lTimeoutMs);
    }
    int lShortWrites = 0;
};

// An echo device alone on a bus whose reads time out at once, and a controller (not yet
// open) made from the bus's record of it.
struct Rig
{
    explicit Rig(const ClVirtualUsbShape& clShape = ClVirtualUsbShape::standardCamera())
        : pclDevice(new ClVirtualEchoDevice(clShape)), clController(plugAndFind(clBus, pclDevice), &clBus)
    {
        clBus.setImmediateTimeouts(true);
    }
    ClShortWriteBus clBus;
    ClVirtualEchoDevice* pclDevice;
    ClUsbController clController;
};

// One transfer: a write gives what bulkWrite returns; a read the number of bytes, or the
// error code when none came.
int transfer(ClUsbController& clController, bool bRead)
{
    if (!bRead)
        return clController.bulkWrite(clRequest, 1000);
    unsigned short usError = 0;
    const QByteArray clBytes = clController.bulkRead(1000, 0xFF, &usError);
    return clBytes.isEmpty() ? int(usError) : int(clBytes.size());
}
}  // namespace

class TestUsbController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endpointChoice_data();
    void endpointChoice();
    void notOpened_data();
    void notOpened();
    void reads();
    void shortWriteEndsTheExchange();
};

void TestUsbController::endpointChoice_data()
{
    QTest::addColumn<ClVirtualUsbShape>("clShape");
    QTest::addColumn<QList<unsigned char>>("lstEndpoints");
    QTest::addColumn<QList<int>>("lstInterfaces");
    QTest::newRow("IN listed first") << ClVirtualUsbShape::standardCamera() << QList<unsigned char> {0x81, 0x02}
                                     << QList<int> {0};
    QTest::newRow("two alternate settings behind an empty interface")
        << ClVirtualUsbShape::severalInterfaces() << QList<unsigned char> {0x02, 0x81, 0x03, 0x82} << QList<int> {0, 1};
}

void TestUsbController::endpointChoice()
{
    QFETCH(ClVirtualUsbShape, clShape);
    QFETCH(QList<unsigned char>, lstEndpoints);
    QFETCH(QList<int>, lstInterfaces);
    Rig stRig(clShape);
    ClUsbController& clController = stRig.clController;
    QVERIFY(clController.open());
    QCOMPARE(clController.endpoints(), lstEndpoints);
    QCOMPARE(clController.interfaces(), lstInterfaces);

    // Whatever the order, requests go out on 0x02 and responses come from 0x81.
    QCOMPARE(clController.bulkWrite(clRequest, 1000), 32);
    QCOMPARE(stRig.pclDevice->lastWriteEndpoint(), 0x02);
    unsigned short usError = 0;
    QCOMPARE(clController.bulkRead(1000, 0xFF, &usError), ClVirtualEchoDevice::responseTo(clRequest));
    QCOMPARE(stRig.pclDevice->lastReadEndpoint(), 0x81);
    QCOMPARE(usError, 0);

    clController.close();
    QCOMPARE(stRig.clBus.openHandleCount(), 0);
    QCOMPARE(transfer(clController, false), int(ClResultCode::usNoCamera));
    QCOMPARE(stRig.clBus.invalidHandleUses(), 0);
}

void TestUsbController::notOpened_data()
{
    QTest::addColumn<ClVirtualUsbShape>("clShape");
    QTest::addColumn<bool>("bOpenFails");
    QTest::addColumn<int>("lClaimError");
    QTest::addColumn<ClUsbController::Failure>("eFailure");
    using Failure = ClUsbController::Failure;
    QTest::newRow("no configuration") << ClVirtualUsbShape::withoutConfiguration() << false << 0 << Failure::Other;
    QTest::newRow("interface taken") << ClVirtualUsbShape::severalInterfaces() << false << int(ClUsbApi::lErrorBusy)
                                     << Failure::Busy;
    QTest::newRow("node not readable") << ClVirtualUsbShape::standardCamera() << true << 0 << Failure::Refused;
    QTest::newRow("claim not permitted") << ClVirtualUsbShape::standardCamera() << false << int(ClUsbApi::lErrorRefused)
                                         << Failure::Refused;
    QTest::newRow("claim fails otherwise") << ClVirtualUsbShape::standardCamera() << false << -71 << Failure::Other;
}

void TestUsbController::notOpened()
{
    QFETCH(ClVirtualUsbShape, clShape);
    QFETCH(bool, bOpenFails);
    QFETCH(int, lClaimError);
    QFETCH(ClUsbController::Failure, eFailure);
    Rig stRig(clShape);
    stRig.pclDevice->setOpenFails(bOpenFails);
    stRig.pclDevice->setClaimError(lClaimError);
    QSignalSpy clClosed(&stRig.clController, &ClUsbController::sigClose);
    QVERIFY(!stRig.clController.open());
    QVERIFY(!stRig.clController.isOpen());
    // Why, so that the window can tell the user what to do.
    QCOMPARE(stRig.clController.lastFailure(), eFailure);
    // No handle is left open behind the refusal, nothing was announced, and a transfer
    // is 0xEF00 without reaching the bus.
    QCOMPARE(stRig.clBus.openHandleCount(), 0);
    QCOMPARE(clClosed.count(), 0);
    QCOMPARE(transfer(stRig.clController, false), int(ClResultCode::usNoCamera));
    QCOMPARE(transfer(stRig.clController, true), int(ClResultCode::usNoCamera));
    QCOMPARE(stRig.pclDevice->writeCount() + stRig.pclDevice->readCount(), 0);
    // Once the cause is gone, the same controller opens and forgets it.
    stRig.pclDevice->setOpenFails(false);
    stRig.pclDevice->setClaimError(0);
    if (eFailure != ClUsbController::Failure::Other) {
        QVERIFY(stRig.clController.open());
        QCOMPARE(stRig.clController.lastFailure(), ClUsbController::Failure::None);
        stRig.clController.close();
    }
}

void TestUsbController::reads()
{
    // A read of zero bytes leaves the error code alone and takes nothing; no read returns
    // more than 1024 bytes, the rest staying for the next.
    Rig stRig;
    QVERIFY(stRig.clController.open());
    QByteArray clBlock;
    for (int i = 0; i < 3000; ++i)
        clBlock.append(char(i % 251));
    stRig.pclDevice->queueResponse(clBlock);
    stRig.pclDevice->returnZeroBytes(Direction::Read, 1);
    unsigned short usError = 0x1234;
    QVERIFY(stRig.clController.bulkRead(1000, 0xFF, &usError).isEmpty());
    QCOMPARE(usError, 0x1234);
    QVERIFY(stRig.clController.isOpen());
    QByteArray clCollected;
    for (int i = 0; i < 3; ++i) {
        const QByteArray clPart = stRig.clController.bulkRead(1000, 0xFF, &usError);
        QVERIFY(clPart.size() <= ClUsbController::lMaxReadSize);
        clCollected += clPart;
    }
    QCOMPARE(clCollected, clBlock);
}

void TestUsbController::shortWriteEndsTheExchange()
{
    // Part of the request went out: the camera cannot answer what it never got whole, so
    // the exchange ends at once rather than waiting through three reads.
    Rig stRig;
    QVERIFY(stRig.clController.open());
    stRig.clBus.lShortWrites = 1;
    ClTovuCommand clCommand(0x5003);
    QCOMPARE(ClUsbExchange(stRig.clController, 100).run(ClExchange::Plain, clCommand), ClResultCode::usTransferFailed);
    QCOMPARE(stRig.pclDevice->readCount(), 0);
    // The next goes out whole and is answered.
    QCOMPARE(ClUsbExchange(stRig.clController, 100).run(ClExchange::Plain, clCommand), quint16(0));
    QCOMPARE(stRig.pclDevice->readCount(), 1);
}

QTEST_GUILESS_MAIN(TestUsbController)
#include "TestUsbController.moc"
