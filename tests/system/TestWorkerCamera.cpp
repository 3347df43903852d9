// The emulated camera as the tool sees it through the real worker: what a Set wrote the next
// Get reads, the camera's refusals arrive as result codes (by model and firmware, out of
// range, in security mode, while recording), the live picture follows the rotation, quality
// and size settings, and a firmware update makes the camera restart and come back
// announced with its new version.
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ScheduleSettings.h"
#include "tests/support/ClWorkerRig.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualCameraPicture.h"
#include "virtualcamera/ClVirtualFirmwareImage.h"

#include <QImage>
#include <QtTest>

namespace {
PV_CMD args(const QVariantList& lstValues)
{
    return ClWorkerRig::args(lstValues);
}

quint16 resultOf(const PV_CMD& clAnswer)
{
    return ClWorkerRig::resultOf(clAnswer);
}

QVariant valueOf(const PV_CMD& clAnswer)
{
    return clAnswer.value(QStringLiteral("PARAM2"));
}

bool nearColour(const QColor& clA, const QColor& clB)
{
    return qAbs(clA.red() - clB.red()) < 40 && qAbs(clA.green() - clB.green()) < 40
        && qAbs(clA.blue() - clB.blue()) < 40;
}
}  // namespace

class TestWorkerCamera : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void setThenGet_data();
    void setThenGet();
    void scheduleWrittenThenRead();
    void refusals_data();
    void refusals();
    void maintenanceLetsChangesThrough();
    void livePictureFollowsSettings();
    void firmwareUpdateAnnouncedAgain();
};

void TestWorkerCamera::initTestCase()
{
    PvCmd::registerMetaTypes();
}

void TestWorkerCamera::setThenGet_data()
{
    QTest::addColumn<int>("lModel");
    QTest::addColumn<QByteArray>("clSet");
    QTest::addColumn<QVariantList>("lstValues");
    QTest::addColumn<QByteArray>("clGet");
    QTest::addColumn<QVariantList>("lstRead");

    auto addRow = [](const char* pszName, int lModel, const char* pszSet, const QVariantList& lstValues,
                     const char* pszGet, const QVariantList& lstRead) {
        QTest::newRow(pszName) << lModel << QByteArray(pszSet) << lstValues << QByteArray(pszGet) << lstRead;
    };
    // Values whose encoding differs on the two sides of the wire, and one of each layout.
    const QDateTime dtMade(QDate(2015, 6, 7), QTime(8, 9, 10));
    addRow("time zone", 0, "ClTovuCommandSetTimezone", {13}, "ClTovuCommandGetTimezone", {13u});
    addRow("password", 0, "ClTovuCommandSetStreamAuthorizationPassword", {QStringLiteral("pa$$w0rd")},
           "ClTovuCommandGetStreamAuthorizationPassword", {QStringLiteral("pa$$w0rd")});
    addRow("address", 0, "ClTovuCommandSetInfraAddress", {QStringLiteral("10.0.0.7")}, "ClTovuCommandGetInfraAddress",
           {QStringLiteral("10.0.0.7")});
    addRow("recording size", 1, "ClTovuCommandSetRecImagesize", {QSize(320, 240)}, "ClTovuCommandGetRecImagesize",
           {QSize(320, 240)});
    addRow("GPS", 0, "ClTovuCommandSetGpsSetting", {true, true, false, 2}, "ClTovuCommandGetGpsSetting",
           {true, true, false, 2u});
    addRow("interval timer", 0, "ClTovuCommandSetIntervalTimer", {true, 3725, 1}, "ClTovuCommandGetIntervalTimer",
           {true, 3725u, 1u});
    addRow("country", 0, "ClTovuCommandSetCountry", {QStringLiteral("US")}, "ClTovuCommandGetCountry",
           {QStringLiteral("US")});
    addRow("date of manufacture", 0, "ClTovuCommandSetCreateDay", {dtMade}, "ClTovuCommandGetCreateDay", {dtMade});
    addRow("name of 8", 0, "ClTovuCommandSetCameraName", {QStringLiteral("a-b.c_d~")}, "ClTovuCommandGetCameraName",
           {QStringLiteral("a-b.c_d~")});
    addRow("text in UTF-8", 0, "ClTovuCommandSetDdnsAddr", {QStringLiteral("cam\u00e9ra.example")},
           "ClTovuCommandGetDdnsAddr", {QStringLiteral("cam\u00e9ra.example")});
    addRow("key cleared", 0, "ClTovuCommandSetInfraKey", {QString()}, "ClTovuCommandGetInfraKey", {QString()});
    addRow("day times", 2, "ClTovuCommandSetScheDayTime", {5, 9, true, QTime(8, 0), QTime(17, 30)},
           "ClTovuCommandGetScheDayTime", {5, 9, true, QTime(8, 0), QTime(17, 30)});
}

void TestWorkerCamera::setThenGet()
{
    QFETCH(int, lModel);
    QFETCH(QByteArray, clSet);
    QFETCH(QVariantList, lstValues);
    QFETCH(QByteArray, clGet);
    QFETCH(QVariantList, lstRead);

    ClWorkerRig clRig;
    void* pHandle = clRig.plug(new ClVirtualCamera(lModel));
    QVERIFY(pHandle);
    const PV_CMD clSetAnswer = clRig.request(pHandle, clSet.constData(), args(lstValues));
    QCOMPARE(ClWorkerRig::kindOf(clSetAnswer), ClCommandKinds::result());
    QCOMPARE(resultOf(clSetAnswer), 0);
    // The day times are read by their day, the first value written; other gets ignore it.
    const PV_CMD clAnswer = clRig.request(pHandle, clGet.constData(), args({lstValues.first()}));
    QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandCatalogue::replyKindOf(clGet.constData()));
    for (int i = 0; i < lstRead.size(); ++i)
        QCOMPARE(clAnswer.value(QStringLiteral("PARAM%1").arg(i + 2)), lstRead.at(i));
}

void TestWorkerCamera::scheduleWrittenThenRead()
{
    ClWorkerRig clRig;
    void* pHandle = clRig.plug(new ClVirtualCamera(1));
    QVERIFY(pHandle);
    // As the schedule page applies: the eight rows, then the list read back.
    ScheduleSettings mapWritten;
    for (int lDay = 1; lDay <= 8; ++lDay) {
        mapWritten.insert(lDay, {lDay % 2 == 0, QTime(lDay, 10), QTime((lDay + 20) % 24, 0)});
        const stScheduleEntry& stEntry = mapWritten[lDay];
        const PV_CMD clRow = args({lDay, stEntry.bOn, stEntry.tmStart, stEntry.tmEnd});
        QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetScheSetting", clRow)), 0);
    }
    QCOMPARE(valueOf(clRig.request(pHandle, "ClTovuCommandGetScheSetting")).value<ScheduleSettings>(), mapWritten);
}

void TestWorkerCamera::refusals_data()
{
    QTest::addColumn<int>("lModel");
    QTest::addColumn<QString>("strFirmware");
    QTest::addColumn<bool>("bSecurity");
    QTest::addColumn<bool>("bRecording");
    QTest::addColumn<QByteArray>("clClass");
    QTest::addColumn<QVariantList>("lstValues");
    QTest::addColumn<int>("lStatus");

    auto addRow = [](const char* pszName, int lModel, const char* pszFirmware, bool bSecurity, bool bRecording,
                     const char* pszClass, const QVariantList& lstValues, int lStatus) {
        QTest::newRow(pszName) << lModel << QString::fromLatin1(pszFirmware) << bSecurity << bRecording
                               << QByteArray(pszClass) << lstValues << lStatus;
    };
    // Not for this model, nor for this firmware: "Command error, version up".
    addRow("no modes on the Tovu", 0, "", false, false, "ClTovuCommandGetSecureCurr", {}, 0xFFFC);
    addRow("no interval timer on the Tovu-S", 1, "", false, false, "ClTovuCommandGetIntervalTimer", {}, 0xFFFC);
    addRow("no ad hoc on the third model", 2, "", false, false, "ClTovuCommandGetAdhocAddress", {}, 0xFFFC);
    addRow("rotation before 01.03.025", 0, "01.03.024", false, false, "ClTovuCommandSetRotate180", {2}, 0xFFFC);
    addRow("rotation from 01.03.025", 0, "01.03.025", false, false, "ClTovuCommandSetRotate180", {2}, 0);
    // Out of range: "Parameter setting failed".
    addRow("time zone 25", 0, "", false, false, "ClTovuCommandSetTimezone", {25}, 0xFFFB);
    addRow("HTTP port 81", 0, "", false, false, "ClTovuCommandSetHttpPort", {81}, 0xFFFB);
    addRow("picture quality 5", 0, "", false, false, "ClTovuCommandSetImageQuarity", {5}, 0xFFFB);
    addRow("auto power off 59 s", 0, "", false, false, "ClTovuCommandSetAutoPoweroffSetting", {59}, 0xFFFB);
    addRow("320x240 recording on the Tovu", 0, "", false, false, "ClTovuCommandSetRecImagesize", {QSize(320, 240)},
           0xFFFB);
    addRow("mask with a gap", 0, "", false, false, "ClTovuCommandSetInfraSubnetmask", {QStringLiteral("255.0.255.0")},
           0xFFFB);
    addRow("country in lower case", 0, "", false, false, "ClTovuCommandSetCountry", {QStringLiteral("us")}, 0xFFFB);
    addRow("name of 9", 0, "", false, false, "ClTovuCommandSetCameraName", {QStringLiteral("abcdefghi")}, 0xFFFB);
    addRow("name with a space", 0, "", false, false, "ClTovuCommandSetCameraName", {QStringLiteral("a b")}, 0xFFFB);
    addRow("SSID of 33", 0, "", false, false, "ClTovuCommandSetInfraSsid", {QString(33, 's')}, 0xFFFB);
    // In security mode the Tovu-S reads but does not change.
    addRow("security: reading", 1, "", true, false, "ClTovuCommandGetTimezone", {}, 0);
    addRow("security: a setting", 1, "", true, false, "ClTovuCommandSetTimezone", {3}, 0xFFFC);
    addRow("security: a text", 1, "", true, false, "ClTovuCommandSetCameraName", {QStringLiteral("cam")}, 0xFFFC);
    addRow("security: an operation", 1, "", true, false, "ClTovuCommandFormatSd", {}, 0xFFFC);
    addRow("security: recording", 1, "", true, true, "ClTovuCommandCtrlRec", {false}, 0xFFFC);
    addRow("security: an update", 1, "", true, false, "ClTovuCommandExecFwUpdat", {false}, 0xFFFC);
    // While recording, what the recording uses stays.
    addRow("recording: its size", 1, "", false, true, "ClTovuCommandSetRecImagesize", {QSize(640, 480)}, 0xFFFA);
    addRow("recording: its bit rate", 1, "", false, true, "ClTovuCommandSetRecBitRate", {800000}, 0xFFFA);
    addRow("recording: a format", 1, "", false, true, "ClTovuCommandFormatSd", {}, 0xFFFA);
    addRow("recording: other settings", 1, "", false, true, "ClTovuCommandSetTimezone", {5}, 0);
}

void TestWorkerCamera::refusals()
{
    QFETCH(int, lModel);
    QFETCH(QString, strFirmware);
    QFETCH(bool, bSecurity);
    QFETCH(bool, bRecording);
    QFETCH(QByteArray, clClass);
    QFETCH(QVariantList, lstValues);
    QFETCH(int, lStatus);

    auto* pclCamera = new ClVirtualCamera(lModel, strFirmware, bSecurity ? 1 : 2);
    pclCamera->setRecording(bRecording);
    ClWorkerRig clRig;
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    // A refused setting keeps its value.
    const QByteArray clGet = QByteArray(clClass).replace("ClTovuCommandSet", "ClTovuCommandGet");
    const auto& lstEntries = ClCommandCatalogue::entries();
    const bool bReadBack = lStatus != 0 && clGet != clClass
        && std::any_of(lstEntries.cbegin(), lstEntries.cend(),
                       [&](const ClCommandEntry& stEntry) { return clGet == stEntry.pszClassName; });
    const PV_CMD clBefore = bReadBack ? clRig.request(pHandle, clGet.constData()) : PV_CMD();

    const PV_CMD clAnswer = clRig.request(pHandle, clClass.constData(), args(lstValues));
    const QUuid uuidReply = ClCommandCatalogue::replyKindOf(clClass.constData());
    if (lStatus == 0 && !uuidReply.isNull()) {
        QCOMPARE(ClWorkerRig::kindOf(clAnswer), uuidReply);
    } else {
        QCOMPARE(ClWorkerRig::kindOf(clAnswer), ClCommandKinds::result());
        QCOMPARE(resultOf(clAnswer), lStatus);
    }
    if (bReadBack && ClWorkerRig::kindOf(clBefore) == ClCommandCatalogue::replyKindOf(clGet.constData()))
        QCOMPARE(valueOf(clRig.request(pHandle, clGet.constData())), valueOf(clBefore));
    QCOMPARE(pclCamera->isRecording(), bRecording);
}

void TestWorkerCamera::maintenanceLetsChangesThrough()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(1, QString(), 1);
    pclCamera->setRecording(true);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    QCOMPARE(valueOf(clRig.request(pHandle, "ClTovuCommandGetSecureCurr")), QVariant(1u));

    // Maintenance stops the recording and lets changes through.
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecSecureCurr", args({2}))), 0);
    QCOMPARE(valueOf(clRig.request(pHandle, "ClTovuCommandGetRecState")), QVariant(1u));
    QCOMPARE(valueOf(clRig.request(pHandle, "ClTovuCommandGetSecureCurr")), QVariant(2u));
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetTimezone", args({3}))), 0);

    // And back to security.
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecSecureCurr", args({1}))), 0);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetTimezone", args({4}))), 0xFFFC);
    QCOMPARE(valueOf(clRig.request(pHandle, "ClTovuCommandGetTimezone")), QVariant(3u));
}

void TestWorkerCamera::livePictureFollowsSettings()
{
    ClWorkerRig clRig;
    void* pHandle = clRig.plug(new ClVirtualCamera(0));
    QVERIFY(pHandle);
    auto picture = [&] { return valueOf(clRig.request(pHandle, "ClTovuCommandReqJpeg")).value<QImage>(); };
    auto set = [&](const char* pszClass, const QVariant& clValue) {
        return resultOf(clRig.request(pHandle, pszClass, args({clValue})));
    };
    QImage clImage = picture();
    QCOMPARE(clImage.size(), QSize(800, 480));
    QVERIFY(nearColour(clImage.pixelColor(8, 8), ClVirtualCameraPicture::clMarker));

    // Rotated by 180 degrees: the marker moves to the opposite corner.
    QCOMPARE(set("ClTovuCommandSetRotate180", 2), 0);
    clImage = picture();
    QVERIFY(nearColour(clImage.pixelColor(791, 471), ClVirtualCameraPicture::clMarker));
    QVERIFY(!nearColour(clImage.pixelColor(8, 8), ClVirtualCameraPicture::clMarker));
    QCOMPARE(set("ClTovuCommandSetRotate180", 1), 0);

    // The quality bars under the frame's right end: none filled at 0, four at 4.
    const QPoint clFirstBar(int(800 * 0.84 + 800 * 0.025 / 2), int(480 * 0.915));
    QCOMPARE(set("ClTovuCommandSetImageQuarity", 0), 0);
    QVERIFY(picture().pixelColor(clFirstBar).lightness() > 150);
    QCOMPARE(set("ClTovuCommandSetImageQuarity", 4), 0);
    QVERIFY(picture().pixelColor(clFirstBar).lightness() < 100);

    // The live-view size is the frame's size.
    QCOMPARE(set("ClTovuCommandSetLiveImagesize", QSize(320, 240)), 0);
    QCOMPARE(picture().size(), QSize(320, 240));
}

void TestWorkerCamera::firmwareUpdateAnnouncedAgain()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(1);
    pclCamera->setRestartDelay(30);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetTimezone", args({7}))), 0);

    // As the update controller sends it: each file (the image's head may be in any of
    // them), then the start with false.
    const QByteArray clImage
        = ClVirtualFirmwareImage::make(QStringLiteral("01.00.012"), QStringLiteral("Tovu-S"), 4 * 1024 * 1024);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecFwUpdateData", args({QByteArray(1000, 'z')}))), 0);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecFwUpdateData", args({clImage}))), 0);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecFwUpdat", args({false}))), 0);

    // Gone once, back as a Tovu-S with the new version and its settings kept.
    void* pBack = clRig.waitForAnnouncement();
    QVERIFY(pBack);
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 1);
    QCOMPARE(clRig.count(ClCommandKinds::cameraConnected()), 2);
    QCOMPARE(valueOf(clRig.request(pBack, "ClTovuCommandGetMachineName")), QVariant(QStringLiteral("Tovu-S")));
    QCOMPARE(valueOf(clRig.request(pBack, "ClTovuCommandGetFwVersion")), QVariant(QStringLiteral("01.00.012")));
    QCOMPARE(valueOf(clRig.request(pBack, "ClTovuCommandGetTimezone")), QVariant(7u));
    // The old handle is gone.
    const PV_CMD clStale = clRig.request(pHandle, "ClTovuCommandGetTimezone");
    QCOMPARE(ClWorkerRig::kindOf(clStale), ClCommandKinds::transportError());
    QCOMPARE(resultOf(clStale), 0xEF00);
}

QTEST_GUILESS_MAIN(TestWorkerCamera)
#include "TestWorkerCamera.moc"
