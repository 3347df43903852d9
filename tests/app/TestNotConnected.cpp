// The not-connected page when a Tovu is on the bus but cannot be used: the real window
// and worker on a virtual bus whose camera refuses to be opened or is held elsewhere.
// What the page says, with and without the udev rule installed, and that it goes back to
// asking for the cable once the camera is usable.
#include "app/ClMainWidget.h"
#include "app/ClWidgetNotConnect.h"
#include "framework/ClMessageBox.h"
#include "update/ClTovuDownload.h"
#include "usb/ClUsbApi.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

class TestNotConnected : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void refusedCameraExplained_data();
    void refusedCameraExplained();
    void busyCameraExplainedUntilFree();

private:
    void openWindow();
    QString headline() const { return pclWindow->findChild<QLabel*>("labelNotConnected")->text(); }
    QLabel* diagnosis() const { return pclWindow->findChild<QLabel*>("labelNotConnectedDiagnosis"); }

    QTemporaryDir clRules;
    std::unique_ptr<ClVirtualUsbBus> pclBus;
    std::unique_ptr<ClMainWidget> pclWindow;
    ClVirtualCamera* pclCamera = nullptr;  // the bus's
};

void TestNotConnected::init()
{
    ClMessageBox::setTestResponder([](const QString&, QMessageBox::StandardButtons) { return QMessageBox::Ok; });
    // Never the machine's own rule folders.
    ClWidgetNotConnect::setRuleFolders({clRules.path()});
    QFile::remove(clRules.filePath("70-tovu-camera.rules"));
    pclBus = std::make_unique<ClVirtualUsbBus>();
    pclCamera = new ClVirtualCamera();
}

void TestNotConnected::openWindow()
{
    pclWindow = std::make_unique<ClMainWidget>(pclBus.get());
    pclWindow->downloader()->stop();
    pclWindow->page(7)->findChild<QCheckBox*>("checkAutoUpdate")->setChecked(false);
    pclWindow->show();
}

void TestNotConnected::cleanup()
{
    pclWindow.reset();
    pclBus.reset();
    ClMessageBox::setTestResponder({});
}

void TestNotConnected::refusedCameraExplained_data()
{
    QTest::addColumn<bool>("bRuleInstalled");
    QTest::addColumn<QString>("strAdvice");
    QTest::newRow("no rule") << false << "is not installed";
    QTest::newRow("rule not applied") << true << "Unplug the camera and plug it in again";
}

void TestNotConnected::refusedCameraExplained()
{
    QFETCH(bool, bRuleInstalled);
    QFETCH(QString, strAdvice);
    if (bRuleInstalled) {
        QFile clRule(clRules.filePath("70-tovu-camera.rules"));
        QVERIFY(clRule.open(QIODevice::WriteOnly));
    }
    pclCamera->setOpenFails(true);
    pclBus->plug(pclCamera);
    openWindow();
    QCOMPARE(headline(), QStringLiteral("Connect camera by USB cable"));

    QTRY_COMPARE(headline(), QStringLiteral("A Tovu is connected, but you may not use it."));
    QVERIFY(diagnosis()->isVisible());
    const QString strText = diagnosis()->text();
    QVERIFY2(strText.contains(strAdvice), qPrintable(strText));
    QVERIFY2(strText.contains("<code>sudo udevadm control --reload-rules</code>"), qPrintable(strText));
    QVERIFY2(strText.contains("<code>sudo udevadm trigger</code>"), qPrintable(strText));
    QVERIFY2(strText.contains("/dev/bus/usb/"), qPrintable(strText));
    QCOMPARE(pclWindow->currentPage(), 0);
}

void TestNotConnected::busyCameraExplainedUntilFree()
{
    pclCamera->setClaimError(ClUsbApi::lErrorBusy);
    pclBus->plug(pclCamera);
    openWindow();
    QTRY_COMPARE(headline(), QStringLiteral("A Tovu is connected, but another program is using it."));
    // No process holds the virtual bus's device node, so none is named.
    QVERIFY2(diagnosis()->text().startsWith("Close the other program that uses the camera (/dev/bus/usb/"),
             qPrintable(diagnosis()->text()));

    // Once the other program lets go, the page asks for nothing, and the camera connects.
    pclCamera->setClaimError(0);
    QTRY_COMPARE_WITH_TIMEOUT(headline(), QStringLiteral("Connect camera by USB cable"), 5000);
    QVERIFY(!diagnosis()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(pclWindow->currentPage() != 0, 8000);
}

QTEST_MAIN(TestNotConnected)
#include "TestNotConnected.moc"
