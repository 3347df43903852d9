#include "ClWidgetHelp.h"

#include <QCheckBox>
#include <QVBoxLayout>

ClWidgetHelp::ClWidgetHelp(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageHelp"));
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->addStretch(1);
    pclAutoUpdate = new QCheckBox(tr("Post when there is a new software"), this);
    pclAutoUpdate->setObjectName(QStringLiteral("checkAutoUpdate"));
    pclLayout->addWidget(pclAutoUpdate, 0, Qt::AlignCenter);
    pclLayout->addStretch(1);
}

bool ClWidgetHelp::isAutoUpdateChecked() const
{
    return pclAutoUpdate->isChecked();
}

void ClWidgetHelp::setAutoUpdateChecked(bool bChecked)
{
    pclAutoUpdate->setChecked(bChecked);
}
