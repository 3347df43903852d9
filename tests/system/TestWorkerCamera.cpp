// The emulated camera as the tool sees it through the real worker: what a Set wrote the next
// Get reads, the camera's refusals arrive as result codes, the live picture follows the
// rotation and quality settings, and a firmware update makes the camera restart and come
// back announced with its new version.
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClUsbManager.h"
#include "ClVirtualCamera.h"
#include "ClVirtualCameraPicture.h"
#include "ClVirtualFirmwareImage.h"
#include "ClVirtualUsbBus.h"
#include "ClWorkerRig.h"
#include "ScheduleSettings.h"

#include <QImage>
#include <QtTest>

namespace {
PV_CMD args(std::initializer_list<QVariant> lstValues)
{
    return ClWorkerRig::args(lstValues);
}

quint16 resultOf(const PV_CMD& clAnswer)
{
    return clAnswer.value(QStringLiteral("PARAM3")).value<quint16>();
}

bool isResult(const PV_CMD& clAnswer)
{
    return clAnswer.value(QStringLiteral("CMD")).toUuid() == ClCommandKinds::result();
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
    void refusalsArriveAsResults();
    void maintenanceStopsRecording();
    void livePictureFollowsSettings();
    void firmwareUpdateAnnouncedAgain();
    void restartAnnouncedAgain();
};

void TestWorkerCamera::initTestCase()
{
    PvCmd::registerMetaTypes();
}

void TestWorkerCamera::setThenGet_data()
{
    QTest::addColumn<int>("lModel");
    QTest::addColumn<QByteArray>("clSet");
    QTest::addColumn<PV_CMD>("clArgs");
    QTest::addColumn<QByteArray>("clGet");
    QTest::addColumn<QVariantList>("lstValues");

    // Values whose encoding differs on the two sides of the wire.
    QTest::newRow("password") << 0 << QByteArray("ClTovuCommandSetStreamAuthorizationPassword")
                              << args({QStringLiteral("pa$$w0rd")})
                              << QByteArray("ClTovuCommandGetStreamAuthorizationPassword")
                              << QVariantList{QStringLiteral("pa$$w0rd")};
    QTest::newRow("infrastructure address") << 0 << QByteArray("ClTovuCommandSetInfraAddress")
                                            << args({QStringLiteral("10.0.0.7")})
                                            << QByteArray("ClTovuCommandGetInfraAddress")
                                            << QVariantList{QStringLiteral("10.0.0.7")};
    QTest::newRow("recording size") << 1 << QByteArray("ClTovuCommandSetRecImagesize") << args({QSize(320, 240)})
                                    << QByteArray("ClTovuCommandGetRecImagesize") << QVariantList{QSize(320, 240)};
    QTest::newRow("GPS") << 0 << QByteArray("ClTovuCommandSetGpsSetting") << args({true, true, false, 2})
                         << QByteArray("ClTovuCommandGetGpsSetting") << QVariantList{true, true, false, 2u};
    QTest::newRow("country") << 0 << QByteArray("ClTovuCommandSetCountry") << args({QStringLiteral("US")})
                             << QByteArray("ClTovuCommandGetCountry") << QVariantList{QStringLiteral("US")};
    QTest::newRow("date of manufacture") << 0 << QByteArray("ClTovuCommandSetCreateDay")
                                         << args({QDateTime(QDate(2015, 6, 7), QTime(8, 9, 10))})
                                         << QByteArray("ClTovuCommandGetCreateDay")
                                         << QVariantList{QDateTime(QDate(2015, 6, 7), QTime(8, 9, 10))};
}

void TestWorkerCamera::setThenGet()
{
    QFETCH(int, lModel);
    QFETCH(QByteArray, clSet);
    QFETCH(PV_CMD, clArgs);
    QFETCH(QByteArray, clGet);
    QFETCH(QVariantList, lstValues);

    ClWorkerRig clRig;
    void* pHandle = clRig.plug(new ClVirtualCamera(lModel));
    QVERIFY(pHandle);
    const PV_CMD clSetAnswer = clRig.request(pHandle, clSet.constData(), clArgs);
    QVERIFY(isResult(clSetAnswer));
    QCOMPARE(resultOf(clSetAnswer), 0);
    const PV_CMD clAnswer = clRig.request(pHandle, clGet.constData());
    QCOMPARE(clAnswer.value(QStringLiteral("CMD")).toUuid(), ClCommandCatalogue::replyKind(clGet.constData()));
    for (int i = 0; i < lstValues.size(); ++i)
        QCOMPARE(clAnswer.value(QStringLiteral("PARAM%1").arg(i + 2)), lstValues.at(i));
}

void TestWorkerCamera::scheduleWrittenThenRead()
{
    ClWorkerRig clRig;
    void* pHandle = clRig.plug(new ClVirtualCamera(1));
    QVERIFY(pHandle);
    // As the schedule page applies: the switch, then the eight rows.
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetScheOnOff", args({true}))), 0);
    for (int lDay = 1; lDay <= 8; ++lDay) {
        const PV_CMD clRow = args({lDay, lDay % 2 == 0, QTime(lDay, 10), QTime((lDay + 20) % 24, 0)});
        QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetScheSetting", clRow)), 0);
    }
    QCOMPARE(clRig.request(pHandle, "ClTovuCommandGetScheOnOff").value(QStringLiteral("PARAM2")), QVariant(true));
    const auto mapEntries =
        clRig.request(pHandle, "ClTovuCommandGetScheSetting").value(QStringLiteral("PARAM2")).value<ScheduleSettings>();
    QCOMPARE(mapEntries.size(), 8);
    for (int lDay = 1; lDay <= 8; ++lDay) {
        QCOMPARE(mapEntries.value(lDay).bOn, lDay % 2 == 0);
        QCOMPARE(mapEntries.value(lDay).tmStart, QTime(lDay, 10));
        QCOMPARE(mapEntries.value(lDay).tmEnd, QTime((lDay + 20) % 24, 0));
    }
}

void TestWorkerCamera::refusalsArriveAsResults()
{
    ClWorkerRig clRig;
    auto* pclTovu = new ClVirtualCamera(0, QStringLiteral("01.03.024"));
    void* pTovu = clRig.plug(pclTovu);
    auto* pclSecure = new ClVirtualCamera(1, QString(), 1);
    void* pSecure = clRig.plug(pclSecure);
    QVERIFY(pTovu && pSecure);

    // Not for this model, nor for this firmware: "Command error, version up".
    PV_CMD clAnswer = clRig.request(pTovu, "ClTovuCommandGetSecureCurr");
    QVERIFY(isResult(clAnswer));
    QCOMPARE(resultOf(clAnswer), 0xFFFC);
    QCOMPARE(resultOf(clRig.request(pTovu, "ClTovuCommandSetRotate180", args({2}))), 0xFFFC);
    pclTovu->setFirmwareVersion(QStringLiteral("01.03.025"));
    QCOMPARE(resultOf(clRig.request(pTovu, "ClTovuCommandSetRotate180", args({2}))), 0);

    // Out of range: "Parameter setting failed".
    QCOMPARE(resultOf(clRig.request(pTovu, "ClTovuCommandSetRecImagesize", args({QSize(320, 240)}))), 0xFFFB);

    // While recording, the recording size stays.
    QCOMPARE(resultOf(clRig.request(pTovu, "ClTovuCommandCtrlRec", args({true}))), 0);
    QCOMPARE(resultOf(clRig.request(pTovu, "ClTovuCommandSetRecImagesize", args({QSize(640, 480)}))), 0xFFFA);
    QCOMPARE(clRig.request(pTovu, "ClTovuCommandGetRecState").value(QStringLiteral("PARAM2")), QVariant(2u));

    // In security mode the Tovu-S reads but does not change.
    QCOMPARE(clRig.request(pSecure, "ClTovuCommandGetSecureCurr").value(QStringLiteral("PARAM2")), QVariant(1u));
    QCOMPARE(resultOf(clRig.request(pSecure, "ClTovuCommandSetTimezone", args({3}))), 0xFFFC);
    QVERIFY(!clRig.request(pSecure, "ClTovuCommandGetTimezone").value(QStringLiteral("PARAM2")).isNull());
}

void TestWorkerCamera::maintenanceStopsRecording()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(1, QString(), 1);
    pclCamera->setRecording(true);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    QCOMPARE(clRig.request(pHandle, "ClTovuCommandGetRecState").value(QStringLiteral("PARAM2")), QVariant(2u));
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecSecureCurr", args({2}))), 0);
    QCOMPARE(clRig.request(pHandle, "ClTovuCommandGetRecState").value(QStringLiteral("PARAM2")), QVariant(1u));
    QCOMPARE(clRig.request(pHandle, "ClTovuCommandGetSecureCurr").value(QStringLiteral("PARAM2")), QVariant(2u));
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetTimezone", args({3}))), 0);
}

void TestWorkerCamera::livePictureFollowsSettings()
{
    ClWorkerRig clRig;
    void* pHandle = clRig.plug(new ClVirtualCamera(0));
    QVERIFY(pHandle);
    auto picture = [&] {
        return clRig.request(pHandle, "ClTovuCommandReqJpeg").value(QStringLiteral("PARAM2")).value<QImage>();
    };
    QImage clImage = picture();
    QCOMPARE(clImage.size(), QSize(800, 480));
    QVERIFY(nearColour(clImage.pixelColor(8, 8), ClVirtualCameraPicture::clMarker));

    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetRotate180", args({2}))), 0);
    clImage = picture();
    QVERIFY(nearColour(clImage.pixelColor(791, 471), ClVirtualCameraPicture::clMarker));
    QVERIFY(!nearColour(clImage.pixelColor(8, 8), ClVirtualCameraPicture::clMarker));
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetRotate180", args({1}))), 0);

    // The quality bars under the frame's right end: none filled at 0, four at 4.
    const QPoint clFirstBar(int(800 * 0.84 + 800 * 0.025 / 2), int(480 * 0.915));
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetImageQuarity", args({0}))), 0);
    QVERIFY(picture().pixelColor(clFirstBar).lightness() > 150);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetImageQuarity", args({4}))), 0);
    QVERIFY(picture().pixelColor(clFirstBar).lightness() < 100);
}

void TestWorkerCamera::firmwareUpdateAnnouncedAgain()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(1);
    pclCamera->setRestartDelay(30);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    QCOMPARE(clRig.request(pHandle, "ClTovuCommandGetFwVersion").value(QStringLiteral("PARAM2")).toString(),
             QStringLiteral("01.00.011"));

    // As the update controller sends it: each file, then the start with false.
    const QByteArray clImage = ClVirtualFirmwareImage::make(QStringLiteral("01.00.012"), QStringLiteral("Tovu-S"),
                                                            4 * 1024 * 1024);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecFwUpdateData", args({clImage}))), 0);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecFwUpdateData", args({QByteArray(1000, 'z')}))), 0);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandExecFwUpdat", args({false}))), 0);

    void* pBack = clRig.waitForAnnouncement();
    QVERIFY(pBack);
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 1);
    QCOMPARE(clRig.envelopes().last().value(QStringLiteral("CMD")).toUuid(), ClCommandKinds::result());
    PV_CMD clConnected;
    for (const PV_CMD& clEnvelope : clRig.envelopes()) {
        if (clEnvelope.value(QStringLiteral("CMD")).toUuid() == ClCommandKinds::cameraConnected())
            clConnected = clEnvelope;
    }
    QCOMPARE(clConnected.value(QStringLiteral("PARAM2")).toInt(), 1);
    QCOMPARE(clRig.request(pBack, "ClTovuCommandGetFwVersion").value(QStringLiteral("PARAM2")).toString(),
             QStringLiteral("01.00.012"));
}

void TestWorkerCamera::restartAnnouncedAgain()
{
    ClWorkerRig clRig;
    auto* pclCamera = new ClVirtualCamera(0);
    pclCamera->setRestartDelay(30);
    void* pHandle = clRig.plug(pclCamera);
    QVERIFY(pHandle);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandSetTimezone", args({7}))), 0);
    QCOMPARE(resultOf(clRig.request(pHandle, "ClTovuCommandRestart")), 0);
    void* pBack = clRig.waitForAnnouncement();
    QVERIFY(pBack);
    QCOMPARE(clRig.count(ClCommandKinds::cameraRemoved()), 1);
    // The old handle is gone; the settings stayed in the camera.
    const PV_CMD clStale = clRig.request(pHandle, "ClTovuCommandGetTimezone");
    QCOMPARE(clStale.value(QStringLiteral("CMD")).toUuid(), ClCommandKinds::transportError());
    QCOMPARE(resultOf(clStale), 0xEF00);
    QCOMPARE(clRig.request(pBack, "ClTovuCommandGetTimezone").value(QStringLiteral("PARAM2")), QVariant(7u));
}

QTEST_GUILESS_MAIN(TestWorkerCamera)
#include "TestWorkerCamera.moc"
