#pragma once
// A recording period on a schedule row's time axis: a 20-pixel bar that moves only
// sideways and stretches only at its left or right end, in a normal and a mouse-over look.
#include "ClRectWidget.h"

class ClWidgetScheduledBar : public ClRectWidget
{
    Q_OBJECT

public:
    // The end being stretched.
    enum eEnd { EndLeft = 0, EndRight = 1, EndNone = 2 };

    explicit ClWidgetScheduledBar(QWidget* parent = nullptr);

    void setOnMouse(bool bOnMouse);
    bool isOnMouse() const { return bOnMouse; }
    eEnd resizingEnd() const;
    int hitTest(const QPoint& ptLocal) const override;

    static constexpr int lBarHeight = 20;

protected:
    // The pictures of one bar class: its body in both looks and its frame columns.
    struct Look
    {
        QString strNormal;
        QString strOnMouse;
        QString strLeftColumn;
        QString strMiddleColumn;
        QString strRightColumn;
    };
    ClWidgetScheduledBar(const Look& stLook, QWidget* parent);

    QRect resizedRect(int lEdges, const QPoint& ptEdge) const override;
    QRegion extraShape() const override;
    void mousePressEvent(QMouseEvent* pclEvent) override;
    void mouseMoveEvent(QMouseEvent* pclEvent) override;
    void mouseReleaseEvent(QMouseEvent* pclEvent) override;
    void paintEvent(QPaintEvent* pclEvent) override;

private:
    void loadLook();
    QRect bodyRect() const;

    Look stLook;
    bool bOnMouse = false;
    QPixmap clBody;
};
