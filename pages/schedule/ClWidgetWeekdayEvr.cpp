#include "ClWidgetWeekdayEvr.h"

#include "ClWidgetScheduleSliderEvr.h"

ClWidgetWeekdayEvr::ClWidgetWeekdayEvr(QWidget* parent) : ClWidgetWeekday(new ClWidgetScheduleSliderEvr, parent)
{
    setDay(8);
}
