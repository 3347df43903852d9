// The USB worker on its real thread against the virtual bus, through the system tests' rig:
// the announcement after settling, removal, an unknown kind, shutdown, the exchanges against
// answers scripted packet by packet (transfer errors, lost and foreign answers, and the
// bounds that keep a lying camera from hanging or exhausting the tool), the cable pulled at
// every step of every kind of exchange, the time an exchange is given, and real waits.
#include "protocol/AccesspointList.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClUnusableReason.h"
#include "protocol/ScheduleSettings.h"
#include "protocol/TypedKinds.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClExchangeDeadline.h"
#include "usb/ClUsbApi.h"
#include "usb/ClUsbExchange.h"
#include "usb/ClUsbManager.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualEchoDevice.h"
#include "virtualcamera/ClVirtualFirmwareImage.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QElapsedTimer>
#include <QImage>
#include <QtTest>

#include <atomic>
#include <functional>

using Allowance = ClExchangeDeadline::Allowance;
using Direction = ClVirtualUsbDevice::Direction;
using Fault = ClVirtualCamera::Fault;
using Packets = QList<QByteArray>;
using Wire = ClVirtualCameraWire;

namespace {
// The emulated camera, except that the next requests are answered, one script each in
// order, with the packets a script makes for the request's sequence (none: silence).
class ClScriptedCamera : public ClVirtualCamera
{
public:
    using Script = std::function<Packets(quint16 usSequence)>;
    explicit ClScriptedCamera(int lModel = 1) : ClVirtualCamera(lModel) {}

    void answerNext(const Script& fnScript)
    {
        QMutexLocker clLocker(&m_clLock);
        m_lstScripts.append(fnScript);
    }

protected:
    void handleWrite(int lEndpoint, const QByteArray& clData) override
    {
        const Wire::Packet stRequest = Wire::parse(clData);
        Script fnScript;
        {
            QMutexLocker clLocker(&m_clLock);
            if (stRequest.usType == Wire::usTypeCommand && !m_lstScripts.isEmpty())
                fnScript = m_lstScripts.takeFirst();
        }
        if (!fnScript) {
            ClVirtualCamera::handleWrite(lEndpoint, clData);
            return;
        }
        for (const QByteArray& clPacket : fnScript(stRequest.usSequence))
            queueResponse(clPacket);
    }

private:
    QMutex m_clLock;
    QList<Script> m_lstScripts;
};

// The emulated camera, noting the thread that closed its last handle.
class ClCloseWatchingCamera : public ClVirtualCamera
{
public:
    QThread* closedOn() const { return m_pclClosedOn.load(); }

protected:
    void handleClose() override
    {
        m_pclClosedOn = QThread::currentThread();
        ClVirtualCamera::handleClose();
    }

private:
    std::atomic<QThread*> m_pclClosedOn {nullptr};
};

// A machine whose USB has no bus at all.
class ClBuslessBus : public ClVirtualUsbBus
{
public:
    int findBusses() override { return 0; }
};

// What a test does to the camera before its request.
using Arrange = std::function<void(ClScriptedCamera&)>;

Arrange answer(const ClScriptedCamera::Script& fnScript)
{
    return [=](ClScriptedCamera& clCamera) { clCamera.answerNext(fnScript); };
}

// Whether the camera answers a plain request with its value.
bool answersPlainly(ClWorkerRig& clRig, void* pHandle)
{
    return ClWorkerRig::kindOf(clRig.request(pHandle, "ClTovuCommandGetTimezone"))
        == ClCommandCatalogue::replyKindOf("ClTovuCommandGetTimezone");
}

QByteArray block(int lSize)
{
    QByteArray clBlock;
    for (int i = 0; i < lSize; ++i)
        clBlock.append(char((i * 7) % 253));
    return clBlock;
}
}  // namespace

Q_DECLARE_METATYPE(Allowance)
Q_DECLARE_METATYPE(Arrange)

class TestUsbManager : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void announcesModel_data();
    void announcesModel();
    void unplugAnnouncedOnce();
    void unknownKindRefusedAsNothingSent();
    void ownerDeletesWorkerSilently();
    void startReportsBusAfterFirstScan();
    void exchanges_data();
    void exchanges();
    void deadlineFollowsSize_data();
    void deadlineFollowsSize();
    void deadlineNeverWaitsForever();
    void deadline_data();
    void deadline();
    void unplugAtEveryStep_data();
    void unplugAtEveryStep();
    void realWaits();
    void lateAnswerOfPreviousCommandSkipped();
    void unusableCameraExplained();
};

void TestUsbManager::announcesModel_data()
{
    QTest::addColumn<int>("lCamera");
    QTest::addColumn<Arrange>("fnArrange");
    QTest::addColumn<int>("lSettleMs");
    QTest::addColumn<int>("lModel");
    QTest::addColumn<int>("lResult");
    const Arrange fnNone;
    QTest::newRow("Tovu") << 0 << fnNone << 20 << 0 << 0;
    QTest::newRow("Tovu-S after the real settle delay") << 1 << fnNone << 3000 << 1 << 0;
    QTest::newRow("another model") << 2 << fnNone << 20 << -1 << 0;
    QTest::newRow("case differs") << 0 << answer([](quint16 s) { return Packets {Wire::text(s, 0, "tovu")}; }) << 20
                                  << -1 << 0;
    QTest::newRow("camera refuses") << 0 << answer([](quint16 s) { return Packets {Wire::text(s, 5, "Tovu")}; }) << 20
                                    << -1 << 5;
    QTest::newRow("no answer") << 0 << answer([](quint16) { return Packets(); }) << 20 << -1
                               << int(ClResultCode::usTimedOut);
}

void TestUsbManager::announcesModel()
{
    QFETCH(int, lCamera);
    QFETCH(Arrange, fnArrange);
    QFETCH(int, lSettleMs);
    QFETCH(int, lModel);
    QFETCH(int, lResult);
    ClWorkerRig clRig;
    clRig.service().setSettleDelay(lSettleMs);
    auto* pclCamera = new ClScriptedCamera(lCamera);
    if (fnArrange)
        fnArrange(*pclCamera);
    QElapsedTimer clTimer;
    clTimer.start();
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    QVERIFY(clTimer.elapsed() >= lSettleMs - 10);

    // The announcement, then the name query's own result, and nothing else.
    QCOMPARE(clRig.envelopes().size(), 2);
    const PV_CMD clConnected = clRig.envelopes().at(0);
    QCOMPARE(clConnected.value(QStringLiteral("PARAM2")).toInt(), lModel);
    QCOMPARE(ClWorkerRig::resultOf(clConnected), quint16(lResult));
    const PV_CMD clResult = clRig.envelopes().at(1);
    QCOMPARE(clResult.value(QStringLiteral("PARAM2")).toUuid(),
             ClCommandCatalogue::requestKindOf("ClTovuCommandGetMachineName"));
    QCOMPARE(ClWorkerRig::resultOf(clResult), quint16(lResult));
    QCOMPARE(clResult.value(QStringLiteral("PARAM1")).value<void*>(), pHandle);
}

void TestUsbManager::unplugAnnouncedOnce()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera();
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    // A device of another identity plugged in meanwhile is left alone.
    auto* pclStranger = new ClVirtualEchoDevice(ClVirtualUsbShape::standardCamera(0x1234, 0x0201));
    pclCamera->bus()->plug(pclStranger);
    pclCamera->bus()->unplug(pclCamera);
    QTRY_COMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 1);
    QCOMPARE(clRig.envelopes().last().value(QStringLiteral("PARAM1")).value<void*>(), pHandle);
    QCOMPARE(pclCamera->openHandles(), 0);

    // A request naming the removed camera gets a transport error.
    const PV_CMD clAnswer = clRig.request(pHandle, "ClTovuCommandGetTimezone");
    QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(ClWorkerRig::resultOf(clAnswer), ClResultCode::usNoCamera);
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 1);
    QCOMPARE(pclStranger->openHandles(), 0);

    // Plugged in again, the camera gets another handle, and the old one still names no
    // camera, although the new controller may sit where the old one was.
    void* pBack = clRig.plug(pclCamera);
    QVERIFY(pBack);
    QVERIFY(pBack != pHandle);
    QCOMPARE(ClWorkerRig::resultOf(clRig.request(pHandle, "ClTovuCommandGetTimezone")), ClResultCode::usNoCamera);
    QCOMPARE(ClWorkerRig::kindOf(clRig.request(pBack, "ClTovuCommandGetTimezone")),
             ClCommandCatalogue::replyKindOf("ClTovuCommandGetTimezone"));
}

void TestUsbManager::unknownKindRefusedAsNothingSent()
{
    // Nothing went out, so the page must not hear success: an error notice 0xEF01, with
    // the request's "Sender", so that it reaches the page that asked.
    ClWorkerRig clRig;
    const PV_CMD clAnswer = clRig.request(nullptr, QUuid::createUuid());
    QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandKinds::transportError());
    QCOMPARE(ClWorkerRig::resultOf(clAnswer), ClResultCode::usNothingToSend);
    QCOMPARE(clAnswer.value(QStringLiteral("Sender")).value<QObject*>(), &clRig);
}

void TestUsbManager::ownerDeletesWorkerSilently()
{
    // The service's owner goes while the first of three requests to a slow camera is under
    // way: the service goes with it, closes the camera on the worker's thread and nothing
    // more is delivered.
    ClVirtualUsbBus clBus;
    auto* pclCamera = new ClCloseWatchingCamera();
    clBus.plug(pclCamera);
    QList<PV_CMD> lstReplies;
    QObject clInbox;  // outlives the service, so that a late reply would still arrive
    auto upOwner = std::make_unique<QObject>();
    auto* pclService = new ClUsbService(&clBus, upOwner.get());
    const QPointer<ClUsbService> pclWatch(pclService);
    pclService->setSettleDelay(10);
    connect(pclService, &ClUsbService::sigSendCommand, &clInbox,
            [&](const PV_CMD& clReply) { lstReplies.append(clReply); });
    QVERIFY(pclService->init({0x09A1u | (0x0201u << 16)}));
    QTRY_COMPARE(lstReplies.size(), 2);  // the announcement and the name query's result
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), ClCommandCatalogue::requestKindOf("ClTovuCommandGetTimezone"));
    clRequest.insert(QStringLiteral("PARAM1"), lstReplies.first().value(QStringLiteral("PARAM1")));
    lstReplies.clear();

    pclCamera->setTransferDelay(200);
    for (int i = 0; i < 3; ++i)
        pclService->slotReceiveCommand(clRequest);
    QTRY_VERIFY(pclCamera->writeCount() >= 2);
    upOwner.reset();
    QVERIFY(pclWatch.isNull());
    QTest::qWait(50);
    QVERIFY(lstReplies.isEmpty());
    QCOMPARE(pclCamera->openHandles(), 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
    QVERIFY(pclCamera->closedOn());
    QVERIFY(pclCamera->closedOn() != QThread::currentThread());
}

void TestUsbManager::startReportsBusAfterFirstScan()
{
    // What the worker reports, in the order it reaches the owner: the bus is ready before
    // a request queued at once after start() is answered, and a camera already on the bus
    // is announced once it has settled.
    const quint32 ulIdentity = 0x09A1u | (0x0201u << 16);
    QStringList lstSeen;
    ClVirtualUsbBus clBus;
    clBus.plug(new ClVirtualCamera());
    ClUsbService clService(&clBus);
    connect(&clService, &ClUsbService::sigBusReady, &clService,
            [&](bool bBus) { lstSeen.append(bBus ? QStringLiteral("ready") : QStringLiteral("no bus")); });
    connect(&clService, &ClUsbService::sigSendCommand, &clService, [&](const PV_CMD& clReply) {
        const QUuid uuidKind = clReply.value(QStringLiteral("CMD")).toUuid();
        lstSeen.append(uuidKind == ClCommandKinds::cameraConnected()      ? QStringLiteral("camera")
                           : uuidKind == ClCommandKinds::transportError() ? QStringLiteral("no camera")
                                                                          : QStringLiteral("other"));
    });
    clService.start({ulIdentity});
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), ClCommandCatalogue::requestKindOf("ClTovuCommandGetTimezone"));
    clService.slotReceiveCommand(clRequest);
    QVERIFY(lstSeen.isEmpty());
    QTRY_VERIFY(lstSeen.contains(QStringLiteral("camera")));
    QCOMPARE(lstSeen.mid(0, 2), QStringList({"ready", "no camera"}));

    // No bus: said once, and nothing is ever announced.
    ClBuslessBus clNoBus;
    clNoBus.plug(new ClVirtualCamera());
    ClUsbService clBusless(&clNoBus);
    QSignalSpy clReady(&clBusless, &ClUsbService::sigBusReady);
    QSignalSpy clReplies(&clBusless, &ClUsbService::sigSendCommand);
    clBusless.start({ulIdentity});
    QTRY_COMPARE(clReady.size(), 1);
    QCOMPARE(clReady.first().first().toBool(), false);
    QTest::qWait(50);
    QCOMPARE(clReplies.size(), 0);
}

void TestUsbManager::exchanges_data()
{
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<QVariantList>("lstArgs");  // the request's PARAM2...
    QTest::addColumn<Arrange>("fnArrange");
    QTest::addColumn<QVariantList>("lstValues");  // the reply's PARAM2...; none: a failure
    QTest::addColumn<int>("lResult");
    QTest::addColumn<int>("lReads");
    const QByteArray clTimezone("ClTovuCommandGetTimezone");
    const QByteArray clFirmware("ClTovuCommandExecFwUpdateData");
    const QByteArray clAudio("ClTovuCommandReqAudio");
    const QByteArray clWifi("ClTovuCommandGetWifiInfo");
    const QByteArray clAccessPoints("ClTovuCommandGetAccesspointList");
    const QByteArray clSchedule("ClTovuCommandGetScheSetting");
    const QVariantList lstNone;
    const int lMaxForeign = ClUsbExchange::lMaxForeignPackets;

    // One response awaited.
    QTest::newRow("responses of other sequences skipped") << clTimezone << lstNone << answer([](quint16 s) {
        return Packets {Wire::plain(s + 1, 0, {0xF0F0}), Wire::plain(s + 2, 0, {0xF0F0}), Wire::plain(s, 0, {41})};
    }) << QVariantList {41u} << 0 << 3;
    QTest::newRow("three empty reads") << clTimezone << lstNone
                                       << Arrange([](ClScriptedCamera& c) { c.returnZeroBytes(Direction::Read, 3); })
                                       << lstNone << int(ClResultCode::usTransferFailed) << 3;
    // A write that took fewer bytes than the packet ends the exchange unread.
    QTest::newRow("request written with zero bytes")
        << clTimezone << lstNone << Arrange([](ClScriptedCamera& c) { c.returnZeroBytes(Direction::Write, 1); })
        << lstNone << int(ClResultCode::usTransferFailed) << 0;
    QTest::newRow("request refused busy")
        << clTimezone << lstNone << Arrange([](ClScriptedCamera& c) { c.failTransfers(Direction::Write, 1, -16); })
        << lstNone << int(ClResultCode::usBusy) << 0;
    QTest::newRow("request failing otherwise")
        << clTimezone << lstNone << Arrange([](ClScriptedCamera& c) { c.failTransfers(Direction::Write, 1, -71); })
        << lstNone << int(ClResultCode::usTransferFailed) << 0;
    QTest::newRow("three timed-out reads")
        << clTimezone << lstNone << Arrange([](ClScriptedCamera& c) { c.failTransfers(Direction::Read, 3, -116); })
        << lstNone << int(ClResultCode::usTimedOut) << 3;

    // A block sent: the camera accepts it only when its length and sequence match the command.
    QTest::newRow("empty block refused before sending")
        << clFirmware << QVariantList {QByteArray()} << Arrange() << lstNone << int(ClResultCode::usNothingToSend) << 0;
    QTest::newRow("block's command written with zero bytes")
        << clFirmware << QVariantList {block(3000)}
        << Arrange([](ClScriptedCamera& c) { c.returnZeroBytes(Direction::Write, 1); }) << lstNone
        << int(ClResultCode::usTransferFailed) << 0;
    // The block's own transfer breaks after its command went out: a transport error, and
    // the camera is never asked for an answer it cannot give.
    QTest::newRow("block lost on the wire after its command")
        << clFirmware << QVariantList {block(3000)}
        << Arrange([](ClScriptedCamera& c) { c.failNextFirmwareData(-116); }) << lstNone
        << int(ClResultCode::usTimedOut) << 0;
    QTest::newRow("block sent after its command")
        << clFirmware << QVariantList {block(3000)} << Arrange() << lstNone << 0 << 1;

    // A block collected.
    const QByteArray clBlock = block(3000);
    QTest::newRow("block in three transfers") << clAudio << lstNone << answer([clBlock](quint16 s) {
        return Packets {Wire::plain(s, 0, {3000}), Wire::dataHead(s, 3000, clBlock.left(1000)), clBlock.mid(1000)};
    }) << QVariantList {clBlock} << 0 << 4;
    QTest::newRow("first data packet of another sequence") << clAudio << lstNone << answer([](quint16 s) {
        return Packets {Wire::plain(s, 0, {16}), Wire::dataHead(s + 1, 16, QByteArray(16, 'a'))};
    }) << lstNone << int(ClResultCode::usDataMismatch) << 2;
    QTest::newRow("block cut short") << clAudio << lstNone << answer([](quint16 s) {
        return Packets {Wire::plain(s, 0, {100}), Wire::dataHead(s, 100, QByteArray(40, 'a'))};
    }) << lstNone << int(ClResultCode::usTimedOut)
                                     << 3;
    // A first part claiming every byte there is, and a last transfer that runs on: only
    // the announced 100 bytes are the block.
    QTest::newRow("block trimmed to its announced length") << clAudio << lstNone << answer([](quint16 s) {
        QByteArray clHead = Wire::dataHead(s, 100, QByteArray(40, 'a'));
        clHead.replace(8, 4, QByteArray(4, char(0xFF)));
        return Packets {Wire::plain(s, 0, {100}), clHead, QByteArray(100, 'b')};
    }) << QVariantList {QByteArray(40, 'a') + QByteArray(60, 'b')}
                                                           << 0 << 3;
    QTest::newRow("block above 64 MiB refused unread") << clAudio << lstNone << answer([](quint16 s) {
        return Packets {Wire::plain(s, 0, {ClUsbExchange::ulMaxDataBlock + 1})};
    }) << lstNone << int(ClResultCode::usDataMismatch) << 1;

    // Lists of packets.
    QTest::newRow("Wi-Fi state past a stray and a failing packet") << clWifi << lstNone << answer([](quint16 s) {
        return Packets {Wire::plain(s, 0, {3}), Wire::twoTexts(s + 1, 0, "stray", ""),
                        Wire::twoTexts(s, 0, "home", "192.168.0.5"), Wire::plain(s, 7, {1, 2, 3, 4, 5}),
                        Wire::plain(s, 0, {1, 54, quint32(-60), 11, 99})};
    }) << QVariantList {3u, QStringLiteral("home"), QStringLiteral("192.168.0.5"), 54u, -60, 11u, 99u}
                                                                   << 0 << 5;
    QTest::newRow("access points, numbers of a wrong entry dropped")
        << clAccessPoints << lstNone << answer([](quint16 s) {
               return Packets {Wire::plain(s, 0, {2}), Wire::twoTexts(s, 0, "first", "a"),
                               Wire::plain(s, 0, {1, 10, 20, 30, 40}), Wire::twoTexts(s, 0, "second", "b"),
                               Wire::plain(s, 0, {5, 11, 21, 31, 41})};
           })
        << QVariantList {QVariant::fromValue(AccesspointList {{"first", "a", 10, 20, 30, 40}})} << 0 << 5;
    QTest::newRow("no access points") << clAccessPoints << lstNone
                                      << answer([](quint16 s) { return Packets {Wire::plain(s, 0, {0})}; })
                                      << QVariantList {QVariant::fromValue(AccesspointList())} << 0 << 1;
    QTest::newRow("access points above 256 refused")
        << clAccessPoints << lstNone
        << answer([](quint16 s) { return Packets {Wire::plain(s, 0, {ClUsbExchange::ulMaxAccessPoints + 1})}; })
        << lstNone << int(ClResultCode::usDataMismatch) << 1;
    ScheduleSettings mapWeek;
    for (int lDay = 0; lDay < 8; ++lDay)
        mapWeek.insert(lDay, stScheduleEntry {lDay % 2 == 1, QTime(8, 30), QTime(17, 45)});
    QTest::newRow("schedule past a packet of another sequence") << clSchedule << lstNone << answer([](quint16 s) {
        Packets lstPackets;
        for (quint32 ulDay = 0; ulDay < 8; ++ulDay) {
            if (ulDay == 3)
                lstPackets.append(Wire::plain(s + 1, 0, {3, 2, Wire::packHhmm(QTime(23, 59)), 0}));
            lstPackets.append(Wire::plain(
                s, 0, {ulDay, ulDay % 2 ? 2u : 1u, Wire::packHhmm(QTime(8, 30)), Wire::packHhmm(QTime(17, 45))}));
        }
        return lstPackets;
    }) << QVariantList {QVariant::fromValue(mapWeek)} << 0 << 9;
    QTest::newRow("schedule among other sequences without end")
        << clSchedule << lstNone << Arrange([](ClScriptedCamera& c) { c.injectFault(Fault::ForeignSequenceForever); })
        << lstNone << int(ClResultCode::usTransferFailed) << lMaxForeign;
}

void TestUsbManager::exchanges()
{
    QFETCH(QByteArray, clClass);
    QFETCH(QVariantList, lstArgs);
    QFETCH(Arrange, fnArrange);
    QFETCH(QVariantList, lstValues);
    QFETCH(int, lResult);
    QFETCH(int, lReads);
    ClWorkerRig clRig;
    auto* pclCamera = new ClScriptedCamera();
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    if (fnArrange)
        fnArrange(*pclCamera);
    const int lReadsBefore = pclCamera->readCount();

    const PV_CMD clAnswer = clRig.request(pHandle, clClass.constData(), ClWorkerRig::args(lstArgs));
    QCOMPARE(pclCamera->readCount() - lReadsBefore, lReads);
    if (lstValues.isEmpty()) {
        QCOMPARE(ClWorkerRig::kindOf(clAnswer),
                 ClResultCode::isTransportCode(quint32(lResult)) ? ClCommandKinds::transportError()
                                                                 : ClCommandKinds::result());
        QCOMPARE(ClWorkerRig::resultOf(clAnswer), quint16(lResult));
        // None of these is the camera gone: it stays open and answers the next request.
        pclCamera->clearAllFaults();
        pclCamera->clearResponses();
        QVERIFY(answersPlainly(clRig, pHandle));
        QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 0);
        return;
    }
    QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandCatalogue::replyKindOf(clClass.constData()));
    for (int i = 0; i < lstValues.size(); ++i)
        QCOMPARE(clAnswer.value(QStringLiteral("PARAM%1").arg(i + 2)), lstValues.at(i));
    QCOMPARE(pclCamera->pendingResponses(), 0);
}

void TestUsbManager::deadlineFollowsSize_data()
{
    QTest::addColumn<quint64>("ullBytes");
    QTest::addColumn<quint64>("ullPackets");
    QTest::addColumn<qint64>("llBudgetMs");
    // The tool's allowance: 30 s, 256 KiB/s, 100 ms a packet.
    QTest::newRow("plain") << quint64(0) << quint64(0) << qint64(30000);
    QTest::newRow("a byte") << quint64(1) << quint64(0) << qint64(30001);
    QTest::newRow("16 MiB block") << quint64(16 << 20) << quint64(0) << qint64(30000 + 64000);
    QTest::newRow("64 MiB block") << quint64(ClUsbExchange::ulMaxDataBlock) << quint64(0) << qint64(30000 + 256000);
    QTest::newRow("256 access points") << quint64(0) << quint64(2 * ClUsbExchange::ulMaxAccessPoints)
                                       << qint64(30000 + 51200);
    // Whatever is claimed, the sum stays a time.
    QTest::newRow("claims without bound") << ~quint64(0) << ~quint64(0) << qint64(-1);
}

void TestUsbManager::deadlineFollowsSize()
{
    QFETCH(quint64, ullBytes);
    QFETCH(quint64, ullPackets);
    QFETCH(qint64, llBudgetMs);
    ClExchangeDeadline clDeadline {ClExchangeDeadline::Allowance()};
    clDeadline.addBytes(ullBytes);
    clDeadline.addPackets(ullPackets);
    if (llBudgetMs < 0)
        QVERIFY(clDeadline.budgetMs() > 0);
    else
        QCOMPARE(clDeadline.budgetMs(), llBudgetMs);
    QVERIFY(!clDeadline.hasExpired());
    QCOMPARE(clDeadline.cap(1000), 1000);
}

void TestUsbManager::deadlineNeverWaitsForever()
{
    // At and past its end, a wait is cut to 1 ms, never to the 0 libusb waits forever on.
    // (Through the worker, an exchange given no time ends at once: the deadline table's
    // "no time given" row.)
    ClExchangeDeadline clDeadline {ClExchangeDeadline::Allowance {20, 1, 1}};
    QVERIFY(clDeadline.cap(1000) <= 20);
    QTRY_VERIFY(clDeadline.hasExpired());
    QCOMPARE(clDeadline.cap(1000), 1);
    QCOMPARE(ClExchangeDeadline(ClExchangeDeadline::Allowance {0, 1, 0}).cap(5000), 1);
}

void TestUsbManager::realWaits()
{
    // With the bus's real time-outs and a response wait of 60 ms: a slow answer within the
    // wait is taken, a lost one is given up after three waits, and responses of other
    // sequences that keep coming slowly after three waits in all, long before their count
    // would end it.
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera();
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    pclCamera->bus()->setImmediateTimeouts(false);
    clRig.service().setResponseTimeout(60);
    const char* pszClass = "ClTovuCommandGetTimezone";
    pclCamera->setResponseDelay(40);
    QCOMPARE(ClWorkerRig::kindOf(clRig.request(pHandle, pszClass)), ClCommandCatalogue::replyKindOf(pszClass));
    pclCamera->injectFault(Fault::Silent);
    QElapsedTimer clTimer;
    clTimer.start();
    QCOMPARE(ClWorkerRig::resultOf(clRig.request(pHandle, pszClass)), ClResultCode::usTimedOut);
    QVERIFY(clTimer.elapsed() >= 3 * 60);
    pclCamera->injectFault(Fault::ForeignSequenceForever);
    pclCamera->setTransferDelay(20);
    clTimer.restart();
    QCOMPARE(ClWorkerRig::resultOf(clRig.request(pHandle, pszClass)), ClResultCode::usTransferFailed);
    QVERIFY(clTimer.elapsed() >= 3 * 60);
    QVERIFY(clTimer.elapsed() < 20 * ClUsbExchange::lMaxForeignPackets);
}

void TestUsbManager::lateAnswerOfPreviousCommandSkipped()
{
    // Two requests in one burst, so that the second command is built within the millisecond
    // the first one failed in: the first gets no answer in time, and its late answer comes
    // just before the second's. The late one is skipped, never taken for the second's.
    ClWorkerRig clRig;
    auto* pclCamera = new ClScriptedCamera();
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    const QUuid uuidRequest = requestKind<ClTovuCommandGetTimezone>();
    const QUuid uuidReply = replyKind<ClTovuCommandGetTimezone>();
    for (int lRound = 0; lRound < 20; ++lRound) {
        std::atomic<int> lFirst {-1};
        pclCamera->answerNext([&lFirst](quint16 s) {
            lFirst = s;
            return Packets();
        });
        pclCamera->answerNext([&lFirst](quint16 s) {
            return Packets {Wire::plain(quint16(lFirst.load()), 0, {99}), Wire::plain(s, 0, {41})};
        });
        const qsizetype lFrom = clRig.envelopes().size();
        const int lReplies = clRig.count(uuidReply);
        clRig.post(pHandle, uuidRequest);
        clRig.post(pHandle, uuidRequest);
        QTRY_COMPARE(clRig.count(uuidReply), lReplies + 1);

        QCOMPARE(clRig.envelopes().size(), lFrom + 2);
        const PV_CMD clFirst = clRig.envelopes().at(lFrom);
        QCOMPARE(ClWorkerRig::kindOf(clFirst), ClCommandKinds::transportError());
        QCOMPARE(ClWorkerRig::resultOf(clFirst), ClResultCode::usTimedOut);
        QCOMPARE(clRig.envelopes().at(lFrom + 1).value(QStringLiteral("PARAM2")), QVariant(41u));
        QCOMPARE(pclCamera->pendingResponses(), 0);
    }
}

void TestUsbManager::unplugAtEveryStep_data()
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

void TestUsbManager::unplugAtEveryStep()
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

void TestUsbManager::deadline_data()
{
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<QVariantList>("lstArgs");
    QTest::addColumn<int>("lFault");         // -1: none
    QTest::addColumn<int>("lAccessPoints");  // 0: the camera's own
    QTest::addColumn<int>("lTransferDelayMs");
    QTest::addColumn<Allowance>("stAllowance");
    QTest::addColumn<int>("lResult");  // 0: the value (or result) reply
    QTest::addColumn<int>("lWithinMs");

    // The tool's own allowance takes what honest cameras send at their pace (every command
    // of the catalogue at the camera's own sizes is the catalogue test's).
    const Allowance stTool;
    const QByteArray clFirmware = ClVirtualFirmwareImage::make(QStringLiteral("01.03.026"), {}, 16 * 1024 * 1024 - 64);
    QTest::newRow("16 MiB firmware block") << QByteArray("ClTovuCommandExecFwUpdateData") << QVariantList {clFirmware}
                                           << -1 << 0 << 0 << stTool << 0 << 20000;
    QTest::newRow("256 access points") << QByteArray("ClTovuCommandGetAccesspointList") << QVariantList() << -1 << 256
                                       << 0 << stTool << 0 << 5000;
    // No time at all: the exchange ends at once, past its deadline, never waiting for ever.
    QTest::newRow("no time given") << QByteArray("ClTovuCommandGetTimezone") << QVariantList() << -1 << 0 << 0
                                   << Allowance {0, 1, 0} << int(ClUsbExchange::usPastDeadline) << 1000;

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

void TestUsbManager::deadline()
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
    auto* pclCamera = new ClVirtualCamera(0);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    clRig.service().setExchangeAllowance(stAllowance);
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
    // exchange still running ends and the rig can go; the next request has the tool's time.
    pclCamera->clearAllFaults();
    pclCamera->clearResponses();
    clRig.service().setExchangeAllowance(Allowance());

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

QTEST_GUILESS_MAIN(TestUsbManager)

void TestUsbManager::unusableCameraExplained()
{
    ClWorkerRig clRig;
    const QUuid uuidUnusable = ClCommandKinds::cameraUnusable();
    auto lastNotice = [&] {
        for (auto it = clRig.envelopes().crbegin(); it != clRig.envelopes().crend(); ++it) {
            if (ClWorkerRig::kindOf(*it) == uuidUnusable)
                return *it;
        }
        return PV_CMD();
    };
    auto reasonOf = [](const PV_CMD& clNotice) { return clNotice.value(QStringLiteral("PARAM2")).toInt(); };

    // A node this user may not open.
    auto* pclCamera = new ClVirtualCamera();
    pclCamera->setOpenFails(true);
    clRig.bus().plug(pclCamera);
    QTRY_COMPARE_WITH_TIMEOUT(clRig.count(uuidUnusable), 1, 5000);
    const QString strNode = lastNotice().value(QStringLiteral("PARAM3")).toString();
    QCOMPARE(reasonOf(lastNotice()), qint32(ClUnusableReason::Refused));
    QVERIFY2(strNode.startsWith(QStringLiteral("/dev/bus/usb/")), qPrintable(strNode));

    // Without any notice from the bus, the worker looks again: the refusal turned into
    // an interface held elsewhere is told once, not at every look.
    pclCamera->setOpenFails(false);
    pclCamera->setClaimError(ClUsbApi::lErrorBusy);
    QTRY_COMPARE_WITH_TIMEOUT(clRig.count(uuidUnusable), 2, 5000);
    QCOMPARE(reasonOf(lastNotice()), qint32(ClUnusableReason::Busy));
    QCOMPARE(lastNotice().value(QStringLiteral("PARAM3")).toString(), strNode);
    QTest::qWait(ClUsbManager::lUnusableRetryMs + 500);
    QCOMPARE(clRig.count(uuidUnusable), 2);
    QCOMPARE(clRig.count(ClCommandKinds::cameraConnected()), 0);

    // Let go by the other program: usable, and announced as any camera.
    pclCamera->setClaimError(0);
    QVERIFY(clRig.waitForAnnouncement());
    QCOMPARE(clRig.count(uuidUnusable), 3);
    QCOMPARE(reasonOf(lastNotice()), qint32(ClUnusableReason::Usable));
    QCOMPARE(lastNotice().value(QStringLiteral("PARAM3")).toString(), strNode);

    // One pulled out while refused is no longer explained either.
    auto* pclOther = new ClVirtualCamera();
    pclOther->setOpenFails(true);
    clRig.bus().plug(pclOther);
    QTRY_COMPARE_WITH_TIMEOUT(clRig.count(uuidUnusable), 4, 5000);
    const QString strOtherNode = lastNotice().value(QStringLiteral("PARAM3")).toString();
    QVERIFY(strOtherNode != strNode);
    clRig.bus().unplug(pclOther);
    QTRY_COMPARE_WITH_TIMEOUT(clRig.count(uuidUnusable), 5, 5000);
    QCOMPARE(reasonOf(lastNotice()), qint32(ClUnusableReason::Usable));
    QCOMPARE(lastNotice().value(QStringLiteral("PARAM3")).toString(), strOtherNode);
    // The camera that works is untouched by it.
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 0);
}

#include "TestUsbManager.moc"
