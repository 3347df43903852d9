#pragma once
// The page shown while no camera is connected.
#include "app/framework/ClWidgetBase.h"

class ClWidgetNotConnect : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetNotConnect(QWidget* parent = nullptr);
};
