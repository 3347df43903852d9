#include "ClImageView.h"

#include <QPaintEvent>
#include <QPainter>

ClImageView::ClImageView(QWidget* parent) : QWidget(parent) {}

void ClImageView::setImage(const QImage& clNewImage)
{
    clImage = clNewImage;
    update();
}

void ClImageView::setShow(bool bNewShow)
{
    bShow = bNewShow;
    update();
}

void ClImageView::paintEvent(QPaintEvent* pclEvent)
{
    if (!bShow || clImage.isNull())
        return;
    QPainter clPainter(this);
    clPainter.setClipRegion(pclEvent->region());
    clPainter.drawImage(0, 0, clImage);
}
