#include "NetworkLook.h"

#include "resources/ClArtPalette.h"

#include <QGroupBox>
#include <QLabel>

namespace NetworkLook {
QString groupBoxStyle()
{
    return QStringLiteral("QGroupBox{background-color: ") + ClArtPalette::css(ClArtPalette::groupBox())
        + QStringLiteral("; border: 1px solid rgb(120, 120, 120); border-radius: 0px; padding: 20px 0px;"
                         " color: #000000;}");
}

QGroupBox* groupBox(const QString& strTitle, const QString& strObjectName, bool bCheckable, QWidget* pclParent)
{
    auto* pclBox = new QGroupBox(strTitle, pclParent);
    pclBox->setObjectName(strObjectName);
    pclBox->setStyleSheet(groupBoxStyle());
    pclBox->setCheckable(bCheckable);
    return pclBox;
}

QLabel* subtitle(const QString& strText, QWidget* pclParent)
{
    auto* pclLabel = new QLabel(strText, pclParent);
    pclLabel->setObjectName(QStringLiteral("labelSubtitle"));
    pclLabel->setFixedHeight(28);
    pclLabel->setStyleSheet(QStringLiteral("QLabel{border-image: url(:/network/subtitle); color: white;"
                                           " font-weight: bold; padding-left: 10px;}"));
    return pclLabel;
}

QLabel* reasonLabel(const QString& strObjectName, QWidget* pclParent)
{
    auto* pclLabel = new QLabel(pclParent);
    pclLabel->setObjectName(strObjectName);
    pclLabel->setWordWrap(true);
    pclLabel->setStyleSheet(QStringLiteral("color: ") + ClArtPalette::css(ClArtPalette::bad()) + QLatin1Char(';'));
    return pclLabel;
}
}  // namespace NetworkLook
