#pragma once
// One schedule row's 24-hour time axis: the day's recording period as a bar the user moves
// and stretches (times snap to ten minutes; 23:59 is the latest), and the eve bar showing
// the previous day's period continued after midnight. The focused bar also follows the
// arrow keys: Left/Right move it by ten minutes, Shift+Left/Right move its end, Ctrl+Left/
// Right its start, Space switches between all day and the period before.
#include <QPixmap>
#include <QTime>
#include <QWidget>

class ClWidgetScheduledBar;

class ClWidgetScheduleSlider : public QWidget
{
    Q_OBJECT

public:
    explicit ClWidgetScheduleSlider(QWidget* parent = nullptr);

    virtual QTime timeAt(int x) const;
    virtual int xOf(const QTime& tmTime) const;

    void setRange(QTime tmNewStart, QTime tmNewEnd);
    void toggleAllOfDay();
    void setEveTime(QTime tmTime);
    // The row's day and the day before, in what a screen reader says of the bars.
    void setDayNames(const QString& strDay, const QString& strDayBefore);

    QTime startTime() const { return tmStart; }
    QTime endTime() const { return tmEnd; }
    QTime eveTime() const { return tmEve; }
    bool isAllOfDaySaved() const { return bSaved; }
    ClWidgetScheduledBar* primaryBar() const { return pclPrimary; }
    ClWidgetScheduledBar* eveBar() const { return pclEve; }

    // Seconds of a period; an end not later than the start is on the next day.
    static int durationSecs(const QTime& tmFrom, const QTime& tmTo);
    // The period as the bar's tooltip says it.
    static QString periodText(const QTime& tmFrom, const QTime& tmTo);

    // Keyboard steps (minutes, negative earlier), the same rules as the mouse.
    void stepPeriod(int lMinutes);
    void stepEnd(int lMinutes);
    void stepStart(int lMinutes);

Q_SIGNALS:
    void sigPrimaryBarMoved(QTime clOverTime);
    void sigPrimaryRangeChanged();
    void sigEveBarMoved(QTime clTime);
    void sigEveBarChanged(QTime clTime);
    void sigEveBarDoubleClicked();
    void sigMouseOnPrimary();
    void sigMouseOnEve();
    void sigMouseLeavedPrimary();
    void sigMouseLeavedEve();

protected:
    // The every-day axis brings bars of its own.
    ClWidgetScheduleSlider(ClWidgetScheduledBar* pclPrimaryBar, ClWidgetScheduledBar* pclEveBar, QWidget* parent);

    virtual void updatePrimaryGeometry();
    virtual void paintAxis(QPainter& clPainter);

    bool eventFilter(QObject* pclWatched, QEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;
    void resizeEvent(QResizeEvent* pclEvent) override;

private:
    // The period bar where its times are, even in the middle of a drag.
    void placePrimary();
    void placeEve();
    // lFrom moved by lMinutes, not beyond lLowest or lHighest, and never against the step.
    static int stepWithin(int lFrom, int lMinutes, int lLowest, int lHighest);
    int barTop() const { return (height() - 19) / 2; }
    void primaryMoved();
    void primaryResized();
    void movePeriodTo(const QTime& tmNewStart);
    bool filterPrimary(QEvent* pclEvent);
    bool filterEve(QEvent* pclEvent);
    QTime eveEndAt() const;
    void announce();

    QTime tmStart {0, 0};
    QTime tmEnd {0, 0};
    QTime tmEve {0, 0};
    QTime tmSavedStart;
    QTime tmSavedEnd;
    bool bSaved = false;
    // Geometry set by the axis itself, not by a drag.
    bool bPlacing = false;
    ClWidgetScheduledBar* pclPrimary = nullptr;
    ClWidgetScheduledBar* pclEve = nullptr;
    QPixmap clAxis;
    QString strDayName;
    QString strDayBeforeName;
};
