#pragma once
// The every-day row's time axis, with the every-day bars.
#include "ClWidgetScheduleSlider.h"

class ClWidgetScheduleSliderEvr : public ClWidgetScheduleSlider
{
    Q_OBJECT

public:
    explicit ClWidgetScheduleSliderEvr(QWidget* parent = nullptr);
};
