#include "ClKeyField.h"

#include "NetworkLook.h"

#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

ClKeyField::ClKeyField(const QString& strObjectName, const QString& strPattern, const QString& strReason,
                       QWidget* parent)
    : QWidget(parent), strReasonText(strReason)
{
    pclEdit = new QLineEdit(this);
    pclEdit->setObjectName(strObjectName);
    pclEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(strPattern), pclEdit));
    pclReason = NetworkLook::reasonLabel(strObjectName + QStringLiteral("Reason"), this);
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(0, 0, 0, 0);
    pclLayout->setSpacing(2);
    pclLayout->addWidget(pclEdit);
    pclLayout->addWidget(pclReason);
    connect(pclEdit, &QLineEdit::inputRejected, this, [this] { pclReason->setText(strReasonText); });
    // The reason stays until the field is emptied: a keystroke refused among accepted ones
    // would otherwise flash by unread.
    connect(pclEdit, &QLineEdit::textChanged, this, [this](const QString& strText) {
        if (strText.isEmpty())
            pclReason->clear();
    });
}

QString ClKeyField::text() const
{
    return pclEdit->text();
}

void ClKeyField::clear()
{
    pclEdit->clear();
    pclReason->clear();
}
