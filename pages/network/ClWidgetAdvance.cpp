#include "ClWidgetAdvance.h"

#include "ClNetworkPortValidator.h"
#include "NetworkLook.h"
#include "protocol/ClCameraModel.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/SupportedCommands.h"
#include "protocol/TypedKinds.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using NetworkLook::trNet;

namespace {
bool isOwn(const QUuid& uuidKind)
{
    return uuidKind == requestKind<ClTovuCommandGetRtstPort>() || uuidKind == requestKind<ClTovuCommandGetHttpPort>()
        || uuidKind == requestKind<ClTovuCommandSetRtspPort>() || uuidKind == requestKind<ClTovuCommandSetHttpPort>();
}

QGroupBox* portBox(const QString& strTitle, const QString& strName, const QString& strLabel, const QString& strHint,
                   QLineEdit** ppclEdit, QWidget* pclParent)
{
    QGroupBox* pclBox = NetworkLook::groupBox(strTitle, strName, true, pclParent);
    pclBox->setChecked(false);
    *ppclEdit = new QLineEdit(pclBox);
    (*ppclEdit)->setObjectName(strName == QLatin1String("groupRtsp") ? QStringLiteral("editRtspPort")
                                                                     : QStringLiteral("editHttpPort"));
    (*ppclEdit)->setValidator(new ClNetworkPortValidator(*ppclEdit));
    (*ppclEdit)->setMaximumWidth(90);
    auto* pclLayout = new QHBoxLayout(pclBox);
    pclLayout->setContentsMargins(16, 8, 16, 0);
    pclLayout->addWidget(new QLabel(strLabel, pclBox));
    pclLayout->addWidget(*ppclEdit);
    pclLayout->addWidget(new QLabel(strHint, pclBox));
    pclLayout->addStretch();
    return pclBox;
}
}  // namespace

ClWidgetAdvance::ClWidgetAdvance(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageAdvance"));
    pclRtspBox = portBox(trNet("Manually configure the RTSP port"), QStringLiteral("groupRtsp"), trNet("RTSP Port"),
                         trNet("(554, 1024 - 65535)"), &pclRtsp, this);
    pclHttpBox = portBox(trNet("Manually configure the HTTP port"), QStringLiteral("groupHttp"), trNet("HTTP Port"),
                         trNet("(80, 1024 - 65535)"), &pclHttp, this);
    connect(pclRtsp, &QLineEdit::editingFinished, this, &ClWidgetAdvance::slotCorrectPortValue);
    connect(pclHttp, &QLineEdit::editingFinished, this, &ClWidgetAdvance::slotCorrectPortValue);
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(12, 12, 12, 12);
    pclLayout->setSpacing(12);
    pclLayout->addWidget(pclRtspBox);
    pclLayout->addWidget(pclHttpBox);
    pclLayout->addStretch();
}

void ClWidgetAdvance::setCameraInfo(qint32 lModel, QString strVersion)
{
    pclHttpBox->setVisible(supportedCommands(lModel, strVersion).contains(requestKind<ClTovuCommandGetHttpPort>()));
    if (lModel != ClCameraModel::None)
        return;
    // The camera is gone: its ports are not left for the next one.
    strRtsp.clear();
    strHttp.clear();
    pclRtsp->clear();
    pclHttp->clear();
}

void ClWidgetAdvance::requestData(bool)
{
    sendCommand(requestKind<ClTovuCommandGetRtstPort>(), PV_CMD(), false, 0);
}

void ClWidgetAdvance::correct(QLineEdit* pclEdit, int lDefault)
{
    const QString strCorrected = QString::number(ClSettingRules::correctedPort(pclEdit->text(), lDefault));
    if (strCorrected != pclEdit->text())
        pclEdit->setText(strCorrected);
}

void ClWidgetAdvance::slotCorrectPortValue()
{
    if (sender() == pclRtsp)
        correct(pclRtsp, lDefaultRtsp);
    else if (sender() == pclHttp)
        correct(pclHttp, lDefaultHttp);
}

void ClWidgetAdvance::slotApply()
{
    // A field still being edited has not been corrected yet.
    correct(pclRtsp, lDefaultRtsp);
    correct(pclHttp, lDefaultHttp);
    lstCompleted.clear();
    bApplyFailed = false;
    const bool bRtsp = pclRtspBox->isChecked() && pclRtsp->text() != strRtsp;
    const bool bHttp = !pclHttpBox->isHidden() && pclHttpBox->isChecked() && pclHttp->text() != strHttp;
    lSent = int(bRtsp) + int(bHttp);
    if (bRtsp) {
        strRtspPending = pclRtsp->text();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), pclRtsp->text().toInt());
        sendCommand(requestKind<ClTovuCommandSetRtspPort>(), clArgs, false, 0);
    }
    if (bHttp) {
        strHttpPending = pclHttp->text();
        PV_CMD clArgs;
        clArgs.insert(ClEnvelope::keyParam(2), pclHttp->text().toInt());
        sendCommand(requestKind<ClTovuCommandSetHttpPort>(), clArgs, false, 0);
    }
}

void ClWidgetAdvance::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    const QVariant clValue = clCommand.value(ClEnvelope::keyParam(2));
    if (uuidCmd == replyKind<ClTovuCommandGetRtstPort>()) {
        strRtsp = QString::number(clValue.toUInt());
        pclRtsp->setText(strRtsp);
        if (!pclHttpBox->isHidden())
            sendCommand(requestKind<ClTovuCommandGetHttpPort>(), PV_CMD(), false, 0);
        return;
    }
    if (uuidCmd == replyKind<ClTovuCommandGetHttpPort>()) {
        strHttp = QString::number(clValue.toUInt());
        pclHttp->setText(strHttp);
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand) || !isOwn(ClEnvelope::executedKind(clCommand)))
        return;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        bApplyFailed = true;
        if (!ClEnvelope::isCameraGone(clCommand))
            showCommandError(usCode);
        return;
    }
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    if (uuidExecuted != requestKind<ClTovuCommandSetRtspPort>()
        && uuidExecuted != requestKind<ClTovuCommandSetHttpPort>())
        return;
    // Only a port the camera took is stored: an unchecked field's text never went out.
    if (uuidExecuted == requestKind<ClTovuCommandSetRtspPort>())
        strRtsp = strRtspPending;
    else
        strHttp = strHttpPending;
    lstCompleted.append(uuidExecuted);
    if (!bApplyFailed && lSent > 0 && lstCompleted.size() == lSent) {
        lSent = 0;
        Q_EMIT sigSetLog(trNet("Port configuration is applied"));
    }
}
