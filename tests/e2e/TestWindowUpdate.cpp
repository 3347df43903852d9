// Updating a camera as a person does it: the real window and USB worker, the emulated
// camera on the virtual bus, and an update site built by tools/make-update-site.sh and
// served on 127.0.0.1. The texts checked are the English catalogue's.
#include "ClButtonMode.h"
#include "ClDataFolder.h"
#include "ClMainWidget.h"
#include "ClMessageBox.h"
#include "ClTestHttpServer.h"
#include "ClTovuDownload.h"
#include "ClUpdateServer.h"
#include "ClUsbManager.h"
#include "ClVirtualCamera.h"
#include "ClVirtualUsbBus.h"
#include "ClWidgetSelectMode.h"

#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {
const QString strSuccess = QString::fromUtf8("Now upgrading\u2026\nPlease wait until Tovu turns off.");
}  // namespace

class TestWindowUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void userUpdatesTheTovu();
    void automaticCheckAskedThenQuietOnceCurrent();
    void toolAlreadyLatest();

private:
    std::unique_ptr<ClMainWidget> newWindow();
    QString firmwareShown(ClMainWidget* pclWindow) const;

    QTemporaryDir clDir;
    ClTestHttpServer clServer;
    QTranslator clLang;
    QTranslator clUpdate;
    std::unique_ptr<ClVirtualUsbBus> pclBus;
    QStringList lstBoxes;
    QMessageBox::StandardButton eAnswer = QMessageBox::Ok;
};

void TestWindowUpdate::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(clLang.load(":/lang/en") && clUpdate.load(":/en/update"));
    QCoreApplication::installTranslator(&clLang);
    QCoreApplication::installTranslator(&clUpdate);

    // Firmware 01.03.026 for both models, as a person trying updates would publish it.
    const QString strSite = clDir.filePath("site");
    QCOMPARE(QProcess::execute("bash", {TOVU_SITE_SCRIPT, "--virtual-firmware", "01.03.026", strSite}), 0);
    QVERIFY(clServer.listen());
    clServer.setDocumentRoot(strSite);
    ClUpdateServer::setUrl(clServer.baseUrl());
}

void TestWindowUpdate::cleanupTestCase()
{
    ClUpdateServer::setUrl(QString());
}

void TestWindowUpdate::init()
{
    // A window remembers its automatic-update choice; every test starts from none.
    QFile::remove(ClDataFolder::networkFile());
    lstBoxes.clear();
    eAnswer = QMessageBox::Ok;
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return eAnswer;
    });
    pclBus = std::make_unique<ClVirtualUsbBus>();
    pclBus->setImmediateTimeouts(true);
}

void TestWindowUpdate::cleanup()
{
    ClMessageBox::setTestResponder({});
    pclBus.reset();
}

std::unique_ptr<ClMainWidget> TestWindowUpdate::newWindow()
{
    auto pclWindow = std::make_unique<ClMainWidget>(pclBus.get());
    pclWindow->usbManager()->setSettleDelay(200);
    pclWindow->show();
    return pclWindow;
}

QString TestWindowUpdate::firmwareShown(ClMainWidget* pclWindow) const
{
    return pclWindow->page(7)->findChild<QLabel*>("labelFirmwareVersion")->text();
}

void TestWindowUpdate::userUpdatesTheTovu()
{
    std::unique_ptr<ClMainWidget> pclWindow = newWindow();
    auto* pclCamera = new ClVirtualCamera(0, "01.03.025");
    pclCamera->setRestartDelay(300);
    pclBus->plug(pclCamera);
    QTRY_VERIFY_WITH_TIMEOUT(pclWindow->isConnected(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(pclWindow->currentPage(), 1, 5000);

    QTest::mouseClick(pclWindow->modeBar()->button(7), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), 7);
    QCOMPARE(firmwareShown(pclWindow.get()), QStringLiteral("01.03.025"));
    auto* pclUpgrade = pclWindow->page(7)->findChild<QPushButton*>("buttonUpdateTovu");
    QCOMPARE(pclUpgrade->text(), QStringLiteral("Upgrade the Tovu"));
    QVERIFY(pclUpgrade->isEnabled());
    QTest::mouseClick(pclUpgrade, Qt::LeftButton);

    // Fetched, sent to the camera, started: the camera says so and goes away.
    QTRY_COMPARE_WITH_TIMEOUT(lstBoxes, QStringList({strSuccess}), 10000);
    QCOMPARE(clServer.requestCount("/tovuupdate/firm/tovu-01.03.026.bin"), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!pclWindow->isConnected(), 5000);
    QCOMPARE(firmwareShown(pclWindow.get()), QStringLiteral("--"));

    // It comes back with the new firmware, and the user is where they were.
    QTRY_VERIFY_WITH_TIMEOUT(pclWindow->isConnected(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(firmwareShown(pclWindow.get()), QStringLiteral("01.03.026"), 5000);
    QCOMPARE(pclCamera->firmwareVersion(), QStringLiteral("01.03.026"));
    QCOMPARE(pclWindow->currentPage(), 7);
    QCOMPARE(lstBoxes.size(), 1);
    QVERIFY(!pclWindow->downloader()->isBusy());
}

void TestWindowUpdate::automaticCheckAskedThenQuietOnceCurrent()
{
    std::unique_ptr<ClMainWidget> pclWindow = newWindow();
    pclWindow->page(7)->findChild<QCheckBox*>("checkAutoUpdate")->setChecked(true);
    eAnswer = QMessageBox::Yes;
    auto* pclCamera = new ClVirtualCamera(1, "01.00.011");
    pclCamera->setRestartDelay(300);
    pclBus->plug(pclCamera);

    // Connecting starts an automatic check, which asks before fetching anything.
    QTRY_COMPARE_WITH_TIMEOUT(lstBoxes.size(), 2, 10000);
    QCOMPARE(lstBoxes.at(0), QStringLiteral("The new version of Firmware is now available..\n"
                                            "Would you like to upgrade it?"));
    QCOMPARE(lstBoxes.at(1), strSuccess);
    QCOMPARE(clServer.requestCount("/tovuupdate/firm_s/tovu-s-01.03.026.bin"), 1);

    // Back with the new version: the next automatic check finds nothing and says nothing.
    QTRY_VERIFY_WITH_TIMEOUT(!pclWindow->isConnected(), 5000);
    const int lManifestRequests = clServer.requestCount("/tovuupdate/update_firm_s.xml");
    QTRY_VERIFY_WITH_TIMEOUT(pclWindow->isConnected(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(clServer.requestCount("/tovuupdate/update_firm_s.xml"), lManifestRequests + 1, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!pclWindow->downloader()->isBusy(), 5000);
    QCOMPARE(pclCamera->firmwareVersion(), QStringLiteral("01.03.026"));
    QTest::qWait(200);
    QCOMPARE(lstBoxes.size(), 2);
}

void TestWindowUpdate::toolAlreadyLatest()
{
    std::unique_ptr<ClMainWidget> pclWindow = newWindow();
    // Without a camera only the help page can be opened.
    QTest::mouseClick(pclWindow->modeBar()->button(7), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), 7);
    auto* pclOwn = pclWindow->page(7)->findChild<QPushButton*>("buttonUpdateOwn");
    QCOMPARE(pclOwn->text(), QStringLiteral("Upgrade Tovu Setup Tool"));
    QTest::mouseClick(pclOwn, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(lstBoxes, QStringList({"Your Software is the latest version."}), 10000);
    QCOMPARE(clServer.requestCount("/tovuupdate/update_tool.xml"), 1);
}

QTEST_MAIN(TestWindowUpdate)
#include "TestWindowUpdate.moc"
