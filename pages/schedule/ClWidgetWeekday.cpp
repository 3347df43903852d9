#include "ClWidgetWeekday.h"

#include "ClWidgetScheduleSlider.h"
#include "ClWidgetScheduleWeekName.h"
#include "ClWidgetScheduledBar.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHBoxLayout>

namespace {
constexpr int lDaySecs = 24 * 60 * 60;

constexpr const char* apszDays[] = {
    QT_TRANSLATE_NOOP("ClWidgetScheduleSetting", "Monday"),    QT_TRANSLATE_NOOP("ClWidgetScheduleSetting", "Tuesday"),
    QT_TRANSLATE_NOOP("ClWidgetScheduleSetting", "Wednesday"), QT_TRANSLATE_NOOP("ClWidgetScheduleSetting", "Thursday"),
    QT_TRANSLATE_NOOP("ClWidgetScheduleSetting", "Friday"),    QT_TRANSLATE_NOOP("ClWidgetScheduleSetting", "Saturday"),
    QT_TRANSLATE_NOOP("ClWidgetScheduleSetting", "Sunday"),    QT_TRANSLATE_NOOP("ClWidgetScheduleSetting", "Everyday"),
};
}  // namespace

ClWidgetWeekday::ClWidgetWeekday(QWidget* parent) : ClWidgetWeekday(new ClWidgetScheduleSlider, parent) {}

ClWidgetWeekday::ClWidgetWeekday(ClWidgetScheduleSlider* pclAxis, QWidget* parent) : QWidget(parent), pclSlider(pclAxis)
{
    pclName = new ClWidgetScheduleWeekName(this);
    pclName->setFixedSize(lNameWidth, 28);
    pclSlider->setParent(this);
    pclSlider->setObjectName(QStringLiteral("sliderDay"));
    pclSlider->setFixedHeight(28);
    auto* pclLayout = new QHBoxLayout(this);
    pclLayout->setContentsMargins(0, 4, 0, 4);
    pclLayout->setSpacing(6);
    pclLayout->addWidget(pclName);
    pclLayout->addWidget(pclSlider, 1);

    connect(pclSlider, &ClWidgetScheduleSlider::sigPrimaryBarMoved, this, &ClWidgetWeekday::sigOverTime);
    connect(pclSlider, &ClWidgetScheduleSlider::sigPrimaryRangeChanged, this, &ClWidgetWeekday::sigChangedRange);
    connect(pclSlider, &ClWidgetScheduleSlider::sigEveBarMoved, this, &ClWidgetWeekday::sigMovedEveTime);
    connect(pclSlider, &ClWidgetScheduleSlider::sigEveBarChanged, this, &ClWidgetWeekday::sigChangedEveTime);
    connect(pclSlider, &ClWidgetScheduleSlider::sigEveBarDoubleClicked, this, &ClWidgetWeekday::sigDoubleClickedEve);
    connect(pclSlider, &ClWidgetScheduleSlider::sigMouseOnPrimary, this, &ClWidgetWeekday::slotMouseOnPrimary);
    connect(pclSlider, &ClWidgetScheduleSlider::sigMouseOnEve, this, &ClWidgetWeekday::slotMouseOnEve);
    connect(pclSlider, &ClWidgetScheduleSlider::sigMouseLeavedPrimary, this, &ClWidgetWeekday::slotMouseLeavePrimary);
    connect(pclSlider, &ClWidgetScheduleSlider::sigMouseLeavedEve, this, &ClWidgetWeekday::slotMouseLeaveEve);
    connect(pclName->checkBox(), &QCheckBox::toggled, this, &ClWidgetWeekday::slotChangedEnable);
    // A change by the user gives the row a period of its own.
    connect(pclSlider, &ClWidgetScheduleSlider::sigPrimaryRangeChanged, this, [this] { bHasPeriod = true; });
    connect(this, &ClWidgetWeekday::sigOnMousePrimary, pclName, &ClWidgetScheduleWeekName::slotChangeStateMouseEnter);
    connect(this, &ClWidgetWeekday::sigLeaveMousePrimary, pclName,
            &ClWidgetScheduleWeekName::slotChangeStateMouseLeave);
    connect(this, &ClWidgetWeekday::sigOnMousePrimary, this, &ClWidgetWeekday::slotSetPrimaryOnMouse);
    connect(this, &ClWidgetWeekday::sigLeaveMousePrimary, this, &ClWidgetWeekday::slotSetPrimaryNomal);
    connect(this, &ClWidgetWeekday::sigOnMouseEve, this, &ClWidgetWeekday::slotSetEveOnMouse);
    connect(this, &ClWidgetWeekday::sigLeaveMouseEve, this, &ClWidgetWeekday::slotSetEveNomal);
    connect(pclName, &ClWidgetScheduleWeekName::sigOnMouse, this, &ClWidgetWeekday::slotMouseOnPrimary);
    connect(pclName, &ClWidgetScheduleWeekName::clicked, this, &ClWidgetWeekday::slotMouseOnPrimary);
    connect(pclName, &ClWidgetScheduleWeekName::sigLeaveMouse, this, &ClWidgetWeekday::slotMouseLeavePrimary);

    // Until the camera has told the row its period, there is none to show.
    pclSlider->primaryBar()->hide();
}

QString ClWidgetWeekday::dayName(int lNumber)
{
    if (lNumber < 1 || lNumber > 8)
        return QString();
    return QCoreApplication::translate("ClWidgetScheduleSetting", apszDays[lNumber - 1]);
}

void ClWidgetWeekday::setDay(int lNumber)
{
    lDay = lNumber;
    pclName->setDayText(dayName(lNumber));
    pclName->setAccessibleName(dayName(lNumber));
    // Monday's day before is Sunday; every day's is every day.
    pclSlider->setDayNames(dayName(lNumber), dayName(lNumber == 1 ? 7 : (lNumber == 8 ? 8 : lNumber - 1)));
    setObjectName(QStringLiteral("rowDay%1").arg(lNumber));
}

void ClWidgetWeekday::linkNext(ClWidgetWeekday* pclNext)
{
    ClWidgetWeekday* pclA = this;
    ClWidgetWeekday* pclB = pclNext;
    connect(pclA, &ClWidgetWeekday::sigOverTime, pclB, &ClWidgetWeekday::slotSetEveTime);
    connect(pclB, &ClWidgetWeekday::sigMovedEveTime, pclA, &ClWidgetWeekday::slotMovePrimaryEndTime);
    connect(pclB, &ClWidgetWeekday::sigChangedEveTime, pclA, &ClWidgetWeekday::slotChangePrimaryNextdayEndTime);
    connect(pclA, &ClWidgetWeekday::sigChangedEnable, pclB, &ClWidgetWeekday::slotSetEveVisible);
    connect(pclB, &ClWidgetWeekday::sigDoubleClickedEve, pclA, &ClWidgetWeekday::slotToggleAllOfDay);
    connect(pclB, &ClWidgetWeekday::sigOnMouseEve, pclA, &ClWidgetWeekday::slotSetPrimaryOnMouse);
    connect(pclB, &ClWidgetWeekday::sigLeaveMouseEve, pclA, &ClWidgetWeekday::slotSetPrimaryNomal);
    connect(pclA, &ClWidgetWeekday::sigOnMousePrimary, pclB, &ClWidgetWeekday::slotSetEveOnMouse);
    connect(pclA, &ClWidgetWeekday::sigLeaveMousePrimary, pclB, &ClWidgetWeekday::slotSetEveNomal);
    connect(pclB, &ClWidgetWeekday::sigOnMouseEve, pclA->pclName, &ClWidgetScheduleWeekName::slotChangeStateMouseEnter);
    connect(pclB, &ClWidgetWeekday::sigLeaveMouseEve, pclA->pclName,
            &ClWidgetScheduleWeekName::slotChangeStateMouseLeave);
    connect(pclA->pclName, &ClWidgetScheduleWeekName::sigOnMouse, pclB, &ClWidgetWeekday::slotSetEveOnMouse);
    connect(pclA->pclName, &ClWidgetScheduleWeekName::sigLeaveMouse, pclB, &ClWidgetWeekday::slotSetEveNomal);
    // What the previous day shows now reaches the new link at once.
    pclB->slotSetEveVisible(pclA->isSwitchedOn() && pclA->bHasPeriod);
}

bool ClWidgetWeekday::isSwitchedOn() const
{
    return pclName->isChecked();
}

void ClWidgetWeekday::setSwitchedOn(bool bOn)
{
    if (pclName->isChecked() == bOn) {
        slotChangedEnable(bOn);  // the bars follow even when the switch stays
        return;
    }
    pclName->setChecked(bOn);
}

void ClWidgetWeekday::setPeriod(const QTime& tmStart, const QTime& tmEnd)
{
    pclSlider->setRange(tmStart, tmEnd);
    bHasPeriod = tmStart.isValid() && tmEnd.isValid();
}

void ClWidgetWeekday::forgetPeriod()
{
    // Nothing false stays on show: no bar, no continuation, the switch off.
    pclSlider->setRange(QTime(0, 0), QTime(0, 0));
    bHasPeriod = false;
    pclName->setChecked(false);
    slotChangedEnable(false);
}

QTime ClWidgetWeekday::startTime() const
{
    return pclSlider->startTime();
}

QTime ClWidgetWeekday::endTime() const
{
    return pclSlider->endTime();
}

void ClWidgetWeekday::slotMovePrimaryEndTime(QTime clTime)
{
    if (!clTime.isValid())
        return;
    // Minutes from this day's midnight; the new end is on the next day.
    const int lDuration = ClWidgetScheduleSlider::durationSecs(pclSlider->startTime(), pclSlider->endTime());
    const int lEndAbs = lDaySecs + QTime(0, 0).secsTo(clTime);
    const int lStartAbs = lEndAbs - lDuration;
    const QTime tmLatest(23, 59);
    if (lStartAbs > QTime(0, 0).secsTo(tmLatest)) {
        pclSlider->setRange(tmLatest, tmLatest.addSecs(lDuration));
        return;
    }
    pclSlider->setRange(QTime(0, 0).addSecs(qMax(0, lStartAbs)), clTime);
}

void ClWidgetWeekday::slotChangePrimaryNextdayEndTime(QTime clTime)
{
    if (!clTime.isValid())
        return;
    const QTime tmStart = pclSlider->startTime();
    pclSlider->setRange(tmStart, tmStart < clTime ? tmStart : clTime);
}

void ClWidgetWeekday::slotSetEveTime(QTime clTime)
{
    pclSlider->setEveTime(clTime);
}

void ClWidgetWeekday::slotSetEveVisible(bool bVisible)
{
    pclSlider->eveBar()->setVisible(bVisible);
}

void ClWidgetWeekday::slotSetPrimaryOnMouse()
{
    pclSlider->primaryBar()->setOnMouse(true);
}

void ClWidgetWeekday::slotSetPrimaryNomal()
{
    pclSlider->primaryBar()->setOnMouse(false);
}

void ClWidgetWeekday::slotSetEveOnMouse()
{
    pclSlider->eveBar()->setOnMouse(true);
}

void ClWidgetWeekday::slotSetEveNomal()
{
    pclSlider->eveBar()->setOnMouse(false);
}

void ClWidgetWeekday::slotChangedEnable(bool bEnable)
{
    if (bEnable && !bHasPeriod) {
        // Switched on by the user where the camera gave no period: all day, shown and written.
        pclSlider->setRange(QTime(0, 0), QTime(0, 0));
        bHasPeriod = true;
    }
    pclSlider->primaryBar()->setVisible(bEnable && bHasPeriod);
    Q_EMIT sigChangedEnable(bEnable && bHasPeriod);
}

void ClWidgetWeekday::slotMouseOnPrimary()
{
    Q_EMIT sigOnMouseBar(Primary);
    Q_EMIT sigOnMousePrimary();
}

void ClWidgetWeekday::slotMouseOnEve()
{
    Q_EMIT sigOnMouseBar(Eve);
    Q_EMIT sigOnMouseEve();
}

void ClWidgetWeekday::slotMouseLeavePrimary()
{
    Q_EMIT sigLeaveMouseBar();
    Q_EMIT sigLeaveMousePrimary();
}

void ClWidgetWeekday::slotMouseLeaveEve()
{
    Q_EMIT sigLeaveMouseBar();
    Q_EMIT sigLeaveMouseEve();
}

void ClWidgetWeekday::slotToggleAllOfDay()
{
    pclSlider->toggleAllOfDay();
}
