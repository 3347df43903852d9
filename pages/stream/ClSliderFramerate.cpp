#include "ClSliderFramerate.h"

#include "ClSliderStyle.h"
#include "settings/ClStreamRates.h"
#include "resources/ClArtPalette.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace {
constexpr int lLabelHeight = 14;
}  // namespace

ClSliderFramerate::ClSliderFramerate(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    pclStyle = new ClSliderStyle(QStringLiteral("rate"));
    pclStyle->setParent(this);
    setStyle(pclStyle);
    setRange(0, ClStreamRates::lPositions - 1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);
}

ClSliderFramerate::~ClSliderFramerate()
{
    // The style is the slider's child, but must not outlive its use by the widget.
    setStyle(nullptr);
}

void ClSliderFramerate::setSecondMode(bool bSecond)
{
    if (bSecondMode == bSecond)
        return;
    bSecondMode = bSecond;
    update();
}

int ClSliderFramerate::frameRate() const
{
    return ClStreamRates::frameRateOf(value(), bSecondMode);
}

QSize ClSliderFramerate::sizeHint() const
{
    const int lBand = style()->pixelMetric(QStyle::PM_SliderThickness, nullptr, this);
    return QSize(260, lBand + lLabelHeight);
}

QSize ClSliderFramerate::minimumSizeHint() const
{
    return QSize(120, sizeHint().height());
}

QList<QPair<double, QString>> ClSliderFramerate::tickLabels() const
{
    QList<QPair<double, QString>> lstLabels;
    const int lLast = ClStreamRates::lPositions - 1;
    for (int lPosition = 0; lPosition <= lLast; ++lPosition) {
        QString strText = QString::number(ClStreamRates::frameRateOf(lPosition, bSecondMode));
        if (lPosition == 0 || lPosition == lLast)
            strText += QStringLiteral("fps");
        lstLabels.append({double(lPosition) / lLast, strText});
    }
    return lstLabels;
}

void ClSliderFramerate::paintEvent(QPaintEvent* pclEvent)
{
    QSlider::paintEvent(pclEvent);
    QStyleOptionSlider clOption;
    initStyleOption(&clOption);
    const QRect clHandle = style()->subControlRect(QStyle::CC_Slider, &clOption, QStyle::SC_SliderHandle, this);
    const int lHalf = clHandle.width() / 2;
    const int lSpan = width() - clHandle.width();
    QPainter clPainter(this);
    QFont clFont = font();
    clFont.setPixelSize(11);
    clPainter.setFont(clFont);
    clPainter.setPen(ClArtPalette::ink());
    const QFontMetrics clMetrics(clFont);
    const int lTop = clHandle.bottom() + 1;
    for (const auto& clLabel : tickLabels()) {
        const int lCentre = lHalf + int(clLabel.first * lSpan);
        const int lWidth = clMetrics.horizontalAdvance(clLabel.second);
        // Keep the end labels inside the widget.
        const int lLeft = qBound(0, lCentre - lWidth / 2, qMax(0, width() - lWidth));
        clPainter.drawText(QRect(lLeft, lTop, lWidth, lLabelHeight), Qt::AlignCenter, clLabel.second);
    }
}
