#include "ClWidgetBasicGps.h"

#include "BasicLook.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/TypedKinds.h"
#include "settings/ClSettingCodes.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using BasicLook::trBasic;

namespace {
constexpr quint32 ulFormatShort = ClSettingCodes::ulGpsFormatShort;
constexpr quint32 ulFormatFull = ClSettingCodes::ulGpsFormatFull;

QRadioButton* radio(const QString& strText, const char* pszName, QWidget* pclParent)
{
    auto* pclRadio = new QRadioButton(strText, pclParent);
    pclRadio->setObjectName(QLatin1String(pszName));
    return pclRadio;
}
}  // namespace

ClWidgetBasicGps::ClWidgetBasicGps(QWidget* parent) : ClWidgetBase(parent)
{
    setObjectName(QStringLiteral("pageBasicGps"));
    strApplied = trBasic("%1 is applied").arg(trBasic("GPS settings"));

    pclGps = BasicLook::groupBox(trBasic("Set valid GPS"), QStringLiteral("groupGps"), true, this);
    pclSaveLogs = radio(trBasic("Save logs"), "radioSaveLogs", pclGps);
    pclNotSaveLogs = radio(trBasic("Not save logs"), "radioNotSaveLogs", pclGps);
    pclFormatShort = radio(trBasic("GGA+RMC"), "radioFormatShort", pclGps);
    pclFormatFull = radio(trBasic("GGA+GLL+GSA+GSV+RMC+VTG+ZDA"), "radioFormatFull", pclGps);
    pclLogButtons = new QButtonGroup(this);
    pclLogButtons->addButton(pclSaveLogs);
    pclLogButtons->addButton(pclNotSaveLogs);
    pclFormatButtons = new QButtonGroup(this);
    pclFormatButtons->addButton(pclFormatShort);
    pclFormatButtons->addButton(pclFormatFull);
    for (QRadioButton* pclRadio : {pclSaveLogs, pclNotSaveLogs, pclFormatShort, pclFormatFull})
        connect(pclGps, &QGroupBox::toggled, pclRadio, &QWidget::setEnabled);

    auto* pclInner = new QVBoxLayout(pclGps);
    pclInner->setContentsMargins(16, 8, 16, 0);
    pclInner->setSpacing(8);
    pclInner->addWidget(new QLabel(trBasic("Set to save GPS log"), pclGps));
    pclInner->addWidget(pclSaveLogs);
    pclInner->addWidget(pclNotSaveLogs);
    pclInner->addSpacing(8);
    pclInner->addWidget(new QLabel(trBasic("Set the format of GPS log"), pclGps));
    pclInner->addWidget(pclFormatShort);
    pclInner->addWidget(pclFormatFull);

    auto* pclLayout = new QVBoxLayout(this);
    pclLayout->setContentsMargins(12, 12, 12, 12);
    pclLayout->addWidget(pclGps);
    pclLayout->addStretch();
}

void ClWidgetBasicGps::requestData(bool)
{
    sendCommand(requestKind<ClTovuCommandGetGpsSetting>(), PV_CMD(), false, 0);
}

void ClWidgetBasicGps::setCameraInfo(qint32 lModel, QString)
{
    if (lModel >= 0)
        return;
    // Unread, the record is not written at all (see slotApply), so nothing the user did not
    // choose goes out before the next camera has answered.
    bRead = false;
    bGpsValid = false;
    bSaveLog = false;
    bAdjustTime = false;
    ulLogFormat = ulFormatShort;
    pclGps->setChecked(false);
    BasicLook::uncheckAll(pclLogButtons);
    BasicLook::uncheckAll(pclFormatButtons);
}

void ClWidgetBasicGps::receiveCommand(const PV_CMD& clCommand)
{
    const QUuid uuidCmd = ClEnvelope::kind(clCommand);
    if (uuidCmd == replyKind<ClTovuCommandGetGpsSetting>()) {
        bRead = true;
        bGpsValid = clCommand.value(ClEnvelope::keyParam(2)).toBool();
        bSaveLog = clCommand.value(ClEnvelope::keyParam(3)).toBool();
        bAdjustTime = clCommand.value(ClEnvelope::keyParam(4)).toBool();
        ulLogFormat = clCommand.value(ClEnvelope::keyParam(5)).toUInt();
        pclGps->setChecked(bGpsValid);
        (bSaveLog ? pclSaveLogs : pclNotSaveLogs)->setChecked(true);
        // A format the page has no button for leaves the buttons as they are.
        if (ulLogFormat == ulFormatShort)
            pclFormatShort->setChecked(true);
        else if (ulLogFormat == ulFormatFull)
            pclFormatFull->setChecked(true);
        return;
    }
    if (!ClEnvelope::isOutcome(clCommand))
        return;
    const QUuid uuidExecuted = ClEnvelope::executedKind(clCommand);
    if (uuidExecuted != requestKind<ClTovuCommandGetGpsSetting>()
        && uuidExecuted != requestKind<ClTovuCommandSetGpsSetting>())
        return;
    const quint16 usCode = ClEnvelope::resultCode(clCommand);
    if (usCode != ClResultCode::usSuccess) {
        if (!ClEnvelope::isCameraGone(clCommand)) {
            stopPolling();
            showCommandError(usCode);
        }
    } else if (uuidExecuted == requestKind<ClTovuCommandSetGpsSetting>()) {
        bGpsValid = bGpsValidPending;
        bSaveLog = bSaveLogPending;
        ulLogFormat = ulLogFormatPending;
    }
}

void ClWidgetBasicGps::slotApply()
{
    // Without the camera's record the clock adjustment is unknown, and writing the record
    // whole would overwrite it.
    if (!bRead)
        return;
    if (pclGps->isChecked()) {
        const bool bShownSaveLog = pclSaveLogs->isChecked();
        const quint32 ulShownFormat = pclFormatShort->isChecked() ? ulFormatShort : ulFormatFull;
        if (bGpsValid && bShownSaveLog == bSaveLog && ulShownFormat == ulLogFormat)
            return;
        sendGps(true, bShownSaveLog, ulShownFormat);
    } else if (bGpsValid) {
        // The disabled buttons are not the user's choice: the camera keeps its log settings.
        sendGps(false, bSaveLog, ulLogFormat);
    }
}

void ClWidgetBasicGps::sendGps(bool bValid, bool bNewSaveLog, quint32 ulFormat)
{
    bGpsValidPending = bValid;
    bSaveLogPending = bNewSaveLog;
    ulLogFormatPending = ulFormat;
    PV_CMD clArgs;
    clArgs.insert(ClEnvelope::keyParam(2), bValid);
    clArgs.insert(ClEnvelope::keyParam(3), bNewSaveLog);
    clArgs.insert(ClEnvelope::keyParam(4), bAdjustTime);
    clArgs.insert(ClEnvelope::keyParam(5), ulFormat);
    sendCommand(requestKind<ClTovuCommandSetGpsSetting>(), clArgs, true, 0);
}
