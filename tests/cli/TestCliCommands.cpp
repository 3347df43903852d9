// The command line in process on virtual cameras: listing, reading and writing settings
// by name, choosing a camera, refusing bad values before anything is sent, and keeping
// away from the cameras while the window holds them.
#include "CliRig.h"
#include "session/ClAppCheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>

namespace {
// The camera's switches on the wire.
constexpr quint32 uSwitchOff = 1;
constexpr quint32 uSwitchOn = 2;
}  // namespace

class TestCliCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsEveryCamera();
    void getsSettingsAsTextAndJson();
    void setWritesReadsBackAndRefusesBadValuesWhole();
    void setRefusesSettingTheModelLacks();
    void choosesTheCamera();
    void keepsAwayWhileTheWindowRuns();
    void refusesBadUsage_data();
    void refusesBadUsage();
};

void TestCliCommands::listsEveryCamera()
{
    CliRig clRig;
    clRig.plug(1, "TS0000001");
    clRig.plug(0, "TN0000002");
    const CliRun stText = clRig.run({QStringLiteral("--list")});
    QCOMPARE(stText.lExit, 0);
    const QStringList lstLines = stText.strOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lstLines.size(), 2);

    const CliRun stJson = clRig.run({QStringLiteral("--list"), QStringLiteral("--json")});
    QCOMPARE(stJson.lExit, 0);
    const QJsonArray clCameras = QJsonDocument::fromJson(stJson.strOut.toUtf8()).array();
    QCOMPARE(clCameras.size(), 2);
    QSet<QString> setPositions;
    for (const QJsonValue& clCamera : clCameras) {
        const QJsonObject clObject = clCamera.toObject();
        const QString strSerial = clObject.value(QStringLiteral("serial")).toString();
        const QString strModel = clObject.value(QStringLiteral("model")).toString();
        QCOMPARE(strModel, strSerial == QLatin1String("TS0000001") ? QStringLiteral("Tovu-S") : QStringLiteral("Tovu"));
        QCOMPARE(clObject.value(QStringLiteral("firmware")).toString(),
                 ClVirtualCamera::defaultFirmware(strModel == QLatin1String("Tovu") ? 0 : 1));
        const QString strPosition = clObject.value(QStringLiteral("bus_position")).toString();
        QVERIFY2(strPosition.contains(QLatin1Char('/')), qPrintable(strPosition));
        setPositions.insert(strPosition);
        // The text line names the same camera at the same place.
        QVERIFY(std::any_of(lstLines.cbegin(), lstLines.cend(), [&](const QString& strLine) {
            return strLine.startsWith(strSerial) && strLine.contains(strModel) && strLine.endsWith(strPosition);
        }));
    }
    QCOMPARE(setPositions.size(), 2);

    ClVirtualUsbBus clEmpty;
    QString strOut, strErr;
    QTextStream clOut(&strOut), clErr(&strErr);
    ClCliRunner clRunner(&clEmpty, clOut, clErr);
    QCOMPARE(clRunner.run({QStringLiteral("tovu-settings"), QStringLiteral("--list")}), 1);
}

void TestCliCommands::getsSettingsAsTextAndJson()
{
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(0, "TN0000001");
    pclCamera->setText(ClTovuCommandGetCameraName::usCommandCode, "Porch");
    pclCamera->setText(ClTovuCommandGetStreamAuthorizationPassword::usCommandCode, "hunter22");

    const CliRun stAll = clRig.run({QStringLiteral("--get")});
    QCOMPARE(stAll.lExit, 0);
    QVERIFY(stAll.strOut.contains(QRegularExpression(QStringLiteral("^basic\\.camera_name +Porch$"),
                                                     QRegularExpression::MultilineOption)));
    QVERIFY(stAll.strOut.contains(QRegularExpression(QStringLiteral("^network\\.http_port +\\d+$"),
                                                     QRegularExpression::MultilineOption)));
    // The Tovu lacks the time stamp: listed, never asked.
    QVERIFY(stAll.strOut.contains(QRegularExpression(QStringLiteral("^basic\\.time_stamp +\\(unsupported\\)$"),
                                                     QRegularExpression::MultilineOption)));
    const quint16 usTimeStampGet = ClCommandCatalogue::findByRequest(ClSettingTable::find(QStringLiteral(
                                                                         "basic.time_stamp"))->uuidGet)->usCode;
    for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
        QVERIFY(stRequest.stPacket.usCode != usTimeStampGet);
    QVERIFY(!stAll.strOut.contains(QLatin1String("hunter22")));
    QVERIFY(stAll.strOut.contains(QLatin1String("(secret)")));
    // Every setting of the table is on a line of its own.
    QCOMPARE(stAll.strOut.count(QLatin1Char('\n')), ClSettingTable::all().size());

    const CliRun stJson = clRig.run({QStringLiteral("--get"), QStringLiteral("--json"), QStringLiteral("--show-secrets"),
                                     QStringLiteral("basic.camera_name"), QStringLiteral("stream.live.frame_rate"),
                                     QStringLiteral("basic.stream_password.password"), QStringLiteral("basic.time_stamp")});
    QCOMPARE(stJson.lExit, 0);
    const QJsonObject clRoot = QJsonDocument::fromJson(stJson.strOut.toUtf8()).object();
    const QJsonObject clSettings = clRoot.value(QStringLiteral("settings")).toObject();
    QCOMPARE(clSettings.size(), 3);
    QCOMPARE(clSettings.value(QStringLiteral("basic.camera_name")).toObject().value(QStringLiteral("value")).toString(),
             QStringLiteral("Porch"));
    QCOMPARE(clSettings.value(QStringLiteral("basic.stream_password.password")).toObject().value(QStringLiteral("value")),
             QJsonValue(QStringLiteral("hunter22")));
    const QJsonObject clFrameRate = clSettings.value(QStringLiteral("stream.live.frame_rate")).toObject();
    QVERIFY(clFrameRate.value(QStringLiteral("value")).isDouble());
    QCOMPARE(clFrameRate.value(QStringLiteral("unit")).toString(), QStringLiteral("fps"));
    QCOMPARE(clRoot.value(QStringLiteral("unsupported")).toArray(), QJsonArray {QStringLiteral("basic.time_stamp")});
    QCOMPARE(clRoot.value(QStringLiteral("camera")).toObject().value(QStringLiteral("serial")).toString(),
             QStringLiteral("TN0000001"));
}

void TestCliCommands::setWritesReadsBackAndRefusesBadValuesWhole()
{
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(1, "TS0000001");

    // One bad value stops the good ones too.
    pclCamera->clearRequests();
    const CliRun stBad = clRig.run({QStringLiteral("--set"), QStringLiteral("basic.camera_name=Gate"),
                                    QStringLiteral("stream.recording.frame_rate=31"), QStringLiteral("no.such=1")});
    QCOMPARE(stBad.lExit, 2);
    QVERIFY2(stBad.strErr.contains(QLatin1String("stream.recording.frame_rate")), qPrintable(stBad.strErr));
    QVERIFY(stBad.strErr.contains(QLatin1String("no.such")));
    QCOMPARE(pclCamera->requests().size(), 0);

    // Saving the GPS log shares its command with three other GPS settings, which keep the
    // camera's values.
    const auto arrGpsBefore = pclCamera->numbers(ClTovuCommandGetGpsSetting::usCommandCode);
    QCOMPARE(arrGpsBefore[1], uSwitchOff);
    const CliRun stGood = clRig.run({QStringLiteral("--set"), QStringLiteral("basic.camera_name=Gate"),
                                     QStringLiteral("stream.recording.frame_rate=10"),
                                     QStringLiteral("basic.gps.save_log=on")});
    QVERIFY2(stGood.lExit == 0, qPrintable(stGood.strErr));
    QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("Gate"));
    QCOMPARE(pclCamera->numbers(ClTovuCommandGetRecFramerate::usCommandCode)[0], 10u);
    const auto arrGpsAfter = pclCamera->numbers(ClTovuCommandGetGpsSetting::usCommandCode);
    QCOMPARE(arrGpsAfter[1], uSwitchOn);
    QCOMPARE(arrGpsAfter[0], arrGpsBefore[0]);
    QCOMPARE(arrGpsAfter[2], arrGpsBefore[2]);
    QCOMPARE(arrGpsAfter[3], arrGpsBefore[3]);
    // What was read back is printed.
    QVERIFY(stGood.strOut.contains(QRegularExpression(QStringLiteral("^stream\\.recording\\.frame_rate +10 fps$"),
                                                      QRegularExpression::MultilineOption)));

    // A value the camera refuses does not stick: exit 1 and why.
    pclCamera->setSecureMode(1);
    const CliRun stRefused = clRig.run({QStringLiteral("--set"), QStringLiteral("basic.camera_name=Shed")});
    QCOMPARE(stRefused.lExit, 1);
    QVERIFY2(stRefused.strErr.contains(QLatin1String("basic.camera_name")), qPrintable(stRefused.strErr));
    QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("Gate"));
}

void TestCliCommands::setRefusesSettingTheModelLacks()
{
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(0, "TN0000001");
    const CliRun stRun = clRig.run(
        {QStringLiteral("--set"), QStringLiteral("basic.camera_name=Gate"), QStringLiteral("basic.key_lock=on")});
    QCOMPARE(stRun.lExit, 1);
    QVERIFY2(stRun.strErr.contains(QLatin1String("basic.key_lock")), qPrintable(stRun.strErr));
    QCOMPARE(CliRig::setCount(*pclCamera), 0);
}

void TestCliCommands::choosesTheCamera()
{
    CliRig clRig;
    ClVirtualCamera* pclFirst = clRig.plug(1, "TS0000001");
    ClVirtualCamera* pclSecond = clRig.plug(1, "TS0000002");

    const CliRun stNone = clRig.run({QStringLiteral("--get"), QStringLiteral("basic.camera_name")});
    QCOMPARE(stNone.lExit, 2);
    QVERIFY(stNone.strErr.contains(QLatin1String("TS0000001")));
    QVERIFY(stNone.strErr.contains(QLatin1String("TS0000002")));
    QVERIFY(stNone.strOut.isEmpty());

    const CliRun stUnknown = clRig.run({QStringLiteral("--get"), QStringLiteral("--camera"), QStringLiteral("TS0000009")});
    QCOMPARE(stUnknown.lExit, 1);
    QVERIFY(stUnknown.strErr.contains(QLatin1String("TS0000009")));

    const CliRun stChosen = clRig.run({QStringLiteral("--set"), QStringLiteral("--camera"), QStringLiteral("TS0000002"),
                                       QStringLiteral("basic.camera_name=Second")});
    QCOMPARE(stChosen.lExit, 0);
    QCOMPARE(pclSecond->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("Second"));
    QVERIFY(pclFirst->text(ClTovuCommandGetCameraName::usCommandCode) != QByteArray("Second"));
}

void TestCliCommands::keepsAwayWhileTheWindowRuns()
{
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(0, "TN0000001");
    pclCamera->clearRequests();
    ClAppCheck clWindow(QStringLiteral("Tovu Setting Tool"));
    QCOMPARE(clWindow.checkInstance(ClCliRunner::lockKey()), qint32(ClAppCheck::lOwned));
    const CliRun stRun = clRig.run({QStringLiteral("--set"), QStringLiteral("basic.camera_name=Gate")});
    QCOMPARE(stRun.lExit, 1);
    QVERIFY2(stRun.strErr.contains(QLatin1String("Tovu Setting Tool")), qPrintable(stRun.strErr));
    QCOMPARE(pclCamera->requests().size(), 0);
}

void TestCliCommands::refusesBadUsage_data()
{
    QTest::addColumn<QStringList>("lstArguments");
    QTest::newRow("no command") << QStringList {QStringLiteral("--json")};
    QTest::newRow("two commands") << QStringList {QStringLiteral("--list"), QStringLiteral("--get")};
    QTest::newRow("unknown option") << QStringList {QStringLiteral("--get"), QStringLiteral("--bogus")};
    QTest::newRow("unknown setting") << QStringList {QStringLiteral("--get"), QStringLiteral("basic.nothing")};
    QTest::newRow("set without value") << QStringList {QStringLiteral("--set")};
    QTest::newRow("not an assignment") << QStringList {QStringLiteral("--set"), QStringLiteral("basic.time_stamp")};
    QTest::newRow("twice") << QStringList {QStringLiteral("--set"), QStringLiteral("basic.time_stamp=on"),
                                           QStringLiteral("basic.time_stamp=off")};
    QTest::newRow("all without apply") << QStringList {QStringLiteral("--get"), QStringLiteral("--all")};
    QTest::newRow("dry run without apply") << QStringList {QStringLiteral("--list"), QStringLiteral("--dry-run")};
    QTest::newRow("json with set") << QStringList {QStringLiteral("--set"), QStringLiteral("--json"),
                                                   QStringLiteral("basic.time_stamp=on")};
    QTest::newRow("bad model") << QStringList {QStringLiteral("--list"), QStringLiteral("--virtual-camera=tovu-x")};
    QTest::newRow("no count") << QStringList {QStringLiteral("--list"), QStringLiteral("--virtual-cameras"),
                                              QStringLiteral("0")};
    QTest::newRow("missing profile") << QStringList {QStringLiteral("--apply-profile"),
                                                     QStringLiteral("/nonexistent/profile.json")};
}

void TestCliCommands::refusesBadUsage()
{
    QFETCH(QStringList, lstArguments);
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(0, "TN0000001");
    pclCamera->clearRequests();
    const CliRun stRun = clRig.run(lstArguments);
    QCOMPARE(stRun.lExit, 2);
    QVERIFY(!stRun.strErr.isEmpty());
    QVERIFY(stRun.strOut.isEmpty());
    QCOMPARE(pclCamera->requests().size(), 0);
}

QTEST_GUILESS_MAIN(TestCliCommands)
#include "TestCliCommands.moc"
