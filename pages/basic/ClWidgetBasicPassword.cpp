#include "ClWidgetBasicPassword.h"

#include "BasicLook.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"
#include "settings/ClSettingRules.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using BasicLook::trBasic;

namespace {
bool isOwn(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetStreamAuthorizationUse>()
        || uuidKind == requestKind<ClTovuCommandGetStreamAuthorizationPassword>()
        || uuidKind == requestKind<ClTovuCommandSetStreamAuthorizationUse>()
        || uuidKind == requestKind<ClTovuCommandSetStreamAuthorizationPassword>();
}
}  // namespace

ClWidgetBasicPassword::ClWidgetBasicPassword(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageBasicPassword"));
    strApplied = trBasic("%1 is applied").arg(trBasic("Password \nsetting"));

    pclUse = BasicLook::groupBox(trBasic("Set valid password authorization"), QStringLiteral("groupPasswordUse"), true,
                                 this);
    pclNow = passwordEdit("editNowPassword");
    pclNew = passwordEdit("editNewPassword");
    pclCheck = passwordEdit("editCheckPassword");
    auto* pclForm = new QFormLayout(pclUse);
    pclForm->setContentsMargins(16, 8, 16, 0);
    pclForm->setVerticalSpacing(10);
    pclForm->addRow(trBasic("Now password"), pclNow);
    pclForm->addRow(trBasic("New password"), pclNew);
    pclForm->addRow(trBasic("Check password"), pclCheck);
    for (QLineEdit* pclEdit : {pclNow, pclNew, pclCheck})
        connect(pclUse, &QGroupBox::toggled, pclEdit, &QWidget::setEnabled);

    pclShow = new QCheckBox(trBasic("Show input"), this);
    pclShow->setObjectName(QStringLiteral("checkShowInput"));
    connect(pclShow, &QCheckBox::toggled, this, &ClWidgetBasicPassword::slotChangeShowText);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(12, 12, 12, 12);
    pclLayout->setSpacing(12);
    pclLayout->addWidget(pclUse);
    pclLayout->addWidget(pclShow);
    pclLayout->addStretch();
}

QLineEdit* ClWidgetBasicPassword::passwordEdit(const char* pszName)
{
    auto* pclEdit = new QLineEdit(this);
    pclEdit->setObjectName(QLatin1String(pszName));
    // What the camera can keep: 1 to 16 printable ASCII characters, no space.
    pclEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(ClSettingRules::streamPasswordPattern()), pclEdit));
    pclEdit->setMaxLength(lMaxLength);
    pclEdit->setEchoMode(QLineEdit::Password);
    pclEdit->setMinimumWidth(200);
    return pclEdit;
}

void ClWidgetBasicPassword::requestData(bool)
{
    sendCommand(requestKind<ClTovuCommandGetStreamAuthorizationUse>(), PV_CMD(), false, 0);
}

void ClWidgetBasicPassword::deactivate(QWidget* pclMain)
{
    ClWidgetBase::deactivate(pclMain);
    for (QLineEdit* pclEdit : {pclNow, pclNew, pclCheck})
        pclEdit->clear();
}

void ClWidgetBasicPassword::setCameraInfo(qint32 lModel, QString)
{
    if (lModel >= 0)
        return;
    for (QLineEdit* pclEdit : {pclNow, pclNew, pclCheck})
        pclEdit->clear();
    pclUse->setChecked(false);
    bUse = false;
    bUsePending = false;
    // No password matches an empty one: a change needs the next camera's read first.
    strPassword.clear();
    strPasswordPending.clear();
}

void ClWidgetBasicPassword::slotChangeShowText(bool bShow)
{
    for (QLineEdit* pclEdit : {pclNow, pclNew, pclCheck})
        pclEdit->setEchoMode(bShow ? QLineEdit::Normal : QLineEdit::Password);
}

void ClWidgetBasicPassword::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetStreamAuthorizationUse>()) {
        bUse = clValue.toBool();
        pclUse->setChecked(bUse);
        sendCommand(requestKind<ClTovuCommandGetStreamAuthorizationPassword>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetStreamAuthorizationPassword>()) {
        // Kept to check the current password against, never shown. One the fields could
        // not hold simply never matches.
        strPassword = clValue.toString();
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand) || !isOwn(ClEnvelope::executedKind(clCommand)))
        return;
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        if (!ClEnvelope::isCameraGone(clCommand)) {
            stopPolling();
            showCommandError(usCode);
        }
    } else if (uuidExecuted == requestKind<ClTovuCommandSetStreamAuthorizationUse>()) {
        bUse = bUsePending;
    } else if (uuidExecuted == requestKind<ClTovuCommandSetStreamAuthorizationPassword>()) {
        strPassword = strPasswordPending;
    }
}

QString ClWidgetBasicPassword::checkEntries() const
{
    const QString strNow = pclNow->text();
    const QString strNew = pclNew->text();
    const QString strCheck = pclCheck->text();
    if (strNow.isEmpty() || strNew.isEmpty() || strCheck.isEmpty())
        return trBasic("There are not input value");
    if (strNow != strPassword)
        return trBasic("Different now password");
    if (strNew != strCheck)
        return trBasic("Not same password new and check");
    if (strNow == strNew)
        return trBasic("Not change password");
    return QString();
}

void ClWidgetBasicPassword::slotApply()
{
    const bool bAllEmpty = pclNow->text().isEmpty() && pclNew->text().isEmpty() && pclCheck->text().isEmpty();
    // Nothing typed is no request for a new password.
    if (pclUse->isChecked() && !bAllEmpty) {
        const QString strMessage = checkEntries();
        if (!strMessage.isEmpty()) {
            // Nothing at all goes out, not even the switch: the user meant one change.
            ClMessageBox(this, strMessage, ClMessageBox::applicationTitle(), QMessageBox::Ok).exec();
            return;
        }
        strPasswordPending = pclNew->text();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), strPasswordPending);
        sendCommand(requestKind<ClTovuCommandSetStreamAuthorizationPassword>(), clArgs, true, 0);
    }
    if (pclUse->isChecked() != bUse) {
        bUsePending = pclUse->isChecked();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), bUsePending);
        sendCommand(requestKind<ClTovuCommandSetStreamAuthorizationUse>(), clArgs, true, 0);
    }
}
