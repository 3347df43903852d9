#include "ClPiechart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {
bool isFront(int lQuadrant)
{
    return lQuadrant == 3 || lQuadrant == 4;
}
bool isBack(int lQuadrant)
{
    return lQuadrant == 1 || lQuadrant == 2;
}
}  // namespace

ClPiechart::ClPiechart(QObject* parent) : QObject(parent) {}

ClPiechart::~ClPiechart() = default;

QList<ClPiece*> ClPiechart::pieces() const
{
    return lstPieces;
}

void ClPiechart::addPiece(const QString& strName, const QColor& clColor, double dPercentage)
{
    lstPieces.append(new ClPiece(strName, clColor, dPercentage, this));
}

void ClPiechart::appendPiece(ClPiece* pclPiece)
{
    if (pclPiece)
        lstPieces.append(pclPiece);
}

void ClPiechart::forget(ClPiece* pclPiece)
{
    // The chart's own pieces go with it; a page that redraws every few seconds would
    // otherwise pile up two dead pieces per refresh for as long as it runs.
    if (pclPiece->parent() == this && !lstPieces.contains(pclPiece))
        delete pclPiece;
}

void ClPiechart::removePiece(ClPiece* pclPiece)
{
    if (lstPieces.removeAll(pclPiece) > 0)
        forget(pclPiece);
}

void ClPiechart::removePieces(const QString& strName)
{
    const QList<ClPiece*> lstAll = lstPieces;
    for (ClPiece* pclPiece : lstAll) {
        if (pclPiece->name() == strName)
            removePiece(pclPiece);
    }
}

void ClPiechart::clear()
{
    const QList<ClPiece*> lstAll = lstPieces;
    lstPieces.clear();
    QSet<ClPiece*> setDeleted;
    for (ClPiece* pclPiece : lstAll) {
        if (pclPiece->parent() == this && !setDeleted.contains(pclPiece)) {
            setDeleted.insert(pclPiece);
            delete pclPiece;
        }
    }
    lstFaces.clear();
    lstWalls.clear();
}

void ClPiechart::setPosition(const QPointF& ptPosition)
{
    dX = ptPosition.x();
    dY = ptPosition.y();
}

QRectF ClPiechart::boundingRect(bool bWithDepth) const
{
    return QRectF(dX, dY, dWidth, dHeight / tiltFactor() + (bWithDepth ? dDepth : 0));
}

void ClPiechart::sortAscending()
{
    std::stable_sort(lstPieces.begin(), lstPieces.end(),
                     [](const ClPiece* a, const ClPiece* b) { return a->percentage() < b->percentage(); });
}

void ClPiechart::sortDescending()
{
    std::stable_sort(lstPieces.begin(), lstPieces.end(),
                     [](const ClPiece* a, const ClPiece* b) { return a->percentage() > b->percentage(); });
}

double ClPiechart::tiltFactor() const
{
    return (dAlpha > 0 && dAlpha < 90) ? 90.0 / dAlpha : 1.0;
}

QPointF ClPiechart::rimPoint(double dAngle, double dW, double dH) const
{
    const double w = dW == 0 ? dWidth : dW;
    const double h = dH <= 0 ? dHeight / tiltFactor() : dH;
    const double dRadians = qDegreesToRadians(dAngle);
    return QPointF(std::cos(dRadians) * w / 2 + w / 2 + dX, -std::sin(dRadians) * h / 2 + h / 2 + dY);
}

double ClPiechart::normalizeAngle(double dAngle) const
{
    if (!std::isfinite(dAngle))
        return 0;
    const double dWhole = std::trunc(dAngle);
    return std::fmod(dWhole, 360.0) + (dAngle - dWhole);
}

int ClPiechart::quadrant(double dAngle) const
{
    const double a = normalizeAngle(dAngle);
    if (a > 0 && a <= 90)
        return 1;
    if (a > 90 && a <= 180)
        return 2;
    if (a > 180 && a <= 270)
        return 3;
    if (a > 270 && a < 360)
        return 4;
    return 1;
}

QPolygonF ClPiechart::facePolygon(double dAngle) const
{
    const double h = dHeight / tiltFactor();
    const QPointF ptCentre(dX + dWidth / 2, dY + h / 2);
    const QPointF ptRim = rimPoint(dAngle, 0, 0);
    return QPolygonF({ptRim, ptRim + QPointF(0, dDepth), ptCentre + QPointF(0, dDepth), ptCentre});
}

QList<ClPiechart::WallPart> ClPiechart::wallParts(double dS, double dE, int lQs, int lQe, double dSpan) const
{
    if (isFront(lQs) && isFront(lQe) && dS < dE)
        return {{dS, dE}};
    if (isBack(lQs) && isFront(lQe) && dE > dS)
        return {{180, dE}};
    if (isFront(lQs) && isBack(lQe) && dE < dS)
        return {{dS, 360}};
    if (isBack(lQs) && isBack(lQe) && dE < dS)
        return {{180, 360}};
    if (isFront(lQs) && isFront(lQe))  // s >= e: the slice passes behind the pie
        return {{180, dE}, {dS, 360}};
    if (std::abs(dSpan) >= 360)
        return {{180, 360}};
    return {};
}

void ClPiechart::drawFlat(QPainter* pclPainter)
{
    if (!pclPainter)
        return;
    const double dDir = bClockwise ? -1 : 1;
    double a = dStartAngle;
    const QRectF clRect(dX, dY, dWidth, dHeight);
    for (ClPiece* pclPiece : std::as_const(lstPieces)) {
        const double dSpan = pclPiece->percentage() * 3.6 * dDir;
        pclPainter->setBrush(pclPiece->color());
        pclPainter->drawPie(clRect, int(16 * a), int(16 * dSpan));
        pclPiece->setDrawn(clRect, a, dSpan);
        a += dSpan;
    }
}

void ClPiechart::draw3D(QPainter* pclPainter)
{
    lstFaces.clear();
    lstWalls.clear();
    if (!pclPainter || lstPieces.isEmpty())
        return;
    const double dDir = bClockwise ? -1 : 1;
    const double h = dHeight / tiltFactor();
    const double cy = dY + h / 2;
    double dTotal = 0;
    for (const ClPiece* pclPiece : std::as_const(lstPieces))
        dTotal += pclPiece->percentage() * 3.6;

    QLinearGradient clTop(dX - dWidth / 2, cy, dX + 1.5 * dWidth, cy);
    clTop.setColorAt(0, Qt::black);
    clTop.setColorAt(1, Qt::white);
    QLinearGradient clWall(dX, dY + h, dX + dWidth, dY + h);
    clWall.setColorAt(0, Qt::black);

    if (bShadow) {
        pclPainter->setBrush(QColor(Qt::darkGray));
        pclPainter->drawPie(QRect(int(dX), int(dY + dDepth + 5), int(dWidth), int(h)), int(16 * dStartAngle),
                            int(16 * dTotal * dDir));
    }

    // The cut faces at the two open ends, the far one first.
    const auto drawFace = [&](double dAngle, const QColor& clColor) {
        clWall.setColorAt(1, clColor);
        pclPainter->setBrush(clWall);
        const QPolygonF clFace = facePolygon(dAngle);
        pclPainter->drawPolygon(clFace);
        lstFaces.append({dAngle, clFace});
    };
    const int lEndQuadrant = quadrant(dStartAngle + dTotal);
    if (lEndQuadrant == 2 || lEndQuadrant == 3)
        drawFace(dStartAngle + dTotal, lstPieces.last()->color());
    const int lStartQuadrant = quadrant(dStartAngle);
    if (lStartQuadrant == 1 || lStartQuadrant == 4)
        drawFace(dStartAngle, lstPieces.first()->color());

    const QRectF clTopRect(int(dX), int(dY), int(dWidth), h);
    const QRectF clLowRect(dX, dY + dDepth, dWidth, h);
    double a = dStartAngle;
    for (ClPiece* pclPiece : std::as_const(lstPieces)) {
        const double dSpan = pclPiece->percentage() * 3.6 * dDir;
        clTop.setColorAt(0.5, pclPiece->color());
        pclPainter->setBrush(clTop);
        pclPainter->drawPie(clTopRect, int(16 * a), int(16 * dSpan));
        pclPiece->setDrawn(clTopRect, a, dSpan);

        const double s = normalizeAngle(a);
        const double e = normalizeAngle(a + dSpan);
        const int lQs = quadrant(a);
        const int lQe = quadrant(a + dSpan);
        a += dSpan;

        const QList<WallPart> lstParts = wallParts(s, e, lQs, lQe, dSpan);
        lstWalls.append(lstParts);
        QPainterPath clPath;
        for (const WallPart& stPart : lstParts) {
            QPointF ptFirst = rimPoint(stPart.first, 0, 0);
            if (isFront(lQs) && isFront(lQe) && s < e)
                ptFirst.rx() -= 1;
            const double dSweep = stPart.second - stPart.first;
            clPath.moveTo(ptFirst);
            clPath.arcTo(clTopRect, stPart.first, dSweep);
            clPath.lineTo(rimPoint(stPart.second, 0, 0) + QPointF(0, dDepth));
            clPath.arcTo(clLowRect, stPart.second, -dSweep);
            clPath.closeSubpath();
        }
        if (!clPath.isEmpty()) {
            clWall.setColorAt(1, pclPiece->color());
            pclPainter->setBrush(clWall);
            pclPainter->drawPath(clPath);
        }
    }
}
