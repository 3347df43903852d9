// The real main window and USB worker on the virtual bus, with the simplest device that
// speaks the camera's packets: it answers everything with status 0 but names no model,
// so the tool must say that it does not support this camera and stay unconnected.
#include "ClButtonMode.h"
#include "ClMainWidget.h"
#include "ClMessageBox.h"
#include "ClUsbManager.h"
#include "ClVirtualEchoDevice.h"
#include "ClVirtualUsbBus.h"
#include "ClWidgetSelectMode.h"

#include <QtTest>

class TestWindowEchoDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void unknownDeviceIsExplainedAndNotConnected();

private:
    QStringList lstBoxes;
};

void TestWindowEchoDevice::init()
{
    lstBoxes.clear();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return QMessageBox::Ok;
    });
}

void TestWindowEchoDevice::cleanup()
{
    ClMessageBox::setTestResponder({});
}

void TestWindowEchoDevice::unknownDeviceIsExplainedAndNotConnected()
{
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    ClMainWidget clWindow(&clBus);
    clWindow.usbManager()->setSettleDelay(100);
    clWindow.show();
    QCOMPARE(clWindow.currentPage(), 0);

    auto* pclDevice = new ClVirtualEchoDevice;
    clBus.plug(pclDevice);
    QTRY_COMPARE_WITH_TIMEOUT(lstBoxes.size(), 1, 10000);
    QCOMPARE(lstBoxes.at(0), QStringLiteral("In this version of the tool maintenance is not supported.\n"
                                            "Make up a version of the tool than help."));
    QVERIFY(!clWindow.isConnected());
    QCOMPARE(clWindow.currentPage(), 0);
    QVERIFY(!clWindow.modeBar()->button(1)->isEnabled());

    // Pulling it out again is no news to a window that never took it.
    clBus.unplug(pclDevice);
    QTest::qWait(300);
    QCOMPARE(lstBoxes.size(), 1);
    QCOMPARE(clWindow.currentPage(), 0);
}

QTEST_MAIN(TestWindowEchoDevice)
#include "TestWindowEchoDevice.moc"
