#include "ClRollOverToolBtn.h"

#include <QBitmap>
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

bool ClRollOverToolBtn::paintRollOver(QPainter& clPainter)
{
    const QIcon::Mode eMode = iconMode();
    // A state without its own picture gets no stand-in: QIcon would otherwise derive a
    // greyed or highlighted copy of another state's picture.
    if (clImgShow.isNull() || clImgShow.availableSizes(eMode).isEmpty())
        return false;
    const QPixmap clPixmap = clImgShow.pixmap(clImgShow.availableSizes(eMode).constFirst(), eMode)
                                 .scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    clPainter.save();
    // The picture's transparent parts are not part of the button.
    const QBitmap clMask = clPixmap.mask();
    if (!clMask.isNull())
        clPainter.setClipRegion(QRegion(clMask));
    clPainter.setOpacity(dOpacity);
    clPainter.drawPixmap(0, 0, clPixmap);
    clPainter.restore();
    return true;
}

void ClRollOverToolBtn::paintEvent(QPaintEvent* pclEvent)
{
    bool bPainted = false;
    {
        QPainter clPainter(this);
        bPainted = paintRollOver(clPainter);
    }
    if (!bPainted) {
        QToolButton::paintEvent(pclEvent);
        return;
    }
    // Icon and text on top of the picture, without the style's own panel.
    QStylePainter clStyle(this);
    QStyleOptionToolButton clOption;
    initStyleOption(&clOption);
    clStyle.drawControl(QStyle::CE_ToolButtonLabel, clOption);
}
