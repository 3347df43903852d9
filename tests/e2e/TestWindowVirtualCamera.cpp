// The real main window and USB worker against the emulated camera on the virtual bus, as
// a person meets them: plug in, wait for the camera to be announced, pull it out; a Tovu-S
// in security mode keeps the user on the Mode page until it is in maintenance mode.
#include "app/ClButtonMode.h"
#include "app/ClMainWidget.h"
#include "app/ClWidgetSelectMode.h"
#include "framework/ClMessageBox.h"
#include "session/ClCameraSession.h"
#include "update/ClTovuDownload.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

namespace {
const QList<qint32> lstAll {1, 2, 3, 4, 5, 6, 7};

QList<qint32> enabledModes(const ClWidgetSelectMode* pclBar)
{
    QList<qint32> lstModes;
    for (qint32 lMode = 1; lMode <= 7; ++lMode) {
        if (pclBar->button(lMode)->isEnabled())
            lstModes.append(lMode);
    }
    return lstModes;
}
}  // namespace

class TestWindowVirtualCamera : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ClVirtualUsbBus> pclBus;
    std::unique_ptr<ClMainWidget> pclWindow;
    QStringList lstBoxes;

    QList<qint32> enabled() const { return enabledModes(pclWindow->modeBar()); }
    void click(qint32 lMode) { QTest::mouseClick(pclWindow->modeBar()->button(lMode), Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        lstBoxes.clear();
        ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
            lstBoxes.append(strText);
            return QMessageBox::Ok;
        });
        pclBus = std::make_unique<ClVirtualUsbBus>();
        pclBus->setImmediateTimeouts(true);
        pclWindow = std::make_unique<ClMainWidget>(pclBus.get());
        pclWindow->usbService()->setSettleDelay(400);
        // No update checks: the one started with the window is abandoned and none follows a camera.
        pclWindow->downloader()->stop();
        pclWindow->page(7)->findChild<QCheckBox*>("checkAutoUpdate")->setChecked(false);
        pclWindow->session()->setPollingInterval(100);
        pclWindow->show();
    }

    void cleanup()
    {
        pclWindow.reset();
        pclBus.reset();
        ClMessageBox::setTestResponder({});
    }

    void tovuAnnouncedUnlockedAndPulledOut()
    {
        auto* pclCamera = new ClVirtualCamera(0);
        QElapsedTimer clClock;
        clClock.start();
        pclBus->plug(pclCamera);
        // Not before the camera has settled.
        QTest::qWait(200);
        QVERIFY(!pclWindow->session()->isConnected());
        QTRY_VERIFY_WITH_TIMEOUT(pclWindow->session()->isConnected(), 5000);
        QVERIFY(clClock.elapsed() >= 400);
        QCOMPARE(pclWindow->session()->cameraModel(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(pclWindow->currentPage(), 1, 5000);
        QCOMPARE(enabled(), lstAll);
        // The camera's firmware version reached the pages: Help shows it.
        QCOMPARE(pclWindow->page(7)->findChild<QLabel*>("labelFirmwareVersion")->text(), pclCamera->firmwareVersion());

        click(3);
        QCOMPARE(pclWindow->currentPage(), 3);
        pclBus->unplug(pclCamera);
        QTRY_VERIFY_WITH_TIMEOUT(!pclWindow->session()->isConnected(), 5000);
        QCOMPARE(pclWindow->currentPage(), 0);
        QCOMPARE(enabled(), QList<qint32> {7});
        QCOMPARE(lstBoxes, QStringList());
    }

    void tovuSInSecurityModeUntilMaintenance()
    {
        const QList<qint32> lstSecurity {6, 7};
        auto* pclCamera = new ClVirtualCamera(1, QString(), 1);
        pclBus->plug(pclCamera);
        QTRY_COMPARE_WITH_TIMEOUT(pclWindow->currentPage(), 6, 5000);
        QTRY_COMPARE_WITH_TIMEOUT(enabled(), lstSecurity, 5000);
        auto* pclModeValue = pclWindow->page(6)->findChild<QLabel*>("labelModeValue");
        QCOMPARE(pclModeValue->text(), QStringLiteral("Security"));
        QCOMPARE(pclModeValue->palette().color(QPalette::WindowText), QColor(180, 25, 8));
        // Locked pages cannot be opened.
        click(3);
        QCOMPARE(pclWindow->currentPage(), 6);

        // The camera is switched to maintenance mode; the window's polling notices.
        pclCamera->setSecureMode(2);
        QTRY_COMPARE_WITH_TIMEOUT(enabled(), lstAll, 5000);
        QCOMPARE(pclModeValue->text(), QStringLiteral("Maintenance"));
        QCOMPARE(pclModeValue->palette().color(QPalette::WindowText), QColor(26, 97, 9));
        click(5);
        QCOMPARE(pclWindow->currentPage(), 5);

        // Back to security mode while Help is shown: locked again, but the user stays on Help.
        click(7);
        pclCamera->setSecureMode(1);
        QTRY_COMPARE_WITH_TIMEOUT(enabled(), lstSecurity, 5000);
        QCOMPARE(pclWindow->currentPage(), 7);
        QCOMPARE(lstBoxes, QStringList());
    }
};

QTEST_MAIN(TestWindowVirtualCamera)
#include "TestWindowVirtualCamera.moc"
