// Every command of the catalogue through the real worker thread to an emulated camera:
// the request the camera decoded (code, parameters, text and data layout) and the
// envelope the page gets back (a value reply that keeps "Sender" and the request's other
// keys, with values of the right types, or a result reply without "Sender").
//
// Commands of a common pattern get their row from the pattern: what a page sends and what
// the camera holds say what must travel. The others have a row of their own below.
#include "protocol/AccesspointList.h"
#include "protocol/ClAvailability.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClTovuCommands.h"
#include "protocol/ScheduleSettings.h"
#include "tests/support/ClWorkerRig.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QImage>
#include <QtEndian>
#include <QtTest>

#include <optional>

namespace {
struct Row
{
    QVariantList lstArgs;
    QList<quint32> lstParams;  // param1... of the request; the rest must be 0
    QByteArray clText;         // a text request's text (its length is param1)
    QByteArray clSecondText;   // the Wi-Fi join request's second text
    QByteArray clData;         // the block sent after the command
    QVariantList lstReply;     // PARAM2... of the value reply, types included
    quint16 usStatus = 0;      // of a result reply
    std::function<void(ClVirtualCamera&)> fnPrepare;
    std::function<void(const PV_CMD&, ClVirtualCamera&)> fnCheck;  // values checked by hand
};

Row set(const QVariantList& lstArgs, const QList<quint32>& lstParams)
{
    Row stRow;
    stRow.lstArgs = lstArgs;
    stRow.lstParams = lstParams;
    return stRow;
}

Row text(const QVariantList& lstArgs, const QByteArray& clText)
{
    Row stRow;
    stRow.lstArgs = lstArgs;
    stRow.clText = clText;
    return stRow;
}

Row get(const QVariantList& lstReply, std::function<void(ClVirtualCamera&)> fnPrepare = {})
{
    Row stRow;
    stRow.lstReply = lstReply;
    stRow.fnPrepare = std::move(fnPrepare);
    return stRow;
}

// A get with an argument: the argument travels as param1.
Row getKeyed(int lKey, const QVariantList& lstReply, std::function<void(ClVirtualCamera&)> fnPrepare = {})
{
    Row stRow = get(lstReply, std::move(fnPrepare));
    stRow.lstArgs = {lKey};
    stRow.lstParams = {quint32(lKey)};
    return stRow;
}

Row check(std::function<void(const PV_CMD&, ClVirtualCamera&)> fnCheck)
{
    Row stRow;
    stRow.fnCheck = std::move(fnCheck);
    return stRow;
}

// The camera holds these values for the getter Get.
template <class Get> std::function<void(ClVirtualCamera&)> numbers(ClVirtualCamera::Params arrValues, quint32 ulKey = 0)
{
    return [=](ClVirtualCamera& clCamera) { clCamera.setNumbers(Get::usCommandCode, arrValues, ulKey); };
}

quint32 hhmm(const char* pszText)
{
    return qFromLittleEndian<quint32>(pszText);
}

QDateTime at(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

QVariant value2(const PV_CMD& clAnswer)
{
    return clAnswer.value(QStringLiteral("PARAM2"));
}

// The commands whose row does not follow from their pattern alone.
QHash<QByteArray, Row> ownRows()
{
    QHash<QByteArray, Row> h;
    const QDateTime dtSample = at(2014, 3, 5, 7, 8, 9);

    // Texts of their own, and answers that come from the camera's state, not its settings.
    h["SetCreateDay"] = text({dtSample}, "2014/03/05 07:08:09");
    h["SetStreamAuthorizationPassword"] = text({QStringLiteral("s3cret!")}, "czNjcmV0IQ==");
    h["ConnectWifi"] = text({QStringLiteral("Office-5F"), QStringLiteral("key123")}, "Office-5F");
    h["ConnectWifi"].clSecondText = "key123";
    h["GetStreamAuthorizationPassword"] = get({QStringLiteral("tovu1234")});
    h["GetCountry"] = get({QStringLiteral("JP")});
    h["SetCountry"] = set({QStringLiteral("US")}, {'U', 'S'});
    h["GetMachineName"] = get({QStringLiteral("Tovu")});
    h["GetFwVersion"] = get({QStringLiteral("01.03.025")});
    h["GetRecState"] = get({2u}, [](ClVirtualCamera& c) { c.setRecording(true); });
    h["GetSecureCurr"] = get({2u});
    h["ExecFwUpdat"] = set({true}, {2});
    h["ExecFwUpdat"].usStatus = 0xFFFB;  // no image was sent

    // Numbers of their own range.
    h["SetRtspPort"] = set({8554}, {8554});
    h["SetHttpPort"] = set({8080}, {8080});
    h["SetRecBitRate"] = set({768000}, {768000});
    h["SetLiveBitrae"] = set({500000}, {500000});
    h["SetAutoPoweroffSetting"] = set({3661}, {3661});
    h["SetAutoWiFiOffSetting"] = set({600}, {600});

    // Times, dates and sizes.
    h["SetTime"] = set({dtSample}, {20140305, 70809});
    // The camera's clock comes as plain fields, in UTC whatever the PC's zone.
    h["GetTime"] = check([dtSample](const PV_CMD& a, ClVirtualCamera&) {
        QVERIFY(qAbs(value2(a).toDateTime().secsTo(QDateTime(dtSample.date(), dtSample.time(), Qt::UTC))) <= 2);
    });
    h["GetTime"].fnPrepare = [dtSample](ClVirtualCamera& c) { c.setCameraTime(dtSample); };
    h["GetCreateDay"] = get({at(2013, 11, 20, 10, 15, 0)});
    h["GetUpdateSetting"] = get({at(2014, 3, 1, 3, 0, 0)});
    h["GetUpdateSche"] = get({at(2014, 3, 2, 3, 0, 0)});
    h["GetRecImagesize"] = get({QSize(640, 480)}, numbers<ClTovuCommandGetRecImagesize>({3}));
    h["SetRecImagesize"] = set({QSize(1280, 720)}, {2});
    h["GetLiveImagesize"] = get({QSize(800, 480)});
    h["SetLiveImagesize"] = set({QSize(320, 240)}, {2});

    // Several values in one packet.
    h["GetIntervalTimer"] = get({true, 3725u, 60u}, numbers<ClTovuCommandGetIntervalTimer>({2, 3725, 60}));
    h["SetIntervalTimer"] = set({true, 3725, 10}, {2, 3725, 10});
    h["GetGpsSetting"] = get({true, false, true, 2u}, numbers<ClTovuCommandGetGpsSetting>({2, 1, 2, 2}));
    h["SetGpsSetting"] = set({true, false, true, 2}, {2, 1, 2, 2});
    h["GetGpsInfo"] = getKeyed(1, {1});
    h["GetGpsInfo"].fnCheck = [](const PV_CMD& a, ClVirtualCamera&) {
        QVERIFY(a.value(QStringLiteral("PARAM3")).toString().startsWith(QStringLiteral("$GPGGA,")));
    };
    h["GetBatteryState"] = get({1u, 80u}, [](ClVirtualCamera& c) { c.setBattery(80, false); });
    h["GetSdInfo"] = get({qulonglong(8ull << 30), qulonglong(2ull << 30), 3u},
                         [](ClVirtualCamera& c) { c.setSdCard(8ull << 30, 2ull << 30, 3); });
    h["GetScheCycle"] = get({2, 3, 4, true}, numbers<ClTovuCommandGetScheCycle>({2, 3, 4, 2}));
    h["SetScheCycle"] = set({2, 3, 4, true}, {2, 3, 4, 2});
    h["GetScheDayMode"] = getKeyed(4, {4, 9, true}, numbers<ClTovuCommandGetScheDayMode>({4, 9, 2}, 4));
    h["SetScheDayMode"] = set({5, 2, false}, {5, 2, 1});
    h["GetScheDayTime"] = getKeyed(3, {3, 7, true, QTime(8, 0), QTime(17, 30)},
                                   numbers<ClTovuCommandGetScheDayTime>({3, 7, 2, hhmm("0800"), hhmm("1730")}, 3));
    h["SetScheDayTime"] = set({5, 9, true, QTime(8, 0), QTime(17, 30)}, {5, 9, 2, hhmm("0800"), hhmm("1730")});
    h["GetRecParameter"] = getKeyed(1, {1, 30, 800000u}, numbers<ClTovuCommandGetRecParameter>({1, 30, 800000}, 1));
    h["SetRecParameter"] = set({1, 30, 800000}, {1, 30, 800000});
    h["GetLiveParameter"] = getKeyed(2, {2, 15, 400000u}, numbers<ClTovuCommandGetLiveParameter>({2, 15, 400000}, 2));
    h["SetLiveParameter"] = set({2, 15, 400000}, {2, 15, 400000});
    h["SetScheSetting"] = set({2, true, QTime(22, 0), QTime(2, 0)}, {2, 2, hhmm("2200"), hhmm("0200")});
    h["RFTestMode"] = set({1, 2, 3, 4, 5}, {1, 2, 3, 4, 5});
    h["MfgTx"] = set({true, 0x12, 0x34, 0xABC, 7, QStringLiteral("00:11:22:33:44:55")},
                     {0x12, (0x34u << 24) | 0xABC, 7, 0x33221100, 0x5544});
    h["MfgAcc"] = set({true, 9}, {9});

    // Lists and blocks.
    h["GetWifiInfo"] = get({2u, QStringLiteral("HomeNetwork"), QStringLiteral("00:1A:2B:3C:4D:01"), 6u, 4, 54});
    h["GetAccesspointList"] = check([](const PV_CMD& a, ClVirtualCamera& c) {
        const AccesspointList lstGot = value2(a).value<AccesspointList>();
        const QList<ClVirtualCamera::AccessPoint> lstHeld = c.accessPoints();
        QCOMPARE(lstGot.size(), lstHeld.size());
        QVERIFY(lstGot.size() >= 2);
        for (int i = 0; i < lstGot.size(); ++i) {
            QCOMPARE(lstGot.at(i).strSsid.toUtf8(), lstHeld.at(i).clSsid);
            QCOMPARE(lstGot.at(i).strSecondText.toUtf8(), lstHeld.at(i).clBssid);
            QCOMPARE(lstGot.at(i).ulNumber1, lstHeld.at(i).ulChannel);
            QCOMPARE(lstGot.at(i).ulEncryption, lstHeld.at(i).ulEncryption);
        }
    });
    h["GetScheSetting"] = check([](const PV_CMD& a, ClVirtualCamera&) {
        // The camera's working week: weekdays 9 to 18 on, the every-day row 22 to 5 off.
        const ScheduleSettings mapGot = value2(a).value<ScheduleSettings>();
        QCOMPARE(mapGot.keys(), (QList<int> {1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(mapGot.value(2), (stScheduleEntry {true, QTime(9, 0), QTime(18, 0)}));
        QCOMPARE(mapGot.value(8), (stScheduleEntry {false, QTime(22, 0), QTime(5, 0)}));
    });
    h["GetMotionArea"] = check([](const PV_CMD& a, ClVirtualCamera& c) {
        QCOMPARE(value2(a).metaType(), QMetaType::fromType<QByteArray>());
        QCOMPARE(value2(a).toByteArray(), c.motionArea());
    });
    h["ReqAudio"] = check([](const PV_CMD& a, ClVirtualCamera&) {
        QCOMPARE(value2(a).metaType(), QMetaType::fromType<QByteArray>());
        QVERIFY(value2(a).toByteArray().startsWith("RIFF"));
    });
    h["ReqLog"] = check(
        [](const PV_CMD& a, ClVirtualCamera&) { QVERIFY(value2(a).toString().contains(QStringLiteral("power on"))); });
    return h;
}

// The row of a command of a common pattern; none for other patterns.
std::optional<Row> patternRow(const QByteArray& clPattern, quint16 usCode, ClVirtualCamera& clCamera)
{
    const quint32 ulHeld = clCamera.numbers(usCode)[0];
    const QByteArray clBlock(3000, 'b');
    if (clPattern == "ClExecCommand")
        return set({}, {});
    if (clPattern == "ClSetSwitchCommand" || clPattern == "ClExecSwitchCommand")
        return set({true}, {2});
    if (clPattern == "ClSetNonZeroSwitchCommand")
        return set({5}, {2});
    if (clPattern == "ClSetNumberCommand" || clPattern == "ClExecNumberCommand"
        || clPattern.startsWith("ClFactoryCheckCommand<"))
        return set({1}, {1});
    if (clPattern == "ClSetIpv4Command")
        return set({QStringLiteral("255.255.255.0")}, {0xFFFFFF00});
    if (clPattern == "ClSetTextCommand")
        return text({QStringLiteral("Tovu-1")}, "Tovu-1");
    if (clPattern == "ClSendBlockCommand") {
        Row stRow = set({clBlock}, {quint32(clBlock.size())});
        stRow.clData = clBlock;
        return stRow;
    }
    if (clPattern == "ClGetUnsignedCommand")
        return get({ulHeld});
    if (clPattern == "ClGetSignedCommand")
        return get({int(ulHeld)});
    if (clPattern == "ClGetSwitchCommand")
        return get({ulHeld == 2});
    if (clPattern == "ClGetTextCommand")
        return get({QString::fromUtf8(clCamera.text(usCode))});
    if (clPattern == "ClGetIpv4Command")
        return get({QStringLiteral("%1.%2.%3.%4")
                        .arg(ulHeld >> 24)
                        .arg((ulHeld >> 16) & 0xFF)
                        .arg((ulHeld >> 8) & 0xFF)
                        .arg(ulHeld & 0xFF)});
    if (clPattern == "ClReceiveBlockCommand<ClBlockValue::Image>")
        return check(
            [](const PV_CMD& a, ClVirtualCamera&) { QCOMPARE(value2(a).value<QImage>().size(), QSize(800, 480)); });
    return std::nullopt;
}
}  // namespace

class TestWorkerCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyCommand_data();
    void everyCommand();

private:
    QHash<QByteArray, Row> m_hashOwnRows;
    QHash<QByteArray, QByteArray> m_hashPatterns;
};

void TestWorkerCatalogue::initTestCase()
{
    PvCmd::registerMetaTypes();
    m_hashOwnRows = ownRows();
    // The pattern of each command as the command table names it; none for the classes
    // written by hand.
#define TOVU_COMMAND(Class, Code, Pattern, Availability) m_hashPatterns.insert(#Class, #Pattern);
#define TOVU_COMMAND_CLASS(Class, Code, Availability) m_hashPatterns.insert(#Class, QByteArray());
#include "protocol/CommandTable.def"
}

void TestWorkerCatalogue::everyCommand_data()
{
    QTest::addColumn<QByteArray>("clClass");
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries())
        QTest::newRow(stEntry.pszClassName) << QByteArray(stEntry.pszClassName);
}

void TestWorkerCatalogue::everyCommand()
{
    QFETCH(QByteArray, clClass);
    const ClCommandEntry& stEntry = *ClCommandCatalogue::findByClass(clClass.constData());
    // A camera that supports the command: the Tovu where it can, else the Tovu-S, else the
    // third model.
    int lModel = 2;
    if (stEntry.ucAvailability & ClAvailability::Model0Late)
        lModel = 0;
    else if (stEntry.ucAvailability & ClAvailability::Model1)
        lModel = 1;
    auto upCamera = std::make_unique<ClVirtualCamera>(lModel);
    ClVirtualCamera* pclCamera = upCamera.get();
    const QByteArray clShort = clClass.mid(int(qstrlen("ClTovuCommand")));
    const std::optional<Row> optRow = m_hashOwnRows.contains(clShort)
        ? m_hashOwnRows.value(clShort)
        : patternRow(m_hashPatterns.value(clClass), stEntry.usCode, *pclCamera);
    QVERIFY2(optRow, "no row for this command");
    const Row& stRow = *optRow;
    // Getters and block readers answer with values, and only they.
    const bool bValueReply = clShort.startsWith("Get") || clShort.startsWith("Req") || clShort == "StreamSteal";
    QVERIFY(!bValueReply || !stRow.lstReply.isEmpty() || stRow.fnCheck);
    if (stRow.fnPrepare)
        stRow.fnPrepare(*pclCamera);
    ClWorkerRig clRig;
    void* pHandle = clRig.plug(upCamera.release());
    QVERIFY(pHandle);
    pclCamera->clearRequests();

    PV_CMD clArgs = ClWorkerRig::args(stRow.lstArgs);
    clArgs.insert(QStringLiteral("Tag"), QStringLiteral("kept"));
    const PV_CMD clAnswer = clRig.request(pHandle, stEntry.uuidRequest, clArgs);
    QVERIFY2(!clAnswer.isEmpty(), "no answer");

    // What the camera received.
    const QList<ClVirtualCamera::Request> lstRequests = pclCamera->requests();
    QCOMPARE(lstRequests.size(), stRow.clData.isEmpty() ? 1 : 2);
    const ClVirtualCamera::Request& stRequest = lstRequests.first();
    QCOMPARE(stRequest.stPacket.usType, 0);
    QCOMPARE(stRequest.stPacket.usCode, stEntry.usCode);
    QCOMPARE(stRequest.stPacket.ulSize, quint32(stRequest.lLength));
    QCOMPARE(stRequest.clText, stRow.clText);
    QCOMPARE(stRequest.clSecondText, stRow.clSecondText);
    if (!stRow.clSecondText.isEmpty()) {
        QCOMPARE(stRequest.lLength, 12 + 4 + stRow.clText.size() + 4 + stRow.clSecondText.size() + 4);
    } else if (!stRow.clText.isEmpty()) {
        QCOMPARE(stRequest.lLength, stRow.clText.size() + 28);
        QCOMPARE(stRequest.stPacket.arrParams[0], quint32(stRow.clText.size()));
    } else {
        QCOMPARE(stRequest.lLength, 32);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(stRequest.stPacket.arrParams[size_t(i)], stRow.lstParams.value(i, 0));
    }
    if (!stRow.clData.isEmpty()) {
        const ClVirtualCamera::Request& stData = lstRequests.at(1);
        QCOMPARE(stData.stPacket.usType, 2);
        QCOMPARE(stData.stPacket.usSequence, stRequest.stPacket.usSequence);
        QCOMPARE(stData.ulDataLength, quint32(stRow.clData.size()));
        QCOMPARE(stData.clData, stRow.clData);
    }

    // What the page gets.
    QCOMPARE(clAnswer.value(QStringLiteral("PARAM1")).value<void*>(), pHandle);
    if (!bValueReply) {
        QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandKinds::result());
        // The request's "Sender" comes back, so that the end reaches the page that sent it.
        QCOMPARE(clAnswer.keys(),
                 (QStringList {QStringLiteral("CMD"), QStringLiteral("PARAM1"), QStringLiteral("PARAM2"),
                               QStringLiteral("PARAM3"), QStringLiteral("Sender")}));
        QCOMPARE(clAnswer.value(QStringLiteral("PARAM2")).toUuid(), stEntry.uuidRequest);
        QCOMPARE(clAnswer.value(QStringLiteral("PARAM3")).metaType(), QMetaType::fromType<quint16>());
        QCOMPARE(ClWorkerRig::resultOf(clAnswer), stRow.usStatus);
        return;
    }
    QVERIFY2(!stEntry.uuidReply.isNull() && ClWorkerRig::kindOf(clAnswer) == stEntry.uuidReply,
             qPrintable(QStringLiteral("a result reply with code 0x%1").arg(ClWorkerRig::resultOf(clAnswer), 0, 16)));
    QCOMPARE(clAnswer.value(QStringLiteral("Sender")).value<QObject*>(), &clRig);
    QCOMPARE(clAnswer.value(QStringLiteral("Tag")).toString(), QStringLiteral("kept"));
    for (int i = 0; i < stRow.lstReply.size(); ++i) {
        const QVariant clValue = clAnswer.value(QStringLiteral("PARAM%1").arg(i + 2));
        QCOMPARE(clValue.metaType(), stRow.lstReply.at(i).metaType());
        QCOMPARE(clValue, stRow.lstReply.at(i));
    }
    if (stRow.fnCheck)
        stRow.fnCheck(clAnswer, *pclCamera);
}

QTEST_GUILESS_MAIN(TestWorkerCatalogue)
#include "TestWorkerCatalogue.moc"
