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
        // Scaling by the painter would redo the work on every repaint, so the scaled copy is
        // kept. A large picture is first thinned to twice the target cheaply, so that the
        // smoothing only works on what is shown: a full-HD picture stays within a few
        // milliseconds of the GUI thread.
        QImage clSource = clImage;
        const QSize clTwice = clTarget.size() * 2;
        if (clSource.width() > clTwice.width() * 2 || clSource.height() > clTwice.height() * 2)
            clSource = clSource.scaled(clTwice, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        clScaled = clSource.scaled(clTarget.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    clPainter.drawImage(clTarget.topLeft(), clScaled);
}
