#include "ClWidgetScheduleSliderEvr.h"

#include "ClWidgetScheduledBarEvr.h"
#include "ClWidgetScheduledBarEvrEve.h"

ClWidgetScheduleSliderEvr::ClWidgetScheduleSliderEvr(QWidget* parent)
    : ClWidgetScheduleSlider(new ClWidgetScheduledBarEvr, new ClWidgetScheduledBarEvrEve, parent)
{}
