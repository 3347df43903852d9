#include "ClWidgetScheduleSetting.h"

#include <QLabel>
#include <QVBoxLayout>

ClWidgetScheduleSetting::ClWidgetScheduleSetting(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageSchedule"));
    auto* pclLayout = new QVBoxLayout(this);
    auto* pclTitle = new QLabel(tr("Schedule"), this);
    pclTitle->setAlignment(Qt::AlignCenter);
    pclLayout->addWidget(pclTitle);
}
