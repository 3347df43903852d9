// The basic settings pages, each against the real USB worker and an emulated camera.
// Time: the zone and the time it applies to in their order, the second the time goes out
// ahead, a date that does not exist, a camera time the PC's zone skips, synchronising
// with the PC. GPS and Wi-Fi: what goes out for each change, values no control can show.
// Password: the entries checked in their order. Other: the sections by model, the
// power-off time in h:m:s within its limits, names the field cannot hold.
#include "pages/basic/ClWidgetBasicBaic.h"
#include "pages/basic/ClWidgetBasicGps.h"
#include "pages/basic/ClWidgetBasicPassword.h"
#include "pages/basic/ClWidgetBasicTime.h"
#include "pages/basic/ClWidgetBasicWifi.h"
#include "protocol/TypedKinds.h"
#include "tests/pages/PageRig.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;
constexpr quint16 usZone = ClTovuCommandGetTimezone::usCommandCode;
constexpr quint16 usGps = ClTovuCommandGetGpsSetting::usCommandCode;
constexpr quint16 usAutoOff = ClTovuCommandGetAutoWiFiOffSetting::usCommandCode;
constexpr quint16 usCountry = ClTovuCommandGetWifiCountry::usCommandCode;
constexpr quint16 usPassword = ClTovuCommandGetStreamAuthorizationPassword::usCommandCode;
constexpr quint16 usUse = ClTovuCommandGetStreamAuthorizationUse::usCommandCode;
constexpr quint16 usPowerOff = ClTovuCommandGetAutoPoweroffSetting::usCommandCode;
constexpr quint16 usName = ClTovuCommandGetCameraName::usCommandCode;
constexpr quint16 usStartMode = ClTovuCommandGetStartMode::usCommandCode;
const QUuid uuidSetZone = requestKind<ClTovuCommandSetTimezone>();
const QUuid uuidSetTime = requestKind<ClTovuCommandSetTime>();
using Params = ClVirtualCamera::Params;

// Seconds from the camera's clock to a time, both read as plain fields.
qint64 secondsFrom(const QDateTime& dtCamera, const QDateTime& dtWanted)
{
    return QDateTime(dtCamera.date(), dtCamera.time(), Qt::UTC)
        .secsTo(QDateTime(dtWanted.date(), dtWanted.time(), Qt::UTC));
}
}  // namespace

Q_DECLARE_METATYPE(ClVirtualCamera::Params)

class TestBasicPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageRig> upRig;
    QWidget* pclPage = nullptr;  // the host's

    // A page of the kind in front of a camera of the model, not yet attached.
    template <class Page> Page* create(int lModel)
    {
        upRig.reset();  // one rig at a time: each answers the boxes while it lives
        upRig = std::make_unique<PageRig>(lModel);
        auto* pclNew = new Page(&upRig->host());
        pclPage = pclNew;
        return pclNew;
    }
    template <class T = QSpinBox> T* child(const char* pszName) const { return pclPage->findChild<T*>(pszName); }
    // Year, month, day, hour, minute, second, in that order (the day after the month).
    void setFields(const QList<int>& lstFields)
    {
        const char* const apszNames[] = {"spinYear", "spinMonth", "spinDay", "spinHour", "spinMinute", "spinSecond"};
        for (int i = 0; i < lstFields.size(); ++i)
            child(apszNames[i])->setValue(lstFields[i]);
    }

private Q_SLOTS:
    void cleanup() { upRig.reset(); }

    // lZoneIndex -1 and empty fields: left as the camera's answer showed them.
    void timeApply_data()
    {
        QTest::addColumn<quint32>("ulCameraZone");
        QTest::addColumn<int>("lShownIndex");
        QTest::addColumn<int>("lZoneIndex");
        QTest::addColumn<QList<int>>("lstFields");
        QTest::addColumn<bool>("bRefused");
        QTest::addColumn<QList<QUuid>>("lstSent");
        QTest::addColumn<QString>("strBox");
        QTest::addColumn<quint32>("ulZoneAfter");
        // GMT-1 is code 13, GMT+9 code 9: the fields still show the camera's time as read,
        // so no time follows the zone.
        QTest::newRow("zone only: one command")
            << 13u << 11 << 21 << QList<int>() << false << QList<QUuid>({uuidSetZone}) << "" << 9u;
        QTest::newRow("zone then time, a second ahead")
            << 0u << 12 << 0 << QList<int>({2024, 2, 29, 23, 59, 59}) << false
            << QList<QUuid>({uuidSetZone, uuidSetTime}) << "" << 24u;
        QTest::newRow("unknown zone left alone")
            << 77u << -1 << -1 << QList<int>() << false << QList<QUuid>() << "" << 77u;
        QTest::newRow("31 February is not sent")
            << 0u << 12 << 1 << QList<int>({2023, 2, 31, 12, 0, 0}) << false << QList<QUuid>()
            << "The date does not exist.\nPlease check the day of the month." << 0u;
        // The camera took the zone, the page was told no.
        QTest::newRow("refused zone: no time follows")
            << 0u << 12 << 0 << QList<int>({2030, 1, 1, 1, 2, 3}) << true << QList<QUuid>({uuidSetZone})
            << "Parameter setting failed" << 24u;
    }

    void timeApply()
    {
        QFETCH(quint32, ulCameraZone);
        QFETCH(int, lShownIndex);
        QFETCH(int, lZoneIndex);
        QFETCH(QList<int>, lstFields);
        QFETCH(bool, bRefused);
        QFETCH(QList<QUuid>, lstSent);
        QFETCH(QString, strBox);
        QFETCH(quint32, ulZoneAfter);
        auto* pclTime = create<ClWidgetBasicTime>(1);
        upRig->camera().setNumbers(usZone, {ulCameraZone});
        upRig->attach(pclTime);
        // The zone first, then the time it applies to, then the rest of the page.
        QCOMPARE(upRig->sentKinds().mid(0, 3),
                 QList<QUuid>({requestKind<ClTovuCommandGetTimezone>(), requestKind<ClTovuCommandGetTime>(),
                               requestKind<ClTovuCommandGetGpsSetting>()}));
        QCOMPARE(child<QComboBox>("comboTimeZone")->currentIndex(), lShownIndex);
        const QDateTime dtBefore = upRig->camera().cameraTime();
        QVERIFY(qAbs(pclTime->fieldsDateTime().secsTo(dtBefore)) <= 2);
        if (lZoneIndex >= 0)
            child<QComboBox>("comboTimeZone")->setCurrentIndex(lZoneIndex);
        setFields(lstFields);
        if (bRefused) {
            upRig->camera().setFaultStatus(0xFFFB);
            upRig->camera().injectFault(ClVirtualCamera::Fault::Status);
        }
        upRig->apply(pclTime);
        QCOMPARE(upRig->sentKinds(), lstSent);
        QCOMPARE(upRig->lstBoxes, strBox.isEmpty() ? QStringList() : QStringList({strBox}));
        QCOMPARE(upRig->lstLogs,
                 strBox.isEmpty() && !lstSent.isEmpty() ? QStringList({"Time settings is applied"}) : QStringList());
        QCOMPARE(upRig->camera().numbers(usZone)[0], ulZoneAfter);
        if (lstSent.contains(uuidSetTime)) {
            const QDateTime dtSent = upRig->lastSent(uuidSetTime).value("PARAM2").toDateTime();
            QCOMPARE(dtSent.date(), QDate(2024, 3, 1));
            QCOMPARE(dtSent.time(), QTime(0, 0, 0));
            // The camera's clock runs on from the time it was given.
            const qint64 llBehind = secondsFrom(upRig->camera().cameraTime(), dtSent);
            QVERIFY2(llBehind <= 0 && llBehind >= -2, qPrintable(upRig->camera().cameraTime().toString()));
        } else {
            QVERIFY(qAbs(upRig->camera().cameraTime().secsTo(dtBefore)) <= 2);
        }
        // Applied again untouched: the camera already has what the page shows.
        if (strBox.isEmpty()) {
            upRig->apply(pclTime);
            QCOMPARE(upRig->sentKinds(), QList<QUuid>());
        }
    }

    // The camera's clock knows no daylight saving: an hour the PC's zone skips is shown as
    // the camera has it, and an Apply sends what the fields show.
    void timeTheZoneSkips()
    {
        const QDate clDate(2024, 3, 31);
        QVERIFY2(!QDateTime(clDate, QTime(2, 30)).isValid(),
                 "needs a zone that skips 02:00 to 03:00 that night, as TZ=Europe/Berlin (the tests' zone) does");
        auto* pclTime = create<ClWidgetBasicTime>(1);
        upRig->camera().setCameraTime(QDateTime(clDate, QTime(2, 30), Qt::UTC));
        upRig->attach(pclTime);
        QVERIFY2(qAbs(secondsFrom(QDateTime(clDate, QTime(2, 30)), pclTime->fieldsDateTime())) <= 2,
                 qPrintable(pclTime->fieldsDateTime().toString()));
        child("spinMinute")->setValue(45);
        upRig->apply(pclTime);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>({uuidSetTime}));
        const QDateTime dtCamera = upRig->camera().cameraTime();
        QVERIFY2(qAbs(secondsFrom(dtCamera, QDateTime(clDate, QTime(2, 45), Qt::UTC))) <= 2,
                 qPrintable(dtCamera.toString()));
    }

    void synchronisingTwice()
    {
        auto* pclTime = create<ClWidgetBasicTime>(1);
        upRig->camera().setCameraTime(QDateTime(QDate(2001, 1, 1), QTime(1, 1, 1)));
        // Pressed before the camera's time has come: its answer does not overwrite the PC's.
        pclTime->setCameraInfo(upRig->camera().model(), upRig->camera().firmwareVersion());
        pclTime->activate(&upRig->host());
        auto* pclSync = child<QPushButton>("buttonSyncPc");
        pclSync->click();
        QVERIFY(upRig->settle());
        QVERIFY(pclTime->isSynchronising());
        QVERIFY(!child("spinYear")->isEnabled());
        QVERIFY(qAbs(secondsFrom(pclTime->fieldsDateTime(), QDateTime::currentDateTime())) <= 2);
        // Back to editing, the fields changed: the next press rewrites every field, not
        // only those that changed since.
        pclSync->click();
        QVERIFY(!pclTime->isSynchronising());
        setFields({2005, 5, 5, 5, 5, 5});
        pclSync->click();
        QCOMPARE(pclTime->fieldsDateTime().date(), QDate::currentDate());
        // Applied while synchronising, the camera gets the PC's clock.
        upRig->apply(pclTime);
        QVERIFY(qAbs(secondsFrom(upRig->camera().cameraTime(), QDateTime::currentDateTime())) <= 2);
        // Reload leaves synchronisation and shows the camera's time again.
        upRig->camera().setCameraTime(QDateTime(QDate(2001, 1, 1), QTime(1, 1, 1)));
        pclTime->requestData(false);
        QVERIFY(upRig->settle());
        QVERIFY(!pclSync->isChecked());
        QCOMPARE(child("spinYear")->value(), 2001);
    }

    // Only a Tovu-S has the time stamp: asked, shown (on by default) and written.
    void timestampOnlyOnTheTovuS()
    {
        for (int lModel : {0, 1}) {
            auto* pclTime = create<ClWidgetBasicTime>(lModel);
            upRig->attach(pclTime);
            QCOMPARE(!child<QGroupBox>("groupTimestamp")->isHidden(), lModel == 1);
            QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandGetTimeStampOnOff>()), lModel == 1);
        }
        QVERIFY(child<QRadioButton>("radioTimestampOn")->isChecked());
        child<QRadioButton>("radioTimestampOff")->setChecked(true);
        upRig->apply(qobject_cast<ClWidgetBase*>(pclPage));
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetTimeStampOnOff::usCommandCode)[0], ulOff);
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

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
        auto* pclGps = create<ClWidgetBasicGps>(0);
        upRig->camera().setNumbers(usGps, arrCamera);
        upRig->attach(pclGps);
        auto* pclShort = child<QRadioButton>("radioFormatShort");
        if (arrCamera[3] == 7) {
            QVERIFY(!pclShort->isChecked() && !child<QRadioButton>("radioFormatFull")->isChecked());
        } else {
            QCOMPARE(pclShort->isChecked(), arrCamera[3] == 1);
            child<QRadioButton>(bShortFormat ? "radioFormatShort" : "radioFormatFull")->setChecked(true);
        }
        QCOMPARE(child<QGroupBox>("groupGps")->isChecked(), arrCamera[0] == ulOn);
        child<QRadioButton>(bSaveLogs ? "radioSaveLogs" : "radioNotSaveLogs")->setChecked(true);
        child<QGroupBox>("groupGps")->setChecked(bGroup);
        upRig->apply(pclGps);
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetGpsSetting>()), bSent);
        QVERIFY(upRig->camera().numbers(usGps) == arrAfter);
        QCOMPARE(upRig->lstBoxes, QStringList());
        QCOMPARE(upRig->lstLogs, bSent ? QStringList({"GPS settings is applied"}) : QStringList());
        // Applied again untouched: the camera has it all already.
        upRig->apply(pclGps);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
    }

    void wifiAutoOff_data()
    {
        QTest::addColumn<quint32>("ulCamera");
        QTest::addColumn<bool>("bChecked");
        QTest::addColumn<int>("lMinutes");
        QTest::addColumn<bool>("bUncheck");
        QTest::addColumn<quint32>("ulAfter");
        QTest::newRow("5 minutes") << 300u << true << 5 << false << 300u;
        QTest::newRow("90 s rewritten as a minute") << 90u << true << 1 << false << 60u;
        QTest::newRow("601 s rewritten as the longest") << 601u << true << 10 << false << 600u;
        QTest::newRow("never") << 0u << false << 1 << false << 0u;
        QTest::newRow("unchecked by the user: 0") << 300u << true << 5 << true << 0u;
        // Beyond every range: shown as the longest, left as it is.
        QTest::newRow("nonsense") << 0xFFFFFFF0u << true << 10 << false << 0xFFFFFFF0u;
    }

    void wifiAutoOff()
    {
        QFETCH(quint32, ulCamera);
        QFETCH(bool, bChecked);
        QFETCH(int, lMinutes);
        QFETCH(bool, bUncheck);
        QFETCH(quint32, ulAfter);
        auto* pclWifi = create<ClWidgetBasicWifi>(0);
        upRig->camera().setNumbers(usAutoOff, {ulCamera});
        upRig->attach(pclWifi);
        QCOMPARE(child<QGroupBox>("groupAutoWifiOff")->isChecked(), bChecked);
        QCOMPARE(child("spinAutoOffMinutes")->value(), lMinutes);
        if (bUncheck)
            child<QGroupBox>("groupAutoWifiOff")->setChecked(false);
        upRig->apply(pclWifi);
        QCOMPARE(upRig->camera().numbers(usAutoOff)[0], ulAfter);
        const bool bSent = ulAfter != ulCamera;
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetAutoWiFiOffSetting>()), bSent);
        QCOMPARE(upRig->lstLogs, bSent ? QStringList({"Wifi settings is applied"}) : QStringList());
    }

    void wifiCountries_data()
    {
        QTest::addColumn<quint32>("ulCamera");
        QTest::addColumn<int>("lShown");
        QTest::addColumn<int>("lChosen");
        QTest::addColumn<quint32>("ulAfter");
        QTest::newRow("Japan to EU") << 1u << 0 << 2 << 3u;
        QTest::newRow("Auto unchanged") << 4u << 3 << 3 << 4u;
        // A code the list lacks selects nothing; Apply then sets "Auto".
        QTest::newRow("unknown, untouched") << 9u << -1 << -1 << 4u;
    }

    void wifiCountries()
    {
        QFETCH(quint32, ulCamera);
        QFETCH(int, lShown);
        QFETCH(int, lChosen);
        QFETCH(quint32, ulAfter);
        auto* pclWifi = create<ClWidgetBasicWifi>(0);
        upRig->camera().setNumbers(usCountry, {ulCamera});
        upRig->attach(pclWifi);
        QCOMPARE(child<QComboBox>("comboWifiCountry")->currentIndex(), lShown);
        child<QComboBox>("comboWifiCountry")->setCurrentIndex(lChosen);
        upRig->apply(pclWifi);
        QCOMPARE(upRig->camera().numbers(usCountry)[0], ulAfter);
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetWifiCountry>()), ulAfter != ulCamera);
    }

    void passwordEntries_data()
    {
        QTest::addColumn<bool>("bUseBefore");
        QTest::addColumn<bool>("bUseChosen");
        QTest::addColumn<QString>("strNow");
        QTest::addColumn<QString>("strNew");
        QTest::addColumn<QString>("strCheck");
        QTest::addColumn<QString>("strBox");
        QTest::addColumn<QByteArray>("clPasswordAfter");
        QTest::newRow("nothing typed, switched on")
            << false << true << QString() << QString() << QString() << QString() << QByteArray("tovu1234");
        // Switched off, what was typed is not checked and does not go out.
        QTest::newRow("switched off, fields ignored")
            << true << false << QString("wrong") << QString("a") << QString() << QString() << QByteArray("tovu1234");
        // The switch does not go out either: the user meant one change.
        QTest::newRow("only the new one") << false << true << QString() << QString("secret99") << QString()
                                          << QString("There are not input value") << QByteArray("tovu1234");
        QTest::newRow("wrong current") << true << true << QString("tovu12345") << QString("secret99")
                                       << QString("secret99") << QString("Different now password")
                                       << QByteArray("tovu1234");
        QTest::newRow("new and check differ")
            << true << true << QString("tovu1234") << QString("secret99") << QString("secret98")
            << QString("Not same password new and check") << QByteArray("tovu1234");
        QTest::newRow("the same again") << true << true << QString("tovu1234") << QString("tovu1234")
                                        << QString("tovu1234") << QString("Not change password")
                                        << QByteArray("tovu1234");
        QTest::newRow("changed and switched on") << false << true << QString("tovu1234") << QString("N3w!pass~")
                                                 << QString("N3w!pass~") << QString() << QByteArray("N3w!pass~");
    }

    void passwordEntries()
    {
        QFETCH(bool, bUseBefore);
        QFETCH(bool, bUseChosen);
        QFETCH(QString, strNow);
        QFETCH(QString, strNew);
        QFETCH(QString, strCheck);
        QFETCH(QString, strBox);
        QFETCH(QByteArray, clPasswordAfter);
        auto* pclPassword = create<ClWidgetBasicPassword>(0);
        upRig->camera().setText(usPassword, "tovu1234");
        upRig->camera().setNumbers(usUse, {bUseBefore ? ulOn : ulOff});
        upRig->attach(pclPassword);
        auto* pclGroup = child<QGroupBox>("groupPasswordUse");
        QCOMPARE(pclGroup->isChecked(), bUseBefore);
        pclGroup->setChecked(true);
        QTest::keyClicks(child<QLineEdit>("editNowPassword"), strNow);
        QTest::keyClicks(child<QLineEdit>("editNewPassword"), strNew);
        QTest::keyClicks(child<QLineEdit>("editCheckPassword"), strCheck);
        pclGroup->setChecked(bUseChosen);
        upRig->apply(pclPassword);
        QCOMPARE(upRig->lstBoxes, strBox.isEmpty() ? QStringList() : QStringList({strBox}));
        const bool bUseAfter = strBox.isEmpty() ? bUseChosen : bUseBefore;
        const bool bPasswordChanged = clPasswordAfter != "tovu1234";
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetStreamAuthorizationPassword>()),
                 bPasswordChanged);
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandSetStreamAuthorizationUse>()),
                 bUseAfter != bUseBefore);
        QCOMPARE(upRig->camera().text(usPassword), clPasswordAfter);
        QCOMPARE(upRig->camera().numbers(usUse)[0], bUseAfter ? ulOn : ulOff);
        const bool bChanged = bPasswordChanged || bUseAfter != bUseBefore;
        QCOMPARE(upRig->lstLogs, bChanged ? QStringList({"Password \nsetting is applied"}) : QStringList());
    }

    void passwordFieldsTakeOnlyWhatTheCameraKeeps()
    {
        auto* pclPassword = create<ClWidgetBasicPassword>(0);
        upRig->attach(pclPassword);
        // The fields are open only with authorization on.
        QVERIFY(!child<QLineEdit>("editNewPassword")->isEnabled());
        child<QGroupBox>("groupPasswordUse")->setChecked(true);
        // Spaces and characters beyond printable ASCII are refused, and so is a 17th character.
        typeText(child<QLineEdit>("editNewPassword"), QString("ab c\u00e9d"));
        QCOMPARE(child<QLineEdit>("editNewPassword")->text(), QString("abcd"));
        QTest::keyClicks(child<QLineEdit>("editCheckPassword"), QString("0123456789abcdefXYZ"));
        QCOMPARE(child<QLineEdit>("editCheckPassword")->text(), QString("0123456789abcdef"));
        // Left, the page keeps no password typed.
        pclPassword->deactivate(&upRig->host());
        for (const char* pszName : {"editNowPassword", "editNewPassword", "editCheckPassword"})
            QCOMPARE(child<QLineEdit>(pszName)->text(), QString());
    }

    void otherSectionsByModel_data()
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

    void otherSectionsByModel()
    {
        QFETCH(int, lModel);
        QFETCH(QList<QUuid>, lstChain);
        auto* pclOther = create<ClWidgetBasicBaic>(lModel);
        upRig->attach(pclOther);
        QCOMPARE(upRig->sentKinds(), lstChain);
        QCOMPARE(upRig->lstBoxes, QStringList());
        QCOMPARE(!child<QWidget>("sectionAutoPowerOff")->isHidden(), lModel == 0);
        QCOMPARE(!child<QWidget>("sectionLed")->isHidden(), lModel == 0);
        QCOMPARE(!child<QWidget>("sectionKeyLock")->isHidden(), lModel == 1);
        QCOMPARE(!child<QWidget>("sectionStartMode")->isHidden(), lModel == 1);
        QCOMPARE(child<QLineEdit>("editCameraName")->text(), QStringLiteral("TOVU01"));
        // The camera's LED lights at start.
        if (lModel == 0)
            QVERIFY(child<QRadioButton>("radioLedLight")->isChecked());
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
        auto* pclOther = create<ClWidgetBasicBaic>(0);
        upRig->camera().setNumbers(usPowerOff, {ulCamera});
        upRig->attach(pclOther);
        QCOMPARE(child<QGroupBox>("groupAutoPowerOff")->isChecked(), bChecked);
        QCOMPARE(child("spinPowerOffHours")->value(), lHours);
        QCOMPARE(child("spinPowerOffMinutes")->value(), lMinutes);
        QCOMPARE(child("spinPowerOffSeconds")->value(), lSeconds);
        QCOMPARE(child("spinPowerOffHours")->isEnabled(), bChecked);
        upRig->apply(pclOther);
        QCOMPARE(upRig->sentKinds().isEmpty(), ulApplied == ulCamera);
        QCOMPARE(upRig->camera().numbers(usPowerOff)[0], ulApplied);
        // Changed and changed back: each time the camera gets what is shown, even the
        // limit shown for a time it could not tell.
        if (bChecked) {
            child("spinPowerOffHours")->setValue(lHours == 72 ? 71 : lHours + 1);
            upRig->apply(pclOther);
            child("spinPowerOffHours")->setValue(lHours);
            upRig->apply(pclOther);
            QCOMPARE(upRig->camera().numbers(usPowerOff)[0], quint32((lHours * 60 + lMinutes) * 60 + lSeconds));
        }
    }

    void powerOffLimits()
    {
        auto* pclOther = create<ClWidgetBasicBaic>(0);
        upRig->attach(pclOther);
        child<QGroupBox>("groupAutoPowerOff")->setChecked(true);
        child("spinPowerOffMinutes")->setValue(30);
        child("spinPowerOffSeconds")->setValue(15);
        child("spinPowerOffHours")->setValue(72);
        QCOMPARE(child("spinPowerOffMinutes")->value(), 0);
        QCOMPARE(child("spinPowerOffSeconds")->value(), 0);
        // At 72 hours no seconds can be added; at 0 hours the minute stays.
        child("spinPowerOffSeconds")->setValue(5);
        QCOMPARE(child("spinPowerOffSeconds")->value(), 0);
        child("spinPowerOffHours")->setValue(0);
        QCOMPARE(child("spinPowerOffMinutes")->value(), 1);
        child("spinPowerOffMinutes")->setValue(0);
        QCOMPARE(child("spinPowerOffMinutes")->value(), 1);
        // Unchecked, the camera is told 0.
        child<QGroupBox>("groupAutoPowerOff")->setChecked(false);
        upRig->apply(pclOther);
        QCOMPARE(upRig->camera().numbers(usPowerOff)[0], 0u);
    }

    // A start mode it has no button for: neither is checked, and Apply leaves it alone.
    void startModeWithoutButton()
    {
        auto* pclOther = create<ClWidgetBasicBaic>(1);
        upRig->camera().setNumbers(usStartMode, {3});
        upRig->attach(pclOther);
        QVERIFY(!child<QRadioButton>("radioSecurityMode")->isChecked());
        QVERIFY(!child<QRadioButton>("radioMaintenanceMode")->isChecked());
        upRig->apply(pclOther);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
        QCOMPARE(upRig->camera().numbers(usStartMode)[0], 3u);
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
        auto* pclOther = create<ClWidgetBasicBaic>(0);
        upRig->camera().setText(usName, clCamera);
        upRig->attach(pclOther);
        auto* pclName = child<QLineEdit>("editCameraName");
        QCOMPARE(pclName->text(), strShown);
        upRig->apply(pclOther);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
        QCOMPARE(upRig->camera().text(usName), clCamera);
        // What the user types is held to what the camera keeps; an empty name is not sent.
        pclName->clear();
        typeText(pclName, QStringLiteral("a b/c\u00e9-d.e_f~gh"));
        QCOMPARE(pclName->text(), QStringLiteral("abc-d.e_"));
        pclName->clear();
        child<QCheckBox>("checkBatteryAlarm")->toggle();
        upRig->apply(pclOther);
        QCOMPARE(upRig->lstBoxes, QStringList({"Enter a camera name of 1 to 8 characters."}));
        QCOMPARE(upRig->sentKinds(), QList<QUuid>());
    }

    void otherSettingsReachTheCamera()
    {
        auto* pclOther = create<ClWidgetBasicBaic>(1);
        upRig->attach(pclOther);
        QVERIFY(child<QRadioButton>("radioMaintenanceMode")->isChecked());
        auto* pclName = child<QLineEdit>("editCameraName");
        pclName->clear();
        QTest::keyClicks(pclName, "Desk-2");
        child<QCheckBox>("checkKeyLock")->setChecked(true);
        child<QRadioButton>("radioSecurityMode")->setChecked(true);
        child<QCheckBox>("checkBatteryAlarm")->setChecked(false);
        upRig->apply(pclOther);
        QCOMPARE(upRig->sentKinds(),
                 QList<QUuid>({requestKind<ClTovuCommandSetCameraName>(), requestKind<ClTovuCommandSetSecureKeyLock>(),
                               requestKind<ClTovuCommandSetStartMode>(), requestKind<ClTovuCommandSetBatteryAlarm>()}));
        QCOMPARE(upRig->camera().text(usName), QByteArray("Desk-2"));
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetSecureKeyLock::usCommandCode)[0], ulOn);
        QCOMPARE(upRig->camera().numbers(usStartMode)[0], 1u);
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetBatteryAlarm::usCommandCode)[0], ulOff);
        QCOMPARE(upRig->lstLogs, QStringList({"Other settings is applied"}));
    }
};

QTEST_MAIN(TestBasicPages)
#include "TestBasicPages.moc"
