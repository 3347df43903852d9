#include "ClAccessible.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {
const char* const pszRoleProperty = "tovuAccessibleRole";

// Asked for every widget before Qt's own answers; it answers only for the widgets given
// a role, and for those under their own class name, so Qt's answer for the base class
// (a filler) never comes first.
QAccessibleInterface* roleFactory(const QString& strClass, QObject* pclObject)
{
    auto* pclWidget = qobject_cast<QWidget*>(pclObject);
    if (pclWidget == nullptr || strClass != QLatin1String(pclObject->metaObject()->className()))
        return nullptr;
    const QVariant varRole = pclWidget->property(pszRoleProperty);
    if (!varRole.isValid())
        return nullptr;
    return new QAccessibleWidget(pclWidget, QAccessible::Role(varRole.toInt()));
}
}  // namespace

void ClAccessible::setRole(QWidget* pclWidget, QAccessible::Role eRole)
{
    static const bool bInstalled = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    Q_UNUSED(bInstalled)
    pclWidget->setProperty(pszRoleProperty, int(eRole));
}
