#include "ClWidgetApList.h"

#include "ClWidgetApInfo.h"

#include <QFrame>
#include <QVBoxLayout>

ClWidgetApList::ClWidgetApList(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("listAp"));
    pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(0, 0, 0, 0);
    pclLayout->setSpacing(0);
}

void ClWidgetApList::addRow(ClWidgetApInfo* pclRow)
{
    if (!lstRows.isEmpty()) {
        auto* pclLine = new QFrame(this);
        pclLine->setFixedHeight(1);
        pclLine->setStyleSheet(QStringLiteral("background-color: rgb(136, 140, 145);"));
        pclLayout->addWidget(pclLine);
    }
    pclRow->setParent(this);
    pclLayout->addWidget(pclRow);
    lstRows.append(pclRow);
}
