// Faults injected into the emulated camera while the real worker exchanges with it: the
// cable pulled at every step of every kind of exchange, and answers stretched past the
// time an exchange is given. Each ends with an answer to the request, no hang, and exactly
// one removal notice where the camera went. Transfer errors, lost, foreign and lying
// answers and real time-outs are the USB tests' (tests/usb).
#include "protocol/AccesspointList.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbExchange.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualFirmwareImage.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QElapsedTimer>
#include <QImage>
#include <QtTest>

using Allowance = ClExchangeDeadline::Allowance;
using Direction = ClVirtualUsbDevice::Direction;
using Fault = ClVirtualCamera::Fault;

Q_DECLARE_METATYPE(Allowance)

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
    void deadline_data();
    void deadline();
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
    // Every exchange writes its request and reads its first response as a plain one does.
    addRow("plain: request", "ClTovuCommandGetTimezone", false, 1);
    addRow("plain: response", "ClTovuCommandGetTimezone", true, 1);
    addRow("data send: block", "ClTovuCommandExecFwUpdateData", false, 2);
    addRow("data send: response", "ClTovuCommandExecFwUpdateData", true, 1);
    addRow("collection: first packet", "ClTovuCommandReqJpeg", true, 2);
    addRow("collection: later transfer", "ClTovuCommandReqJpeg", true, 5);
    addRow("Wi-Fi state: text packet", "ClTovuCommandGetWifiInfo", true, 2);
    addRow("Wi-Fi state: number packet", "ClTovuCommandGetWifiInfo", true, 3);
    addRow("access points: first text", "ClTovuCommandGetAccesspointList", true, 2);
    addRow("access points: the last", "ClTovuCommandGetAccesspointList", true, 11);
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

void TestWorkerFaults::deadline_data()
{
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<QVariantList>("lstArgs");
    QTest::addColumn<int>("lFault");         // -1: none
    QTest::addColumn<int>("lAccessPoints");  // 0: the camera's own
    QTest::addColumn<int>("lTransferDelayMs");
    QTest::addColumn<Allowance>("stAllowance");
    QTest::addColumn<int>("lResult");  // 0: the value (or result) reply
    QTest::addColumn<int>("lWithinMs");

    // The tool's own allowance takes what honest cameras send at their pace.
    const Allowance stTool;
    const QByteArray clFirmware = ClVirtualFirmwareImage::make(QStringLiteral("01.03.026"), {}, 16 * 1024 * 1024 - 64);
    QTest::newRow("preview picture") << QByteArray("ClTovuCommandReqJpeg") << QVariantList() << -1 << 0 << 0 << stTool
                                     << 0 << 5000;
    QTest::newRow("16 MiB firmware block") << QByteArray("ClTovuCommandExecFwUpdateData") << QVariantList {clFirmware}
                                           << -1 << 0 << 0 << stTool << 0 << 20000;
    QTest::newRow("256 access points") << QByteArray("ClTovuCommandGetAccesspointList") << QVariantList() << -1 << 256
                                       << 0 << stTool << 0 << 5000;
    // No time at all: the exchange ends at once, past its deadline, never waiting for ever.
    QTest::newRow("no time given") << QByteArray("ClTovuCommandGetTimezone") << QVariantList() << -1 << 0 << 0
                                   << Allowance {0, 1, 0} << int(ClUsbExchange::usPastDeadline) << 3000;

    // Time scaled down: transfers of a few ms and allowances to match. A picture of some
    // 14 KB sent at 256 KiB/s needs more than the fixed 30 ms, and gets it from its length
    // at 64 KiB/s.
    QTest::newRow("slow picture given time by its length") << QByteArray("ClTovuCommandReqJpeg") << QVariantList() << -1
                                                           << 0 << 4 << Allowance {30, 64 * 1024, 1} << 0 << 5000;
    // Each transfer well inside the read time-out, and never done: 64 Mi of them.
    QTest::newRow("64 MiB block dribbled a byte at a time")
        << QByteArray("ClTovuCommandReqLog") << QVariantList() << int(Fault::DribbledBlock) << 0 << 1
        << Allowance {200, 1024 * 1024 * 1024, 1} << int(ClUsbExchange::usPastDeadline) << 3000;
    // 63 packets of other sequences before each of 512 good ones: each good one in time,
    // 33 s in all against 0.7 s given.
    QTest::newRow("256 access points behind foreign packets")
        << QByteArray("ClTovuCommandGetAccesspointList") << QVariantList() << int(Fault::ForeignBeforeEachPacket) << 256
        << 1 << Allowance {200, 256 * 1024, 1} << int(ClUsbExchange::usPastDeadline) << 3000;
}

void TestWorkerFaults::deadline()
{
    QFETCH(QByteArray, clClass);
    QFETCH(QVariantList, lstArgs);
    QFETCH(int, lFault);
    QFETCH(int, lAccessPoints);
    QFETCH(int, lTransferDelayMs);
    QFETCH(Allowance, stAllowance);
    QFETCH(int, lResult);
    QFETCH(int, lWithinMs);

    ClWorkerRig clRig;
    clRig.service().setExchangeAllowance(stAllowance);
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    if (lAccessPoints > 0) {
        QList<ClVirtualCamera::AccessPoint> lstPoints(lAccessPoints);
        for (int i = 0; i < lAccessPoints; ++i) {
            lstPoints[i].clSsid = "net-" + QByteArray::number(i);
            lstPoints[i].clBssid = "00:1A:2B:3C:4D:" + QByteArray::number(i % 100);
        }
        pclCamera->setAccessPoints(lstPoints);
    }
    if (lFault >= 0)
        pclCamera->injectFault(Fault(lFault));
    pclCamera->setTransferDelay(lTransferDelayMs);
    const QUuid uuidReply = ClCommandCatalogue::replyKindOf(clClass.constData());
    const int lRepliesBefore = uuidReply.isNull() ? 0 : clRig.count(uuidReply);

    QElapsedTimer clTimer;
    clTimer.start();
    const PV_CMD clAnswer = clRig.request(pHandle, clClass.constData(), ClWorkerRig::args(lstArgs), lWithinMs);
    const qint64 llElapsedMs = clTimer.elapsed();
    // Whatever came, the camera stops dribbling and its queue is emptied, so that an
    // exchange still running ends and the rig can go.
    pclCamera->clearAllFaults();
    pclCamera->clearResponses();

    QVERIFY2(!clAnswer.isEmpty(), qPrintable(QStringLiteral("no answer within %1 ms").arg(lWithinMs)));
    QCOMPARE(clRig.bus().unboundedWaits(), 0);
    if (lResult == 0) {
        if (uuidReply.isNull()) {
            QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandKinds::result());
            QCOMPARE(ClWorkerRig::resultOf(clAnswer), 0);
        } else {
            QCOMPARE(ClWorkerRig::kindOf(clAnswer), uuidReply);
            QVERIFY(clAnswer.value(QStringLiteral("PARAM2")).isValid());
        }
        if (lAccessPoints > 0)
            QCOMPARE(clAnswer.value(QStringLiteral("PARAM2")).value<AccesspointList>().size(), lAccessPoints);
        if (clClass == "ClTovuCommandReqJpeg")
            QVERIFY(!clAnswer.value(QStringLiteral("PARAM2")).value<QImage>().isNull());
        // A slow camera's row is one the fixed allowance alone would have cut short.
        if (lTransferDelayMs > 0)
            QVERIFY2(llElapsedMs > stAllowance.lFixedMs, qPrintable(QString::number(llElapsedMs)));
    } else {
        // Ended by the deadline, not before it, and nothing collected so far handed on.
        QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandKinds::transportError());
        QCOMPARE(ClWorkerRig::resultOf(clAnswer), lResult);
        QVERIFY2(llElapsedMs >= stAllowance.lFixedMs, qPrintable(QString::number(llElapsedMs)));
        QCOMPARE(clRig.count(uuidReply), lRepliesBefore);
    }

    // The camera stays and answers the next request.
    QTest::qWait(3);
    QVERIFY(answersPlainly(clRig, pHandle));
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 0);
}

QTEST_GUILESS_MAIN(TestWorkerFaults)
#include "TestWorkerFaults.moc"
