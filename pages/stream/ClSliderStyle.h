#pragma once
// Paints a horizontal slider from pictures: a three-piece bar (left end, stretched centre,
// right end) in one colour up to the handle and another after it, and the handle on top.
// Kind "rate" is the frame-rate and bit-rate look, "contrast" the picture-quality look;
// any other kind has no pictures and paints as the common style does.
#include <QCommonStyle>
#include <QPixmap>

class ClSliderStyle : public QCommonStyle
{
    Q_OBJECT

public:
    explicit ClSliderStyle(const QString& strKind);

    bool hasPictures() const { return !clHandle.isNull(); }

    void drawComplexControl(ComplexControl eControl, const QStyleOptionComplex* pclOption, QPainter* pclPainter,
                            const QWidget* pclWidget = nullptr) const override;
    QRect subControlRect(ComplexControl eControl, const QStyleOptionComplex* pclOption, SubControl eSub,
                         const QWidget* pclWidget = nullptr) const override;
    int pixelMetric(PixelMetric eMetric, const QStyleOption* pclOption = nullptr,
                    const QWidget* pclWidget = nullptr) const override;
    SubControl hitTestComplexControl(ComplexControl eControl, const QStyleOptionComplex* pclOption,
                                     const QPoint& clPoint, const QWidget* pclWidget = nullptr) const override;

private:
    void drawBar(QPainter* pclPainter, const QRect& clRect, const QPixmap& clLeft, const QPixmap& clCentre,
                 const QPixmap& clRight) const;

    QPixmap clHandle;
    QPixmap aclDone[3];  // left, centre, right: the part before the handle
    QPixmap aclRest[3];  // the part after it
};
