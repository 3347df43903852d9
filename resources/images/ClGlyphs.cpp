#include "ClGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPainterPath gearPath()
{
    // A ring with eight square teeth, merged into one outline so it fills cleanly.
    QPainterPath clGear;
    clGear.addEllipse(QPointF(12, 12), 7.2, 7.2);
    for (int i = 0; i < 8; ++i) {
        QPainterPath clTooth;
        clTooth.addRoundedRect(QRectF(-2, -10.2, 4, 5), 0.8, 0.8);
        QTransform clTurn;
        clTurn.translate(12, 12);
        clTurn.rotate(i * 45.0);
        clGear = clGear.united(clTurn.map(clTooth));
    }
    QPainterPath clHole;
    clHole.addEllipse(QPointF(12, 12), 3.2, 3.2);
    return clGear.subtracted(clHole);
}

QPainterPath wrenchPath()
{
    // A ring spanner head with an open jaw and a straight handle, laid diagonally.
    QPainterPath clHead;
    clHead.addEllipse(QPointF(15.5, 8.5), 5.5, 5.5);
    QPainterPath clHandle;
    clHandle.addRoundedRect(QRectF(-2, -2, 15, 4), 2, 2);
    QTransform clTurn;
    clTurn.translate(15.5, 8.5);
    clTurn.rotate(135);
    QPainterPath clBody = clHead.united(clTurn.map(clHandle));
    QPainterPath clJaw;
    clJaw.addRect(QRectF(-2, -7, 4, 6.5));
    QTransform clJawTurn;
    clJawTurn.translate(15.5, 8.5);
    clJawTurn.rotate(45);
    clBody = clBody.subtracted(clJawTurn.map(clJaw));
    QPainterPath clHole;
    clHole.addEllipse(QPointF(15.5, 8.5), 1.6, 1.6);
    return clBody.subtracted(clHole);
}

QPainterPath shieldPath(qreal rInset)
{
    QPainterPath clShield;
    clShield.moveTo(12, 2.5 + rInset);
    clShield.lineTo(19.5 - rInset, 5.5 + rInset * 0.5);
    clShield.lineTo(19.5 - rInset, 11);
    clShield.cubicTo(19.5 - rInset, 16, 16, 19.5 - rInset * 0.5, 12, 21.5 - rInset);
    clShield.cubicTo(8, 19.5 - rInset * 0.5, 4.5 + rInset, 16, 4.5 + rInset, 11);
    clShield.lineTo(4.5 + rInset, 5.5 + rInset * 0.5);
    clShield.closeSubpath();
    return clShield;
}

}  // namespace

void ClGlyphs::draw(QPainter& clPainter, Glyph eGlyph, const QRectF& clBox, const QColor& clColor)
{
    clPainter.save();
    clPainter.setRenderHint(QPainter::Antialiasing);
    clPainter.translate(clBox.topLeft());
    clPainter.scale(clBox.width() / 24.0, clBox.height() / 24.0);
    QPen clPen(clColor, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    clPainter.setPen(clPen);
    clPainter.setBrush(Qt::NoBrush);
    const QBrush clFill(clColor);

    switch (eGlyph) {
    case Camera:
        clPainter.drawRoundedRect(QRectF(3, 7, 18, 13), 2.5, 2.5);
        clPainter.drawLine(QPointF(9, 7), QPointF(10, 4));
        clPainter.drawLine(QPointF(10, 4), QPointF(14, 4));
        clPainter.drawLine(QPointF(14, 4), QPointF(15, 7));
        clPainter.drawEllipse(QPointF(12, 13.5), 3.5, 3.5);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        clPainter.drawEllipse(QPointF(18, 10), 1, 1);
        break;
    case Globe:
        clPainter.drawEllipse(QPointF(12, 12), 9, 9);
        clPainter.drawEllipse(QPointF(12, 12), 4, 9);
        clPainter.drawLine(QPointF(3, 12), QPointF(21, 12));
        clPainter.setPen(QPen(clColor, 1.5, Qt::SolidLine, Qt::RoundCap));
        clPainter.drawLine(QPointF(5, 7.5), QPointF(19, 7.5));
        clPainter.drawLine(QPointF(5, 16.5), QPointF(19, 16.5));
        break;
    case Gear:
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        clPainter.drawPath(gearPath());
        break;
    case Play: {
        clPainter.drawRoundedRect(QRectF(3, 5, 18, 14), 2.5, 2.5);
        QPainterPath clTriangle;
        clTriangle.moveTo(10, 8.5);
        clTriangle.lineTo(15.5, 12);
        clTriangle.lineTo(10, 15.5);
        clTriangle.closeSubpath();
        clPainter.setPen(QPen(clColor, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        clPainter.setBrush(clFill);
        clPainter.drawPath(clTriangle);
        break;
    }
    case Calendar:
        clPainter.drawRoundedRect(QRectF(4, 5, 16, 15), 2, 2);
        clPainter.drawLine(QPointF(4, 10), QPointF(20, 10));
        clPainter.drawLine(QPointF(8, 3), QPointF(8, 6));
        clPainter.drawLine(QPointF(16, 3), QPointF(16, 6));
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        for (int lRow = 0; lRow < 2; ++lRow)
            for (int lCol = 0; lCol < 3; ++lCol)
                clPainter.drawRect(QRectF(7 + lCol * 4, 12.5 + lRow * 3.5, 2, 2));
        break;
    case Shield:
        clPainter.drawPath(shieldPath(0));
        clPainter.drawPolyline(QPolygonF({QPointF(8.5, 12), QPointF(11, 14.5), QPointF(15.5, 9.5)}));
        break;
    case Help: {
        clPainter.drawEllipse(QPointF(12, 12), 9, 9);
        QPainterPath clMark;
        clMark.moveTo(9.3, 9.6);
        clMark.cubicTo(9.3, 7.9, 10.5, 7, 12, 7);
        clMark.cubicTo(13.6, 7, 14.7, 8, 14.7, 9.4);
        clMark.cubicTo(14.7, 11.4, 12, 11.6, 12, 13.8);
        clPainter.drawPath(clMark);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        clPainter.drawEllipse(QPointF(12, 17), 1.25, 1.25);
        break;
    }
    case Clock:
        clPainter.drawEllipse(QPointF(12, 12), 9, 9);
        clPainter.drawPolyline(QPolygonF({QPointF(12, 7), QPointF(12, 12), QPointF(15.5, 14)}));
        break;
    case Pin: {
        QPainterPath clPin;
        clPin.moveTo(12, 21);
        clPin.cubicTo(9, 17.5, 5, 13.5, 5, 9.5);
        clPin.arcTo(QRectF(5, 2.5, 14, 14), 180, -180);
        clPin.cubicTo(19, 13.5, 15, 17.5, 12, 21);
        clPin.closeSubpath();
        clPainter.drawPath(clPin);
        clPainter.drawEllipse(QPointF(12, 9.5), 2.5, 2.5);
        break;
    }
    case Wifi:
        for (int i = 1; i <= 3; ++i) {
            const qreal rRadius = 4.5 * i;
            clPainter.drawArc(QRectF(12 - rRadius, 19 - rRadius, 2 * rRadius, 2 * rRadius), 45 * 16, 90 * 16);
        }
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        clPainter.drawEllipse(QPointF(12, 19), 1.6, 1.6);
        break;
    case Key:
        clPainter.drawEllipse(QPointF(7.5, 12), 4, 4);
        clPainter.drawLine(QPointF(11.5, 12), QPointF(21, 12));
        clPainter.drawLine(QPointF(17, 12), QPointF(17, 15));
        clPainter.drawLine(QPointF(20, 12), QPointF(20, 16));
        break;
    case Sliders:
        clPainter.drawLine(QPointF(4, 6), QPointF(20, 6));
        clPainter.drawLine(QPointF(4, 12), QPointF(20, 12));
        clPainter.drawLine(QPointF(4, 18), QPointF(20, 18));
        clPainter.setBrush(clFill);
        clPainter.setPen(QPen(clColor, 1.0));
        clPainter.drawEllipse(QPointF(15, 6), 2.5, 2.5);
        clPainter.drawEllipse(QPointF(8, 12), 2.5, 2.5);
        clPainter.drawEllipse(QPointF(13, 18), 2.5, 2.5);
        break;
    case AccessPoint:
        clPainter.drawRoundedRect(QRectF(4, 14, 16, 6), 2, 2);
        clPainter.drawLine(QPointF(12, 14), QPointF(12, 8.5));
        clPainter.drawArc(QRectF(8, 3, 8, 8), 30 * 16, 120 * 16);
        clPainter.drawArc(QRectF(5, 0, 14, 14), 40 * 16, 100 * 16);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        clPainter.drawEllipse(QPointF(8, 17), 1, 1);
        clPainter.drawEllipse(QPointF(11, 17), 1, 1);
        break;
    case Port: {
        clPainter.drawRoundedRect(QRectF(3, 5, 18, 14), 2.5, 2.5);
        QPolygonF clSocket({QPointF(8, 9), QPointF(16, 9), QPointF(16, 13), QPointF(14, 13), QPointF(14, 15),
                            QPointF(10, 15), QPointF(10, 13), QPointF(8, 13)});
        clPainter.setPen(QPen(clColor, 1.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        clPainter.drawPolygon(clSocket);
        break;
    }
    case Broadcast:
        clPainter.drawArc(QRectF(7, 7, 10, 10), 120 * 16, 120 * 16);
        clPainter.drawArc(QRectF(7, 7, 10, 10), -60 * 16, 120 * 16);
        clPainter.drawArc(QRectF(3, 3, 18, 18), 125 * 16, 110 * 16);
        clPainter.drawArc(QRectF(3, 3, 18, 18), -55 * 16, 110 * 16);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        clPainter.drawEllipse(QPointF(12, 12), 2, 2);
        break;
    case Record:
        clPainter.drawEllipse(QPointF(12, 12), 9, 9);
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        clPainter.drawEllipse(QPointF(12, 12), 4.5, 4.5);
        break;
    case Video: {
        clPainter.drawRoundedRect(QRectF(2, 7, 13, 10), 2, 2);
        QPolygonF clLens({QPointF(15, 10.5), QPointF(21, 7.5), QPointF(21, 16.5), QPointF(15, 13.5)});
        clPainter.drawPolygon(clLens);
        break;
    }
    case Wrench:
        clPainter.setPen(Qt::NoPen);
        clPainter.setBrush(clFill);
        clPainter.drawPath(wrenchPath());
        break;
    case Padlock:
        clPainter.drawRoundedRect(QRectF(5, 11, 14, 10), 2, 2);
        clPainter.drawArc(QRectF(8, 4, 8, 10), 0, 180 * 16);
        clPainter.drawLine(QPointF(8, 9), QPointF(8, 11));
        clPainter.drawLine(QPointF(16, 9), QPointF(16, 11));
        clPainter.drawLine(QPointF(12, 15), QPointF(12, 17));
        break;
    }
    clPainter.restore();
}
