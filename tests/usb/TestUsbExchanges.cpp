// The exchanges that move more than one packet, run by the worker on its thread: a block
// sent to the camera, a block collected from it, and the Wi-Fi, access-point and schedule
// lists, with the camera's packets scripted per test.
#include "AccesspointList.h"
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClReplySink.h"
#include "ClResultCode.h"
#include "ClScriptedCamera.h"
#include "ClTwoTextPacket.h"
#include "ClUsbManager.h"
#include "ClVirtualUsbBus.h"
#include "ScheduleSettings.h"

#include <QtTest>

#include <memory>

namespace {
const quint32 ulCameraIdentity = 0x09A1u | (0x0201u << 16);

QByteArray block(int lSize)
{
    QByteArray clBlock(lSize, '\0');
    for (int i = 0; i < lSize; ++i)
        clBlock[i] = char((i * 7) % 253);
    return clBlock;
}

// The head of the first transfer of a block: type, sequence, total length, this part's length.
QByteArray dataHead(quint16 usSequence, quint32 ulTotal, quint32 ulPart)
{
    QByteArray clHead;
    QDataStream clStream(&clHead, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream << quint16(2) << usSequence << ulTotal << ulPart;
    return clHead;
}

// Four ASCII digits "hhmm" in one parameter slot.
quint32 hhmm(const char* pszTime)
{
    return quint32(quint8(pszTime[0])) | (quint32(quint8(pszTime[1])) << 8) | (quint32(quint8(pszTime[2])) << 16)
        | (quint32(quint8(pszTime[3])) << 24);
}
}  // namespace

class TestUsbExchanges : public QObject
{
    Q_OBJECT

private:
    // Plugs the camera, starts the worker and waits for the camera to be announced.
    void start(ClScriptedCamera* pclCamera);
    // Sends one request for the class and waits for one reply of the given kind.
    PV_CMD request(const char* pszClassName, const QUuid& uuidReplyKind, const PV_CMD& clArguments = PV_CMD());

    std::unique_ptr<ClVirtualUsbBus> m_upBus;
    std::unique_ptr<ClUsbManager> m_upManager;
    std::unique_ptr<ClReplySink> m_upSink;
    void* m_pHandle = nullptr;

private Q_SLOTS:
    void cleanup();
    void sendDataWritesCommandThenBlock();
    void emptyBlockIsNotSent();
    void receiveDataCollectsBlock();
    void receiveDataRefusesWrongHead();
    void receiveDataCutShortFails();
    void wifiInfo();
    void accesspointList();
    void emptyAccesspointList();
    void scheduleList();
    void listSkippingIsBounded();
};

void TestUsbExchanges::start(ClScriptedCamera* pclCamera)
{
    m_upBus = std::make_unique<ClVirtualUsbBus>();
    m_upBus->setImmediateTimeouts(true);
    m_upBus->plug(pclCamera);
    m_upSink = std::make_unique<ClReplySink>();
    m_upManager = std::make_unique<ClUsbManager>(nullptr, m_upBus.get());
    m_upManager->setSettleDelay(10);
    connect(m_upManager.get(), &ClUsbManager::sigSendCommand, m_upSink.get(), &ClReplySink::slotReceiveCommand);
    QVERIFY(m_upManager->init({ulCameraIdentity}));
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::cameraConnected()), 1);
    m_pHandle = m_upSink->first(ClCommandKinds::cameraConnected()).value(QStringLiteral("PARAM1")).value<void*>();
    QTRY_COMPARE(m_upSink->count(ClCommandKinds::result()), 1);
    m_upSink->lstReplies.clear();
}

PV_CMD TestUsbExchanges::request(const char* pszClassName, const QUuid& uuidReplyKind, const PV_CMD& clArguments)
{
    PV_CMD clRequest = clArguments;
    clRequest.insert(QStringLiteral("CMD"), ClCommandCatalogue::requestKind(pszClassName));
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(m_pHandle));
    ClUsbManager* pclManager = m_upManager.get();
    QMetaObject::invokeMethod(
        pclManager, [pclManager, clRequest] { pclManager->slotReceiveCommand(clRequest); }, Qt::QueuedConnection);
    if (!QTest::qWaitFor([&] { return !m_upSink->lstReplies.isEmpty(); }, 5000))
        return PV_CMD();
    const PV_CMD clReply = m_upSink->lstReplies.takeFirst();
    if (clReply.value(QStringLiteral("CMD")).toUuid() != uuidReplyKind)
        qWarning() << "unexpected reply" << clReply;
    return clReply.value(QStringLiteral("CMD")).toUuid() == uuidReplyKind ? clReply : PV_CMD();
}

void TestUsbExchanges::cleanup()
{
    m_upManager.reset();
    m_upBus.reset();
}

void TestUsbExchanges::sendDataWritesCommandThenBlock()
{
    auto* pclCamera = new ClScriptedCamera();
    start(pclCamera);
    const QByteArray clBlock = block(5000);
    PV_CMD clArguments;
    clArguments.insert(QStringLiteral("PARAM2"), clBlock);
    const PV_CMD clReply = request("ClTovuCommandExecFwUpdateData", ClCommandKinds::result(), clArguments);
    QVERIFY(!clReply.isEmpty());
    QCOMPARE(clReply.value(QStringLiteral("PARAM3")).toUInt(), 0u);

    const QList<QByteArray> lstWrites = pclCamera->writes();
    QCOMPARE(lstWrites.size(), 3);  // the name query, the command, its data packet
    const ClTovuCommand clCommand(lstWrites.at(1));
    QCOMPARE(clCommand.code(), quint16(0x2001));
    QCOMPARE(clCommand.param1(), 5000u);
    const QByteArray& clData = lstWrites.at(2);
    QCOMPARE(clData.left(8), dataHead(clCommand.sequence(), 5000, 0).left(8));
    QCOMPARE(clData.mid(8), clBlock);
}

void TestUsbExchanges::emptyBlockIsNotSent()
{
    auto* pclCamera = new ClScriptedCamera();
    start(pclCamera);
    PV_CMD clArguments;
    clArguments.insert(QStringLiteral("PARAM2"), QByteArray());
    const PV_CMD clReply = request("ClTovuCommandExecFwUpdateData", ClCommandKinds::transportError(), clArguments);
    QCOMPARE(quint16(clReply.value(QStringLiteral("PARAM3")).toUInt()), ClResultCode::usNothingToSend);
    QCOMPARE(pclCamera->writes().size(), 1);  // the name query only
}

void TestUsbExchanges::receiveDataCollectsBlock()
{
    auto* pclCamera = new ClScriptedCamera();
    const QByteArray clBlock = block(3000);
    pclCamera->setResponder([clBlock](const ClTovuCommand& clRequest) {
        const quint16 usSequence = clRequest.sequence();
        return QList<QByteArray>{ClScriptedCamera::packet(usSequence, 0, quint32(clBlock.size())),
                                 dataHead(usSequence, quint32(clBlock.size()), 1000) + clBlock.left(1000),
                                 clBlock.mid(1000, 1024), clBlock.mid(2024)};
    });
    start(pclCamera);
    const PV_CMD clReply = request("ClTovuCommandReqAudio", ClCommandCatalogue::replyKind("ClTovuCommandReqAudio"));
    QCOMPARE(clReply.value(QStringLiteral("PARAM2")).toByteArray(), clBlock);
    QCOMPARE(pclCamera->pendingResponses(), 0);
}

void TestUsbExchanges::receiveDataRefusesWrongHead()
{
    auto* pclCamera = new ClScriptedCamera();
    pclCamera->setResponder([](const ClTovuCommand& clRequest) {
        const quint16 usSequence = clRequest.sequence();
        return QList<QByteArray>{ClScriptedCamera::packet(usSequence, 0, 16),
                                 dataHead(quint16(usSequence + 1), 16, 16) + QByteArray(16, 'a')};
    });
    start(pclCamera);
    const PV_CMD clReply = request("ClTovuCommandReqAudio", ClCommandKinds::transportError());
    QCOMPARE(quint16(clReply.value(QStringLiteral("PARAM3")).toUInt()), ClResultCode::usDataMismatch);
}

void TestUsbExchanges::receiveDataCutShortFails()
{
    // The camera announces 100 bytes and sends 40, then nothing: the part is never passed
    // on as if it were the block.
    auto* pclCamera = new ClScriptedCamera();
    pclCamera->setResponder([](const ClTovuCommand& clRequest) {
        const quint16 usSequence = clRequest.sequence();
        return QList<QByteArray>{ClScriptedCamera::packet(usSequence, 0, 100),
                                 dataHead(usSequence, 100, 40) + QByteArray(40, 'a')};
    });
    start(pclCamera);
    PV_CMD clReply = request("ClTovuCommandReqAudio", ClCommandKinds::transportError());
    QCOMPARE(quint16(clReply.value(QStringLiteral("PARAM3")).toUInt()), ClResultCode::usTimedOut);

    // A read that brings no bytes and reports no error ends it the same way.
    pclCamera->setResponder([](const ClTovuCommand& clRequest) {
        const quint16 usSequence = clRequest.sequence();
        return QList<QByteArray>{ClScriptedCamera::packet(usSequence, 0, 100),
                                 dataHead(usSequence, 100, 40) + QByteArray(40, 'a'), QByteArray(),
                                 QByteArray(60, 'b')};
    });
    clReply = request("ClTovuCommandReqAudio", ClCommandKinds::transportError());
    QCOMPARE(quint16(clReply.value(QStringLiteral("PARAM3")).toUInt()), ClResultCode::usTransferFailed);
}

void TestUsbExchanges::wifiInfo()
{
    auto* pclCamera = new ClScriptedCamera();
    pclCamera->setResponder([](const ClTovuCommand& clRequest) {
        const quint16 usSequence = clRequest.sequence();
        return QList<QByteArray>{
            ClScriptedCamera::packet(usSequence, 0, 3),
            ClTwoTextPacket(quint16(usSequence + 1), 0, QStringLiteral("stray"), QString()).toByteArray(),
            ClTwoTextPacket(usSequence, 0, QStringLiteral("home"), QStringLiteral("192.168.0.5")).toByteArray(),
            ClScriptedCamera::packet(usSequence, 7, 1, 2, 3, 4, 5),  // a failing status is dropped
            ClScriptedCamera::packet(usSequence, 0, 1, 54, quint32(-60), 11, 99)};
    });
    start(pclCamera);
    const PV_CMD clReply = request("ClTovuCommandGetWifiInfo", ClCommandCatalogue::replyKind("ClTovuCommandGetWifiInfo"));
    QCOMPARE(clReply.value(QStringLiteral("PARAM2")).toUInt(), 3u);
    QCOMPARE(clReply.value(QStringLiteral("PARAM3")).toString(), QStringLiteral("home"));
    QCOMPARE(clReply.value(QStringLiteral("PARAM4")).toString(), QStringLiteral("192.168.0.5"));
    QCOMPARE(clReply.value(QStringLiteral("PARAM5")).toUInt(), 54u);
    QCOMPARE(clReply.value(QStringLiteral("PARAM6")).toInt(), -60);
    QCOMPARE(clReply.value(QStringLiteral("PARAM8")).toUInt(), 99u);
}

void TestUsbExchanges::accesspointList()
{
    auto* pclCamera = new ClScriptedCamera();
    pclCamera->setResponder([](const ClTovuCommand& clRequest) {
        const quint16 usSequence = clRequest.sequence();
        return QList<QByteArray>{
            ClScriptedCamera::packet(usSequence, 0, 2),
            ClTwoTextPacket(usSequence, 0, QStringLiteral("first"), QStringLiteral("a")).toByteArray(),
            ClScriptedCamera::packet(usSequence, 0, 1, 10, 20, 30, 40),
            ClTwoTextPacket(usSequence, 0, QStringLiteral("second"), QStringLiteral("b")).toByteArray(),
            ClScriptedCamera::packet(usSequence, 0, 5, 11, 21, 31, 41)};  // wrong entry number: dropped
    });
    start(pclCamera);
    const PV_CMD clReply =
        request("ClTovuCommandGetAccesspointList", ClCommandCatalogue::replyKind("ClTovuCommandGetAccesspointList"));
    const AccesspointList lstEntries = clReply.value(QStringLiteral("PARAM2")).value<AccesspointList>();
    QCOMPARE(lstEntries.size(), 1);
    QCOMPARE(lstEntries.first().strSsid, QStringLiteral("first"));
    QCOMPARE(lstEntries.first().ulSignal, 40u);
    QCOMPARE(pclCamera->pendingResponses(), 0);
}

void TestUsbExchanges::emptyAccesspointList()
{
    auto* pclCamera = new ClScriptedCamera();
    pclCamera->setResponder([](const ClTovuCommand& clRequest) {
        return QList<QByteArray>{ClScriptedCamera::packet(clRequest.sequence(), 0, 0)};
    });
    start(pclCamera);
    const int lReadsBefore = pclCamera->readCount();
    const PV_CMD clReply =
        request("ClTovuCommandGetAccesspointList", ClCommandCatalogue::replyKind("ClTovuCommandGetAccesspointList"));
    QVERIFY(clReply.contains(QStringLiteral("PARAM2")));
    QVERIFY(clReply.value(QStringLiteral("PARAM2")).value<AccesspointList>().isEmpty());
    QCOMPARE(pclCamera->readCount() - lReadsBefore, 1);
}

void TestUsbExchanges::scheduleList()
{
    auto* pclCamera = new ClScriptedCamera();
    pclCamera->setResponder([](const ClTovuCommand& clRequest) {
        const quint16 usSequence = clRequest.sequence();
        QList<QByteArray> lstPackets;
        for (int lDay = 0; lDay < 8; ++lDay) {
            if (lDay == 3)
                lstPackets.append(ClScriptedCamera::packet(quint16(usSequence + 1), 0, 3, 2, hhmm("2359"), hhmm("2359")));
            lstPackets.append(ClScriptedCamera::packet(usSequence, 0, quint32(lDay), lDay % 2 ? 2 : 1, hhmm("0830"),
                                                       hhmm("1745")));
        }
        return lstPackets;
    });
    start(pclCamera);
    const PV_CMD clReply =
        request("ClTovuCommandGetScheSetting", ClCommandCatalogue::replyKind("ClTovuCommandGetScheSetting"));
    const ScheduleSettings mapEntries = clReply.value(QStringLiteral("PARAM2")).value<ScheduleSettings>();
    QCOMPARE(mapEntries.size(), 8);
    QCOMPARE(mapEntries.value(3).tmStart, QTime(8, 30));
    QCOMPARE(mapEntries.value(3).bOn, true);
    QCOMPARE(mapEntries.value(4).bOn, false);
    QCOMPARE(mapEntries.value(7).tmEnd, QTime(17, 45));
    QCOMPARE(pclCamera->pendingResponses(), 0);
}

void TestUsbExchanges::listSkippingIsBounded()
{
    auto* pclCamera = new ClScriptedCamera();
    pclCamera->setResponder([](const ClTovuCommand& clRequest) {
        QList<QByteArray> lstPackets;
        for (int i = 0; i < 500; ++i)
            lstPackets.append(ClScriptedCamera::packet(quint16(clRequest.sequence() + 1), 0, 1));
        return lstPackets;
    });
    start(pclCamera);
    const int lReadsBefore = pclCamera->readCount();
    const PV_CMD clReply = request("ClTovuCommandGetScheSetting", ClCommandKinds::transportError());
    QCOMPARE(quint16(clReply.value(QStringLiteral("PARAM3")).toUInt()), ClResultCode::usTransferFailed);
    QCOMPARE(pclCamera->readCount() - lReadsBefore, ClUsbExchange::lMaxForeignPackets);
}

QTEST_GUILESS_MAIN(TestUsbExchanges)
#include "TestUsbExchanges.moc"
