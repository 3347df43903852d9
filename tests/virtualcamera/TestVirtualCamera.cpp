// The emulated camera's settings through literal packets: what a Set writes the next Get
// reads, values out of range are refused, commands a model or firmware does not support are
// refused, the security mode and a running recording refuse changes, and the live values
// look like a camera's.
#include "ClRawCameraLink.h"
#include "ClVirtualCamera.h"
#include "ClVirtualUsbBus.h"

#include <QtTest>

#include <memory>

using Params = ClRawCameraLink::Params;

namespace {
struct Rig
{
    explicit Rig(int lModel, const QString& strFirmware = QString(), int lSecureMode = 2)
    {
        pclCamera = new ClVirtualCamera(lModel, strFirmware, lSecureMode);
        clBus.plug(pclCamera);
        upLink = std::make_unique<ClRawCameraLink>(clBus);
    }
    quint16 statusOf(const QByteArray& clRequest) { return ClRawCameraLink::status(upLink->exchange(clRequest)); }
    QByteArray get(quint16 usCode, const Params& arrParams = Params{})
    {
        return upLink->exchange(ClRawCameraLink::command(usCode, arrParams));
    }

    ClVirtualUsbBus clBus;
    ClVirtualCamera* pclCamera = nullptr;
    std::unique_ptr<ClRawCameraLink> upLink;
};

QByteArray hhmm(const char* pszText)
{
    return QByteArray(pszText, 4);
}

quint32 hhmmParam(const char* pszText)
{
    return ClRawCameraLink::le32(hhmm(pszText), 0);
}
}  // namespace

class TestVirtualCamera : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void setThenGet_data();
    void setThenGet();
    void textSetThenGet_data();
    void textSetThenGet();
    void passwordTravelsInBase64();
    void clockFollowsSetTime();
    void scheduleEntryWrittenAndListed();
    void outOfRangeRefused_data();
    void outOfRangeRefused();
    void unsupportedRefused_data();
    void unsupportedRefused();
    void securityModeRefusesChanges();
    void recordingRefusesChanges();
    void settingsResetKeepsIdentity();
    void liveValues();
    void wifiFollowsSwitchAndJoin();
    void accessPointListIsConfigurable();
};

void TestVirtualCamera::setThenGet_data()
{
    QTest::addColumn<int>("lModel");
    QTest::addColumn<int>("lSetCode");
    QTest::addColumn<Params>("arrValues");
    QTest::addColumn<int>("lGetCode");
    QTest::addColumn<int>("lCompared");

    QTest::newRow("time zone GMT-1") << 0 << 0x5832 << Params{13} << 0x5032 << 1;
    QTest::newRow("Wi-Fi mode ad hoc") << 0 << 0x5803 << Params{2} << 0x5003 << 1;
    QTest::newRow("Wi-Fi country EU") << 0 << 0x5841 << Params{3} << 0x5041 << 1;
    QTest::newRow("recording 320x240 on the Tovu-S") << 1 << 0x5812 << Params{4} << 0x5012 << 1;
    QTest::newRow("recording 5 fps on the Tovu-S") << 1 << 0x5813 << Params{5} << 0x5013 << 1;
    QTest::newRow("recording bit rate") << 1 << 0x584B << Params{768000} << 0x504B << 1;
    QTest::newRow("live view 320x240") << 0 << 0x5814 << Params{2} << 0x5014 << 1;
    QTest::newRow("picture quality dark") << 0 << 0x5849 << Params{4} << 0x5049 << 1;
    QTest::newRow("rotated") << 0 << 0x5855 << Params{2} << 0x5055 << 1;
    QTest::newRow("HTTP port") << 0 << 0x5858 << Params{8080} << 0x5058 << 1;
    QTest::newRow("RTSP port 554") << 0 << 0x5843 << Params{554} << 0x5043 << 1;
    QTest::newRow("infrastructure address") << 0 << 0x5809 << Params{0xC0A8000A} << 0x5009 << 1;
    QTest::newRow("mask 255.255.240.0") << 0 << 0x580A << Params{0xFFFFF000} << 0x500A << 1;
    QTest::newRow("mask 0.0.0.0") << 0 << 0x5807 << Params{0} << 0x5007 << 1;
    QTest::newRow("LED at start off") << 0 << 0x5833 << Params{1} << 0x5033 << 1;
    QTest::newRow("auto power off 1:01:01") << 0 << 0x5838 << Params{3661} << 0x5038 << 1;
    QTest::newRow("auto Wi-Fi off never") << 0 << 0x5848 << Params{0} << 0x5048 << 1;
    QTest::newRow("GPS on, log, full format") << 0 << 0x5821 << Params{2, 2, 1, 2} << 0x5021 << 4;
    QTest::newRow("interval timer") << 0 << 0x5811 << Params{2, 3725, 1} << 0x5011 << 3;
    QTest::newRow("country") << 0 << 0x4807 << Params{'U', 'S'} << 0x4007 << 2;
    QTest::newRow("start mode security") << 1 << 0x5852 << Params{1} << 0x5052 << 1;
    QTest::newRow("adjustment flag") << 0 << 0x0041 << Params{7} << 0x0042 << 1;
    QTest::newRow("wake on LAN on the third model") << 2 << 0x5883 << Params{2} << 0x5083 << 1;
}

void TestVirtualCamera::setThenGet()
{
    QFETCH(int, lModel);
    QFETCH(int, lSetCode);
    QFETCH(Params, arrValues);
    QFETCH(int, lGetCode);
    QFETCH(int, lCompared);

    Rig stRig(lModel);
    const QByteArray clBefore = stRig.get(quint16(lGetCode));
    QCOMPARE(ClRawCameraLink::status(clBefore), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(quint16(lSetCode), arrValues)), 0);
    const QByteArray clAfter = stRig.get(quint16(lGetCode));
    QCOMPARE(ClRawCameraLink::status(clAfter), 0);
    QCOMPARE(ClRawCameraLink::sequence(clAfter), 0x1234);
    for (int i = 0; i < lCompared; ++i)
        QCOMPARE(ClRawCameraLink::param(clAfter, i + 1), arrValues[size_t(i)]);
}

void TestVirtualCamera::textSetThenGet_data()
{
    QTest::addColumn<int>("lSetCode");
    QTest::addColumn<QByteArray>("clText");
    QTest::addColumn<int>("lGetCode");

    QTest::newRow("camera name") << 0x5830 << QByteArray("cam") << 0x5030;
    QTest::newRow("camera name of 8") << 0x5830 << QByteArray("a-b.c_d~") << 0x5030;
    QTest::newRow("infrastructure SSID") << 0x583B << QByteArray("Office-5F") << 0x503B;
    QTest::newRow("infrastructure key") << 0x583C << QByteArray("p@ss w0rd") << 0x503C;
    QTest::newRow("key cleared") << 0x583C << QByteArray() << 0x503C;
    QTest::newRow("DDNS in UTF-8") << 0x5854 << QByteArray("caméra.example") << 0x5054;
    QTest::newRow("serial number") << 0x4801 << QByteArray("TV9Z0000001") << 0x4001;
    QTest::newRow("date of manufacture") << 0x4806 << QByteArray("2014/03/05 07:08:09") << 0x4006;
}

void TestVirtualCamera::textSetThenGet()
{
    QFETCH(int, lSetCode);
    QFETCH(QByteArray, clText);
    QFETCH(int, lGetCode);

    Rig stRig(0);
    const QByteArray clRequest = ClRawCameraLink::textCommand(quint16(lSetCode), clText);
    QCOMPARE(stRig.statusOf(clRequest), 0);
    const QByteArray clAnswer = stRig.get(quint16(lGetCode));
    QCOMPARE(ClRawCameraLink::status(clAnswer), 0);
    QCOMPARE(ClRawCameraLink::text(clAnswer), clText);
    if (!clText.isEmpty())
        QCOMPARE(ClRawCameraLink::le32(clAnswer, 4), quint32(clText.size() + 28));
    QCOMPARE(stRig.pclCamera->requests().at(0).clText, clText);
}

void TestVirtualCamera::passwordTravelsInBase64()
{
    Rig stRig(0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::textCommand(0x5805, QByteArray("s3cret!").toBase64())), 0);
    QCOMPARE(stRig.pclCamera->text(0x5005), QByteArray("s3cret!"));
    QCOMPARE(ClRawCameraLink::text(stRig.get(0x5005)), QByteArray("czNjcmV0IQ=="));

    // Not Base64, a space inside, or too long: refused, and the password stays.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::textCommand(0x5805, "not base64!")), 0xFFFB);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::textCommand(0x5805, QByteArray("a b").toBase64())), 0xFFFB);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::textCommand(0x5805, QByteArray(17, 'x').toBase64())), 0xFFFB);
    QCOMPARE(stRig.pclCamera->text(0x5005), QByteArray("s3cret!"));
}

void TestVirtualCamera::clockFollowsSetTime()
{
    Rig stRig(0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5831, Params{20140305, 70809})), 0);
    const QByteArray clAnswer = stRig.get(0x5031);
    QCOMPARE(ClRawCameraLink::param(clAnswer, 1), 20140305u);
    const quint32 ulTime = ClRawCameraLink::param(clAnswer, 2);
    QVERIFY2(ulTime >= 70809 && ulTime <= 70811, qPrintable(QString::number(ulTime)));

    // The camera keeps its own time apart from the computer's, running on.
    QVERIFY(qAbs(stRig.pclCamera->cameraTime().secsTo(QDateTime(QDate(2014, 3, 5), QTime(7, 8, 9)))) <= 2);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5831, Params{20140230, 70809})), 0xFFFB);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5831, Params{20140305, 246000})), 0xFFFB);
}

void TestVirtualCamera::scheduleEntryWrittenAndListed()
{
    Rig stRig(1);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5851, Params{2, 2, hhmmParam("2200"), hhmmParam("0200")})), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5851, Params{1, 1, hhmmParam("0000"), hhmmParam("0000")})), 0);

    // The list comes as eight entry packets of the request's sequence, without a response.
    QCOMPARE(stRig.upLink->write(ClRawCameraLink::command(0x5051, Params{}, 0x0BEE)), 32);
    QMap<quint32, QByteArray> mapEntries;
    for (int i = 0; i < 8; ++i) {
        const QByteArray clEntry = stRig.upLink->read();
        QCOMPARE(clEntry.size(), 32);
        QCOMPARE(ClRawCameraLink::sequence(clEntry), 0x0BEE);
        QCOMPARE(ClRawCameraLink::status(clEntry), 0);
        mapEntries.insert(ClRawCameraLink::param(clEntry, 1), clEntry);
    }
    QVERIFY(stRig.upLink->read().isEmpty());
    QCOMPARE(mapEntries.keys(), (QList<quint32>{1, 2, 3, 4, 5, 6, 7, 8}));
    QCOMPARE(ClRawCameraLink::param(mapEntries[2], 2), 2u);
    QCOMPARE(mapEntries[2].mid(20, 4), hhmm("2200"));
    QCOMPARE(mapEntries[2].mid(24, 4), hhmm("0200"));
    QCOMPARE(ClRawCameraLink::param(mapEntries[1], 2), 1u);
    QCOMPARE(mapEntries[1].mid(20, 8), QByteArray("00000000"));

    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5851, Params{9, 2, hhmmParam("0800"), hhmmParam("0900")})),
             0xFFFB);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5851, Params{3, 2, hhmmParam("2500"), hhmmParam("0900")})),
             0xFFFB);
}

void TestVirtualCamera::outOfRangeRefused_data()
{
    QTest::addColumn<int>("lModel");
    QTest::addColumn<QByteArray>("clRequest");
    QTest::addColumn<int>("lGetCode");

    using L = ClRawCameraLink;
    QTest::newRow("time zone 25") << 0 << L::command(0x5832, {25}) << 0x5032;
    QTest::newRow("320x240 recording on the Tovu") << 0 << L::command(0x5812, {4}) << 0x5012;
    QTest::newRow("recording size 0") << 1 << L::command(0x5812, {0}) << 0x5012;
    QTest::newRow("6 fps recording on the Tovu-S") << 1 << L::command(0x5813, {6}) << 0x5013;
    QTest::newRow("5 fps live view") << 0 << L::command(0x5815, {5}) << 0x5015;
    QTest::newRow("bit rate below 384 kbps") << 1 << L::command(0x584B, {383999}) << 0x504B;
    QTest::newRow("bit rate above 15360 kbps") << 1 << L::command(0x584C, {15360001}) << 0x504C;
    QTest::newRow("picture quality 5") << 0 << L::command(0x5849, {5}) << 0x5049;
    QTest::newRow("rotation 3") << 0 << L::command(0x5855, {3}) << 0x5055;
    QTest::newRow("RTSP port 1023") << 0 << L::command(0x5843, {1023}) << 0x5043;
    QTest::newRow("HTTP port 81") << 0 << L::command(0x5858, {81}) << 0x5058;
    QTest::newRow("HTTP port 65536") << 0 << L::command(0x5858, {65536}) << 0x5058;
    QTest::newRow("mask 255.0.255.0") << 0 << L::command(0x580A, {0xFF00FF00}) << 0x500A;
    QTest::newRow("switch 0") << 0 << L::command(0x5833, {0}) << 0x5033;
    QTest::newRow("switch 3") << 0 << L::command(0x584A, {3}) << 0x504A;
    QTest::newRow("GPS log format 3") << 0 << L::command(0x5821, {2, 2, 2, 3}) << 0x5021;
    QTest::newRow("auto power off 59 s") << 0 << L::command(0x5838, {59}) << 0x5038;
    QTest::newRow("auto power off over 72 h") << 0 << L::command(0x5838, {259201}) << 0x5038;
    QTest::newRow("auto Wi-Fi off 601 s") << 0 << L::command(0x5848, {601}) << 0x5048;
    QTest::newRow("Wi-Fi country 5") << 0 << L::command(0x5841, {5}) << 0x5041;
    QTest::newRow("interval of 0 s") << 0 << L::command(0x5811, {2, 0, 0}) << 0x5011;
    QTest::newRow("country in lower case") << 0 << L::command(0x4807, {'u', 's'}) << 0x4007;
    QTest::newRow("camera name of 9") << 0 << L::textCommand(0x5830, "abcdefghi") << 0x5030;
    QTest::newRow("camera name with a space") << 0 << L::textCommand(0x5830, "a b") << 0x5030;
    QTest::newRow("camera name empty") << 0 << L::textCommand(0x5830, "") << 0x5030;
    QTest::newRow("SSID of 33") << 0 << L::textCommand(0x583B, QByteArray(33, 's')) << 0x503B;
    QTest::newRow("date of manufacture not a date") << 0 << L::textCommand(0x4806, "yesterday") << 0x4006;
    // A text whose announced length runs past the packet.
    QTest::newRow("text longer than the packet")
        << 0 << L::command(0x5830, {200, 0x41414141}).replace(4, 4, QByteArray::fromHex("e4000000")) << 0x5030;
}

void TestVirtualCamera::outOfRangeRefused()
{
    QFETCH(int, lModel);
    QFETCH(QByteArray, clRequest);
    QFETCH(int, lGetCode);

    Rig stRig(lModel);
    const QByteArray clBefore = stRig.get(quint16(lGetCode));
    QCOMPARE(stRig.statusOf(clRequest), 0xFFFB);
    QCOMPARE(stRig.get(quint16(lGetCode)), clBefore);
}

void TestVirtualCamera::unsupportedRefused_data()
{
    QTest::addColumn<int>("lModel");
    QTest::addColumn<QString>("strFirmware");
    QTest::addColumn<int>("lCode");
    QTest::addColumn<int>("lStatus");

    QTest::newRow("Tovu has no modes") << 0 << "01.03.025" << 0x5056 << 0xFFFC;
    QTest::newRow("Tovu-S has modes") << 1 << "01.00.011" << 0x5056 << 0;
    QTest::newRow("rotation before 01.03.025") << 0 << "01.03.024" << 0x5055 << 0xFFFC;
    QTest::newRow("rotation from 01.03.025") << 0 << "01.03.025" << 0x5055 << 0;
    QTest::newRow("rotation on a later firmware") << 0 << "02.00.000" << 0x5055 << 0;
    QTest::newRow("interval timer on the Tovu") << 0 << "01.03.024" << 0x5011 << 0;
    QTest::newRow("no interval timer on the Tovu-S") << 1 << "01.00.011" << 0x5011 << 0xFFFC;
    QTest::newRow("no recording frame rate on the Tovu") << 0 << "01.03.025" << 0x5013 << 0xFFFC;
    QTest::newRow("wake on LAN only on the third model") << 1 << "01.00.011" << 0x5083 << 0xFFFC;
    QTest::newRow("third model has no ad hoc") << 2 << "00.00.001" << 0x5006 << 0xFFFC;
    QTest::newRow("radio test transmit is in no list") << 0 << "01.03.025" << 0x680C << 0xFFFC;
    QTest::newRow("firmware older than every window") << 0 << "01.03.020" << 0x5011 << 0;
    QTest::newRow("unknown code") << 0 << "01.03.025" << 0x5FFF << 0xFFFC;
}

void TestVirtualCamera::unsupportedRefused()
{
    QFETCH(int, lModel);
    QFETCH(QString, strFirmware);
    QFETCH(int, lCode);
    QFETCH(int, lStatus);

    Rig stRig(lModel, strFirmware);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(quint16(lCode))), lStatus);
}

void TestVirtualCamera::securityModeRefusesChanges()
{
    Rig stRig(1, QString(), 1);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5056), 1), 1u);
    stRig.pclCamera->setRecording(true);

    // Reading is allowed; settings, operations and updates are not.
    QCOMPARE(ClRawCameraLink::status(stRig.get(0x5032)), 0);
    QCOMPARE(ClRawCameraLink::status(stRig.get(0x4003)), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5832, {3})), 0xFFFC);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::textCommand(0x5830, "cam")), 0xFFFC);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6803)), 0xFFFC);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6805, {1})), 0xFFFC);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x2002, {1})), 0xFFFC);
    QVERIFY(stRig.pclCamera->isRecording());

    // Switching to maintenance stops the recording and lets changes through.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6810, {3})), 0xFFFB);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6810, {2})), 0);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5056), 1), 2u);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5010), 1), 1u);
    QVERIFY(!stRig.pclCamera->isRecording());
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5832, {3})), 0);

    // And back to security.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6810, {1})), 0);
    QCOMPARE(stRig.pclCamera->secureMode(), 1);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5832, {4})), 0xFFFC);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5032), 1), 3u);
}

void TestVirtualCamera::recordingRefusesChanges()
{
    Rig stRig(1);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6805, {2})), 0);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5010), 1), 2u);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5812, {1})), 0xFFFA);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x584B, {800000})), 0xFFFA);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6803)), 0xFFFA);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5832, {5})), 0);

    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6805, {1})), 0);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5010), 1), 1u);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5812, {1})), 0);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5012), 1), 1u);
}

void TestVirtualCamera::settingsResetKeepsIdentity()
{
    Rig stRig(0);
    const QByteArray clDefaultName = ClRawCameraLink::text(stRig.get(0x5030));
    QCOMPARE(stRig.statusOf(ClRawCameraLink::textCommand(0x5830, "other")), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::textCommand(0x4801, "TV0000042")), 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5849, {0})), 0);

    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6804)), 0);
    QCOMPARE(ClRawCameraLink::text(stRig.get(0x5030)), clDefaultName);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5049), 1), 2u);
    QCOMPARE(ClRawCameraLink::text(stRig.get(0x4001)), QByteArray("TV0000042"));
    QCOMPARE(ClRawCameraLink::text(stRig.get(0x4003)), QByteArray("Tovu"));
}

void TestVirtualCamera::liveValues()
{
    Rig stRig(0);
    const QByteArray clBattery = stRig.get(0x5037);
    QVERIFY(ClRawCameraLink::param(clBattery, 1) >= 1 && ClRawCameraLink::param(clBattery, 1) <= 3);
    QVERIFY(ClRawCameraLink::param(clBattery, 2) <= 100);
    stRig.pclCamera->setBattery(9, false);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5037), 1), 1u);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5037), 2), 9u);

    // SD card: 64-bit total and used bytes in two halves each, then the file system.
    stRig.pclCamera->setSdCard(8ull << 30, 2ull << 30, 3);
    const QByteArray clSd = stRig.get(0x5039);
    QCOMPARE((quint64(ClRawCameraLink::param(clSd, 1)) << 32) | ClRawCameraLink::param(clSd, 2), 8ull << 30);
    QCOMPARE((quint64(ClRawCameraLink::param(clSd, 3)) << 32) | ClRawCameraLink::param(clSd, 4), 2ull << 30);
    QCOMPARE(ClRawCameraLink::param(clSd, 5), 3u);

    // Capturing takes space; formatting frees it all.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6806)), 0);
    QVERIFY(stRig.pclCamera->sdUsed() > (2ull << 30));
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6803)), 0);
    QCOMPARE(stRig.pclCamera->sdUsed(), 0ull);

    // Without a card, recording and formatting are refused.
    stRig.pclCamera->setSdCard(0, 0, 0);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6805, {2})), 0xFFFB);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6803)), 0xFFFB);

    QCOMPARE(ClRawCameraLink::text(stRig.get(0x503A)), QByteArray("01.03.025"));
    QCOMPARE(ClRawCameraLink::text(stRig.get(0x4003)), QByteArray("Tovu"));
    QVERIFY(ClRawCameraLink::text(stRig.get(0x5020)).startsWith("$GPGGA,"));
}

void TestVirtualCamera::wifiFollowsSwitchAndJoin()
{
    Rig stRig(0);
    ClRawCameraLink& clLink = *stRig.upLink;
    auto wifiInfo = [&clLink](QByteArray* pclTexts, QByteArray* pclNumbers) {
        const QByteArray clFirst = clLink.exchange(ClRawCameraLink::command(0x5001));
        *pclTexts = clLink.read();
        *pclNumbers = clLink.read();
        return ClRawCameraLink::param(clFirst, 1);
    };
    QByteArray clTexts, clNumbers;
    QCOMPARE(wifiInfo(&clTexts, &clNumbers), 2u);
    QCOMPARE(ClRawCameraLink::sequence(clTexts), 0x1234);
    QCOMPARE(ClRawCameraLink::le32(clTexts, 16), 11u);
    QCOMPARE(clTexts.mid(20, 11), QByteArray("HomeNetwork"));
    QCOMPARE(ClRawCameraLink::param(clNumbers, 2), 6u);
    QCOMPARE(ClRawCameraLink::param(clNumbers, 3), 4u);
    QVERIFY(ClRawCameraLink::param(clNumbers, 5) > 0);

    // The stored setting alone changes nothing; the switch does.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x5847, {1})), 0);
    QCOMPARE(wifiInfo(&clTexts, &clNumbers), 2u);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6809, {1})), 0);
    QCOMPARE(wifiInfo(&clTexts, &clNumbers), 1u);
    QCOMPARE(ClRawCameraLink::param(clNumbers, 5), 0u);
    QCOMPARE(ClRawCameraLink::param(stRig.get(0x5002), 1), 0u);

    // Joining an access point switches the radio on in infrastructure mode.
    QByteArray clJoin = ClRawCameraLink::command(0x6807);
    clJoin = clJoin.left(12) + QByteArray::fromHex("09000000") + "Office-5F" + QByteArray::fromHex("03000000") + "key"
             + QByteArray(4, '\0');
    clJoin.replace(4, 4, QByteArray::fromHex("24000000"));
    QCOMPARE(stRig.statusOf(clJoin), 0);
    QCOMPARE(stRig.pclCamera->requests().last().clText, QByteArray("Office-5F"));
    QCOMPARE(stRig.pclCamera->requests().last().clSecondText, QByteArray("key"));
    QCOMPARE(wifiInfo(&clTexts, &clNumbers), 2u);
    QCOMPARE(clTexts.mid(20, 9), QByteArray("Office-5F"));
    QCOMPARE(ClRawCameraLink::param(clNumbers, 2), 1u);
    QCOMPARE(stRig.pclCamera->text(0x503C), QByteArray("key"));

    // Ad hoc: the camera's own network.
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6808, {2})), 0);
    QCOMPARE(wifiInfo(&clTexts, &clNumbers), 3u);
    QCOMPARE(stRig.statusOf(ClRawCameraLink::command(0x6808, {3})), 0xFFFB);
}

void TestVirtualCamera::accessPointListIsConfigurable()
{
    Rig stRig(0);
    QList<ClVirtualCamera::AccessPoint> lstPoints;
    lstPoints.append({"First", "00:00:00:00:00:01", 3, 1, 1, 65});
    lstPoints.append({"", "00:00:00:00:00:02", 7, 0, 1, 90});
    stRig.pclCamera->setAccessPoints(lstPoints);

    const QByteArray clFirst = stRig.get(0x5002);
    QCOMPARE(ClRawCameraLink::param(clFirst, 1), 2u);
    for (quint32 ulEntry = 1; ulEntry <= 2; ++ulEntry) {
        const QByteArray clTexts = stRig.upLink->read();
        const QByteArray clNumbers = stRig.upLink->read();
        QCOMPARE(ClRawCameraLink::param(clTexts, 1), ulEntry);
        QCOMPARE(ClRawCameraLink::param(clNumbers, 1), ulEntry);
        const ClVirtualCamera::AccessPoint& stPoint = lstPoints.at(int(ulEntry - 1));
        QCOMPARE(ClRawCameraLink::le32(clTexts, 16), quint32(stPoint.clSsid.size()));
        QCOMPARE(clTexts.mid(20, stPoint.clSsid.size()), stPoint.clSsid);
        QCOMPARE(ClRawCameraLink::param(clNumbers, 2), stPoint.ulChannel);
        QCOMPARE(ClRawCameraLink::param(clNumbers, 3), stPoint.ulEncryption);
        QVERIFY(qAbs(int(ClRawCameraLink::param(clNumbers, 5)) - int(stPoint.ulSignal)) <= 3);
    }
    QVERIFY(stRig.upLink->read().isEmpty());
}

QTEST_GUILESS_MAIN(TestVirtualCamera)
#include "TestVirtualCamera.moc"
