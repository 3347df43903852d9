// The connection-mode page: the tab a reload opens on (Wi-Fi off, mode 1 or 2, a mode it
// does not know), the commands of the mode switch and their message, one error box for
// an Apply whose mode commands fail, answers that arrive after a tab switch, and no value
// of a camera left on any tab or row once another camera is plugged in.
#include "framework/ClPageListView.h"
#include "pages/network/ClWidgetAdhoc.h"
#include "pages/network/ClWidgetInfrastructure.h"
#include "pages/network/ClWidgetNetwork.h"
#include "pages/network/ClWidgetNetworkSetting.h"
#include "protocol/ClEnvelope.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QtTest>

namespace {
constexpr quint16 usWifiOn = ClTovuCommandGetWiFiOnOff::usCommandCode;
constexpr quint16 usWifiMode = ClTovuCommandGetWifiMode::usCommandCode;
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;
constexpr quint32 ipv4(quint32 a, quint32 b, quint32 c, quint32 d)
{
    return (a << 24) | (b << 16) | (c << 8) | d;
}

// What a camera keeps about its networks, each value its own so that a test can tell whose
// it sees: joined to an access point, or running its own network.
void giveValues(ClVirtualCamera& clCamera, const QByteArray& clName, quint32 ulMode, quint32 ulHost)
{
    ClVirtualCamera::AccessPoint stPoint;
    stPoint.clSsid = clName + "-AP";
    stPoint.clBssid = "00:11:22:33:44:55";
    stPoint.ulEncryption = 4;
    stPoint.ulSignal = 50;
    stPoint.clKey = clName + "-ap-key";
    clCamera.setAccessPoints({stPoint});
    clCamera.setText(ClTovuCommandGetInfraSsid::usCommandCode, stPoint.clSsid);
    clCamera.setText(ClTovuCommandGetInfraKey::usCommandCode, stPoint.clKey);
    clCamera.setText(ClTovuCommandGetSsid::usCommandCode, "Tovu-" + clName);
    clCamera.setText(ClTovuCommandGetAdhocKey::usCommandCode, clName + "-adhoc-key");
    clCamera.setNumbers(ClTovuCommandGetAdhocAddress::usCommandCode, {ipv4(10, 1, 1, ulHost)});
    clCamera.setNumbers(ClTovuCommandGetInfraAddress::usCommandCode, {ipv4(10, 2, 2, ulHost)});
    clCamera.setNumbers(ClTovuCommandGetRtstPort::usCommandCode, {2000 + ulHost});
    clCamera.setNumbers(usWifiMode, {ulMode});
}

// Every text the section holds, shown now or when its tab or row is opened.
QString textsOf(QWidget* pclRoot)
{
    QStringList lstTexts;
    for (QLabel* pclLabel : pclRoot->findChildren<QLabel*>())
        lstTexts.append(pclLabel->text());
    for (QLineEdit* pclEdit : pclRoot->findChildren<QLineEdit*>())
        lstTexts.append(pclEdit->text());
    return lstTexts.join(QLatin1Char('\n'));
}

// The first camera's values: none may be left for the next camera's user to see.
const QStringList lstFirstValues = {"First-AP", "Tovu-First", "First-adhoc-key", "10.1.1.11", "10.2.2.11", "2011"};
}  // namespace

class TestWidgetNetwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { upRig = std::make_unique<PageRig>(0); }
    void cleanup() { upRig.reset(); }

    void reloadOpensTheCamerasTab_data()
    {
        QTest::addColumn<quint32>("ulWifi");
        QTest::addColumn<quint32>("ulMode");
        QTest::addColumn<int>("lTab");
        QTest::addColumn<bool>("bSsidAsked");
        QTest::newRow("Wi-Fi off still asks name and list") << ulOff << 1u << 2 << true;
        QTest::newRow("infrastructure") << ulOn << 1u << 0 << true;
        QTest::newRow("ad hoc") << ulOn << 2u << 1 << true;
        // The previous tab (the first, on a new page) stays; the chain ends.
        QTest::newRow("mode 0") << ulOn << 0u << 0 << false;
        QTest::newRow("mode 3") << ulOn << 3u << 0 << false;
    }

    void reloadOpensTheCamerasTab()
    {
        QFETCH(quint32, ulWifi);
        QFETCH(quint32, ulMode);
        QFETCH(int, lTab);
        QFETCH(bool, bSsidAsked);
        upRig->camera().setNumbers(usWifiOn, {ulWifi});
        upRig->camera().setNumbers(usWifiMode, {ulMode});
        ClWidgetNetwork* pclPage = open();
        QCOMPARE(pclPage->currentTab(), lTab);
        const QList<QUuid> lstSent = upRig->sentKinds();
        QCOMPARE(lstSent.contains(requestKind<ClTovuCommandGetSsid>()), bSsidAsked);
        QCOMPARE(lstSent.contains(requestKind<ClTovuCommandGetAccesspointList>()), bSsidAsked);
        QCOMPARE(lstSent.contains(requestKind<ClTovuCommandGetWifiMode>()), ulWifi == ulOn);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void applyOnEachTab_data()
    {
        QTest::addColumn<int>("lTab");
        QTest::addColumn<QList<QUuid>>("lstSent");
        QTest::addColumn<QVariantList>("lstValues");
        QTest::addColumn<QString>("strLog");
        QTest::newRow("WiFi Off") << 2
                                  << QList<QUuid> {requestKind<ClTovuCommandSetWiFiOnOff>(),
                                                   requestKind<ClTovuCommandWifiSwitch>()}
                                  << QVariantList {false, false} << "WiFi is set to off";
        // The ad hoc tab with nothing changed ends its setting at once.
        QTest::newRow("Adhoc sends mode 2 twice")
            << 1
            << QList<QUuid> {requestKind<ClTovuCommandSetWifiMode>(), requestKind<ClTovuCommandWifiChange>(),
                             requestKind<ClTovuCommandSetWiFiOnOff>(), requestKind<ClTovuCommandWifiSwitch>()}
            << QVariantList {2u, 2u, true, true} << "AdHoc communication mode is applied";
    }

    void applyOnEachTab()
    {
        QFETCH(int, lTab);
        QFETCH(QList<QUuid>, lstSent);
        QFETCH(QVariantList, lstValues);
        QFETCH(QString, strLog);
        ClWidgetNetwork* pclPage = open();
        pclPage->slotChangeTab(lTab);
        QVERIFY(upRig->settle());
        const int lFrom = int(upRig->lstSent.size());
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(sentAfter(lFrom), lstSent);
        for (int i = 0; i < lstValues.size(); ++i)
            QCOMPARE(upRig->lstSent.at(lFrom + i).value(ClEnvelope::keyParam(2)), lstValues.at(i));
        QCOMPARE(upRig->lstLogs.constLast(), strLog);
        QCOMPARE(upRig->camera().isWifiOn(), lTab != 2);
        if (lTab == 1)
            QCOMPARE(upRig->camera().wifiMode(), 2u);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void failingModeCommandsOneBoxPerApply()
    {
        ClWidgetNetwork* pclPage = open();
        pclPage->slotChangeTab(2);
        QVERIFY(upRig->settle());
        upRig->camera().setFaultStatus(0xFFFB);
        // Both mode commands fail: one box; a second Apply without a reload is reported again.
        for (int i = 1; i <= 2; ++i) {
            upRig->camera().injectFault(ClVirtualCamera::Fault::Status, 2);
            pclPage->slotApply();
            QVERIFY(upRig->settle());
            QCOMPARE(upRig->lstBoxes, QStringList(i, ClWidgetBase::commandErrorText(0xFFFB)));
        }
        QVERIFY(!upRig->lstLogs.contains(QStringLiteral("WiFi is set to off")));
    }

    void answerAfterATabSwitch()
    {
        upRig->camera().setNumbers(usWifiMode, {2});
        ClWidgetNetwork* pclPage = open();
        QCOMPARE(pclPage->currentTab(), 1);
        auto* pclAdhoc = pclPage->findChild<ClWidgetAdhoc*>();
        // A camera that takes its time, waited for as the worker waits for a real one.
        upRig->worker().bus().setImmediateTimeouts(false);
        upRig->camera().setResponseDelay(150);
        const int lFrom = int(upRig->lstSent.size());
        pclAdhoc->findChild<QLabel*>("labelAdhocSsid")->clear();
        pclPage->slotChangeTab(1);
        // The user goes to "WiFi Off" before the ad hoc page's first answer is back: the
        // answers still reach the ad hoc page, which reads on to the end of its chain, and
        // the tab shown stays the one the user chose.
        pclPage->findChild<QAbstractButton*>("tabWifiOff")->click();
        QCOMPARE(pclPage->currentTab(), 2);
        QVERIFY(upRig->settle());
        QCOMPARE(pclPage->currentTab(), 2);
        const QList<QUuid> lstSent = sentAfter(lFrom);
        QVERIFY(lstSent.contains(requestKind<ClTovuCommandGetAdhocSubnetmask>()));
        QCOMPARE(pclAdhoc->findChild<QLabel*>("labelAdhocSsid")->text(),
                 QString::fromLatin1(upRig->camera().text(ClTovuCommandGetSsid::usCommandCode)));
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void anotherCameraShowsOnlyItsOwnValues()
    {
        // The first camera, joined to its access point: the user looks at every tab and row.
        giveValues(upRig->camera(), "First", 1, 11);
        auto upSection = std::make_unique<ClWidgetNetworkSetting>();
        auto* pclPage = upSection->findChild<ClWidgetNetwork*>();
        upRig->attach(upSection.get());
        pclPage->infrastructurePage()->findChild<QPushButton*>("buttonIpSetting")->click();
        QVERIFY(upRig->settle());
        pclPage->slotChangeTab(1);
        QVERIFY(upRig->settle());
        upSection->slotPageChange(upSection->listView()->model()->index(1, 0));
        QVERIFY(upRig->settle());
        for (const QString& strValue : lstFirstValues)
            QVERIFY2(textsOf(upSection.get()).contains(strValue), qPrintable(strValue));

        // It is pulled out, as the window tells its pages.
        upSection->deactivate(&upRig->host());
        upSection->setCameraInfo(-1, QString());
        for (const QString& strValue : lstFirstValues)
            QVERIFY2(!textsOf(upSection.get()).contains(strValue), qPrintable(strValue));

        // Another camera, running its own network: only its values are shown.
        upRig.reset();
        upRig = std::make_unique<PageRig>(0);
        giveValues(upRig->camera(), "Second", 2, 22);
        upRig->attach(upSection.get());
        upSection->slotPageChange(upSection->listView()->model()->index(0, 0));
        QVERIFY(upRig->settle());
        QCOMPARE(pclPage->currentTab(), 1);
        QCOMPARE(upSection->findChild<QLabel*>("labelAdhocSsid")->text(), QStringLiteral("Tovu-Second"));
        QCOMPARE(upSection->findChild<QLabel*>("labelAdhocKey")->text(), QStringLiteral("Second-adhoc-key"));
        for (const QString& strValue : lstFirstValues)
            QVERIFY2(!textsOf(upSection.get()).contains(strValue), qPrintable(strValue));

        // "Initialize all settings" gives the camera new ones: the next visit reads them.
        upRig->camera().setText(ClTovuCommandGetSsid::usCommandCode, "Tovu-Reset");
        upRig->camera().setText(ClTovuCommandGetAdhocKey::usCommandCode, "reset-key");
        upSection->deactivate(&upRig->host());
        upSection->activate(&upRig->host());
        QVERIFY(upRig->settle());
        QCOMPARE(upSection->findChild<QLabel*>("labelAdhocSsid")->text(), QStringLiteral("Tovu-Reset"));
        QCOMPARE(upSection->findChild<QLabel*>("labelAdhocKey")->text(), QStringLiteral("reset-key"));
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

private:
    ClWidgetNetwork* open()
    {
        auto* pclPage = new ClWidgetNetwork(&upRig->host());
        upRig->attach(pclPage);
        return pclPage;
    }
    QList<QUuid> sentAfter(int lFrom) const { return upRig->sentKinds().mid(lFrom); }
    std::unique_ptr<PageRig> upRig;
};

QTEST_MAIN(TestWidgetNetwork)
#include "TestWidgetNetwork.moc"
