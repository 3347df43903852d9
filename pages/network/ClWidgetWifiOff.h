#pragma once
// The "WiFi Off" tab: a picture of the radio switched off. Apply has nothing of its own
// to store and goes straight to the switch.
#include "framework/ClWidgetBase.h"

class ClWidgetWifiOff : public ClWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetWifiOff(QWidget* parent = nullptr);

Q_SIGNALS:
    void sigEndSetting();

public Q_SLOTS:
    void slotApply() override;
};
