#include "ClFocusFrame.h"

#include "resources/ClArtPalette.h"

#include <QPainter>

void ClFocusFrame::paint(QPainter& clPainter, const QRect& clArea, bool bOnSelection)
{
    clPainter.save();
    clPainter.setRenderHint(QPainter::Antialiasing);
    clPainter.setBrush(Qt::NoBrush);
    clPainter.setPen(QPen(bOnSelection ? ClArtPalette::captionTop() : ClArtPalette::accent(), 2));
    clPainter.drawRoundedRect(QRectF(clArea).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    clPainter.restore();
}
