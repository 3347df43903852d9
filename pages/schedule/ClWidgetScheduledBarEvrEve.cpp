#include "ClWidgetScheduledBarEvrEve.h"

ClWidgetScheduledBarEvrEve::ClWidgetScheduledBarEvrEve(QWidget* parent)
    : ClWidgetScheduledBar(Look {QStringLiteral(":/img/sch_evr_bar_c"), QStringLiteral(":/img/sch_evr_bar_c_green"),
                                 QStringLiteral(":/img/sch_evr_bar_l"), QStringLiteral(":/img/trans"),
                                 QStringLiteral(":/img/sch_evr_bar_r")},
                           parent)
{}
