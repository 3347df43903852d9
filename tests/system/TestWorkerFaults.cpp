// Faults injected into the emulated camera while the real worker exchanges with it: the cable
// pulled at every step of every kind of exchange, transfer errors, slow, lost, foreign,
// short and garbage answers, and packets that lie about what follows. Each ends with an
// answer to the request, no hang, and exactly one removal notice where the camera went.
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClUsbManager.h"
#include "ClVirtualCamera.h"
#include "ClVirtualFirmwareImage.h"
#include "ClVirtualUsbBus.h"
#include "ClWorkerRig.h"

#include <QElapsedTimer>
#include <QtTest>

using Direction = ClVirtualUsbDevice::Direction;
using Fault = ClVirtualCamera::Fault;

namespace {
quint16 resultOf(const PV_CMD& clAnswer)
{
    return clAnswer.value(QStringLiteral("PARAM3")).value<quint16>();
}

QUuid kindOf(const PV_CMD& clAnswer)
{
    return clAnswer.value(QStringLiteral("CMD")).toUuid();
}
}  // namespace

class TestWorkerFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void unplugAtEveryStep_data();
    void unplugAtEveryStep();
    void transferErrors_data();
    void transferErrors();
    void answerFaults_data();
    void answerFaults();
    void foreignSequencesForeverAreBounded();
    void lyingBlockLengthRefused();
    void lyingAccessPointCountRefused();
    void lyingTextLengthSurvived();
    void realTimeouts();
};

void TestWorkerFaults::initTestCase()
{
    PvCmd::registerMetaTypes();
}

void TestWorkerFaults::unplugAtEveryStep_data()
{
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<PV_CMD>("clArgs");
    QTest::addColumn<int>("lDirection");
    QTest::addColumn<int>("lNth");

    const PV_CMD clBlock = ClWorkerRig::args({ClVirtualFirmwareImage::make(QStringLiteral("01.03.026"))});
    const int lWrite = int(Direction::Write);
    const int lRead = int(Direction::Read);
    QTest::newRow("plain: request") << QByteArray("ClTovuCommandGetTimezone") << PV_CMD() << lWrite << 1;
    QTest::newRow("plain: response") << QByteArray("ClTovuCommandGetTimezone") << PV_CMD() << lRead << 1;
    QTest::newRow("data send: command") << QByteArray("ClTovuCommandExecFwUpdateData") << clBlock << lWrite << 1;
    QTest::newRow("data send: block") << QByteArray("ClTovuCommandExecFwUpdateData") << clBlock << lWrite << 2;
    QTest::newRow("data send: response") << QByteArray("ClTovuCommandExecFwUpdateData") << clBlock << lRead << 1;
    QTest::newRow("collection: request") << QByteArray("ClTovuCommandReqJpeg") << PV_CMD() << lWrite << 1;
    QTest::newRow("collection: response") << QByteArray("ClTovuCommandReqJpeg") << PV_CMD() << lRead << 1;
    QTest::newRow("collection: first packet") << QByteArray("ClTovuCommandReqJpeg") << PV_CMD() << lRead << 2;
    QTest::newRow("collection: later transfer") << QByteArray("ClTovuCommandReqJpeg") << PV_CMD() << lRead << 5;
    QTest::newRow("Wi-Fi state: request") << QByteArray("ClTovuCommandGetWifiInfo") << PV_CMD() << lWrite << 1;
    QTest::newRow("Wi-Fi state: response") << QByteArray("ClTovuCommandGetWifiInfo") << PV_CMD() << lRead << 1;
    QTest::newRow("Wi-Fi state: text packet") << QByteArray("ClTovuCommandGetWifiInfo") << PV_CMD() << lRead << 2;
    QTest::newRow("Wi-Fi state: number packet") << QByteArray("ClTovuCommandGetWifiInfo") << PV_CMD() << lRead << 3;
    QTest::newRow("access points: request") << QByteArray("ClTovuCommandGetAccesspointList") << PV_CMD() << lWrite << 1;
    QTest::newRow("access points: count") << QByteArray("ClTovuCommandGetAccesspointList") << PV_CMD() << lRead << 1;
    QTest::newRow("access points: first text") << QByteArray("ClTovuCommandGetAccesspointList") << PV_CMD() << lRead << 2;
    QTest::newRow("access points: a number") << QByteArray("ClTovuCommandGetAccesspointList") << PV_CMD() << lRead << 5;
    QTest::newRow("access points: the last") << QByteArray("ClTovuCommandGetAccesspointList") << PV_CMD() << lRead << 11;
    QTest::newRow("schedule: request") << QByteArray("ClTovuCommandGetScheSetting") << PV_CMD() << lWrite << 1;
    QTest::newRow("schedule: first entry") << QByteArray("ClTovuCommandGetScheSetting") << PV_CMD() << lRead << 1;
    QTest::newRow("schedule: last entry") << QByteArray("ClTovuCommandGetScheSetting") << PV_CMD() << lRead << 8;
}

void TestWorkerFaults::unplugAtEveryStep()
{
    QFETCH(QByteArray, clClass);
    QFETCH(PV_CMD, clArgs);
    QFETCH(int, lDirection);
    QFETCH(int, lNth);

    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(1);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->unplugAtTransfer(Direction(lDirection), lNth);

    const PV_CMD clAnswer = clRig.request(pHandle, clClass.constData(), clArgs);
    QVERIFY2(!clAnswer.isEmpty(), "no answer");
    QCOMPARE(kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(resultOf(clAnswer), 0xEF00);
    QCOMPARE(clAnswer.value(QStringLiteral("PARAM2")).toUuid(), ClCommandCatalogue::requestKind(clClass.constData()));
    QVERIFY(!pclCamera->isPlugged());

    // One notice, also after the bus change has been seen.
    QTRY_COMPARE_WITH_TIMEOUT(clRig.count(ClCommandKinds::cameraRemoved()), 1, 2000);
    QTest::qWait(30);
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 1);
    QCOMPARE(clRig.request(pHandle, "ClTovuCommandGetTimezone").value(QStringLiteral("PARAM3")).value<quint16>(),
             0xEF00);

    // Plugged in again, the camera is announced and answers.
    pclCamera->clearAllFaults();
    void* pBack = clRig.plug(pclCamera);
    QVERIFY(pBack);
    QCOMPARE(kindOf(clRig.request(pBack, "ClTovuCommandGetTimezone")),
             ClCommandCatalogue::replyKind("ClTovuCommandGetTimezone"));
}

void TestWorkerFaults::transferErrors_data()
{
    QTest::addColumn<int>("lDirection");
    QTest::addColumn<int>("lError");
    QTest::addColumn<int>("lResult");
    QTest::newRow("busy writing") << int(Direction::Write) << -16 << 0xEF02;
    QTest::newRow("busy reading") << int(Direction::Read) << -16 << 0xEF02;
    QTest::newRow("time-out writing") << int(Direction::Write) << -116 << 0xEF03;
    QTest::newRow("time-out reading") << int(Direction::Read) << -116 << 0xEF03;
    QTest::newRow("other error writing") << int(Direction::Write) << -71 << 0xEF05;
    QTest::newRow("other error reading") << int(Direction::Read) << -32 << 0xEF05;
}

void TestWorkerFaults::transferErrors()
{
    QFETCH(int, lDirection);
    QFETCH(int, lError);
    QFETCH(int, lResult);

    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    // Every read of the exchange fails, so that the retries cannot hide the error.
    pclCamera->failTransfers(Direction(lDirection), 3, lError);
    const PV_CMD clAnswer = clRig.request(pHandle, "ClTovuCommandGetTimezone");
    QCOMPARE(kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(resultOf(clAnswer), lResult);

    // The camera stays; the next exchange goes through (after the unread answer of a failed
    // read has been skipped as foreign).
    pclCamera->clearAllFaults();
    QCOMPARE(kindOf(clRig.request(pHandle, "ClTovuCommandGetTimezone")),
             ClCommandCatalogue::replyKind("ClTovuCommandGetTimezone"));
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 0);
}

void TestWorkerFaults::answerFaults_data()
{
    QTest::addColumn<int>("lFault");
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<bool>("bValueReply");
    QTest::addColumn<int>("lResult");

    QTest::newRow("foreign response first") << int(Fault::ForeignSequenceFirst) << QByteArray("ClTovuCommandGetTimezone")
                                            << true << 0;
    QTest::newRow("foreign packet among the schedule")
        << int(Fault::ForeignSequenceFirst) << QByteArray("ClTovuCommandGetScheSetting") << true << 0;
    QTest::newRow("foreign packet before the access points")
        << int(Fault::ForeignSequenceFirst) << QByteArray("ClTovuCommandGetAccesspointList") << true << 0;
    QTest::newRow("camera status") << int(Fault::Status) << QByteArray("ClTovuCommandGetTimezone") << false << 0xFFFE;
    QTest::newRow("no answer") << int(Fault::Silent) << QByteArray("ClTovuCommandGetTimezone") << false << 0xEF03;
    QTest::newRow("no picture") << int(Fault::Silent) << QByteArray("ClTovuCommandReqJpeg") << false << 0xEF03;
    QTest::newRow("short response") << int(Fault::Short) << QByteArray("ClTovuCommandGetTimezone") << true << 0;
    QTest::newRow("short first data packet") << int(Fault::Short) << QByteArray("ClTovuCommandGetMachineName") << true << 0;
}

void TestWorkerFaults::answerFaults()
{
    QFETCH(int, lFault);
    QFETCH(QByteArray, clClass);
    QFETCH(bool, bValueReply);
    QFETCH(int, lResult);

    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(1);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->injectFault(Fault(lFault));
    const PV_CMD clAnswer = clRig.request(pHandle, clClass.constData());
    QVERIFY2(!clAnswer.isEmpty(), "no answer");
    if (bValueReply) {
        QCOMPARE(kindOf(clAnswer), ClCommandCatalogue::replyKind(clClass.constData()));
    } else {
        QCOMPARE(resultOf(clAnswer), lResult);
    }
    QCOMPARE(kindOf(clRig.request(pHandle, "ClTovuCommandGetTimezone")),
             ClCommandCatalogue::replyKind("ClTovuCommandGetTimezone"));
}

void TestWorkerFaults::foreignSequencesForeverAreBounded()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->injectFault(Fault::ForeignSequenceForever);
    QElapsedTimer clTimer;
    clTimer.start();
    const PV_CMD clAnswer = clRig.request(pHandle, "ClTovuCommandGetTimezone");
    QCOMPARE(kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(resultOf(clAnswer), 0xEF05);
    QVERIFY(clTimer.elapsed() < 2000);
    QCOMPARE(pclCamera->readCount(), 1 + ClUsbExchange::lMaxForeignPackets);

    pclCamera->clearAllFaults();
    QCOMPARE(kindOf(clRig.request(pHandle, "ClTovuCommandGetTimezone")),
             ClCommandCatalogue::replyKind("ClTovuCommandGetTimezone"));
}

void TestWorkerFaults::lyingBlockLengthRefused()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->injectFault(Fault::LyingDataLength);
    const int lReadsBefore = pclCamera->readCount();
    const PV_CMD clAnswer = clRig.request(pHandle, "ClTovuCommandReqLog");
    QCOMPARE(kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(resultOf(clAnswer), 0xEF04);
    // Refused on the announcement: nothing of the block was read.
    QCOMPARE(pclCamera->readCount() - lReadsBefore, 1);
    // The block the camera queued is still there; the next request skips it as foreign,
    // provided it gets another sequence (sequences come from the clock's millisecond).
    QTest::qWait(3);
    QCOMPARE(kindOf(clRig.request(pHandle, "ClTovuCommandGetTimezone")),
             ClCommandCatalogue::replyKind("ClTovuCommandGetTimezone"));
}

void TestWorkerFaults::lyingAccessPointCountRefused()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->injectFault(Fault::LyingAccesspointCount);
    const PV_CMD clAnswer = clRig.request(pHandle, "ClTovuCommandGetAccesspointList");
    QCOMPARE(kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(resultOf(clAnswer), 0xEF04);
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 0);
}

void TestWorkerFaults::lyingTextLengthSurvived()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->injectFault(Fault::LyingTextLength);
    const PV_CMD clAnswer = clRig.request(pHandle, "ClTovuCommandGetCameraName");
    QVERIFY2(!clAnswer.isEmpty(), "no answer");
    // Whatever the tool makes of it, the text holds no more than the packet carried.
    if (kindOf(clAnswer) == ClCommandCatalogue::replyKind("ClTovuCommandGetCameraName"))
        QVERIFY(clAnswer.value(QStringLiteral("PARAM2")).toString().size() <= 1024);
    QCOMPARE(clRig.request(pHandle, "ClTovuCommandGetCameraName").value(QStringLiteral("PARAM2")).toString(),
             QStringLiteral("TOVU01"));
}

void TestWorkerFaults::realTimeouts()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    clRig.bus().setImmediateTimeouts(false);
    clRig.manager().setResponseTimeout(60);

    // A slow camera within the wait is answered; one beyond three waits times out.
    pclCamera->setResponseDelay(40);
    QCOMPARE(kindOf(clRig.request(pHandle, "ClTovuCommandGetTimezone")),
             ClCommandCatalogue::replyKind("ClTovuCommandGetTimezone"));
    pclCamera->setResponseDelay(400);
    QElapsedTimer clTimer;
    clTimer.start();
    const PV_CMD clAnswer = clRig.request(pHandle, "ClTovuCommandGetTimezone");
    QCOMPARE(resultOf(clAnswer), 0xEF03);
    QVERIFY(clTimer.elapsed() >= 150);
}

QTEST_GUILESS_MAIN(TestWorkerFaults)
#include "TestWorkerFaults.moc"
