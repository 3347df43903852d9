// The basic settings through the real window, the USB worker and the emulated camera, as
// a user goes about them: the camera's name, LEDs and power-off time applied and read back
// with Reload (the clock and zone are the time page's tests, and the keyboard's); and a
// second camera plugged in after the first, whose password the first one's does not open.
#include "WindowRig.h"
#include "app/ClStartup.h"
#include "protocol/ClTovuCommands.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

namespace {
constexpr quint16 usZone = ClTovuCommandGetTimezone::usCommandCode;
}  // namespace

class TestWindowBasic : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<WindowRig> upRig;
    ClVirtualCamera* pclCamera = nullptr;  // the bus's

    ClListWidgetBase* basic() const { return qobject_cast<ClListWidgetBase*>(upRig->window().page(3)); }
    template <class T> T* find(const char* pszName) const { return basic()->findChild<T*>(pszName); }
    void openRow(int lRow)
    {
        WindowRig::openRow(basic(), lRow);
        QCOMPARE(basic()->currentRow(), lRow);
    }

    bool asked(quint16 usCode) const
    {
        for (const ClVirtualCamera::Request& stRequest : pclCamera->requests()) {
            if (stRequest.stPacket.usCode == usCode)
                return true;
        }
        return false;
    }

    // On its button, not in the middle of a wide row beside its text.
    void clickRadio(const char* pszName)
    {
        auto* pclRadio = find<QRadioButton>(pszName);
        QTest::mouseClick(pclRadio, Qt::LeftButton, {}, QPoint(8, pclRadio->height() / 2));
        QVERIFY(pclRadio->isChecked());
    }

    static void type(QWidget* pclField, const QString& strText)
    {
        pclField->setFocus();
        QTest::keyClick(pclField, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pclField, strText);
    }

    void openBasic(ClVirtualCamera* pclNew = new ClVirtualCamera(0))
    {
        pclCamera = pclNew;
        pclCamera->setCameraTime(QDateTime(QDate(2020, 5, 5), QTime(10, 0, 0)));
        pclCamera->setNumbers(usZone, {0});
        upRig->bus().plug(pclCamera);
        // Connected is not yet unlocked: the section's button opens once the camera's model is known.
        QTRY_VERIFY_WITH_TIMEOUT(upRig->window().modeBar()->button(3)->isEnabled(), 5000);
        WindowRig::click(upRig->window().modeBar()->button(3));
        QCOMPARE(upRig->window().currentPage(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(find<QSpinBox>("spinYear")->value(), 2020, 5000);
    }

    // Every row opened in turn, each left once the last value of its chain is shown.
    void readEveryRow()
    {
        for (const auto& [lRow, usLast] : {std::pair<int, quint16> {0, ClTovuCommandGetGpsSetting::usCommandCode},
                                           {1, ClTovuCommandGetGpsSetting::usCommandCode},
                                           {2, ClTovuCommandGetAutoWiFiOffSetting::usCommandCode},
                                           {3, ClTovuCommandGetStreamAuthorizationPassword::usCommandCode},
                                           {4, ClTovuCommandGetBatteryAlarm::usCommandCode}}) {
            pclCamera->clearRequests();
            openRow(lRow);
            QTRY_VERIFY_WITH_TIMEOUT(asked(usLast), 5000);
            QTest::qWait(100);
        }
    }

    // What the first camera of secondCameraShowsNothingOfTheFirst() set apart from every
    // default, wherever it is still shown.
    QStringList firstCameraShown() const
    {
        QStringList lstShown;
        const auto note = [&lstShown](bool bShown, const char* pszWhat) {
            if (bShown)
                lstShown.append(QLatin1String(pszWhat));
        };
        note(find<QComboBox>("comboTimeZone")->currentIndex() == 12, "zone");
        note(find<QSpinBox>("spinYear")->value() == 2020, "year");
        note(find<QRadioButton>("radioFormatFull")->isChecked(), "GPS log format");
        note(find<QRadioButton>("radioSaveLogs")->isChecked(), "GPS log saved");
        note(find<QComboBox>("comboWifiCountry")->currentIndex() == 2, "Wi-Fi country");
        note(find<QSpinBox>("spinAutoOffMinutes")->value() == 7, "Wi-Fi off delay");
        note(find<QGroupBox>("groupPasswordUse")->isChecked(), "password switch");
        note(find<QLineEdit>("editCameraName")->text() == QLatin1String("FIRST"), "camera name");
        note(find<QRadioButton>("radioLedNotLight")->isChecked(), "LED");
        note(find<QSpinBox>("spinPowerOffHours")->value() == 1, "power-off hours");
        note(find<QSpinBox>("spinPowerOffSeconds")->value() == 1, "power-off seconds");
        return lstShown;
    }

private Q_SLOTS:
    void initTestCase() { ClStartup::applyLanguage(qApp, QLocale::English); }
    void cleanup() { upRig.reset(); }

    void otherSettingsAppliedAndReloaded()
    {
        upRig = std::make_unique<WindowRig>(50);
        upRig->window().show();
        openBasic();
        openRow(4);
        QTRY_COMPARE_WITH_TIMEOUT(find<QLineEdit>("editCameraName")->text(), QStringLiteral("TOVU01"), 5000);
        // The rest of the page has arrived too: the camera's LED and power-off time.
        QTRY_VERIFY_WITH_TIMEOUT(find<QRadioButton>("radioLedLight")->isChecked(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(find<QSpinBox>("spinPowerOffMinutes")->value(), 10, 5000);
        type(find<QLineEdit>("editCameraName"), QStringLiteral("Porch~1"));
        clickRadio("radioLedNotLight");
        type(find<QSpinBox>("spinPowerOffHours"), QStringLiteral("1"));
        type(find<QSpinBox>("spinPowerOffMinutes"), QStringLiteral("30"));
        type(find<QSpinBox>("spinPowerOffSeconds"), QStringLiteral("5"));
        upRig->apply();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->log(), QStringLiteral("Other settings have been changed."), 5000);
        QCOMPARE(pclCamera->text(ClTovuCommandGetCameraName::usCommandCode), QByteArray("Porch~1"));
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetLedStart::usCommandCode)[0], 1u);
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetAutoPoweroffSetting::usCommandCode)[0], 5405u);

        // Typed over and not applied: Reload shows what the camera keeps.
        type(find<QLineEdit>("editCameraName"), QStringLiteral("X"));
        clickRadio("radioLedLight");
        type(find<QSpinBox>("spinPowerOffHours"), QStringLiteral("5"));
        upRig->reload();
        QTRY_COMPARE_WITH_TIMEOUT(find<QLineEdit>("editCameraName")->text(), QStringLiteral("Porch~1"), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(find<QRadioButton>("radioLedNotLight")->isChecked(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(find<QSpinBox>("spinPowerOffHours")->value(), 1, 5000);
        QCOMPARE(find<QSpinBox>("spinPowerOffMinutes")->value(), 30);
        QCOMPARE(find<QSpinBox>("spinPowerOffSeconds")->value(), 5);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    // A camera pulled out leaves nothing of itself on the pages, and the next one, whose
    // answers would not overwrite all of it (a log format without a button, settings
    // switched off, a stream password it does not give), shows none of it either.
    void secondCameraShowsNothingOfTheFirst()
    {
        upRig = std::make_unique<WindowRig>(50);
        upRig->window().show();
        auto* pclFirst = new ClVirtualCamera(0);
        pclFirst->setNumbers(ClTovuCommandGetGpsSetting::usCommandCode, {2, 2, 2, 2});
        pclFirst->setNumbers(ClTovuCommandGetWifiCountry::usCommandCode, {3});
        pclFirst->setNumbers(ClTovuCommandGetAutoWiFiOffSetting::usCommandCode, {420});
        pclFirst->setNumbers(ClTovuCommandGetStreamAuthorizationUse::usCommandCode, {2});
        pclFirst->setText(ClTovuCommandGetStreamAuthorizationPassword::usCommandCode, "FirstSecret");
        pclFirst->setText(ClTovuCommandGetCameraName::usCommandCode, "FIRST");
        pclFirst->setNumbers(ClTovuCommandGetLedStart::usCommandCode, {1});
        pclFirst->setNumbers(ClTovuCommandGetAutoPoweroffSetting::usCommandCode, {3661});
        openBasic(pclFirst);
        readEveryRow();
        QCOMPARE(firstCameraShown().size(), 11);

        upRig->bus().unplug(pclFirst);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), 0, 5000);
        QCOMPARE(firstCameraShown(), QStringList());

        auto* pclSecond = new ClVirtualCamera(0);
        pclSecond->setNumbers(usZone, {9});
        pclSecond->setNumbers(ClTovuCommandGetGpsSetting::usCommandCode, {1, 1, 1, 7});
        pclSecond->setNumbers(ClTovuCommandGetWifiCountry::usCommandCode, {9});
        pclSecond->setNumbers(ClTovuCommandGetAutoWiFiOffSetting::usCommandCode, {0});
        pclSecond->setNumbers(ClTovuCommandGetAutoPoweroffSetting::usCommandCode, {0});
        pclSecond->setText(ClTovuCommandGetCameraName::usCommandCode, "SECOND");
        pclCamera = pclSecond;
        upRig->bus().plug(pclSecond);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->window().currentPage(), 3, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(asked(ClTovuCommandGetBatteryAlarm::usCommandCode), 5000);
        QTest::qWait(100);

        // The second camera does not give its password: the first one's opens nothing.
        pclSecond->setFaultStatus(0xFFFB);
        pclSecond->injectFault(ClVirtualCamera::Fault::Status);
        openRow(3);
        QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes.size(), 1, 5000);
        find<QGroupBox>("groupPasswordUse")->setChecked(true);
        type(find<QLineEdit>("editNowPassword"), QStringLiteral("FirstSecret"));
        type(find<QLineEdit>("editNewPassword"), QStringLiteral("Taken0ver"));
        type(find<QLineEdit>("editCheckPassword"), QStringLiteral("Taken0ver"));
        upRig->apply();
        QTest::qWait(200);
        QCOMPARE(upRig->lstBoxes.value(1), QStringLiteral("Current password is not correct"));
        QCOMPARE(pclSecond->text(ClTovuCommandGetStreamAuthorizationPassword::usCommandCode), QByteArray("tovu1234"));

        upRig->lstBoxes.clear();
        readEveryRow();
        QCOMPARE(find<QLineEdit>("editCameraName")->text(), QStringLiteral("SECOND"));
        QCOMPARE(firstCameraShown(), QStringList());
        QCOMPARE(upRig->lstBoxes, QStringList());
    }
};

QTEST_MAIN(TestWindowBasic)
#include "TestWindowBasic.moc"
