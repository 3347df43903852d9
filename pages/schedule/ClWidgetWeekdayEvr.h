#pragma once
// The every-day row: its period applies to every day, its continuation past midnight is
// drawn on its own axis.
#include "ClWidgetWeekday.h"

class ClWidgetWeekdayEvr : public ClWidgetWeekday
{
    Q_OBJECT

public:
    explicit ClWidgetWeekdayEvr(QWidget* parent = nullptr);
};
