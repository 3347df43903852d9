#include "ClMessageBox.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
ClMessageBox::Responder& testResponder()
{
    static ClMessageBox::Responder fnResponder;
    return fnResponder;
}

constexpr int lMinimumWidth = 230;
}  // namespace

ClMessageBox::ClMessageBox(QWidget* parent, const QString& strText, const QString& strTitle,
                           QMessageBox::StandardButtons clButtons)
    : QDialog(parent,
              Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("messageBox"));
    setWindowTitle(strTitle);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setSpacing(15);

    pclText = new QLabel(strText, this);
    pclText->setObjectName(QStringLiteral("labelMessage"));
    pclText->setAlignment(Qt::AlignCenter);
    pclLayout->addWidget(pclText);

    pclButtons = new QDialogButtonBox(this);
    pclButtons->setObjectName(QStringLiteral("buttonBox"));
    pclButtons->setCenterButtons(true);
    // OK wins over Yes and Cancel over No: the box never offers two ways to say the same.
    if (clButtons.testFlag(QMessageBox::Ok)) {
        pclButtons->addButton(QObject::tr("OK"), QDialogButtonBox::AcceptRole)
            ->setObjectName(QStringLiteral("buttonOk"));
        clShown |= QMessageBox::Ok;
    } else if (clButtons.testFlag(QMessageBox::Yes)) {
        pclButtons->addButton(QObject::tr("Yes"), QDialogButtonBox::AcceptRole)
            ->setObjectName(QStringLiteral("buttonYes"));
        clShown |= QMessageBox::Yes;
    }
    if (clButtons.testFlag(QMessageBox::Cancel)) {
        pclButtons->addButton(QObject::tr("Cancel"), QDialogButtonBox::RejectRole)
            ->setObjectName(QStringLiteral("buttonCancel"));
        clShown |= QMessageBox::Cancel;
    } else if (clButtons.testFlag(QMessageBox::No)) {
        pclButtons->addButton(QObject::tr("No"), QDialogButtonBox::RejectRole)
            ->setObjectName(QStringLiteral("buttonNo"));
        clShown |= QMessageBox::No;
    }
    connect(pclButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pclButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pclLayout->addWidget(pclButtons);

    const QSize clHint = sizeHint();
    setFixedSize(qMax(lMinimumWidth, clHint.width()), clHint.height());
}

int ClMessageBox::exec()
{
    const Responder fnResponder = testResponder();
    if (!fnResponder)
        return QDialog::exec();
    const QMessageBox::StandardButton eChosen = fnResponder(text(), clShown);
    const bool bAccepted = (eChosen == QMessageBox::Ok || eChosen == QMessageBox::Yes) && clShown.testFlag(eChosen);
    setResult(bAccepted ? QDialog::Accepted : QDialog::Rejected);
    return result();
}

QString ClMessageBox::text() const
{
    return pclText->text();
}

void ClMessageBox::setTestResponder(Responder fnResponder)
{
    testResponder() = std::move(fnResponder);
}

QString ClMessageBox::applicationTitle()
{
    return QObject::tr("Tovu Setting Tool");
}
