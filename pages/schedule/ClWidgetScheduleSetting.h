#pragma once
// Page 5, the weekly recording schedule. Until its time bars arrive it only names itself.
#include "app/framework/ClWidgetBase.h"

class ClWidgetScheduleSetting : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetScheduleSetting(QWidget* parent = nullptr);
};
