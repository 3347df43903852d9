#include "ClPushButton.h"

#include "resources/ClArtPalette.h"

#include <QLinearGradient>
#include <QPainter>

ClPushButton::ClPushButton(const QString& strText, int lMinimumWidth, QWidget* parent) : QPushButton(strText, parent)
{
    setMinimumWidth(lMinimumWidth);
    setMinimumHeight(34);
    setCursor(Qt::PointingHandCursor);
}

void ClPushButton::paintEvent(QPaintEvent*)
{
    QPainter clPainter(this);
    clPainter.setRenderHint(QPainter::Antialiasing);
    const QRectF clFace = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor clTop = ClArtPalette::accentLight();
    QColor clBottom = ClArtPalette::accent();
    if (!isEnabled()) {
        clTop = ClArtPalette::metal();
        clBottom = ClArtPalette::groupBox();
    } else if (isDown()) {
        clTop = ClArtPalette::accent();
        clBottom = ClArtPalette::accentDark();
    } else if (underMouse()) {
        clTop = clTop.lighter(110);
    }
    QLinearGradient clGradient(clFace.topLeft(), clFace.bottomLeft());
    clGradient.setColorAt(0, clTop);
    clGradient.setColorAt(1, clBottom);
    clPainter.setPen(QPen(ClArtPalette::accentDark(), 1));
    clPainter.setBrush(clGradient);
    clPainter.drawRoundedRect(clFace, 5, 5);
    if (hasFocus()) {
        clPainter.setPen(QPen(QColor(255, 255, 255, 120), 1));
        clPainter.setBrush(Qt::NoBrush);
        clPainter.drawRoundedRect(clFace.adjusted(2, 2, -2, -2), 4, 4);
    }
    clPainter.setPen(isEnabled() ? QColor(Qt::white) : ClArtPalette::inkSoft());
    clPainter.setFont(font());
    clPainter.drawText(rect().adjusted(6, 0, -6, 0), Qt::AlignCenter | Qt::TextSingleLine, text());
}
