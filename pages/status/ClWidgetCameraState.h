#pragma once
// Page 1, the camera's state. Until its own gauges arrive it only names itself.
#include "app/framework/ClWidgetBase.h"

class ClWidgetCameraState : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetCameraState(QWidget* parent = nullptr);
};
