// The network pages against the real USB worker and an emulated camera: the tab a reload
// opens on and the mode switch of each tab; the access-point list (the joined network once
// and first and only while joined, names that are hidden, doubled or no text) and joining
// an open, an encrypted or a typed network; the IP settings, the ad hoc mask and the ports.
// And the address and signal rules on their own.
#include "pages/network/ClIpv4Validator.h"
#include "pages/network/ClWidgetAdvance.h"
#include "pages/network/ClWidgetApInfo.h"
#include "pages/network/ClWidgetApList.h"
#include "pages/network/ClWidgetInfrastructure.h"
#include "pages/network/ClWidgetInfrastructureIp.h"
#include "pages/network/ClWidgetInfrastructureSearch.h"
#include "pages/network/ClWidgetNetwork.h"
#include "pages/network/ClWidgetRssi.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

namespace {
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;
constexpr quint16 usWifiOn = ClTovuCommandGetWiFiOnOff::usCommandCode;
constexpr quint16 usWifiMode = ClTovuCommandGetWifiMode::usCommandCode;
constexpr quint16 usInfraSsid = ClTovuCommandGetInfraSsid::usCommandCode;
constexpr quint16 usInfraKey = ClTovuCommandGetInfraKey::usCommandCode;
constexpr quint16 usDhcp = ClTovuCommandGetInfraUseDhcp::usCommandCode;
constexpr quint16 usRtsp = ClTovuCommandGetRtstPort::usCommandCode;
constexpr quint16 usHttp = ClTovuCommandGetHttpPort::usCommandCode;
using Points = QList<ClVirtualCamera::AccessPoint>;

constexpr quint32 ipv4(quint32 a, quint32 b, quint32 c, quint32 d)
{
    return (a << 24) | (b << 16) | (c << 8) | d;
}

ClVirtualCamera::AccessPoint point(const QByteArray& clSsid, quint32 ulEncryption, quint32 ulSignal,
                                   const QByteArray& clKey = QByteArray())
{
    ClVirtualCamera::AccessPoint stPoint;
    stPoint.clSsid = clSsid;
    stPoint.clBssid = "00:11:22:33:44:55";
    stPoint.ulEncryption = ulEncryption;
    stPoint.ulSignal = ulSignal;
    stPoint.clKey = clKey;
    return stPoint;
}

}  // namespace
Q_DECLARE_METATYPE(Points)

class TestNetworkPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageRig> upRig;
    ClWidgetNetwork* pclPage = nullptr;  // the host's

    // The connection-mode page, shown, in front of a camera of the model given its values.
    ClWidgetNetwork* open(int lModel = 0, const std::function<void(ClVirtualCamera&)>& fnGive = {})
    {
        upRig.reset();  // one rig at a time: each answers the boxes while it lives
        upRig = std::make_unique<PageRig>(lModel);
        if (fnGive)
            fnGive(upRig->camera());
        pclPage = new ClWidgetNetwork(&upRig->host());
        pclPage->resize(460, 469);
        pclPage->show();
        upRig->attach(pclPage);
        return pclPage;
    }
    void applyAndSettle(ClWidgetBase* pclTarget)
    {
        pclTarget->slotApply();
        QVERIFY(upRig->settle());
    }
    template <class T> T* child(const char* pszName) const { return pclPage->findChild<T*>(pszName); }
    ClWidgetInfrastructureSearch* search() const { return pclPage->infrastructurePage()->searchPage(); }
    QStringList rowNames() const
    {
        QStringList lstNames;
        for (ClWidgetApInfo* pclRow : search()->apList()->rows())
            lstNames.append(pclRow->ssid());
        return lstNames;
    }
    ClWidgetApInfo* row(const QString& strSsid) const
    {
        for (ClWidgetApInfo* pclRow : search()->apList()->rows()) {
            if (pclRow->ssid() == strSsid)
                return pclRow;
        }
        return nullptr;
    }
    void choose(const QString& strSsid)
    {
        ClWidgetApInfo* pclRow = row(strSsid);
        QVERIFY(pclRow);
        QTest::mouseClick(pclRow, Qt::LeftButton, {}, QPoint(100, 20));
    }
    bool anyJoined() const
    {
        for (ClWidgetApInfo* pclRow : search()->apList()->rows()) {
            if (pclRow->isConnected() || !pclRow->findChild<QPushButton*>("buttonIpSetting")->isHidden())
                return true;
        }
        return false;
    }

private Q_SLOTS:
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
        QTest::newRow("mode 3") << ulOn << 3u << 0 << false;
    }

    void reloadOpensTheCamerasTab()
    {
        QFETCH(quint32, ulWifi);
        QFETCH(quint32, ulMode);
        QFETCH(int, lTab);
        QFETCH(bool, bSsidAsked);
        open(0, [&](ClVirtualCamera& clCamera) {
            clCamera.setNumbers(usWifiOn, {ulWifi});
            clCamera.setNumbers(usWifiMode, {ulMode});
        });
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
        open();
        pclPage->slotChangeTab(lTab);
        QVERIFY(upRig->settle());
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds(), lstSent);
        for (int i = 0; i < lstValues.size(); ++i)
            QCOMPARE(upRig->lstSent.at(i).value(ClEnvelope::keyParam(2)), lstValues.at(i));
        QCOMPARE(upRig->lstLogs.constLast(), strLog);
        QCOMPARE(upRig->camera().isWifiOn(), lTab != 2);
        if (lTab == 1)
            QCOMPARE(upRig->camera().wifiMode(), 2u);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void failingModeCommandsOneBoxPerApply()
    {
        open();
        pclPage->slotChangeTab(2);
        QVERIFY(upRig->settle());
        upRig->camera().setFaultStatus(0xFFFB);
        // Both mode commands fail: one box; a second Apply without a reload is reported again.
        for (int i = 1; i <= 2; ++i) {
            upRig->camera().injectFault(ClVirtualCamera::Fault::Status, 2);
            applyAndSettle(pclPage);
            QCOMPARE(upRig->lstBoxes, QStringList(i, ClWidgetBase::commandErrorText(0xFFFB)));
        }
        QVERIFY(!upRig->lstLogs.contains(QStringLiteral("WiFi is set to off")));
    }

    void accessPointRows_data()
    {
        QTest::addColumn<Points>("lstPoints");
        QTest::addColumn<QStringList>("lstRows");
        // The camera is joined to nothing in these lists (its stored network is not among them).
        QTest::newRow("hidden names are not shown")
            << Points {point("", 4, 50), point("Visible", 0, 50), point("", 0, 70)} << QStringList {"Visible"};
        QTest::newRow("one row per name") << Points {point("Twin", 4, 85), point("Other", 0, 60), point("Twin", 4, 62)}
                                          << QStringList {"Twin", "Other"};
        QTest::newRow("UTF-8 names are read as text")
            << Points {point(QStringLiteral("喫茶店").toUtf8(), 0, 60)} << QStringList {QStringLiteral("喫茶店")};
        QTest::newRow("32 bytes that are no text, control characters")
            << Points {point(QByteArray(32, '\xff'), 0, 60), point("Tab\tName\x01", 0, 60)}
            << QStringList {QString::fromLatin1(QByteArray(32, '\xff')), QStringLiteral("Tab\tName\x01")};
        Points lstMany;
        QStringList lstManyRows;
        for (int i = 0; i < 256; ++i) {
            lstMany.append(point("Net-" + QByteArray::number(i), 4, 40 + quint32(i % 60)));
            lstManyRows.append(QStringLiteral("Net-%1").arg(i));
        }
        QTest::newRow("256 entries") << lstMany << lstManyRows;
    }

    void accessPointRows()
    {
        QFETCH(Points, lstPoints);
        QFETCH(QStringList, lstRows);
        open(0, [&](ClVirtualCamera& clCamera) { clCamera.setAccessPoints(lstPoints); });
        QCOMPARE(rowNames(), lstRows);
        QVERIFY(!anyJoined());
        if (ClWidgetApInfo* pclTwin = row(QStringLiteral("Twin")))
            QCOMPARE(pclTwin->signalLevel(), 3);  // the stronger access point of the two
        if (ClWidgetApInfo* pclBytes = row(QString::fromLatin1(QByteArray(32, '\xff')))) {
            // Shown, but it cannot be chosen: no text sends those bytes back.
            QTest::mouseClick(pclBytes, Qt::LeftButton, {}, QPoint(100, 20));
            QVERIFY(upRig->lastSent(requestKind<ClTovuCommandSetInfraSsid>()).isEmpty());
        }
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void joinedNetworkIsTheCamerasOwn()
    {
        // In range and joined: shown first, once, checked, with its button to the IP settings,
        // and with the signal the camera has of it (a weak one, one bar).
        open(0, [](ClVirtualCamera& clCamera) {
            clCamera.setAccessPoints(
                {point("Alpha", 0, 60), point("HomeNetwork", 4, 90, "correct-horse"), point("Beta", 2, 70)});
        });
        QCOMPARE(rowNames(), QStringList({"HomeNetwork", "Alpha", "Beta"}));
        QVERIFY(row("HomeNetwork")->isConnected());
        QCOMPARE(row("HomeNetwork")->signalLevel(), 1);
        QPushButton* pclIp = row("HomeNetwork")->findChild<QPushButton*>("buttonIpSetting");
        QVERIFY(!pclIp->isHidden());
        QVERIFY(row("Alpha")->findChild<QPushButton*>("buttonIpSetting")->isHidden());
        pclIp->click();
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 3);

        // The camera's own name as the joined one (its own network): not shown as joined.
        upRig->camera().setText(ClTovuCommandGetSsid::usCommandCode, "HomeNetwork");
        pclPage->slotReload();
        QVERIFY(upRig->settle());
        search()->requestData(true);
        QVERIFY(upRig->settle());
        QCOMPARE(rowNames(), QStringList({"Alpha", "HomeNetwork", "Beta"}));
        QVERIFY(!row("HomeNetwork")->isConnected());

        // The camera leaves its network (a wrong key stored by another tool): after a
        // reload no row is ticked any more, and none offers the IP settings.
        upRig->camera().setText(ClTovuCommandGetSsid::usCommandCode, "Tovu-Own");
        upRig->camera().setText(usInfraKey, "not-the-key");
        pclPage->slotReload();
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->camera().wifiLink().ulState, 1u);
        QVERIFY(!anyJoined());
    }

    void openNetworkJoinedAtOnce_data()
    {
        QTest::addColumn<quint32>("ulEncryption");
        QTest::newRow("open") << 0u;
        QTest::newRow("code 3 is taken as open") << 3u;
        QTest::newRow("0xFFFFFFFF") << 0xFFFFFFFFu;
    }

    void openNetworkJoinedAtOnce()
    {
        QFETCH(quint32, ulEncryption);
        open(0, [&](ClVirtualCamera& clCamera) {
            clCamera.setAccessPoints({point("HomeNetwork", 4, 50, "correct-horse"), point("Open", ulEncryption, 60)});
        });
        QVERIFY(!row("Open")->isEncrypted());
        choose(QStringLiteral("Open"));
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->camera().text(usInfraSsid), QByteArray("Open"));
        // The SSID's completion switches the camera to infrastructure mode.
        QCOMPARE(upRig->lstLogs.constLast(), QStringLiteral("Infrastructure communication mode is applied"));
        QCOMPARE(upRig->camera().wifiLink().clSsid, QByteArray("Open"));
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 0);
    }

    // Each choice the camera refuses is reported, and the mode is not switched.
    void eachFailingChoiceIsReported()
    {
        open(0, [](ClVirtualCamera& clCamera) {
            clCamera.setAccessPoints({point("HomeNetwork", 4, 50, "correct-horse"), point("Open", 0, 60)});
        });
        upRig->camera().setFaultStatus(0xFFFB);
        for (int i = 1; i <= 2; ++i) {
            upRig->camera().injectFault(ClVirtualCamera::Fault::Status, 1);
            choose(QStringLiteral("Open"));
            QVERIFY(upRig->settle());
            QCOMPARE(upRig->lstBoxes, QStringList(i, ClWidgetBase::commandErrorText(0xFFFB)));
        }
        QVERIFY(!upRig->sentKinds().contains(requestKind<ClTovuCommandWifiChange>()));
    }

    void encryptedNetworkWithItsKey()
    {
        open(0, [](ClVirtualCamera& clCamera) {
            clCamera.setAccessPoints(
                {point("HomeNetwork", 4, 50, "correct-horse"), point("Secure", 4, 60, "right-key-1")});
        });
        choose(QStringLiteral("Secure"));
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 2);
        auto* pclKey = child<QWidget>("pageInfraApSelect")->findChild<QLineEdit*>("editKey");
        QCOMPARE(pclKey->echoMode(), QLineEdit::Password);
        // Without a key nothing goes out.
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());

        // A wrong key: the camera stores it, switches to infrastructure mode and fails to
        // join, so no network is shown as joined.
        typeText(pclKey, QStringLiteral("wrong-key"));
        applyAndSettle(pclPage);
        QCOMPARE(upRig->camera().text(usInfraKey), QByteArray("wrong-key"));
        QCOMPARE(upRig->lstLogs.constLast(), QStringLiteral("Infrastructure communication mode is applied"));
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 0);
        search()->requestData(true);
        QVERIFY(upRig->settle());
        QVERIFY(!anyJoined());

        // The right key joins, and the network is shown joined.
        choose(QStringLiteral("Secure"));
        typeText(pclKey, QStringLiteral("right-key-1"));
        applyAndSettle(pclPage);
        search()->requestData(true);
        QVERIFY(upRig->settle());
        QCOMPARE(rowNames(), QStringList({"Secure", "HomeNetwork"}));
        QVERIFY(row("Secure")->isConnected());
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void manualEntry_data()
    {
        QTest::addColumn<QString>("strKey");
        QTest::addColumn<QList<QUuid>>("lstSets");
        QTest::newRow("without a key") << QString()
                                       << QList<QUuid> {requestKind<ClTovuCommandSetInfraSsid>(),
                                                        requestKind<ClTovuCommandSetWifiMode>()};
        // A WPA passphrase may hold spaces anywhere.
        QTest::newRow("key with spaces") << " my home key "
                                         << QList<QUuid> {requestKind<ClTovuCommandSetInfraSsid>(),
                                                          requestKind<ClTovuCommandSetInfraKey>(),
                                                          requestKind<ClTovuCommandSetWifiMode>()};
    }

    void manualEntry()
    {
        QFETCH(QString, strKey);
        QFETCH(QList<QUuid>, lstSets);
        open();
        search()->findChild<QPushButton*>("buttonApManual")->click();
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 1);
        QWidget* pclManual = child<QWidget>("pageInfraManual");
        typeText(pclManual->findChild<QLineEdit*>("editSsid"), QStringLiteral("Out of Reach"));
        typeText(pclManual->findChild<QLineEdit*>("editKey"), strKey);
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds().mid(0, lstSets.size()), lstSets);
        QCOMPARE(upRig->camera().text(usInfraSsid), QByteArray("Out of Reach"));
        QCOMPARE(upRig->camera().text(usInfraKey), strKey.isEmpty() ? QByteArray("correct-horse") : strKey.toLatin1());
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 0);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void refusedKeystrokesSayWhy()
    {
        open();
        search()->findChild<QPushButton*>("buttonApManual")->click();
        QWidget* pclManual = child<QWidget>("pageInfraManual");
        auto* pclKey = pclManual->findChild<QLineEdit*>("editKey");
        typeText(pclKey, QStringLiteral("two words"));
        QVERIFY(pclManual->findChild<QLabel*>("editKeyReason")->text().isEmpty());
        typeText(pclKey, QStringLiteral("\u00e9\t"));
        QCOMPARE(pclKey->text(), QStringLiteral("two words"));
        QVERIFY(!pclManual->findChild<QLabel*>("editKeyReason")->text().isEmpty());
        pclKey->clear();
        typeText(pclKey, QString(70, QLatin1Char('k')));
        QCOMPARE(pclKey->text().size(), 63);
    }

    void searchNeverAnswered()
    {
        open();
        const QStringList lstBefore = rowNames();
        // Each search the camera leaves unanswered is reported, the second one too.
        for (int i = 1; i <= 2; ++i) {
            upRig->camera().injectFault(ClVirtualCamera::Fault::Silent, 1);
            child<QPushButton>("buttonSearchAgain")->click();
            QVERIFY(upRig->settle(20000));
            QCOMPARE(upRig->lstBoxes, QStringList(i, ClWidgetBase::commandErrorText(0xEF05)));
            QCOMPARE(rowNames(), lstBefore);
        }
        // Still usable: the next search finds what the camera sees now.
        upRig->camera().setAccessPoints({point("HomeNetwork", 4, 50, "correct-horse"), point("Found-Later", 0, 60)});
        child<QPushButton>("buttonSearchAgain")->click();
        QVERIFY(upRig->settle());
        QCOMPARE(rowNames(), QStringList({"HomeNetwork", "Found-Later"}));
        QCOMPARE(upRig->lstBoxes.size(), 2);
    }

    void ipApply_data()
    {
        QTest::addColumn<bool>("bDhcpBefore");
        QTest::addColumn<bool>("bDhcp");
        QTest::addColumn<QString>("strAddress");
        QTest::addColumn<QString>("strMask");
        QTest::addColumn<QList<QUuid>>("lstSets");
        QTest::addColumn<bool>("bRefused");
        const QUuid uuidDhcp = requestKind<ClTovuCommandSetInfraUseDhcp>();
        // Nothing changed: no Set command, and the camera still goes to infrastructure mode.
        QTest::newRow("unchanged") << false << false << "192.168.0.120"
                                   << "255.255.255.0" << QList<QUuid> {} << false;
        // Turned on: only the switch, whatever the disabled fields hold.
        QTest::newRow("DHCP turned on") << false << true << "1.2.3.255"
                                        << "255.0.255.0" << QList<QUuid> {uuidDhcp} << false;
        QTest::newRow("fixed address") << true << false << "192.168.0.77"
                                       << "255.255.240.0"
                                       << QList<QUuid> {uuidDhcp, requestKind<ClTovuCommandSetInfraAddress>(),
                                                        requestKind<ClTovuCommandSetInfraSubnetmask>()}
                                       << false;
        QTest::newRow("mask with a hole") << true << false << "192.168.0.77"
                                          << "255.0.255.0" << QList<QUuid> {} << true;
        QTest::newRow("broadcast address") << true << false << "192.168.0.255"
                                           << "255.255.255.0" << QList<QUuid> {} << true;
    }

    void ipApply()
    {
        QFETCH(bool, bDhcpBefore);
        QFETCH(bool, bDhcp);
        QFETCH(QString, strAddress);
        QFETCH(QString, strMask);
        QFETCH(QList<QUuid>, lstSets);
        QFETCH(bool, bRefused);
        open(1, [&](ClVirtualCamera& clCamera) { clCamera.setNumbers(usDhcp, {bDhcpBefore ? ulOn : ulOff}); });
        // Through the joined network's button, as the user gets there.
        for (QPushButton* pclButton : pclPage->findChildren<QPushButton*>("buttonIpSetting")) {
            if (!pclButton->isHidden())
                pclButton->click();
        }
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 3);
        QVERIFY(upRig->settle());
        // The camera was told ad hoc meanwhile: Apply on the IP page must bring it back.
        upRig->camera().setNumbers(usWifiMode, {2});
        auto* pclIp = pclPage->findChild<ClWidgetInfrastructureIp*>();
        auto* pclAddress = pclIp->findChild<QLineEdit*>("editInfraAddress");
        QCOMPARE(pclAddress->text(), QStringLiteral("192.168.0.120"));
        QCOMPARE(pclAddress->isEnabled(), !bDhcpBefore);
        pclIp->findChild<QRadioButton*>(bDhcp ? "radioDhcpOn" : "radioDhcpOff")->setChecked(true);
        pclAddress->setText(strAddress);
        pclIp->findChild<QLineEdit*>("editInfraMask")->setText(strMask);
        upRig->apply(pclPage);
        QList<QUuid> lstSent;
        for (const QUuid& uuidKind : upRig->sentKinds()) {
            if (uuidKind != requestKind<ClTovuCommandSetWifiMode>()
                && uuidKind != requestKind<ClTovuCommandWifiChange>()
                && uuidKind != requestKind<ClTovuCommandSetWiFiOnOff>()
                && uuidKind != requestKind<ClTovuCommandWifiSwitch>()
                && uuidKind != requestKind<ClTovuCommandGetWifiInfo>())
                lstSent.append(uuidKind);
        }
        QCOMPARE(lstSent, lstSets);
        if (bRefused) {
            QCOMPARE(upRig->lstBoxes, QStringList({"Not valid settings of network"}));
            QCOMPARE(pclPage->infrastructurePage()->currentPage(), 3);
            QCOMPARE(upRig->camera().numbers(usWifiMode)[0], 2u);
            return;
        }
        QCOMPARE(upRig->lstBoxes, QStringList());
        QCOMPARE(pclPage->infrastructurePage()->currentPage(), 0);
        QCOMPARE(upRig->camera().numbers(usDhcp)[0], bDhcp ? ulOn : ulOff);
        if (!bDhcp && bDhcpBefore) {
            QCOMPARE(upRig->camera().numbers(ClTovuCommandGetInfraAddress::usCommandCode)[0], ipv4(192, 168, 0, 77));
            QCOMPARE(upRig->camera().numbers(ClTovuCommandGetInfraSubnetmask::usCommandCode)[0],
                     ipv4(255, 255, 240, 0));
            QVERIFY(upRig->lstLogs.contains(QStringLiteral("Setting the IP address is applied")));
        }
        QCOMPARE(upRig->camera().numbers(usWifiMode)[0], 1u);
        QCOMPARE(upRig->lstLogs.constLast(), QStringLiteral("Infrastructure communication mode is applied"));
    }

    void adhocMaskRefused()
    {
        open(1, [](ClVirtualCamera& clCamera) { clCamera.setNumbers(usWifiMode, {2}); });
        auto* pclMask = child<QLineEdit>("editAdhocMask");
        QCOMPARE(pclMask->text(), QStringLiteral("255.255.255.0"));
        pclMask->setText(QStringLiteral("255.255.250.0"));
        applyAndSettle(pclPage);
        QCOMPARE(upRig->lstBoxes, QStringList({"Not valid settings of network"}));
        pclMask->setText(QStringLiteral("255.255.0.0"));
        applyAndSettle(pclPage);
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetAdhocSubnetmask::usCommandCode)[0], ipv4(255, 255, 0, 0));
        QCOMPARE(upRig->lstLogs.constLast(), QStringLiteral("AdHoc communication mode is applied"));
        QCOMPARE(upRig->camera().wifiMode(), 2u);
    }

    void ports_data()
    {
        QTest::addColumn<bool>("bRtspChecked");
        QTest::addColumn<QString>("strRtsp");
        QTest::addColumn<bool>("bHttpChecked");
        QTest::addColumn<QString>("strHttp");
        QTest::addColumn<quint32>("ulRtsp");
        QTest::addColumn<quint32>("ulHttp");
        QTest::addColumn<QString>("strLog");
        QTest::newRow("unchecked is never sent") << false << "8554" << false << "8080" << 554u << 80u << "";
        QTest::newRow("both") << true << "8554" << true << "81" << 8554u << 80u << "Port configuration is applied";
        QTest::newRow("RTSP empty is 554, unchanged") << true << "" << false << "" << 554u << 80u << "";
    }

    void ports()
    {
        QFETCH(bool, bRtspChecked);
        QFETCH(QString, strRtsp);
        QFETCH(bool, bHttpChecked);
        QFETCH(QString, strHttp);
        QFETCH(quint32, ulRtsp);
        QFETCH(quint32, ulHttp);
        QFETCH(QString, strLog);
        upRig = std::make_unique<PageRig>(1);
        auto* pclPorts = new ClWidgetAdvance(&upRig->host());
        upRig->attach(pclPorts);
        QCOMPARE(pclPorts->findChild<QLineEdit*>("editHttpPort")->text(), QStringLiteral("80"));
        pclPorts->findChild<QGroupBox*>("groupRtsp")->setChecked(bRtspChecked);
        pclPorts->findChild<QGroupBox*>("groupHttp")->setChecked(bHttpChecked);
        pclPorts->findChild<QLineEdit*>("editRtspPort")->setText(strRtsp);
        pclPorts->findChild<QLineEdit*>("editHttpPort")->setText(strHttp);
        upRig->apply(pclPorts);
        QCOMPARE(upRig->camera().numbers(usRtsp)[0], ulRtsp);
        QCOMPARE(upRig->camera().numbers(usHttp)[0], ulHttp);
        QCOMPARE(upRig->lstLogs, strLog.isEmpty() ? QStringList() : QStringList({strLog}));
        QCOMPARE(upRig->lstBoxes, QStringList());
        // Applied again untouched: each port is where the camera has it, nothing goes out.
        upRig->apply(pclPorts);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
    }

    void httpGroupOnlyWhereSupported()
    {
        // The Tovu learnt the HTTP port with 01.03.025.
        upRig = std::make_unique<PageRig>(0, QStringLiteral("01.03.023"));
        auto* pclPorts = new ClWidgetAdvance(&upRig->host());
        upRig->attach(pclPorts);
        QVERIFY(pclPorts->findChild<QGroupBox*>("groupHttp")->isHidden());
        QVERIFY(!upRig->sentKinds().contains(requestKind<ClTovuCommandGetHttpPort>()));
        QVERIFY(upRig->lstBoxes.isEmpty());
    }

    // What the address field holds after each text typed into it empty.
    void addressTyping_data()
    {
        QTest::addColumn<QString>("strTyped");
        QTest::addColumn<QString>("strShown");
        QTest::newRow("192 gets its dot") << "192"
                                          << "192.";
        QTest::newRow("full address") << "1921681100"
                                      << "192.168.110.0";
        QTest::newRow("no 256") << "256"
                                << "25";
        QTest::newRow("no leading zero") << "01"
                                         << "0";
        QTest::newRow("no fifth part") << "1.2.3.4.5"
                                       << "1.2.3.45";
        QTest::newRow("no letters") << "1a"
                                    << "1";
    }

    void addressTyping()
    {
        QFETCH(QString, strTyped);
        QFETCH(QString, strShown);
        QLineEdit clEdit;
        clEdit.setValidator(new ClIpv4Validator(&clEdit));
        QTest::keyClicks(&clEdit, strTyped);
        QCOMPARE(clEdit.text(), strShown);
        // The dot added after 192 goes with the digit before it, or it would come back at once.
        if (strShown == QLatin1String("192.")) {
            QTest::keyClick(&clEdit, Qt::Key_Backspace);
            QCOMPARE(clEdit.text(), QStringLiteral("19"));
            QTest::keyClicks(&clEdit, QStringLiteral("8"));
            QCOMPARE(clEdit.text(), QStringLiteral("198."));
        }
    }

    void signalLevels_data()
    {
        QTest::addColumn<quint32>("ulSignal");
        QTest::addColumn<int>("lLevel");
        QTest::newRow("1") << 1u << 3;
        QTest::newRow("65") << 65u << 3;
        QTest::newRow("66") << 66u << 2;
        QTest::newRow("80") << 80u << 2;
        QTest::newRow("81") << 81u << 1;
        QTest::newRow("120") << 120u << 1;
        QTest::newRow("0: no value") << 0u << 0;
        QTest::newRow("121: no value") << 121u << 0;
    }

    void signalLevels()
    {
        QFETCH(quint32, ulSignal);
        QFETCH(int, lLevel);
        ClWidgetRssi clRssi(ulSignal);
        QCOMPARE(clRssi.level(), lLevel);
        // Every level has its picture.
        QVERIFY(!clRssi.pixmap().isNull());
    }
};

QTEST_MAIN(TestNetworkPages)
#include "TestNetworkPages.moc"
