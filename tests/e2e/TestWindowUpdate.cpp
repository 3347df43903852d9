// Updating a camera as a person does it: the real window and USB worker, the emulated
// camera on the virtual bus, and an update site built and signed by
// tools/make-update-site.sh and served on 127.0.0.1. The texts checked are the English
// catalogue's.
#include "WindowRig.h"
#include "app/ClProgressDialog.h"
#include "app/ClRunOptions.h"
#include "app/ClUpdateView.h"
#include "data/ClDataFolder.h"
#include "data/ClUpdateServer.h"
#include "protocol/ClTovuCommands.h"
#include "tests/support/ClTestHttpServer.h"
#include "tests/support/UpdateTestSupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>

namespace {
const QString strUpgrading = QString::fromUtf8("Now upgrading\u2026\nPlease wait until Tovu turns off.");
}

class TestWindowUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup() { upRig.reset(); }
    void userUpdatesTheTovuAfterTheCableWasPulled();
    void forgedFirmwareNeverReachesTheCamera();
    void firmwareFromAFileWithNoServer_data();
    void firmwareFromAFileWithNoServer();

private:
    // The window with a Tovu on 01.03.025, once it shows the camera state page.
    bool plugTovu()
    {
        upRig = std::make_unique<WindowRig>(200);
        upRig->window().show();
        pclCamera = new ClVirtualCamera(0, "01.03.025");
        pclCamera->setRestartDelay(300);
        upRig->bus().plug(pclCamera);
        return QTest::qWaitFor(
            [this] { return upRig->window().session()->isConnected() && upRig->window().currentPage() == 1; }, 10000);
    }
    void clickOnHelp(const char* pszButton)
    {
        WindowRig::click(upRig->window().modeBar()->button(7));
        WindowRig::click(upRig->find<QPushButton>(pszButton));
    }
    QString firmwareShown() const { return upRig->find<QLabel>("labelFirmwareVersion")->text(); }

    QTemporaryDir clDir;
    ClTestHttpServer clServer;
    QTranslator clLang;
    QTranslator clUpdate;
    std::unique_ptr<WindowRig> upRig;
    ClVirtualCamera* pclCamera = nullptr;  // the bus's
};

void TestWindowUpdate::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(clLang.load(":/lang/en") && clUpdate.load(":/en/update"));
    QCoreApplication::installTranslator(&clLang);
    QCoreApplication::installTranslator(&clUpdate);
    // No proxy or update choice from an earlier window.
    QFile::remove(ClDataFolder::networkFile());

    // Firmware 01.03.026 for both models, published and signed as a release is (with a
    // key pair of the test's own, the tool pointed at its public half).
    QVERIFY(!UpdateTestSupport::testKeyFile().isEmpty());
    const QString strSite = clDir.filePath("site");
    QCOMPARE(QProcess::execute("bash",
                               {TOVU_SITE_SCRIPT, "--key", UpdateTestSupport::testKeyFile(), "--virtual-firmware",
                                "01.03.026", strSite}),
             0);
    QVERIFY(clServer.listen());
    clServer.setDocumentRoot(strSite);
    ClUpdateServer::setUrl(clServer.baseUrl());
}

void TestWindowUpdate::userUpdatesTheTovuAfterTheCableWasPulled()
{
    QVERIFY(plugTovu());
    // The first try: the cable goes with the block's data, after its command.
    const QMetaObject::Connection clPull
        = connect(upRig->window().downloader(), &ClTovuDownload::sigWriteStart, this,
                  [this] { pclCamera->unplugAtTransfer(ClVirtualUsbDevice::Direction::Write, 2); });
    clickOnHelp("buttonUpdateTovu");
    QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes.size(), 1, 10000);
    QVERIFY2(upRig->lstBoxes.first().startsWith("The camera was disconnected while the firmware was being written."),
             qPrintable(upRig->lstBoxes.first()));
    QTRY_VERIFY_WITH_TIMEOUT(!upRig->window().session()->isConnected(), 5000);
    QTest::qWait(500);
    QCOMPARE(upRig->lstBoxes.size(), 1);
    QVERIFY(!upRig->window().findChild<ClProgressDialog*>()->isVisible());
    disconnect(clPull);
    upRig->lstBoxes.clear();

    // Plugged in again, the camera is found and can be updated.
    upRig->bus().unplug(pclCamera);
    pclCamera = new ClVirtualCamera(0, "01.03.025");
    pclCamera->setRestartDelay(300);
    upRig->bus().plug(pclCamera);
    QTRY_VERIFY_WITH_TIMEOUT(upRig->window().session()->isConnected(), 5000);
    WindowRig::click(upRig->window().modeBar()->button(7));
    QTRY_COMPARE_WITH_TIMEOUT(firmwareShown(), QStringLiteral("01.03.025"), 5000);
    const int lFetched = clServer.requestCount("/tovuupdate/firm/tovu-01.03.026.bin");
    auto* pclUpgrade = upRig->find<QPushButton>("buttonUpdateTovu");
    QCOMPARE(pclUpgrade->text(), QStringLiteral("Upgrade the Tovu"));
    // Once the first block is in the camera, the dialog offers no Cancel and says why.
    QStringList lstWhileWriting;
    connect(upRig->window().downloader(), &ClTovuDownload::sigWriteProgress, this, [&] {
        auto* pclDialog = upRig->window().findChild<ClProgressDialog*>();
        lstWhileWriting << QStringLiteral("shown %1, Cancel %2, note %3")
                               .arg(pclDialog->isVisible())
                               .arg(pclDialog->findChild<QPushButton*>("buttonCancel")->isVisible())
                               .arg(pclDialog->findChild<QLabel*>("labelNoCancel")->isVisible());
    });
    WindowRig::click(pclUpgrade);

    // Fetched, sent to the camera, started: the camera says so and goes away.
    QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes, QStringList({strUpgrading}), 10000);
    QCOMPARE(clServer.requestCount("/tovuupdate/firm/tovu-01.03.026.bin"), lFetched + 1);
    QCOMPARE(lstWhileWriting, QStringList({"shown 1, Cancel 0, note 1"}));
    QTRY_VERIFY_WITH_TIMEOUT(!upRig->window().session()->isConnected(), 5000);
    QCOMPARE(firmwareShown(), QStringLiteral("--"));

    // It comes back with the new firmware, and the user is where they were.
    QTRY_VERIFY_WITH_TIMEOUT(upRig->window().session()->isConnected(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(firmwareShown(), QStringLiteral("01.03.026"), 5000);
    QCOMPARE(pclCamera->firmwareVersion(), QStringLiteral("01.03.026"));
    QCOMPARE(upRig->window().currentPage(), 7);
    QCOMPARE(upRig->lstBoxes.size(), 1);
}

void TestWindowUpdate::forgedFirmwareNeverReachesTheCamera()
{
    // The tool's requests pass a proxy that answers them itself: a firmware image of its
    // own, a manifest listing it with matching MD5, and the genuine site's signature.
    using namespace UpdateTestSupport;
    const QByteArray clForgedImage = "TOVU-FIRMWARE 09.99.999\nMODEL Tovu\n" + QByteArray(4096, 'X');
    ClTestHttpServer clProxy;
    QVERIFY(clProxy.listen());
    clProxy.setFile("/tovuupdate/update_firm.xml",
                    manifest({{"firm/tovu-01.03.026.bin", "09.99.999", md5(clForgedImage)}}, "firmware"));
    clProxy.setFile("/tovuupdate/update_firm.xml.sig", readFile(clDir.filePath("site/tovuupdate/update_firm.xml.sig")));
    clProxy.setFile("/tovuupdate/firm/tovu-01.03.026.bin", clForgedImage);
    QVERIFY(writeFile(ClDataFolder::networkFile(),
                      "<settings><proxysetting><use>true</use><ip>127.0.0.1</ip><port>"
                          + QByteArray::number(QUrl(clProxy.baseUrl()).port())
                          + "</port><type>3</type></proxysetting><sourceurl>" + clServer.baseUrl().toUtf8()
                          + "</sourceurl><autoupdate>false</autoupdate></settings>"));
    QVERIFY(plugTovu());
    const int lServedBefore = clServer.requests().size();

    clickOnHelp("buttonUpdateTovu");
    QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes.size(), 1, 10000);
    QVERIFY2(upRig->lstBoxes.first().startsWith("A new firmware is offered, but it cannot be verified"),
             qPrintable(upRig->lstBoxes.first()));
    QCOMPARE(clProxy.requestCount("/tovuupdate/firm/tovu-01.03.026.bin"), 0);
    QCOMPARE(clServer.requests().size(), lServedBefore);
    // Not one block reached the camera, which still runs its own firmware.
    for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
        QVERIFY(stRequest.stPacket.usCode != ClTovuCommandExecFwUpdateData::usCommandCode);
    QCOMPARE(pclCamera->firmwareVersion(), QStringLiteral("01.03.025"));
    upRig.reset();
    QFile::remove(ClDataFolder::networkFile());  // the next window starts without the proxy
}

void TestWindowUpdate::firmwareFromAFileWithNoServer_data()
{
    QTest::addColumn<QString>("strFile");
    QTest::addColumn<QString>("strResult");
    QTest::addColumn<QString>("strVersionAfter");
    QTest::addColumn<bool>("bCommandLine");
    // An image as tools/make-update-site.sh --virtual-firmware makes them (picked on the
    // help page, or named by --firmware-file), and a file that is no firmware, which the
    // camera refuses.
    QTest::newRow("firmware image") << "firmware/firm/tovu-01.03.027.bin" << strUpgrading << "01.03.027" << false;
    QTest::newRow("firmware image, --firmware-file")
        << "firmware/firm/tovu-01.03.027.bin" << strUpgrading << "01.03.027" << true;
    QTest::newRow("not firmware") << "notes.txt"
                                  << "Firmware upgrade failed\nKeep the camera connected, switch it off and on, and "
                                     "start the update again from the help page. If the camera does not start, "
                                     "consult your dealer."
                                  << "01.03.025" << false;
}

void TestWindowUpdate::firmwareFromAFileWithNoServer()
{
    QFETCH(QString, strFile);
    QFETCH(QString, strResult);
    QFETCH(QString, strVersionAfter);
    QFETCH(bool, bCommandLine);
    const QString strFirmware = clDir.filePath("firmware");
    QCOMPARE(QProcess::execute("bash", {TOVU_SITE_SCRIPT, "--virtual-firmware", "01.03.027", strFirmware}), 0);
    QVERIFY(UpdateTestSupport::writeFile(clDir.filePath("notes.txt"), "not a firmware image"));
    const QString strPath = clDir.filePath(strFile.replace("firmware/", "firmware/tovuupdate/"));
    const QByteArray clData = UpdateTestSupport::readFile(strPath);
    QVERIFY(!clData.isEmpty());
    // No update server answers: nothing of this needs one.
    const int lServed = clServer.requests().size();
    ClUpdateServer::setUrl("http://127.0.0.1:9/");
    ClUpdateView::setFileChooserForTests([strPath] { return strPath; });
    ClRunOptions clOptions;
    if (bCommandLine)
        QCOMPARE(clOptions.parse({"tool", "--firmware-file", strPath}), ClRunOptions::ParseResult::Run);
    ClRunOptions::setCurrent(clOptions);
    const bool bPlugged = plugTovu();
    ClRunOptions::setCurrent(ClRunOptions());
    QVERIFY(bPlugged);
    if (!bCommandLine)
        clickOnHelp("buttonFirmwareFile");

    // Asked first, with what the file is and what the camera has now.
    QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes.size(), 2, 10000);
    const QString strAsked = upRig->lstBoxes.first();
    for (const QString& strShown :
         {QFileInfo(strPath).fileName(), "Size: " + QLocale().toString(clData.size()) + " bytes",
          "SHA-256: " + UpdateTestSupport::sha256(clData), QStringLiteral("Firmware in the camera now: 01.03.025")})
        QVERIFY2(strAsked.contains(strShown), qPrintable(strAsked + " lacks " + strShown));
    QCOMPARE(upRig->lstBoxes.at(1), strResult);
    // Installed, the camera restarts and comes back with it.
    QTRY_COMPARE_WITH_TIMEOUT(pclCamera->firmwareVersion(), strVersionAfter, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(upRig->window().session()->isConnected(), 10000);
    QCOMPARE(clServer.requests().size(), lServed);
    ClUpdateView::setFileChooserForTests({});
    ClUpdateServer::setUrl(clServer.baseUrl());
}

QTEST_MAIN(TestWindowUpdate)
#include "TestWindowUpdate.moc"
