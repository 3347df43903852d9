// The IP settings (DHCP turned on sends one command, an unchanged Apply still switches the
// mode, invalid addresses are refused before anything goes out), the ad hoc addresses, and
// the ports (an unchecked group is never sent, a port out of range is corrected, the HTTP
// group only on cameras that have it, a refused port shows the camera's reason).
#include "pages/network/ClWidgetAdvance.h"
#include "pages/network/ClWidgetInfrastructure.h"
#include "pages/network/ClWidgetInfrastructureIp.h"
#include "pages/network/ClWidgetNetwork.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;
constexpr quint16 usDhcp = ClTovuCommandGetInfraUseDhcp::usCommandCode;
constexpr quint16 usAddress = ClTovuCommandGetInfraAddress::usCommandCode;
constexpr quint16 usMask = ClTovuCommandGetInfraSubnetmask::usCommandCode;
constexpr quint16 usAdhocMask = ClTovuCommandGetAdhocSubnetmask::usCommandCode;
constexpr quint16 usRtsp = ClTovuCommandGetRtstPort::usCommandCode;
constexpr quint16 usHttp = ClTovuCommandGetHttpPort::usCommandCode;
constexpr quint32 ipv4(quint32 a, quint32 b, quint32 c, quint32 d)
{
    return (a << 24) | (b << 16) | (c << 8) | d;
}
}  // namespace

class TestWidgetIpAdvance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { upRig = std::make_unique<PageRig>(1); }
    void cleanup() { upRig.reset(); }

    void ipApply_data()
    {
        QTest::addColumn<bool>("bDhcpBefore");
        QTest::addColumn<bool>("bDhcp");
        QTest::addColumn<QString>("strAddress");
        QTest::addColumn<QString>("strMask");
        QTest::addColumn<QList<QUuid>>("lstSets");
        QTest::addColumn<bool>("bRefused");
        const QUuid uuidDhcp = requestKind<ClTovuCommandSetInfraUseDhcp>();
        const QUuid uuidAddress = requestKind<ClTovuCommandSetInfraAddress>();
        const QUuid uuidMask = requestKind<ClTovuCommandSetInfraSubnetmask>();
        // Nothing changed: no Set command, and the camera still goes to infrastructure mode.
        QTest::newRow("unchanged") << false << false << "192.168.0.120"
                                   << "255.255.255.0" << QList<QUuid> {} << false;
        // Turned on: only the switch, whatever the disabled fields hold.
        QTest::newRow("DHCP turned on") << false << true << "1.2.3.255"
                                        << "255.0.255.0" << QList<QUuid> {uuidDhcp} << false;
        QTest::newRow("fixed address") << true << false << "192.168.0.77"
                                       << "255.255.240.0" << QList<QUuid> {uuidDhcp, uuidAddress, uuidMask} << false;
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
        upRig->camera().setNumbers(usDhcp, {bDhcpBefore ? ulOn : ulOff});
        openIp();
        QCOMPARE(ip<QLineEdit>("editInfraAddress")->text(), QStringLiteral("192.168.0.120"));
        QCOMPARE(ip<QLineEdit>("editInfraAddress")->isEnabled(), !bDhcpBefore);
        ip<QRadioButton>(bDhcp ? "radioDhcpOn" : "radioDhcpOff")->setChecked(true);
        ip<QLineEdit>("editInfraAddress")->setText(strAddress);
        ip<QLineEdit>("editInfraMask")->setText(strMask);
        const int lFrom = int(upRig->lstSent.size());
        pclNetwork->slotApply();
        QVERIFY(upRig->settle());
        QList<QUuid> lstSent;
        for (const QUuid& uuidKind : upRig->sentKinds().mid(lFrom)) {
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
            QCOMPARE(pclNetwork->infrastructurePage()->currentPage(), 3);
            QCOMPARE(upRig->camera().numbers(ClTovuCommandGetWifiMode::usCommandCode)[0], 2u);
            return;
        }
        QCOMPARE(upRig->lstBoxes, QStringList());
        QCOMPARE(pclNetwork->infrastructurePage()->currentPage(), 0);
        QCOMPARE(upRig->camera().numbers(usDhcp)[0], bDhcp ? ulOn : ulOff);
        if (!bDhcp && bDhcpBefore) {
            QCOMPARE(upRig->camera().numbers(usAddress)[0], ipv4(192, 168, 0, 77));
            QCOMPARE(upRig->camera().numbers(usMask)[0], ipv4(255, 255, 240, 0));
            QVERIFY(upRig->lstLogs.contains(QStringLiteral("Setting the IP address is applied")));
        }
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetWifiMode::usCommandCode)[0], 1u);
        QCOMPARE(upRig->lstLogs.constLast(), QStringLiteral("Infrastructure communication mode is applied"));
    }

    void adhocMaskRefused()
    {
        upRig->camera().setNumbers(ClTovuCommandGetWifiMode::usCommandCode, {2});
        auto* pclPage = new ClWidgetNetwork(&upRig->host());
        upRig->attach(pclPage);
        auto* pclMask = pclPage->findChild<QLineEdit*>("editAdhocMask");
        QCOMPARE(pclMask->text(), QStringLiteral("255.255.255.0"));
        pclMask->setText(QStringLiteral("255.255.250.0"));
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->lstBoxes, QStringList({"Not valid settings of network"}));
        pclMask->setText(QStringLiteral("255.255.0.0"));
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->camera().numbers(usAdhocMask)[0], ipv4(255, 255, 0, 0));
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
        auto* pclPage = new ClWidgetAdvance(&upRig->host());
        upRig->attach(pclPage);
        QCOMPARE(pclPage->findChild<QLineEdit*>("editHttpPort")->text(), QStringLiteral("80"));
        pclPage->findChild<QGroupBox*>("groupRtsp")->setChecked(bRtspChecked);
        pclPage->findChild<QGroupBox*>("groupHttp")->setChecked(bHttpChecked);
        pclPage->findChild<QLineEdit*>("editRtspPort")->setText(strRtsp);
        pclPage->findChild<QLineEdit*>("editHttpPort")->setText(strHttp);
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->camera().numbers(usRtsp)[0], ulRtsp);
        QCOMPARE(upRig->camera().numbers(usHttp)[0], ulHttp);
        QCOMPARE(upRig->lstLogs, strLog.isEmpty() ? QStringList() : QStringList({strLog}));
        QCOMPARE(upRig->lstBoxes, QStringList());
        // Applied again untouched: each port is where the camera has it, nothing goes out.
        upRig->lstSent.clear();
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
    }

    void httpGroupOnlyWhereSupported()
    {
        upRig.reset();
        // The Tovu learnt the HTTP port with 01.03.025.
        upRig = std::make_unique<PageRig>(0, QStringLiteral("01.03.023"));
        auto* pclPage = new ClWidgetAdvance(&upRig->host());
        upRig->attach(pclPage);
        QVERIFY(pclPage->findChild<QGroupBox*>("groupHttp")->isHidden());
        QVERIFY(!upRig->sentKinds().contains(requestKind<ClTovuCommandGetHttpPort>()));
        QVERIFY(upRig->lstBoxes.isEmpty());
    }

private:
    void openIp()
    {
        pclNetwork = new ClWidgetNetwork(&upRig->host());
        upRig->attach(pclNetwork);
        // Through the joined network's button, as the user gets there.
        for (QPushButton* pclButton : pclNetwork->findChildren<QPushButton*>("buttonIpSetting")) {
            if (!pclButton->isHidden())
                pclButton->click();
        }
        QCOMPARE(pclNetwork->infrastructurePage()->currentPage(), 3);
        QVERIFY2(upRig->settle(), "IP page");
        // The camera was told ad hoc meanwhile: Apply on the IP page must bring it back.
        upRig->camera().setNumbers(ClTovuCommandGetWifiMode::usCommandCode, {2});
    }
    template <class T> T* ip(const char* pszName) const
    {
        return pclNetwork->findChild<ClWidgetInfrastructureIp*>()->findChild<T*>(pszName);
    }
    std::unique_ptr<PageRig> upRig;
    ClWidgetNetwork* pclNetwork = nullptr;
};

QTEST_MAIN(TestWidgetIpAdvance)
#include "TestWidgetIpAdvance.moc"
