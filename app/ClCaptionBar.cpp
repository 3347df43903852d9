#include "ClCaptionBar.h"

#include "framework/ClPictures.h"
#include "framework/ClRollOverToolBtn.h"
#include "resources/ClArtPalette.h"

#include <QLabel>

ClCaptionBar::ClCaptionBar(const QString& strTitle, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("captionBar"));
    resize(600, 27);

    pclTitle = new QLabel(strTitle, this);
    pclTitle->setObjectName(QStringLiteral("labelTitle"));
    // A palette and a font, not a style sheet: a sheet is parsed and polished at start
    // for each widget that has one.
    QPalette clTitlePalette = pclTitle->palette();
    clTitlePalette.setColor(QPalette::WindowText, ClArtPalette::captionText());
    pclTitle->setPalette(clTitlePalette);
    QFont clTitleFont = pclTitle->font();
    clTitleFont.setBold(true);
    pclTitle->setFont(clTitleFont);
    pclTitle->resize(pclTitle->sizeHint());
    pclTitle->move((600 - pclTitle->width()) / 2, 10);

    pclClose = new ClRollOverToolBtn(this);
    pclClose->setObjectName(QStringLiteral("buttonClose"));
    pclClose->setAccessibleName(tr("Close"));
    pclClose->setFocusPolicy(Qt::NoFocus);
    pclClose->setFixedSize(74, 20);
    pclClose->move(526, 0);
    QIcon clImages;
    clImages.addPixmap(ClPictures::pixmap(QStringLiteral(":/img/close_win1")), QIcon::Normal);
    clImages.addPixmap(ClPictures::pixmap(QStringLiteral(":/img/close_win2")), QIcon::Active);
    clImages.addPixmap(ClPictures::pixmap(QStringLiteral(":/img/close_win3")), QIcon::Selected);
    pclClose->setImgShow(clImages);
    connect(pclClose, &QAbstractButton::clicked, this, &ClCaptionBar::sigClose);
}
