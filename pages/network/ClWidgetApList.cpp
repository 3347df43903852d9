#include "ClWidgetApList.h"

#include "ClWidgetApInfo.h"
#include "NetworkLook.h"
#include "framework/ClAccessible.h"

#include <QFrame>
#include <QVBoxLayout>

ClWidgetApList::ClWidgetApList(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("listAp"));
    ClAccessible::setRole(this, QAccessible::List);
    setAccessibleName(NetworkLook::trNet("Access points found"));
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
    if (pclRow->parentWidget() != this)
        pclRow->setParent(this);
    pclLayout->addWidget(pclRow);
    lstRows.append(pclRow);
}
