#include "ClRectWidget.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>

ClRectWidget::ClRectWidget(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void ClRectWidget::setImage(ePart ePartIndex, const QPixmap& clPixmap)
{
    aImages[ePartIndex] = clPixmap;
    aShapes[ePartIndex] = shapeOf(clPixmap);
    markLayoutOutdated();
}

ClRectWidget::Shape ClRectWidget::shapeOf(const QPixmap& clPixmap)
{
    Shape stShape;
    const QBitmap clMask = clPixmap.mask();
    if (clMask.isNull())
        return stShape;
    // The mask keeps the pixels that are at least half opaque; a smooth stretch mixes
    // neighbours only, so a picture wholly on one side of that stays so at any size.
    const QRegion clRegion(clMask);
    if (clRegion.isEmpty())
        stShape.eKind = eCover::Clear;
    else if (clRegion != QRegion(clPixmap.rect()))
        stShape = Shape {eCover::Mixed, clRegion};
    return stShape;
}

int ClRectWidget::hitTest(const QPoint& ptLocal) const
{
    int lEdges = 0;
    if (ptLocal.y() < lGrabMargin)
        lEdges |= EdgeTop;
    else if (ptLocal.y() >= height() - lGrabMargin)
        lEdges |= EdgeBottom;
    if (ptLocal.x() < lGrabMargin)
        lEdges |= EdgeLeft;
    else if (ptLocal.x() >= width() - lGrabMargin)
        lEdges |= EdgeRight;
    return lEdges;
}

QRect ClRectWidget::resizedRect(int lEdges, const QPoint& ptEdge) const
{
    int lLeft = x();
    int lTop = y();
    int lRight = x() + width();
    int lBottom = y() + height();
    const QSize clMin = minimumSize();
    if (lEdges & EdgeLeft)
        lLeft = qMin(ptEdge.x(), lRight - clMin.width());
    if (lEdges & EdgeRight)
        lRight = qMax(ptEdge.x(), lLeft + clMin.width());
    if (lEdges & EdgeTop)
        lTop = qMin(ptEdge.y(), lBottom - clMin.height());
    if (lEdges & EdgeBottom)
        lBottom = qMax(ptEdge.y(), lTop + clMin.height());
    return QRect(lLeft, lTop, lRight - lLeft, lBottom - lTop);
}

void ClRectWidget::mousePressEvent(QMouseEvent* pclEvent)
{
    pclEvent->accept();
    if (pclEvent->button() != Qt::LeftButton)
        return;
    const QPoint ptLocal = pclEvent->position().toPoint();
    ptPress = ptLocal;
    const int lEdges = hitTest(ptLocal);
    if (bDragChangeSize && lEdges != 0) {
        lDragMode = ModeResize + lEdges;
        ptOffset = QPoint((lEdges & EdgeLeft)        ? -ptLocal.x()
                              : (lEdges & EdgeRight) ? width() - ptLocal.x()
                                                     : 0,
                          (lEdges & EdgeTop)          ? -ptLocal.y()
                              : (lEdges & EdgeBottom) ? height() - ptLocal.y()
                                                      : 0);
    } else if (bDragMove) {
        lDragMode = ModeMove;
    }
}

void ClRectWidget::updateCursor(int lEdges)
{
    Qt::CursorShape eShape = Qt::ArrowCursor;
    switch (lEdges) {
    case EdgeTop:
    case EdgeBottom:
        eShape = Qt::SizeVerCursor;
        break;
    case EdgeLeft:
    case EdgeRight:
        eShape = Qt::SizeHorCursor;
        break;
    case EdgeTop | EdgeLeft:
    case EdgeBottom | EdgeRight:
        eShape = Qt::SizeFDiagCursor;
        break;
    case EdgeTop | EdgeRight:
    case EdgeBottom | EdgeLeft:
        eShape = Qt::SizeBDiagCursor;
        break;
    default:
        // The body of a widget that moves says so.
        eShape = bDragMove ? Qt::OpenHandCursor : Qt::ArrowCursor;
        break;
    }
    if (lDragMode == ModeMove)
        eShape = Qt::ClosedHandCursor;
    if (cursor().shape() != eShape)
        setCursor(eShape);
}

void ClRectWidget::mouseMoveEvent(QMouseEvent* pclEvent)
{
    pclEvent->accept();
    const QPoint ptLocal = pclEvent->position().toPoint();
    if (lDragMode == ModeNone) {
        if (bDragChangeSize || bDragMove)
            updateCursor(hitTest(ptLocal));
        return;
    }
    if (lDragMode == ModeMove) {
        updateCursor(0);
        move(pos() + (ptLocal - ptPress));
        return;
    }
    const int lEdges = lDragMode - ModeResize;
    const QRect clNew = resizedRect(lEdges, ptLocal + pos() + ptOffset);
    if (clNew != geometry())
        setGeometry(clNew);
}

void ClRectWidget::mouseReleaseEvent(QMouseEvent* pclEvent)
{
    pclEvent->accept();
    if (pclEvent->button() == Qt::LeftButton) {
        const bool bWasDragging = lDragMode != ModeNone;
        lDragMode = ModeNone;
        updateCursor(hitTest(pclEvent->position().toPoint()));
        if (bWasDragging)
            Q_EMIT sigDragFinished();
    }
}

void ClRectWidget::markLayoutOutdated()
{
    bLayoutOutdated = true;
    // A hidden widget is placed when it is shown: pictures set one by one while it is
    // built cost one placing, not one each.
    if (isVisible())
        placeParts();
    update();
}

void ClRectWidget::resizeEvent(QResizeEvent* pclEvent)
{
    QWidget::resizeEvent(pclEvent);
    bLayoutOutdated = true;
    placeParts();
}

void ClRectWidget::showEvent(QShowEvent* pclEvent)
{
    QWidget::showEvent(pclEvent);
    placeParts();
}

void ClRectWidget::placeParts()
{
    if (!bLayoutOutdated)
        return;
    bLayoutOutdated = false;
    lstParts.clear();
    const int lW = width();
    const int lH = height();
    const int lLeftW = qMax(aImages[TopLeft].width(), qMax(aImages[Left].width(), aImages[BottomLeft].width()));
    const int lRightW = qMax(aImages[TopRight].width(), qMax(aImages[Right].width(), aImages[BottomRight].width()));
    const int lTopH = qMax(aImages[TopLeft].height(), qMax(aImages[Top].height(), aImages[TopRight].height()));
    const int lBottomH
        = qMax(aImages[BottomLeft].height(), qMax(aImages[Bottom].height(), aImages[BottomRight].height()));
    const int lGapW = qMax(0, lW - lLeftW - lRightW);
    const int lGapH = qMax(0, lH - lTopH - lBottomH);

    auto add = [this](ePart ePartIndex, const QRect& clRect, bool bScale) {
        const QPixmap& clSource = aImages[ePartIndex];
        const Shape& stShape = aShapes[ePartIndex];
        // A clear part neither paints nor takes clicks.
        if (clSource.isNull() || clRect.width() <= 0 || clRect.height() <= 0 || stShape.eKind == eCover::Clear)
            return;
        const QPixmap clPixmap
            = bScale ? clSource.scaled(clRect.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : clSource;
        QRegion clRegion;
        if (stShape.eKind == eCover::Opaque)
            clRegion = QRegion(0, 0, clPixmap.width(), clPixmap.height());
        else if (!bScale)
            clRegion = stShape.clRegion;
        else
            clRegion = QRegion(clPixmap.mask());
        clRegion.translate(clRect.topLeft());
        lstParts.append(Part {clPixmap, clRect.topLeft(), clRegion});
    };
    add(TopLeft, QRect(0, 0, aImages[TopLeft].width(), aImages[TopLeft].height()), false);
    add(TopRight,
        QRect(lW - aImages[TopRight].width(), 0, aImages[TopRight].width(), aImages[TopRight].height()), false);
    add(BottomLeft,
        QRect(0, lH - aImages[BottomLeft].height(), aImages[BottomLeft].width(), aImages[BottomLeft].height()), false);
    add(BottomRight,
        QRect(lW - aImages[BottomRight].width(), lH - aImages[BottomRight].height(), aImages[BottomRight].width(),
              aImages[BottomRight].height()),
        false);
    add(Top, QRect(lLeftW, 0, lGapW, aImages[Top].height()), true);
    add(Bottom, QRect(lLeftW, lH - aImages[Bottom].height(), lGapW, aImages[Bottom].height()), true);
    add(Left, QRect(0, lTopH, aImages[Left].width(), lGapH), true);
    add(Right, QRect(lW - aImages[Right].width(), lTopH, aImages[Right].width(), lGapH), true);
    add(Center, QRect(lLeftW, lTopH, lGapW, lGapH), true);

    QRegion clShape = extraShape();
    for (const Part& stPart : std::as_const(lstParts))
        clShape += stPart.clRegion;
    setMask(clShape);
}

void ClRectWidget::paintEvent(QPaintEvent* pclEvent)
{
    placeParts();
    QPainter clPainter(this);
    clPainter.setClipRegion(pclEvent->region());
    for (const Part& stPart : std::as_const(lstParts)) {
        if (!stPart.clPixmap.isNull())
            clPainter.drawPixmap(stPart.ptAt, stPart.clPixmap);
    }
}
