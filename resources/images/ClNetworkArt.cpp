#include "ClNetworkArt.h"

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

QImage ClNetworkArt::tabStrip()
{
    QImage clImage = ClChromeArt::blank(460, 72);
    QPainter clPainter(&clImage);
    clPainter.fillRect(clImage.rect(), vertical(clImage.rect(), ClArtPalette::barTop(), ClArtPalette::barBottom()));
    // The line the tabs stand on, in the colour of the chosen face.
    clPainter.fillRect(QRect(0, 69, 460, 3), ClArtPalette::accent());
    return clImage;
}

QImage ClNetworkArt::tabFace(bool bSelected)
{
    QImage clImage = ClChromeArt::blank(123, 36);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    QPainterPath clFace;
    const QRectF clRect(0.5, 0.5, 122, 36);
    clFace.addRoundedRect(clRect, 6, 6);
    clFace.addRect(QRectF(0.5, 20, 122, 16));
    clFace.setFillRule(Qt::WindingFill);
    clPainter.setPen(Qt::NoPen);
    if (bSelected)
        clPainter.setBrush(vertical(clRect, ClArtPalette::accentLight(), ClArtPalette::accent()));
    else
        clPainter.setBrush(vertical(clRect, QColor(255, 255, 255, 200), QColor(255, 255, 255, 90)));
    clPainter.drawPath(clFace.simplified());
    return clImage;
}

QImage ClNetworkArt::wifiOff()
{
    QImage clImage = ClChromeArt::blank(200, 200);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    clPainter.setPen(Qt::NoPen);
    clPainter.setBrush(ClArtPalette::groupBox().lighter(115));
    clPainter.drawEllipse(QRectF(10, 10, 180, 180));
    ClGlyphs::draw(clPainter, ClGlyphs::Wifi, QRectF(40, 36, 120, 120), ClArtPalette::inkSoft());
    // The stroke across the radio.
    clPainter.setPen(QPen(ClArtPalette::bad(), 12, Qt::SolidLine, Qt::RoundCap));
    clPainter.drawLine(QPointF(52, 52), QPointF(148, 148));
    return clImage;
}

QImage ClNetworkArt::subtitle()
{
    QImage clImage = ClChromeArt::blank(440, 28);
    QPainter clPainter(&clImage);
    const QRectF clRect(0, 0, 440, 28);
    clPainter.fillRect(clRect, vertical(clRect, ClArtPalette::slateTop(), ClArtPalette::slateBottom()));
    clPainter.fillRect(QRectF(0, 0, 4, 28), ClArtPalette::accentLight());
    return clImage;
}

QImage ClNetworkArt::checkMark()
{
    QImage clImage = ClChromeArt::blank(18, 16);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    clPainter.setPen(QPen(ClArtPalette::good(), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    clPainter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(7, 13), QPointF(15.5, 3)}));
    return clImage;
}

QImage ClNetworkArt::encryptionPlate()
{
    QImage clImage = ClChromeArt::blank(112, 24);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QRectF clPlate(0.5, 0.5, 111, 23);
    const QColor clBase = ClArtPalette::metal();
    clPainter.setPen(QPen(clBase.darker(150), 1));
    clPainter.setBrush(vertical(clPlate, clBase.lighter(112), clBase));
    clPainter.drawRoundedRect(clPlate, 11.5, 11.5);
    ClGlyphs::draw(clPainter, ClGlyphs::Padlock, QRectF(6, 4, 16, 16), ClArtPalette::ink());
    return clImage;
}

QImage ClNetworkArt::signalBars(int lLevel)
{
    QImage clImage = ClChromeArt::blank(30, 28);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QColor clOn = lLevel >= 3 ? ClArtPalette::good() : lLevel == 2 ? ClArtPalette::warning() : ClArtPalette::bad();
    const QColor clOff = ClArtPalette::groupBox();
    for (int i = 0; i < 3; ++i) {
        const qreal rHeight = 8 + 8 * i;
        const QRectF clBar(3 + 9 * i, 26 - rHeight, 6, rHeight);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(i < lLevel ? clOn : clOff);
        clPainter.drawRoundedRect(clBar, 1.5, 1.5);
    }
    if (lLevel == 0) {
        // No value a radio gives: the bars crossed out.
        clPainter.setPen(QPen(ClArtPalette::inkSoft(), 2, Qt::SolidLine, Qt::RoundCap));
        clPainter.drawLine(QPointF(4, 6), QPointF(26, 26));
    }
    return clImage;
}

QImage ClNetworkArt::pageButton(ClChromeArt::State eState)
{
    QImage clImage = ClChromeArt::blank(36, 22);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QRectF clRect(0.5, 0.5, 35, 21);
    const QColor clBase = eState == ClChromeArt::Pressed ? ClArtPalette::accentDark()
        : eState == ClChromeArt::Hover                  ? ClArtPalette::accentLight()
                                                         : ClArtPalette::accent();
    clPainter.setPen(QPen(clBase.darker(130), 1));
    clPainter.setBrush(vertical(clRect, clBase.lighter(120), clBase));
    clPainter.drawRoundedRect(clRect, 4, 4);
    // An arrow to the page behind the row.
    clPainter.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    clPainter.drawPolyline(QPolygonF({QPointF(15, 6), QPointF(21, 11), QPointF(15, 16)}));
    return clImage;
}
