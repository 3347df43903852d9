#include "ClSliderStyle.h"

#include <QPainter>
#include <QStyleOptionSlider>

ClSliderStyle::ClSliderStyle(const QString& strKind)
{
    QString strDone;
    QString strPrefix;
    if (strKind == QLatin1String("rate")) {
        strPrefix = QStringLiteral(":/move/slider_rate_");
        strDone = QStringLiteral("blue");
    } else if (strKind == QLatin1String("contrast")) {
        strPrefix = QStringLiteral(":/move/slider_contrast_");
        strDone = QStringLiteral("white");
    } else {
        return;
    }
    clHandle.load(strPrefix + QStringLiteral("handle"));
    const QLatin1String aszEnds[3] = {QLatin1String("_l"), QLatin1String("_c"), QLatin1String("_r")};
    for (int lPiece = 0; lPiece < 3; ++lPiece) {
        aclDone[lPiece].load(strPrefix + strDone + aszEnds[lPiece]);
        aclRest[lPiece].load(strPrefix + QStringLiteral("black") + aszEnds[lPiece]);
    }
}

int ClSliderStyle::pixelMetric(PixelMetric eMetric, const QStyleOption* pclOption, const QWidget* pclWidget) const
{
    if (hasPictures()) {
        switch (eMetric) {
        case PM_SliderLength:
            return clHandle.width();
        case PM_SliderThickness:
        case PM_SliderControlThickness:
            return clHandle.height();
        case PM_SliderTickmarkOffset:
            return 0;
        default:
            break;
        }
    }
    return QCommonStyle::pixelMetric(eMetric, pclOption, pclWidget);
}

QRect ClSliderStyle::subControlRect(ComplexControl eControl, const QStyleOptionComplex* pclOption, SubControl eSub,
                                    const QWidget* pclWidget) const
{
    const auto* pclSlider = qstyleoption_cast<const QStyleOptionSlider*>(pclOption);
    if (eControl != CC_Slider || pclSlider == nullptr || !hasPictures() || pclSlider->orientation != Qt::Horizontal)
        return QCommonStyle::subControlRect(eControl, pclOption, eSub, pclWidget);
    // The bar and handle sit in the top band, as high as the handle; what is below is the
    // slider's own (tick labels).
    const QRect clBand(pclSlider->rect.x(), pclSlider->rect.y(), pclSlider->rect.width(), clHandle.height());
    if (eSub == SC_SliderGroove)
        return clBand;
    if (eSub == SC_SliderHandle) {
        const int lSpan = qMax(0, clBand.width() - clHandle.width());
        const int lPos = sliderPositionFromValue(pclSlider->minimum, pclSlider->maximum, pclSlider->sliderPosition,
                                                 lSpan, pclSlider->upsideDown);
        return QRect(clBand.x() + lPos, clBand.y(), clHandle.width(), clHandle.height());
    }
    return QCommonStyle::subControlRect(eControl, pclOption, eSub, pclWidget);
}

QStyle::SubControl ClSliderStyle::hitTestComplexControl(ComplexControl eControl, const QStyleOptionComplex* pclOption,
                                                        const QPoint& clPoint, const QWidget* pclWidget) const
{
    if (eControl == CC_Slider && hasPictures()) {
        if (subControlRect(eControl, pclOption, SC_SliderHandle, pclWidget).contains(clPoint))
            return SC_SliderHandle;
        if (subControlRect(eControl, pclOption, SC_SliderGroove, pclWidget).contains(clPoint))
            return SC_SliderGroove;
        return SC_None;
    }
    return QCommonStyle::hitTestComplexControl(eControl, pclOption, clPoint, pclWidget);
}

void ClSliderStyle::drawBar(QPainter* pclPainter, const QRect& clRect, const QPixmap& clLeft, const QPixmap& clCentre,
                            const QPixmap& clRight) const
{
    if (clRect.width() <= 0)
        return;
    const int lTop = clRect.center().y() - clCentre.height() / 2;
    const int lLeft = qMin(clLeft.width(), clRect.width());
    const int lRight = qMin(clRight.width(), clRect.width() - lLeft);
    pclPainter->drawPixmap(clRect.x(), lTop, clLeft, 0, 0, lLeft, clLeft.height());
    const QRect clMiddle(clRect.x() + lLeft, lTop, clRect.width() - lLeft - lRight, clCentre.height());
    if (clMiddle.width() > 0)
        pclPainter->drawPixmap(clMiddle, clCentre);
    if (lRight > 0)
        pclPainter->drawPixmap(clRect.right() - lRight + 1, lTop, clRight, clRight.width() - lRight, 0, lRight,
                               clRight.height());
}

void ClSliderStyle::drawComplexControl(ComplexControl eControl, const QStyleOptionComplex* pclOption,
                                       QPainter* pclPainter, const QWidget* pclWidget) const
{
    const auto* pclSlider = qstyleoption_cast<const QStyleOptionSlider*>(pclOption);
    if (eControl != CC_Slider || pclSlider == nullptr || !hasPictures() || pclSlider->orientation != Qt::Horizontal) {
        QCommonStyle::drawComplexControl(eControl, pclOption, pclPainter, pclWidget);
        return;
    }
    const QRect clGroove = subControlRect(eControl, pclOption, SC_SliderGroove, pclWidget);
    const QRect clHandleRect = subControlRect(eControl, pclOption, SC_SliderHandle, pclWidget);
    pclPainter->save();
    if (!(pclSlider->state & State_Enabled))
        pclPainter->setOpacity(0.5);
    const int lSplit = clHandleRect.center().x();
    // The rest first, under the part already covered, so that the round ends never show a seam.
    drawBar(pclPainter, clGroove, aclRest[0], aclRest[1], aclRest[2]);
    QRect clDone = clGroove;
    clDone.setRight(lSplit);
    pclPainter->setClipRect(clDone);
    drawBar(pclPainter, clGroove, aclDone[0], aclDone[1], aclDone[2]);
    pclPainter->setClipping(false);
    pclPainter->drawPixmap(clHandleRect.topLeft(), clHandle);
    pclPainter->restore();
}
