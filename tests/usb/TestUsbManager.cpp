// The USB worker on its real thread against the virtual bus: discovery, settling and the
// name query, removal, dispatch and replies, the response matching of an exchange, and
// the bounds that keep a lying camera from hanging or exhausting the tool.
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClReplySink.h"
#include "ClResultCode.h"
#include "ClScriptedCamera.h"
#include "ClUsbController.h"
#include "ClUsbManager.h"
#include "ClVirtualEchoDevice.h"
#include "ClVirtualUsbBus.h"

#include <QElapsedTimer>
#include <QtTest>

#include <functional>
#include <memory>

using Direction = ClVirtualUsbDevice::Direction;

namespace {
const quint32 ulCameraIdentity = 0x09A1u | (0x0201u << 16);

// The first catalogue entry that matches, so that no test names a command of its own.
const ClCommandEntry* entryWhere(const std::function<bool(const ClCommandEntry&)>& fnMatch)
{
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        if (fnMatch(stEntry))
            return &stEntry;
    }
    return nullptr;
}

const ClCommandEntry* plainGet()
{
    return entryWhere([](const ClCommandEntry& e) {
        return e.eExchange == ClExchange::Plain && !e.uuidReply.isNull()
            && e.usCode != ClScriptedCamera::usMachineNameCode;
    });
}

quint16 resultOf(const PV_CMD& clReply)
{
    return quint16(clReply.value(QStringLiteral("PARAM3")).toUInt());
}

void* handleOf(const PV_CMD& clReply)
{
    return clReply.value(QStringLiteral("PARAM1")).value<void*>();
}
}  // namespace

class TestUsbManager : public QObject
{
    Q_OBJECT

private:
    // A worker on clBus with a short settle delay, its replies going to m_upSink.
    std::unique_ptr<ClUsbManager> startWorker(ClVirtualUsbBus& clBus, int lSettleDelayMs = 20);
    void send(ClUsbManager& clManager, const PV_CMD& clCommand);
    quint16 executeOnWorker(ClUsbManager& clManager, ClTovuCommand& clCommand, int lTimeoutMs = 1000);
    // Waits until the worker has announced lCount cameras; returns the last handle.
    void* waitForAnnouncements(int lCount);

    std::unique_ptr<ClReplySink> m_upSink;

private Q_SLOTS:
    void init();
    void announcesModel_data();
    void announcesModel();
    void announcedAfterDefaultSettleDelay();
    void scanOpensOnlyAcceptedCameras();
    void unplugAnnouncedOnce();
    void unplugDuringCommand();
    void foreignResponseSkipped();
    void emptyReadsEndExchange_data();
    void emptyReadsEndExchange();
    void foreignSkippingIsBounded();
    void unknownKindAnsweredWithZero();
    void repliesKeepOrDropRequestKeys();
    void oversizedBlockRefused();
    void oversizedAccessPointListRefused();
    void rawRead();
    void noRepliesAfterDestructorBegan();
    void ownerDeletesWorker();
};

void TestUsbManager::init()
{
    m_upSink = std::make_unique<ClReplySink>();
}

std::unique_ptr<ClUsbManager> TestUsbManager::startWorker(ClVirtualUsbBus& clBus, int lSettleDelayMs)
{
    auto upManager = std::make_unique<ClUsbManager>(nullptr, &clBus);
    upManager->setSettleDelay(lSettleDelayMs);
    connect(upManager.get(), &ClUsbManager::sigSendCommand, m_upSink.get(), &ClReplySink::slotReceiveCommand);
    upManager->init({0x12345678u, ulCameraIdentity});
    return upManager;
}

void TestUsbManager::send(ClUsbManager& clManager, const PV_CMD& clCommand)
{
    QMetaObject::invokeMethod(
        &clManager, [&clManager, clCommand] { clManager.slotReceiveCommand(clCommand); }, Qt::QueuedConnection);
}

quint16 TestUsbManager::executeOnWorker(ClUsbManager& clManager, ClTovuCommand& clCommand, int lTimeoutMs)
{
    quint16 usResult = 0;
    QMetaObject::invokeMethod(
        &clManager,
        [&] { usResult = clManager.execute(clCommand, clManager.controllers().value(0), lTimeoutMs); },
        Qt::BlockingQueuedConnection);
    return usResult;
}

void* TestUsbManager::waitForAnnouncements(int lCount)
{
    [&] { QTRY_COMPARE_WITH_TIMEOUT(m_upSink->count(ClCommandKinds::cameraConnected()), lCount, 5000); }();
    void* pHandle = nullptr;
    for (const PV_CMD& clReply : std::as_const(m_upSink->lstReplies)) {
        if (clReply.value(QStringLiteral("CMD")).toUuid() == ClCommandKinds::cameraConnected())
            pHandle = handleOf(clReply);
    }
    return pHandle;
}

void TestUsbManager::announcesModel_data()
{
    QTest::addColumn<QString>("strName");
    QTest::addColumn<int>("lStatus");
    QTest::addColumn<bool>("bSilent");
    QTest::addColumn<int>("lModel");
    QTest::addColumn<int>("lResult");
    QTest::newRow("Tovu") << "Tovu" << 0 << false << 0 << 0;
    QTest::newRow("Tovu-S") << "Tovu-S" << 0 << false << 1 << 0;
    QTest::newRow("case differs") << "tovu" << 0 << false << -1 << 0;
    QTest::newRow("other name") << "Tovu-X" << 0 << false << -1 << 0;
    QTest::newRow("camera refuses") << "Tovu" << 5 << false << -1 << 5;
    QTest::newRow("no answer") << "Tovu" << 0 << true << -1 << int(ClResultCode::usTimedOut);
}

void TestUsbManager::announcesModel()
{
    QFETCH(QString, strName);
    QFETCH(int, lStatus);
    QFETCH(bool, bSilent);
    QFETCH(int, lModel);
    QFETCH(int, lResult);
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    pclCamera->setName(strName, quint16(lStatus));
    pclCamera->setSilent(bSilent);
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);

    void* pHandle = waitForAnnouncements(1);
    QVERIFY(pHandle);
    const PV_CMD clConnected = m_upSink->first(ClCommandKinds::cameraConnected());
    QCOMPARE(clConnected.value(QStringLiteral("PARAM2")).toInt(), lModel);
    QCOMPARE(int(resultOf(clConnected)), lResult);
    QCOMPARE(pclCamera->requestCodes(), QList<quint16>({ClScriptedCamera::usMachineNameCode}));

    // The name query's own result follows the announcement.
    const QUuid uuidName = ClCommandCatalogue::requestKind("ClTovuCommandGetMachineName");
    const QUuid uuidResultKind = ClResultCode::isTransportCode(quint32(lResult)) ? ClCommandKinds::transportError()
                                                                                 : ClCommandKinds::result();
    QTRY_COMPARE(m_upSink->count(uuidResultKind), 1);
    const PV_CMD clResult = m_upSink->first(uuidResultKind);
    QCOMPARE(clResult.value(QStringLiteral("PARAM2")).toUuid(), uuidName);
    QCOMPARE(int(resultOf(clResult)), lResult);
    QCOMPARE(handleOf(clResult), pHandle);
    QCOMPARE(m_upSink->lstReplies.size(), 2);

    int lStored = -2;
    QMetaObject::invokeMethod(
        upManager.get(), [&] { lStored = upManager->controllers().value(0)->model(); }, Qt::BlockingQueuedConnection);
    QCOMPARE(lStored, lModel);
}

void TestUsbManager::announcedAfterDefaultSettleDelay()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    clBus.plug(new ClScriptedCamera(QStringLiteral("Tovu-S")));
    auto upManager = std::make_unique<ClUsbManager>(nullptr, &clBus);
    QCOMPARE(upManager->settleDelay(), 3000);
    connect(upManager.get(), &ClUsbManager::sigSendCommand, m_upSink.get(), &ClReplySink::slotReceiveCommand);
    QElapsedTimer clTimer;
    clTimer.start();
    QVERIFY(upManager->init({ulCameraIdentity}));
    QTest::qWait(2700);
    QCOMPARE(m_upSink->count(ClCommandKinds::cameraConnected()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_upSink->count(ClCommandKinds::cameraConnected()), 1, 3000);
    QVERIFY(clTimer.elapsed() >= 2950);
    QCOMPARE(m_upSink->first(ClCommandKinds::cameraConnected()).value(QStringLiteral("PARAM2")).toInt(), 1);
}

void TestUsbManager::scanOpensOnlyAcceptedCameras()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclStranger = new ClVirtualEchoDevice(ClVirtualUsbShape::standardCamera(0x1234, 0x0201));
    auto* pclBare = new ClVirtualEchoDevice(ClVirtualUsbShape::withoutConfiguration());
    clBus.plug(pclStranger);
    clBus.plug(pclBare);
    clBus.plug(new ClScriptedCamera());
    auto upManager = startWorker(clBus);
    void* pFirst = waitForAnnouncements(1);
    QCOMPARE(pclStranger->openHandles(), 0);
    QCOMPARE(pclBare->openHandles(), 0);

    // A second camera plugged in later is found through the bus's notice.
    auto* pclSecond = new ClScriptedCamera(QStringLiteral("Tovu-S"));
    clBus.plug(pclSecond);
    void* pSecond = waitForAnnouncements(2);
    QVERIFY(pSecond != pFirst);
    QCOMPARE(pclSecond->openHandles(), 1);
    QCOMPARE(m_upSink->count(ClCommandKinds::cameraRemoved()), 0);
    int lControllers = 0;
    QMetaObject::invokeMethod(
        upManager.get(), [&] { lControllers = int(upManager->controllers().size()); }, Qt::BlockingQueuedConnection);
    QCOMPARE(lControllers, 2);

    upManager.reset();
    QCOMPARE(clBus.openHandleCount(), 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
}

void TestUsbManager::unplugAnnouncedOnce()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    void* pHandle = waitForAnnouncements(1);

    clBus.unplug(pclCamera);
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::cameraRemoved()), 1);
    QCOMPARE(handleOf(m_upSink->first(ClCommandKinds::cameraRemoved())), pHandle);
    QCOMPARE(pclCamera->openHandles(), 0);
    // More notices and scans find nothing more to announce.
    clBus.plug(new ClVirtualEchoDevice(ClVirtualUsbShape::standardCamera(0x1111, 0x2222)));
    QTest::qWait(100);
    QCOMPARE(m_upSink->count(ClCommandKinds::cameraRemoved()), 1);

    // A request naming the removed camera gets a transport error.
    const ClCommandEntry* pstGet = plainGet();
    QVERIFY(pstGet);
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), pstGet->uuidRequest);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    send(*upManager, clRequest);
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::transportError()), 1);
    const PV_CMD clError = m_upSink->first(ClCommandKinds::transportError());
    QCOMPARE(resultOf(clError), ClResultCode::usNoCamera);
    QCOMPARE(clError.value(QStringLiteral("PARAM2")).toUuid(), pstGet->uuidRequest);
}

void TestUsbManager::unplugDuringCommand()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    void* pHandle = waitForAnnouncements(1);

    // The cable goes while the response is awaited.
    pclCamera->unplugAtTransfer(Direction::Read, 1);
    const ClCommandEntry* pstGet = plainGet();
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), pstGet->uuidRequest);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    send(*upManager, clRequest);
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::transportError()), 1);
    QCOMPARE(resultOf(m_upSink->first(ClCommandKinds::transportError())), ClResultCode::usNoCamera);
    QCOMPARE(m_upSink->count(ClCommandKinds::cameraRemoved()), 1);
    // The bus's own notice of the unplug makes a scan that finds nothing more to do.
    QTest::qWait(100);
    QCOMPARE(m_upSink->count(ClCommandKinds::cameraRemoved()), 1);
    QCOMPARE(pclCamera->readCount(), 2);  // the name query's and this one: no retries on a gone device
    QCOMPARE(clBus.invalidHandleUses(), 0);
}

void TestUsbManager::foreignResponseSkipped()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    waitForAnnouncements(1);

    pclCamera->setForeignBefore(2);
    const int lReadsBefore = pclCamera->readCount();
    ClTovuCommand clCommand(0x5003, 41);
    QCOMPARE(executeOnWorker(*upManager, clCommand), quint16(0));
    QCOMPARE(clCommand.param1(), 41u);  // the echo of the right response, not the 0xF0F0 of the others
    QCOMPARE(pclCamera->readCount() - lReadsBefore, 3);
}

void TestUsbManager::emptyReadsEndExchange_data()
{
    QTest::addColumn<int>("lFault");
    QTest::addColumn<int>("lResult");
    QTest::newRow("zero bytes") << 0 << int(ClResultCode::usTransferFailed);
    QTest::newRow("timed out") << -116 << int(ClResultCode::usTimedOut);
    QTest::newRow("busy") << -16 << int(ClResultCode::usBusy);
}

void TestUsbManager::emptyReadsEndExchange()
{
    QFETCH(int, lFault);
    QFETCH(int, lResult);
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    waitForAnnouncements(1);

    if (lFault == 0)
        pclCamera->returnZeroBytes(Direction::Read, 3);
    else
        pclCamera->failTransfers(Direction::Read, 3, lFault);
    const int lReadsBefore = pclCamera->readCount();
    ClTovuCommand clCommand(0x5003);
    QCOMPARE(int(executeOnWorker(*upManager, clCommand)), lResult);
    QCOMPARE(pclCamera->readCount() - lReadsBefore, 3);
    // The response that came late is skipped by the next exchange for its sequence.
    ClTovuCommand clNext(0x5003, 9, 0, 0, 0, 0, quint16(clCommand.sequence() + 1));
    QCOMPARE(executeOnWorker(*upManager, clNext), quint16(0));
    QCOMPARE(clNext.param1(), 9u);
}

void TestUsbManager::foreignSkippingIsBounded()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    waitForAnnouncements(1);

    pclCamera->setSilent(true);
    pclCamera->setEndlessForeign(true);
    const int lReadsBefore = pclCamera->readCount();
    ClTovuCommand clCommand(0x5003);
    QElapsedTimer clTimer;
    clTimer.start();
    QCOMPARE(executeOnWorker(*upManager, clCommand), ClResultCode::usTransferFailed);
    QVERIFY(clTimer.elapsed() < 3000);
    QCOMPARE(pclCamera->readCount() - lReadsBefore, ClUsbExchange::lMaxForeignPackets);

    // With real waits, a slow trickle of foreign responses is given up after three
    // response time-outs in all.
    clBus.setImmediateTimeouts(false);
    pclCamera->setEndlessForeign(false);
    upManager->setResponseTimeout(100);
    for (int i = 0; i < 40; ++i)
        pclCamera->queueResponse(ClScriptedCamera::packet(quint16(clCommand.sequence() + 1), 0), 20 * (i + 1));
    ClTovuCommand clLate(0x5003, 0, 0, 0, 0, 0, quint16(clCommand.sequence() + 2));
    clTimer.restart();
    QCOMPARE(executeOnWorker(*upManager, clLate, 100), ClResultCode::usTransferFailed);
    QVERIFY(clTimer.elapsed() >= 290);
    QVERIFY(clTimer.elapsed() < 2000);
}

void TestUsbManager::unknownKindAnsweredWithZero()
{
    ClVirtualUsbBus clBus;
    auto upManager = startWorker(clBus);
    const QUuid uuidUnknown = QUuid::createUuid();
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), uuidUnknown);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue<void*>(nullptr));
    clRequest.insert(QStringLiteral("Sender"), QVariant::fromValue<QObject*>(this));
    send(*upManager, clRequest);
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::result()), 1);
    const PV_CMD clReply = m_upSink->first(ClCommandKinds::result());
    QCOMPARE(clReply.value(QStringLiteral("PARAM2")).toUuid(), uuidUnknown);
    QCOMPARE(resultOf(clReply), quint16(0));
    QVERIFY(!clReply.contains(QStringLiteral("Sender")));
}

void TestUsbManager::repliesKeepOrDropRequestKeys()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    void* pHandle = waitForAnnouncements(1);
    m_upSink->lstReplies.clear();

    const ClCommandEntry* pstGet = plainGet();
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), pstGet->uuidRequest);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    clRequest.insert(QStringLiteral("Sender"), QVariant::fromValue<QObject*>(this));
    clRequest.insert(QStringLiteral("PARAM8"), QStringLiteral("kept"));
    send(*upManager, clRequest);
    QTRY_COMPARE(m_upSink->count(pstGet->uuidReply), 1);
    const PV_CMD clValue = m_upSink->first(pstGet->uuidReply);
    QCOMPARE(clValue.value(QStringLiteral("Sender")).value<QObject*>(), this);
    QCOMPARE(clValue.value(QStringLiteral("PARAM8")).toString(), QStringLiteral("kept"));
    QCOMPARE(handleOf(clValue), pHandle);

    // A failure turns the same request into a result reply without "Sender".
    pclCamera->failTransfers(Direction::Write, 1, -16);
    send(*upManager, clRequest);
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::transportError()), 1);
    const PV_CMD clError = m_upSink->first(ClCommandKinds::transportError());
    QCOMPARE(resultOf(clError), ClResultCode::usBusy);
    QVERIFY(!clError.contains(QStringLiteral("Sender")));
    QCOMPARE(clError.size(), 4);
}

void TestUsbManager::oversizedBlockRefused()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    void* pHandle = waitForAnnouncements(1);

    const ClCommandEntry* pstReceive = entryWhere([](const ClCommandEntry& e) { return e.eExchange == ClExchange::ReceiveData; });
    QVERIFY(pstReceive);
    pclCamera->setResponseParam1(ClUsbExchange::ulMaxDataBlock + 1);
    const int lReadsBefore = pclCamera->readCount();
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), pstReceive->uuidRequest);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    send(*upManager, clRequest);
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::transportError()), 1);
    QCOMPARE(resultOf(m_upSink->first(ClCommandKinds::transportError())), ClResultCode::usDataMismatch);
    QCOMPARE(pclCamera->readCount() - lReadsBefore, 1);  // the response only, no block read
}

void TestUsbManager::oversizedAccessPointListRefused()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    void* pHandle = waitForAnnouncements(1);

    const ClCommandEntry* pstList =
        entryWhere([](const ClCommandEntry& e) { return e.eExchange == ClExchange::AccesspointList; });
    QVERIFY(pstList);
    pclCamera->setResponseParam1(ClUsbExchange::ulMaxAccessPoints + 1);
    const int lReadsBefore = pclCamera->readCount();
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), pstList->uuidRequest);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    send(*upManager, clRequest);
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::transportError()), 1);
    QCOMPARE(resultOf(m_upSink->first(ClCommandKinds::transportError())), ClResultCode::usDataMismatch);
    QCOMPARE(pclCamera->readCount() - lReadsBefore, 1);
}

void TestUsbManager::rawRead()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    void* pHandle = waitForAnnouncements(1);
    m_upSink->lstReplies.clear();

    pclCamera->queueResponse("unasked");
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), ClCommandKinds::rawRead());
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    send(*upManager, clRequest);
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::rawReadReply()), 1);
    QCOMPARE(m_upSink->first(ClCommandKinds::rawReadReply()).value(QStringLiteral("PARAM2")).toByteArray(),
             QByteArray("unasked"));

    // A handle the worker does not know is not answered at all.
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue<void*>(this));
    send(*upManager, clRequest);
    QTest::qWait(100);
    QCOMPARE(m_upSink->lstReplies.size(), 1);
}

void TestUsbManager::noRepliesAfterDestructorBegan()
{
    ClVirtualUsbBus clBus;
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upManager = startWorker(clBus);
    void* pHandle = waitForAnnouncements(1);
    m_upSink->lstReplies.clear();

    // Three requests to a camera that answers slowly: the first is under way when the
    // worker is deleted, the others still queued.
    pclCamera->setTransferDelay(200);
    const ClCommandEntry* pstGet = plainGet();
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), pstGet->uuidRequest);
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(pHandle));
    for (int i = 0; i < 3; ++i)
        send(*upManager, clRequest);
    QTRY_VERIFY(pclCamera->writeCount() >= 2);
    upManager.reset();
    QCoreApplication::processEvents();
    QTest::qWait(50);
    QVERIFY(m_upSink->lstReplies.isEmpty());
    QCOMPARE(pclCamera->openHandles(), 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
}

void TestUsbManager::ownerDeletesWorker()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    auto* pclCamera = new ClScriptedCamera();
    clBus.plug(pclCamera);
    auto upOwner = std::make_unique<QObject>();
    auto* pclManager = new ClUsbManager(upOwner.get(), &clBus);
    const QPointer<ClUsbManager> pclWatch(pclManager);
    pclManager->setSettleDelay(10);
    connect(pclManager, &ClUsbManager::sigSendCommand, m_upSink.get(), &ClReplySink::slotReceiveCommand);
    QVERIFY(pclManager->init({ulCameraIdentity}));
    waitForAnnouncements(1);
    QCOMPARE(pclCamera->openHandles(), 1);
    upOwner.reset();
    QVERIFY(pclWatch.isNull());
    QCOMPARE(pclCamera->openHandles(), 0);
    QCOMPARE(m_upSink->count(ClCommandKinds::cameraRemoved()), 0);
}

QTEST_GUILESS_MAIN(TestUsbManager)
#include "TestUsbManager.moc"
