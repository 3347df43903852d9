#include "ClPictureArt.h"

#include "ClChromeArt.h"
#include "resources/ClArtPalette.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QLinearGradient vertical(const QRectF& clRect, const QColor& clTop, const QColor& clBottom)
{
    QLinearGradient clGradient(clRect.topLeft(), clRect.bottomLeft());
    clGradient.setColorAt(0, clTop);
    clGradient.setColorAt(1, clBottom);
    return clGradient;
}

// The app mark: a blue tile carrying a camera lens.
void paintMark(QPainter& clPainter, const QRectF& clBox)
{
    clPainter.save();
    clPainter.setRenderHint(QPainter::Antialiasing);
    const qreal rUnit = clBox.width() / 64.0;
    const QRectF clTile = clBox.adjusted(rUnit, rUnit, -rUnit, -rUnit);
    clPainter.setPen(QPen(ClArtPalette::accentDark(), qMax<qreal>(1.0, rUnit)));
    clPainter.setBrush(vertical(clTile, ClArtPalette::accentLight(), ClArtPalette::accentDark()));
    clPainter.drawRoundedRect(clTile, 14 * rUnit, 14 * rUnit);

    const QPointF clCentre = clBox.center();
    clPainter.setPen(QPen(Qt::white, 5 * rUnit));
    QRadialGradient clGlass(clCentre + QPointF(-4, -4) * rUnit, 18 * rUnit);
    clGlass.setColorAt(0, QColor(60, 98, 146));
    clGlass.setColorAt(1, QColor(14, 28, 48));
    clPainter.setBrush(clGlass);
    clPainter.drawEllipse(clCentre, 17 * rUnit, 17 * rUnit);
    clPainter.setPen(Qt::NoPen);
    clPainter.setBrush(QColor(255, 255, 255, 210));
    clPainter.drawEllipse(clCentre + QPointF(-5.5, -5.5) * rUnit, 3.5 * rUnit, 3.5 * rUnit);
    clPainter.setBrush(QColor(255, 255, 255, 110));
    clPainter.drawEllipse(clCentre + QPointF(5, 5) * rUnit, 1.8 * rUnit, 1.8 * rUnit);
    clPainter.restore();
}

QFont nameFont(qreal rPixels, bool bBold)
{
    QFont clFont(QStringLiteral("DejaVu Sans"));
    clFont.setPixelSize(qRound(rPixels));
    clFont.setBold(bBold);
    clFont.setHintingPreference(QFont::PreferFullHinting);
    return clFont;
}

// A filled badge in the shape of a shield.
QPainterPath shieldShape(const QRectF& clBox)
{
    const qreal x = clBox.x();
    const qreal y = clBox.y();
    const qreal w = clBox.width();
    const qreal h = clBox.height();
    QPainterPath clPath;
    clPath.moveTo(x + w * 0.5, y);
    clPath.cubicTo(x + w * 0.68, y + h * 0.08, x + w * 0.86, y + h * 0.11, x + w, y + h * 0.12);
    clPath.lineTo(x + w, y + h * 0.45);
    clPath.cubicTo(x + w, y + h * 0.72, x + w * 0.78, y + h * 0.9, x + w * 0.5, y + h);
    clPath.cubicTo(x + w * 0.22, y + h * 0.9, x, y + h * 0.72, x, y + h * 0.45);
    clPath.lineTo(x, y + h * 0.12);
    clPath.cubicTo(x + w * 0.14, y + h * 0.11, x + w * 0.32, y + h * 0.08, x + w * 0.5, y);
    clPath.closeSubpath();
    return clPath;
}

}  // namespace

QImage ClPictureArt::appIcon(int lSize)
{
    QImage clImage = ClChromeArt::blank(lSize, lSize);
    QPainter clPainter(&clImage);
    paintMark(clPainter, QRectF(0, 0, lSize, lSize));
    return clImage;
}

QImage ClPictureArt::logo(int lWidth, int lHeight)
{
    QImage clImage = ClChromeArt::blank(lWidth, lHeight);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    clPainter.setRenderHint(QPainter::TextAntialiasing);
    paintMark(clPainter, QRectF(0, 0, lHeight, lHeight));

    const qreal rLeft = lHeight * 1.2;
    const QFont clName = nameFont(lHeight * 0.56, true);
    const QFont clLine = nameFont(lHeight * 0.24, false);
    const QFontMetricsF clLineMetrics(clLine);
    const qreal rNameBase = lHeight * 0.60;
    clPainter.setFont(clName);
    clPainter.setPen(ClArtPalette::ink());
    clPainter.drawText(QPointF(rLeft, rNameBase), QStringLiteral("Tovu"));
    clPainter.setFont(clLine);
    clPainter.setPen(ClArtPalette::accent());
    clPainter.drawText(QPointF(rLeft + 1, rNameBase + clLineMetrics.ascent() + lHeight * 0.10),
                       QStringLiteral("SETTING TOOL"));
    return clImage;
}

QImage ClPictureArt::modeIcon(ClGlyphs::Glyph eGlyph)
{
    QImage clImage = ClChromeArt::blank(48, 48);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QRectF clTile(2.5, 2.5, 43, 43);
    // A soft drop below the tile lifts it off both the light bar and the selected face.
    clPainter.setPen(Qt::NoPen);
    clPainter.setBrush(QColor(0, 0, 0, 45));
    clPainter.drawRoundedRect(clTile.translated(0, 1.5), 10, 10);
    clPainter.setPen(QPen(ClArtPalette::accentDark(), 1));
    clPainter.setBrush(vertical(clTile, ClArtPalette::accentLight(), ClArtPalette::accentDark()));
    clPainter.drawRoundedRect(clTile, 10, 10);
    clPainter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    clPainter.setBrush(Qt::NoBrush);
    clPainter.drawRoundedRect(clTile.adjusted(1, 1, -1, -1), 9, 9);
    ClGlyphs::draw(clPainter, eGlyph, QRectF(9, 9, 30, 30), Qt::white);
    return clImage;
}

QImage ClPictureArt::listIcon(ClGlyphs::Glyph eGlyph, bool bSelected)
{
    QImage clImage = ClChromeArt::blank(28, 28);
    QPainter clPainter(&clImage);
    ClGlyphs::draw(clPainter, eGlyph, QRectF(2, 2, 24, 24),
                   bSelected ? ClArtPalette::accent() : ClArtPalette::inkSoft());
    return clImage;
}

QImage ClPictureArt::notConnected()
{
    QImage clImage = ClChromeArt::blank(260, 170);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);

    // Cable first, so the plug sits on it.
    const QColor clCable(64, 74, 86);
    QPainterPath clCord;
    clCord.moveTo(190, 105);
    clCord.cubicTo(222, 105, 228, 146, 266, 152);
    clPainter.setPen(QPen(clCable, 7, Qt::SolidLine, Qt::FlatCap));
    clPainter.setBrush(Qt::NoBrush);
    clPainter.drawPath(clCord);

    // Camera body.
    const QRectF clBody(16, 36, 124, 100);
    clPainter.setPen(QPen(QColor(40, 48, 58), 1.5));
    clPainter.setBrush(vertical(clBody, QColor(122, 134, 148), QColor(74, 84, 96)));
    clPainter.drawRoundedRect(clBody, 18, 18);
    clPainter.setPen(QPen(QColor(255, 255, 255, 60), 1));
    clPainter.setBrush(Qt::NoBrush);
    clPainter.drawRoundedRect(clBody.adjusted(2, 2, -2, -2), 16, 16);
    // Clip on top.
    clPainter.setPen(QPen(QColor(40, 48, 58), 1.5));
    clPainter.setBrush(vertical(QRectF(50, 26, 56, 12), QColor(150, 160, 172), QColor(104, 114, 126)));
    clPainter.drawRoundedRect(QRectF(50, 26, 56, 14), 4, 4);
    // Lens.
    const QPointF clLens(74, 86);
    clPainter.setBrush(vertical(QRectF(40, 52, 68, 68), QColor(222, 228, 235), QColor(150, 160, 172)));
    clPainter.drawEllipse(clLens, 34, 34);
    QRadialGradient clGlass(clLens + QPointF(-8, -8), 30);
    clGlass.setColorAt(0, QColor(64, 100, 146));
    clGlass.setColorAt(1, QColor(12, 22, 36));
    clPainter.setBrush(clGlass);
    clPainter.setPen(QPen(QColor(24, 30, 38), 2));
    clPainter.drawEllipse(clLens, 25, 25);
    clPainter.setPen(Qt::NoPen);
    clPainter.setBrush(QColor(255, 255, 255, 190));
    clPainter.drawEllipse(clLens + QPointF(-9, -9), 5, 5);
    clPainter.setBrush(QColor(255, 255, 255, 90));
    clPainter.drawEllipse(clLens + QPointF(8, 8), 2.5, 2.5);
    // Status lamp, dark: nothing is connected.
    clPainter.setBrush(QColor(52, 60, 70));
    clPainter.drawEllipse(QPointF(124, 52), 4, 4);
    // USB port on the side.
    clPainter.setBrush(QColor(30, 36, 44));
    clPainter.drawRoundedRect(QRectF(136, 97, 7, 16), 1.5, 1.5);

    // The plug, pulled away from the port.
    clPainter.setPen(QPen(QColor(40, 48, 58), 1.5));
    clPainter.setBrush(vertical(QRectF(168, 94, 24, 22), QColor(110, 122, 136), QColor(70, 80, 92)));
    clPainter.drawRoundedRect(QRectF(170, 94, 22, 22), 4, 4);
    clPainter.setBrush(vertical(QRectF(158, 99, 13, 12), QColor(226, 231, 237), QColor(168, 178, 190)));
    clPainter.drawRect(QRectF(157.5, 99.5, 13, 11));
    clPainter.setPen(Qt::NoPen);
    clPainter.setBrush(QColor(60, 70, 82));
    clPainter.drawRect(QRectF(160, 102, 3, 2));
    clPainter.drawRect(QRectF(160, 106, 3, 2));

    // The gap, marked.
    clPainter.setPen(QPen(ClArtPalette::bad(), 2, Qt::SolidLine, Qt::RoundCap));
    clPainter.drawLine(QPointF(147, 92), QPointF(151, 84));
    clPainter.drawLine(QPointF(151, 93), QPointF(158, 87));
    clPainter.drawLine(QPointF(147, 118), QPointF(151, 126));
    clPainter.drawLine(QPointF(151, 117), QPointF(158, 123));
    return clImage;
}

QImage ClPictureArt::modeBadge(bool bMaintenance)
{
    QImage clImage = ClChromeArt::blank(100, 100);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QColor clBase = bMaintenance ? ClArtPalette::good() : ClArtPalette::bad();
    const QRectF clBox(12, 5, 76, 90);
    const QPainterPath clShield = shieldShape(clBox);
    clPainter.setPen(QPen(clBase.darker(140), 2));
    clPainter.setBrush(vertical(clBox, clBase.lighter(135), clBase));
    clPainter.drawPath(clShield);
    clPainter.setPen(QPen(QColor(255, 255, 255, 80), 1.5));
    clPainter.setBrush(Qt::NoBrush);
    clPainter.drawPath(shieldShape(clBox.adjusted(4, 4.5, -4, -4.5)));
    ClGlyphs::draw(clPainter, bMaintenance ? ClGlyphs::Wrench : ClGlyphs::Padlock, QRectF(26, 24, 48, 48), Qt::white);
    return clImage;
}
