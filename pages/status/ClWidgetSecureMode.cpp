#include "ClWidgetSecureMode.h"

#include "ClPushButton.h"
#include "framework/ClMessageBox.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClSecureMode.h"
#include "protocol/TypedKinds.h"
#include "resources/ClArtPalette.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr qint32 lRecording = 2;

// A row that centres its content between two stretches.
QHBoxLayout* centredRow(QVBoxLayout* pclParent)
{
    auto* pclRow = new QHBoxLayout;
    pclParent->addLayout(pclRow);
    pclRow->addStretch(1);
    return pclRow;
}

void setColour(QLabel* pclLabel, const QColor& clColour)
{
    QPalette clPalette = pclLabel->palette();
    clPalette.setColor(QPalette::WindowText, clColour);
    pclLabel->setPalette(clPalette);
}
}  // namespace

ClWidgetSecureMode::ClWidgetSecureMode(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageSecureMode"));
    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->addStretch(1);

    auto* pclForm = new QFormLayout;
    pclForm->setHorizontalSpacing(20);
    pclForm->setVerticalSpacing(10);
    pclModeValue = new QLabel(this);
    pclModeValue->setObjectName(QStringLiteral("labelModeValue"));
    pclRecValue = new QLabel(this);
    pclRecValue->setObjectName(QStringLiteral("labelRecValue"));
    for (QLabel* pclValue : {pclModeValue, pclRecValue}) {
        QFont clFont = pclValue->font();
        clFont.setWeight(QFont::Bold);
        pclValue->setFont(clFont);
    }
    pclForm->addRow(tr("Current mode"), pclModeValue);
    pclForm->addRow(tr("Recording status"), pclRecValue);
    QHBoxLayout* pclRow = centredRow(pclLayout);
    pclRow->addLayout(pclForm);
    pclRow->addStretch(1);

    pclModeImage = new QLabel(this);
    pclModeImage->setObjectName(QStringLiteral("labelModeImage"));
    pclModeImage->setFixedSize(100, 100);
    pclModeImage->setScaledContents(true);
    pclRow = centredRow(pclLayout);
    pclRow->addWidget(pclModeImage);
    pclRow->addStretch(1);

    pclHint = new QLabel(tr("In order to use the maintenance tools must be in maintenance mode the camera"), this);
    pclHint->setObjectName(QStringLiteral("labelHint"));
    pclHint->setWordWrap(true);
    pclHint->setAlignment(Qt::AlignCenter);
    pclHint->setMinimumWidth(460);
    pclHint->setMaximumWidth(520);
    pclRow = centredRow(pclLayout);
    pclRow->addWidget(pclHint);
    pclRow->addStretch(1);

    // Without a mode answer yet the button has no text; pressing it asks for maintenance.
    pclToggle = new ClPushButton(QString(), 230, this);
    pclToggle->setObjectName(QStringLiteral("buttonToggleMode"));
    pclRow = centredRow(pclLayout);
    pclRow->addWidget(pclToggle);
    pclRow->addStretch(1);
    connect(pclToggle, &QPushButton::clicked, this, &ClWidgetSecureMode::slotReqToggleMode);

    pclLayout->addStretch(1);
}

void ClWidgetSecureMode::setSecureMode(qint32 lMode)
{
    const bool bMaintenance = (lMode == ClSecureMode::Maintenance);
    pclModeValue->setText(bMaintenance ? tr("Maintenance") : tr("Security"));
    setColour(pclModeValue, bMaintenance ? ClArtPalette::good() : ClArtPalette::bad());
    pclModeImage->setPixmap(
        QPixmap(bMaintenance ? QStringLiteral(":/secure/img_mode") : QStringLiteral(":/secure/img_mode_red")));
    pclHint->setVisible(!bMaintenance);
    pclToggle->setText(bMaintenance ? tr("Change to security mode") : tr("Change to maintenance mode"));
}

void ClWidgetSecureMode::showRecording(qint32 lState)
{
    const bool bRecording = (lState == lRecording);
    pclRecValue->setText(bRecording ? tr("Running recording") : tr("Recording stopped"));
    setColour(pclRecValue, bRecording ? ClArtPalette::bad() : ClArtPalette::good());
}

void ClWidgetSecureMode::requestData(bool bIsPolling)
{
    if (!bIsPolling)
        startPolling();
    sendCommand(requestKind<ClTovuCommandGetRecState>(), PV_CMD(), false, 0);
}

void ClWidgetSecureMode::slotReqToggleMode()
{
    // Decided from what is shown: the last answers the camera gave.
    PV_CMD clCommand;
    if (pclToggle->text() == tr("Change to security mode")) {
        clCommand.insert(ClEnvelope::keyParam(2), qint32(ClSecureMode::Security));
    } else {
        if (pclRecValue->text() == tr("Running recording")) {
            ClMessageBox clBox(this, tr("Are you sure you want, but I will stop recording?"),
                               ClMessageBox::applicationTitle(), QMessageBox::Ok | QMessageBox::Cancel);
            if (clBox.exec() != 1)
                return;
        }
        clCommand.insert(ClEnvelope::keyParam(2), qint32(ClSecureMode::Maintenance));
    }
    sendCommand(requestKind<ClTovuCommandExecSecureCurr>(), clCommand, false, 0);
}

void ClWidgetSecureMode::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidKind = ClEnvelope::kind(clCommand);
    if (ClEnvelope::isErrorNotice(clCommand)) {
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
        const bool bOwn = uuidExecuted == requestKind<ClTovuCommandGetSecureCurr>()
            || uuidExecuted == requestKind<ClTovuCommandExecSecureCurr>();
        if (bOwn && usCode != ClResultCode::usNoCamera) {
            stopPolling();
            showCommandError(usCode);
        }
    } else if (uuidKind == replyKind<ClTovuCommandGetSecureCurr>()) {
        setSecureMode(clCommand.value(ClEnvelope::keyParam(2)).toInt());
    } else if (uuidKind == replyKind<ClTovuCommandGetRecState>()) {
        showRecording(clCommand.value(ClEnvelope::keyParam(2)).toInt());
    } else if (ClEnvelope::isCompletion(clCommand)
               && ClEnvelope::executedKind(clCommand) == requestKind<ClTovuCommandExecSecureCurr>()) {
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        if (usCode == ClResultCode::usSuccess) {
            Q_EMIT sigSetLog(tr("Mode is changed"));
            sendCommand(requestKind<ClTovuCommandGetSecureCurr>(), PV_CMD(), false, 0);
        } else {
            stopPolling();
            showCommandError(usCode);
        }
    }
}
