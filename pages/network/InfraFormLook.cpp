#include "InfraFormLook.h"

#include "ClKeyField.h"
#include "NetworkLook.h"
#include "settings/ClSettingRules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using NetworkLook::trNet;

namespace InfraFormLook {
ClKeyField* keyField(QWidget* pclParent)
{
    // A WPA passphrase is any printable ASCII, spaces included.
    return new ClKeyField(QStringLiteral("editKey"), ClSettingRules::networkKeyPattern(),
                          trNet("The key is 1 to 63 letters, digits, symbols or spaces"), pclParent);
}

ClKeyField* ssidField(QWidget* pclParent)
{
    return new ClKeyField(QStringLiteral("editSsid"), ClSettingRules::ssidPattern(),
                          trNet("The SSID is 1 to 32 letters, digits, symbols or spaces"), pclParent);
}

QGridLayout* layOut(QWidget* pclPage, const QString& strSubtitle, QCheckBox** ppclShow, QPushButton** ppclBack)
{
    auto* pclLayout = new QVBoxLayout(pclPage);
    pclLayout->setContentsMargins(0, 12, 12, 0);
    pclLayout->setSpacing(12);
    pclLayout->addWidget(NetworkLook::subtitle(strSubtitle, pclPage));
    auto* pclBox = NetworkLook::groupBox(QString(), QStringLiteral("groupInfraForm"), false, pclPage);
    auto* pclGrid = new QGridLayout(pclBox);
    pclGrid->setContentsMargins(16, 0, 16, 0);
    pclGrid->setHorizontalSpacing(12);
    pclGrid->setColumnStretch(1, 1);
    pclLayout->addWidget(pclBox);
    *ppclShow = new QCheckBox(trNet("Show input"), pclBox);
    (*ppclShow)->setObjectName(QStringLiteral("checkShowInput"));
    pclGrid->addWidget(*ppclShow, 9, 1);
    pclLayout->addStretch();
    // "Back" sits at a fixed place, outside the layout.
    *ppclBack = new QPushButton(trNet("Back"), pclPage);
    (*ppclBack)->setObjectName(QStringLiteral("buttonBack"));
    (*ppclBack)->adjustSize();
    (*ppclBack)->move(447 - (*ppclBack)->width(), 340);
    return pclGrid;
}
}  // namespace InfraFormLook
