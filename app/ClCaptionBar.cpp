#include "ClCaptionBar.h"

#include "framework/ClRollOverToolBtn.h"
#include "resources/ClArtPalette.h"

#include <QLabel>

ClCaptionBar::ClCaptionBar(const QString& strTitle, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("captionBar"));
    resize(600, 27);

    pclTitle = new QLabel(strTitle, this);
    pclTitle->setObjectName(QStringLiteral("labelTitle"));
    pclTitle->setStyleSheet(
        QStringLiteral("color: %1; font-weight: bold;").arg(ClArtPalette::css(ClArtPalette::captionText())));
    pclTitle->resize(pclTitle->sizeHint());
    pclTitle->move((600 - pclTitle->width()) / 2, 10);

    pclClose = new ClRollOverToolBtn(this);
    pclClose->setObjectName(QStringLiteral("buttonClose"));
    pclClose->setAccessibleName(tr("Close"));
    pclClose->setFocusPolicy(Qt::NoFocus);
    pclClose->setFixedSize(74, 20);
    pclClose->move(526, 0);
    QIcon clImages;
    clImages.addPixmap(QPixmap(QStringLiteral(":/img/close_win1")), QIcon::Normal);
    clImages.addPixmap(QPixmap(QStringLiteral(":/img/close_win2")), QIcon::Active);
    clImages.addPixmap(QPixmap(QStringLiteral(":/img/close_win3")), QIcon::Selected);
    pclClose->setImgShow(clImages);
    connect(pclClose, &QAbstractButton::clicked, this, &ClCaptionBar::sigClose);
}
