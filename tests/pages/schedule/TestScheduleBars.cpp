// The schedule rows and their bars, driven with real mouse and key events: snapping to ten
// minutes within the axis and the 23:50/23:59 end, moving that keeps the length, stretching
// either end, all day and back, keys, and the continuation of a period on the next day's row.
#include "pages/schedule/ClWidgetScheduleSlider.h"
#include "pages/schedule/ClWidgetScheduledBar.h"
#include "pages/schedule/ClWidgetWeekday.h"
#include "pages/schedule/ClWidgetWeekdayEvr.h"

#include <QHBoxLayout>
#include <QtTest>

namespace {
// An axis one pixel per minute: x is the minute of the day.
constexpr int lAxisWidth = 1440;

QTime t(int lHour, int lMinute = 0)
{
    return QTime(lHour, lMinute);
}
}  // namespace

class TestScheduleBars : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        pclHost = std::make_unique<QWidget>();
        auto* pclLayout = new QVBoxLayout(pclHost.get());
        pclMonday = new ClWidgetWeekday(pclHost.get());
        pclTuesday = new ClWidgetWeekday(pclHost.get());
        pclMonday->setDay(1);
        pclTuesday->setDay(2);
        pclMonday->linkNext(pclTuesday);
        for (ClWidgetWeekday* pclRow : {pclMonday, pclTuesday}) {
            pclRow->slider()->setFixedWidth(lAxisWidth);
            pclLayout->addWidget(pclRow);
        }
        pclHost->show();
        QVERIFY(QTest::qWaitForWindowExposed(pclHost.get()));
        QCOMPARE(axis(pclMonday)->width(), lAxisWidth);
        pclMonday->setPeriod(t(8), t(10));
        pclMonday->setSwitchedOn(true);
        pclTuesday->setPeriod(t(9), t(17));
        pclTuesday->setSwitchedOn(true);
    }
    void cleanup() { pclHost.reset(); }

    void droppedBarSnaps_data()
    {
        QTest::addColumn<int>("lDropX");
        QTest::addColumn<QTime>("tmStart");
        QTest::addColumn<QTime>("tmEnd");
        QTest::newRow("08:03 up") << 483 << t(8, 10) << t(10, 10);
        QTest::newRow("08:59 carries") << 539 << t(9) << t(11);
        QTest::newRow("left of the axis is midnight") << -2520 << t(0) << t(2);
        QTest::newRow("23:51 is the last") << 1431 << t(23, 59) << t(1, 59);
        QTest::newRow("end of axis") << 1440 << t(23, 59) << t(1, 59);
    }

    void droppedBarSnaps()
    {
        QFETCH(int, lDropX);
        QFETCH(QTime, tmStart);
        QFETCH(QTime, tmEnd);
        ClWidgetScheduledBar* pclBar = axis(pclMonday)->primaryBar();
        QCOMPARE(pclBar->x(), 480);
        drag(pclBar, QPoint(60, 10), lDropX - 480);
        QCOMPARE(pclMonday->startTime(), tmStart);
        QCOMPARE(pclMonday->endTime(), tmEnd);
        QCOMPARE(pclBar->x(), axis(pclMonday)->xOf(tmStart));
    }

    void movingKeepsTheLength()
    {
        pclMonday->setPeriod(t(22), t(2));
        // The continuation on Tuesday's row ends at 02:00.
        ClWidgetScheduledBar* pclEve = axis(pclTuesday)->eveBar();
        QVERIFY(pclEve->isVisible());
        QCOMPARE(pclEve->x() + pclEve->width(), 120);

        ClWidgetScheduledBar* pclBar = axis(pclMonday)->primaryBar();
        drag(pclBar, QPoint(30, 10), -60);  // an hour earlier
        QCOMPARE(pclMonday->startTime(), t(21));
        QCOMPARE(pclMonday->endTime(), t(1));
        QCOMPARE(pclEve->x() + pclEve->width(), 60);

        drag(pclBar, QPoint(30, 10), 9 * 60 - pclBar->x());  // to 09:00
        QCOMPARE(pclMonday->startTime(), t(9));
        QCOMPARE(pclMonday->endTime(), t(13));
        // Nothing is left for Tuesday.
        QCOMPARE(axis(pclTuesday)->eveTime(), t(0));
        QCOMPARE(pclEve->x() + pclEve->width(), 0);
    }

    void stretchingEitherEnd_data()
    {
        QTest::addColumn<QTime>("tmFrom");
        QTest::addColumn<QTime>("tmTo");
        QTest::addColumn<bool>("bRightEnd");
        QTest::addColumn<int>("lDx");
        QTest::addColumn<QTime>("tmStart");
        QTest::addColumn<QTime>("tmEnd");
        QTest::newRow("right later") << t(8) << t(10) << true << 93 << t(8) << t(11, 40);
        QTest::newRow("right past the axis ends at midnight") << t(8) << t(10) << true << 3000 << t(8) << t(0);
        QTest::newRow("right onto the start keeps a length") << t(8) << t(10) << true << -500 << t(8) << t(8, 10);
        QTest::newRow("left earlier") << t(8) << t(10) << false << -125 << t(6) << t(10);
        QTest::newRow("left onto the end keeps a length") << t(8) << t(10) << false << 500 << t(9, 50) << t(10);
        // A period past midnight ends on the next day: its start may come no earlier than that.
        QTest::newRow("overnight left later") << t(22) << t(2) << false << 60 << t(23) << t(2);
        QTest::newRow("overnight left onto its end is all day") << t(22) << t(2) << false << -1200 << t(2) << t(2);
        QTest::newRow("overnight left past its end goes back") << t(22) << t(2) << false << -1260 << t(22) << t(2);
    }

    void stretchingEitherEnd()
    {
        QFETCH(QTime, tmFrom);
        QFETCH(QTime, tmTo);
        QFETCH(bool, bRightEnd);
        QFETCH(int, lDx);
        QFETCH(QTime, tmStart);
        QFETCH(QTime, tmEnd);
        pclMonday->setPeriod(tmFrom, tmTo);
        ClWidgetScheduledBar* pclBar = axis(pclMonday)->primaryBar();
        const QPoint ptEnd(bRightEnd ? pclBar->width() - 2 : 1, 10);
        QTest::mousePress(pclBar, Qt::LeftButton, Qt::NoModifier, ptEnd);
        QCOMPARE(pclBar->resizingEnd(), bRightEnd ? ClWidgetScheduledBar::EndRight : ClWidgetScheduledBar::EndLeft);
        QTest::mouseMove(pclBar, ptEnd + QPoint(lDx, 0));
        QTest::mouseRelease(pclBar, Qt::LeftButton, Qt::NoModifier, QPoint(1, 10));
        QCOMPARE(pclMonday->startTime(), tmStart);
        QCOMPARE(pclMonday->endTime(), tmEnd);
        // Let go, the bar shows the times it set.
        QCOMPARE(pclBar->x(), axis(pclMonday)->xOf(tmStart));
    }

    void allDayAndBack()
    {
        ClWidgetScheduledBar* pclBar = axis(pclMonday)->primaryBar();
        pclMonday->setPeriod(t(8), t(17));
        QTest::mouseDClick(pclBar, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
        QCOMPARE(pclMonday->startTime(), t(0));
        QCOMPARE(pclMonday->endTime(), t(0));
        QCOMPARE(pclBar->width(), lAxisWidth);
        QTest::mouseDClick(pclBar, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
        QCOMPARE(pclMonday->startTime(), t(8));
        QCOMPARE(pclMonday->endTime(), t(17));

        // Double-clicking the continuation toggles the day it belongs to.
        pclMonday->setPeriod(t(22), t(2));
        QTest::mouseDClick(axis(pclTuesday)->eveBar(), Qt::LeftButton, Qt::NoModifier,
                           QPoint(axis(pclTuesday)->eveBar()->width() - 20, 10));
        QCOMPARE(pclMonday->startTime(), t(0));
        QCOMPARE(pclMonday->endTime(), t(0));
        QCOMPARE(pclTuesday->startTime(), t(9));
    }

    void continuationOnTheNextRow()
    {
        pclMonday->setPeriod(t(22), t(2));
        ClWidgetScheduledBar* pclBar = axis(pclMonday)->primaryBar();
        // From 22:00 to the end of the axis, clipped there: the width measures four hours.
        QCOMPARE(pclBar->x(), 22 * 60);
        QCOMPARE(pclBar->width(), 4 * 60);
        ClWidgetScheduledBar* pclEve = axis(pclTuesday)->eveBar();
        // Hovering the continuation lights Monday's bar and name.
        QSignalSpy clOnEve(pclTuesday, &ClWidgetWeekday::sigOnMouseBar);
        QTest::mouseMove(pclEve, QPoint(pclEve->width() - 10, 10));
        QEvent clEnter(QEvent::Enter);
        QCoreApplication::sendEvent(pclEve, &clEnter);
        QVERIFY(!clOnEve.isEmpty());
        QCOMPARE(clOnEve.last().at(0).value<ClWidgetWeekday::eBarType>(), ClWidgetWeekday::Eve);
        QVERIFY(pclBar->isOnMouse());
        QEvent clLeave(QEvent::Leave);
        QCoreApplication::sendEvent(pclEve, &clLeave);
        QVERIFY(!pclBar->isOnMouse());
    }

    void eveBarStretchedAndMoved()
    {
        pclMonday->setPeriod(t(22), t(2));
        ClWidgetScheduledBar* pclEve = axis(pclTuesday)->eveBar();
        const QPoint ptEnd(pclEve->width() - 2, 10);
        QTest::mousePress(pclEve, Qt::LeftButton, Qt::NoModifier, ptEnd);
        QCOMPARE(pclEve->resizingEnd(), ClWidgetScheduledBar::EndRight);
        QTest::mouseMove(pclEve, ptEnd + QPoint(60, 0));
        QTest::mouseRelease(pclEve, Qt::LeftButton, Qt::NoModifier, ptEnd);
        QCOMPARE(pclMonday->startTime(), t(22));
        QCOMPARE(pclMonday->endTime(), t(3));
        QCOMPARE(pclEve->x() + pclEve->width(), 3 * 60);

        // Stretched past Monday's start, the period is capped at 24 hours.
        QTest::mousePress(pclEve, Qt::LeftButton, Qt::NoModifier, ptEnd);
        QTest::mouseMove(pclEve, ptEnd + QPoint(23 * 60, 0));
        QTest::mouseRelease(pclEve, Qt::LeftButton, Qt::NoModifier, ptEnd);
        QCOMPARE(pclMonday->startTime(), t(22));
        QCOMPARE(pclMonday->endTime(), t(22));

        // Moving the continuation moves Monday's period, its length kept, to end there.
        pclMonday->setPeriod(t(22), t(2));
        drag(pclEve, QPoint(pclEve->width() - 40, 10), 60);
        QCOMPARE(pclMonday->startTime(), t(23));
        QCOMPARE(pclMonday->endTime(), t(3));
    }

    void keysMoveTheFocusedBar_data()
    {
        QTest::addColumn<QTime>("tmFrom");
        QTest::addColumn<QTime>("tmTo");
        QTest::addColumn<int>("lKey");
        QTest::addColumn<int>("lModifiers");
        QTest::addColumn<int>("lTimes");
        QTest::addColumn<QTime>("tmStart");
        QTest::addColumn<QTime>("tmEnd");
        const int lRight = Qt::Key_Right;
        const int lLeft = Qt::Key_Left;
        const int lShift = Qt::ShiftModifier;
        const int lCtrl = Qt::ControlModifier;
        QTest::newRow("right moves") << t(8) << t(10) << lRight << 0 << 3 << t(8, 30) << t(10, 30);
        QTest::newRow("left stops at midnight") << t(8) << t(10) << lLeft << 0 << 60 << t(0) << t(2);
        QTest::newRow("shift right stretches past midnight")
            << t(8) << t(10) << lRight << lShift << 15 * 6 << t(8) << t(1);
        QTest::newRow("shift right caps at 24 hours") << t(8) << t(10) << lRight << lShift << 200 << t(8) << t(8);
        QTest::newRow("shift left keeps ten minutes") << t(8) << t(10) << lLeft << lShift << 30 << t(8) << t(8, 10);
        QTest::newRow("ctrl left starts earlier") << t(8) << t(10) << lLeft << lCtrl << 6 << t(7) << t(10);
        QTest::newRow("ctrl right stops before the end") << t(8) << t(10) << lRight << lCtrl << 30 << t(9, 50) << t(10);
        // Periods from 23:51 on: the start goes no further than 23:59, never back.
        QTest::newRow("ctrl right from 23:55 into the night")
            << t(23, 55) << t(2) << lRight << lCtrl << 1 << t(23, 59) << t(2);
        QTest::newRow("ctrl right from 23:55 nearly all day")
            << t(23, 55) << t(23, 54) << lRight << lCtrl << 1 << t(23, 59) << t(23, 54);
        QTest::newRow("ctrl left from 23:55 nearly all day")
            << t(23, 55) << t(23, 54) << lLeft << lCtrl << 1 << t(23, 54) << t(23, 54);
    }

    void keysMoveTheFocusedBar()
    {
        QFETCH(QTime, tmFrom);
        QFETCH(QTime, tmTo);
        QFETCH(int, lKey);
        QFETCH(int, lModifiers);
        QFETCH(int, lTimes);
        QFETCH(QTime, tmStart);
        QFETCH(QTime, tmEnd);
        pclMonday->setPeriod(tmFrom, tmTo);
        ClWidgetScheduledBar* pclBar = axis(pclMonday)->primaryBar();
        QCOMPARE(pclBar->focusPolicy(), Qt::StrongFocus);
        for (int i = 0; i < lTimes; ++i)
            QTest::keyClick(pclBar, Qt::Key(lKey), Qt::KeyboardModifiers(lModifiers));
        QCOMPARE(pclMonday->startTime(), tmStart);
        QCOMPARE(pclMonday->endTime(), tmEnd);
    }

    void tooltipsSayThePeriod()
    {
        ClWidgetScheduledBar* pclBar = axis(pclMonday)->primaryBar();
        QCOMPARE(pclBar->toolTip(), QStringLiteral("Recording 08:00 to 10:00"));
        pclMonday->setPeriod(t(22), t(2));
        QCOMPARE(pclBar->toolTip(), QStringLiteral("Recording 22:00 to 02:00 the next day"));
        QCOMPARE(axis(pclTuesday)->eveBar()->toolTip(), QStringLiteral("Continued from the day before until 02:00"));
        pclMonday->setPeriod(t(5), t(5));
        QCOMPARE(pclBar->toolTip(), QStringLiteral("Recording all day from 05:00"));
    }

private:
    ClWidgetScheduleSlider* axis(ClWidgetWeekday* pclRow) const { return pclRow->slider(); }
    // Presses the bar at a local point, moves by dx and lets go.
    static void drag(QWidget* pclBar, QPoint ptFrom, int lDx);

    std::unique_ptr<QWidget> pclHost;
    ClWidgetWeekday* pclMonday = nullptr;
    ClWidgetWeekday* pclTuesday = nullptr;
};

void TestScheduleBars::drag(QWidget* pclBar, QPoint ptFrom, int lDx)
{
    const QPoint ptStart = pclBar->pos();
    QTest::mousePress(pclBar, Qt::LeftButton, Qt::NoModifier, ptFrom);
    QTest::mouseMove(pclBar, ptFrom + QPoint(lDx, 3));
    // Where the pointer is now, seen from the bar that followed it.
    QTest::mouseRelease(pclBar, Qt::LeftButton, Qt::NoModifier, ptFrom + QPoint(lDx, 0) - (pclBar->pos() - ptStart));
}

QTEST_MAIN(TestScheduleBars)
#include "TestScheduleBars.moc"
