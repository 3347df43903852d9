// Updating a camera as a person does it: the real window and USB worker, the emulated
// camera on the virtual bus, and an update site built by tools/make-update-site.sh and
// served on 127.0.0.1. The texts checked are the English catalogue's.
#include "app/ClButtonMode.h"
#include "app/ClMainWidget.h"
#include "app/ClWidgetSelectMode.h"
#include "app/framework/ClMessageBox.h"
#include "data/ClDataFolder.h"
#include "data/ClUpdateServer.h"
#include "protocol/ClTovuCommands.h"
#include "session/ClCameraSession.h"
#include "tests/support/ClTestHttpServer.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestWindowUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void userUpdatesTheTovu();
    void brokenTransferEndsTheUpdate();

private:
    QTemporaryDir clDir;
    ClTestHttpServer clServer;
    QTranslator clLang;
    QTranslator clUpdate;
    QStringList lstBoxes;
};

void TestWindowUpdate::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(clLang.load(":/lang/en") && clUpdate.load(":/en/update"));
    QCoreApplication::installTranslator(&clLang);
    QCoreApplication::installTranslator(&clUpdate);
    // No automatic-update choice from an earlier window.
    QFile::remove(ClDataFolder::networkFile());
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return QMessageBox::Ok;
    });

    // Firmware 01.03.026 for both models, as a person trying updates would publish it.
    const QString strSite = clDir.filePath("site");
    QCOMPARE(QProcess::execute("bash", {TOVU_SITE_SCRIPT, "--virtual-firmware", "01.03.026", strSite}), 0);
    QVERIFY(clServer.listen());
    clServer.setDocumentRoot(strSite);
    ClUpdateServer::setUrl(clServer.baseUrl());
}

void TestWindowUpdate::userUpdatesTheTovu()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    ClMainWidget clWindow(&clBus);
    clWindow.usbService()->setSettleDelay(200);
    clWindow.show();
    auto firmwareShown = [&] { return clWindow.page(7)->findChild<QLabel*>("labelFirmwareVersion")->text(); };
    auto* pclCamera = new ClVirtualCamera(0, "01.03.025");
    pclCamera->setRestartDelay(300);
    clBus.plug(pclCamera);
    QTRY_VERIFY_WITH_TIMEOUT(clWindow.session()->isConnected(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(clWindow.currentPage(), 1, 5000);

    QTest::mouseClick(clWindow.modeBar()->button(7), Qt::LeftButton);
    QCOMPARE(clWindow.currentPage(), 7);
    QCOMPARE(firmwareShown(), QStringLiteral("01.03.025"));
    auto* pclUpgrade = clWindow.page(7)->findChild<QPushButton*>("buttonUpdateTovu");
    QCOMPARE(pclUpgrade->text(), QStringLiteral("Upgrade the Tovu"));
    QVERIFY(pclUpgrade->isEnabled());
    QTest::mouseClick(pclUpgrade, Qt::LeftButton);

    // Fetched, sent to the camera, started: the camera says so and goes away.
    QTRY_COMPARE_WITH_TIMEOUT(
        lstBoxes, QStringList({QString::fromUtf8("Now upgrading\u2026\nPlease wait until Tovu turns off.")}), 10000);
    QCOMPARE(clServer.requestCount("/tovuupdate/firm/tovu-01.03.026.bin"), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!clWindow.session()->isConnected(), 5000);
    QCOMPARE(firmwareShown(), QStringLiteral("--"));

    // It comes back with the new firmware, and the user is where they were.
    QTRY_VERIFY_WITH_TIMEOUT(clWindow.session()->isConnected(), 10000);
    QTRY_COMPARE_WITH_TIMEOUT(firmwareShown(), QStringLiteral("01.03.026"), 5000);
    QCOMPARE(pclCamera->firmwareVersion(), QStringLiteral("01.03.026"));
    QCOMPARE(clWindow.currentPage(), 7);
    QCOMPARE(lstBoxes.size(), 1);
}

void TestWindowUpdate::brokenTransferEndsTheUpdate()
{
    // The block's data packet times out on the wire: the worker reports a transport error,
    // the user hears of the failure, and the camera is never told to start an update.
    lstBoxes.clear();
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    ClMainWidget clWindow(&clBus);
    clWindow.usbService()->setSettleDelay(200);
    clWindow.show();
    auto* pclCamera = new ClVirtualCamera(0, "01.03.025");
    clBus.plug(pclCamera);
    QTRY_VERIFY_WITH_TIMEOUT(clWindow.session()->isConnected(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(clWindow.currentPage(), 1, 5000);
    pclCamera->failNextFirmwareData(-116);

    QTest::mouseClick(clWindow.modeBar()->button(7), Qt::LeftButton);
    QTest::mouseClick(clWindow.page(7)->findChild<QPushButton*>("buttonUpdateTovu"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(lstBoxes, QStringList({QStringLiteral("Firmware upgrade failed")}), 10000);
    QTest::qWait(300);
    QCOMPARE(lstBoxes.size(), 1);
    bool bStartSent = false;
    for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
        bStartSent = bStartSent || stRequest.stPacket.usCode == ClTovuCommandExecFwUpdat::usCommandCode;
    QVERIFY(!bStartSent);
    QVERIFY(clWindow.session()->isConnected());
    QCOMPARE(pclCamera->firmwareVersion(), QStringLiteral("01.03.025"));
    QVERIFY(pclCamera->pendingFirmwareVersion().isEmpty() || pclCamera->pendingFirmwareVersion() == "01.03.025");
}

QTEST_MAIN(TestWindowUpdate)
#include "TestWindowUpdate.moc"
