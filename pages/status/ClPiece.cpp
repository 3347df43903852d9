#include "ClPiece.h"

ClPiece::ClPiece(const QString& strName_, const QColor& clColor_, double dPercentage_, QObject* parent)
    : QObject(parent), strName(strName_), clColor(clColor_), dPercentage(dPercentage_)
{}

void ClPiece::setDrawn(const QRectF& clRect, double dStartAngle, double dSpanAngle)
{
    dRectX = clRect.x();
    dRectY = clRect.y();
    dRectWidth = clRect.width();
    dRectHeight = clRect.height();
    dStart = dStartAngle;
    dSpan = dSpanAngle;
}
