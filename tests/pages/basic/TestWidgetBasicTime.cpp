// The time page: the zone codes both ways, the order of zone and time on Apply and the
// second the time goes out ahead, a date that does not exist, synchronising with the PC,
// the time stamp group by model, failures; and the composite page moving the attachment.
#include "ClBasicPageRig.h"
#include "app/framework/ClPageListView.h"
#include "pages/basic/ClTimeZoneTable.h"
#include "pages/basic/ClWidgetBasicSetting.h"
#include "pages/basic/ClWidgetBasicTime.h"
#include "protocol/ClEnvelope.h"
#include "protocol/TypedKinds.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

namespace {
constexpr quint16 usZone = ClTovuCommandGetTimezone::usCommandCode;
}  // namespace

class TestWidgetBasicTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void zoneCodes_data();
    void zoneCodes();
    void cameraZoneSelectsItsEntry();
    void zoneOnlyApplySendsOneCommand();
    void zoneThenTimeOneSecondAhead();
    void dateThatDoesNotExistIsNotSent();
    void failedZoneSendsNoTime();
    void synchronisingTwice();
    void timestampByModel_data();
    void timestampByModel();
    void unknownZoneIsLeftAlone();
    void rowChangeDetachesBeforeAttaching();

private:
    void setFields(const QDateTime& dtTime);
    QSpinBox* field(const char* pszName) const { return pclPage->findChild<QSpinBox*>(pszName); }
    QComboBox* zone() const { return pclPage->findChild<QComboBox*>("comboTimeZone"); }

    std::unique_ptr<ClBasicPageRig> upRig;
    ClWidgetBasicTime* pclPage = nullptr;  // the host's
};

void TestWidgetBasicTime::init()
{
    upRig = std::make_unique<ClBasicPageRig>(1);
    pclPage = new ClWidgetBasicTime(&upRig->host());
}

void TestWidgetBasicTime::cleanup()
{
    upRig.reset();
}

void TestWidgetBasicTime::setFields(const QDateTime& dtTime)
{
    field("spinYear")->setValue(dtTime.date().year());
    field("spinMonth")->setValue(dtTime.date().month());
    field("spinDay")->setValue(dtTime.date().day());
    field("spinHour")->setValue(dtTime.time().hour());
    field("spinMinute")->setValue(dtTime.time().minute());
    field("spinSecond")->setValue(dtTime.time().second());
}

void TestWidgetBasicTime::zoneCodes_data()
{
    QTest::addColumn<int>("lIndex");
    QTest::addColumn<int>("lCode");
    QTest::addColumn<QString>("strName");
    QTest::newRow("GMT+0") << 12 << 0 << "London/Lisbon\nGMT+0:00";
    QTest::newRow("GMT-1") << 11 << 13 << "Azores Islands\nGMT-1:00";
    QTest::newRow("GMT-12") << 0 << 24 << "Eniwetok/Kwajalein\nGMT-12:00";
    QTest::newRow("GMT+12") << 24 << 12 << "Auckland/Fiji\nGMT+12:00";
    QTest::newRow("GMT+9") << 21 << 9 << "Tokyo/Seoul/Yakutsk\nGMT+9:00";
}

void TestWidgetBasicTime::zoneCodes()
{
    QFETCH(int, lIndex);
    QFETCH(int, lCode);
    QFETCH(QString, strName);
    QCOMPARE(ClTimeZoneTable::codeOf(lIndex), lCode);
    QCOMPARE(ClTimeZoneTable::indexOf(quint32(lCode)), lIndex);
    QCOMPARE(ClTimeZoneTable::name(lIndex), strName);
    // Every code of the table once, and nothing outside it.
    QSet<int> setCodes;
    for (int i = 0; i < ClTimeZoneTable::lCount; ++i)
        setCodes.insert(ClTimeZoneTable::codeOf(i));
    QCOMPARE(setCodes.size(), 25);
    QCOMPARE(ClTimeZoneTable::indexOf(25), -1);
    QCOMPARE(ClTimeZoneTable::codeOf(25), -1);
}

void TestWidgetBasicTime::cameraZoneSelectsItsEntry()
{
    upRig->camera().setNumbers(usZone, {13});
    const QDateTime dtCamera(QDate(2031, 7, 4), QTime(8, 9, 10));
    upRig->camera().setCameraTime(dtCamera);
    upRig->attach(pclPage);
    QCOMPARE(zone()->currentText(), QStringLiteral("Azores Islands\nGMT-1:00"));
    QCOMPARE(upRig->sentKinds().mid(0, 3),
             QList<QUuid>({requestKind<ClTovuCommandGetTimezone>(), requestKind<ClTovuCommandGetTime>(),
                           requestKind<ClTovuCommandGetGpsSetting>()}));
    QCOMPARE(field("spinYear")->value(), 2031);
    QCOMPARE(field("spinMonth")->value(), 7);
    QCOMPARE(field("spinDay")->value(), 4);
    QCOMPARE(field("spinHour")->value(), 8);
    QCOMPARE(field("spinMinute")->value(), 9);
}

void TestWidgetBasicTime::zoneOnlyApplySendsOneCommand()
{
    upRig->camera().setNumbers(usZone, {0});
    upRig->attach(pclPage);
    upRig->clearSent();
    zone()->setCurrentIndex(21);
    pclPage->slotApply();
    QVERIFY(upRig->settle());
    // The fields still show the camera's time as read, so no time follows the zone.
    QCOMPARE(upRig->sentKinds(), QList<QUuid>({requestKind<ClTovuCommandSetTimezone>()}));
    QCOMPARE(upRig->camera().numbers(usZone)[0], 9u);
    QCOMPARE(upRig->lstLogs, QStringList({"Time settings is applied"}));
}

void TestWidgetBasicTime::zoneThenTimeOneSecondAhead()
{
    upRig->attach(pclPage);
    upRig->clearSent();
    zone()->setCurrentIndex(zone()->currentIndex() == 0 ? 1 : 0);
    const QDateTime dtEntered(QDate(2024, 2, 29), QTime(23, 59, 59), Qt::UTC);
    setFields(dtEntered);
    pclPage->slotApply();
    QVERIFY(upRig->settle());
    QCOMPARE(upRig->sentKinds(),
             QList<QUuid>({requestKind<ClTovuCommandSetTimezone>(), requestKind<ClTovuCommandSetTime>()}));
    const QDateTime dtSent = upRig->lastSent(requestKind<ClTovuCommandSetTime>()).value("PARAM2").toDateTime();
    QCOMPARE(dtSent.date(), QDate(2024, 3, 1));
    QCOMPARE(dtSent.time(), QTime(0, 0, 0));
    const QDateTime dtCamera = upRig->camera().cameraTime();
    // The camera's clock runs on from the time it was given.
    const qint64 llBehind = QDateTime(dtCamera.date(), dtCamera.time(), Qt::UTC)
                                .secsTo(QDateTime(dtSent.date(), dtSent.time(), Qt::UTC));
    QVERIFY2(llBehind <= 0 && llBehind >= -2, qPrintable(dtCamera.toString()));
    QCOMPARE(upRig->lstLogs.size(), 1);

    // Applied again untouched: the camera already has that time.
    upRig->clearSent();
    pclPage->slotApply();
    QVERIFY(upRig->settle());
    QCOMPARE(upRig->sentKinds(), QList<QUuid>());
}

void TestWidgetBasicTime::dateThatDoesNotExistIsNotSent()
{
    upRig->attach(pclPage);
    const QDateTime dtBefore = upRig->camera().cameraTime();
    upRig->clearSent();
    zone()->setCurrentIndex(zone()->currentIndex() == 0 ? 1 : 0);
    setFields(QDateTime(QDate(2023, 2, 28), QTime(12, 0, 0)));
    field("spinDay")->setValue(31);
    pclPage->slotApply();
    QVERIFY(upRig->settle());
    QCOMPARE(upRig->lstBoxes, QStringList({"The date does not exist.\nPlease check the day of the month."}));
    QCOMPARE(upRig->sentKinds(), QList<QUuid>());
    QVERIFY(qAbs(upRig->camera().cameraTime().secsTo(dtBefore)) <= 2);
}

void TestWidgetBasicTime::failedZoneSendsNoTime()
{
    upRig->camera().setNumbers(usZone, {0});
    upRig->attach(pclPage);
    upRig->clearSent();
    zone()->setCurrentIndex(0);
    setFields(QDateTime(QDate(2030, 1, 1), QTime(1, 2, 3)));
    upRig->camera().setFaultStatus(0xFFFB);
    upRig->camera().injectFault(ClVirtualCamera::Fault::Status);
    pclPage->slotApply();
    QVERIFY(upRig->settle());
    QCOMPARE(upRig->sentKinds(), QList<QUuid>({requestKind<ClTovuCommandSetTimezone>()}));
    QCOMPARE(upRig->lstBoxes, QStringList({"Parameter setting failed"}));
    QCOMPARE(upRig->lstLogs, QStringList());
    QVERIFY(upRig->camera().cameraTime().date().year() != 2030);
}

void TestWidgetBasicTime::synchronisingTwice()
{
    upRig->camera().setCameraTime(QDateTime(QDate(2001, 1, 1), QTime(1, 1, 1)));
    upRig->attach(pclPage);
    auto* pclSync = pclPage->findChild<QPushButton*>("buttonSyncPc");
    pclSync->click();
    QVERIFY(pclPage->isSynchronising());
    QVERIFY(!field("spinYear")->isEnabled());
    const QDateTime dtNow = QDateTime::currentDateTime();
    QCOMPARE(field("spinYear")->value(), dtNow.date().year());
    QVERIFY(qAbs(pclPage->fieldsDateTime().secsTo(QDateTime(dtNow.date(), dtNow.time(), Qt::UTC))) <= 2);

    // Back to editing: the PC's time stays in the fields.
    pclSync->click();
    QVERIFY(!pclPage->isSynchronising());
    QVERIFY(field("spinSecond")->isEnabled());
    QCOMPARE(field("spinYear")->value(), dtNow.date().year());

    // The next press rewrites every field, not only those that changed since.
    setFields(QDateTime(QDate(2005, 5, 5), QTime(5, 5, 5)));
    pclSync->click();
    QCOMPARE(field("spinYear")->value(), QDate::currentDate().year());
    QCOMPARE(field("spinMonth")->value(), QDate::currentDate().month());
    QCOMPARE(field("spinDay")->value(), QDate::currentDate().day());

    // Reload leaves synchronisation and shows the camera's time again.
    pclPage->requestData(false);
    QVERIFY(upRig->settle());
    QVERIFY(!pclSync->isChecked());
    QCOMPARE(field("spinYear")->value(), 2001);
}

void TestWidgetBasicTime::timestampByModel_data()
{
    QTest::addColumn<int>("lModel");
    QTest::addColumn<bool>("bShown");
    QTest::newRow("Tovu") << 0 << false;
    QTest::newRow("Tovu-S") << 1 << true;
}

void TestWidgetBasicTime::timestampByModel()
{
    QFETCH(int, lModel);
    QFETCH(bool, bShown);
    upRig.reset();
    upRig = std::make_unique<ClBasicPageRig>(lModel);
    pclPage = new ClWidgetBasicTime(&upRig->host());
    upRig->attach(pclPage);
    QCOMPARE(!pclPage->findChild<QGroupBox*>("groupTimestamp")->isHidden(), bShown);
    QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandGetTimeStampOnOff>()), bShown);
    // The camera's default is on; a Tovu-S shows it and takes the change.
    if (bShown) {
        QVERIFY(pclPage->findChild<QRadioButton*>("radioTimestampOn")->isChecked());
        pclPage->findChild<QRadioButton*>("radioTimestampOff")->setChecked(true);
        pclPage->slotApply();
        QVERIFY(upRig->settle());
        QCOMPARE(upRig->camera().numbers(ClTovuCommandGetTimeStampOnOff::usCommandCode)[0], 1u);
    }
    QCOMPARE(upRig->lstBoxes, QStringList());
}

void TestWidgetBasicTime::unknownZoneIsLeftAlone()
{
    upRig->camera().setNumbers(usZone, {77});
    upRig->attach(pclPage);
    QCOMPARE(zone()->currentIndex(), -1);
    upRig->clearSent();
    pclPage->slotApply();
    QVERIFY(upRig->settle());
    QCOMPARE(upRig->sentKinds(), QList<QUuid>());
    QCOMPARE(upRig->camera().numbers(usZone)[0], 77u);
}

void TestWidgetBasicTime::rowChangeDetachesBeforeAttaching()
{
    auto* pclBasic = new ClWidgetBasicSetting(&upRig->host());
    pclBasic->setCameraInfo(1, upRig->camera().firmwareVersion());
    pclBasic->activate(&upRig->host());
    QVERIFY(upRig->settle());
    auto* pclTime = qobject_cast<ClWidgetBase*>(pclBasic->page(0));
    QCOMPARE(upRig->sentKinds().first(), requestKind<ClTovuCommandGetTimezone>());
    pclTime->startPolling();

    // When the GPS page asks its first question, the time page no longer reaches the window.
    bool bTimeStillAttached = true;
    bool bAsked = false;
    connect(&upRig->host(), &ClPageHost::sigSendCommand, this, [&](const PV_CMD& clCommand) {
        if (bAsked || ClEnvelope::kind(clCommand) != requestKind<ClTovuCommandGetGpsSetting>())
            return;
        bAsked = true;
        bTimeStillAttached = pclTime->isPolling();
    });
    upRig->clearSent();
    pclBasic->slotPageChange(pclBasic->listView()->model()->index(1, 0));
    QVERIFY(bAsked);
    QVERIFY(!bTimeStillAttached);
    QCOMPARE(pclBasic->currentRow(), 1);
    QVERIFY(upRig->settle());
}

QTEST_MAIN(TestWidgetBasicTime)
#include "TestWidgetBasicTime.moc"
