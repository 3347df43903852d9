#include "ClWidgetInfrastructureIp.h"

#include "ClIpv4Validator.h"
#include "settings/ClSettingRules.h"
#include "NetworkLook.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClCameraModel.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using NetworkLook::trNet;

namespace {
bool isOwn(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetInfraUseDhcp>()
        || uuidKind == requestKind<ClTovuCommandGetInfraAddress>()
        || uuidKind == requestKind<ClTovuCommandGetInfraSubnetmask>()
        || uuidKind == requestKind<ClTovuCommandGetInfraGateway>()
        || uuidKind == requestKind<ClTovuCommandSetInfraUseDhcp>()
        || uuidKind == requestKind<ClTovuCommandSetInfraAddress>()
        || uuidKind == requestKind<ClTovuCommandSetInfraSubnetmask>()
        || uuidKind == requestKind<ClTovuCommandSetInfraGateway>();
}

QLineEdit* addressEdit(const QString& strObjectName, QWidget* pclParent)
{
    auto* pclEdit = new QLineEdit(pclParent);
    pclEdit->setObjectName(strObjectName);
    pclEdit->setValidator(new ClIpv4Validator(pclEdit));
    return pclEdit;
}
}  // namespace

ClWidgetInfrastructureIp::ClWidgetInfrastructureIp(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageInfraIp"));
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(0, 12, 12, 0);
    pclLayout->setSpacing(12);
    pclLayout->addWidget(NetworkLook::subtitle(trNet("[Infrastracture]->[IP setting]"), this));

    auto* pclDhcpBox = NetworkLook::groupBox(QString(), QStringLiteral("groupDhcp"), false, this);
    pclOn = new QRadioButton(trNet("ON"), pclDhcpBox);
    pclOn->setObjectName(QStringLiteral("radioDhcpOn"));
    pclOff = new QRadioButton(trNet("OFF"), pclDhcpBox);
    pclOff->setObjectName(QStringLiteral("radioDhcpOff"));
    auto* pclGroup = new QButtonGroup(this);
    pclGroup->addButton(pclOn);
    pclGroup->addButton(pclOff);
    auto* pclDhcpLayout = new QHBoxLayout(pclDhcpBox);
    pclDhcpLayout->setContentsMargins(16, 0, 16, 0);
    pclDhcpLayout->addWidget(new QLabel(trNet("DHCP"), pclDhcpBox));
    pclDhcpLayout->addSpacing(24);
    pclDhcpLayout->addWidget(pclOn);
    pclDhcpLayout->addWidget(pclOff);
    pclDhcpLayout->addStretch();
    pclLayout->addWidget(pclDhcpBox);

    auto* pclAddressBox = NetworkLook::groupBox(QString(), QStringLiteral("groupInfraAddress"), false, this);
    auto* pclGrid = new QGridLayout(pclAddressBox);
    pclGrid->setContentsMargins(16, 0, 16, 0);
    auto* pclHint = new QLabel(trNet("Set the IP Address, Subnetmask and Default Gateway"), pclAddressBox);
    pclHint->setWordWrap(true);
    pclGrid->addWidget(pclHint, 0, 0, 1, 2);
    pclAddress = addressEdit(QStringLiteral("editInfraAddress"), pclAddressBox);
    pclMask = addressEdit(QStringLiteral("editInfraMask"), pclAddressBox);
    pclGateway = addressEdit(QStringLiteral("editInfraGateway"), pclAddressBox);
    const QList<QPair<QString, QLineEdit*>> lstRows
        = {{trNet("IP Address"), pclAddress}, {trNet("Subnetmask"), pclMask}, {trNet("Default Gateway"), pclGateway}};
    int lRow = 1;
    for (const auto& clRow : lstRows) {
        auto* pclLabel = new QLabel(clRow.first, pclAddressBox);
        pclLabel->setBuddy(clRow.second);
        pclGrid->addWidget(pclLabel, lRow, 0);
        pclGrid->addWidget(clRow.second, lRow, 1);
        pclLabel->setEnabled(false);
        clRow.second->setEnabled(false);
        connect(pclOff, &QRadioButton::toggled, pclLabel, &QWidget::setEnabled);
        connect(pclOff, &QRadioButton::toggled, clRow.second, &QWidget::setEnabled);
        ++lRow;
    }
    pclLayout->addWidget(pclAddressBox);
    pclLayout->addStretch();

    auto* pclBack = new QPushButton(trNet("Back"), this);
    pclBack->setObjectName(QStringLiteral("buttonBack"));
    pclBack->adjustSize();
    pclBack->move(447 - pclBack->width(), 340);
    connect(pclBack, &QPushButton::clicked, this, &ClWidgetInfrastructureIp::slotReturn);
}

void ClWidgetInfrastructureIp::requestData(bool)
{
    bDhcp = false;
    strAddress.clear();
    strMask.clear();
    strGateway.clear();
    sendCommand(requestKind<ClTovuCommandGetInfraUseDhcp>(), PV_CMD(), false, 0);
}

void ClWidgetInfrastructureIp::setCameraInfo(qint32 lModel, QString)
{
    if (lModel != ClCameraModel::None)
        return;
    bDhcp = false;
    strAddress.clear();
    strMask.clear();
    strGateway.clear();
    pclAddress->clear();
    pclMask->clear();
    pclGateway->clear();
}

void ClWidgetInfrastructureIp::slotReturn()
{
    Q_EMIT sigChangePage(0);
}

void ClWidgetInfrastructureIp::send(const QUuid& uuidKind, const QVariant& clValue)
{
    PV_CMD clArgs;
    clArgs.insert(ClEnvelope::keyParam(2), clValue);
    ++lSent;
    sendCommand(uuidKind, clArgs, false, 0);
}

void ClWidgetInfrastructureIp::slotApply()
{
    const bool bOn = pclOn->isChecked();
    if (!bOn
        && (!ClSettingRules::isSubnetMask(pclMask->text()) || !ClSettingRules::isHostAddress(pclAddress->text())
            || !ClSettingRules::isHostAddress(pclGateway->text()))) {
        ClMessageBox(this, trNet("Not valid settings of network"), ClMessageBox::applicationTitle(), QMessageBox::Ok)
            .exec();
        return;
    }
    lstCompleted.clear();
    lSent = 0;
    bApplyFailed = false;
    if (bOn != bDhcp)
        send(requestKind<ClTovuCommandSetInfraUseDhcp>(), bOn);
    if (!bOn) {
        if (pclAddress->text() != strAddress)
            send(requestKind<ClTovuCommandSetInfraAddress>(), pclAddress->text());
        if (pclMask->text() != strMask)
            send(requestKind<ClTovuCommandSetInfraSubnetmask>(), pclMask->text());
        if (pclGateway->text() != strGateway)
            send(requestKind<ClTovuCommandSetInfraGateway>(), pclGateway->text());
    }
    if (lSent == 0) {
        // The end of the setting first: going back to the list unwires this page, and the
        // switch to infrastructure mode would never hear of it.
        Q_EMIT sigEndSetting();
        Q_EMIT sigChangePage(0);
    }
}

void ClWidgetInfrastructureIp::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetInfraUseDhcp>()) {
        bDhcp = clValue.toBool();
        (bDhcp ? pclOn : pclOff)->setChecked(true);
        sendCommand(requestKind<ClTovuCommandGetInfraAddress>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetInfraAddress>()) {
        strAddress = clValue.toString();
        pclAddress->setText(strAddress);
        sendCommand(requestKind<ClTovuCommandGetInfraSubnetmask>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetInfraSubnetmask>()) {
        strMask = clValue.toString();
        pclMask->setText(strMask);
        sendCommand(requestKind<ClTovuCommandGetInfraGateway>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetInfraGateway>()) {
        strGateway = clValue.toString();
        pclGateway->setText(strGateway);
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand) || !isOwn(ClEnvelope::executedKind(clCommand)))
        return;
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        bApplyFailed = true;
        if (!ClEnvelope::isCameraGone(clCommand))
            showCommandError(usCode);
        return;
    }
    if (uuidExecuted == requestKind<ClTovuCommandSetInfraUseDhcp>())
        bDhcp = pclOn->isChecked();
    else if (uuidExecuted == requestKind<ClTovuCommandSetInfraAddress>())
        strAddress = pclAddress->text();
    else if (uuidExecuted == requestKind<ClTovuCommandSetInfraSubnetmask>())
        strMask = pclMask->text();
    else if (uuidExecuted == requestKind<ClTovuCommandSetInfraGateway>())
        strGateway = pclGateway->text();
    else
        return;
    lstCompleted.append(uuidExecuted);
    if (!bApplyFailed && lSent > 0 && lstCompleted.size() == lSent) {
        lSent = 0;
        Q_EMIT sigSetLog(trNet("Setting the IP address is applied"));
        Q_EMIT sigEndSetting();
        Q_EMIT sigChangePage(0);
    }
}
