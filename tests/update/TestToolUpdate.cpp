// The tool's side of updating, against a local update site: what its controller plans
// for a tool or firmware check, what the user is asked and told (and how a run waits for
// the answer), the envelopes the camera gets, the hand-over to the system installer; and
// the update catalogues' texts. (The boxes and the progress dialog that show all this:
// tests/app's TestUpdateView.)
#include "data/ClDataFolder.h"
#include "data/ClUpdateServer.h"
#include "tests/support/ClTestHttpServer.h"
#include "tests/support/ReplyTestSupport.h"
#include "tests/support/UpdateTestSupport.h"
#include "update/ClSystemInstaller.h"
#include "update/ClTovuDownload.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <optional>

using namespace ReplyTestSupport;
using namespace UpdateTestSupport;

namespace {
// The controller, able to take files as if the manifest they came with had verified.
class ClVerifiedRun : public ClTovuDownload
{
public:
    using ClTovuDownload::ClTovuDownload;
    void markSigned() { bManifestSigned = true; }
};

const QString strTool = QStringLiteral("/tovuupdate/update_tool.xml");
const QString strFirm = QStringLiteral("/tovuupdate/update_firm.xml");
}  // namespace

class TestToolUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void toolCheck_data();
    void toolCheck();
    void forgedToolReleaseIsRefused_data();
    void forgedToolReleaseIsRefused();
    void automaticRunWaitsForAnswer();
    void firmwareFilesBecomeEnvelopesAndOneResult();
    void cameraCheckedBeforeWrite_data();
    void cameraCheckedBeforeWrite();
    void installerHandOver_data();
    void installerHandOver();
    void packageForThisSystem_data();
    void packageForThisSystem();
    void debianPackageFromSignedSiteIsHandedToInstaller();
    void japaneseCatalogueTranslatesRunMessage();

private:
    // Runs one check (0: the tool, 1: the firmware) to its end.
    void runCheck(qint32 lKind, bool bAuto = false);
    // Runs fnStart in an event loop until the tool quits for the installer (0), an error
    // comes (7) or neither does in time (8).
    int runToEnd(const std::function<void()>& fnStart);
    // A stand-in for a system installer at strScript that writes its arguments, one a
    // line, to the returned file (and who waits for it to parent.txt).
    QString standIn(const QString& strScript);
    // The stand-in put in place of every installer.
    QString standInInstaller()
    {
        const QString strCalled = standIn(clDir.filePath("installer"));
        ClSystemInstaller::setProgram(clDir.filePath("installer"));
        return strCalled;
    }
    void camera(const char* pszClass, quint16 usCode) { pclDownload->slotReceiveCommand(completion(pszClass, usCode)); }

    QTemporaryDir clDir;
    std::unique_ptr<ClTestHttpServer> pclServer;
    std::unique_ptr<QObject> pclOwner;
    ClVerifiedRun* pclDownload = nullptr;  // the owner's
    // What the user was told and asked, in order.
    QStringList lstTold;
    // The answer given to a question, a moment after it was asked; none while unset.
    std::optional<bool> optAnswer;
    QList<PV_CMD> lstSent;
    // The camera's state as it answers before a write.
    qint32 lBattery = 80;
    quint32 ulBatteryState = 1;  // on battery
    bool bRecording = false;
    bool bStateUnreadable = false;
    QList<QUuid> lstAsked;
    std::unique_ptr<QSignalSpy> pclEnd;
    std::unique_ptr<QSignalSpy> pclError;
    std::unique_ptr<QSignalSpy> pclProgressStart;
    std::unique_ptr<QSignalSpy> pclProgressEnd;
};

void TestToolUpdate::initTestCase()
{
    // Never the user's own data folder, even when run outside the test runner.
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY2(!testKeyFile().isEmpty(), "openssl could not make a key pair");
    qRegisterMetaType<QList<stDataInfo>>();
    PvCmd::registerMetaTypes();
}

void TestToolUpdate::init()
{
    pclServer = std::make_unique<ClTestHttpServer>();
    QVERIFY(pclServer->listen());
    ClUpdateServer::setUrl(pclServer->baseUrl());
    // Settings are kept across rewrites: a proxy an earlier test set would stay.
    QFile::remove(ClDataFolder::networkFile());
    pclOwner = std::make_unique<QObject>();
    pclDownload = new ClVerifiedRun(pclOwner.get());
    // The camera's part: its battery and recording state answered at once (to the
    // controller that asked), everything else kept.
    connect(pclDownload, &ClTovuDownload::sigSendCommand, this, [this](PV_CMD clCommand) {
        const QUuid uuidKind = ClEnvelope::kind(clCommand);
        const bool bBattery = uuidKind == requestKind<ClTovuCommandGetBatteryState>();
        if (!bBattery && uuidKind != requestKind<ClTovuCommandGetRecState>()) {
            lstSent << clCommand;
            return;
        }
        lstAsked << uuidKind;
        PV_CMD clAnswer;
        if (bStateUnreadable) {
            clAnswer = ClEnvelope::outcome(uuidKind, nullptr, 0xEF05);
        } else if (bBattery) {
            clAnswer = answer("ClTovuCommandGetBatteryState", ulBatteryState);
            clAnswer.insert("PARAM3", quint32(lBattery));
        } else {
            clAnswer = answer("ClTovuCommandGetRecState", bRecording ? 2u : 1u);
        }
        clAnswer.insert("Sender", clCommand.value("Sender"));
        pclDownload->slotReceiveCommand(clAnswer);
    });
    connect(pclDownload, &ClTovuDownload::sigMessage, this, [this](QString, QString strText) { lstTold << strText; });
    connect(pclDownload, &ClTovuDownload::sigQuestion, this, [this](QString, QString strText) {
        lstTold << strText;
        if (optAnswer)
            QTimer::singleShot(0, pclDownload, [this, bYes = *optAnswer] { pclDownload->slotAnswer(bYes); });
    });
    pclEnd = std::make_unique<QSignalSpy>(pclDownload, &ClTovuDownload::sigEndUpdate);
    pclError = std::make_unique<QSignalSpy>(pclDownload, &ClTovuDownload::sigError);
    pclProgressStart = std::make_unique<QSignalSpy>(pclDownload, &ClDownload::sigProgressStart);
    pclProgressEnd = std::make_unique<QSignalSpy>(pclDownload, &ClTovuDownload::sigProgressEnd);
    lstTold.clear();
    lstSent.clear();
    lstAsked.clear();
    lBattery = 80;
    ulBatteryState = 1;
    bRecording = false;
    bStateUnreadable = false;
    optAnswer.reset();
}

void TestToolUpdate::cleanup()
{
    pclOwner.reset();  // with the controller
    pclServer.reset();
    ClSystemInstaller::setProgram(QString());
}

void TestToolUpdate::runCheck(qint32 lKind, bool bAuto)
{
    pclDownload->setUpdateKind(lKind);
    QStringList lstArgs = {"-u", (lKind == 0 ? strTool : strFirm).mid(1)};
    if (bAuto)
        lstArgs << "-a";
    QVERIFY(pclDownload->start(lstArgs));
    QTRY_VERIFY_WITH_TIMEOUT(!pclDownload->isBusy(), 10000);
}

int TestToolUpdate::runToEnd(const std::function<void()>& fnStart)
{
    QEventLoop clLoop;
    connect(pclDownload, &ClDownload::sigError, &clLoop, [&] { clLoop.exit(7); });
    QTimer::singleShot(0, pclDownload, fnStart);
    QTimer::singleShot(10000, &clLoop, [&] { clLoop.exit(8); });
    const int lExit = clLoop.exec();
    // exit() outside the application's own loop leaves every later loop quitting at
    // once; one pass of the application loop clears that for the following tests.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    return lExit;
}

QString TestToolUpdate::standIn(const QString& strScript)
{
    const QString strCalled = clDir.filePath("called.txt");
    QFile::remove(strCalled);
    // Who waits for it first: the call is what the test waits for.
    const QByteArray clParent = "cat /proc/$PPID/comm > \"" + clDir.filePath("parent.txt").toUtf8() + "\"\n";
    if (!writeFile(strScript, "#!/bin/sh\n" + clParent + "printf '%s\\n' \"$@\" > \"" + strCalled.toUtf8() + "\"\n"))
        return QString();
    QFile::setPermissions(strScript, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return strCalled;
}

void TestToolUpdate::toolCheck_data()
{
    QTest::addColumn<QString>("strOffered");
    QTest::addColumn<bool>("bSigned");
    QTest::addColumn<bool>("bAuto");
    QTest::addColumn<QStringList>("lstExpected");
    const QString strUnverified = QStringLiteral(
        "A new version of this tool is offered, but it cannot be verified as a genuine release,\n"
        "so nothing was downloaded or installed.\n"
        "The update server or the network may have been tampered with. Get the new version from your dealer, "
        "or try again later on another network.");
    // The tool is 01.00.037. A site that publishes no signatures still answers the check.
    QTest::newRow("latest, unsigned, asked by the user")
        << "01.00.037" << false << false << QStringList({"Your Software is the latest version."});
    QTest::newRow("latest, automatic: nothing said") << "01.00.037" << false << true << QStringList();
    QTest::newRow("newer, signed, automatic: asked, answered No")
        << "01.00.038" << true << true << QStringList({"There are new Software.\nVersion up?"});
    // What an unsigned site offers may be anyone's: refused before it is fetched.
    QTest::newRow("newer, unsigned, asked by the user")
        << "01.00.038" << false << false << QStringList({strUnverified});
    QTest::newRow("newer, unsigned, automatic: not asked")
        << "01.00.038" << false << true << QStringList({strUnverified});
    // A genuine older release replayed to the tool is no update.
    QTest::newRow("older signed release replayed")
        << "01.00.036" << true << false << QStringList({"Your Software is the latest version."});
}

void TestToolUpdate::toolCheck()
{
    QFETCH(QString, strOffered);
    QFETCH(bool, bSigned);
    QFETCH(bool, bAuto);
    QFETCH(QStringList, lstExpected);
    const QByteArray clManifest = manifest({listed("setup.msi", strOffered, "msi")}, "tool");
    if (bSigned)
        serveSigned(*pclServer, strTool, clManifest);
    else
        pclServer->setFile(strTool, clManifest);
    pclServer->setFile("/tovuupdate/setup.msi", "msi");
    const QString strCalled = standInInstaller();
    optAnswer = false;
    // The end of the run may start the firmware check that waited for it (the session
    // does so from this signal): the message still names the check that ended.
    connect(pclDownload, &ClTovuDownload::sigEndUpdate, this, [this] { pclDownload->setUpdateKind(1); });
    runCheck(0, bAuto);
    QCOMPARE(lstTold, lstExpected);
    QCOMPARE(pclEnd->count(), 1);
    QCOMPARE(pclError->count(), 0);
    // Nothing to show progress for, and whatever showed it is told to close.
    QCOMPARE(pclProgressStart->count(), 0);
    QCOMPARE(pclProgressEnd->count(), 1);
    QCOMPARE(pclServer->requestCount("/tovuupdate/setup.msi"), 0);
    QVERIFY(!QFile::exists(strCalled));
}

void TestToolUpdate::forgedToolReleaseIsRefused_data()
{
    QTest::addColumn<QString>("strForgery");
    QTest::addColumn<QString>("strTold");
    const QString strUnverified = QStringLiteral("A new version of this tool is offered, but it cannot be verified");
    QTest::newRow("manifest and package swapped, MD5s matching, genuine signature kept") << "swapped" << strUnverified;
    QTest::newRow("manifest and package swapped, signed with a key of their own") << "own key" << strUnverified;
    // As if MD5 had been made to collide: only the signed SHA-256 tells the packages apart.
    QTest::newRow("package swapped for one with the genuine MD5")
        << "same MD5" << QStringLiteral("Faield to update.\nA downloaded file was damaged or altered on the way");
}

void TestToolUpdate::forgedToolReleaseIsRefused()
{
    QFETCH(QString, strForgery);
    QFETCH(QString, strTold);
    // The genuine site, signed with the release key, on one server; the tool's requests
    // pass a proxy that answers them itself (a café's Wi-Fi, a proxy of someone else).
    const QString strDeb = QStringLiteral("tovu-setting-tool_1.0.38_all.deb");
    const QByteArray clGenuine = "genuine package";
    const QByteArray clEvil = "package of someone else";
    const QByteArray clManifest = manifest({listed(strDeb, "01.00.038", clGenuine)}, "tool");
    ClTestHttpServer clGenuineSite;
    QVERIFY(clGenuineSite.listen());
    serveSigned(clGenuineSite, strTool, clManifest);
    clGenuineSite.setFile("/tovuupdate/" + strDeb, clGenuine);

    QByteArray clForged = manifest({listed(strDeb, "01.00.038", clEvil)}, "tool");
    QByteArray clSignature = signature(testKeyFile(), "update_tool.xml", clManifest);
    if (strForgery == "own key") {
        const QString strOwnKey = clDir.filePath("own.pem");
        QVERIFY(!makeKeyPair(strOwnKey).isEmpty());
        clSignature = signature(strOwnKey, "update_tool.xml", clForged);
    } else if (strForgery == "same MD5") {
        clForged = manifest({{strDeb, "01.00.038", md5(clEvil), sha256(clGenuine)}}, "tool");
        clSignature = signature(testKeyFile(), "update_tool.xml", clForged);
    }
    ClTestHttpServer& clProxy = *pclServer;
    clProxy.setFile(strTool, clForged);
    clProxy.setFile(strTool + ".sig", clSignature);
    clProxy.setFile("/tovuupdate/" + strDeb, clEvil);
    QVERIFY(writeSettings(ClDataFolder::networkFile(), clGenuineSite.baseUrl(),
                          "<use>true</use><ip>127.0.0.1</ip><port>"
                              + clProxy.baseUrl().section(':', 2).chopped(1).toUtf8() + "</port><type>3</type>"));
    const QString strCalled = standInInstaller();
    const QString strPackage = ClDataFolder::path() + strDeb;
    QFile::remove(strPackage);

    pclDownload->setUpdateKind(0);
    QVERIFY(pclDownload->start({"-u", strTool.mid(1)}));
    // A failed run is stopped by whoever shows its error (the window).
    QTRY_COMPARE_WITH_TIMEOUT(lstTold.size() + pclError->count(), 1, 10000);
    pclDownload->stop();
    const QString strShown = lstTold.isEmpty() ? pclError->at(0).at(0).toString() : lstTold.first();
    QVERIFY2(strShown.startsWith(strTold), qPrintable(strShown));
    QTest::qWait(200);
    QVERIFY(!QFile::exists(strCalled));
    QVERIFY(!QFile::exists(strPackage));
    QVERIFY(lstSent.isEmpty());
    // All of it came through the proxy.
    QVERIFY(clProxy.requestCount(strTool) == 1 && clGenuineSite.requests().isEmpty());
}

void TestToolUpdate::automaticRunWaitsForAnswer()
{
    serveSigned(*pclServer, strFirm, manifest({listed("fw/main.bin", "01.03.026", "main")}));
    pclServer->setFile("/tovuupdate/fw/main.bin", "main");
    pclDownload->setCameraVersion("01.03.025");
    pclDownload->setUpdateKind(1);
    const QStringList lstArgs = {"-u", strFirm.mid(1), "-a"};
    const QString strAsked = QStringLiteral("There are new Firmware.\nVersion up?");

    // Asked, and stopped before the answer: a late Yes fetches nothing.
    QVERIFY(pclDownload->start(lstArgs));
    QTRY_COMPARE(lstTold, QStringList({strAsked}));
    QTest::qWait(100);
    QVERIFY(pclDownload->isBusy());
    QVERIFY(!pclDownload->start(lstArgs));
    pclDownload->stop();
    pclDownload->slotAnswer(true);
    QTest::qWait(100);
    QCOMPARE(pclEnd->count(), 1);  // the stop's, and no second end of the run
    QCOMPARE(pclServer->requestCount("/tovuupdate/fw/main.bin"), 0);
    QCOMPARE(pclProgressStart->count(), 0);
    QVERIFY(lstSent.isEmpty());

    // Asked again, and answered Yes some time later: the run goes on from there.
    QVERIFY(pclDownload->start(lstArgs));
    QTRY_COMPARE(lstTold.size(), 2);
    QTest::qWait(100);
    QCOMPARE(pclServer->requestCount("/tovuupdate/fw/main.bin"), 0);
    pclDownload->slotAnswer(true);
    QTRY_VERIFY(!pclDownload->isBusy());
    QCOMPARE(pclServer->requestCount("/tovuupdate/fw/main.bin"), 1);
    QCOMPARE(pclProgressStart->count(), 1);
    QCOMPARE(pclProgressStart->at(0).at(0).toInt(), 1);
    // The file's block goes to the camera; the start waits for the camera to take it.
    QCOMPARE(lstSent.size(), 1);
    QCOMPARE(lstTold, QStringList({strAsked, strAsked}));
}

void TestToolUpdate::firmwareFilesBecomeEnvelopesAndOneResult()
{
    // Two newer files in order; not an older one, one without a hash, or one an
    // installer would remove.
    const QByteArray clRemove = "<remove><file version=\"09.00.000\" hash=\"" + md5("gone").toLatin1()
        + "\">fw/gone.bin</file></remove></update>";
    serveSigned(*pclServer, strFirm,
                manifest({listed("fw/old.bin", "01.03.025", "old"),
                          listed("fw/main.bin", "01.03.026", "main"),
                          {"fw/nohash.bin", "09.00.000", ""},
                          listed("fw/boot.bin", "01.04.000", "boot")})
                    .replace("</update>", clRemove));
    pclServer->setFile("/tovuupdate/fw/main.bin", "main");
    pclServer->setFile("/tovuupdate/fw/boot.bin", "boot");
    // Without a camera there is nothing to compare with: the check ends quietly. The
    // camera's completions mean nothing then either.
    camera("ClTovuCommandExecFwUpdateData", 0xFFFB);
    camera("ClTovuCommandExecFwUpdat", 0);
    runCheck(1);
    QCOMPARE(pclEnd->count(), 1);
    QCOMPARE(pclServer->requests().size(), 2);  // the manifest and its signature
    QVERIFY(lstTold.isEmpty() && lstSent.isEmpty());

    pclDownload->setCameraVersion("01.03.025");
    runCheck(1);
    QCOMPARE(pclServer->requests().size(), 6);

    // Each file in a data envelope, the next when the camera has taken the last, then the
    // start of the update.
    const QUuid uuidData("{41f721f2-8cc7-480c-9e77-ce94c69b9210}");
    QCOMPARE(lstSent.size(), 1);
    QCOMPARE(lstSent.at(0).value("CMD").toUuid(), uuidData);
    QCOMPARE(lstSent.at(0).value("PARAM2").toByteArray(), QByteArray("main"));
    camera("ClTovuCommandExecFwUpdateData", 0);
    QCOMPARE(lstSent.size(), 2);
    QCOMPARE(lstSent.at(1).value("CMD").toUuid(), uuidData);
    QCOMPARE(lstSent.at(1).value("PARAM2").toByteArray(), QByteArray("boot"));
    camera("ClTovuCommandExecFwUpdateData", 0);
    QCOMPARE(lstSent.size(), 3);
    QCOMPARE(lstSent.at(2).value("CMD").toUuid(), QUuid("{ade54208-354a-4871-b677-b22be72788b4}"));
    QCOMPARE(lstSent.at(2).value("PARAM2").typeId(), QMetaType::Bool);
    QCOMPARE(lstSent.at(2).value("PARAM2").toBool(), false);

    // The camera's answers: exactly one message for the update.
    QVERIFY(lstTold.isEmpty());
    camera("ClTovuCommandExecFwUpdat", 0);
    camera("ClTovuCommandExecFwUpdat", 0);
    QCOMPARE(lstTold, QStringList({"Firmware update success"}));

    // The next update reports again: a block the camera refused is its only message, and
    // nothing follows it.
    lstTold.clear();
    lstSent.clear();
    runCheck(1);
    QCOMPARE(lstSent.size(), 1);
    camera("ClTovuCommandExecFwUpdateData", 0xFFFB);
    camera("ClTovuCommandExecFwUpdat", 0);
    // The camera holds part of a new firmware: the message says what to do.
    QCOMPARE(lstTold,
             QStringList({"Firmware update failed\nKeep the camera connected, switch it off and on, and start "
                          "the update again from the help page. If the camera does not start, consult your "
                          "dealer."}));
    QCOMPARE(lstSent.size(), 1);
}

void TestToolUpdate::cameraCheckedBeforeWrite_data()
{
    QTest::addColumn<QString>("strFile");
    QTest::addColumn<qint32>("lLevel");
    QTest::addColumn<quint32>("ulState");
    QTest::addColumn<bool>("bRecordingNow");
    QTest::addColumn<bool>("bUnreadable");
    QTest::addColumn<QString>("strTold");  // empty: written
    const QString strLow = QStringLiteral("The camera's battery is at 29%, too low to write the firmware safely.");
    QTest::newRow("at the floor") << "fw/main.bin" << 30 << 1u << false << false << "";
    QTest::newRow("below it, on battery") << "fw/main.bin" << 29 << 1u << false << false << strLow;
    QTest::newRow("below it, charging") << "fw/main.bin" << 29 << 2u << false << false << "";
    QTest::newRow("recording") << "fw/main.bin" << 80 << 1u << true << false
                               << "The camera is recording, so the firmware was not written.";
    QTest::newRow("state not answered") << "fw/main.bin" << 80 << 1u << false << true
                                        << "The camera's battery and recording state could not be read";
    // What a firmware manifest lists is for the camera, whatever its name: never an
    // installer started on the computer.
    QTest::newRow("an installer's name") << "setup.msi" << 80 << 1u << false << false << "";
}

void TestToolUpdate::cameraCheckedBeforeWrite()
{
    QFETCH(QString, strFile);
    QFETCH(qint32, lLevel);
    QFETCH(quint32, ulState);
    QFETCH(bool, bRecordingNow);
    QFETCH(bool, bUnreadable);
    QFETCH(QString, strTold);
    lBattery = lLevel;
    ulBatteryState = ulState;
    bRecording = bRecordingNow;
    bStateUnreadable = bUnreadable;
    QSignalSpy clWriting(pclDownload, &ClTovuDownload::sigWriteStart);
    serveSigned(*pclServer, strFirm, manifest({listed(strFile, "01.03.026", "main")}));
    pclServer->setFile("/tovuupdate/" + strFile, "main");
    const QString strCalled = standInInstaller();
    QFile::remove(ClDataFolder::path() + strFile);
    pclDownload->setCameraVersion("01.03.025");
    runCheck(1);
    QVERIFY2(!lstAsked.isEmpty(), qPrintable(lstTold.join("|") + pclError->value(0).value(0).toString()));
    QCOMPARE(lstAsked.first(), requestKind<ClTovuCommandGetBatteryState>());
    QTest::qWait(100);
    QCOMPARE(pclError->count(), 0);
    QVERIFY(!QFile::exists(strCalled));
    QVERIFY(!QFile::exists(ClDataFolder::path() + strFile));
    if (strTold.isEmpty()) {
        QCOMPARE(lstAsked.size(), 2);
        QCOMPARE(clWriting.count(), 1);
        QCOMPARE(lstSent.size(), 1);
        QCOMPARE(lstSent.at(0).value("PARAM2").toByteArray(), QByteArray("main"));
        QVERIFY(lstTold.isEmpty());
        return;
    }
    QCOMPARE(lstTold.size(), 1);
    QVERIFY2(lstTold.first().startsWith(strTold), qPrintable(lstTold.first()));
    QVERIFY(lstSent.isEmpty());
    QCOMPARE(clWriting.count(), 0);
    // Late answers of the camera change nothing.
    camera("ClTovuCommandExecFwUpdateData", 0);
    QVERIFY(lstSent.isEmpty());
    QCOMPARE(lstTold.size(), 1);
}

void TestToolUpdate::installerHandOver_data()
{
    QTest::addColumn<QString>("strName");
    // "stand-in": in place of every installer; otherwise the only program on the PATH.
    QTest::addColumn<QString>("strInstaller");
    QTest::addColumn<QString>("strArguments");  // before the package's path
    QTest::addColumn<QString>("strError");      // empty: the tool quit for the installer
    const QString strFailed = QStringLiteral("Faield to update.");
    QTest::newRow("msi") << "setup.msi"
                         << "stand-in"
                         << "/i\n"
                         << "";
    // The name cannot leave the tool's folder.
    QTest::newRow("sub-folder") << "sub/setup.msi"
                                << "stand-in"
                                << "" << strFailed;
    QTest::newRow("parent") << "../setup.msi"
                            << "stand-in"
                            << "" << strFailed;
    QTest::newRow("backslash") << "sub\\setup.msi"
                               << "stand-in"
                               << "" << strFailed;
    QTest::newRow("absolute") << (clDir.path() + "/abs/setup.msi") << "stand-in"
                              << "" << strFailed;
    // Not an installer at all: the suffix after the first dot is "b.msi".
    QTest::newRow("more than one dot") << "a.b.msi"
                                       << "stand-in"
                                       << "" << strFailed;
    // A Debian package goes to what is installed.
    const QString strDeb = QStringLiteral("tovu-setting-tool_1.0.38_all.deb");
    QTest::newRow("PackageKit") << strDeb << "pkcon"
                                << "--noninteractive\n--allow-untrusted\ninstall-local\n"
                                << "";
    QTest::newRow("pkexec only") << strDeb << "pkexec"
                                 << "apt-get\ninstall\n-y\n"
                                 << "";
    // Debian 12 as a new user has it: neither. The tool keeps running and says where the
    // package is.
    const QString strPackage = ClDataFolder::path() + strDeb;
    QTest::newRow("neither") << strDeb << ""
                             << ""
                             << "The installer could not be started.\nThe new version was saved as:\n" + strPackage
            + "\n\nInstall it with your desktop's software installer, or in a terminal with:\nsudo apt install "
            + strPackage;
}

void TestToolUpdate::installerHandOver()
{
    QFETCH(QString, strName);
    QFETCH(QString, strInstaller);
    QFETCH(QString, strArguments);
    QFETCH(QString, strError);
    QString strCalled = clDir.filePath("called.txt");
    QFile::remove(strCalled);
    const QString strBin = clDir.filePath("bin-" + strInstaller);
    QVERIFY(QDir().mkpath(strBin));
    if (strInstaller == "stand-in")
        strCalled = standInInstaller();
    else if (!strInstaller.isEmpty())
        strCalled = standIn(strBin + "/" + strInstaller);
    const QString strPackage = ClDataFolder::path() + QFileInfo(strName).fileName();
    QFile::remove(strPackage);
    const QByteArray clPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(strBin));
    const int lExit = runToEnd([&] {
        pclDownload->markSigned();
        pclDownload->slotSuccess({{strName, "payload"}});
    });
    qputenv("PATH", clPath);

    if (strError.isEmpty()) {
        QCOMPARE(lExit, 0);  // the tool quit for the installer
        QTRY_COMPARE(readFile(strCalled),
                     strArguments.toUtf8() + QFile::encodeName(QDir::toNativeSeparators(strPackage)) + "\n");
        QCOMPARE(readFile(strPackage), QByteArray("payload"));
        QCOMPARE(pclError->count(), 0);
        return;
    }
    QCOMPARE(lExit, 7);
    QCOMPARE(pclError->count(), 1);
    QCOMPARE(pclError->at(0).at(0).toString(), strError);
    QTest::qWait(100);
    QVERIFY(!QFile::exists(strCalled));
    QVERIFY(lstSent.isEmpty());  // a tool check never writes into the camera
    QVERIFY(!QFile::exists(ClDataFolder::path() + "../setup.msi"));
    QVERIFY(!QFile::exists(clDir.path() + "/abs/setup.msi"));
    QVERIFY(!QDir(ClDataFolder::path() + "sub").exists());
    // Where the box says the package was saved, it is.
    if (strError.contains(strPackage))
        QCOMPARE(readFile(strPackage), QByteArray("payload"));
}

void TestToolUpdate::packageForThisSystem_data()
{
    QTest::addColumn<QString>("strName");
    QTest::addColumn<bool>("bPackage");
    QTest::addColumn<bool>("bFits");
    // The tests run on Linux: a .deb fits, an .msi does not.
    QTest::newRow("Windows installer") << "setup.msi" << true << false;
    QTest::newRow("deb without architecture") << "tovu-setting-tool.deb" << true << true;
    QTest::newRow("deb for every architecture") << "tovu-setting-tool_1.0.38_all.deb" << true << true;
    QTest::newRow("deb for another architecture") << "tovu-setting-tool_1.0.38_vax.deb" << true << false;
    QTest::newRow("dots in the version") << "tovu_1.0.38.deb" << true << true;
    QTest::newRow("firmware") << "fw/main.bin" << false << false;
    QTest::newRow("deb only inside the name") << "setup.deb.txt" << false << false;
}

void TestToolUpdate::packageForThisSystem()
{
    QFETCH(QString, strName);
    QFETCH(bool, bPackage);
    QFETCH(bool, bFits);
    QCOMPARE(ClSystemInstaller::isPackage(strName), bPackage);
    QCOMPARE(ClSystemInstaller::fitsThisSystem(strName), bFits);
}

void TestToolUpdate::debianPackageFromSignedSiteIsHandedToInstaller()
{
    const QString strDeb = QStringLiteral("tovu-setting-tool_1.0.38_all.deb");
    // The site offers the tool for both systems (the Windows installer listed first),
    // made and signed as a release is.
    const QString strSource = clDir.filePath("source/tool/01.00.038/");
    const QString strSite = clDir.filePath("signed-site");
    QVERIFY(QDir().mkpath(strSource));
    QVERIFY(writeFile(strSource + "setup.msi", "msi") && writeFile(strSource + strDeb, "deb package"));
    QCOMPARE(QProcess::execute("bash", {TOVU_SITE_SCRIPT, "--key", testKeyFile(), clDir.filePath("source"), strSite}),
             0);
    pclServer->setDocumentRoot(strSite);
    const QString strCalled = standInInstaller();
    QVERIFY(!strCalled.isEmpty());
    const QString strPackage = ClDataFolder::path() + strDeb;
    QFile::remove(strPackage);

    QCOMPARE(runToEnd([this] {
                 pclDownload->setUpdateKind(0);
                 QVERIFY(pclDownload->start({"-u", strTool.mid(1)}));
             }),
             0);
    QCOMPARE(pclServer->requestCount("/tovuupdate/setup.msi"), 0);
    // pkexec's place: apt-get installs the saved file, given by its absolute path.
    QTRY_COMPARE(readFile(strCalled), "apt-get\ninstall\n-y\n" + QFile::encodeName(strPackage) + "\n");
    // pkexec works only for a caller that is still there: a shell waits for it.
    QCOMPARE(readFile(clDir.filePath("parent.txt")), QByteArray("sh\n"));
    QCOMPARE(readFile(strPackage), QByteArray("deb package"));
    QCOMPARE(pclError->count(), 0);
}

void TestToolUpdate::japaneseCatalogueTranslatesRunMessage()
{
    // (The English catalogue's texts are those tests/e2e's TestWindowUpdate checks.)
    QTranslator clCatalogue;
    QVERIFY(clCatalogue.load(":/ja/update"));
    QCoreApplication::installTranslator(&clCatalogue);
    // A run without a settings file fails with the catalogue's text.
    ClDownload clDownload;
    QSignalSpy clError(&clDownload, &ClDownload::sigError);
    QVERIFY(!clDownload.start({"-nf", "/nonexistent/network.xml"}));
    QCOMPARE(clError.value(0).value(0).toString(),
             QString::fromUtf8("アップデートファイルを読み込めませんでした。\n"
                               "このエラーが続く場合は、販売店にお問い合わせください。"));
}

QTEST_MAIN(TestToolUpdate)
#include "TestToolUpdate.moc"
