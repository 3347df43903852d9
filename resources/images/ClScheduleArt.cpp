#include "ClScheduleArt.h"

#include "ClChromeArt.h"
#include "resources/ClArtPalette.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
QColor everydayColour()
{
    return QColor(196, 132, 36);
}

QLinearGradient vertical(const QRectF& clRect, const QColor& clTop, const QColor& clBottom)
{
    QLinearGradient clGradient(clRect.topLeft(), clRect.bottomLeft());
    clGradient.setColorAt(0, clTop);
    clGradient.setColorAt(1, clBottom);
    return clGradient;
}
}  // namespace

QImage ClScheduleArt::bar(BarKind eKind, bool bOnMouse)
{
    QImage clImage = ClChromeArt::blank(40, 20);
    QPainter clPainter(&clImage);
    QColor clBase = eKind == Everyday ? everydayColour() : ClArtPalette::accent();
    if (bOnMouse)
        clBase = ClArtPalette::good().lighter(135);
    const QRectF clBody(0, 3, 40, 14);
    if (eKind == DayContinued) {
        // The continuation of the day before: the same colour, lighter and striped.
        clPainter.fillRect(clBody, clBase.lighter(165));
        clPainter.save();
        clPainter.setClipRect(clBody);
        clPainter.setRenderHint(QPainter::Antialiasing);
        clPainter.setPen(QPen(clBase.lighter(125), 2));
        for (int lX = -14; lX < 40; lX += 6)
            clPainter.drawLine(QPointF(lX, 17), QPointF(lX + 14, 3));
        clPainter.restore();
        clPainter.setPen(QPen(clBase.darker(115), 1));
        clPainter.drawLine(QPointF(0, 3.5), QPointF(40, 3.5));
        clPainter.drawLine(QPointF(0, 16.5), QPointF(40, 16.5));
    } else {
        clPainter.fillRect(clBody, vertical(clBody, clBase.lighter(125), clBase.darker(110)));
        clPainter.setPen(QPen(QColor(255, 255, 255, 90), 1));
        clPainter.drawLine(QPointF(0, 4.5), QPointF(40, 4.5));
    }
    return clImage;
}

QImage ClScheduleArt::barEnd(bool bRight)
{
    QImage clImage = ClChromeArt::blank(4, 20);
    QPainter clPainter(&clImage);
    clPainter.fillRect(QRect(0, 2, 4, 16), ClArtPalette::accentDark());
    clPainter.setPen(QColor(255, 255, 255, 200));
    clPainter.drawLine(bRight ? 1 : 2, 6, bRight ? 1 : 2, 13);
    return clImage;
}

QImage ClScheduleArt::transparent()
{
    return ClChromeArt::blank(1, 1);
}

QImage ClScheduleArt::axis()
{
    const int lW = 470;
    const int lH = 28;
    QImage clImage = ClChromeArt::blank(lW, lH);
    QPainter clPainter(&clImage);
    const QRectF clTrack(0, 4, lW, lH - 8);
    clPainter.fillRect(clTrack, QColor(250, 251, 252));
    // Night from 18:00 to 06:00 a shade darker.
    const QColor clNight(226, 231, 238);
    clPainter.fillRect(QRectF(0, 4, lW * 6 / 24.0, lH - 8), clNight);
    clPainter.fillRect(QRectF(lW * 18 / 24.0, 4, lW * 6 / 24.0, lH - 8), clNight);
    for (int lHour = 1; lHour < 24; ++lHour) {
        const qreal rX = qRound(lW * lHour / 24.0) + 0.5;
        const bool bMajor = lHour % 3 == 0;
        clPainter.setPen(
            QPen(bMajor ? ClArtPalette::groupBox() : ClArtPalette::list(), 1, bMajor ? Qt::SolidLine : Qt::DotLine));
        clPainter.drawLine(QPointF(rX, 4), QPointF(rX, lH - 4));
    }
    clPainter.setPen(QPen(ClArtPalette::groupBox(), 1));
    clPainter.setBrush(Qt::NoBrush);
    clPainter.drawRect(QRectF(0.5, 4.5, lW - 1, lH - 9));
    return clImage;
}

QImage ClScheduleArt::timeScale()
{
    const int lW = 470;
    const int lH = 18;
    QImage clImage = ClChromeArt::blank(lW, lH);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::TextAntialiasing);
    QFont clFont;
    clFont.setPixelSize(11);
    clPainter.setFont(clFont);
    clPainter.setPen(ClArtPalette::inkSoft());
    for (int lHour = 0; lHour <= 24; lHour += 3) {
        const int lX = qRound(lW * lHour / 24.0);
        const QString strText = QString::number(lHour);
        Qt::Alignment eAlign = Qt::AlignHCenter;
        QRect clBox(lX - 20, 0, 40, lH - 4);
        if (lHour == 0) {
            eAlign = Qt::AlignLeft;
            clBox = QRect(1, 0, 40, lH - 4);
        } else if (lHour == 24) {
            eAlign = Qt::AlignRight;
            clBox = QRect(lW - 41, 0, 40, lH - 4);
        }
        clPainter.drawText(clBox, int(eAlign | Qt::AlignVCenter), strText);
        clPainter.drawLine(qBound(0, lX, lW - 1), lH - 4, qBound(0, lX, lW - 1), lH - 1);
    }
    return clImage;
}

QImage ClScheduleArt::everydayRegion(bool bActive)
{
    QImage clImage = ClChromeArt::blank(16, 16);
    QColor clTint = bActive ? ClArtPalette::good() : everydayColour();
    clTint.setAlpha(bActive ? 60 : 48);
    clImage.fill(clTint);
    return clImage;
}

QImage ClScheduleArt::background()
{
    QImage clImage = ClChromeArt::blank(600, 469);
    QPainter clPainter(&clImage);
    const QRectF clRect(0, 0, 600, 469);
    clPainter.fillRect(clRect, vertical(clRect, ClArtPalette::page(), ClArtPalette::page().darker(103)));
    return clImage;
}

QImage ClScheduleArt::dayBand(bool bDay)
{
    QImage clImage = ClChromeArt::blank(18, 18);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    if (bDay) {
        const QColor clSun(214, 160, 30);
        clPainter.setPen(QPen(clSun, 1.5, Qt::SolidLine, Qt::RoundCap));
        for (int lRay = 0; lRay < 8; ++lRay) {
            clPainter.save();
            clPainter.translate(9, 9);
            clPainter.rotate(45 * lRay);
            clPainter.drawLine(QPointF(0, 5.5), QPointF(0, 8));
            clPainter.restore();
        }
        clPainter.setBrush(clSun);
        clPainter.drawEllipse(QPointF(9, 9), 3.6, 3.6);
    } else {
        QPainterPath clMoon;
        clMoon.addEllipse(QPointF(9, 9), 7, 7);
        QPainterPath clCut;
        clCut.addEllipse(QPointF(12.5, 6.5), 6, 6);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(ClArtPalette::accentDark());
        clPainter.drawPath(clMoon.subtracted(clCut));
    }
    return clImage;
}

QImage ClScheduleArt::line(bool bDotted)
{
    QImage clImage = ClChromeArt::blank(580, 2);
    QPainter clPainter(&clImage);
    clPainter.setPen(QPen(ClArtPalette::groupBox(), 1, bDotted ? Qt::DotLine : Qt::SolidLine));
    clPainter.drawLine(0, 0, 579, 0);
    clPainter.setPen(QPen(QColor(255, 255, 255, 180), 1, bDotted ? Qt::DotLine : Qt::SolidLine));
    clPainter.drawLine(0, 1, 579, 1);
    return clImage;
}

QImage ClScheduleArt::check(int lState)
{
    QImage clImage = ClChromeArt::blank(16, 16);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QRectF clBox(1.5, 1.5, 13, 13);
    const bool bOn = lState != 0;
    const QColor clFill = lState == 1 ? ClArtPalette::accent() : lState == 2 ? ClArtPalette::groupBox() : Qt::white;
    clPainter.setPen(QPen(bOn ? clFill.darker(130) : ClArtPalette::frame(), 1));
    clPainter.setBrush(clFill);
    clPainter.drawRoundedRect(clBox, 2.5, 2.5);
    if (bOn) {
        clPainter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath clTick;
        clTick.moveTo(4.5, 8.5);
        clTick.lineTo(7, 11);
        clTick.lineTo(11.5, 5);
        clPainter.setBrush(Qt::NoBrush);
        clPainter.drawPath(clTick);
    }
    return clImage;
}

QImage ClScheduleArt::dayName(int lLook)
{
    QImage clImage = ClChromeArt::blank(112, 28);
    QPainter clPainter(&clImage);
    clPainter.setRenderHint(QPainter::Antialiasing);
    QColor clTop = ClArtPalette::captionTop();
    QColor clBottom = ClArtPalette::captionBottom();
    QColor clEdge = ClArtPalette::list();
    if (lLook == 1) {
        clTop = ClArtPalette::accentLight().lighter(160);
        clBottom = ClArtPalette::accentLight().lighter(130);
        clEdge = ClArtPalette::accentLight();
    } else if (lLook == 2) {
        clTop = QColor(222, 240, 214);
        clBottom = QColor(196, 226, 184);
        clEdge = ClArtPalette::good().lighter(160);
    }
    const QRectF clRect(0.5, 1.5, 111, 25);
    clPainter.setPen(QPen(clEdge, 1));
    clPainter.setBrush(vertical(clRect, clTop, clBottom));
    clPainter.drawRoundedRect(clRect, 4, 4);
    return clImage;
}
