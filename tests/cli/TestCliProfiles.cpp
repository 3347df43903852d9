// Profiles through the command line, in process on three virtual cameras at once: one
// camera's setup saved and put on all three, a preview that writes nothing, profiles
// refused before anything is sent, and a camera pulled out halfway.
#include "CliRig.h"
#include "protocol/SupportedCommands.h"
#include "settings/ClSettingsProfile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

class TestCliProfiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void copiesOneCameraToAll();
    void dryRunWritesNothing();
    void refusesBadProfiles_data();
    void refusesBadProfiles();
    void tellsWhatWasWrittenWhenTheCameraGoes();
    void anyCameraThatFailsFailsTheRun();

private:
    QString writeProfile(const QTemporaryDir& clDir, const QJsonObject& clSettings, int lVersion = 1);
};

QString TestCliProfiles::writeProfile(const QTemporaryDir& clDir, const QJsonObject& clSettings, int lVersion)
{
    const QJsonObject clRoot {{QStringLiteral("format"), ClSettingsProfile::formatName()},
                              {QStringLiteral("version"), lVersion},
                              {QStringLiteral("camera"), QJsonObject {{QStringLiteral("model"), QStringLiteral("Tovu-S")}}},
                              {QStringLiteral("settings"), clSettings}};
    const QString strPath = clDir.filePath(QStringLiteral("profile.json"));
    QFile clFile(strPath);
    if (!clFile.open(QIODevice::WriteOnly) || clFile.write(QJsonDocument(clRoot).toJson()) < 0)
        return QString();
    return strPath;
}

void TestCliProfiles::copiesOneCameraToAll()
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

void TestCliProfiles::dryRunWritesNothing()
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

void TestCliProfiles::refusesBadProfiles_data()
{
    QTest::addColumn<QJsonObject>("clSettings");
    QTest::addColumn<int>("lVersion");
    QTest::addColumn<QString>("strMessage");
    QTest::newRow("out of range") << QJsonObject {{QStringLiteral("basic.camera_name"), QStringLiteral("Fine")},
                                                  {QStringLiteral("stream.recording.frame_rate"), 99}}
                                  << 1 << QStringLiteral("stream.recording.frame_rate");
    QTest::newRow("unknown name") << QJsonObject {{QStringLiteral("basic.camera_name"), QStringLiteral("Fine")},
                                                  {QStringLiteral("basic.colour"), QStringLiteral("red")}}
                                  << 1 << QStringLiteral("basic.colour: no such setting");
    QTest::newRow("newer version") << QJsonObject {{QStringLiteral("basic.camera_name"), QStringLiteral("Fine")}} << 2
                                   << QStringLiteral("format version 2");
    QTest::newRow("wrong type") << QJsonObject {{QStringLiteral("basic.time_stamp"), QStringLiteral("maybe")}} << 1
                                << QStringLiteral("basic.time_stamp");
}

void TestCliProfiles::refusesBadProfiles()
{
    QFETCH(QJsonObject, clSettings);
    QFETCH(int, lVersion);
    QFETCH(QString, strMessage);
    CliRig clRig;
    ClVirtualCamera* pclCamera = clRig.plug(1, "TS0000001");
    const QTemporaryDir clDir;
    const QString strProfile = writeProfile(clDir, clSettings, lVersion);
    pclCamera->clearRequests();
    const CliRun stRun = clRig.run({QStringLiteral("--apply-profile"), strProfile});
    QCOMPARE(stRun.lExit, 2);
    QVERIFY2(stRun.strErr.contains(strMessage), qPrintable(stRun.strErr));
    QVERIFY(stRun.strErr.contains(QLatin1String("nothing was sent")));
    QCOMPARE(pclCamera->requests().size(), 0);
}

void TestCliProfiles::tellsWhatWasWrittenWhenTheCameraGoes()
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

void TestCliProfiles::anyCameraThatFailsFailsTheRun()
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

QTEST_GUILESS_MAIN(TestCliProfiles)
#include "TestCliProfiles.moc"
