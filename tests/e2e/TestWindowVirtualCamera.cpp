// The real main window and USB worker against the emulated camera on the virtual bus, as
// a person meets them: plug in, wait for the camera to be announced, pull it out; a
// Tovu-S in security mode keeps the user on the Mode page until it is in maintenance mode.
#include "ClButtonMode.h"
#include "ClCommandCatalogue.h"
#include "ClMainWidget.h"
#include "ClMessageBox.h"
#include "ClUsbManager.h"
#include "ClVirtualCamera.h"
#include "ClVirtualUsbBus.h"
#include "ClWidgetSelectMode.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

namespace {
QList<qint32> enabledModes(ClWidgetSelectMode* pclBar)
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

private Q_SLOTS:
    void init();
    void cleanup();
    void tovuAnnouncedUnlockedAndPulledOut();
    void tovuSInSecurityModeUntilMaintenance();

private:
    std::unique_ptr<ClMainWidget> newWindow();

    std::unique_ptr<ClVirtualUsbBus> pclBus;
    QStringList lstBoxes;
};

void TestWindowVirtualCamera::init()
{
    lstBoxes.clear();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return QMessageBox::Ok;
    });
    pclBus = std::make_unique<ClVirtualUsbBus>();
    pclBus->setImmediateTimeouts(true);
}

void TestWindowVirtualCamera::cleanup()
{
    ClMessageBox::setTestResponder({});
    pclBus.reset();
}

std::unique_ptr<ClMainWidget> TestWindowVirtualCamera::newWindow()
{
    auto pclWindow = std::make_unique<ClMainWidget>(pclBus.get());
    pclWindow->usbManager()->setSettleDelay(400);
    pclWindow->setPollingInterval(100);
    pclWindow->show();
    return pclWindow;
}

void TestWindowVirtualCamera::tovuAnnouncedUnlockedAndPulledOut()
{
    std::unique_ptr<ClMainWidget> pclWindow = newWindow();
    QSignalSpy clToPage(pclWindow.get(), &ClPageHost::sigReceiveCommand);
    auto* pclCamera = new ClVirtualCamera(0);
    QElapsedTimer clClock;
    clClock.start();
    pclBus->plug(pclCamera);

    // Not before the camera has settled.
    QTest::qWait(200);
    QVERIFY(!pclWindow->isConnected());
    QTRY_VERIFY_WITH_TIMEOUT(pclWindow->isConnected(), 5000);
    QVERIFY(clClock.elapsed() >= 400);
    QCOMPARE(pclWindow->cameraModel(), 0);

    QTRY_COMPARE_WITH_TIMEOUT(pclWindow->currentPage(), 1, 5000);
    QCOMPARE(enabledModes(pclWindow->modeBar()), (QList<qint32>{1, 2, 3, 4, 5, 6, 7}));
    QVERIFY(!pclWindow->modeBar()->button(6)->isVisible());
    // The camera's firmware version reached the page shown.
    bool bVersionSeen = false;
    for (const QList<QVariant>& lstArguments : clToPage) {
        const PV_CMD clCommand = lstArguments.at(0).value<PV_CMD>();
        if (clCommand.value("CMD").toUuid() == ClCommandCatalogue::replyKind("ClTovuCommandGetFwVersion"))
            bVersionSeen = clCommand.value("PARAM2").toString() == pclCamera->firmwareVersion();
    }
    QVERIFY(bVersionSeen);

    QTest::mouseClick(pclWindow->modeBar()->button(3), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), 3);

    pclBus->unplug(pclCamera);
    QTRY_VERIFY_WITH_TIMEOUT(!pclWindow->isConnected(), 5000);
    QCOMPARE(pclWindow->currentPage(), 0);
    QCOMPARE(enabledModes(pclWindow->modeBar()), QList<qint32>{7});
    QCOMPARE(lstBoxes, QStringList());
}

void TestWindowVirtualCamera::tovuSInSecurityModeUntilMaintenance()
{
    std::unique_ptr<ClMainWidget> pclWindow = newWindow();
    auto* pclCamera = new ClVirtualCamera(1, QString(), 1);
    pclBus->plug(pclCamera);
    QTRY_COMPARE_WITH_TIMEOUT(pclWindow->currentPage(), 6, 5000);
    QTRY_COMPARE_WITH_TIMEOUT(enabledModes(pclWindow->modeBar()), (QList<qint32>{6, 7}), 5000);
    QCOMPARE(pclWindow->page(6)->findChild<QLabel*>("labelModeValue")->text(), QStringLiteral("Security"));
    // Locked pages cannot be opened.
    QTest::mouseClick(pclWindow->modeBar()->button(3), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), 6);

    // The camera is switched to maintenance mode; the window's polling notices.
    pclCamera->setSecureMode(2);
    QTRY_COMPARE_WITH_TIMEOUT(enabledModes(pclWindow->modeBar()), (QList<qint32>{1, 2, 3, 4, 5, 6, 7}), 5000);
    QCOMPARE(pclWindow->page(6)->findChild<QLabel*>("labelModeValue")->text(), QStringLiteral("Maintenance"));
    QTest::mouseClick(pclWindow->modeBar()->button(5), Qt::LeftButton);
    QCOMPARE(pclWindow->currentPage(), 5);
    QCOMPARE(lstBoxes, QStringList());
}

QTEST_MAIN(TestWindowVirtualCamera)
#include "TestWindowVirtualCamera.moc"
