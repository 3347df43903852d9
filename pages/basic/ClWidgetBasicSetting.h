#pragma once
// Page 3, the basic settings: time, GPS, Wi-Fi, password and other settings.
#include "framework/ClListWidgetBase.h"

class ClWidgetBasicSetting : public ClListWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetBasicSetting(QWidget* parent = nullptr);
};
