#include "ClWidgetInfrastructureApSelect.h"

#include "ClKeyField.h"
#include "ClSsidText.h"
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

ClWidgetInfrastructureApSelect::ClWidgetInfrastructureApSelect(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageInfraApSelect"));
    QCheckBox* pclShow = nullptr;
    QPushButton* pclBack = nullptr;
    QGridLayout* pclGrid
        = InfraFormLook::layOut(this, trNet("[Infrastracture]->[Input Encryption key]"), &pclShow, &pclBack);
    QWidget* pclBox = pclGrid->parentWidget();
    pclSsid = new QLabel(pclBox);
    pclSsid->setObjectName(QStringLiteral("labelSsidValue"));
    pclSsid->setTextFormat(Qt::PlainText);
    pclKey = InfraFormLook::keyField(pclBox);
    pclKey->edit()->setEchoMode(QLineEdit::Password);
    pclKey->edit()->setAccessibleName(trNet("Encryption key"));
    pclGrid->addWidget(new QLabel(trNet("SSID"), pclBox), 0, 0);
    pclGrid->addWidget(pclSsid, 0, 1);
    pclGrid->addWidget(new QLabel(trNet("Encryption key"), pclBox), 1, 0, Qt::AlignTop);
    pclGrid->addWidget(pclKey, 1, 1);
    connect(pclShow, &QCheckBox::stateChanged, this, &ClWidgetInfrastructureApSelect::slotChangeShowPw);
    connect(pclBack, &QPushButton::clicked, this, &ClWidgetInfrastructureApSelect::slotReturn);
}

void ClWidgetInfrastructureApSelect::slotSetSsid(QString strSsid_)
{
    strSsid = strSsid_;
    pclSsid->setText(ClSsidText::display(strSsid));
    pclKey->clear();
}

void ClWidgetInfrastructureApSelect::setCameraInfo(qint32 lModel, QString)
{
    if (lModel == ClCameraModel::None)
        slotSetSsid(QString());
}

void ClWidgetInfrastructureApSelect::slotChangeShowPw(int lState)
{
    pclKey->edit()->setEchoMode(lState == Qt::Checked ? QLineEdit::Normal : QLineEdit::Password);
}

void ClWidgetInfrastructureApSelect::slotReturn()
{
    Q_EMIT sigChangePage(0);
}

void ClWidgetInfrastructureApSelect::slotApply()
{
    if (strSsid.isEmpty() || pclKey->text().isEmpty())
        return;
    bApplyFailed = false;
    PV_CMD clSsid;
    clSsid.insert(ClEnvelope::keyParam(2), strSsid);
    sendCommand(requestKind<ClTovuCommandSetInfraSsid>(), clSsid, false, 0);
    PV_CMD clKeyArgs;
    clKeyArgs.insert(ClEnvelope::keyParam(2), pclKey->text());
    sendCommand(requestKind<ClTovuCommandSetInfraKey>(), clKeyArgs, false, 0);
}

void ClWidgetInfrastructureApSelect::receiveCommand(const PV_CMD& clCommand)
{
    if (!ClEnvelope::isOutcome(clCommand))
        return;
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    if (uuidExecuted != requestKind<ClTovuCommandSetInfraSsid>()
        && uuidExecuted != requestKind<ClTovuCommandSetInfraKey>())
        return;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        bApplyFailed = true;
        if (!ClEnvelope::isCameraGone(clCommand))
            showCommandError(usCode);
        return;
    }
    if (uuidExecuted == requestKind<ClTovuCommandSetInfraKey>() && !bApplyFailed) {
        Q_EMIT sigSetLog(trNet("Network key is applied"));
        Q_EMIT sigEndSetting();
        Q_EMIT sigChangePage(0);
    }
}
