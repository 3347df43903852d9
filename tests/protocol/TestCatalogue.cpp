#include "TestCatalogue.h"

#include <QSet>
#include <QtTest>
#include <cstring>
#include <typeinfo>

#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "CommandTestSupport.h"

using namespace CommandTestSupport;

namespace {
// Derived while this unit's statics are initialised, before main runs.
const QUuid uuidDerivedEarly = ClCommandKinds::request("ClTovuCommandGetTime");

const ClCommandEntry& entry(const char* pszClassName)
{
    const ClCommandEntry* pstEntry = ClCommandCatalogue::findByClass(pszClassName);
    if (!pstEntry)
        qFatal("no catalogue entry %s", pszClassName);
    return *pstEntry;
}

std::unique_ptr<ClTovuCommand> build(const char* pszClassName, const PV_CMD& clRequest = PV_CMD())
{
    return entry(pszClassName).pfnBuild(clRequest);
}

// The request packet's parameters 1..5.
QList<quint32> params(const ClTovuCommand& clCommand)
{
    const QByteArray clBytes = clCommand.toByteArray();
    QList<quint32> lstParams;
    for (int lOffset = 12; lOffset < 32; lOffset += 4)
        lstParams.append(u32At(clBytes, lOffset));
    return lstParams;
}

PV_CMD replyOf(const char* pszClassName, quint32 ulP1, quint32 ulP2 = 0, quint32 ulP3 = 0, quint32 ulP4 = 0,
               quint32 ulP5 = 0)
{
    const ClCommandEntry& stEntry = entry(pszClassName);
    std::unique_ptr<ClTovuCommand> pclCommand = stEntry.pfnBuild(PV_CMD());
    respond(*pclCommand, ulP1, ulP2, ulP3, ulP4, ulP5);
    PV_CMD clReply;
    stEntry.pfnWriteReply(*pclCommand, clReply);
    return clReply;
}

bool hasPrefix(const char* pszName, const char* pszPrefix)
{
    return std::strncmp(pszName, pszPrefix, std::strlen(pszPrefix)) == 0;
}
}  // namespace

void TestCatalogue::everyRowBuildsItsOwnClass()
{
    const QVector<ClCommandEntry>& lstEntries = ClCommandCatalogue::entries();
    QCOMPARE(lstEntries.size(), 220);
    for (const ClCommandEntry& stEntry : lstEntries) {
        QVERIFY(stEntry.pfnBuild && stEntry.pfnWriteReply);
        const std::unique_ptr<ClTovuCommand> pclCommand = stEntry.pfnBuild(PV_CMD());
        const ClTovuCommand& clCommand = *pclCommand;
        // The mangled name of a class at namespace scope ends in <length><name>.
        const QByteArray clName(stEntry.pszClassName);
        QVERIFY2(QByteArray(typeid(clCommand).name()).endsWith(QByteArray::number(clName.size()) + clName),
                 stEntry.pszClassName);
        QCOMPARE(clCommand.code(), stEntry.usCode);
        QCOMPARE(u16At(clCommand.toByteArray(), 8), stEntry.usCode);
    }
}

void TestCatalogue::namesAndKindsAreUnique()
{
    QSet<QByteArray> setNames;
    QSet<QUuid> setKinds = {ClCommandKinds::cameraConnected(), ClCommandKinds::cameraRemoved(),
                            ClCommandKinds::result(), ClCommandKinds::transportError(),
                            ClCommandKinds::rawRead(), ClCommandKinds::rawReadReply(),
                            ClCommandKinds::spareEvent()};
    QCOMPARE(setKinds.size(), 7);
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        QVERIFY2(!setNames.contains(stEntry.pszClassName), stEntry.pszClassName);
        setNames.insert(stEntry.pszClassName);
        QVERIFY(hasPrefix(stEntry.pszClassName, "ClTovuCommand"));
        QVERIFY(!stEntry.uuidRequest.isNull());
        QVERIFY2(!setKinds.contains(stEntry.uuidRequest), stEntry.pszClassName);
        setKinds.insert(stEntry.uuidRequest);
        if (!stEntry.uuidReply.isNull()) {
            QVERIFY2(!setKinds.contains(stEntry.uuidReply), stEntry.pszClassName);
            setKinds.insert(stEntry.uuidReply);
        }
    }
}

void TestCatalogue::fixedKindsKeepTheirValues()
{
    QCOMPARE(ClCommandCatalogue::requestKind("ClTovuCommandExecFwUpdateData"),
             QUuid("{41f721f2-8cc7-480c-9e77-ce94c69b9210}"));
    QCOMPARE(ClCommandCatalogue::requestKind("ClTovuCommandExecFwUpdat"),
             QUuid("{ade54208-354a-4871-b677-b22be72788b4}"));
    QCOMPARE(ClCommandCatalogue::replyKind("ClTovuCommandGetSerialNo"),
             QUuid("{eb291049-c0b4-4359-8c87-3995f7a55240}"));
    QCOMPARE(ClCommandCatalogue::replyKind("ClTovuCommandGetMacAddress"),
             QUuid("{751059e2-918e-4283-a2a6-f9126e1776b3}"));
    QCOMPARE(ClCommandCatalogue::replyKind("ClTovuCommandGetCountry"),
             QUuid("{c3fa4fb8-9854-4c38-be03-9cf96e8e8244}"));
    QCOMPARE(ClCommandKinds::rawRead(), QUuid("{405bfe84-a8f7-4a4a-bee9-790a3d3adc9d}"));
    QCOMPARE(ClCommandKinds::rawReadReply(), QUuid("{cb20cb36-4046-4332-a0d4-f8aa0220a035}"));
    // The kinds pages and the framework compute from class names agree with the catalogue.
    QCOMPARE(ClCommandKinds::request("ClTovuCommandExecFwUpdat"),
             ClCommandCatalogue::requestKind("ClTovuCommandExecFwUpdat"));
    QCOMPARE(ClCommandKinds::request("ClTovuCommandGetTime"), ClCommandCatalogue::requestKind("ClTovuCommandGetTime"));
}

void TestCatalogue::valueCommandsAndOnlyThoseHaveReplyKinds()
{
    const QSet<QByteArray> setBlockReaders = {"ClTovuCommandReqJpeg", "ClTovuCommandReqAudio", "ClTovuCommandReqLog",
                                              "ClTovuCommandStreamSteal"};
    int lWithReply = 0;
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        const bool bReturnsValues =
            hasPrefix(stEntry.pszClassName, "ClTovuCommandGet") || setBlockReaders.contains(stEntry.pszClassName);
        QVERIFY2(bReturnsValues == !stEntry.uuidReply.isNull(), stEntry.pszClassName);
        lWithReply += bReturnsValues ? 1 : 0;
    }
    QCOMPARE(lWithReply, 103);
    QVERIFY(ClCommandCatalogue::replyKind("ClTovuCommandSetTime").isNull());
}

void TestCatalogue::setCodeIsGetCodePlus0x0800()
{
    // Partners whose names do not simply swap Set and Get.
    const QHash<QByteArray, QByteArray> hashOddPartners = {
        {"ClTovuCommandSetRtspPort", "ClTovuCommandGetRtstPort"},
        {"ClTovuCommandSetLiveBitrae", "ClTovuCommandGetLiveBitrate"},
        {"ClTovuCommandSetSecondary", "ClTovuCommandGetSecondaryDns"},
        {"ClTovuCommandSetRecBitRate", "ClTovuCommandGetRecBitrate"},
    };
    int lPairs = 0;
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        const quint16 usFamily = stEntry.usCode & 0xFF00;
        if (usFamily != 0x4800 && usFamily != 0x5800)
            continue;
        QVERIFY2(hasPrefix(stEntry.pszClassName, "ClTovuCommandSet"), stEntry.pszClassName);
        QByteArray clGetName = hashOddPartners.value(stEntry.pszClassName);
        if (clGetName.isEmpty())
            clGetName = QByteArray(stEntry.pszClassName).replace("ClTovuCommandSet", "ClTovuCommandGet");
        const ClCommandEntry* pstGet = ClCommandCatalogue::findByClass(clGetName.constData());
        QVERIFY2(pstGet, clGetName.constData());
        QCOMPARE(stEntry.usCode, quint16(pstGet->usCode + 0x0800));
        ++lPairs;
    }
    QCOMPARE(lPairs, 8 + 75);
}

void TestCatalogue::exchangesOfThePayloadCommands()
{
    QMap<ClExchange, QSet<QByteArray>> mapByExchange;
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        if (stEntry.eExchange != ClExchange::Plain)
            mapByExchange[stEntry.eExchange].insert(stEntry.pszClassName);
    }
    QCOMPARE(mapByExchange.value(ClExchange::SendData),
             QSet<QByteArray>({"ClTovuCommandExecFwUpdateData", "ClTovuCommandSetMotionArea"}));
    QCOMPARE(mapByExchange.value(ClExchange::ReceiveData),
             QSet<QByteArray>({"ClTovuCommandReqJpeg", "ClTovuCommandReqAudio", "ClTovuCommandReqLog",
                               "ClTovuCommandGetMotionArea", "ClTovuCommandStreamSteal"}));
    QCOMPARE(mapByExchange.value(ClExchange::WifiInfo), QSet<QByteArray>({"ClTovuCommandGetWifiInfo"}));
    QCOMPARE(mapByExchange.value(ClExchange::AccesspointList),
             QSet<QByteArray>({"ClTovuCommandGetAccesspointList"}));
    QCOMPARE(mapByExchange.value(ClExchange::ScheduleList), QSet<QByteArray>({"ClTovuCommandGetScheSetting"}));
}

void TestCatalogue::lookups()
{
    QCOMPARE(uuidDerivedEarly, ClCommandKinds::request("ClTovuCommandGetTime"));
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        QCOMPARE(ClCommandCatalogue::findByRequest(stEntry.uuidRequest), &stEntry);
        QCOMPARE(ClCommandCatalogue::findByClass(stEntry.pszClassName), &stEntry);
    }
    QVERIFY(!ClCommandCatalogue::findByRequest(ClCommandKinds::result()));
    QVERIFY(!ClCommandCatalogue::findByRequest(ClCommandKinds::rawRead()));
    QVERIFY(!ClCommandCatalogue::findByRequest(QUuid()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no command class"));
    QVERIFY(ClCommandCatalogue::requestKind("ClTovuCommandGetNothing").isNull());
}

void TestCatalogue::numberAndSwitchArguments()
{
    auto pclWifiMode = build("ClTovuCommandSetWifiMode", envelope(3));
    QCOMPARE(pclWifiMode->code(), quint16(0x5803));
    QCOMPARE(params(*pclWifiMode), QList<quint32>({3, 0, 0, 0, 0}));
    QCOMPARE(params(*build("ClTovuCommandSetTimezone", envelope(-1))).first(), 0xFFFFFFFFu);
    QCOMPARE(params(*build("ClTovuCommandSetTimezone", envelope(4294967295u))).first(), 0xFFFFFFFFu);
    QCOMPARE(params(*build("ClTovuCommandSetTimezone", envelope(QStringLiteral("12")))).first(), 12u);
    QCOMPARE(params(*build("ClTovuCommandSetTimezone")).first(), 0u);

    QCOMPARE(params(*build("ClTovuCommandSetLedStart", envelope(false))).first(), 1u);
    QCOMPARE(params(*build("ClTovuCommandSetLedStart", envelope(true))).first(), 2u);
    QCOMPARE(params(*build("ClTovuCommandSetLedStart")).first(), 1u);
    QCOMPARE(params(*build("ClTovuCommandExecFwUpdat", envelope(false))).first(), 1u);
    // The two switches that take a number: anything but 0 is on.
    QCOMPARE(params(*build("ClTovuCommandSetLedOnSecure", envelope(5))).first(), 2u);
    QCOMPARE(params(*build("ClTovuCommandSetLedOnSecure", envelope(0))).first(), 1u);
    QCOMPARE(params(*build("ClTovuCommandSetStartLock", envelope(true))).first(), 2u);
    QCOMPARE(params(*build("ClTovuCommandRestart", envelope(7))), QList<quint32>({0, 0, 0, 0, 0}));
}

void TestCatalogue::switchRepliesAreOnlyTrueForTwo()
{
    const QString strKey = QStringLiteral("PARAM2");
    QCOMPARE(replyOf("ClTovuCommandGetBatteryAlarm", 1).value(strKey), QVariant(false));
    QCOMPARE(replyOf("ClTovuCommandGetBatteryAlarm", 2).value(strKey), QVariant(true));
    QCOMPARE(replyOf("ClTovuCommandGetBatteryAlarm", 0).value(strKey), QVariant(false));
    QCOMPARE(replyOf("ClTovuCommandGetBatteryAlarm", 3).value(strKey), QVariant(false));
}

void TestCatalogue::replyValueTypes_data()
{
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<int>("lType");
    QTest::newRow("wifi mode") << QByteArray("ClTovuCommandGetWifiMode") << int(QMetaType::UInt);
    QTest::newRow("adjust flag") << QByteArray("ClTovuCommandGetAdjustFlag") << int(QMetaType::UInt);
    QTest::newRow("wifi country") << QByteArray("ClTovuCommandGetWifiCountry") << int(QMetaType::Int);
    QTest::newRow("rtsp port") << QByteArray("ClTovuCommandGetRtstPort") << int(QMetaType::Int);
    QTest::newRow("http port") << QByteArray("ClTovuCommandGetHttpPort") << int(QMetaType::Int);
    QTest::newRow("stamp position") << QByteArray("ClTovuCommandGetTimeStampPos") << int(QMetaType::UInt);
    QTest::newRow("remote rec time") << QByteArray("ClTovuCommandGetRemoteRecTime") << int(QMetaType::Int);
    QTest::newRow("start lock") << QByteArray("ClTovuCommandGetStartLock") << int(QMetaType::Bool);
    QTest::newRow("time stamp on") << QByteArray("ClTovuCommandGetTimeStampOnOff") << int(QMetaType::Bool);
    QTest::newRow("serial") << QByteArray("ClTovuCommandGetSerialNo") << int(QMetaType::QString);
    QTest::newRow("address") << QByteArray("ClTovuCommandGetInfraAddress") << int(QMetaType::QString);
    QTest::newRow("created") << QByteArray("ClTovuCommandGetCreateDay") << int(QMetaType::QDateTime);
    QTest::newRow("update") << QByteArray("ClTovuCommandGetUpdateSche") << int(QMetaType::QDateTime);
    QTest::newRow("time") << QByteArray("ClTovuCommandGetTime") << int(QMetaType::QDateTime);
    QTest::newRow("rec size") << QByteArray("ClTovuCommandGetRecImagesize") << int(QMetaType::QSize);
    QTest::newRow("country") << QByteArray("ClTovuCommandGetCountry") << int(QMetaType::QString);
}

void TestCatalogue::replyValueTypes()
{
    QFETCH(QByteArray, clClass);
    QFETCH(int, lType);
    QCOMPARE(replyOf(clClass.constData(), 2).value(QStringLiteral("PARAM2")).typeId(), lType);
}

void TestCatalogue::wideStorageValues()
{
    const PV_CMD clReply = replyOf("ClTovuCommandGetSdInfo", 1, 5, 0, 7, 9);
    QCOMPARE(clReply.value(QStringLiteral("PARAM2")), QVariant(qulonglong(4294967301ull)));
    QCOMPARE(clReply.value(QStringLiteral("PARAM3")), QVariant(qulonglong(7)));
    QCOMPARE(clReply.value(QStringLiteral("PARAM4")), QVariant(uint(9)));
    QCOMPARE(clReply.size(), 3);

    const PV_CMD clBattery = replyOf("ClTovuCommandGetBatteryState", 1, 80);
    QCOMPARE(clBattery.value(QStringLiteral("PARAM2")), QVariant(uint(1)));
    QCOMPARE(clBattery.value(QStringLiteral("PARAM3")), QVariant(uint(80)));
}

void TestCatalogue::factoryCheckDefaults_data()
{
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<quint32>("ulDefault");
    QTest::newRow("alignment") << QByteArray("ClTovuCommandExecAlignmentCheck") << 8u;
    QTest::newRow("resolution") << QByteArray("ClTovuCommandExecResolutionCheck") << 0u;
    QTest::newRow("vignetting") << QByteArray("ClTovuCommandExecVignettingCheck") << 80120u;
    QTest::newRow("awb") << QByteArray("ClTovuCommandExecAwbCheck") << 50u;
    QTest::newRow("dust") << QByteArray("ClTovuCommandExecDustCheck") << 0u;
    QTest::newRow("dot error") << QByteArray("ClTovuCommandExecDotErrorCheck") << 4u;
}

void TestCatalogue::factoryCheckDefaults()
{
    QFETCH(QByteArray, clClass);
    QFETCH(quint32, ulDefault);
    QCOMPARE(params(*build(clClass.constData(), envelope(-1))).first(), ulDefault);
    QCOMPARE(params(*build(clClass.constData(), envelope(-80))).first(), ulDefault);
    QCOMPARE(params(*build(clClass.constData(), envelope(0))).first(), 0u);
    QCOMPARE(params(*build(clClass.constData(), envelope(7))).first(), 7u);
}

void TestCatalogue::radioStartAndEndShareTheirCode()
{
    const ClCommandEntry& stStart = entry("ClTovuCommandRFStart");
    const ClCommandEntry& stEnd = entry("ClTovuCommandRFEnd");
    QCOMPARE(stStart.usCode, quint16(0x680B));
    QCOMPARE(stEnd.usCode, quint16(0x680B));
    QCOMPARE(u16At(stStart.pfnBuild(PV_CMD())->toByteArray(), 8), quint16(0x680B));
    QCOMPARE(u16At(stEnd.pfnBuild(PV_CMD())->toByteArray(), 8), quint16(0x680B));
    QVERIFY(stStart.uuidRequest != stEnd.uuidRequest);
}

void TestCatalogue::multiValueCommands()
{
    QCOMPARE(params(*build("ClTovuCommandSetGpsSetting", envelope(true, false, true, 30))),
             QList<quint32>({2, 1, 2, 30, 0}));
    QCOMPARE(params(*build("ClTovuCommandSetIntervalTimer", envelope(true, 10, 20))),
             QList<quint32>({2, 10, 20, 0, 0}));
    QCOMPARE(params(*build("ClTovuCommandSetScheCycle", envelope(1, 2, 3, false))), QList<quint32>({1, 2, 3, 1, 0}));
    QCOMPARE(params(*build("ClTovuCommandSetScheDayMode", envelope(4, 5, true))), QList<quint32>({4, 5, 2, 0, 0}));
    QCOMPARE(params(*build("ClTovuCommandSetRecParameter", envelope(1, -2, 3))),
             QList<quint32>({1, 0xFFFFFFFE, 3, 0, 0}));
    QCOMPARE(params(*build("ClTovuCommandRFTestMode", envelope(1, 2, 3, 4, 5))), QList<quint32>({1, 2, 3, 4, 5}));
    QCOMPARE(params(*build("ClTovuCommandGetRecParameter", envelope(6))).first(), 6u);

    const PV_CMD clGps = replyOf("ClTovuCommandGetGpsSetting", 2, 1, 2, 60);
    QCOMPARE(clGps.value(QStringLiteral("PARAM2")), QVariant(true));
    QCOMPARE(clGps.value(QStringLiteral("PARAM3")), QVariant(false));
    QCOMPARE(clGps.value(QStringLiteral("PARAM4")), QVariant(true));
    QCOMPARE(clGps.value(QStringLiteral("PARAM5")), QVariant(uint(60)));

    const PV_CMD clInterval = replyOf("ClTovuCommandGetIntervalTimer", 2, 15, 30);
    QCOMPARE(clInterval.value(QStringLiteral("PARAM2")), QVariant(true));
    QCOMPARE(clInterval.value(QStringLiteral("PARAM3")), QVariant(uint(15)));
    QCOMPARE(clInterval.value(QStringLiteral("PARAM4")), QVariant(uint(30)));

    const PV_CMD clCycle = replyOf("ClTovuCommandGetScheCycle", 0xFFFFFFFF, 2, 3, 2);
    QCOMPARE(clCycle.value(QStringLiteral("PARAM2")), QVariant(-1));
    QCOMPARE(clCycle.value(QStringLiteral("PARAM5")), QVariant(true));

    const PV_CMD clParameter = replyOf("ClTovuCommandGetLiveParameter", 1, 0xFFFFFFFF, 0xFFFFFFFF);
    QCOMPARE(clParameter.value(QStringLiteral("PARAM3")), QVariant(-1));
    QCOMPARE(clParameter.value(QStringLiteral("PARAM4")), QVariant(uint(0xFFFFFFFF)));
}

void TestCatalogue::valueReplyKeepsTheRequestKeys()
{
    const ClCommandEntry& stEntry = entry("ClTovuCommandGetWifiMode");
    QObject clSender;
    PV_CMD clRequest;
    clRequest.insert(QStringLiteral("CMD"), stEntry.uuidRequest);
    clRequest.insert(QStringLiteral("Sender"), QVariant::fromValue(&clSender));
    clRequest.insert(QStringLiteral("PARAM1"), QVariant::fromValue(static_cast<void*>(&clSender)));
    std::unique_ptr<ClTovuCommand> pclCommand = stEntry.pfnBuild(clRequest);
    respond(*pclCommand, 4);
    PV_CMD clReply = clRequest;
    QCOMPARE(stEntry.pfnWriteReply(*pclCommand, clReply), quint16(0));
    QCOMPARE(clReply.value(QStringLiteral("PARAM2")), QVariant(uint(4)));
    QCOMPARE(clReply.value(QStringLiteral("Sender")).value<QObject*>(), &clSender);
    QCOMPARE(clReply.value(QStringLiteral("PARAM1")).value<void*>(), static_cast<void*>(&clSender));
    QCOMPARE(clReply.size(), 4);
}
