// The virtual USB bus on its own: plugging and unplugging at run time, blocking reads and
// fault injection. (The descriptor trees it presents are walked in the controller's tests.)
#include "usb/ClUsbChangeNotifier.h"
#include "virtualcamera/ClVirtualEchoDevice.h"
#include "virtualcamera/ClVirtualInstantDevice.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <QtEndian>
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

// A packet of the camera's format: type, sequence, the announced size (or length of a data
// packet), then the code and param1 of a command or the bytes of a block.
QByteArray packet(quint16 usType, quint16 usSequence, quint32 ulSize, quint16 usCode, quint32 ulParam1)
{
    QByteArray clBytes(32, '\0');
    qToLittleEndian(usType, clBytes.data());
    qToLittleEndian(usSequence, clBytes.data() + 2);
    qToLittleEndian(ulSize, clBytes.data() + 4);
    qToLittleEndian(usCode, clBytes.data() + 8);
    qToLittleEndian(ulParam1, clBytes.data() + 12);
    return clBytes;
}

QByteArray dataPacket(quint16 usSequence, quint32 ulLength, const QByteArray& clBlock)
{
    return packet(2, usSequence, ulLength, 0, 0).left(8) + clBlock;
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

    void blockingReads()
    {
        ClVirtualUsbBus clBus;
        auto* pclDevice = new ClVirtualEchoDevice();
        usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
        QVERIFY(pclHandle);
        QElapsedTimer clTimer;

        // A read waits for a response that becomes ready later, and times out without one.
        pclDevice->queueResponse("late", 80);
        clTimer.start();
        QCOMPARE(bulkIn(clBus, pclHandle, 2000), 4);
        QVERIFY(clTimer.elapsed() >= 70);
        QVERIFY(clTimer.elapsed() < 1500);
        clTimer.restart();
        QCOMPARE(bulkIn(clBus, pclHandle, 60), ClUsbApi::lErrorTimedOut);
        QVERIFY(clTimer.elapsed() >= 50);

        // In immediate mode a response that is not ready yet is a time-out at once.
        clBus.setImmediateTimeouts(true);
        pclDevice->queueResponse("later", 5000);
        clTimer.restart();
        QCOMPARE(bulkIn(clBus, pclHandle, 5000), ClUsbApi::lErrorTimedOut);
        QVERIFY(clTimer.elapsed() < 1000);
        QCOMPARE(clBus.close(pclHandle), 0);
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

    void faultsCountFromNextTransfer()
    {
        ClVirtualUsbBus clBus;
        clBus.setImmediateTimeouts(true);
        auto* pclDevice = new ClVirtualEchoDevice();
        usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);

        pclDevice->failTransfers(Direction::Write, 2, ClUsbApi::lErrorBusy);
        QCOMPARE(bulkOut(clBus, pclHandle), ClUsbApi::lErrorBusy);
        QCOMPARE(bulkOut(clBus, pclHandle), ClUsbApi::lErrorBusy);
        QCOMPARE(pclDevice->pendingResponses(), 0);  // failed writes never reach the device
        QCOMPARE(bulkOut(clBus, pclHandle), 32);
        QCOMPARE(pclDevice->pendingResponses(), 1);

        pclDevice->returnZeroBytes(Direction::Read, 1);
        QCOMPARE(bulkIn(clBus, pclHandle), 0);
        pclDevice->failTransfers(Direction::Both, 1, -71);
        QCOMPARE(bulkIn(clBus, pclHandle), -71);
        QCOMPARE(bulkIn(clBus, pclHandle), 32);
        QCOMPARE(pclDevice->writeCount(), 3);
        QCOMPARE(pclDevice->readCount(), 3);
        clBus.close(pclHandle);
    }

    void instantDeviceAnswers_data()
    {
        QTest::addColumn<QList<QByteArray>>("lstWrites");
        QTest::addColumn<QByteArray>("clAnswered");  // the request the last answer is for; empty: none
        QTest::addColumn<int>("lStatus");
        QTest::addColumn<int>("lBlocks");

        const QByteArray clSet = packet(0, 0x1234, 32, 0x5832, 9);
        const QByteArray clFirmware = packet(0, 0x1234, 32, 0x2001, 5);
        const quint16 usRejected = ClVirtualInstantDevice::usBlockRejected;
        QTest::newRow("a plain request") << QList<QByteArray> {clSet} << clSet << 0 << 0;
        QTest::newRow("a block whole") << QList<QByteArray> {clFirmware, dataPacket(0x1234, 5, "abcde")} << clFirmware
                                       << 0 << 1;
        QTest::newRow("a block's command alone") << QList<QByteArray> {clFirmware} << QByteArray() << 0 << 0;
        QTest::newRow("a block cut short")
            << QList<QByteArray> {clFirmware, dataPacket(0x1234, 5, "abcd")} << clFirmware << int(usRejected) << 0;
        QTest::newRow("a block of another length")
            << QList<QByteArray> {clFirmware, dataPacket(0x1234, 4, "abcd")} << clFirmware << int(usRejected) << 0;
        QTest::newRow("a block of another sequence")
            << QList<QByteArray> {clFirmware, dataPacket(0x1235, 5, "abcde")} << clFirmware << int(usRejected) << 0;
        QTest::newRow("a block without its command")
            << QList<QByteArray> {dataPacket(0x1234, 5, "abcde")} << QByteArray() << 0 << 0;
        QTest::newRow("a command in between")
            << QList<QByteArray> {clFirmware, clSet, dataPacket(0x1234, 5, "abcde")} << clSet << 0 << 0;
    }

    void instantDeviceAnswers()
    {
        QFETCH(QList<QByteArray>, lstWrites);
        QFETCH(QByteArray, clAnswered);
        QFETCH(int, lStatus);
        QFETCH(int, lBlocks);
        ClVirtualUsbBus clBus;
        clBus.setImmediateTimeouts(true);
        auto* pclDevice = new ClVirtualInstantDevice();
        usb_dev_handle* pclHandle = openClaimed(clBus, pclDevice);
        QVERIFY(pclHandle);
        for (const QByteArray& clWrite : lstWrites)
            QCOMPARE(clBus.bulkWrite(pclHandle, 0x02, clWrite.constData(), int(clWrite.size()), 100),
                     int(clWrite.size()));

        QByteArray clLast;
        QByteArray clBuffer(1024, '\0');
        for (int lRead; (lRead = clBus.bulkRead(pclHandle, 0x81, clBuffer.data(), 1024, 100)) > 0;)
            clLast = clBuffer.left(lRead);
        const QByteArray clExpected
            = clAnswered.isEmpty() ? QByteArray() : ClVirtualEchoDevice::responseTo(clAnswered, quint16(lStatus));
        QCOMPARE(clLast.toHex(), clExpected.toHex());
        QCOMPARE(pclDevice->blocksAccepted(), lBlocks);
        QCOMPARE(pclDevice->bytesAccepted(), quint64(lBlocks * 5));
        clBus.close(pclHandle);
    }
};

QTEST_GUILESS_MAIN(TestVirtualUsbBus)
#include "TestVirtualUsbBus.moc"
