#pragma once
// The day-name button of a schedule row: it carries the day's switch (a check box named
// after the day) and lights up while the mouse is on it or on the day's bars.
#include "framework/ClRollOverToolBtn.h"

class QCheckBox;

class ClWidgetScheduleWeekName : public ClRollOverToolBtn
{
    Q_OBJECT

public:
    explicit ClWidgetScheduleWeekName(QWidget* parent = nullptr);

    void setDayText(const QString& strText);
    void setChecked(bool bChecked);
    bool isChecked() const;
    QCheckBox* checkBox() const { return pclCheck; }
    bool isHighlighted() const { return bHighlight; }

Q_SIGNALS:
    void sigOnMouse();
    void sigLeaveMouse();

public Q_SLOTS:
    void slotChangeStateMouseEnter();
    void slotChangeStateMouseLeave();

protected:
    void enterEvent(QEnterEvent* pclEvent) override;
    void leaveEvent(QEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;
    void resizeEvent(QResizeEvent* pclEvent) override;

private:
    QCheckBox* pclCheck = nullptr;
    bool bHighlight = false;
};
