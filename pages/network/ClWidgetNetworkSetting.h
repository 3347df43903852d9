#pragma once
// Page 2, the network settings: the connection page and the advanced (ports) page.
#include "framework/ClListWidgetBase.h"

class ClWidgetNetworkSetting : public ClListWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetNetworkSetting(QWidget* parent = nullptr);
};
