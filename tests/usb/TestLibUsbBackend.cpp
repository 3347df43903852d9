// The real libusb 0.1 backend: ClLibUsbApi and ClUsbController against a camera emulated by
// umockdev at the usbdevfs level, so libusb's own enumeration, URB submission, reaping and
// time-out handling run. Registered to run under umockdev-wrapper.
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClLibUsbApi.h"
#include "ClReplySink.h"
#include "ClResultCode.h"
#include "ClUmockdevCamera.h"
#include "ClUsbController.h"
#include "ClUsbManager.h"
#include "ClVirtualEchoDevice.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

#include <cerrno>
#include <memory>

class TestLibUsbBackend : public QObject
{
    Q_OBJECT

private:
    struct usb_device* findCamera();

    std::unique_ptr<ClUmockdevCamera> m_upCamera;
    ClLibUsbApi m_clApi;

private Q_SLOTS:
    void errorMapping_data();
    void errorMapping();
    void init();
    void cleanup();
    void enumerationOpenAndExchange();
    void readTimesOut();
    void unplugClosesController();
    void workerOnRealLibUsb();
};

struct usb_device* TestLibUsbBackend::findCamera()
{
    m_clApi.findBusses();
    m_clApi.findDevices();
    for (usb_bus* pstBus = m_clApi.getBusses(); pstBus; pstBus = pstBus->next) {
        for (struct usb_device* pstDevice = pstBus->devices; pstDevice; pstDevice = pstDevice->next) {
            if (pstDevice->descriptor.idVendor == 0x09A1 && pstDevice->descriptor.idProduct == 0x0201)
                return pstDevice;
        }
    }
    return nullptr;
}

void TestLibUsbBackend::errorMapping_data()
{
    QTest::addColumn<int>("lLibUsb");
    QTest::addColumn<int>("lSeam");
    QTest::newRow("no device") << -ENODEV << -5;
    QTest::newRow("shut down") << -ESHUTDOWN << -5;
    QTest::newRow("node gone") << -ENOENT << -5;
    QTest::newRow("i/o error") << -EIO << -5;
    QTest::newRow("timed out") << -ETIMEDOUT << -116;
    QTest::newRow("busy") << -EBUSY << -16;
    QTest::newRow("stall") << -EPIPE << -EPIPE;
    QTest::newRow("bytes") << 32 << 32;
}

void TestLibUsbBackend::errorMapping()
{
    QFETCH(int, lLibUsb);
    QFETCH(int, lSeam);
    QCOMPARE(ClLibUsbApi::mapError(lLibUsb), lSeam);
    // libusb 0.1 reads a time-out of 0 as "wait for ever".
    QCOMPARE(ClLibUsbApi::boundedTimeout(0), 1);
    QCOMPARE(ClLibUsbApi::boundedTimeout(-3), 1);
    QCOMPARE(ClLibUsbApi::boundedTimeout(1000), 1000);
}

void TestLibUsbBackend::init()
{
    if (QByteArray(QTest::currentTestFunction()).startsWith("errorMapping"))
        return;
    m_upCamera = std::make_unique<ClUmockdevCamera>();
    if (!m_upCamera->isReady())
        QSKIP(qPrintable(QStringLiteral("umockdev unavailable: ") + m_upCamera->error()));
    m_clApi.setDebug(0);
    m_clApi.init();
}

void TestLibUsbBackend::cleanup()
{
    m_upCamera.reset();
}

void TestLibUsbBackend::enumerationOpenAndExchange()
{
    struct usb_device* pstDevice = findCamera();
    QVERIFY2(pstDevice, "libusb did not enumerate the emulated camera");
    QCOMPARE(QByteArray(pstDevice->bus->dirname), QByteArray("001"));
    QCOMPARE(pstDevice->descriptor.bNumConfigurations, 1);

    ClUsbController clController(pstDevice, &m_clApi);
    QVERIFY(clController.open());
    QCOMPARE(clController.endpoints(), QList<unsigned char>({0x81, 0x02}));
    QCOMPARE(m_upCamera->claimedInterfaces(), QList<int>({0}));

    const QByteArray clRequest = QByteArray::fromHex("0000beef200000000350000007000000") + QByteArray(16, '\0');
    QCOMPARE(clController.bulkWrite(clRequest, 1000), 32);
    QCOMPARE(m_upCamera->requests(), QList<QByteArray>({clRequest}));
    unsigned short usError = 0;
    const QByteArray clResponse = clController.bulkRead(1000, 0xFF, &usError);
    QCOMPARE(usError, 0);
    QCOMPARE(clResponse.toHex(), ClVirtualEchoDevice::responseTo(clRequest).toHex());

    QSignalSpy clClosed(&clController, &ClUsbController::sigClose);
    clController.close();
    QCOMPARE(clClosed.count(), 1);
    QCOMPARE(m_upCamera->releasedInterfaces(), QList<int>({0}));
}

void TestLibUsbBackend::readTimesOut()
{
    struct usb_device* pstDevice = findCamera();
    QVERIFY(pstDevice);
    ClUsbController clController(pstDevice, &m_clApi);
    QVERIFY(clController.open());
    m_upCamera->setMode(ClUmockdevCamera::Mode::Silent);

    unsigned short usError = 0;
    QElapsedTimer clTimer;
    clTimer.start();
    QVERIFY(clController.bulkRead(100, 0xFF, &usError).isEmpty());
    QCOMPARE(usError, ClResultCode::usTimedOut);
    QVERIFY(clTimer.elapsed() >= 90);
    QCOMPARE(m_upCamera->discardedUrbs(), 1);
    QVERIFY(clController.isOpen());

    // The cancelled read leaves nothing behind: the next exchange pairs up normally.
    m_upCamera->setMode(ClUmockdevCamera::Mode::Answer);
    const QByteArray clRequest = QByteArray::fromHex("00001234200000000150") + QByteArray(22, '\0');
    QCOMPARE(clController.bulkWrite(clRequest, 1000), 32);
    QCOMPARE(clController.bulkRead(1000, 0xFF, &usError), ClVirtualEchoDevice::responseTo(clRequest));
    clController.close();
}

void TestLibUsbBackend::unplugClosesController()
{
    struct usb_device* pstDevice = findCamera();
    QVERIFY(pstDevice);
    ClUsbController clController(pstDevice, &m_clApi);
    QVERIFY(clController.open());
    QSignalSpy clClosed(&clController, &ClUsbController::sigClose);

    m_upCamera->remove();
    QCOMPARE(clController.bulkWrite(QByteArray(32, '\0'), 1000), int(ClResultCode::usNoCamera));
    QVERIFY(!clController.isOpen());
    QCOMPARE(clClosed.count(), 1);
    unsigned short usError = 0;
    QVERIFY(clController.bulkRead(1000, 0xFF, &usError).isEmpty());
    QCOMPARE(usError, ClResultCode::usNoCamera);
    QCOMPARE(clClosed.count(), 1);
    // The next scan no longer lists the camera.
    QVERIFY(findCamera() == nullptr);
}

void TestLibUsbBackend::workerOnRealLibUsb()
{
    // The worker with its own libusb backend and device watcher, as the tool runs it.
    ClReplySink clSink;
    auto upManager = std::make_unique<ClUsbManager>();
    upManager->setSettleDelay(10);
    connect(upManager.get(), &ClUsbManager::sigSendCommand, &clSink, &ClReplySink::slotReceiveCommand);
    QVERIFY(upManager->init({0x09A1u | (0x0201u << 16)}));
    QTRY_COMPARE(clSink.count(ClCommandKinds::cameraConnected()), 1);
    const PV_CMD clConnected = clSink.first(ClCommandKinds::cameraConnected());
    QCOMPARE(clConnected.value(QStringLiteral("PARAM2")).toInt(), 0);
    void* pHandle = clConnected.value(QStringLiteral("PARAM1")).value<void*>();

    const QUuid uuidFirmware = ClCommandCatalogue::requestKind("ClTovuCommandGetFwVersion");
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), uuidFirmware);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    QMetaObject::invokeMethod(
        upManager.get(), [&upManager, clRequest] { upManager->slotReceiveCommand(clRequest); }, Qt::QueuedConnection);
    QTRY_COMPARE(clSink.count(ClCommandCatalogue::replyKind("ClTovuCommandGetFwVersion")), 1);

    // Pulled out: the next request finds the camera gone, which is announced once.
    m_upCamera->remove();
    QMetaObject::invokeMethod(
        upManager.get(), [&upManager, clRequest] { upManager->slotReceiveCommand(clRequest); }, Qt::QueuedConnection);
    QTRY_COMPARE(clSink.count(ClCommandKinds::cameraRemoved()), 1);
    QTRY_VERIFY(clSink.count(ClCommandKinds::transportError()) + clSink.count(ClCommandKinds::result()) >= 2);
    QTest::qWait(100);
    QCOMPARE(clSink.count(ClCommandKinds::cameraRemoved()), 1);
}

QTEST_GUILESS_MAIN(TestLibUsbBackend)
#include "TestLibUsbBackend.moc"
