// The GPS page (what goes out when GPS is turned off or on, formats it has no button for)
// and the Wi-Fi page (the off delay's minutes and bounds, turning it off, countries).
#include "pages/basic/ClWidgetBasicGps.h"
#include "pages/basic/ClWidgetBasicWifi.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>

namespace {
constexpr quint16 usGps = ClTovuCommandGetGpsSetting::usCommandCode;
constexpr quint16 usAutoOff = ClTovuCommandGetAutoWiFiOffSetting::usCommandCode;
constexpr quint16 usCountry = ClTovuCommandGetWifiCountry::usCommandCode;
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;
using Params = ClVirtualCamera::Params;
}  // namespace

Q_DECLARE_METATYPE(ClVirtualCamera::Params)

class TestWidgetBasicGpsWifi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { upRig = std::make_unique<PageRig>(0); }
    void cleanup() { upRig.reset(); }

    void gpsApply_data()
    {
        // Camera record: valid, save log, adjust time, format. The user's change: the group
        // checked or not, "Save logs", "GGA+RMC" (the buttons are set even while disabled).
        QTest::addColumn<Params>("arrCamera");
        QTest::addColumn<bool>("bGroup");
        QTest::addColumn<bool>("bSaveLogs");
        QTest::addColumn<bool>("bShortFormat");
        QTest::addColumn<bool>("bSent");
        QTest::addColumn<Params>("arrAfter");
        QTest::newRow("off and unchanged, buttons played with")
            << Params {ulOff, ulOff, ulOn, 1} << false << true << false << false << Params {ulOff, ulOff, ulOn, 1};
        QTest::newRow("turned off: the stored log settings go back")
            << Params {ulOn, ulOn, ulOff, 2} << false << false << true << true << Params {ulOff, ulOn, ulOff, 2};
        QTest::newRow("turned on, the rest unchanged")
            << Params {ulOff, ulOff, ulOn, 1} << true << false << true << true << Params {ulOn, ulOff, ulOn, 1};
        QTest::newRow("on, nothing changed")
            << Params {ulOn, ulOn, ulOff, 2} << true << true << false << false << Params {ulOn, ulOn, ulOff, 2};
        QTest::newRow("on, log and format changed")
            << Params {ulOn, ulOn, ulOff, 2} << true << false << true << true << Params {ulOn, ulOff, ulOff, 1};
        // Neither format button is checked after a format it has none for: "not short" is 2.
        QTest::newRow("unknown format, GPS on")
            << Params {ulOn, ulOff, ulOff, 7} << true << false << false << true << Params {ulOn, ulOff, ulOff, 2};
    }

    void gpsApply()
    {
        QFETCH(Params, arrCamera);
        QFETCH(bool, bGroup);
        QFETCH(bool, bSaveLogs);
        QFETCH(bool, bShortFormat);
        QFETCH(bool, bSent);
        QFETCH(Params, arrAfter);
        upRig->camera().setNumbers(usGps, arrCamera);
        auto* pclPage = new ClWidgetBasicGps(&upRig->host());
        upRig->attach(pclPage);
        auto* pclShort = pclPage->findChild<QRadioButton*>("radioFormatShort");
        auto* pclFull = pclPage->findChild<QRadioButton*>("radioFormatFull");
        if (arrCamera[3] == 7) {
            QVERIFY(!pclShort->isChecked() && !pclFull->isChecked());
        } else {
            QCOMPARE(pclShort->isChecked(), arrCamera[3] == 1);
            pclPage->findChild<QRadioButton*>(bShortFormat ? "radioFormatShort" : "radioFormatFull")->setChecked(true);
        }
        QCOMPARE(pclPage->findChild<QGroupBox*>("groupGps")->isChecked(), arrCamera[0] == ulOn);
        pclPage->findChild<QRadioButton*>(bSaveLogs ? "radioSaveLogs" : "radioNotSaveLogs")->setChecked(true);
        pclPage->findChild<QGroupBox*>("groupGps")->setChecked(bGroup);
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetGpsSetting>()), bSent);
        QVERIFY(upRig->camera().numbers(usGps) == arrAfter);
        QCOMPARE(upRig->lstBoxes, QStringList());
        QCOMPARE(upRig->lstLogs, bSent ? QStringList({"GPS settings is applied"}) : QStringList());
        // Applied again untouched: the camera has it all already.
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
    }

    void autoOffDelay_data()
    {
        QTest::addColumn<quint32>("ulCamera");
        QTest::addColumn<bool>("bChecked");
        QTest::addColumn<int>("lMinutes");
        QTest::addColumn<bool>("bUncheck");
        QTest::addColumn<quint32>("ulAfter");
        QTest::newRow("5 minutes") << 300u << true << 5 << false << 300u;
        QTest::newRow("90 s rewritten as a minute") << 90u << true << 1 << false << 60u;
        QTest::newRow("30 s rewritten as the shortest") << 30u << true << 1 << false << 60u;
        QTest::newRow("601 s rewritten as the longest") << 601u << true << 10 << false << 600u;
        QTest::newRow("never") << 0u << false << 1 << false << 0u;
        QTest::newRow("unchecked by the user: 0") << 300u << true << 5 << true << 0u;
        // Beyond every range: shown as the longest, left as it is.
        QTest::newRow("nonsense") << 0xFFFFFFF0u << true << 10 << false << 0xFFFFFFF0u;
    }

    void autoOffDelay()
    {
        QFETCH(quint32, ulCamera);
        QFETCH(bool, bChecked);
        QFETCH(int, lMinutes);
        QFETCH(bool, bUncheck);
        QFETCH(quint32, ulAfter);
        upRig->camera().setNumbers(usAutoOff, {ulCamera});
        auto* pclPage = new ClWidgetBasicWifi(&upRig->host());
        upRig->attach(pclPage);
        auto* pclGroup = pclPage->findChild<QGroupBox*>("groupAutoWifiOff");
        QCOMPARE(pclGroup->isChecked(), bChecked);
        QCOMPARE(pclPage->findChild<QSpinBox*>("spinAutoOffMinutes")->value(), lMinutes);
        if (bUncheck)
            pclGroup->setChecked(false);
        upRig->apply(pclPage);
        QCOMPARE(upRig->camera().numbers(usAutoOff)[0], ulAfter);
        const bool bSent = ulAfter != ulCamera;
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetAutoWiFiOffSetting>()), bSent);
        QCOMPARE(upRig->lstBoxes, QStringList());
        QCOMPARE(upRig->lstLogs, bSent ? QStringList({"Wifi settings is applied"}) : QStringList());
    }

    void countries_data()
    {
        QTest::addColumn<quint32>("ulCamera");
        QTest::addColumn<int>("lShown");
        QTest::addColumn<int>("lChosen");
        QTest::addColumn<quint32>("ulAfter");
        QTest::newRow("Japan to EU") << 1u << 0 << 2 << 3u;
        QTest::newRow("Auto unchanged") << 4u << 3 << 3 << 4u;
        // A code the list lacks selects nothing; Apply then sets "Auto".
        QTest::newRow("unknown, untouched") << 9u << -1 << -1 << 4u;
        QTest::newRow("unknown, then chosen") << 0xFFFFFFFFu << -1 << 1 << 2u;
    }

    void countries()
    {
        QFETCH(quint32, ulCamera);
        QFETCH(int, lShown);
        QFETCH(int, lChosen);
        QFETCH(quint32, ulAfter);
        upRig->camera().setNumbers(usCountry, {ulCamera});
        auto* pclPage = new ClWidgetBasicWifi(&upRig->host());
        upRig->attach(pclPage);
        auto* pclCombo = pclPage->findChild<QComboBox*>("comboWifiCountry");
        QCOMPARE(pclCombo->currentIndex(), lShown);
        pclCombo->setCurrentIndex(lChosen);
        upRig->apply(pclPage);
        QCOMPARE(upRig->camera().numbers(usCountry)[0], ulAfter);
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetWifiCountry>()), ulAfter != ulCamera);
    }

private:
    std::unique_ptr<PageRig> upRig;
};

QTEST_MAIN(TestWidgetBasicGpsWifi)
#include "TestWidgetBasicGpsWifi.moc"
