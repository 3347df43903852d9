// The network settings through the real window, the USB worker and the emulated camera, as
// a user goes about them: search, pick a WPA network, type its key and Apply; a fixed
// address with a wrong and then a right mask; the ad hoc and Wi-Fi off tabs; the HTTP port
// typed out of range.
#include "app/ClButtonMode.h"
#include "app/ClMainWidget.h"
#include "app/ClStartup.h"
#include "app/ClWidgetSelectMode.h"
#include "app/framework/ClListWidgetBase.h"
#include "app/framework/ClLogWidget.h"
#include "app/framework/ClMessageBox.h"
#include "app/framework/ClPageListView.h"
#include "pages/network/ClWidgetApInfo.h"
#include "protocol/ClTovuCommands.h"
#include "session/ClCameraSession.h"
#include "update/ClTovuDownload.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

class TestWindowNetwork : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ClVirtualUsbBus> pclBus;
    std::unique_ptr<ClMainWidget> pclWindow;
    ClVirtualCamera* pclCamera = nullptr;  // the bus's
    QStringList lstBoxes;

    ClListWidgetBase* network() const { return qobject_cast<ClListWidgetBase*>(pclWindow->page(2)); }
    template <class T> T* find(const char* pszName) const { return network()->findChild<T*>(pszName); }
    QString log() const { return pclWindow->logBar()->findChild<QLabel*>("labelLog")->text(); }
    void apply() { QTest::mouseClick(pclWindow->logBar()->findChild<QPushButton*>("buttonApply"), Qt::LeftButton); }

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

    void openNetwork()
    {
        pclCamera = new ClVirtualCamera(1);
        pclBus->plug(pclCamera);
        QTRY_VERIFY_WITH_TIMEOUT(pclWindow->session()->isConnected(), 5000);
        // The Tovu-S unlocks the mode bar once its mode is known.
        QTRY_VERIFY_WITH_TIMEOUT(pclWindow->modeBar()->button(2)->isEnabled(), 5000);
        QTest::mouseClick(pclWindow->modeBar()->button(2), Qt::LeftButton);
        QCOMPARE(pclWindow->currentPage(), 2);
        QTRY_VERIFY_WITH_TIMEOUT(row(QStringLiteral("Office-5F")), 5000);
    }

private Q_SLOTS:
    void initTestCase() { ClStartup::applyLanguage(qApp, QLocale::English); }

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
        pclWindow->usbService()->setSettleDelay(50);
        pclWindow->downloader()->stop();
        pclWindow->findChild<QCheckBox*>("checkAutoUpdate")->setChecked(false);
        pclWindow->show();
    }

    void cleanup()
    {
        pclWindow.reset();
        pclBus.reset();
        ClMessageBox::setTestResponder({});
    }

    void joinWpaNetworkThenFixedAddress()
    {
        openNetwork();
        QTest::mouseClick(find<QPushButton>("buttonSearchAgain"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(row(QStringLiteral("Office-5F")), 5000);
        QVERIFY(row(QStringLiteral("HomeNetwork"))->isConnected());
        QTest::mouseClick(row(QStringLiteral("Office-5F")), Qt::LeftButton, {}, QPoint(100, 20));
        QLineEdit* pclKey = network()->findChild<QWidget*>("pageInfraApSelect")->findChild<QLineEdit*>("editKey");
        QTRY_VERIFY(pclKey->isVisible());
        type(pclKey, QStringLiteral("office-5f-key"));
        apply();
        QTRY_COMPARE_WITH_TIMEOUT(log(), QStringLiteral("The infrastructure communication mode has been changed."), 5000);
        QCOMPARE(pclCamera->wifiLink().clSsid, QByteArray("Office-5F"));
        QCOMPARE(pclCamera->wifiLink().ulState, 2u);
        QCOMPARE(pclCamera->wifiMode(), 1u);
        QVERIFY(pclCamera->isWifiOn());

        // The joined network moves to the top with its button to the IP settings.
        QTRY_VERIFY_WITH_TIMEOUT(row(QStringLiteral("Office-5F")) && row(QStringLiteral("Office-5F"))->isConnected(),
                                 8000);
        QTest::mouseClick(row(QStringLiteral("Office-5F"))->findChild<QPushButton*>("buttonIpSetting"), Qt::LeftButton);
        auto* pclOff = find<QRadioButton>("radioDhcpOff");
        // As the user sees them: the camera's addresses have arrived.
        QTRY_COMPARE_WITH_TIMEOUT(find<QLineEdit>("editInfraGateway")->text(), QStringLiteral("192.168.0.1"), 5000);
        QTest::mouseClick(pclOff, Qt::LeftButton, {}, QPoint(8, pclOff->height() / 2));
        type(find<QLineEdit>("editInfraAddress"), QStringLiteral("192.168.10.50"));
        type(find<QLineEdit>("editInfraMask"), QStringLiteral("255.0.255.0"));
        type(find<QLineEdit>("editInfraGateway"), QStringLiteral("192.168.10.1"));
        apply();
        QTRY_COMPARE(lstBoxes, QStringList({"Network settings are not valid."}));
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetInfraUseDhcp::usCommandCode)[0], 2u);
        type(find<QLineEdit>("editInfraMask"), QStringLiteral("255.255.255.0"));
        apply();
        QTRY_COMPARE_WITH_TIMEOUT(pclCamera->numbers(ClTovuCommandGetInfraAddress::usCommandCode)[0],
                                  (192u << 24) | (168u << 16) | (10u << 8) | 50u, 5000);
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetInfraUseDhcp::usCommandCode)[0], 1u);
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetInfraSubnetmask::usCommandCode)[0], 0xFFFFFF00u);
        QCOMPARE(lstBoxes.size(), 1);
    }

    void adhocThenWifiOffThenPort()
    {
        openNetwork();
        QTest::mouseClick(find<QToolButton>("tabAdhoc"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(find<QLabel>("labelAdhocSsid")->text(), QStringLiteral("Tovu-4A210F"), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(find<QLineEdit>("editAdhocMask")->text(), QStringLiteral("255.255.255.0"), 5000);
        apply();
        QTRY_COMPARE_WITH_TIMEOUT(log(), QStringLiteral("The Ad-Hoc communication mode has been changed."), 5000);
        QCOMPARE(pclCamera->wifiMode(), 2u);
        QCOMPARE(pclCamera->wifiLink().ulState, 3u);

        QTest::mouseClick(find<QToolButton>("tabWifiOff"), Qt::LeftButton);
        apply();
        QTRY_COMPARE_WITH_TIMEOUT(log(), QStringLiteral("WiFi mode: OFF."), 5000);
        QVERIFY(!pclCamera->isWifiOn());

        ClPageListView* pclList = network()->listView();
        QTest::mouseClick(pclList->viewport(), Qt::LeftButton, {},
                          pclList->visualRect(pclList->model()->index(1, 0)).center());
        QCOMPARE(network()->currentRow(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(find<QLineEdit>("editHttpPort")->text(), QStringLiteral("80"), 5000);
        find<QGroupBox>("groupHttp")->setChecked(true);
        type(find<QLineEdit>("editHttpPort"), QStringLiteral("70000"));
        QCOMPARE(find<QLineEdit>("editHttpPort")->text(), QStringLiteral("70000"));
        apply();
        QTRY_COMPARE_WITH_TIMEOUT(pclCamera->numbers(ClTovuCommandGetHttpPort::usCommandCode)[0], 65535u, 5000);
        QCOMPARE(find<QLineEdit>("editHttpPort")->text(), QStringLiteral("65535"));
        QTRY_COMPARE(log(), QStringLiteral("The port setting has been changed."));
        QCOMPARE(lstBoxes, QStringList());
    }
};

QTEST_MAIN(TestWindowNetwork)
#include "TestWindowNetwork.moc"
