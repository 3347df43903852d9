// An Apply the user leaves before the camera has answered (another tab, another row,
// another mode): it still ends as it would have, with its message, and the page applies
// again when the user comes back.
#include "framework/ClPageListView.h"
#include "pages/basic/ClWidgetBasicSetting.h"
#include "pages/network/ClWidgetNetwork.h"
#include "pages/schedule/ClWidgetScheduleSetting.h"
#include "tests/pages/PageRig.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHostAddress>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

namespace {
// Long enough for the user to leave before the first answer.
constexpr int lSlowMs = 120;

// A camera that takes its time, waited for as the worker waits for a real one.
void slowDown(PageRig& clRig, int lDelayMs)
{
    clRig.worker().bus().setImmediateTimeouts(lDelayMs == 0);
    clRig.camera().setResponseDelay(lDelayMs);
}
}  // namespace

class TestLeftApply : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void adhocTabLeftForAnotherTab()
    {
        PageRig clRig(0);
        clRig.camera().setNumbers(ClTovuCommandGetWifiMode::usCommandCode, {1});
        auto* pclPage = new ClWidgetNetwork(&clRig.host());
        clRig.attach(pclPage);
        auto* pclAddress = pclPage->findChild<QLineEdit*>("editAdhocAddress");
        for (const QString& strAddress : {QStringLiteral("192.168.10.20"), QStringLiteral("192.168.10.21")}) {
            pclPage->slotChangeTab(1);
            QVERIFY(clRig.settle());
            pclAddress->setText(strAddress);
            slowDown(clRig, lSlowMs);
            clRig.lstLogs.clear();
            pclPage->slotApply();
            // Gone to the infrastructure tab before the address is stored.
            pclPage->slotChangeTab(0);
            QVERIFY(clRig.settle());
            slowDown(clRig, 0);
            QCOMPARE(clRig.camera().numbers(ClTovuCommandGetAdhocAddress::usCommandCode)[0],
                     QHostAddress(strAddress).toIPv4Address());
            QCOMPARE(clRig.camera().wifiMode(), 2u);
            // (The tab's own end, which asks for the mode switch, says nothing.)
            clRig.lstLogs.removeAll(QString());
            QCOMPARE(clRig.lstLogs, QStringList {QStringLiteral("AdHoc communication mode is applied")});
            clRig.camera().setNumbers(ClTovuCommandGetWifiMode::usCommandCode, {1});
        }
        QCOMPARE(clRig.lstBoxes, QStringList());
    }

    void timeRowLeftForAnotherRow()
    {
        PageRig clRig(1);
        auto* pclBasic = new ClWidgetBasicSetting(&clRig.host());
        clRig.attach(pclBasic);
        auto* pclTime = qobject_cast<ClWidgetBase*>(pclBasic->page(0));
        auto* pclZone = pclTime->findChild<QComboBox*>("comboTimeZone");
        for (int lYear : {2031, 2032}) {
            pclBasic->slotPageChange(pclBasic->listView()->model()->index(0, 0));
            QVERIFY(clRig.settle());
            pclZone->setCurrentIndex(pclZone->currentIndex() == 3 ? 4 : 3);
            pclTime->findChild<QSpinBox*>("spinYear")->setValue(lYear);
            slowDown(clRig, lSlowMs);
            clRig.lstLogs.clear();
            pclTime->slotApply();
            // Gone to the GPS row before the zone's completion brings the time after it.
            pclBasic->slotPageChange(pclBasic->listView()->model()->index(1, 0));
            QVERIFY(clRig.settle());
            slowDown(clRig, 0);
            QCOMPARE(clRig.camera().cameraTime().date().year(), lYear);
            QCOMPARE(clRig.lstLogs, QStringList {QStringLiteral("Time settings is applied")});
        }
        QCOMPARE(clRig.lstBoxes, QStringList());
    }

    void schedulePageLeftForAnotherMode()
    {
        PageRig clRig(1);
        auto* pclPage = new ClWidgetScheduleSetting(&clRig.host());
        clRig.attach(pclPage);
        auto* pclEnable = pclPage->findChild<QCheckBox*>("checkScheduleEnable");
        for (bool bOn : {true, false}) {
            pclPage->activate(&clRig.host());
            QVERIFY(clRig.settle());
            pclEnable->setChecked(bOn);
            slowDown(clRig, lSlowMs);
            clRig.lstLogs.clear();
            pclPage->slotApply();
            // Another mode chosen before the switch is stored.
            pclPage->deactivate(&clRig.host());
            QVERIFY(clRig.settle());
            slowDown(clRig, 0);
            QCOMPARE(clRig.camera().numbers(ClTovuCommandGetScheOnOff::usCommandCode)[0], bOn ? 2u : 1u);
            QCOMPARE(clRig.lstLogs.size(), 1);
        }
        QCOMPARE(clRig.lstBoxes, QStringList());
    }
};

QTEST_MAIN(TestLeftApply)
#include "TestLeftApply.moc"
