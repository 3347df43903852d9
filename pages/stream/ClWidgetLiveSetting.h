#pragma once
// "Live viewing setting": the resolution, frame rate and bit rate of the live view stream.
#include "ClWidgetRatePage.h"

class ClWidgetLiveSetting : public ClWidgetRatePage
{
    Q_OBJECT

public:
    explicit ClWidgetLiveSetting(QWidget* parent = nullptr);

    void setCameraInfo(qint32 lModel, QString strVersion) override;

    static QSize sizeOfIndex(int lIndex);
    static int indexOfSize(const QSize& clSize);

protected:
    QSize sizeShownAt(int lIndex) const override { return sizeOfIndex(lIndex); }
    int indexShowing(const QSize& clSize) const override { return indexOfSize(clSize); }
};
