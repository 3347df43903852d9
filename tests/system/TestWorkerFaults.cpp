// Faults injected into the emulated camera while the real worker exchanges with it: the
// cable pulled at every step of every kind of exchange, and packets that lie about what
// follows. Each ends with an answer to the request, no hang, and exactly one removal
// notice where the camera went. Transfer errors, lost and foreign answers and real
// time-outs are the USB tests' (tests/usb).
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbExchange.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualFirmwareImage.h"

#include <QElapsedTimer>
#include <QtTest>

using Direction = ClVirtualUsbDevice::Direction;
using Fault = ClVirtualCamera::Fault;

namespace {
// Whether the camera answers a plain request with its value.
bool answersPlainly(ClWorkerRig& clRig, void* pHandle)
{
    return ClWorkerRig::kindOf(clRig.request(pHandle, "ClTovuCommandGetTimezone"))
        == ClCommandCatalogue::replyKindOf("ClTovuCommandGetTimezone");
}
}  // namespace

class TestWorkerFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void unplugAtEveryStep_data();
    void unplugAtEveryStep();
    void lyingPackets_data();
    void lyingPackets();
};

void TestWorkerFaults::initTestCase()
{
    PvCmd::registerMetaTypes();
}

void TestWorkerFaults::unplugAtEveryStep_data()
{
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<bool>("bRead");
    QTest::addColumn<int>("lNth");

    auto addRow = [](const char* pszName, const char* pszClass, bool bRead, int lNth) {
        QTest::newRow(pszName) << QByteArray(pszClass) << bRead << lNth;
    };
    addRow("plain: request", "ClTovuCommandGetTimezone", false, 1);
    addRow("plain: response", "ClTovuCommandGetTimezone", true, 1);
    addRow("data send: command", "ClTovuCommandExecFwUpdateData", false, 1);
    addRow("data send: block", "ClTovuCommandExecFwUpdateData", false, 2);
    addRow("data send: response", "ClTovuCommandExecFwUpdateData", true, 1);
    addRow("collection: request", "ClTovuCommandReqJpeg", false, 1);
    addRow("collection: response", "ClTovuCommandReqJpeg", true, 1);
    addRow("collection: first packet", "ClTovuCommandReqJpeg", true, 2);
    addRow("collection: later transfer", "ClTovuCommandReqJpeg", true, 5);
    addRow("Wi-Fi state: request", "ClTovuCommandGetWifiInfo", false, 1);
    addRow("Wi-Fi state: response", "ClTovuCommandGetWifiInfo", true, 1);
    addRow("Wi-Fi state: text packet", "ClTovuCommandGetWifiInfo", true, 2);
    addRow("Wi-Fi state: number packet", "ClTovuCommandGetWifiInfo", true, 3);
    addRow("access points: request", "ClTovuCommandGetAccesspointList", false, 1);
    addRow("access points: count", "ClTovuCommandGetAccesspointList", true, 1);
    addRow("access points: first text", "ClTovuCommandGetAccesspointList", true, 2);
    addRow("access points: a number", "ClTovuCommandGetAccesspointList", true, 5);
    addRow("access points: the last", "ClTovuCommandGetAccesspointList", true, 11);
    addRow("schedule: request", "ClTovuCommandGetScheSetting", false, 1);
    addRow("schedule: first entry", "ClTovuCommandGetScheSetting", true, 1);
    addRow("schedule: last entry", "ClTovuCommandGetScheSetting", true, 8);
}

void TestWorkerFaults::unplugAtEveryStep()
{
    QFETCH(QByteArray, clClass);
    QFETCH(bool, bRead);
    QFETCH(int, lNth);

    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(1);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->unplugAtTransfer(bRead ? Direction::Read : Direction::Write, lNth);

    PV_CMD clArgs;
    if (clClass == "ClTovuCommandExecFwUpdateData")
        clArgs = ClWorkerRig::args({ClVirtualFirmwareImage::make(QStringLiteral("01.03.026"))});
    const PV_CMD clAnswer = clRig.request(pHandle, clClass.constData(), clArgs);
    QVERIFY2(!clAnswer.isEmpty(), "no answer");
    QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(ClWorkerRig::resultOf(clAnswer), 0xEF00);
    QCOMPARE(clAnswer.value(QStringLiteral("PARAM2")).toUuid(), ClCommandCatalogue::requestKindOf(clClass.constData()));
    QVERIFY(!pclCamera->isPlugged());

    // One notice, also after the bus change has been seen.
    QTRY_COMPARE_WITH_TIMEOUT(clRig.count(ClCommandKinds::cameraRemoved()), 1, 2000);
    QTest::qWait(30);
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 1);
    QCOMPARE(ClWorkerRig::resultOf(clRig.request(pHandle, "ClTovuCommandGetTimezone")), 0xEF00);

    // Plugged in again, the camera is announced and answers.
    pclCamera->clearAllFaults();
    void* pBack = clRig.plug(pclCamera);
    QVERIFY(pBack);
    QVERIFY(answersPlainly(clRig, pBack));
}

void TestWorkerFaults::lyingPackets_data()
{
    QTest::addColumn<int>("lFault");
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<int>("lResult");
    QTest::addColumn<int>("lReads");

    // Refused on the claim: nothing of what it announces is read.
    QTest::newRow("data length above 64 MiB")
        << int(Fault::LyingDataLength) << QByteArray("ClTovuCommandReqLog") << 0xEF04 << 1;
    QTest::newRow("more than 256 access points")
        << int(Fault::LyingAccesspointCount) << QByteArray("ClTovuCommandGetAccesspointList") << 0xEF04 << 1;
    // Packets of other sequences, forever: skipped up to a bound, then given up.
    QTest::newRow("foreign sequences forever")
        << int(Fault::ForeignSequenceForever) << QByteArray("ClTovuCommandGetTimezone") << 0xEF05
        << ClUsbExchange::lMaxForeignPackets;
}

void TestWorkerFaults::lyingPackets()
{
    QFETCH(int, lFault);
    QFETCH(QByteArray, clClass);
    QFETCH(int, lResult);
    QFETCH(int, lReads);

    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->injectFault(Fault(lFault));
    const int lReadsBefore = pclCamera->readCount();
    QElapsedTimer clTimer;
    clTimer.start();
    const PV_CMD clAnswer = clRig.request(pHandle, clClass.constData());
    QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(ClWorkerRig::resultOf(clAnswer), lResult);
    QCOMPARE(pclCamera->readCount() - lReadsBefore, lReads);
    QVERIFY(clTimer.elapsed() < 2000);

    // The camera stays. What it queued is skipped as foreign by the next request, provided
    // that gets another sequence (sequences come from the clock's millisecond).
    pclCamera->clearAllFaults();
    QTest::qWait(3);
    QVERIFY(answersPlainly(clRig, pHandle));
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 0);
}

QTEST_GUILESS_MAIN(TestWorkerFaults)
#include "TestWorkerFaults.moc"
