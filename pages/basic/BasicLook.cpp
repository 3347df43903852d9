#include "BasicLook.h"

#include "resources/ClArtPalette.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>

namespace BasicLook {
QString groupBoxStyle()
{
    const QString strTabs = QStringLiteral("\t\t\t\t\t\t\t");
    return QStringLiteral("QGroupBox{") + strTabs + QStringLiteral("background-color: ")
        + ClArtPalette::css(ClArtPalette::groupBox()) + QStringLiteral(";") + strTabs
        + QStringLiteral("border: 1px solid rgb(120, 120, 120);") + strTabs + QStringLiteral("border-radius: 0px;")
        + strTabs + QStringLiteral("padding: 20px 0px;") + strTabs + QStringLiteral("color: #000000;")
        + QStringLiteral("\t\t\t\t\t\t}");
}

QGroupBox* groupBox(const QString& strTitle, const QString& strObjectName, bool bCheckable, QWidget* pclParent)
{
    auto* pclBox = new QGroupBox(strTitle, pclParent);
    pclBox->setObjectName(strObjectName);
    pclBox->setStyleSheet(groupBoxStyle());
    pclBox->setCheckable(bCheckable);
    return pclBox;
}

void uncheckAll(QButtonGroup* pclButtons)
{
    const bool bExclusive = pclButtons->exclusive();
    pclButtons->setExclusive(false);
    for (QAbstractButton* pclButton : pclButtons->buttons())
        pclButton->setChecked(false);
    pclButtons->setExclusive(bExclusive);
}
}  // namespace BasicLook
