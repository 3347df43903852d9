#include "ClWidgetScheduledBar.h"

#include "resources/ClArtPalette.h"

#include <QMouseEvent>
#include <QPainter>

ClWidgetScheduledBar::ClWidgetScheduledBar(QWidget* parent)
    : ClWidgetScheduledBar(Look {QStringLiteral(":/img/sch_bar_blue"), QStringLiteral(":/img/sch_bar_green"),
                                 QStringLiteral(":/img/sch_evr_bar_l"), QStringLiteral(":/img/trans"),
                                 QStringLiteral(":/img/sch_evr_bar_r")},
                           parent)
{}

ClWidgetScheduledBar::ClWidgetScheduledBar(const Look& stBarLook, QWidget* parent)
    : ClRectWidget(parent), stLook(stBarLook)
{
    const QPixmap clLeft(stLook.strLeftColumn);
    const QPixmap clMiddle(stLook.strMiddleColumn);
    const QPixmap clRight(stLook.strRightColumn);
    setImage(TopLeft, clLeft);
    setImage(Left, clLeft);
    setImage(BottomLeft, clLeft);
    setImage(Top, clMiddle);
    setImage(Center, clMiddle);
    setImage(Bottom, clMiddle);
    setImage(TopRight, clRight);
    setImage(Right, clRight);
    setImage(BottomRight, clRight);
    setMinimumSize(2 * lGrabMargin, lBarHeight);
    resize(minimumWidth(), lBarHeight);
    loadLook();
}

void ClWidgetScheduledBar::setOnMouse(bool bValue)
{
    if (bOnMouse == bValue)
        return;
    bOnMouse = bValue;
    loadLook();
}

void ClWidgetScheduledBar::loadLook()
{
    const QPixmap clPixmap(bOnMouse ? stLook.strOnMouse : stLook.strNormal);
    clBody = clPixmap.isNull() ? clPixmap : clPixmap.scaledToHeight(lBarHeight, Qt::SmoothTransformation);
    markLayoutOutdated();
}

ClWidgetScheduledBar::eEnd ClWidgetScheduledBar::resizingEnd() const
{
    if (dragMode() == ModeResize + EdgeLeft)
        return EndLeft;
    if (dragMode() == ModeResize + EdgeRight)
        return EndRight;
    return EndNone;
}

int ClWidgetScheduledBar::hitTest(const QPoint& ptLocal) const
{
    // Only the two ends stretch; a bar never grows upwards or downwards.
    if (ptLocal.x() < lGrabMargin)
        return EdgeLeft;
    if (ptLocal.x() >= width() - lGrabMargin)
        return EdgeRight;
    return 0;
}

QRect ClWidgetScheduledBar::resizedRect(int lEdges, const QPoint& ptEdge) const
{
    int lLeft = x();
    int lRight = x() + width();
    if (lEdges & EdgeLeft)
        lLeft = lRight - ptEdge.x() < minimumWidth() ? lRight - minimumWidth() : ptEdge.x();
    else if (lEdges & EdgeRight)
        lRight = ptEdge.x() - lLeft < minimumWidth() ? lLeft + minimumWidth() - 1 : ptEdge.x();
    return QRect(lLeft, y(), qMax(lRight - lLeft, minimumWidth()), height());
}

QRect ClWidgetScheduledBar::bodyRect() const
{
    return QRect(0, 0, width(), qMin(height(), lBarHeight));
}

QRegion ClWidgetScheduledBar::extraShape() const
{
    return QRegion(bodyRect());
}

namespace {
// The same event with its vertical position at 0: bars move only sideways.
QMouseEvent flattened(const QMouseEvent* pclEvent)
{
    return QMouseEvent(pclEvent->type(), QPointF(pclEvent->position().x(), 0), pclEvent->globalPosition(),
                       pclEvent->button(), pclEvent->buttons(), pclEvent->modifiers());
}
}  // namespace

void ClWidgetScheduledBar::mousePressEvent(QMouseEvent* pclEvent)
{
    QMouseEvent clFlat = flattened(pclEvent);
    ClRectWidget::mousePressEvent(&clFlat);
    pclEvent->accept();
}

void ClWidgetScheduledBar::mouseMoveEvent(QMouseEvent* pclEvent)
{
    QMouseEvent clFlat = flattened(pclEvent);
    ClRectWidget::mouseMoveEvent(&clFlat);
    pclEvent->accept();
}

void ClWidgetScheduledBar::mouseReleaseEvent(QMouseEvent* pclEvent)
{
    QMouseEvent clFlat = flattened(pclEvent);
    ClRectWidget::mouseReleaseEvent(&clFlat);
    pclEvent->accept();
}

void ClWidgetScheduledBar::paintEvent(QPaintEvent* pclEvent)
{
    {
        QPainter clPainter(this);
        // Tiled, so that a pattern keeps its pitch however long the period.
        if (!clBody.isNull())
            clPainter.drawTiledPixmap(bodyRect(), clBody);
    }
    ClRectWidget::paintEvent(pclEvent);
    if (hasFocus()) {
        // Where the arrow keys act.
        QPainter clPainter(this);
        QPen clPen(ClArtPalette::ink(), 1, Qt::DotLine);
        clPainter.setPen(clPen);
        clPainter.drawRect(QRect(lGrabMargin, 3, width() - 2 * lGrabMargin - 1, lBarHeight - 7));
    }
}
