#include "CatalogueRows.h"

#include "AccesspointList.h"
#include "ClVirtualCamera.h"
#include "ClVirtualFirmwareImage.h"
#include "ScheduleSettings.h"

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QTest>
#include <QTime>

namespace {
using Row = CatalogueRow;
using Expect = CatalogueRow::Expect;
using Params = ClVirtualCamera::Params;

Expect U(uint v) { return {QMetaType::fromType<uint>(), v}; }
Expect I(int v) { return {QMetaType::fromType<int>(), v}; }
Expect B(bool v) { return {QMetaType::fromType<bool>(), v}; }
Expect S(const QString& v) { return {QMetaType::fromType<QString>(), v}; }
Expect W(qulonglong v) { return {QMetaType::fromType<qulonglong>(), v}; }
Expect D(const QDateTime& v) { return {QMetaType::fromType<QDateTime>(), v}; }
Expect Z(const QSize& v) { return {QMetaType::fromType<QSize>(), v}; }
Expect T(const QTime& v) { return {QMetaType::fromType<QTime>(), v}; }
Expect A(const QByteArray& v) { return {QMetaType::fromType<QByteArray>(), v}; }
template <typename V>
Expect any() { return {QMetaType::fromType<V>(), QVariant(), true}; }

PV_CMD args(std::initializer_list<QVariant> lstValues)
{
    PV_CMD clArgs;
    int lKey = 2;
    for (const QVariant& clValue : lstValues)
        clArgs.insert(QStringLiteral("PARAM%1").arg(lKey++), clValue);
    return clArgs;
}

Row get(QList<Expect> lstReply, std::initializer_list<QVariant> lstArgs = {}, QList<quint32> lstRequest = {})
{
    Row stRow;
    stRow.clArgs = args(lstArgs);
    stRow.lstRequest = lstRequest;
    stRow.lstReply = lstReply;
    return stRow;
}

Row set(std::initializer_list<QVariant> lstArgs, QList<quint32> lstRequest)
{
    Row stRow;
    stRow.clArgs = args(lstArgs);
    stRow.lstRequest = lstRequest;
    return stRow;
}

Row setText(const QString& strText, const QByteArray& clWire = QByteArray())
{
    Row stRow;
    stRow.clArgs = args({strText});
    stRow.clText = clWire.isNull() ? strText.toUtf8() : clWire;
    stRow.bCheckParams = false;
    stRow.lRequestLength = int(stRow.clText.size()) + 28;
    return stRow;
}

Row exec()
{
    return Row();
}

quint32 hhmm(const char* pszText)
{
    const auto* p = reinterpret_cast<const uchar*>(pszText);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

QDateTime at(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

std::function<void(ClVirtualCamera&)> numbers(quint16 usCode, Params arrValues, quint32 ulKey = 0)
{
    return [=](ClVirtualCamera& clCamera) { clCamera.setNumbers(usCode, arrValues, ulKey); };
}
}  // namespace

QHash<QByteArray, CatalogueRow> catalogueRows()
{
    QHash<QByteArray, Row> h;
    const QByteArray clImage = ClVirtualFirmwareImage::make(QStringLiteral("01.03.026"), QString(), 2000);
    const QByteArray clArea = QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10");

    // Factory checks: a negative number is replaced by the check's default.
    h["ClTovuCommandExecAlignmentCheck"] = set({-1}, {8});
    h["ClTovuCommandExecResolutionCheck"] = set({5}, {5});
    h["ClTovuCommandExecVignettingCheck"] = set({-3}, {80120});
    h["ClTovuCommandExecAwbCheck"] = set({-1}, {50});
    h["ClTovuCommandExecDustCheck"] = set({12}, {12});
    h["ClTovuCommandExecDotErrorCheck"] = set({-1}, {4});
    h["ClTovuCommandExecRamCheck"] = exec();
    h["ClTovuCommandSaveRawData"] = exec();
    h["ClTovuCommandSaveYcData"] = exec();
    h["ClTovuCommandSaveAdjustData"] = exec();
    h["ClTovuCommandSetAdjustFlag"] = set({7}, {7});
    h["ClTovuCommandGetAdjustFlag"] = get({U(5)}).prepare(numbers(0x0042, {5}));

    // Firmware: the block follows its command; starting without an image is refused.
    h["ClTovuCommandExecFwUpdateData"] = set({clImage}, {quint32(clImage.size())});
    h["ClTovuCommandExecFwUpdateData"].clData = clImage;
    h["ClTovuCommandExecFwUpdat"] = set({false}, {1}).status(0xFFFB);

    h["ClTovuCommandReqJpeg"] = get({any<QImage>()}).check([](const PV_CMD& c) {
        QCOMPARE(c.value(QStringLiteral("PARAM2")).value<QImage>().size(), QSize(320, 240));
    });
    h["ClTovuCommandReqJpeg"].fnPrepare = numbers(0x5014, {2});
    h["ClTovuCommandReqAudio"] = get({any<QByteArray>()}).check([](const PV_CMD& c) {
        QVERIFY(c.value(QStringLiteral("PARAM2")).toByteArray().startsWith("RIFF"));
    });
    h["ClTovuCommandReqLog"] = get({any<QString>()}).check([](const PV_CMD& c) {
        QVERIFY(c.value(QStringLiteral("PARAM2")).toString().contains(QStringLiteral("power on")));
    });

    // Identity.
    h["ClTovuCommandGetSerialNo"] = get({S("TV0A1420573")});
    h["ClTovuCommandGetMacAddress"] = get({S("00:1D:73:4A:21:0F")});
    h["ClTovuCommandGetMachineName"] = get({S("Tovu")});
    h["ClTovuCommandGetSsid"] = get({S("Tovu-4A210F")});
    h["ClTovuCommandGetAdhocKey"] = get({S("tovu4a210f")});
    h["ClTovuCommandGetCreateDay"] = get({D(at(2013, 11, 20, 10, 15, 0))});
    h["ClTovuCommandGetCountry"] = get({S("JP")});
    h["ClTovuCommandGetLens"] = get({S("F2.8 f=2.3mm")});
    h["ClTovuCommandGetUuid"] = get({S("6f1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d")});
    h["ClTovuCommandSetSerialNo"] = setText(QStringLiteral("TV0B0000002"));
    h["ClTovuCommandSetMachineName"] = setText(QStringLiteral("Tovu"));
    h["ClTovuCommandSetSsid"] = setText(QStringLiteral("Tovu-0001"));
    h["ClTovuCommandSetAdhocKey"] = setText(QStringLiteral("adhockey"));
    h["ClTovuCommandSetCreateDay"] = setText(QString(), "2014/03/05 07:08:09");
    h["ClTovuCommandSetCreateDay"].clArgs = args({at(2014, 3, 5, 7, 8, 9)});
    h["ClTovuCommandSetCountry"] = set({QStringLiteral("US")}, {'U', 'S'});
    h["ClTovuCommandSetLens"] = setText(QStringLiteral("F2.0"));
    h["ClTovuCommandSetUuid"] = setText(QStringLiteral("0000-1111"));

    // Network.
    h["ClTovuCommandGetWifiInfo"] = get({U(2), S("HomeNetwork"), S("00:1A:2B:3C:4D:01"), U(6), I(4), I(54), any<uint>()});
    h["ClTovuCommandGetAccesspointList"] = get({any<AccesspointList>()}).check([](const PV_CMD& c) {
        const auto lstPoints = c.value(QStringLiteral("PARAM2")).value<AccesspointList>();
        QCOMPARE(lstPoints.size(), 5);
        QCOMPARE(lstPoints.at(0).strSsid, QStringLiteral("HomeNetwork"));
        QCOMPARE(lstPoints.at(0).strSecondText, QStringLiteral("00:1A:2B:3C:4D:01"));
        QCOMPARE(lstPoints.at(0).ulNumber1, 6u);
        QCOMPARE(lstPoints.at(0).ulEncryption, 4u);
        QCOMPARE(lstPoints.at(2).ulEncryption, 0u);
        QVERIFY(lstPoints.at(3).ulSignal > 80);
    });
    h["ClTovuCommandGetWifiMode"] = get({U(1)});
    h["ClTovuCommandGetStreamAuthorizationUse"] = get({B(false)});
    h["ClTovuCommandGetStreamAuthorizationPassword"] = get({S("tovu1234")});
    h["ClTovuCommandGetAdhocAddress"] = get({S("192.168.1.1")});
    h["ClTovuCommandGetAdhocSubnetmask"] = get({S("255.255.255.0")});
    h["ClTovuCommandGetInfraUseDhcp"] = get({B(true)});
    h["ClTovuCommandGetInfraAddress"] = get({S("192.168.0.10")}).prepare(numbers(0x5009, {0xC0A8000A}));
    h["ClTovuCommandGetInfraSubnetmask"] = get({S("255.255.255.0")});
    h["ClTovuCommandGetInfraGateway"] = get({S("192.168.0.1")});
    h["ClTovuCommandSetWifiMode"] = set({2}, {2});
    h["ClTovuCommandSetStreamAuthorizationUse"] = set({true}, {2});
    h["ClTovuCommandSetStreamAuthorizationPassword"] = setText(QStringLiteral("s3cret!"), "czNjcmV0IQ==");
    h["ClTovuCommandSetAdhocAddress"] = set({QStringLiteral("192.168.1.10")}, {0xC0A8010A});
    h["ClTovuCommandSetAdhocSubnetmask"] = set({QStringLiteral("255.255.0.0")}, {0xFFFF0000});
    h["ClTovuCommandSetInfraUseDhcp"] = set({false}, {1});
    h["ClTovuCommandSetInfraAddress"] = set({QStringLiteral("192.168.0.10")}, {0xC0A8000A});
    h["ClTovuCommandSetInfraSubnetmask"] = set({QStringLiteral("255.255.255.0")}, {0xFFFFFF00});
    h["ClTovuCommandSetInfraGateway"] = set({QStringLiteral("192.168.0.254")}, {0xC0A800FE});
    h["ClTovuCommandGetInfraSsid"] = get({S("HomeNetwork")});
    h["ClTovuCommandGetInfraKey"] = get({S("correct-horse")});
    h["ClTovuCommandSetInfraSsid"] = setText(QStringLiteral("Office-5F"));
    h["ClTovuCommandSetInfraKey"] = setText(QStringLiteral("p@ss"));
    h["ClTovuCommandGetWifiCountry"] = get({I(1)});
    h["ClTovuCommandSetWifiCountry"] = set({2}, {2});
    h["ClTovuCommandGetAdhocSecure"] = get({I(0)});
    h["ClTovuCommandSetAdhocSecure"] = set({1}, {1});
    h["ClTovuCommandGetRtstPort"] = get({I(554)});
    h["ClTovuCommandSetRtspPort"] = set({8554}, {8554});
    h["ClTovuCommandGetStunServer"] = get({S("stun.example.net")});
    h["ClTovuCommandSetStunServer"] = setText(QStringLiteral("stun.example.org"));
    h["ClTovuCommandGetPrimaryDns"] = get({S("192.168.0.1")});
    h["ClTovuCommandSetPrimaryDns"] = set({QStringLiteral("8.8.4.4")}, {0x08080404});
    h["ClTovuCommandGetSecondaryDns"] = get({S("0.0.0.0")});
    h["ClTovuCommandSetSecondary"] = set({QStringLiteral("1.1.1.1")}, {0x01010101});
    h["ClTovuCommandGetWiFiOnOff"] = get({B(true)});
    h["ClTovuCommandSetWiFiOnOff"] = set({false}, {1});
    h["ClTovuCommandGetAutoWiFiOffSetting"] = get({U(300)});
    h["ClTovuCommandSetAutoWiFiOffSetting"] = set({600}, {600});
    h["ClTovuCommandGetDdnsAddr"] = get({S("cam.example.org")});
    h["ClTovuCommandGetDdnsAddr"].fnPrepare = [](ClVirtualCamera& c) { c.setText(0x5054, "cam.example.org"); };
    h["ClTovuCommandSetDdnsAddr"] = setText(QStringLiteral("cam.example.org"));
    h["ClTovuCommandGetHttpPort"] = get({I(80)});
    h["ClTovuCommandSetHttpPort"] = set({8080}, {8080});
    h["ClTovuCommandGetCtrlServer"] = get({S(QString())});
    h["ClTovuCommandSetCtrlServer"] = setText(QStringLiteral("ctrl.example.org"));

    // Recording and live view.
    h["ClTovuCommandGetRecState"] = get({U(2)}).prepare([](ClVirtualCamera& c) { c.setRecording(true); });
    h["ClTovuCommandGetIntervalTimer"] = get({B(true), U(3725), U(60)}).prepare(numbers(0x5011, {2, 3725, 60}));
    h["ClTovuCommandSetIntervalTimer"] = set({true, 3725, 10}, {2, 3725, 10});
    h["ClTovuCommandGetRecImagesize"] = get({Z(QSize(640, 480))}).prepare(numbers(0x5012, {3}));
    h["ClTovuCommandSetRecImagesize"] = set({QSize(1280, 720)}, {2});
    h["ClTovuCommandGetRecFramerate"] = get({U(30)});
    h["ClTovuCommandSetRecFramerate"] = set({5}, {5});
    h["ClTovuCommandGetLiveImagesize"] = get({Z(QSize(800, 480))});
    h["ClTovuCommandSetLiveImagesize"] = set({QSize(320, 240)}, {2});
    h["ClTovuCommandGetLiveFramerate"] = get({U(15)});
    h["ClTovuCommandSetLiveFramerate"] = set({10}, {10});
    h["ClTovuCommandGetImageQuarity"] = get({U(2)});
    h["ClTovuCommandSetImageQuarity"] = set({4}, {4});
    h["ClTovuCommandGetRecBitrate"] = get({U(4000000)});
    h["ClTovuCommandSetRecBitRate"] = set({768000}, {768000});
    h["ClTovuCommandGetLiveBitrate"] = get({U(1000000)});
    h["ClTovuCommandSetLiveBitrae"] = set({500000}, {500000});
    h["ClTovuCommandGetRotate180"] = get({U(2)}).prepare(numbers(0x5055, {2}));
    h["ClTovuCommandSetRotate180"] = set({2}, {2});
    h["ClTovuCommandGetTimeStampOnOff"] = get({B(true)});
    h["ClTovuCommandSetTimeStampOnOff"] = set({false}, {1});
    h["ClTovuCommandGetTimeStampPos"] = get({U(1)});
    h["ClTovuCommandSetTimeStampPos"] = set({2}, {2});
    h["ClTovuCommandGetTimeStampForm"] = get({U(1)});
    h["ClTovuCommandSetTimeStampForm"] = set({3}, {3});

    // Basic settings.
    h["ClTovuCommandGetGpsInfo"] = get({I(1), any<QString>()}, {1}, {1}).check([](const PV_CMD& c) {
        QVERIFY(c.value(QStringLiteral("PARAM3")).toString().startsWith(QStringLiteral("$GPGGA,")));
    });
    h["ClTovuCommandGetGpsSetting"] = get({B(true), B(false), B(true), U(2)}).prepare(numbers(0x5021, {2, 1, 2, 2}));
    h["ClTovuCommandSetGpsSetting"] = set({true, false, true, 2}, {2, 1, 2, 2});
    h["ClTovuCommandGetCameraName"] = get({S("TOVU01")});
    h["ClTovuCommandSetCameraName"] = setText(QStringLiteral("cam"));
    h["ClTovuCommandGetTime"] = get({any<QDateTime>()}).check([](const PV_CMD& c) {
        const QDateTime clTime = c.value(QStringLiteral("PARAM2")).toDateTime();
        QVERIFY2(qAbs(clTime.secsTo(at(2014, 3, 5, 7, 8, 9))) <= 2, qPrintable(clTime.toString()));
    });
    h["ClTovuCommandGetTime"].fnPrepare = [](ClVirtualCamera& c) { c.setCameraTime(at(2014, 3, 5, 7, 8, 9)); };
    h["ClTovuCommandSetTime"] = set({at(2014, 3, 5, 7, 8, 9)}, {20140305, 70809});
    h["ClTovuCommandGetTimezone"] = get({U(9)}).prepare(numbers(0x5032, {9}));
    h["ClTovuCommandSetTimezone"] = set({13}, {13});
    h["ClTovuCommandGetLedStart"] = get({B(false)}).prepare(numbers(0x5033, {1}));
    h["ClTovuCommandSetLedStart"] = set({false}, {1});
    h["ClTovuCommandGetLedState"] = get({B(true)});
    h["ClTovuCommandSetLedState"] = set({true}, {2});
    h["ClTovuCommandGetOptimizerUse"] = get({B(false)});
    h["ClTovuCommandSetOptimizerUse"] = set({true}, {2});
    h["ClTovuCommandGetEState"] = get({B(false)});
    h["ClTovuCommandGetBatteryState"] = get({U(1), U(80)}).prepare([](ClVirtualCamera& c) { c.setBattery(80, false); });
    h["ClTovuCommandGetAutoPoweroffSetting"] = get({U(600)});
    h["ClTovuCommandSetAutoPoweroffSetting"] = set({3661}, {3661});
    h["ClTovuCommandGetSdInfo"] = get({W(8ull << 30), W(2ull << 30), U(3)}).prepare([](ClVirtualCamera& c) {
        c.setSdCard(8ull << 30, 2ull << 30, 3);
    });
    h["ClTovuCommandGetFwVersion"] = get({S("01.03.025")});
    h["ClTovuCommandGetBatteryAlarm"] = get({B(true)});
    h["ClTovuCommandSetBatteryAlarm"] = set({false}, {1});
    h["ClTovuCommandGetLedOnSecure"] = get({B(false)});
    h["ClTovuCommandSetLedOnSecure"] = set({5}, {2});
    h["ClTovuCommandGetStartMode"] = get({U(2)});
    h["ClTovuCommandSetStartMode"] = set({1}, {1});
    h["ClTovuCommandGetSecureKeyLock"] = get({B(false)});
    h["ClTovuCommandSetSecureKeyLock"] = set({true}, {2});
    h["ClTovuCommandGetSecureCurr"] = get({U(2)});
    h["ClTovuCommandExecSecureCurr"] = set({1}, {1});

    // Schedule.
    h["ClTovuCommandGetScheOnOff"] = get({B(false)});
    h["ClTovuCommandSetScheOnOff"] = set({true}, {2});
    h["ClTovuCommandGetScheSetting"] = get({any<ScheduleSettings>()}).check([](const PV_CMD& c) {
        const auto mapEntries = c.value(QStringLiteral("PARAM2")).value<ScheduleSettings>();
        QCOMPARE(mapEntries.keys(), (QList<int>{1, 2, 3, 4, 5, 6, 7, 8}));
        QCOMPARE(mapEntries.value(2).bOn, true);
        QCOMPARE(mapEntries.value(2).tmStart, QTime(22, 0));
        QCOMPARE(mapEntries.value(2).tmEnd, QTime(2, 0));
        QCOMPARE(mapEntries.value(1).bOn, false);
        QCOMPARE(mapEntries.value(8).tmStart, QTime(22, 0));
    });
    h["ClTovuCommandGetScheSetting"].fnPrepare = numbers(0x5051, {2, 2, hhmm("2200"), hhmm("0200")}, 2);
    h["ClTovuCommandSetScheSetting"] = set({2, true, QTime(22, 0), QTime(2, 0)}, {2, 2, hhmm("2200"), hhmm("0200"), 0});
    h["ClTovuCommandGetScheSecure"] = get({B(false)});
    h["ClTovuCommandExecScheCurr"] = set({true}, {2});

    // The third model's commands.
    h["ClTovuCommandGetQualityPreset"] = get({U(1)});
    h["ClTovuCommandSetQualityPreset"] = set({3}, {3});
    h["ClTovuCommandGetAudioUpPort"] = get({U(5004)});
    h["ClTovuCommandSetAudioUpPort"] = set({5006}, {5006});
    h["ClTovuCommandGetScheSelect"] = get({U(1)});
    h["ClTovuCommandSetScheSelect"] = set({2}, {2});
    h["ClTovuCommandGetStartLock"] = get({B(false)});
    h["ClTovuCommandSetStartLock"] = set({0}, {1});
    h["ClTovuCommandGetRemoteRecTime"] = get({I(60)});
    h["ClTovuCommandSetRemoteRecTime"] = set({30}, {30});
    h["ClTovuCommandGetRecTime"] = get({I(300)});
    h["ClTovuCommandSetRecTime"] = set({120}, {120});
    h["ClTovuCommandGetPreAlarm"] = get({I(5)});
    h["ClTovuCommandSetPreAlarm"] = set({3}, {3});
    h["ClTovuCommandGetMotionArea"] = get({A(QByteArray(48, '\1'))});
    h["ClTovuCommandSetMotionArea"] = set({clArea}, {quint32(clArea.size())});
    h["ClTovuCommandSetMotionArea"].clData = clArea;
    h["ClTovuCommandGetMotionSensor"] = get({I(3)});
    h["ClTovuCommandSetMotionSensor"] = set({4}, {4});
    h["ClTovuCommandGetUnmotionSensor"] = get({I(3)});
    h["ClTovuCommandSetUnmotionSensor"] = set({2}, {2});
    h["ClTovuCommandGetVolumeLevel"] = get({I(5)});
    h["ClTovuCommandSetVolumeLevel"] = set({7}, {7});
    h["ClTovuCommandGetDigcamShutter"] = get({I(0)});
    h["ClTovuCommandSetDigcamShutter"] = set({1}, {1});
    h["ClTovuCommandGetSecureShutter"] = get({I(0)});
    h["ClTovuCommandSetSecureShutter"] = set({2}, {2});
    h["ClTovuCommandGetWatchShutter"] = get({I(0)});
    h["ClTovuCommandSetWatchShutter"] = set({3}, {3});
    h["ClTovuCommandGetDoorShutter"] = get({I(0)});
    h["ClTovuCommandSetDoorShutter"] = set({4}, {4});
    h["ClTovuCommandGetContShutter"] = get({I(0)});
    h["ClTovuCommandSetContShutter"] = set({5}, {5});
    h["ClTovuCommandGetQRNoOpe"] = get({I(0)});
    h["ClTovuCommandSetQRNoOpe"] = set({1}, {1});
    h["ClTovuCommandGetWatchInterval"] = get({I(10)});
    h["ClTovuCommandSetWatchInterval"] = set({20}, {20});
    h["ClTovuCommandGetDoorInterval"] = get({I(10)});
    h["ClTovuCommandSetDoorInterval"] = set({15}, {15});
    h["ClTovuCommandGetUpLoadOnOff"] = get({B(false)});
    h["ClTovuCommandSetUpLoadOnOff"] = set({true}, {2});
    h["ClTovuCommandGetUpLoadDelete"] = get({B(false)});
    h["ClTovuCommandSetUpLoadDelete"] = set({false}, {1});
    h["ClTovuCommandGetScheCycle"] = get({I(1), I(0), I(0), B(false)});
    h["ClTovuCommandSetScheCycle"] = set({2, 3, 4, true}, {2, 3, 4, 2});
    h["ClTovuCommandGetScheDayTime"] = get({I(3), I(7), B(true), T(QTime(8, 0)), T(QTime(17, 30))}, {3}, {3})
                                           .prepare(numbers(0x5076, {3, 7, 2, hhmm("0800"), hhmm("1730")}, 3));
    h["ClTovuCommandSetScheDayTime"] = set({5, 9, true, QTime(8, 0), QTime(17, 30)}, {5, 9, 2, hhmm("0800"), hhmm("1730")});
    h["ClTovuCommandGetScheDayMode"] = get({I(4), I(9), B(true)}, {4}, {4}).prepare(numbers(0x5077, {4, 9, 2}, 4));
    h["ClTovuCommandSetScheDayMode"] = set({5, 2, false}, {5, 2, 1});
    h["ClTovuCommandGetRecParameter"] = get({I(1), I(30), U(800000)}, {1}, {1}).prepare(numbers(0x5078, {1, 30, 800000}, 1));
    h["ClTovuCommandSetRecParameter"] = set({1, 30, 800000}, {1, 30, 800000});
    h["ClTovuCommandGetLiveParameter"] = get({I(2), I(15), U(400000)}, {2}, {2}).prepare(numbers(0x5079, {2, 15, 400000}, 2));
    h["ClTovuCommandSetLiveParameter"] = set({2, 15, 400000}, {2, 15, 400000});
    h["ClTovuCommandGetCurrentMode"] = get({U(1)});
    h["ClTovuCommandGetLockState"] = get({U(1)});
    h["ClTovuCommandGetUpdateSetting"] = get({D(at(2014, 3, 1, 3, 0, 0))});
    h["ClTovuCommandGetUpdateSche"] = get({D(at(2014, 3, 2, 3, 0, 0))});
    h["ClTovuCommandGetWakeOnLan"] = get({B(false)});
    h["ClTovuCommandSetWakeOnLan"] = set({true}, {2});
    h["ClTovuCommandMotionModeChange"] = set({2}, {2});
    h["ClTovuCommandLockModeChange"] = set({1}, {1});
    h["ClTovuCommandScheModeChange"] = set({3}, {3});
    h["ClTovuCommandStreamStart"] = exec();
    h["ClTovuCommandStreamEnd"] = exec();
    h["ClTovuCommandStreamSteal"] = get({any<QImage>()}).check([](const PV_CMD& c) {
        QCOMPARE(c.value(QStringLiteral("PARAM2")).value<QImage>().size(), QSize(800, 480));
    });

    // Operations.
    h["ClTovuCommandPowerOff"] = exec();
    h["ClTovuCommandRestart"] = exec();
    h["ClTovuCommandFormatSd"] = exec();
    h["ClTovuCommandInitSetting"] = exec();
    h["ClTovuCommandCtrlRec"] = set({true}, {2});
    h["ClTovuCommandCapture"] = exec();
    h["ClTovuCommandConnectWifi"] = set({QStringLiteral("Office-5F"), QStringLiteral("key123")}, {});
    h["ClTovuCommandConnectWifi"].bCheckParams = false;
    h["ClTovuCommandConnectWifi"].clText = "Office-5F";
    h["ClTovuCommandConnectWifi"].clSecondText = "key123";
    h["ClTovuCommandConnectWifi"].lRequestLength = 12 + 4 + 9 + 4 + 6 + 4;
    h["ClTovuCommandWifiChange"] = set({2}, {2});
    h["ClTovuCommandWifiSwitch"] = set({false}, {1});
    h["ClTovuCommandRFTestMode"] = set({1, 2, 3, 4, 5}, {1, 2, 3, 4, 5});
    h["ClTovuCommandRFStart"] = exec();
    h["ClTovuCommandRFEnd"] = exec();
    h["ClTovuCommandMfgTx"] = set({true, 0x12, 0x34, 0xABC, 7, QStringLiteral("00:11:22:33:44:55")},
                                  {0x12, (0x34u << 24) | 0xABC, 7, 0x33221100, 0x5544});
    h["ClTovuCommandMfgAcc"] = set({true, 9}, {9});
    return h;
}
