#pragma once
// The frame-rate scale: five positions (1, 6 or 5, 10, 15 and 30 fps) painted with the
// "rate" pictures, the frame rates written under them.
#include <QSlider>

class ClSliderStyle;

class ClSliderFramerate : public QSlider
{
    Q_OBJECT

public:
    explicit ClSliderFramerate(QWidget* parent = nullptr);
    ~ClSliderFramerate() override;

    // The second mode has 5 fps at position 1, the first 6 fps.
    void setSecondMode(bool bSecond);
    bool isSecondMode() const { return bSecondMode; }
    int frameRate() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* pclEvent) override;
    // Labels and where they go, 0.0 (left end) to 1.0 (right end).
    virtual QList<QPair<double, QString>> tickLabels() const;

private:
    ClSliderStyle* pclStyle = nullptr;
    bool bSecondMode = false;
};
