#pragma once
// The continuation of the previous day's period after midnight: as wide as the axis, only its part up to its right end
// shows.
#include "ClWidgetScheduledBar.h"

class ClWidgetScheduledBarEve : public ClWidgetScheduledBar
{
    Q_OBJECT

public:
    explicit ClWidgetScheduledBarEve(QWidget* parent = nullptr);
};
