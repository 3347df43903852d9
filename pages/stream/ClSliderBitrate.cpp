#include "ClSliderBitrate.h"

#include "settings/ClStreamRates.h"

ClSliderBitrate::ClSliderBitrate(QWidget* parent) : ClSliderFramerate(parent)
{
    setRange(ClStreamRates::lMinBitRate, ClStreamRates::lMaxBitRate);
    setSingleStep(16000);
    setPageStep(1024000);
}

QList<QPair<double, QString>> ClSliderBitrate::tickLabels() const
{
    const QString strFormat = QStringLiteral("%1kbps");
    const int lMiddle = (ClStreamRates::lMinBitRate + ClStreamRates::lMaxBitRate) / 2;
    return {{0.0, strFormat.arg(ClStreamRates::lMinBitRate / 1000)},
            {0.5, strFormat.arg(lMiddle / 1000)},
            {1.0, strFormat.arg(ClStreamRates::lMaxBitRate / 1000)}};
}
