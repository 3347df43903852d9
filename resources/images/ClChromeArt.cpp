#include "ClChromeArt.h"

#include "resources/ClArtPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const int lWindowWidth = 600;
const int lWindowHeight = 620;
const int lCornerRadius = 8;
const int lCaptionBottom = 27;
const int lModeBarBottom = 115;
const int lLogBarHeight = 36;

// Which corners of a shape are rounded.
enum Corner { TopLeft = 1, TopRight = 2, BottomLeft = 4, BottomRight = 8, AllCorners = 15 };

// The outline of a shape whose corners are rounded, built from whole pixels: the
// window's shape becomes a 1-bit mask, so soft edges would only turn into stray pixels.
QPainterPath roundedShape(const QRect& clRect, int lRadius, int lCorners)
{
    QPainterPath clPath;
    clPath.setFillRule(Qt::WindingFill);
    clPath.addRoundedRect(clRect, lRadius, lRadius);
    const int lW = clRect.width();
    const int lH = clRect.height();
    const int lR = lRadius;
    // Square off the corners that stay sharp.
    if (!(lCorners & TopLeft))
        clPath.addRect(clRect.x(), clRect.y(), lR, lR);
    if (!(lCorners & TopRight))
        clPath.addRect(clRect.x() + lW - lR, clRect.y(), lR, lR);
    if (!(lCorners & BottomLeft))
        clPath.addRect(clRect.x(), clRect.y() + lH - lR, lR, lR);
    if (!(lCorners & BottomRight))
        clPath.addRect(clRect.x() + lW - lR, clRect.y() + lH - lR, lR, lR);
    return clPath.simplified();
}

// Cuts the image to the shape with hard edges and draws a one-pixel outline along the
// shape's border; image edges listed in eOpenEdges continue into a neighbour and get none.
void cutAndOutline(QImage& clImage, const QPainterPath& clShape, const QColor& clOutline, Qt::Edges eOpenEdges = {})
{
    QImage clMask(clImage.size(), QImage::Format_Grayscale8);
    clMask.fill(0);
    {
        QPainter clPainter(&clMask);
        clPainter.setRenderHint(QPainter::Antialiasing, false);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(Qt::white);
        clPainter.drawPath(clShape);
    }
    const int lW = clImage.width();
    const int lH = clImage.height();
    auto inside = [&](int x, int y) {
        if (x < 0)
            return bool(eOpenEdges & Qt::LeftEdge);
        if (x >= lW)
            return bool(eOpenEdges & Qt::RightEdge);
        if (y < 0)
            return bool(eOpenEdges & Qt::TopEdge);
        if (y >= lH)
            return bool(eOpenEdges & Qt::BottomEdge);
        return clMask.pixelColor(x, y).value() > 127;
    };
    QImage clResult = clImage.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < lH; ++y) {
        for (int x = 0; x < lW; ++x) {
            if (!inside(x, y)) {
                clResult.setPixel(x, y, 0);
                continue;
            }
            if (!inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1))
                clResult.setPixelColor(x, y, clOutline);
        }
    }
    clImage = clResult.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QLinearGradient vertical(qreal rTop, qreal rBottom, const QColor& clTop, const QColor& clBottom)
{
    QLinearGradient clGradient(0, rTop, 0, rBottom);
    clGradient.setColorAt(0, clTop);
    clGradient.setColorAt(1, clBottom);
    return clGradient;
}

void paintLogBarBody(QPainter& clPainter, int lTop, int lWidth)
{
    clPainter.fillRect(QRect(0, lTop, lWidth, lLogBarHeight),
                       vertical(lTop, lTop + lLogBarHeight, ClArtPalette::slateTop(), ClArtPalette::slateBottom()));
    clPainter.fillRect(QRect(0, lTop, lWidth, 1), QColor(34, 40, 48));
    clPainter.fillRect(QRect(0, lTop + 1, lWidth, 1), QColor(255, 255, 255, 28));
}

// The app mark at a small size, for the caption.
void paintCaptionMark(QPainter& clPainter, const QRectF& clBox)
{
    clPainter.save();
    clPainter.setRenderHint(QPainter::Antialiasing);
    clPainter.setPen(Qt::NoPen);
    QLinearGradient clTile(clBox.topLeft(), clBox.bottomLeft());
    clTile.setColorAt(0, ClArtPalette::accentLight());
    clTile.setColorAt(1, ClArtPalette::accentDark());
    clPainter.setBrush(clTile);
    clPainter.drawRoundedRect(clBox, clBox.width() * 0.22, clBox.width() * 0.22);
    const QPointF clCentre = clBox.center();
    const qreal rUnit = clBox.width() / 64.0;
    clPainter.setPen(QPen(Qt::white, 5 * rUnit));
    clPainter.setBrush(QColor(20, 38, 64));
    clPainter.drawEllipse(clCentre, 16 * rUnit, 16 * rUnit);
    clPainter.restore();
}

}  // namespace

QImage ClChromeArt::blank(int lWidth, int lHeight)
{
    QImage clImage(lWidth, lHeight, QImage::Format_ARGB32_Premultiplied);
    clImage.fill(Qt::transparent);
    return clImage;
}

QImage ClChromeArt::window()
{
    QImage clImage = blank(lWindowWidth, lWindowHeight);
    {
        QPainter clPainter(&clImage);
        // Caption.
        clPainter.fillRect(QRect(0, 0, lWindowWidth, lCaptionBottom),
                           vertical(0, lCaptionBottom, ClArtPalette::captionTop(), ClArtPalette::captionBottom()));
        clPainter.fillRect(QRect(0, lCaptionBottom - 1, lWindowWidth, 1), QColor(190, 198, 208));
        paintCaptionMark(clPainter, QRectF(8, 4, 19, 19));
        // Mode bar: light, so that the black button texts read on it.
        clPainter.fillRect(QRect(0, lCaptionBottom, lWindowWidth, lModeBarBottom - lCaptionBottom),
                           vertical(lCaptionBottom, lModeBarBottom, ClArtPalette::barTop(), ClArtPalette::barBottom()));
        clPainter.fillRect(QRect(0, lCaptionBottom, lWindowWidth, 1), QColor(255, 255, 255, 200));
        clPainter.fillRect(QRect(0, lModeBarBottom - 1, lWindowWidth, 1), QColor(150, 160, 172));
        // Page area, with a faint shadow under the bar.
        const int lLogTop = lWindowHeight - lLogBarHeight;
        clPainter.fillRect(QRect(0, lModeBarBottom, lWindowWidth, lLogTop - lModeBarBottom), ClArtPalette::page());
        clPainter.fillRect(QRect(0, lModeBarBottom, lWindowWidth, 1), QColor(0, 0, 0, 22));
        clPainter.fillRect(QRect(0, lModeBarBottom + 1, lWindowWidth, 1), QColor(0, 0, 0, 10));
        // Log bar, the same as its own picture so that the two always meet.
        paintLogBarBody(clPainter, lLogTop, lWindowWidth);
    }
    cutAndOutline(clImage, roundedShape(QRect(0, 0, lWindowWidth, lWindowHeight), lCornerRadius, AllCorners),
                  ClArtPalette::frame());
    return clImage;
}

QImage ClChromeArt::closeButton(State eState)
{
    const int lW = 74;
    const int lH = 20;
    QImage clImage = blank(lW, lH);
    {
        QPainter clPainter(&clImage);
        QColor clTop = QColor(222, 227, 234);
        QColor clBottom = QColor(204, 211, 220);
        QColor clCross = ClArtPalette::ink();
        if (eState == Hover) {
            clTop = ClArtPalette::bad().lighter(118);
            clBottom = ClArtPalette::bad();
            clCross = Qt::white;
        } else if (eState == Pressed) {
            clTop = ClArtPalette::bad().darker(135);
            clBottom = ClArtPalette::bad().darker(115);
            clCross = QColor(255, 255, 255, 220);
        }
        clPainter.fillRect(clImage.rect(), vertical(0, lH, clTop, clBottom));
        clPainter.setRenderHint(QPainter::Antialiasing);
        clPainter.setPen(QPen(clCross, 2.0, Qt::SolidLine, Qt::RoundCap));
        const QPointF clCentre(lW / 2.0, lH / 2.0);
        clPainter.drawLine(clCentre + QPointF(-4.5, -4.5), clCentre + QPointF(4.5, 4.5));
        clPainter.drawLine(clCentre + QPointF(-4.5, 4.5), clCentre + QPointF(4.5, -4.5));
    }
    // A tab hanging from the window's top-right corner, whose corner it repeats.
    const QPainterPath clShape = roundedShape(QRect(0, 0, lW, lH), lCornerRadius, TopRight);
    QPainterPath clTab = roundedShape(QRect(0, -lH, lW, 2 * lH), 6, BottomLeft);
    cutAndOutline(clImage, clShape.intersected(clTab), ClArtPalette::frame());
    return clImage;
}

QImage ClChromeArt::modeFace(bool bSelected)
{
    const int lW = 97;
    const int lH = 87;
    QImage clImage = blank(lW, lH);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QRectF clFace(2.5, 2.5, lW - 5, lH - 5);
    if (bSelected) {
        clPainter.setPen(QPen(ClArtPalette::accentDark(), 1));
        clPainter.setBrush(vertical(2, lH - 2, ClArtPalette::accent(), ClArtPalette::accentDark()));
        clPainter.drawRoundedRect(clFace, 6, 6);
        clPainter.setPen(QPen(QColor(255, 255, 255, 70), 1));
        clPainter.setBrush(Qt::NoBrush);
        clPainter.drawRoundedRect(clFace.adjusted(1, 1, -1, -1), 5, 5);
    } else {
        clPainter.setPen(QPen(QColor(255, 255, 255, 230), 1));
        clPainter.setBrush(vertical(2, lH - 2, QColor(255, 255, 255, 150), QColor(255, 255, 255, 60)));
        clPainter.drawRoundedRect(clFace, 6, 6);
        clPainter.setPen(QPen(QColor(140, 152, 166, 120), 1));
        clPainter.setBrush(Qt::NoBrush);
        clPainter.drawRoundedRect(clFace.adjusted(-1, -1, 1, 1), 7, 7);
    }
    return clImage;
}

QImage ClChromeArt::modeSeparator()
{
    const int lH = lModeBarBottom - lCaptionBottom;
    QImage clImage = blank(2, lH);
    QPainter clPainter(&clImage);
    QLinearGradient clDark(0, 0, 0, lH);
    clDark.setColorAt(0, QColor(120, 132, 146, 0));
    clDark.setColorAt(0.5, QColor(120, 132, 146, 190));
    clDark.setColorAt(1, QColor(120, 132, 146, 0));
    QLinearGradient clLight(0, 0, 0, lH);
    clLight.setColorAt(0, QColor(255, 255, 255, 0));
    clLight.setColorAt(0.5, QColor(255, 255, 255, 230));
    clLight.setColorAt(1, QColor(255, 255, 255, 0));
    clPainter.fillRect(QRect(0, 0, 1, lH), clDark);
    clPainter.fillRect(QRect(1, 0, 1, lH), clLight);
    return clImage;
}

QImage ClChromeArt::logBar()
{
    QImage clImage = blank(lWindowWidth, lLogBarHeight);
    {
        QPainter clPainter(&clImage);
        paintLogBarBody(clPainter, 0, lWindowWidth);
    }
    // The bar is the window's bottom edge: same corners, same outline.
    cutAndOutline(clImage,
                  roundedShape(QRect(0, -lCornerRadius, lWindowWidth, lLogBarHeight + lCornerRadius), lCornerRadius,
                               BottomLeft | BottomRight),
                  ClArtPalette::frame(), Qt::TopEdge);
    return clImage;
}

QImage ClChromeArt::logButton(State eState)
{
    const int lW = 92;
    const int lH = 29;
    QImage clImage = blank(lW, lH);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QRectF clFace(0.5, 0.5, lW - 1, lH - 1);
    QLinearGradient clFill = vertical(0, lH, QColor(98, 112, 128), QColor(72, 84, 98));
    if (eState == Hover)
        clFill = vertical(0, lH, ClArtPalette::accentLight(), ClArtPalette::accent());
    else if (eState == Pressed)
        clFill = vertical(0, lH, ClArtPalette::accentDark(), ClArtPalette::accent());
    clPainter.setPen(QPen(QColor(26, 32, 40), 1));
    clPainter.setBrush(clFill);
    clPainter.drawRoundedRect(clFace, 5, 5);
    clPainter.setBrush(Qt::NoBrush);
    if (eState == Pressed) {
        clPainter.setPen(QPen(QColor(0, 0, 0, 70), 1));
        clPainter.drawLine(QPointF(4, 1.5), QPointF(lW - 4, 1.5));
    } else {
        clPainter.setPen(QPen(QColor(255, 255, 255, 60), 1));
        clPainter.drawRoundedRect(clFace.adjusted(1, 1, -1, -1), 4, 4);
    }
    return clImage;
}

QImage ClChromeArt::listBackground()
{
    const int lW = 130;
    const int lH = 40;
    QImage clImage = blank(lW, lH);
    QPainter clPainter(&clImage);
    clPainter.fillRect(clImage.rect(), vertical(0, lH, QColor(253, 254, 255), QColor(236, 240, 246)));
    clPainter.fillRect(QRect(0, 0, lW, 1), QColor(170, 180, 193));
    clPainter.fillRect(QRect(0, lH - 1, lW, 1), QColor(170, 180, 193));
    clPainter.fillRect(QRect(0, 0, 3, lH), ClArtPalette::accent());
    return clImage;
}

QImage ClChromeArt::listArrow()
{
    QImage clImage = blank(8, 14);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    clPainter.setPen(Qt::NoPen);
    clPainter.setBrush(ClArtPalette::accent());
    clPainter.drawPolygon(QPolygonF({QPointF(0.5, 0.5), QPointF(7.5, 7), QPointF(0.5, 13.5)}));
    return clImage;
}
