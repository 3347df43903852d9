#include "ClWidgetScheduleSlider.h"

#include "ClWidgetScheduledBar.h"
#include "ClWidgetScheduledBarEve.h"
#include "framework/ClAccessible.h"
#include "settings/ClSettingRules.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {
const QTime tmMidnight(0, 0);
const QTime tmLatest(23, 59);
constexpr int lDayMinutes = 24 * 60;

int minutesOf(const QTime& tmTime)
{
    return tmTime.isValid() ? tmTime.hour() * 60 + tmTime.minute() : 0;
}

QTime timeOfMinutes(int lMinutes)
{
    return tmMidnight.addSecs(qint64(((lMinutes % lDayMinutes) + lDayMinutes) % lDayMinutes) * 60);
}
}  // namespace

ClWidgetScheduleSlider::ClWidgetScheduleSlider(QWidget* parent)
    : ClWidgetScheduleSlider(new ClWidgetScheduledBar, new ClWidgetScheduledBarEve, parent)
{}

ClWidgetScheduleSlider::ClWidgetScheduleSlider(ClWidgetScheduledBar* pclPrimaryBar, ClWidgetScheduledBar* pclEveBar,
                                               QWidget* parent)
    : QWidget(parent), pclPrimary(pclPrimaryBar), pclEve(pclEveBar)
{
    setMinimumHeight(ClWidgetScheduledBar::lBarHeight + 6);
    clAxis = QPixmap(QStringLiteral(":/img/sch_bar_memory"));
    pclEve->setParent(this);
    pclPrimary->setParent(this);
    pclPrimary->setObjectName(QStringLiteral("barPrimary"));
    pclEve->setObjectName(QStringLiteral("barEve"));
    // Only the eve bar's right end is on the axis; its left end cannot be grabbed.
    pclPrimary->setFocusPolicy(Qt::StrongFocus);
    pclEve->setFocusPolicy(Qt::NoFocus);
    for (ClWidgetScheduledBar* pclBar : {pclEve, pclPrimary}) {
        pclBar->installEventFilter(this);
        pclBar->show();
        connect(pclBar, &ClWidgetScheduledBar::sigDragFinished, this, [this, pclBar] {
            // Let go: the bar snaps to the times it set.
            if (pclBar == pclPrimary)
                updatePrimaryGeometry();
            else
                placeEve();
        });
    }
    // The day's own period is above the continuation where they meet.
    pclPrimary->raise();
    pclPrimary->setToolTip(periodText(tmStart, tmEnd));
    for (ClWidgetScheduledBar* pclBar : {pclEve, pclPrimary})
        ClAccessible::setRole(pclBar, QAccessible::Slider);
    updatePrimaryGeometry();
    placeEve();
}

void ClWidgetScheduleSlider::setDayNames(const QString& strDay, const QString& strDayBefore)
{
    strDayName = strDay;
    strDayBeforeName = strDayBefore;
    announce();
}

void ClWidgetScheduleSlider::announce()
{
    const auto translate
        = [](const char* pszText) { return QCoreApplication::translate("ClWidgetScheduleSetting", pszText); };
    const QString strFrom = tmStart.toString(QStringLiteral("hh:mm"));
    const QString strTo = tmEnd.toString(QStringLiteral("hh:mm"));
    if (tmStart == tmEnd)
        pclPrimary->setAccessibleName(translate("%1, all day from %2").arg(strDayName, strFrom));
    else if (tmEnd < tmStart)
        pclPrimary->setAccessibleName(translate("%1, %2 to %3 the next day").arg(strDayName, strFrom, strTo));
    else
        pclPrimary->setAccessibleName(translate("%1, %2 to %3").arg(strDayName, strFrom, strTo));
    // The continuation is there to be dragged even when nothing continues; it says which.
    if (tmEve == tmMidnight)
        pclEve->setAccessibleName(translate("%1, nothing continued from %2").arg(strDayName, strDayBeforeName));
    else
        pclEve->setAccessibleName(translate("%1, continued from %2 until %3")
                                      .arg(strDayName, strDayBeforeName, tmEve.toString(QStringLiteral("hh:mm"))));
}

QTime ClWidgetScheduleSlider::timeAt(int x) const
{
    const int lW = qMax(1, width());
    const int lX = qBound(0, x, lW);
    const int lMinutes = int(double(lX) / lW * lDayMinutes);
    int lHour = lMinutes / 60;
    int lMinute = lMinutes % 60;
    constexpr int lStep = ClSettingRules::lScheduleStepMinutes;
    if (lMinute % lStep != 0)
        lMinute = (lMinute / lStep + 1) * lStep;
    if (lMinute == 60) {
        ++lHour;
        lMinute = 0;
    }
    if (lHour >= 24)
        return tmLatest;
    return QTime(lHour, lMinute);
}

int ClWidgetScheduleSlider::xOf(const QTime& tmTime) const
{
    return int(double(minutesOf(tmTime)) / lDayMinutes * width());
}

int ClWidgetScheduleSlider::durationSecs(const QTime& tmFrom, const QTime& tmTo)
{
    if (tmFrom < tmTo)
        return tmFrom.secsTo(tmTo);
    return tmMidnight.secsTo(tmTo) + tmFrom.secsTo(tmLatest) + 60;
}

QString ClWidgetScheduleSlider::periodText(const QTime& tmFrom, const QTime& tmTo)
{
    const QString strFrom = tmFrom.toString(QStringLiteral("hh:mm"));
    const QString strTo = tmTo.toString(QStringLiteral("hh:mm"));
    if (tmFrom == tmTo)
        return QCoreApplication::translate("ClWidgetScheduleSetting", "Recording all day from %1").arg(strFrom);
    if (tmTo < tmFrom)
        return QCoreApplication::translate("ClWidgetScheduleSetting", "Recording %1 to %2 the next day")
            .arg(strFrom, strTo);
    return QCoreApplication::translate("ClWidgetScheduleSetting", "Recording %1 to %2").arg(strFrom, strTo);
}

void ClWidgetScheduleSlider::setRange(QTime tmNewStart, QTime tmNewEnd)
{
    // Whatever reaches the axis is a time of day to the minute.
    if (!tmNewStart.isValid() || !tmNewEnd.isValid())
        return;
    tmStart = QTime(tmNewStart.hour(), tmNewStart.minute());
    tmEnd = QTime(tmNewEnd.hour(), tmNewEnd.minute());
    updatePrimaryGeometry();
    bSaved = false;
    pclPrimary->setToolTip(periodText(tmStart, tmEnd));
    announce();
    Q_EMIT sigPrimaryBarMoved(tmEnd > tmStart ? tmMidnight : tmEnd);
    Q_EMIT sigPrimaryRangeChanged();
}

void ClWidgetScheduleSlider::toggleAllOfDay()
{
    if (bSaved) {
        const QTime tmFrom = tmSavedStart;
        const QTime tmTo = tmSavedEnd;
        setRange(tmFrom, tmTo);
        bSaved = false;
        return;
    }
    const QTime tmFrom = tmStart;
    const QTime tmTo = tmEnd;
    setRange(tmMidnight, tmMidnight);
    tmSavedStart = tmFrom;
    tmSavedEnd = tmTo;
    bSaved = true;
}

void ClWidgetScheduleSlider::setEveTime(QTime tmTime)
{
    tmEve = tmTime.isValid() ? tmTime : tmMidnight;
    pclEve->setToolTip(QCoreApplication::translate("ClWidgetScheduleSetting", "Continued from the day before until %1")
                           .arg(tmEve.toString(QStringLiteral("hh:mm"))));
    announce();
    placeEve();
}

void ClWidgetScheduleSlider::updatePrimaryGeometry()
{
    if (pclPrimary->resizingEnd() != ClWidgetScheduledBar::EndNone)
        return;
    placePrimary();
}

void ClWidgetScheduleSlider::placePrimary()
{
    const int lX = xOf(tmStart);
    const int lEndX = xOf(tmEnd);
    const int lWidth = lEndX > lX ? lEndX - lX : (width() - lX) + lEndX;
    bPlacing = true;
    pclPrimary->setGeometry(lX, barTop(), qMax(lWidth, pclPrimary->minimumWidth()), ClWidgetScheduledBar::lBarHeight);
    bPlacing = false;
}

void ClWidgetScheduleSlider::placeEve()
{
    if (pclEve->resizingEnd() != ClWidgetScheduledBar::EndNone)
        return;
    bPlacing = true;
    pclEve->setGeometry(xOf(tmEve) - width(), barTop(), qMax(width(), pclEve->minimumWidth()),
                        ClWidgetScheduledBar::lBarHeight);
    bPlacing = false;
}

void ClWidgetScheduleSlider::movePeriodTo(const QTime& tmNewStart)
{
    const int lDuration = durationSecs(tmStart, tmEnd);
    const int lToLatest = tmNewStart.secsTo(tmLatest);
    const QTime tmNewEnd
        = lToLatest < lDuration ? tmMidnight.addSecs(lDuration - lToLatest - 60) : tmNewStart.addSecs(lDuration);
    setRange(tmNewStart, tmNewEnd);
}

void ClWidgetScheduleSlider::primaryMoved()
{
    // The bar stays on the axis: it starts between 00:00 and 23:59.
    const int lX = qBound(0, pclPrimary->x(), xOf(tmLatest));
    movePeriodTo(timeAt(lX));
}

void ClWidgetScheduleSlider::primaryResized()
{
    const QRect clBar = pclPrimary->geometry();
    if (pclPrimary->resizingEnd() == ClWidgetScheduledBar::EndRight) {
        const int lRight = clBar.x() + clBar.width();
        const QTime tmNewEnd = timeAt(lRight);
        if (lRight <= width() && tmNewEnd != tmLatest) {
            // The minimum width keeps the end after the start; a rounding never turns it round.
            if (tmNewEnd > tmStart)
                setRange(tmStart, tmNewEnd);
            return;
        }
        // Past the axis's end the period ends at midnight.
        bPlacing = true;
        pclPrimary->setGeometry(clBar.x(), clBar.y(), qMax(width() - clBar.x(), pclPrimary->minimumWidth()),
                                clBar.height());
        bPlacing = false;
        setRange(tmStart, tmMidnight);
        return;
    }
    const bool bPastMidnight = !(tmStart < tmEnd) && tmEnd != tmMidnight;
    const int lX = clBar.x();
    if (lX < 0 || lX > width()) {
        bPlacing = true;
        const int lPut = lX < 0 ? 0 : width() - 3;
        pclPrimary->setGeometry(lPut, clBar.y(), tmEnd == tmMidnight ? width() - lPut : qMax(1, xOf(tmEnd) - lPut),
                                clBar.height());
        bPlacing = false;
    }
    const QTime tmNewStart = timeAt(qBound(0, lX, qMax(0, width() - 3)));
    if (!bPastMidnight) {
        // The start stays before the end (an end at midnight is the end of the day).
        if (tmEnd == tmMidnight || tmNewStart < tmEnd)
            setRange(tmNewStart, tmEnd);
    } else if (!(tmNewStart < tmEnd)) {
        setRange(tmNewStart, tmEnd);
    } else {
        // Dragged past where the period ends on the next day: no period the user drew, so
        // the bar goes back to the one it has.
        placePrimary();
    }
}

QTime ClWidgetScheduleSlider::eveEndAt() const
{
    return timeAt(pclEve->x() + pclEve->width());
}

void ClWidgetScheduleSlider::stepPeriod(int lMinutes)
{
    const int lStart = qBound(0, minutesOf(tmStart) + lMinutes, minutesOf(tmLatest));
    movePeriodTo(lStart == minutesOf(tmLatest) ? tmLatest : timeOfMinutes(lStart));
}

int ClWidgetScheduleSlider::stepWithin(int lFrom, int lMinutes, int lLowest, int lHighest)
{
    // A step goes the way of its key or nowhere: where the limits leave no room that way
    // (they may even cross, as for a period from 23:51 on), nothing changes.
    if (lMinutes > 0)
        return qMax(lFrom, qMin(lFrom + lMinutes, lHighest));
    return qMin(lFrom, qMax(lFrom + lMinutes, lLowest));
}

void ClWidgetScheduleSlider::stepEnd(int lMinutes)
{
    // The end counted from this day's midnight: from ten minutes to 24 hours after the start.
    const int lStart = minutesOf(tmStart);
    const int lEnd = minutesOf(tmEnd) + (tmEnd > tmStart ? 0 : lDayMinutes);
    const int lNewEnd = stepWithin(lEnd, lMinutes, lStart + 10, lStart + lDayMinutes);
    if (lNewEnd != lEnd)
        setRange(tmStart, timeOfMinutes(lNewEnd));
}

void ClWidgetScheduleSlider::stepStart(int lMinutes)
{
    // The start stays on this day (23:59 at the latest), ten minutes to 24 hours before the end.
    const int lStart = minutesOf(tmStart);
    const int lEnd = minutesOf(tmEnd) + (tmEnd > tmStart ? 0 : lDayMinutes);
    const int lNewStart
        = stepWithin(lStart, lMinutes, qMax(0, lEnd - lDayMinutes), qMin(lEnd - 10, minutesOf(tmLatest)));
    if (lNewStart != lStart)
        setRange(timeOfMinutes(lNewStart), tmEnd);
}

bool ClWidgetScheduleSlider::filterPrimary(QEvent* pclEvent)
{
    switch (pclEvent->type()) {
    case QEvent::Move:
        if (!bPlacing && pclPrimary->dragMode() == ClWidgetScheduledBar::ModeMove)
            primaryMoved();
        break;
    case QEvent::Resize:
        if (!bPlacing && pclPrimary->resizingEnd() != ClWidgetScheduledBar::EndNone)
            primaryResized();
        break;
    case QEvent::MouseButtonDblClick:
        toggleAllOfDay();
        return true;
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (isEnabled())
            Q_EMIT sigMouseOnPrimary();
        break;
    case QEvent::Leave:
        Q_EMIT sigMouseLeavedPrimary();
        break;
    case QEvent::KeyPress: {
        auto* pclKey = static_cast<QKeyEvent*>(pclEvent);
        constexpr int lKeyStep = ClSettingRules::lScheduleStepMinutes;
        const int lStep = pclKey->key() == Qt::Key_Left ? -lKeyStep : pclKey->key() == Qt::Key_Right ? lKeyStep : 0;
        if (pclKey->key() == Qt::Key_Space) {
            toggleAllOfDay();
            return true;
        }
        if (lStep == 0)
            break;
        if (pclKey->modifiers() & Qt::ShiftModifier)
            stepEnd(lStep);
        else if (pclKey->modifiers() & Qt::ControlModifier)
            stepStart(lStep);
        else
            stepPeriod(lStep);
        return true;
    }
    default:
        break;
    }
    return false;
}

bool ClWidgetScheduleSlider::filterEve(QEvent* pclEvent)
{
    switch (pclEvent->type()) {
    case QEvent::Move:
        if (!bPlacing && pclEve->dragMode() == ClWidgetScheduledBar::ModeMove)
            Q_EMIT sigEveBarMoved(eveEndAt());
        break;
    case QEvent::Resize:
        if (!bPlacing && pclEve->resizingEnd() == ClWidgetScheduledBar::EndRight)
            Q_EMIT sigEveBarChanged(eveEndAt());
        break;
    case QEvent::MouseButtonDblClick:
        Q_EMIT sigEveBarDoubleClicked();
        return true;
    case QEvent::Enter:
    case QEvent::MouseMove:
        if (isEnabled())
            Q_EMIT sigMouseOnEve();
        break;
    case QEvent::Leave:
        Q_EMIT sigMouseLeavedEve();
        break;
    default:
        break;
    }
    return false;
}

bool ClWidgetScheduleSlider::eventFilter(QObject* pclWatched, QEvent* pclEvent)
{
    if (pclWatched == pclPrimary)
        return filterPrimary(pclEvent);
    if (pclWatched == pclEve)
        return filterEve(pclEvent);
    return QWidget::eventFilter(pclWatched, pclEvent);
}

void ClWidgetScheduleSlider::paintAxis(QPainter& clPainter)
{
    if (!clAxis.isNull())
        clPainter.drawPixmap(rect(), clAxis);
}

void ClWidgetScheduleSlider::paintEvent(QPaintEvent*)
{
    QPainter clPainter(this);
    paintAxis(clPainter);
}

void ClWidgetScheduleSlider::resizeEvent(QResizeEvent* pclEvent)
{
    QWidget::resizeEvent(pclEvent);
    updatePrimaryGeometry();
    placeEve();
}
