#include "ClWidgetScheduledBarEve.h"

ClWidgetScheduledBarEve::ClWidgetScheduledBarEve(QWidget* parent)
    : ClWidgetScheduledBar(Look {QStringLiteral(":/img/sch_bar_blue_border"),
                                 QStringLiteral(":/img/sch_bar_green_border"), QStringLiteral(":/img/trans"),
                                 QStringLiteral(":/img/trans"), QStringLiteral(":/img/sch_evr_bar_r")},
                           parent)
{}
