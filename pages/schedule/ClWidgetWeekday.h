#pragma once
// One row of the weekly schedule: the day's name and switch, and its time axis. Linked to
// the following day's row, a period past midnight continues there as that row's eve bar.
#include <QTime>
#include <QWidget>

class ClWidgetScheduleSlider;
class ClWidgetScheduleWeekName;

class ClWidgetWeekday : public QWidget
{
    Q_OBJECT

public:
    enum eBarType { Primary = 0, Eve = 1 };
    Q_ENUM(eBarType)

    explicit ClWidgetWeekday(QWidget* parent = nullptr);

    // 1 Monday ... 7 Sunday, 8 every day.
    void setDay(int lNumber);
    int day() const { return lDay; }
    static QString dayName(int lNumber);
    void linkNext(ClWidgetWeekday* pclNext);

    bool isSwitchedOn() const;
    void setSwitchedOn(bool bOn);
    // Whether the row holds a period the camera gave or the user chose; a row without one
    // shows no bar and is not written.
    bool hasPeriod() const { return bHasPeriod; }
    void setPeriod(const QTime& tmStart, const QTime& tmEnd);
    void forgetPeriod();
    QTime startTime() const;
    QTime endTime() const;

    ClWidgetScheduleSlider* slider() const { return pclSlider; }
    ClWidgetScheduleWeekName* nameButton() const { return pclName; }

    static constexpr int lNameWidth = 112;

Q_SIGNALS:
    void sigOnMouseBar(ClWidgetWeekday::eBarType eType);
    void sigOnMousePrimary();
    void sigOnMouseEve();
    void sigLeaveMouseBar();
    void sigLeaveMousePrimary();
    void sigLeaveMouseEve();
    void sigChangedRange();
    void sigMovedEveTime(QTime clTime);
    void sigChangedEveTime(QTime clTime);
    void sigDoubleClickedEve();
    void sigOverTime(QTime clTime);
    void sigChangedEnable(bool bEnable);

public Q_SLOTS:
    void slotMovePrimaryEndTime(QTime clTime);
    void slotChangePrimaryNextdayEndTime(QTime clTime);
    void slotSetEveTime(QTime clTime);
    void slotSetEveVisible(bool bVisible);
    void slotSetPrimaryOnMouse();
    void slotSetPrimaryNomal();
    void slotSetEveOnMouse();
    void slotSetEveNomal();
    void slotChangedEnable(bool bEnable);
    void slotMouseOnPrimary();
    void slotMouseOnEve();
    void slotMouseLeavePrimary();
    void slotMouseLeaveEve();
    void slotToggleAllOfDay();

protected:
    // The every-day row brings its own axis.
    ClWidgetWeekday(ClWidgetScheduleSlider* pclAxis, QWidget* parent);

private:
    int lDay = 0;
    bool bHasPeriod = false;
    ClWidgetScheduleWeekName* pclName = nullptr;
    ClWidgetScheduleSlider* pclSlider = nullptr;
};
