#include "ClWidgetNotConnect.h"

#include <QLabel>
#include <QVBoxLayout>

ClWidgetNotConnect::ClWidgetNotConnect(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageNotConnected"));
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->addStretch(1);

    auto* pclImage = new QLabel(this);
    pclImage->setObjectName(QStringLiteral("labelNotConnectedImage"));
    pclImage->setPixmap(QPixmap(QStringLiteral(":/img/camera_notconnect")));
    pclImage->setAlignment(Qt::AlignCenter);
    pclLayout->addWidget(pclImage);

    auto* pclText = new QLabel(tr("Connect camera by USB cable"), this);
    pclText->setObjectName(QStringLiteral("labelNotConnected"));
    pclText->setAlignment(Qt::AlignCenter);
    pclLayout->addWidget(pclText);

    pclLayout->addStretch(1);
}
