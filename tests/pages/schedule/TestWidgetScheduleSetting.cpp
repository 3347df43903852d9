// The schedule page against a real USB worker and a virtual Tovu-S: periods continued on
// the next day's row, the every-day region, Apply writing the switch and the eight rows one
// after the other and stopping at the first refusal, and answers the camera should never give.
#include "pages/schedule/ClWidgetScheduleSetting.h"
#include "pages/schedule/ClWidgetScheduleSlider.h"
#include "pages/schedule/ClWidgetScheduleWeekName.h"
#include "pages/schedule/ClWidgetScheduledBar.h"
#include "protocol/ClResultCode.h"
#include "tests/pages/PageRig.h"
#include "virtualcamera/ClVirtualCameraWire.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

namespace {
using Params = ClVirtualCamera::Params;
constexpr quint16 usEntryCode = ClTovuCommandGetScheSetting::usCommandCode;
constexpr quint16 usSwitchCode = ClTovuCommandGetScheOnOff::usCommandCode;
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;

QTime t(int lHour, int lMinute = 0)
{
    return QTime(lHour, lMinute);
}

// An entry packet's parameters; times as the four characters the camera sends.
Params entry(quint32 ulDay, bool bOn, const char* pszStart, const char* pszEnd)
{
    auto slot = [](const char* psz) {
        return quint32(quint8(psz[0])) | quint32(quint8(psz[1])) << 8 | quint32(quint8(psz[2])) << 16
            | quint32(quint8(psz[3])) << 24;
    };
    return Params {ulDay, bOn ? ulOn : ulOff, slot(pszStart), slot(pszEnd), 0};
}
}  // namespace

class TestWidgetScheduleSetting : public QObject
{
    Q_OBJECT

    std::unique_ptr<PageRig> upRig;
    ClWidgetScheduleSetting* pclPage = nullptr;  // the host's

    ClVirtualCamera& camera() { return upRig->camera(); }
    ClWidgetWeekday* row(int lRow) const { return pclPage->row(lRow); }
    void store(quint32 ulDay, bool bOn, const QTime& tmStart, const QTime& tmEnd)
    {
        camera().setNumbers(usEntryCode,
                            Params {ulDay, bOn ? ulOn : ulOff, ClVirtualCameraWire::packHhmm(tmStart),
                                    ClVirtualCameraWire::packHhmm(tmEnd), 0},
                            ulDay);
    }
    void open()
    {
        pclPage->activate(&upRig->host());
        QTRY_VERIFY_WITH_TIMEOUT(upRig->sentCount(requestKind<ClTovuCommandGetScheOnOff>()) > 0, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(pclPage->findChild<QWidget*>("widgetScheduleContent")->isEnabled(), 5000);
    }
    void apply()
    {
        Q_EMIT upRig->host().sigApply();
        QTRY_VERIFY_WITH_TIMEOUT(!upRig->lstLogs.isEmpty() || !upRig->lstBoxes.isEmpty(), 5000);
        QTest::qWait(50);  // nothing more follows
    }
    // The days of the rows written, in order.
    QList<quint32> writtenDays() const
    {
        QList<quint32> lstDays;
        for (const PV_CMD& clCommand : upRig->lstSent) {
            if (ClEnvelope::kind(clCommand) == requestKind<ClTovuCommandSetScheSetting>())
                lstDays << clCommand.value(ClEnvelope::keyParam(2)).toUInt();
        }
        return lstDays;
    }

private Q_SLOTS:
    void init()
    {
        upRig = std::make_unique<PageRig>(1);
        upRig->host().resize(600, 469);
        pclPage = new ClWidgetScheduleSetting(&upRig->host());
        pclPage->resize(600, 469);
        pclPage->setCameraInfo(1, camera().firmwareVersion());
        upRig->host().show();
        QVERIFY(QTest::qWaitForWindowExposed(&upRig->host()));
    }
    void cleanup() { upRig.reset(); }

    void showsTheCameraSchedule()
    {
        store(1, true, t(7), t(12));      // Sunday
        store(2, true, t(22), t(2));      // Monday, into Tuesday
        store(7, true, t(23), t(1, 30));  // Saturday, into Sunday at the top
        camera().setNumbers(usSwitchCode, Params {ulOn});
        open();
        QVERIFY(pclPage->findChild<QCheckBox*>("checkScheduleEnable")->isChecked());
        QCOMPARE(row(7)->startTime(), t(7));
        QCOMPARE(row(7)->endTime(), t(12));
        QCOMPARE(row(7)->nameButton()->checkBox()->text(), QStringLiteral("Sunday"));
        QCOMPARE(row(1)->startTime(), t(22));
        ClWidgetScheduledBar* pclTuesdayEve = row(2)->slider()->eveBar();
        QCOMPARE(row(2)->slider()->eveTime(), t(2));
        QVERIFY(pclTuesdayEve->isVisible());
        QCOMPARE(row(7)->slider()->eveTime(), t(1, 30));
        QVERIFY(row(7)->slider()->eveBar()->isVisible());
        // Switching Monday off hides its continuation on Tuesday.
        QTest::mouseClick(row(1)->nameButton()->checkBox(), Qt::LeftButton);
        QVERIFY(!row(1)->isSwitchedOn());
        QVERIFY(!pclTuesdayEve->isVisible());
        QVERIFY(!row(1)->slider()->primaryBar()->isVisible());

        // The bar under the mouse shows its times; past midnight the end sits on the next row.
        QEvent clEnter(QEvent::Enter);
        QCoreApplication::sendEvent(row(6)->slider()->primaryBar(), &clEnter);
        auto* pclStart = pclPage->findChild<QLabel*>("labelIndicatorStart");
        auto* pclEnd = pclPage->findChild<QLabel*>("labelIndicatorEnd");
        QVERIFY(pclStart->isVisible());
        QCOMPARE(pclStart->text(), QStringLiteral("23:00"));
        QCOMPARE(pclEnd->text(), QStringLiteral("01:30"));
        QVERIFY(pclEnd->y() < pclStart->y());  // on Sunday's row at the top
        QEvent clLeave(QEvent::Leave);
        QCoreApplication::sendEvent(row(6)->slider()->primaryBar(), &clLeave);
        QVERIFY(!pclStart->isVisible());
        // A row switched off shows no times.
        QCoreApplication::sendEvent(row(1)->slider()->primaryBar(), &clEnter);
        QVERIFY(!pclStart->isVisible());
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    // The switch goes first, then every row, Monday to Sunday and every day; switched off the
    // rows are locked but still written as they are.
    void applyWritesSwitchThenEightRows_data()
    {
        QTest::addColumn<bool>("bSwitchOn");
        QTest::newRow("switched on") << true;
        QTest::newRow("switched off") << false;
    }

    void applyWritesSwitchThenEightRows()
    {
        QFETCH(bool, bSwitchOn);
        store(1, false, t(7), t(12));
        camera().setNumbers(usSwitchCode, Params {bSwitchOn ? ulOff : ulOn});
        open();
        auto* pclEnable = pclPage->findChild<QCheckBox*>("checkScheduleEnable");
        QTest::mouseClick(pclEnable, Qt::LeftButton);
        QCOMPARE(pclEnable->isChecked(), bSwitchOn);
        QCOMPARE(row(7)->isEnabled(), bSwitchOn);
        row(7)->setSwitchedOn(true);
        row(7)->setPeriod(t(6), t(11));
        upRig->lstSent.clear();
        apply();
        QCOMPARE(upRig->lstLogs, QStringList({"Schedule is applied"}));
        QCOMPARE(upRig->sentKinds().value(0), requestKind<ClTovuCommandSetScheOnOff>());
        QCOMPARE(upRig->sentCount(requestKind<ClTovuCommandSetScheOnOff>()), 1);
        QCOMPARE(writtenDays(), QList<quint32>({2, 3, 4, 5, 6, 7, 1, 8}));
        QCOMPARE(camera().numbers(usSwitchCode)[0], bSwitchOn ? ulOn : ulOff);
        // The Sunday row is the camera's day 1.
        const Params arrSunday = camera().numbers(usEntryCode, 1);
        QCOMPARE(arrSunday[1], ulOn);
        QCOMPARE(ClVirtualCameraWire::unpackHhmm(arrSunday[2]), t(6));
        QCOMPARE(ClVirtualCameraWire::unpackHhmm(arrSunday[3]), t(11));
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

    void failureStopsTheRest()
    {
        open();
        camera().refuseScheduleDay(5, ClResultCode::usParameterRejected);  // Thursday
        apply();
        QTest::qWait(100);
        QCOMPARE(writtenDays(), QList<quint32>({2, 3, 4, 5}));
        QCOMPARE(upRig->lstBoxes, QStringList({"Parameter setting failed"}));
        QCOMPARE(upRig->lstLogs, QStringList());

        // The next Apply starts from the switch again and, the camera willing, finishes.
        camera().refuseScheduleDay(0, 0);
        upRig->lstSent.clear();
        upRig->lstBoxes.clear();
        apply();
        QCOMPARE(writtenDays(), QList<quint32>({2, 3, 4, 5, 6, 7, 1, 8}));
        QCOMPARE(upRig->lstLogs, QStringList({"Schedule is applied"}));
    }

    void everydayRegion()
    {
        store(8, true, t(22), t(5));
        camera().setNumbers(usSwitchCode, Params {ulOn});
        open();
        auto* pclRegion = pclPage->findChild<QLabel*>("labelEverydayRegion");
        auto* pclAfter = pclPage->findChild<QLabel*>("labelEverydayRegionAfterMidnight");
        QVERIFY(pclRegion->isVisible());
        QVERIFY(pclAfter->isVisible());
        // Over the weekday axes, from 22:00 to their end and from their start to 05:00, Sunday to Saturday.
        ClWidgetScheduleSlider* pclSunday = row(7)->slider();
        const QPoint ptAxis = pclSunday->mapTo(pclRegion->parentWidget(), QPoint(0, 0));
        QCOMPARE(pclRegion->x(), ptAxis.x() + pclSunday->xOf(t(22)));
        QCOMPARE(pclRegion->x() + pclRegion->width(), ptAxis.x() + pclSunday->width());
        QCOMPARE(pclAfter->x(), ptAxis.x());
        QCOMPARE(pclAfter->width(), pclSunday->xOf(t(5)));
        // A period within the day needs one label; switched off, none.
        row(8)->setPeriod(t(9), t(17));
        QVERIFY(!pclAfter->isVisible());
        QCOMPARE(pclRegion->width(), pclSunday->xOf(t(17)) - pclSunday->xOf(t(9)));
        QTest::mouseClick(row(8)->nameButton()->checkBox(), Qt::LeftButton);
        QVERIFY(!pclRegion->isVisible());
        QTest::mouseClick(row(8)->nameButton()->checkBox(), Qt::LeftButton);
        QVERIFY(pclRegion->isVisible());
    }

    void answersTheCameraShouldNotGive_data()
    {
        QTest::addColumn<QList<Params>>("lstForged");
        QTest::addColumn<QList<int>>("lstShownRows");
        QTest::addColumn<bool>("bRead");
        const QList<Params> lstWeek {entry(1, true, "0700", "1200"),  entry(2, true, "0900", "1800"),
                                     entry(3, true, "0900", "1800"),  entry(4, true, "0900", "1800"),
                                     entry(5, true, "0900", "1800"),  entry(6, true, "0900", "1800"),
                                     entry(7, false, "1000", "1100"), entry(8, false, "2200", "0500")};
        QList<Params> lstBadTimes = lstWeek;
        lstBadTimes[1] = entry(2, true, "2561", "1800");  // Monday: no such hour
        lstBadTimes[2] = entry(3, true, "0900", "1875");  // Tuesday: no such minute
        lstBadTimes[3] = entry(4, true, "ab:c", "1800");  // Wednesday: no digits
        QTest::newRow("times out of range") << lstBadTimes << QList<int> {7, 4, 5, 6, 8} << true;
        QList<Params> lstBadDays = lstWeek;
        lstBadDays[0] = entry(0, true, "0700", "1200");  // instead of Sunday
        lstBadDays[7] = entry(9, true, "0700", "1200");  // instead of every day
        QTest::newRow("day codes outside 1-8") << lstBadDays << QList<int> {1, 2, 3, 4, 5, 6} << true;
        QList<Params> lstTwice = lstWeek;
        lstTwice[4] = entry(4, false, "0100", "0200");  // Wednesday again, Thursday missing
        QTest::newRow("two entries for one day") << lstTwice << QList<int> {7, 1, 2, 3, 5, 6, 8} << true;
        QTest::newRow("fewer than eight") << lstWeek.mid(0, 6) << QList<int> {} << false;
    }

    void answersTheCameraShouldNotGive()
    {
        QFETCH(QList<Params>, lstForged);
        QFETCH(QList<int>, lstShownRows);
        QFETCH(bool, bRead);
        camera().forgeScheduleAnswer(lstForged);
        pclPage->activate(&upRig->host());
        if (bRead) {
            QTRY_VERIFY_WITH_TIMEOUT(pclPage->findChild<QWidget*>("widgetScheduleContent")->isEnabled(), 5000);
            QCOMPARE(upRig->lstBoxes, QStringList());
        } else {
            // The worker waits for the missing entries and reports the exchange as failed.
            QTRY_COMPARE_WITH_TIMEOUT(upRig->lstBoxes, QStringList({"Exec failed, unknown error"}), 10000);
        }
        QList<int> lstShown;
        for (int lRow = 1; lRow <= 8; ++lRow) {
            if (row(lRow)->hasPeriod())
                lstShown << lRow;
            else
                QVERIFY(!row(lRow)->slider()->primaryBar()->isVisible());
        }
        std::sort(lstShownRows.begin(), lstShownRows.end());
        QCOMPARE(lstShown, lstShownRows);
        if (bRead) {
            QVERIFY(row(lstShownRows.first())->startTime().isValid());
            // A later entry for the same day replaces the earlier one.
            if (QTest::currentDataTag() == QLatin1String("two entries for one day"))
                QCOMPARE(row(3)->startTime(), t(1));
        }

        // Apply writes the well-formed rows only, and nothing before a schedule was read.
        camera().forgeScheduleAnswer({});
        upRig->lstSent.clear();
        upRig->lstBoxes.clear();
        Q_EMIT upRig->host().sigApply();
        QTest::qWait(300);
        QList<quint32> lstExpected;
        for (int lRow = 1; lRow <= 8; ++lRow) {
            if (bRead && lstShownRows.contains(lRow))
                lstExpected << quint32(ClWidgetScheduleSetting::dayCodeOfRow(lRow));
        }
        QCOMPARE(writtenDays(), lstExpected);
        QCOMPARE(upRig->sentCount(requestKind<ClTovuCommandSetScheOnOff>()), bRead ? 1 : 0);
        QCOMPARE(upRig->lstBoxes, QStringList());
        if (bRead)
            QCOMPARE(upRig->lstLogs, QStringList({"Schedule is applied"}));
    }
};

QTEST_MAIN(TestWidgetScheduleSetting)
#include "TestWidgetScheduleSetting.moc"
