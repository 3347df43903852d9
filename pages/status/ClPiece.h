#pragma once
// One slice of a ClPiechart: its name, colour and share in per cent, and the rectangle and
// angles (degrees) it was last drawn with, so that what was drawn can be checked.
#include <QColor>
#include <QObject>
#include <QRectF>

class ClPiece : public QObject
{
    Q_OBJECT

public:
    ClPiece(const QString& strName, const QColor& clColor, double dPercentage, QObject* parent = nullptr);

    QString name() const { return strName; }
    QColor color() const { return clColor; }
    double percentage() const { return dPercentage; }
    void setPercentage(double dValue) { dPercentage = dValue; }

    // As drawn: the top ellipse's rectangle, the start angle and the span.
    QRectF drawnRect() const { return QRectF(dRectX, dRectY, dRectWidth, dRectHeight); }
    double drawnStart() const { return dStart; }
    double drawnSpan() const { return dSpan; }
    void setDrawn(const QRectF& clRect, double dStartAngle, double dSpanAngle);

private:
    QString strName;
    QColor clColor;
    double dPercentage = 0;
    double dRectX = 0;
    double dRectY = 0;
    double dRectWidth = 0;
    double dRectHeight = 0;
    double dStart = 0;
    double dSpan = 0;
};
