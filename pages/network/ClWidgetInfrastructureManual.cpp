#include "ClWidgetInfrastructureManual.h"

#include "ClKeyField.h"
#include "InfraFormLook.h"
#include "NetworkLook.h"
#include "protocol/ClCameraModel.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using NetworkLook::trNet;

ClWidgetInfrastructureManual::ClWidgetInfrastructureManual(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageInfraManual"));
    QCheckBox* pclShow = nullptr;
    QPushButton* pclBack = nullptr;
    QGridLayout* pclGrid
        = InfraFormLook::layOut(this, trNet("[Infrastracture]->[AP manual setting]"), &pclShow, &pclBack);
    QWidget* pclBox = pclGrid->parentWidget();
    pclSsid = InfraFormLook::ssidField(pclBox);
    pclKey = InfraFormLook::keyField(pclBox);
    pclKey->edit()->setEchoMode(QLineEdit::Password);
    // The captions sit beside the fields, not in them: a screen reader gets them as names.
    pclSsid->edit()->setAccessibleName(trNet("SSID"));
    pclKey->edit()->setAccessibleName(trNet("Encryption key"));
    pclGrid->addWidget(new QLabel(trNet("SSID"), pclBox), 0, 0, Qt::AlignTop);
    pclGrid->addWidget(pclSsid, 0, 1);
    pclGrid->addWidget(new QLabel(trNet("Encryption key"), pclBox), 1, 0, Qt::AlignTop);
    pclGrid->addWidget(pclKey, 1, 1);
    connect(pclShow, &QCheckBox::stateChanged, this, &ClWidgetInfrastructureManual::slotChangeShowPw);
    connect(pclBack, &QPushButton::clicked, this, &ClWidgetInfrastructureManual::slotReturn);
}

void ClWidgetInfrastructureManual::requestData(bool bIsPolling)
{
    if (bIsPolling)
        return;
    pclSsid->clear();
    pclKey->clear();
}

void ClWidgetInfrastructureManual::setCameraInfo(qint32 lModel, QString)
{
    if (lModel != ClCameraModel::None)
        return;
    pclSsid->clear();
    pclKey->clear();
}

void ClWidgetInfrastructureManual::slotChangeShowPw(int lState)
{
    pclKey->edit()->setEchoMode(lState == Qt::Checked ? QLineEdit::Normal : QLineEdit::Password);
}

void ClWidgetInfrastructureManual::slotReturn()
{
    Q_EMIT sigChangePage(0);
}

void ClWidgetInfrastructureManual::slotApply()
{
    const QString strSsid = pclSsid->text();
    if (strSsid.isEmpty())
        return;
    PV_CMD clSsid;
    clSsid.insert(ClEnvelope::keyParam(2), strSsid);
    sendCommand(requestKind<ClTovuCommandSetInfraSsid>(), clSsid, false, 0);
    uuidLast = requestKind<ClTovuCommandSetInfraSsid>();
    if (!pclKey->text().isEmpty()) {
        PV_CMD clKeyArgs;
        clKeyArgs.insert(ClEnvelope::keyParam(2), pclKey->text());
        sendCommand(requestKind<ClTovuCommandSetInfraKey>(), clKeyArgs, false, 0);
        uuidLast = requestKind<ClTovuCommandSetInfraKey>();
    }
}

void ClWidgetInfrastructureManual::receiveCommand(const PV_CMD& clCommand)
{
    if (!ClEnvelope::isOutcome(clCommand))
        return;
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    if (uuidExecuted != requestKind<ClTovuCommandSetInfraSsid>()
        && uuidExecuted != requestKind<ClTovuCommandSetInfraKey>())
        return;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        // The name may have gone in before its key failed: this Apply is over.
        uuidLast = QUuid();
        if (!ClEnvelope::isCameraGone(clCommand))
            showCommandError(usCode);
        return;
    }
    if (uuidExecuted == uuidLast) {
        uuidLast = QUuid();
        Q_EMIT sigEndSetting();
        Q_EMIT sigChangePage(0);
    }
}
