// The command line in process on virtual cameras: listing, reading and writing settings
// by name, choosing a camera, refusing bad values before anything is sent, keeping away
// from the cameras while the window holds them; and profiles on three cameras at once:
// one camera's setup saved and put on all three, a preview that writes nothing, profiles
// refused before anything is sent, and a camera pulled out halfway. Each run gets its own
// USB worker on the bus, as each start of tovu-settings does, and its output as text.
#include "cli/ClCliRunner.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClTovuCommands.h"
#include "protocol/SupportedCommands.h"
#include "session/ClAppCheck.h"
#include "settings/ClSettingTable.h"
#include "settings/ClSettingsProfile.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <algorithm>
#include <functional>

struct CliRun
{
    int lExit = -1;
    QString strOut;
    QString strErr;
};

class CliRig
{
public:
    CliRig()
    {
        clBus.setImmediateTimeouts(true);
        // Every run opens and announces each camera again; the worker's notes on it hide
        // the failures.
        QLoggingCategory::setFilterRules(QStringLiteral("tovu.*.info=false"));
    }

    ClVirtualCamera* plug(int lModel, const QByteArray& baSerial)
    {
        auto* pclCamera = new ClVirtualCamera(lModel);
        pclCamera->setText(ClTovuCommandGetSerialNo::usCommandCode, baSerial);
        clBus.plug(pclCamera);
        return pclCamera;
    }

    // fnSetUp may connect to the runner's signals before it starts.
    CliRun run(const QStringList& lstArguments, const std::function<void(ClCliRunner&)>& fnSetUp = {})
    {
        CliRun stRun;
        QTextStream clOut(&stRun.strOut);
        QTextStream clErr(&stRun.strErr);
        ClCliRunner clRunner(&clBus, clOut, clErr);
        if (fnSetUp)
            fnSetUp(clRunner);
        stRun.lExit = clRunner.run(QStringList {QStringLiteral("tovu-settings")} + lstArguments);
        clOut.flush();
        clErr.flush();
        return stRun;
    }

    // How many Set commands of the table's settings the camera was sent; with lstOnly, of
    // those settings only.
    static int setCount(const ClVirtualCamera& clCamera, const QStringList& lstOnly = {})
    {
        QSet<quint16> setCodes;
        for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
            if (lstOnly.isEmpty() || lstOnly.contains(stSetting.strName))
                setCodes.insert(ClCommandCatalogue::findByRequest(stSetting.uuidSet)->usCode);
        }
        int lCount = 0;
        for (const ClVirtualCamera::Request& stRequest : clCamera.requests()) {
            if (setCodes.contains(stRequest.stPacket.usCode))
                ++lCount;
        }
        return lCount;
    }

    ClVirtualUsbBus clBus;
};

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
    void setWritesAndReadsBack();
    void setRefusesSettingTheModelLacks();
    void choosesTheCamera();
    void keepsAwayWhileTheWindowRuns();
    void refusesBadUsage_data();
    void refusesBadUsage();
    void copiesOneCameraToAll();
    void dryRunWritesNothing();
    void refusesBadProfileBeforeSending();
    void tellsWhatWasWrittenWhenTheCameraGoes();
    void anyCameraThatFailsFailsTheRun();

private:
    QString writeProfile(const QTemporaryDir& clDir, const QJsonObject& clSettings);
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

    QCOMPARE(CliRig().run({QStringLiteral("--list")}).lExit, 1);  // no camera
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
    // The Tovu lacks the time stamp.
    QVERIFY(stAll.strOut.contains(QRegularExpression(QStringLiteral("^basic\\.time_stamp +\\(unsupported\\)$"),
                                                     QRegularExpression::MultilineOption)));
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

void TestCliCommands::setWritesAndReadsBack()
{
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(1, "TS0000001");

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
    // One bad value stops the good ones too.
    QTest::newRow("a value out of range") << QStringList {QStringLiteral("--set"), QStringLiteral("basic.camera_name=Gate"),
                                                          QStringLiteral("stream.recording.frame_rate=31")};
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


QString TestCliCommands::writeProfile(const QTemporaryDir& clDir, const QJsonObject& clSettings)
{
    const QJsonObject clRoot {{QStringLiteral("format"), ClSettingsProfile::formatName()},
                              {QStringLiteral("version"), 1},
                              {QStringLiteral("camera"), QJsonObject {{QStringLiteral("model"), QStringLiteral("Tovu-S")}}},
                              {QStringLiteral("settings"), clSettings}};
    const QString strPath = clDir.filePath(QStringLiteral("profile.json"));
    QFile clFile(strPath);
    if (!clFile.open(QIODevice::WriteOnly) || clFile.write(QJsonDocument(clRoot).toJson()) < 0)
        return QString();
    return strPath;
}

void TestCliCommands::copiesOneCameraToAll()
{
    CliRig clRig;
    ClVirtualCamera* pclFirst = clRig.plug(1, "TS0000001");
    ClVirtualCamera* pclSecond = clRig.plug(1, "TS0000002");
    ClVirtualCamera* pclTovu = clRig.plug(0, "TN0000003");
    const QTemporaryDir clDir;
    const QString strProfile = clDir.filePath(QStringLiteral("team.json"));

    // The first camera gets a setup of its own, including what only the Tovu-S has.
    const QStringList lstSetup = {QStringLiteral("basic.camera_name=Team"), QStringLiteral("basic.time_stamp=on"),
                                  QStringLiteral("basic.key_lock=on"), QStringLiteral("stream.recording.frame_rate=10"),
                                  QStringLiteral("network.http_port=8080")};
    QCOMPARE(clRig.run(QStringList {QStringLiteral("--set"), QStringLiteral("--camera"), QStringLiteral("TS0000001")}
                       + lstSetup)
                 .lExit,
             0);
    const CliRun stSave = clRig.run({QStringLiteral("--save-profile"), strProfile, QStringLiteral("--camera"),
                                     QStringLiteral("TS0000001")});
    QCOMPARE(stSave.lExit, 0);
    ClSettingsProfile clSaved;
    QCOMPARE(clSaved.load(strProfile), QStringList());
    QCOMPARE(clSaved.strSerial, QStringLiteral("TS0000001"));
    QCOMPARE(clSaved.strModel, QStringLiteral("Tovu-S"));
    // Secrets stay out unless asked for.
    QVERIFY(!clSaved.mapValues.contains(QStringLiteral("basic.stream_password.password")));

    // Then it is changed, and the profile puts it back and copies it to the others.
    QCOMPARE(clRig.run({QStringLiteral("--set"), QStringLiteral("--camera"), QStringLiteral("TS0000001"),
                        QStringLiteral("basic.camera_name=Changed"), QStringLiteral("stream.recording.frame_rate=15")})
                 .lExit,
             0);
    for (ClVirtualCamera* pclCamera : {pclFirst, pclSecond, pclTovu})
        pclCamera->clearRequests();
    const CliRun stApply = clRig.run({QStringLiteral("--apply-profile"), strProfile, QStringLiteral("--all")});
    QVERIFY2(stApply.lExit == 0, qPrintable(stApply.strOut + stApply.strErr));

    for (ClVirtualCamera* pclCamera : {pclFirst, pclSecond, pclTovu}) {
        QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("Team"));
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetHttpPort::usCommandCode)[0], 8080u);
    }
    for (ClVirtualCamera* pclCamera : {pclFirst, pclSecond}) {
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetRecFramerate::usCommandCode)[0], 10u);
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetSecureKeyLock::usCommandCode)[0], 2u);  // on
    }
    // The first camera differed in two settings only: nothing else is written.
    QVERIFY(stApply.strOut.contains(QLatin1String("basic.camera_name: Changed -> Team")));
    QVERIFY(stApply.strOut.contains(QLatin1String("TS0000001: 2 changed, 0 skipped, 0 failed")));
    QCOMPARE(CliRig::setCount(*pclFirst), 2);

    // The Tovu's missing settings are listed as skipped and never sent.
    const QList<QUuid> lstTovu = supportedCommands(0, ClVirtualCamera::defaultFirmware(0));
    QStringList lstLacking;
    for (auto it = clSaved.mapValues.constBegin(); it != clSaved.mapValues.constEnd(); ++it) {
        if (!ClSettingTable::isSupported(*ClSettingTable::find(it.key()), lstTovu))
            lstLacking.append(it.key());
    }
    QVERIFY(lstLacking.contains(QStringLiteral("basic.key_lock")));
    for (const QString& strName : std::as_const(lstLacking))
        QVERIFY2(stApply.strOut.contains(strName + QStringLiteral(": skipped (unsupported)")), qPrintable(strName));
    QCOMPARE(CliRig::setCount(*pclTovu, lstLacking), 0);
    QVERIFY(CliRig::setCount(*pclTovu) > 0);
    QVERIFY(stApply.strOut.contains(
        QRegularExpression(QStringLiteral("^TN0000003: \\d+ changed, %1 skipped, 0 failed$").arg(lstLacking.size()),
                           QRegularExpression::MultilineOption)));
    // One summary line per camera.
    QCOMPARE(stApply.strOut.count(QRegularExpression(QStringLiteral("^T[SN]\\d{7}: \\d+ changed"),
                                                     QRegularExpression::MultilineOption)),
             3);
}

void TestCliCommands::dryRunWritesNothing()
{
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(1, "TS0000001");
    pclCamera->setText(ClTovuCommandGetCameraName::usCommandCode, "Before");
    const QTemporaryDir clDir;
    const QString strProfile = writeProfile(clDir, {{QStringLiteral("basic.camera_name"), QStringLiteral("After")},
                                                    {QStringLiteral("network.wifi"), false}});
    pclCamera->clearRequests();
    const CliRun stRun = clRig.run({QStringLiteral("--apply-profile"), strProfile, QStringLiteral("--dry-run")});
    QCOMPARE(stRun.lExit, 0);
    QVERIFY(stRun.strOut.contains(QLatin1String("basic.camera_name: Before -> After")));
    QVERIFY(stRun.strOut.contains(QLatin1String("network.wifi: on -> off")));
    QVERIFY(stRun.strOut.contains(QLatin1String("TS0000001: 2 would change, 0 skipped (dry run)")));
    QCOMPARE(CliRig::setCount(*pclCamera), 0);
    QVERIFY(!pclCamera->requests().isEmpty());  // it was read
    QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("Before"));
}

void TestCliCommands::refusesBadProfileBeforeSending()
{
    // Every way a file can be unfit is TestSettingsProfile's; here, that the good setting
    // beside the faults is not sent either, and both faults are named.
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(1, "TS0000001");
    const QTemporaryDir clDir;
    const QString strProfile = writeProfile(clDir, {{QStringLiteral("basic.camera_name"), QStringLiteral("Fine")},
                                                    {QStringLiteral("stream.recording.frame_rate"), 99},
                                                    {QStringLiteral("basic.colour"), QStringLiteral("red")}});
    pclCamera->clearRequests();
    const CliRun stRun = clRig.run({QStringLiteral("--apply-profile"), strProfile});
    QCOMPARE(stRun.lExit, 2);
    QVERIFY2(stRun.strErr.contains(QLatin1String("stream.recording.frame_rate")), qPrintable(stRun.strErr));
    QVERIFY(stRun.strErr.contains(QLatin1String("basic.colour: no such setting")));
    QVERIFY(stRun.strErr.contains(QLatin1String("nothing was sent")));
    QCOMPARE(pclCamera->requests().size(), 0);
}

void TestCliCommands::tellsWhatWasWrittenWhenTheCameraGoes()
{
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(1, "TS0000001");
    const QTemporaryDir clDir;
    const QString strProfile = writeProfile(clDir, {{QStringLiteral("basic.camera_name"), QStringLiteral("Gone")},
                                                    {QStringLiteral("stream.recording.frame_rate"), 15},
                                                    {QStringLiteral("network.http_port"), 8081}});
    // Pulled out as soon as the first setting is confirmed.
    const CliRun stRun = clRig.run({QStringLiteral("--apply-profile"), strProfile}, [&](ClCliRunner& clRunner) {
        QObject::connect(&clRunner, &ClCliRunner::sigWritten, &clRunner, [&](const QString&, const QString& strName) {
            if (clRig.clBus.isPlugged(pclCamera)) {
                QCOMPARE(strName, QStringLiteral("basic.camera_name"));
                clRig.clBus.unplug(pclCamera);
            }
        });
    });
    QCOMPARE(stRun.lExit, 1);
    QVERIFY2(stRun.strErr.contains(QLatin1String("written: basic.camera_name\n")), qPrintable(stRun.strErr));
    QVERIFY(stRun.strErr.contains(QLatin1String("not written: stream.recording.frame_rate, network.http_port")));
    QVERIFY(stRun.strOut.contains(QLatin1String("TS0000001: 1 changed, 0 skipped, 2 failed")));
    QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("Gone"));
    QVERIFY(pclCamera->numbers(ClTovuCommandGetRecFramerate::usCommandCode)[0] != 15u);
}

void TestCliCommands::anyCameraThatFailsFailsTheRun()
{
    CliRig clRig;
    // The one that fails sits between the others, whichever way they are taken.
    clRig.plug(1, "TS0000001");
    ClVirtualCamera* pclRecording = clRig.plug(1, "TS0000002");
    ClVirtualCamera* pclIdle = clRig.plug(1, "TS0000003");
    // A camera that is recording refuses changes to its recording; the others take them.
    pclRecording->setRecording(true);
    const QTemporaryDir clDir;
    const QString strProfile = writeProfile(clDir, {{QStringLiteral("basic.camera_name"), QStringLiteral("Same")},
                                                    {QStringLiteral("stream.recording.bit_rate"), 2000}});
    const CliRun stRun = clRig.run({QStringLiteral("--apply-profile"), strProfile, QStringLiteral("--all")});
    QCOMPARE(stRun.lExit, 1);
    QVERIFY2(stRun.strOut.contains(QLatin1String("TS0000002: 1 changed, 0 skipped, 1 failed")), qPrintable(stRun.strOut));
    QVERIFY2(stRun.strOut.contains(QLatin1String("TS0000003: 2 changed, 0 skipped, 0 failed")), qPrintable(stRun.strOut));
    QCOMPARE(pclIdle->numbers(ClTovuCommandGetRecBitrate::usCommandCode)[0], 2000000u);
    QVERIFY(pclRecording->numbers(ClTovuCommandGetRecBitrate::usCommandCode)[0] != 2000000u);
}

QTEST_GUILESS_MAIN(TestCliCommands)
#include "TestCliCommands.moc"
