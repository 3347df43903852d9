#pragma once
// The every-day row's own continuation after midnight.
#include "ClWidgetScheduledBar.h"

class ClWidgetScheduledBarEvrEve : public ClWidgetScheduledBar
{
    Q_OBJECT

public:
    explicit ClWidgetScheduledBarEvrEve(QWidget* parent = nullptr);
};
