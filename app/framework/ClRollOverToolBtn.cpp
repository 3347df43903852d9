#include "ClRollOverToolBtn.h"

#include <QPainter>
#include <QStyleOptionToolButton>
#include <QStylePainter>

ClRollOverToolBtn::ClRollOverToolBtn(QWidget* parent) : QToolButton(parent)
{
    setAttribute(Qt::WA_Hover, true);
}

void ClRollOverToolBtn::setImgShow(const QIcon& clIcon)
{
    clImgShow = clIcon;
    update();
}

void ClRollOverToolBtn::setOpacity(qreal dValue)
{
    dOpacity = dValue;
    update();
}

QIcon::Mode ClRollOverToolBtn::iconMode() const
{
    if (!isEnabled())
        return QIcon::Disabled;
    if (isDown() || isChecked())
        return QIcon::Selected;
    if (underMouse() || hasFocus())
        return QIcon::Active;
    return QIcon::Normal;
}

void ClRollOverToolBtn::paintEvent(QPaintEvent* pclEvent)
{
    const QIcon::Mode eMode = iconMode();
    // A mode without its own picture gets no stand-in from another mode: QIcon would
    // otherwise derive a greyed or highlighted copy of the normal picture.
    if (clImgShow.isNull() || clImgShow.availableSizes(eMode).isEmpty()) {
        QToolButton::paintEvent(pclEvent);
        return;
    }
    const QPixmap clPixmap = clImgShow.pixmap(clImgShow.availableSizes(eMode).constFirst(), eMode)
                                 .scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    {
        QPainter clPainter(this);
        // The picture's transparent parts are not part of the button.
        const QBitmap clMask = clPixmap.mask();
        if (!clMask.isNull())
            clPainter.setClipRegion(QRegion(clMask));
        clPainter.setOpacity(dOpacity);
        clPainter.drawPixmap(0, 0, clPixmap);
    }
    // Icon and text on top of the picture, without the style's own panel.
    QStylePainter clStyle(this);
    QStyleOptionToolButton clOption;
    initStyleOption(&clOption);
    clStyle.drawControl(QStyle::CE_ToolButtonLabel, clOption);
}
