#include "ClAccessible.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QWidget>

namespace {
const char* const pszRoleProperty = "tovuAccessibleRole";

// A painted widget as its role says. A button among them is pressed as a click presses
// it: Qt offers a screen reader only "toggle" on a checkable button, which checks it
// without the click that opens a page.
class ClRoleInterface : public QAccessibleWidget
{
public:
    ClRoleInterface(QWidget* pclWidget, QAccessible::Role eRole) : QAccessibleWidget(pclWidget, eRole) {}

    QAccessible::State state() const override
    {
        QAccessible::State stState = QAccessibleWidget::state();
        if (const QAbstractButton* pclButton = button(); pclButton != nullptr && pclButton->isCheckable()) {
            stState.checkable = true;
            stState.checked = pclButton->isChecked();
            stState.selectable = true;
            stState.selected = pclButton->isChecked();
        }
        return stState;
    }

    QString text(QAccessible::Text eText) const override
    {
        const QString strText = QAccessibleWidget::text(eText);
        if (eText != QAccessible::Name || !strText.isEmpty() || button() == nullptr)
            return strText;
        return button()->text().replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
    }

    QStringList actionNames() const override
    {
        QStringList lstNames = QAccessibleWidget::actionNames();
        if (button() != nullptr)
            lstNames.prepend(pressAction());
        return lstNames;
    }

    void doAction(const QString& strAction) override
    {
        QAbstractButton* pclButton = button();
        if (strAction == pressAction() && pclButton != nullptr) {
            if (pclButton->isEnabled())
                pclButton->click();
            return;
        }
        QAccessibleWidget::doAction(strAction);
    }

    QStringList keyBindingsForAction(const QString& strAction) const override
    {
        const QAbstractButton* pclButton = button();
        if (strAction == pressAction() && pclButton != nullptr && !pclButton->shortcut().isEmpty())
            return {pclButton->shortcut().toString(QKeySequence::NativeText)};
        return QAccessibleWidget::keyBindingsForAction(strAction);
    }

private:
    // A button that is one to the user too, not a frame drawn as a button.
    QAbstractButton* button() const
    {
        const QAccessible::Role eRole = role();
        if (eRole != QAccessible::PageTab && eRole != QAccessible::PushButton && eRole != QAccessible::CheckBox)
            return nullptr;
        return qobject_cast<QAbstractButton*>(widget());
    }
};

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
    return new ClRoleInterface(pclWidget, QAccessible::Role(varRole.toInt()));
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
    // A text or a name set before (a button's, in its base class) may have made Qt's own
    // interface already: it goes, and the next question gets this one.
    QAccessibleInterface* pclKnown = QAccessible::queryAccessibleInterface(pclWidget);
    if (pclKnown != nullptr && dynamic_cast<ClRoleInterface*>(pclKnown) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(pclKnown));
}
