// The network settings through the real window, the USB worker and the emulated camera, as
// a user goes about them: search, pick a WPA network, type its key and Apply; then a fixed
// address. Masks and ports the camera would refuse are the network pages' tests.
#include "WindowRig.h"
#include "app/ClStartup.h"
#include "pages/network/ClWidgetApInfo.h"
#include "protocol/ClTovuCommands.h"

#include <QLineEdit>
#include <QRadioButton>

class TestWindowNetwork : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowRig> upRig;

    ClListWidgetBase* network() const { return qobject_cast<ClListWidgetBase*>(upRig->window().page(2)); }
    template <class T> T* find(const char* pszName) const { return network()->findChild<T*>(pszName); }
    ClWidgetApInfo* row(const QString& strSsid) const
    {
        for (ClWidgetApInfo* pclRow : network()->findChildren<ClWidgetApInfo*>()) {
            if (pclRow->ssid() == strSsid)
                return pclRow;
        }
        return nullptr;
    }
    static void type(QLineEdit* pclField, const QString& strText)
    {
        pclField->setFocus();
        pclField->selectAll();
        QTest::keyClick(pclField, Qt::Key_Delete);
        QTest::keyClicks(pclField, strText);
    }

private Q_SLOTS:
    void initTestCase() { ClStartup::applyLanguage(qApp, QLocale::English); }
    void cleanup() { upRig.reset(); }

    void joinWpaNetworkThenFixedAddress()
    {
        upRig = std::make_unique<WindowRig>(50);
        upRig->window().show();
        auto* pclCamera = new ClVirtualCamera(1);
        upRig->bus().plug(pclCamera);
        // The Tovu-S unlocks the mode bar once its mode is known.
        QTRY_VERIFY_WITH_TIMEOUT(upRig->window().modeBar()->button(2)->isEnabled(), 5000);
        WindowRig::click(upRig->window().modeBar()->button(2));
        QTRY_VERIFY_WITH_TIMEOUT(row(QStringLiteral("Office-5F")), 5000);
        WindowRig::click(find<QPushButton>("buttonSearchAgain"));
        QTRY_VERIFY_WITH_TIMEOUT(row(QStringLiteral("Office-5F")), 5000);
        QVERIFY(row(QStringLiteral("HomeNetwork"))->isConnected());
        QTest::mouseClick(row(QStringLiteral("Office-5F")), Qt::LeftButton, {}, QPoint(100, 20));
        QLineEdit* pclKey = network()->findChild<QWidget*>("pageInfraApSelect")->findChild<QLineEdit*>("editKey");
        QTRY_VERIFY(pclKey->isVisible());
        type(pclKey, QStringLiteral("office-5f-key"));
        upRig->apply();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->log(),
                                  QStringLiteral("The infrastructure communication mode has been changed."), 5000);
        QCOMPARE(pclCamera->wifiLink().clSsid, QByteArray("Office-5F"));
        QCOMPARE(pclCamera->wifiLink().ulState, 2u);
        QCOMPARE(pclCamera->wifiMode(), 1u);

        // The joined network moves to the top with its button to the IP settings.
        QTRY_VERIFY_WITH_TIMEOUT(row(QStringLiteral("Office-5F")) && row(QStringLiteral("Office-5F"))->isConnected(),
                                 8000);
        WindowRig::click(row(QStringLiteral("Office-5F"))->findChild<QPushButton*>("buttonIpSetting"));
        auto* pclOff = find<QRadioButton>("radioDhcpOff");
        // As the user sees them: the camera's addresses have arrived.
        QTRY_COMPARE_WITH_TIMEOUT(find<QLineEdit>("editInfraGateway")->text(), QStringLiteral("192.168.0.1"), 5000);
        QTest::mouseClick(pclOff, Qt::LeftButton, {}, QPoint(8, pclOff->height() / 2));
        type(find<QLineEdit>("editInfraAddress"), QStringLiteral("192.168.10.50"));
        type(find<QLineEdit>("editInfraMask"), QStringLiteral("255.255.0.0"));
        upRig->apply();
        QTRY_COMPARE_WITH_TIMEOUT(pclCamera->numbers(ClTovuCommandGetInfraAddress::usCommandCode)[0],
                                  (192u << 24) | (168u << 16) | (10u << 8) | 50u, 5000);
        // The address, the mask and the switch are Sets of their own, one after the other.
        QTRY_COMPARE_WITH_TIMEOUT(pclCamera->numbers(ClTovuCommandGetInfraSubnetmask::usCommandCode)[0], 0xFFFF0000u,
                                  5000);
        QTRY_COMPARE_WITH_TIMEOUT(pclCamera->numbers(ClTovuCommandGetInfraUseDhcp::usCommandCode)[0], 1u, 5000);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }
};

QTEST_MAIN(TestWindowNetwork)
#include "TestWindowNetwork.moc"
