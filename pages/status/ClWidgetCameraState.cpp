#include "ClWidgetCameraState.h"

#include <QLabel>
#include <QVBoxLayout>

ClWidgetCameraState::ClWidgetCameraState(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageCameraState"));
    auto* pclLayout = new QVBoxLayout(this);
    auto* pclTitle = new QLabel(tr("Camera state"), this);
    pclTitle->setAlignment(Qt::AlignCenter);
    pclLayout->addWidget(pclTitle);
}
