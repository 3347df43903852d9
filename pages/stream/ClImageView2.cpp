#include "ClImageView2.h"

#include "resources/ClArtPalette.h"

#include <QPaintEvent>
#include <QPainter>

ClImageView2::ClImageView2(QWidget* parent) : ClImageView(parent)
{
    setMinimumSize(320, 200);
}

QRect ClImageView2::targetRect() const
{
    if (clImage.isNull())
        return QRect();
    QSize clSize = clImage.size();
    clSize.scale(size(), Qt::KeepAspectRatio);
    return QRect((width() - clSize.width()) / 2, (height() - clSize.height()) / 2, clSize.width(), clSize.height());
}

void ClImageView2::setImage(const QImage& clNewImage)
{
    clScaled = QImage();
    ClImageView::setImage(clNewImage);
}

void ClImageView2::resizeEvent(QResizeEvent* pclEvent)
{
    clScaled = QImage();
    ClImageView::resizeEvent(pclEvent);
}

void ClImageView2::paintEvent(QPaintEvent* pclEvent)
{
    QPainter clPainter(this);
    clPainter.setClipRegion(pclEvent->region());
    clPainter.fillRect(rect(), ClArtPalette::slateBottom());
    if (!bShow || clImage.isNull())
        return;
    const QRect clTarget = targetRect();
    if (clTarget.isEmpty())
        return;
    if (clScaled.size() != clTarget.size()) {
        // Scaling by the painter would redo the work on every repaint; converting to the
        // screen's format first keeps the blit cheap.
        clScaled = clImage.scaled(clTarget.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    clPainter.drawImage(clTarget.topLeft(), clScaled);
}
