#pragma once
// Page 4, the stream settings: common movie, recording and live viewing settings.
#include "app/framework/ClListWidgetBase.h"

class ClWidgetStreamSetting : public ClListWidgetBase
{
    Q_OBJECT

public:
    explicit ClWidgetStreamSetting(QWidget* parent = nullptr);
};
