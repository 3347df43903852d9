#include "ClWidgetWifiOff.h"

#include <QLabel>
#include <QVBoxLayout>

ClWidgetWifiOff::ClWidgetWifiOff(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageWifiOff"));
    auto* pclPicture = new QLabel(this);
    pclPicture->setObjectName(QStringLiteral("labelWifiOff"));
    pclPicture->setPixmap(QPixmap(QStringLiteral(":/network/net_wifi_off")));
    pclPicture->setScaledContents(true);
    pclPicture->setFixedSize(200, 200);
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->addStretch();
    pclLayout->addWidget(pclPicture, 0, Qt::AlignCenter);
    pclLayout->addStretch();
}

void ClWidgetWifiOff::slotApply()
{
    Q_EMIT sigEndSetting();
}
