#include "ClWidgetAdhoc.h"

#include "ClIpv4Validator.h"
#include "settings/ClSettingRules.h"
#include "NetworkLook.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClCameraModel.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using NetworkLook::trNet;

namespace {
bool isOwn(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetSsid>() || uuidKind == requestKind<ClTovuCommandGetAdhocKey>()
        || uuidKind == requestKind<ClTovuCommandGetAdhocAddress>()
        || uuidKind == requestKind<ClTovuCommandGetAdhocSubnetmask>()
        || uuidKind == requestKind<ClTovuCommandSetAdhocAddress>()
        || uuidKind == requestKind<ClTovuCommandSetAdhocSubnetmask>();
}

QLabel* valueLabel(const QString& strObjectName, QWidget* pclParent)
{
    auto* pclLabel = new QLabel(pclParent);
    pclLabel->setObjectName(strObjectName);
    pclLabel->setTextFormat(Qt::PlainText);
    pclLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return pclLabel;
}
}  // namespace

ClWidgetAdhoc::ClWidgetAdhoc(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageAdhoc"));
    // Every line this page logs ends its setting: the base logs the (empty) applied
    // message once both Set commands have completed.
    connect(this, &ClWidgetBase::sigSetLog, this, &ClWidgetAdhoc::sigEndSetting);

    auto* pclNameBox = NetworkLook::groupBox(QString(), QStringLiteral("groupAdhocName"), false, this);
    auto* pclNameGrid = new QGridLayout(pclNameBox);
    pclNameGrid->setContentsMargins(16, 0, 16, 0);
    pclSsid = valueLabel(QStringLiteral("labelAdhocSsid"), pclNameBox);
    pclKey = valueLabel(QStringLiteral("labelAdhocKey"), pclNameBox);
    pclNameGrid->addWidget(new QLabel(trNet("SSID of adhoc"), pclNameBox), 0, 0);
    pclNameGrid->addWidget(pclSsid, 0, 1);
    pclNameGrid->addWidget(new QLabel(trNet("Encryption key of adhoc"), pclNameBox), 1, 0);
    pclNameGrid->addWidget(pclKey, 1, 1);
    pclNameGrid->setColumnStretch(1, 1);

    auto* pclAddressBox = NetworkLook::groupBox(QString(), QStringLiteral("groupAdhocAddress"), false, this);
    auto* pclGrid = new QGridLayout(pclAddressBox);
    pclGrid->setContentsMargins(16, 0, 16, 0);
    auto* pclHint = new QLabel(trNet("Set the IP Adderss and Subnetmask when connect by adhoc"), pclAddressBox);
    pclHint->setWordWrap(true);
    pclGrid->addWidget(pclHint, 0, 0, 1, 2);
    pclAddress = new QLineEdit(pclAddressBox);
    pclAddress->setObjectName(QStringLiteral("editAdhocAddress"));
    pclAddress->setValidator(new ClIpv4Validator(pclAddress));
    pclMask = new QLineEdit(pclAddressBox);
    pclMask->setObjectName(QStringLiteral("editAdhocMask"));
    pclMask->setValidator(new ClIpv4Validator(pclMask));
    auto* pclAddressCaption = new QLabel(trNet("IP Address"), pclAddressBox);
    pclAddressCaption->setBuddy(pclAddress);
    pclGrid->addWidget(pclAddressCaption, 1, 0);
    pclGrid->addWidget(pclAddress, 1, 1);
    auto* pclMaskCaption = new QLabel(trNet("Subnetmask"), pclAddressBox);
    pclMaskCaption->setBuddy(pclMask);
    pclGrid->addWidget(pclMaskCaption, 2, 0);
    pclGrid->addWidget(pclMask, 2, 1);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(0, 12, 12, 0);
    pclLayout->setSpacing(12);
    pclLayout->addWidget(pclNameBox);
    pclLayout->addWidget(pclAddressBox);
    pclLayout->addStretch();
}

void ClWidgetAdhoc::requestData(bool)
{
    // Name and key are read on every visit: the camera may have been reset, or be another
    // one, since they were shown.
    sendCommand(requestKind<ClTovuCommandGetSsid>(), PV_CMD(), false, 0);
}

void ClWidgetAdhoc::setCameraInfo(qint32 lModel, QString)
{
    if (lModel != ClCameraModel::None)
        return;
    pclSsid->clear();
    pclKey->clear();
    pclAddress->clear();
    pclMask->clear();
    strAddress.clear();
    strMask.clear();
}

void ClWidgetAdhoc::slotApply()
{
    if (!ClSettingRules::isSubnetMask(pclMask->text()) || !ClSettingRules::isHostAddress(pclAddress->text())) {
        ClMessageBox(this, trNet("Not valid settings of network"), ClMessageBox::applicationTitle(), QMessageBox::Ok)
            .exec();
        return;
    }
    bool bSent = false;
    if (pclAddress->text() != strAddress) {
        strAddressPending = pclAddress->text();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), strAddressPending);
        sendCommand(requestKind<ClTovuCommandSetAdhocAddress>(), clArgs, true, 0);
        bSent = true;
    }
    if (pclMask->text() != strMask) {
        strMaskPending = pclMask->text();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), strMaskPending);
        sendCommand(requestKind<ClTovuCommandSetAdhocSubnetmask>(), clArgs, true, 0);
        bSent = true;
    }
    if (!bSent)
        Q_EMIT sigEndSetting();
}

void ClWidgetAdhoc::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetSsid>()) {
        pclSsid->setText(clValue.toString());
        sendCommand(requestKind<ClTovuCommandGetAdhocKey>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetAdhocKey>()) {
        pclKey->setText(clValue.toString());
        sendCommand(requestKind<ClTovuCommandGetAdhocAddress>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetAdhocAddress>()) {
        strAddress = clValue.toString();
        pclAddress->setText(strAddress);
        sendCommand(requestKind<ClTovuCommandGetAdhocSubnetmask>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetAdhocSubnetmask>()) {
        strMask = clValue.toString();
        pclMask->setText(strMask);
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand) || !isOwn(ClEnvelope::executedKind(clCommand)))
        return;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        if (!ClEnvelope::isCameraGone(clCommand))
            showCommandError(usCode);
        return;
    }
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    if (uuidExecuted == requestKind<ClTovuCommandSetAdhocAddress>())
        strAddress = strAddressPending;
    else if (uuidExecuted == requestKind<ClTovuCommandSetAdhocSubnetmask>())
        strMask = strMaskPending;
}
