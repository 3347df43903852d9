// The weekly schedule through the real window and USB worker against a virtual Tovu-S in
// maintenance mode, as a person edits it: switch the schedule on, stretch a bar with the
// mouse, switch a day off, Apply, and Reload to see what the camera kept. Moving bars and
// their continuation on the next day are the schedule page's tests.
#include "WindowRig.h"
#include "pages/schedule/ClWidgetScheduleSlider.h"
#include "pages/schedule/ClWidgetScheduleWeekName.h"
#include "pages/schedule/ClWidgetScheduledBar.h"
#include "pages/schedule/ClWidgetWeekday.h"
#include "protocol/ClTovuCommands.h"
#include "virtualcamera/ClVirtualCameraWire.h"

#include <QTranslator>

namespace {
using Params = ClVirtualCamera::Params;
constexpr quint16 usEntryCode = ClTovuCommandGetScheSetting::usCommandCode;
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;

QTime t(int lHour, int lMinute = 0)
{
    return QTime(lHour, lMinute);
}
}  // namespace

class TestWindowSchedule : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The English texts a user reads.
        QVERIFY(clLang.load(":/lang/en"));
        QCoreApplication::installTranslator(&clLang);
        upRig = std::make_unique<WindowRig>(200);
        upRig->window().session()->setPollingInterval(200);
        upRig->window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&upRig->window()));
    }

    void cleanupTestCase()
    {
        upRig.reset();
        QCoreApplication::removeTranslator(&clLang);
    }

    void userEditsAppliesAndReloads()
    {
        auto* pclCamera = new ClVirtualCamera(1, QString(), 2);
        // Office hours on weekdays (the camera's own), and Sunday afternoons.
        pclCamera->setNumbers(
            usEntryCode,
            Params {1, ulOn, ClVirtualCameraWire::packHhmm(t(13)), ClVirtualCameraWire::packHhmm(t(16)), 0}, 1);
        upRig->bus().plug(pclCamera);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->window().modeBar()->button(5)->isEnabled(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(upRig->window().modeBar()->button(5)->isVisible(), 5000);
        QTest::mouseClick(upRig->window().modeBar()->button(5), Qt::LeftButton);
        QCOMPARE(upRig->window().currentPage(), 5);
        QWidget* pclPage = upRig->window().page(5);
        QTRY_VERIFY_WITH_TIMEOUT(pclPage->findChild<QWidget*>("widgetScheduleContent")->isEnabled(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(row(3)->endTime(), t(18), 5000);

        // The camera's schedule is off: its rows are locked until the user switches it on.
        QVERIFY(!row(3)->isEnabled());
        QCheckBox* pclEnable = pclPage->findChild<QCheckBox*>("checkScheduleEnable");
        QVERIFY(!pclEnable->isChecked());
        QTest::mouseClick(pclEnable, Qt::LeftButton, Qt::NoModifier, QPoint(8, pclEnable->height() / 2));
        QVERIFY(row(3)->isEnabled());

        // Wednesday: its end from 18:00 back to 17:30.
        ClWidgetScheduledBar* pclWednesday = row(3)->slider()->primaryBar();
        const QPoint ptEnd(pclWednesday->width() - 2, 10);
        drag(pclWednesday, ptEnd, row(3)->slider()->xOf(t(17, 30)) - rightEdge(pclWednesday));
        QCOMPARE(row(3)->startTime(), t(9));
        QCOMPARE(row(3)->endTime(), t(17, 30));

        // Sunday off.
        QCheckBox* pclSunday = row(7)->nameButton()->checkBox();
        QVERIFY(pclSunday->isChecked());
        QTest::mouseClick(pclSunday, Qt::LeftButton, Qt::NoModifier, QPoint(8, pclSunday->height() / 2));
        QVERIFY(!pclSunday->isChecked());

        upRig->apply();
        QTRY_COMPARE_WITH_TIMEOUT(upRig->log(), QStringLiteral("The sheduling setting has been changed."), 5000);
        QCOMPARE(upRig->lstBoxes, QStringList());

        // The camera's eight entries.
        auto stored = [pclCamera](quint32 ulDay) {
            const Params arr = pclCamera->numbers(usEntryCode, ulDay);
            return std::make_tuple(arr[1] == ulOn, ClVirtualCameraWire::unpackHhmm(arr[2]),
                                   ClVirtualCameraWire::unpackHhmm(arr[3]));
        };
        // Sunday off; Monday to Friday office hours, Wednesday shorter; Saturday off; then
        // the every-day entry.
        const QList<std::tuple<bool, QTime, QTime>> lstStored {
            {false, t(13), t(16)}, {true, t(9), t(18)}, {true, t(9), t(18)},  {true, t(9), t(17, 30)},
            {true, t(9), t(18)},   {true, t(9), t(18)}, {false, t(9), t(18)}, {false, t(22), t(5)}};
        for (quint32 ulDay = 1; ulDay <= 8; ++ulDay)
            QCOMPARE(stored(ulDay), lstStored.at(ulDay - 1));
        QCOMPARE(pclCamera->numbers(ClTovuCommandGetScheOnOff::usCommandCode)[0], ulOn);

        // Reload after the guard: the page shows what the camera kept.
        row(3)->setPeriod(t(1), t(2));
        QTest::qWait(1100);
        upRig->reload();
        QTRY_COMPARE_WITH_TIMEOUT(row(3)->endTime(), t(17, 30), 5000);
        QCOMPARE(row(3)->startTime(), t(9));
        QVERIFY(!row(7)->isSwitchedOn());
        QVERIFY(pclEnable->isChecked());
        QCOMPARE(upRig->lstBoxes, QStringList());
    }

private:
    ClWidgetWeekday* row(int lRow) const
    {
        return upRig->window().page(5)->findChild<ClWidgetWeekday*>(QStringLiteral("rowDay%1").arg(lRow));
    }
    // Drags a bar from a local point by dx with the left button.
    static void drag(QWidget* pclBar, QPoint ptFrom, int lDx)
    {
        const QPoint ptStart = pclBar->pos();
        QTest::mousePress(pclBar, Qt::LeftButton, Qt::NoModifier, ptFrom);
        QTest::mouseMove(pclBar, ptFrom + QPoint(lDx, 0));
        QTest::mouseRelease(pclBar, Qt::LeftButton, Qt::NoModifier,
                            ptFrom + QPoint(lDx, 0) - (pclBar->pos() - ptStart));
    }
    static int rightEdge(const QWidget* pclBar) { return pclBar->x() + pclBar->width(); }

    QTranslator clLang;
    std::unique_ptr<WindowRig> upRig;
};

QTEST_MAIN(TestWindowSchedule)
#include "TestWindowSchedule.moc"
