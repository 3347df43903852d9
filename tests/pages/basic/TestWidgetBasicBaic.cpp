// The other settings page: the sections and the reload chain by model, the power-off time
// shown in h:m:s and kept within its limits, start modes it has no button for, camera
// names the field cannot hold, and what the camera keeps after Apply.
#include "pages/basic/ClWidgetBasicBaic.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {
constexpr quint16 usPowerOff = ClTovuCommandGetAutoPoweroffSetting::usCommandCode;
constexpr quint16 usName = ClTovuCommandGetCameraName::usCommandCode;
constexpr quint16 usStartMode = ClTovuCommandGetStartMode::usCommandCode;
}  // namespace

class TestWidgetBasicBaic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { upRig.reset(); }

    void chainByModel_data()
    {
        QTest::addColumn<int>("lModel");
        QTest::addColumn<QList<QUuid>>("lstChain");
        QTest::newRow("Tovu") << 0
                              << QList<QUuid>({requestKind<ClTovuCommandGetCameraName>(),
                                               requestKind<ClTovuCommandGetLedStart>(),
                                               requestKind<ClTovuCommandGetAutoPoweroffSetting>(),
                                               requestKind<ClTovuCommandGetBatteryAlarm>()});
        // No LED at start and no power-off time: the battery alarm comes straight after the name.
        QTest::newRow("Tovu-S") << 1
                                << QList<QUuid>({requestKind<ClTovuCommandGetCameraName>(),
                                                 requestKind<ClTovuCommandGetBatteryAlarm>(),
                                                 requestKind<ClTovuCommandGetSecureKeyLock>(),
                                                 requestKind<ClTovuCommandGetLedOnSecure>(),
                                                 requestKind<ClTovuCommandGetStartMode>()});
    }

    void chainByModel()
    {
        QFETCH(int, lModel);
        QFETCH(QList<QUuid>, lstChain);
        open(lModel);
        upRig->attach(pclPage);
        QCOMPARE(upRig->sentKinds(), lstChain);
        QCOMPARE(upRig->lstBoxes, QStringList());
        QCOMPARE(!pclPage->findChild<QWidget*>("sectionAutoPowerOff")->isHidden(), lModel == 0);
        QCOMPARE(!pclPage->findChild<QWidget*>("sectionLed")->isHidden(), lModel == 0);
        QCOMPARE(!pclPage->findChild<QWidget*>("sectionKeyLock")->isHidden(), lModel == 1);
        QCOMPARE(!pclPage->findChild<QWidget*>("sectionStartMode")->isHidden(), lModel == 1);
        QCOMPARE(pclPage->findChild<QLineEdit*>("editCameraName")->text(), QStringLiteral("TOVU01"));
    }

    void powerOffShown_data()
    {
        QTest::addColumn<quint32>("ulCamera");
        QTest::addColumn<bool>("bChecked");
        QTest::addColumn<int>("lHours");
        QTest::addColumn<int>("lMinutes");
        QTest::addColumn<int>("lSeconds");
        QTest::addColumn<quint32>("ulApplied");
        QTest::newRow("1:1:1") << 3661u << true << 1 << 1 << 1 << 3661u;
        QTest::newRow("off") << 0u << false << 0 << 1 << 0 << 0u;
        QTest::newRow("72 hours") << 259200u << true << 72 << 0 << 0 << 259200u;
        // Beyond every range: the limit is shown, and Apply leaves the camera's value alone.
        QTest::newRow("nonsense") << 0xFFFFFFFFu << true << 72 << 0 << 0 << 0xFFFFFFFFu;
        // Below the shortest time: the fields' own rule puts the minute in, and Apply
        // writes what they show, as for a time the user typed.
        QTest::newRow("half a minute") << 30u << true << 0 << 1 << 30 << 90u;
    }

    void powerOffShown()
    {
        QFETCH(quint32, ulCamera);
        QFETCH(bool, bChecked);
        QFETCH(int, lHours);
        QFETCH(int, lMinutes);
        QFETCH(int, lSeconds);
        QFETCH(quint32, ulApplied);
        open(0);
        upRig->camera().setNumbers(usPowerOff, {ulCamera});
        upRig->attach(pclPage);
        QCOMPARE(pclPage->findChild<QGroupBox*>("groupAutoPowerOff")->isChecked(), bChecked);
        QCOMPARE(spin("spinPowerOffHours")->value(), lHours);
        QCOMPARE(spin("spinPowerOffMinutes")->value(), lMinutes);
        QCOMPARE(spin("spinPowerOffSeconds")->value(), lSeconds);
        QCOMPARE(spin("spinPowerOffHours")->isEnabled(), bChecked);
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds().isEmpty(), ulApplied == ulCamera);
        QCOMPARE(upRig->camera().numbers(usPowerOff)[0], ulApplied);
        // Changed and changed back: each time the camera gets what is shown, even the
        // limit shown for a time it could not tell.
        if (bChecked) {
            spin("spinPowerOffHours")->setValue(lHours == 72 ? 71 : lHours + 1);
            upRig->apply(pclPage);
            spin("spinPowerOffHours")->setValue(lHours);
            upRig->apply(pclPage);
            QCOMPARE(upRig->camera().numbers(usPowerOff)[0], quint32((lHours * 60 + lMinutes) * 60 + lSeconds));
        }
        // The seconds taken away, a time that is on stays on.
        if (bChecked && lSeconds != 0) {
            spin("spinPowerOffSeconds")->setValue(0);
            upRig->apply(pclPage);
            QCOMPARE(upRig->camera().numbers(usPowerOff)[0], quint32((lHours * 60 + lMinutes) * 60));
        }
    }

    void powerOffLimits()
    {
        open(0);
        upRig->attach(pclPage);
        pclPage->findChild<QGroupBox*>("groupAutoPowerOff")->setChecked(true);
        spin("spinPowerOffMinutes")->setValue(30);
        spin("spinPowerOffSeconds")->setValue(15);
        spin("spinPowerOffHours")->setValue(72);
        QCOMPARE(spin("spinPowerOffMinutes")->value(), 0);
        QCOMPARE(spin("spinPowerOffSeconds")->value(), 0);
        // At 72 hours neither minutes nor seconds can be added.
        spin("spinPowerOffSeconds")->setValue(5);
        QCOMPARE(spin("spinPowerOffSeconds")->value(), 0);
        spin("spinPowerOffMinutes")->setValue(5);
        QCOMPARE(spin("spinPowerOffMinutes")->value(), 0);

        spin("spinPowerOffHours")->setValue(0);
        QCOMPARE(spin("spinPowerOffMinutes")->value(), 1);
        spin("spinPowerOffMinutes")->setValue(0);
        QCOMPARE(spin("spinPowerOffMinutes")->value(), 1);

        // Unchecked, the camera is told 0.
        pclPage->findChild<QGroupBox*>("groupAutoPowerOff")->setChecked(false);
        upRig->apply(pclPage);
        QCOMPARE(upRig->camera().numbers(usPowerOff)[0], 0u);
    }

    void startModeWithoutButton_data()
    {
        QTest::addColumn<quint32>("ulMode");
        QTest::newRow("0") << 0u;
        QTest::newRow("3") << 3u;
    }

    void startModeWithoutButton()
    {
        QFETCH(quint32, ulMode);
        open(1);
        upRig->camera().setNumbers(usStartMode, {ulMode});
        upRig->attach(pclPage);
        QVERIFY(!pclPage->findChild<QRadioButton*>("radioSecurityMode")->isChecked());
        QVERIFY(!pclPage->findChild<QRadioButton*>("radioMaintenanceMode")->isChecked());
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
        QCOMPARE(upRig->camera().numbers(usStartMode)[0], ulMode);
    }

    void namesTheFieldCannotHold_data()
    {
        QTest::addColumn<QByteArray>("clCamera");
        QTest::addColumn<QString>("strShown");
        QTest::newRow("too long") << QByteArray("ABCDEFGHIJKL") << "ABCDEFGH";
        QTest::newRow("not UTF-8") << QByteArray("\xff\xfeT\xc3V") << "TV";
        QTest::newRow("spaces and symbols") << QByteArray("my cam!") << "mycam";
    }

    void namesTheFieldCannotHold()
    {
        QFETCH(QByteArray, clCamera);
        QFETCH(QString, strShown);
        open(0);
        upRig->camera().setText(usName, clCamera);
        upRig->attach(pclPage);
        auto* pclName = pclPage->findChild<QLineEdit*>("editCameraName");
        QCOMPARE(pclName->text(), strShown);
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
        QCOMPARE(upRig->camera().text(usName), clCamera);
        // What the user types is held to what the camera keeps.
        pclName->clear();
        typeText(pclName, QStringLiteral("a b/c\u00e9-d.e_f~gh"));
        QCOMPARE(pclName->text(), QStringLiteral("abc-d.e_"));
    }

    void emptyNameIsNotSent()
    {
        open(0);
        upRig->attach(pclPage);
        pclPage->findChild<QLineEdit*>("editCameraName")->clear();
        pclPage->findChild<QCheckBox*>("checkBatteryAlarm")->toggle();
        upRig->apply(pclPage);
        QCOMPARE(upRig->lstBoxes, QStringList({"Enter a camera name of 1 to 8 characters."}));
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
        QCOMPARE(upRig->camera().text(usName), QByteArray("TOVU01"));
    }

    void appliedSettingsReachTheCamera()
    {
        open(1);
        upRig->attach(pclPage);
        QVERIFY(pclPage->findChild<QRadioButton*>("radioMaintenanceMode")->isChecked());
        auto* pclName = pclPage->findChild<QLineEdit*>("editCameraName");
        pclName->clear();
        QTest::keyClicks(pclName, "Desk-2");
        pclPage->findChild<QCheckBox*>("checkKeyLock")->setChecked(true);
        pclPage->findChild<QRadioButton*>("radioSecurityMode")->setChecked(true);
        pclPage->findChild<QCheckBox*>("checkBatteryAlarm")->setChecked(false);
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds(),
                 QList<QUuid>({requestKind<ClTovuCommandSetCameraName>(), requestKind<ClTovuCommandSetSecureKeyLock>(),
                               requestKind<ClTovuCommandSetStartMode>(), requestKind<ClTovuCommandSetBatteryAlarm>()}));
        QCOMPARE(upRig->camera().text(usName), QByteArray("Desk-2"));
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetSecureKeyLock::usCommandCode)[0], 2u);
        QCOMPARE(upRig->camera().numbers(usStartMode)[0], 1u);
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetBatteryAlarm::usCommandCode)[0], 1u);
        QCOMPARE(upRig->lstLogs, QStringList({"Other settings is applied"}));

        // A refusal is shown, and the applied-message is not.
        upRig->lstLogs.clear();
        pclPage->findChild<QCheckBox*>("checkBatteryAlarm")->setChecked(true);
        upRig->camera().setFaultStatus(0xFFFB);
        upRig->camera().injectFault(ClVirtualCamera::Fault::Status);
        upRig->apply(pclPage);
        QCOMPARE(upRig->lstBoxes, QStringList({"Parameter setting failed"}));
        QCOMPARE(upRig->lstLogs, QStringList());
    }

private:
    void open(int lModel);
    QSpinBox* spin(const char* pszName) const { return pclPage->findChild<QSpinBox*>(pszName); }

    std::unique_ptr<PageRig> upRig;
    ClWidgetBasicBaic* pclPage = nullptr;  // the host's
};

void TestWidgetBasicBaic::open(int lModel)
{
    upRig = std::make_unique<PageRig>(lModel);
    pclPage = new ClWidgetBasicBaic(&upRig->host());
}

QTEST_MAIN(TestWidgetBasicBaic)
#include "TestWidgetBasicBaic.moc"
