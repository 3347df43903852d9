#include "ClStreamArt.h"

#include "resources/ClArtPalette.h"

#include <QLinearGradient>
#include <QPainter>

namespace {
constexpr int lBarHeight = 8;
constexpr int lEndWidth = 6;
constexpr int lCentreWidth = 4;

QImage blank(int lWidth, int lHeight)
{
    QImage clImage(lWidth, lHeight, QImage::Format_ARGB32_Premultiplied);
    clImage.fill(Qt::transparent);
    return clImage;
}

QImage handle(const QColor& clFace, const QColor& clEdge)
{
    QImage clImage = blank(14, 22);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient clGradient(0, 0, 0, 22);
    clGradient.setColorAt(0, clFace.lighter(125));
    clGradient.setColorAt(1, clFace);
    clPainter.setPen(QPen(clEdge, 1));
    clPainter.setBrush(clGradient);
    clPainter.drawRoundedRect(QRectF(0.5, 0.5, 13, 21), 3, 3);
    // Grip lines, so the handle reads as something to take hold of.
    clPainter.setPen(QPen(clEdge.lighter(140), 1));
    for (int lX : {5, 8})
        clPainter.drawLine(QPointF(lX + 0.5, 7), QPointF(lX + 0.5, 15));
    return clImage;
}

void colours(ClStreamArt::Bar eBar, QColor* pclTop, QColor* pclBottom, QColor* pclEdge)
{
    switch (eBar) {
    case ClStreamArt::RateDone:
        *pclTop = ClArtPalette::accentLight();
        *pclBottom = ClArtPalette::accent();
        *pclEdge = ClArtPalette::accentDark();
        break;
    case ClStreamArt::ContrastDone:
        *pclTop = QColor(255, 255, 255);
        *pclBottom = QColor(226, 231, 237);
        *pclEdge = ClArtPalette::frame();
        break;
    case ClStreamArt::RateRest:
    case ClStreamArt::ContrastRest:
        *pclTop = ClArtPalette::slateTop();
        *pclBottom = ClArtPalette::slateBottom().darker(130);
        *pclEdge = QColor(20, 24, 30);
        break;
    }
}
}  // namespace

QImage ClStreamArt::rateHandle()
{
    return handle(ClArtPalette::metal(), ClArtPalette::frame());
}

QImage ClStreamArt::contrastHandle()
{
    return handle(ClArtPalette::captionBottom(), ClArtPalette::accentDark());
}

QImage ClStreamArt::bar(Bar eBar, Piece ePiece)
{
    QColor clTop;
    QColor clBottom;
    QColor clEdge;
    colours(eBar, &clTop, &clBottom, &clEdge);
    const int lWidth = ePiece == Centre ? lCentreWidth : lEndWidth;
    QImage clImage = blank(lWidth, lBarHeight);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient clGradient(0, 0, 0, lBarHeight);
    clGradient.setColorAt(0, clTop);
    clGradient.setColorAt(1, clBottom);
    clPainter.setPen(QPen(clEdge, 1));
    clPainter.setBrush(clGradient);
    // One rounded bar, cut into its pieces: the ends take the round corners.
    const qreal dRadius = lBarHeight / 2.0 - 0.5;
    QRectF clBar(0.5, 0.5, 3 * lWidth, lBarHeight - 1);
    if (ePiece == Centre)
        clBar.moveLeft(-lWidth);
    else if (ePiece == Right)
        clBar.moveRight(lWidth - 0.5);
    clPainter.drawRoundedRect(clBar, dRadius, dRadius);
    return clImage;
}
