#pragma once
// The bit-rate scale in bits per second, 384000 to 15360000, with its ends and middle
// written under it in kilobits per second.
#include "ClSliderFramerate.h"

class ClSliderBitrate : public ClSliderFramerate
{
    Q_OBJECT

public:
    explicit ClSliderBitrate(QWidget* parent = nullptr);

protected:
    QList<QPair<double, QString>> tickLabels() const override;
};
