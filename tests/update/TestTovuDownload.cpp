// The tool's update controller against a local update site: what is fetched for a tool
// or firmware check, what the user is asked and told, the envelopes the camera gets,
// and the hand-over to the system installer.
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClDataFolder.h"
#include "ClMessageBox.h"
#include "ClParseXmlNetwork.h"
#include "ClProgressDialog.h"
#include "ClSystemInstaller.h"
#include "ClTestHttpServer.h"
#include "ClTovuDownload.h"
#include "ClUpdateServer.h"
#include "UpdateTestSupport.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace UpdateTestSupport;

namespace {
const QString strTool = QStringLiteral("/tovuupdate/update_tool.xml");
const QString strFirm = QStringLiteral("/tovuupdate/update_firm.xml");

PV_CMD completion(const char* pszClass, quint16 usCode)
{
    PV_CMD clCommand;
    clCommand.insert("CMD", ClCommandKinds::result());
    clCommand.insert("PARAM2", ClCommandCatalogue::requestKind(pszClass));
    clCommand.insert("PARAM3", usCode);
    return clCommand;
}
}  // namespace

class TestTovuDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void settingsFileCreatedAndAutoUpdateKept();
    void toolAtLatestVersionSaysSoOnlyToUser();
    void automaticRunAskedAndDeclined();
    void firmwareFilesBecomeEnvelopes();
    void oneFirmwareResultPerUpdate();
    void busyGuardAndStop();
    void firmwareCheckWithoutCameraEndsQuietly();
    void installerHandedToSystemInstaller();
    void installerNameCannotLeaveToolFolder_data();
    void installerNameCannotLeaveToolFolder();
    void installerThatCannotStartKeepsToolRunning();
    void msiOnlyAsCompleteSuffixOfFirstFile();
    void downloadErrorClearsBusy();

private:
    // Runs one check to its end; returns the exit code the event loop saw (7: none).
    int runCheck(qint32 lKind, bool bAuto, const QString& strManifest);

    QTemporaryDir clDir;
    ClTestHttpServer* pclServer = nullptr;
    QWidget* pclWindow = nullptr;
    ClTovuDownload* pclDownload = nullptr;
    QStringList lstBoxes;
    QMessageBox::StandardButton eAnswer = QMessageBox::Ok;
    QList<PV_CMD> lstSent;
    QSignalSpy* pclEnd = nullptr;
    QSignalSpy* pclError = nullptr;
};

void TestTovuDownload::initTestCase()
{
    // Never the user's own data folder, even when run outside the test runner.
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<QList<stDataInfo>>();
    PvCmd::registerMetaTypes();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return eAnswer;
    });
}

void TestTovuDownload::init()
{
    QFile::remove(ClDataFolder::networkFile());
    pclServer = new ClTestHttpServer(this);
    QVERIFY(pclServer->listen());
    ClUpdateServer::setUrl(pclServer->baseUrl());
    pclWindow = new QWidget;
    pclDownload = new ClTovuDownload(pclWindow);
    connect(pclDownload, &ClTovuDownload::sigSendCommand, this, [this](PV_CMD clCommand) { lstSent << clCommand; });
    pclEnd = new QSignalSpy(pclDownload, &ClTovuDownload::sigEndUpdate);
    pclError = new QSignalSpy(pclDownload, &ClTovuDownload::sigError);
    lstBoxes.clear();
    lstSent.clear();
    eAnswer = QMessageBox::Ok;
}

void TestTovuDownload::cleanup()
{
    delete pclEnd;
    delete pclError;
    delete pclWindow;  // owns the controller and its dialog
    delete pclServer;
    ClSystemInstaller::setProgram(QStringLiteral("msiexec"));
}

int TestTovuDownload::runCheck(qint32 lKind, bool bAuto, const QString& strManifest)
{
    QStringList lstArgs;
    if (bAuto)
        lstArgs << "-a";
    lstArgs << "-u" << strManifest.mid(1);
    pclDownload->setUpdateKind(lKind);
    if (!pclDownload->start(lstArgs))
        return -1;
    QEventLoop clLoop;
    connect(pclDownload, &ClTovuDownload::sigEndUpdate, &clLoop, [&] { QTimer::singleShot(50, &clLoop, [&] { clLoop.exit(7); }); });
    connect(pclDownload, &ClDownload::sigError, &clLoop, [&] { clLoop.exit(7); });
    QTimer::singleShot(10000, &clLoop, [&] { clLoop.exit(8); });
    return clLoop.exec();
}

void TestTovuDownload::settingsFileCreatedAndAutoUpdateKept()
{
    QCOMPARE(pclDownload->settingsPath(), ClDataFolder::networkFile());
    QVERIFY(QFile::exists(ClDataFolder::networkFile()));
    QVERIFY(!pclDownload->isAutoUpdate());
    pclDownload->setAutoUpdate(true);
    ClParseXmlNetwork clRecord;
    QVERIFY(clRecord.parseFile(ClDataFolder::networkFile()));
    QVERIFY(clRecord.isAutoUpdate());
    QCOMPARE(clRecord.sourceUrl().toString(), pclServer->baseUrl());

    // A later start keeps the choice.
    delete pclWindow;
    pclWindow = new QWidget;
    pclDownload = new ClTovuDownload(pclWindow);
    QVERIFY(pclDownload->isAutoUpdate());
    // The progress dialog is a modal child of the window, titled with the tool's name.
    QCOMPARE(pclDownload->progressDialog()->parentWidget(), pclWindow);
    QVERIFY(pclDownload->progressDialog()->isModal());
    QCOMPARE(pclDownload->progressDialog()->windowTitle(), ClMessageBox::applicationTitle());
    pclEnd = new QSignalSpy(pclDownload, &ClTovuDownload::sigEndUpdate);
    pclError = new QSignalSpy(pclDownload, &ClTovuDownload::sigError);
}

void TestTovuDownload::toolAtLatestVersionSaysSoOnlyToUser()
{
    pclServer->setFile(strTool, manifest({{"setup.msi", "01.00.037", md5("msi")}}, "tool"));
    pclServer->setFile("/tovuupdate/setup.msi", "msi");
    QCOMPARE(runCheck(0, false, strTool), 7);
    QCOMPARE(lstBoxes, QStringList({"Your Software is the latest version."}));
    QCOMPARE(pclEnd->count(), 1);
    QVERIFY(!pclDownload->isBusy());
    QCOMPARE(pclServer->requestCount("/tovuupdate/setup.msi"), 0);

    // An automatic run tells nothing; a manifest that is not XML plans nothing either.
    pclServer->setFile(strTool, "<update><tool>");
    QCOMPARE(runCheck(0, true, strTool), 7);
    QCOMPARE(lstBoxes.size(), 1);
    QCOMPARE(pclEnd->count(), 2);
}

void TestTovuDownload::automaticRunAskedAndDeclined()
{
    pclServer->setFile(strTool, manifest({{"setup.msi", "01.00.038", md5("msi")}}, "tool"));
    pclServer->setFile("/tovuupdate/setup.msi", "msi");
    eAnswer = QMessageBox::No;
    QCOMPARE(runCheck(0, true, strTool), 7);
    QCOMPARE(lstBoxes, QStringList({"There are new Software.\nVersion up?"}));
    QCOMPARE(pclEnd->count(), 1);
    QCOMPARE(pclError->count(), 0);
    QVERIFY(!pclDownload->isBusy());
    QVERIFY(!pclDownload->progressDialog()->isVisible());
    QCOMPARE(pclServer->requestCount("/tovuupdate/setup.msi"), 0);
}

void TestTovuDownload::firmwareFilesBecomeEnvelopes()
{
    pclServer->setFile(strFirm, manifest({{"fw/old.bin", "01.03.025", md5("old")},
                                          {"fw/main.bin", "01.03.026", md5("main")},
                                          {"fw/boot.bin", "01.04.000", md5("boot")}}));
    pclServer->setFile("/tovuupdate/fw/main.bin", "main");
    pclServer->setFile("/tovuupdate/fw/boot.bin", "boot");
    pclDownload->setCameraVersion("01.03.025");
    QSignalSpy clTotal(pclDownload, &ClTovuDownload::sigTotalCountProgress);
    QCOMPARE(runCheck(1, false, strFirm), 7);

    QCOMPARE(clTotal.count(), 1);
    QCOMPARE(clTotal.at(0).at(0).toInt(), 2);
    QCOMPARE(pclServer->requestCount("/tovuupdate/fw/old.bin"), 0);
    QCOMPARE(lstSent.size(), 3);
    const QUuid uuidData = ClCommandCatalogue::requestKind("ClTovuCommandExecFwUpdateData");
    QCOMPARE(uuidData, QUuid("{41f721f2-8cc7-480c-9e77-ce94c69b9210}"));
    QCOMPARE(lstSent.at(0).value("CMD").toUuid(), uuidData);
    QCOMPARE(lstSent.at(0).value("PARAM2").toByteArray(), QByteArray("main"));
    QCOMPARE(lstSent.at(1).value("CMD").toUuid(), uuidData);
    QCOMPARE(lstSent.at(1).value("PARAM2").toByteArray(), QByteArray("boot"));
    QCOMPARE(lstSent.at(2).value("CMD").toUuid(), QUuid("{ade54208-354a-4871-b677-b22be72788b4}"));
    QCOMPARE(lstSent.at(2).value("PARAM2").typeId(), QMetaType::Bool);
    QCOMPARE(lstSent.at(2).value("PARAM2").toBool(), false);
    QVERIFY(lstBoxes.isEmpty());
    QVERIFY(!pclDownload->isBusy());
    QVERIFY(!pclDownload->progressDialog()->isVisible());
}

void TestTovuDownload::oneFirmwareResultPerUpdate()
{
    // Without a known camera version nothing is reported.
    pclDownload->slotReceiveCommand(completion("ClTovuCommandExecFwUpdat", 0));
    QVERIFY(lstBoxes.isEmpty());

    pclDownload->setCameraVersion("01.03.025");
    pclDownload->slotReceiveCommand(completion("ClTovuCommandGetTime", 0x1234));
    pclDownload->slotReceiveCommand(completion("ClTovuCommandExecFwUpdateData", 0));
    pclDownload->slotReceiveCommand(completion("ClTovuCommandExecFwUpdat", 0));
    pclDownload->slotReceiveCommand(completion("ClTovuCommandExecFwUpdat", 0));
    QCOMPARE(lstBoxes, QStringList({"Firmware update success"}));

    // The next update reports again; a failed data transfer is its only message.
    pclServer->setFile(strFirm, manifest({}));
    eAnswer = QMessageBox::Ok;
    QCOMPARE(runCheck(1, true, strFirm), 7);
    lstBoxes.clear();
    pclDownload->slotReceiveCommand(completion("ClTovuCommandExecFwUpdateData", 0xEF05));
    pclDownload->slotReceiveCommand(completion("ClTovuCommandExecFwUpdateData", 0xEF05));
    pclDownload->slotReceiveCommand(completion("ClTovuCommandExecFwUpdat", 0));
    QCOMPARE(lstBoxes, QStringList({"Firmware update failed"}));

    // A camera that is gone reports nothing.
    QCOMPARE(runCheck(1, true, strFirm), 7);
    lstBoxes.clear();
    pclDownload->clearCameraVersion();
    pclDownload->slotReceiveCommand(completion("ClTovuCommandExecFwUpdat", 0xFFFF));
    QVERIFY(lstBoxes.isEmpty());
}

void TestTovuDownload::busyGuardAndStop()
{
    pclServer->setStall(strTool);
    pclDownload->setUpdateKind(0);
    QVERIFY(pclDownload->start({"-u", "tovuupdate/update_tool.xml"}));
    QVERIFY(pclDownload->isBusy());
    QVERIFY(!pclDownload->start({"-u", "tovuupdate/update_tool.xml"}));
    QTRY_COMPARE(pclServer->requestCount(strTool), 1);
    pclDownload->stop();
    QVERIFY(!pclDownload->isBusy());
    QCOMPARE(pclEnd->count(), 1);
    QTest::qWait(100);
    QCOMPARE(pclError->count(), 0);
    QVERIFY(lstBoxes.isEmpty());
}

void TestTovuDownload::firmwareCheckWithoutCameraEndsQuietly()
{
    pclServer->setFile(strFirm, manifest({{"fw/main.bin", "09.00.000", md5("main")}}));
    QCOMPARE(runCheck(1, false, strFirm), 7);
    QVERIFY(!pclDownload->isBusy());
    QCOMPARE(pclEnd->count(), 1);
    QVERIFY(lstBoxes.isEmpty());
    QVERIFY(lstSent.isEmpty());
    QCOMPARE(pclServer->requestCount("/tovuupdate/fw/main.bin"), 0);
}

void TestTovuDownload::installerHandedToSystemInstaller()
{
    // A stand-in for the system installer that writes down how it was called.
    const QString strScript = clDir.filePath("msiexec");
    const QString strCalled = clDir.filePath("called.txt");
    QFile clScript(strScript);
    QVERIFY(clScript.open(QIODevice::WriteOnly));
    clScript.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + strCalled.toUtf8() + ".part\"\nmv \""
                   + strCalled.toUtf8() + ".part\" \"" + strCalled.toUtf8() + "\"\n");
    clScript.close();
    clScript.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ClSystemInstaller::setProgram(strScript);

    const QByteArray clPackage = QByteArray("MSI package ").repeated(1000);
    pclServer->setFile(strTool, manifest({{"TovuSetup.msi", "01.00.038", md5(clPackage)}}, "tool"));
    pclServer->setFile("/tovuupdate/TovuSetup.msi", clPackage);
    // The tool quits (exit code 0 of its event loop) so the installer can replace it.
    QCOMPARE(runCheck(0, false, strTool), 0);

    const QString strPackage = ClDataFolder::path() + "TovuSetup.msi";
    QFile clWritten(strPackage);
    QVERIFY(clWritten.open(QIODevice::ReadOnly));
    QCOMPARE(clWritten.readAll(), clPackage);
    QTRY_VERIFY(QFile::exists(strCalled));
    QFile clArgs(strCalled);
    QVERIFY(clArgs.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(clArgs.readAll()), "/i\n" + QDir::toNativeSeparators(strPackage) + "\n");
    QCOMPARE(pclError->count(), 0);

    // exit() outside the application's own loop leaves every later loop quitting at
    // once; one pass of the application loop clears that for the following tests.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

void TestTovuDownload::installerNameCannotLeaveToolFolder_data()
{
    QTest::addColumn<QString>("strName");
    QTest::newRow("sub-folder") << "sub/setup.msi";
    QTest::newRow("parent") << "../setup.msi";
    QTest::newRow("backslash") << "sub\\setup.msi";
    QTest::newRow("absolute") << (clDir.path() + "/abs/setup.msi");
}

void TestTovuDownload::installerNameCannotLeaveToolFolder()
{
    QFETCH(QString, strName);
    ClSystemInstaller::setProgram(clDir.filePath("must-not-run"));
    QEventLoop clLoop;
    QTimer::singleShot(0, pclDownload, [&] { pclDownload->slotSuccess({{strName, "payload"}}); });
    QTimer::singleShot(300, &clLoop, [&] { clLoop.exit(7); });
    QCOMPARE(clLoop.exec(), 7);
    QCOMPARE(pclError->count(), 1);
    QCOMPARE(pclError->at(0).at(0).toString(), QStringLiteral("Faield to update."));
    QVERIFY(!QFile::exists(ClDataFolder::path() + "../setup.msi"));
    QVERIFY(!QFile::exists(clDir.path() + "/abs/setup.msi"));
    QVERIFY(!QDir(ClDataFolder::path() + "sub").exists());
}

void TestTovuDownload::installerThatCannotStartKeepsToolRunning()
{
    ClSystemInstaller::setProgram(clDir.filePath("no-such-installer"));
    QEventLoop clLoop;
    QTimer::singleShot(0, pclDownload, [&] { pclDownload->slotSuccess({{"setup.msi", "payload"}}); });
    QTimer::singleShot(300, &clLoop, [&] { clLoop.exit(7); });
    QCOMPARE(clLoop.exec(), 7);
    QCOMPARE(pclError->count(), 1);
    const QString strText = pclError->at(0).at(0).toString();
    QVERIFY2(strText.startsWith("The installer could not be started."), qPrintable(strText));
    QVERIFY(strText.contains(QDir::toNativeSeparators(ClDataFolder::path() + "setup.msi")));
    QVERIFY(QFile::exists(ClDataFolder::path() + "setup.msi"));
}

void TestTovuDownload::msiOnlyAsCompleteSuffixOfFirstFile()
{
    pclDownload->setCameraVersion("01.00.000");
    pclDownload->slotSuccess({{"fw.bin", "a"}, {"setup.msi", "b"}});
    QCOMPARE(lstSent.size(), 3);
    lstSent.clear();
    pclDownload->slotSuccess({{"a.b.msi", "a"}});
    QCOMPARE(lstSent.size(), 2);
    QCOMPARE(pclError->count(), 0);
}

void TestTovuDownload::downloadErrorClearsBusy()
{
    pclServer->setStatus(strFirm, 404, "Not Found");
    pclDownload->setCameraVersion("01.00.000");
    QCOMPARE(runCheck(1, false, strFirm), 7);
    QCOMPARE(pclError->count(), 1);
    QVERIFY(pclError->at(0).at(0).toString().contains("Not Found"));
    QVERIFY(!pclDownload->isBusy());
}

QTEST_MAIN(TestTovuDownload)
#include "TestTovuDownload.moc"
