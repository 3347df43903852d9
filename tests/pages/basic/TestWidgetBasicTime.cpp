// The time page: the zone codes both ways, the order of zone and time on Apply and the
// second the time goes out ahead, a date that does not exist, a camera time the PC's zone
// skips, synchronising with the PC, the time stamp group by model, failures; and the
// composite page moving the attachment.
#include "framework/ClPageListView.h"
#include "settings/ClTimeZoneTable.h"
#include "pages/basic/ClWidgetBasicSetting.h"
#include "pages/basic/ClWidgetBasicTime.h"
#include "tests/pages/PageRig.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {
constexpr quint16 usZone = ClTovuCommandGetTimezone::usCommandCode;
const QUuid uuidSetZone = requestKind<ClTovuCommandSetTimezone>();
const QUuid uuidSetTime = requestKind<ClTovuCommandSetTime>();

// Seconds from the camera's clock to a time, both read as plain fields.
qint64 secondsFrom(const QDateTime& dtCamera, const QDateTime& dtWanted)
{
    return QDateTime(dtCamera.date(), dtCamera.time(), Qt::UTC)
        .secsTo(QDateTime(dtWanted.date(), dtWanted.time(), Qt::UTC));
}
}  // namespace

class TestWidgetBasicTime : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageRig> upRig;
    ClWidgetBasicTime* pclPage = nullptr;  // the host's

    void open(int lModel)
    {
        upRig = std::make_unique<PageRig>(lModel);
        pclPage = new ClWidgetBasicTime(&upRig->host());
    }
    // Year, month, day, hour, minute, second, in that order (the day after the month).
    void setFields(const QList<int>& lstFields)
    {
        const char* const apszNames[] = {"spinYear", "spinMonth", "spinDay", "spinHour", "spinMinute", "spinSecond"};
        for (int i = 0; i < lstFields.size(); ++i)
            field(apszNames[i])->setValue(lstFields[i]);
    }
    QSpinBox* field(const char* pszName) const { return pclPage->findChild<QSpinBox*>(pszName); }
    QComboBox* zone() const { return pclPage->findChild<QComboBox*>("comboTimeZone"); }

private Q_SLOTS:
    void init() { open(1); }
    void cleanup() { upRig.reset(); }

    void zoneCodes_data()
    {
        QTest::addColumn<int>("lIndex");
        QTest::addColumn<int>("lCode");
        QTest::newRow("GMT+0") << 12 << 0;
        QTest::newRow("GMT-1") << 11 << 13;
        QTest::newRow("GMT-12") << 0 << 24;
        QTest::newRow("GMT+12") << 24 << 12;
        QTest::newRow("outside the table") << 25 << -1;
    }

    void zoneCodes()
    {
        QFETCH(int, lIndex);
        QFETCH(int, lCode);
        QCOMPARE(ClTimeZoneTable::codeOf(lIndex), lCode);
        QCOMPARE(ClTimeZoneTable::indexOf(quint32(lCode)), lCode < 0 ? -1 : lIndex);
        // Every code of the table once.
        QSet<int> setCodes;
        for (int i = 0; i < ClTimeZoneTable::lCount; ++i)
            setCodes.insert(ClTimeZoneTable::codeOf(i));
        QCOMPARE(setCodes.size(), 25);
    }

    // lZoneIndex -1 and empty fields: left as the camera's answer showed them.
    void applyCases_data()
    {
        QTest::addColumn<quint32>("ulCameraZone");
        QTest::addColumn<int>("lZoneIndex");
        QTest::addColumn<QList<int>>("lstFields");
        QTest::addColumn<bool>("bRefused");
        QTest::addColumn<QList<QUuid>>("lstSent");
        QTest::addColumn<QString>("strBox");
        QTest::addColumn<quint32>("ulZoneAfter");
        // The fields still show the camera's time as read, so no time follows the zone.
        QTest::newRow("zone only: one command")
            << 13u << 21 << QList<int>() << false << QList<QUuid>({uuidSetZone}) << "" << 9u;
        QTest::newRow("zone then time, a second ahead") << 0u << 0 << QList<int>({2024, 2, 29, 23, 59, 59}) << false
                                                        << QList<QUuid>({uuidSetZone, uuidSetTime}) << "" << 24u;
        QTest::newRow("unknown zone left alone") << 77u << -1 << QList<int>() << false << QList<QUuid>() << "" << 77u;
        QTest::newRow("31 February is not sent")
            << 0u << 1 << QList<int>({2023, 2, 31, 12, 0, 0}) << false << QList<QUuid>()
            << "The date does not exist.\nPlease check the day of the month." << 0u;
        // The fault is injected into the answer: the camera took the zone, the page was told no.
        QTest::newRow("refused zone: no time follows")
            << 0u << 0 << QList<int>({2030, 1, 1, 1, 2, 3}) << true << QList<QUuid>({uuidSetZone})
            << "Parameter setting failed" << 24u;
    }

    void applyCases()
    {
        QFETCH(quint32, ulCameraZone);
        QFETCH(int, lZoneIndex);
        QFETCH(QList<int>, lstFields);
        QFETCH(bool, bRefused);
        QFETCH(QList<QUuid>, lstSent);
        QFETCH(QString, strBox);
        QFETCH(quint32, ulZoneAfter);
        upRig->camera().setNumbers(usZone, {ulCameraZone});
        upRig->attach(pclPage);
        // The zone first, then the time it applies to, then the rest of the page.
        QCOMPARE(upRig->sentKinds().mid(0, 3),
                 QList<QUuid>({requestKind<ClTovuCommandGetTimezone>(), requestKind<ClTovuCommandGetTime>(),
                               requestKind<ClTovuCommandGetGpsSetting>()}));
        QCOMPARE(zone()->currentIndex(), ClTimeZoneTable::indexOf(ulCameraZone));
        const QDateTime dtBefore = upRig->camera().cameraTime();
        QVERIFY(qAbs(pclPage->fieldsDateTime().secsTo(dtBefore)) <= 2);
        if (lZoneIndex >= 0)
            zone()->setCurrentIndex(lZoneIndex);
        setFields(lstFields);
        if (bRefused) {
            upRig->camera().setFaultStatus(0xFFFB);
            upRig->camera().injectFault(ClVirtualCamera::Fault::Status);
        }
        upRig->apply(pclPage);
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
            upRig->apply(pclPage);
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
        upRig->camera().setCameraTime(QDateTime(clDate, QTime(2, 30), Qt::UTC));
        upRig->attach(pclPage);
        QVERIFY2(qAbs(secondsFrom(QDateTime(clDate, QTime(2, 30)), pclPage->fieldsDateTime())) <= 2,
                 qPrintable(pclPage->fieldsDateTime().toString()));
        field("spinMinute")->setValue(45);
        upRig->apply(pclPage);
        QCOMPARE(upRig->sentKinds(), QList<QUuid>({uuidSetTime}));
        const QDateTime dtCamera = upRig->camera().cameraTime();
        QVERIFY2(qAbs(secondsFrom(dtCamera, QDateTime(clDate, QTime(2, 45), Qt::UTC))) <= 2,
                 qPrintable(dtCamera.toString()));
    }

    void synchronisingTwice()
    {
        upRig->camera().setCameraTime(QDateTime(QDate(2001, 1, 1), QTime(1, 1, 1)));
        // Pressed before the camera's time has come: its answer does not overwrite the PC's.
        pclPage->setCameraInfo(upRig->camera().model(), upRig->camera().firmwareVersion());
        pclPage->activate(&upRig->host());
        auto* pclSync = pclPage->findChild<QPushButton*>("buttonSyncPc");
        pclSync->click();
        QVERIFY(upRig->settle());
        QVERIFY(pclPage->isSynchronising());
        QVERIFY(!field("spinYear")->isEnabled());
        QVERIFY(qAbs(secondsFrom(pclPage->fieldsDateTime(), QDateTime::currentDateTime())) <= 2);
        // Back to editing: the PC's time stays in the fields; the next press rewrites every
        // field, not only those that changed since.
        pclSync->click();
        QVERIFY(!pclPage->isSynchronising());
        QVERIFY(field("spinSecond")->isEnabled());
        setFields({2005, 5, 5, 5, 5, 5});
        pclSync->click();
        QCOMPARE(pclPage->fieldsDateTime().date(), QDate::currentDate());
        // Applied while synchronising, the camera gets the PC's clock.
        upRig->apply(pclPage);
        QVERIFY(qAbs(secondsFrom(upRig->camera().cameraTime(), QDateTime::currentDateTime())) <= 2);
        // Reload leaves synchronisation and shows the camera's time again.
        upRig->camera().setCameraTime(QDateTime(QDate(2001, 1, 1), QTime(1, 1, 1)));
        pclPage->requestData(false);
        QVERIFY(upRig->settle());
        QVERIFY(!pclSync->isChecked());
        QCOMPARE(field("spinYear")->value(), 2001);
    }

    void timestampByModel_data()
    {
        QTest::addColumn<int>("lModel");
        QTest::newRow("Tovu") << 0;
        QTest::newRow("Tovu-S") << 1;
    }

    void timestampByModel()
    {
        QFETCH(int, lModel);
        const bool bShown = lModel == 1;
        open(lModel);
        upRig->attach(pclPage);
        QCOMPARE(!pclPage->findChild<QGroupBox*>("groupTimestamp")->isHidden(), bShown);
        QCOMPARE(upRig->sentKinds().contains(requestKind<ClTovuCommandGetTimeStampOnOff>()), bShown);
        // The camera's default is on; a Tovu-S shows it and takes the change.
        if (bShown) {
            QVERIFY(pclPage->findChild<QRadioButton*>("radioTimestampOn")->isChecked());
            pclPage->findChild<QRadioButton*>("radioTimestampOff")->setChecked(true);
            upRig->apply(pclPage);
            QCOMPARE(upRig->camera().numbers(ClTovuCommandGetTimeStampOnOff::usCommandCode)[0], 1u);
        }
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void rowChangeDetachesBeforeAttaching()
    {
        auto* pclBasic = new ClWidgetBasicSetting(&upRig->host());
        upRig->attach(pclBasic);
        auto* pclTime = qobject_cast<ClWidgetBase*>(pclBasic->page(0));
        pclTime->startPolling();
        // When the GPS page asks its first question, the time page no longer reaches the window.
        bool bTimeAttachedThen = true;
        connect(&upRig->host(), &ClPageHost::sigSendCommand, this, [&](const PV_CMD& clCommand) {
            if (ClEnvelope::kind(clCommand) == requestKind<ClTovuCommandGetGpsSetting>())
                bTimeAttachedThen = bTimeAttachedThen && pclTime->isPolling();
        });
        upRig->lstSent.clear();
        pclBasic->slotPageChange(pclBasic->listView()->model()->index(1, 0));
        QCOMPARE(upRig->sentKinds().value(0), requestKind<ClTovuCommandGetGpsSetting>());
        QVERIFY(!bTimeAttachedThen);
        QCOMPARE(pclBasic->currentRow(), 1);
        QVERIFY(upRig->settle());
    }
};

QTEST_MAIN(TestWidgetBasicTime)
#include "TestWidgetBasicTime.moc"
