#pragma once
// A pie chart tilted into three dimensions: slices (ClPiece) in insertion order from a
// start angle, their top faces shaded across the pie, the walls of the slices' front rim,
// the cut faces at the open ends and an optional shadow. Every slice keeps the rectangle
// and angles it was drawn with; the walls and cut faces of the last drawing are kept too.
#include "ClPiece.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

class QPainter;

class ClPiechart : public QObject
{
    Q_OBJECT

public:
    // A stretch of the front rim a wall covers, in degrees (from < to).
    using WallPart = QPair<double, double>;
    struct Face
    {
        double dAngle = 0;
        QPolygonF clPolygon;
    };

    explicit ClPiechart(QObject* parent = nullptr);
    ~ClPiechart() override;

    virtual QList<ClPiece*> pieces() const;
    virtual void addPiece(const QString& strName, const QColor& clColor, double dPercentage);
    virtual void appendPiece(ClPiece* pclPiece);
    virtual void removePiece(ClPiece* pclPiece);
    virtual void removePieces(const QString& strName);
    virtual void clear();

    virtual bool shadow() const { return bShadow; }
    virtual void setShadow(bool bValue) { bShadow = bValue; }
    virtual bool clockwise() const { return bClockwise; }
    virtual void setClockwise(bool bValue) { bClockwise = bValue; }
    virtual double startAngle() const { return dStartAngle; }
    virtual void setStartAngle(double dValue) { dStartAngle = dValue; }
    virtual double alpha() const { return dAlpha; }
    virtual void setAlpha(double dValue) { dAlpha = dValue; }
    virtual double depth() const { return dDepth; }
    virtual void setDepth(double dValue) { dDepth = dValue; }

    virtual void drawFlat(QPainter* pclPainter);
    virtual void draw3D(QPainter* pclPainter);

    virtual QPointF position() const { return QPointF(dX, dY); }
    virtual void setPosition(const QPointF& ptPosition);
    virtual void setPosition(double dNewX, double dNewY) { setPosition(QPointF(dNewX, dNewY)); }
    virtual double width() const { return dWidth; }
    virtual void setWidth(double dValue) { dWidth = dValue; }
    virtual double height() const { return dHeight; }
    virtual void setHeight(double dValue) { dHeight = dValue; }
    virtual QRectF boundingRect(bool bWithDepth) const;

    virtual void sortAscending();
    virtual void sortDescending();

    virtual QPointF rimPoint(double dAngle, double dW, double dH) const;
    virtual int quadrant(double dAngle) const;
    virtual double normalizeAngle(double dAngle) const;
    virtual double tiltFactor() const;

    double spacing() const { return dSpacing; }
    void setSpacing(double dValue) { dSpacing = dValue; }
    qint32 type() const { return lType; }
    void setType(qint32 lValue) { lType = lValue; }

    // What the last draw3D() drew: the cut faces in drawing order, and per piece the
    // stretches of the front rim its wall covered (none when it had no wall).
    const QList<Face>& drawnFaces() const { return lstFaces; }
    const QList<QList<WallPart>>& drawnWalls() const { return lstWalls; }

private:
    // The slice's wall parts from the table of quadrants (normalised start s, end e).
    QList<WallPart> wallParts(double dS, double dE, int lQs, int lQe, double dSpan) const;
    QPolygonF facePolygon(double dAngle) const;
    void forget(ClPiece* pclPiece);

    double dX = 0;
    double dY = 0;
    double dWidth = 300;
    double dHeight = 300;
    double dSpacing = 5;
    double dAlpha = 45;
    double dStartAngle = 0;
    double dDepth = 45;
    qint32 lType = 0;
    QList<ClPiece*> lstPieces;
    bool bShadow = false;
    bool bClockwise = false;
    QList<Face> lstFaces;
    QList<QList<WallPart>> lstWalls;
};
