#include "ClStatusArt.h"

#include "ClChromeArt.h"
#include "ClGlyphs.h"
#include "resources/ClArtPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
QLinearGradient vertical(const QRectF& clRect, const QColor& clTop, const QColor& clBottom)
{
    QLinearGradient clGradient(clRect.topLeft(), clRect.bottomLeft());
    clGradient.setColorAt(0, clTop);
    clGradient.setColorAt(1, clBottom);
    return clGradient;
}
}  // namespace

QImage ClStatusArt::batterySymbol()
{
    QImage clImage = ClChromeArt::blank(30, 30);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QRectF clBody(3, 8, 21, 14);
    clPainter.setPen(QPen(ClArtPalette::ink(), 2));
    clPainter.setBrush(Qt::NoBrush);
    clPainter.drawRoundedRect(clBody, 2.5, 2.5);
    clPainter.setPen(Qt::NoPen);
    clPainter.setBrush(ClArtPalette::ink());
    clPainter.drawRoundedRect(QRectF(24.5, 12, 3, 6), 1, 1);
    clPainter.setBrush(ClArtPalette::good());
    clPainter.drawRect(QRectF(6, 11, 10, 8));
    return clImage;
}

QImage ClStatusArt::wifiSymbol()
{
    QImage clImage = ClChromeArt::blank(30, 30);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    ClGlyphs::draw(clPainter, ClGlyphs::Wifi, QRectF(3, 3, 24, 24), ClArtPalette::ink());
    return clImage;
}

QImage ClStatusArt::sdSymbol()
{
    QImage clImage = ClChromeArt::blank(30, 30);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    // A card with its corner cut and its contacts along the top.
    QPainterPath clCard;
    clCard.moveTo(8, 3);
    clCard.lineTo(23, 3);
    clCard.lineTo(23, 27);
    clCard.lineTo(7, 27);
    clCard.lineTo(7, 9);
    clCard.lineTo(12, 3);
    clPainter.setPen(QPen(ClArtPalette::ink(), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    clPainter.setBrush(Qt::NoBrush);
    clPainter.drawPath(clCard);
    clPainter.setPen(QPen(ClArtPalette::accent(), 2, Qt::SolidLine, Qt::RoundCap));
    for (int x = 13; x <= 21; x += 3)
        clPainter.drawLine(QPointF(x, 6.5), QPointF(x, 10.5));
    return clImage;
}

QImage ClStatusArt::linkPlate(bool bLinked)
{
    QImage clImage = ClChromeArt::blank(112, 24);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QColor clBase = bLinked ? ClArtPalette::good() : ClArtPalette::groupBox().darker(135);
    const QRectF clPlate(0.5, 0.5, 111, 23);
    clPainter.setPen(QPen(clBase.darker(140), 1));
    clPainter.setBrush(vertical(clPlate, clBase.lighter(130), clBase));
    clPainter.drawRoundedRect(clPlate, 11.5, 11.5);
    clPainter.setPen(QPen(QColor(255, 255, 255, 70), 1));
    clPainter.setBrush(Qt::NoBrush);
    clPainter.drawRoundedRect(clPlate.adjusted(1.5, 1.5, -1.5, -1.5), 10, 10);
    return clImage;
}

QImage ClStatusArt::separatorLine()
{
    QImage clImage = ClChromeArt::blank(600, 2);
    QPainter clPainter(&clImage);
    QLinearGradient clFade(0, 0, 600, 0);
    QColor clLine = ClArtPalette::listLine();
    QColor clClear = clLine;
    clClear.setAlpha(0);
    clFade.setColorAt(0, clClear);
    clFade.setColorAt(0.08, clLine);
    clFade.setColorAt(0.92, clLine);
    clFade.setColorAt(1, clClear);
    clPainter.fillRect(QRect(0, 0, 600, 1), clFade);
    QColor clLight(255, 255, 255, 200);
    clPainter.fillRect(QRect(0, 1, 600, 1), clLight);
    return clImage;
}
