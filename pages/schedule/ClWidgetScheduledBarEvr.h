#pragma once
// The period bar of the every-day row.
#include "ClWidgetScheduledBar.h"

class ClWidgetScheduledBarEvr : public ClWidgetScheduledBar
{
    Q_OBJECT

public:
    explicit ClWidgetScheduledBarEvr(QWidget* parent = nullptr);
};
