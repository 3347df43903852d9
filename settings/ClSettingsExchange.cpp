#include "ClSettingsExchange.h"

#include "ClSettingTable.h"
#include "ClSettingValue.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClResultCode.h"
#include "protocol/ClResultText.h"

#include <algorithm>

namespace {
constexpr int lDefaultDeadlineMs = 15000;

QUuid replyKindOf(const QUuid& uuidRequest)
{
    const ClCommandEntry* pstEntry = ClCommandCatalogue::findByRequest(uuidRequest);
    return pstEntry ? pstEntry->uuidReply : QUuid();
}

// The settings a Set command writes together: those of one command, except the days of
// the schedule, each of which is a Set of its own.
QString groupOf(const ClSettingDefinition& stSetting)
{
    return stSetting.uuidSet.toString() + QString::number(stSetting.lDayCode);
}
}  // namespace

ClSettingsExchange::ClSettingsExchange(QObject* pclParent) : QObject(pclParent)
{
    clDeadline.setSingleShot(true);
    clDeadline.setInterval(lDefaultDeadlineMs);
    connect(&clDeadline, &QTimer::timeout, this, &ClSettingsExchange::onDeadline);
}

void ClSettingsExchange::setCamera(void* pNewDevice, const QList<QUuid>& lstNewSupported)
{
    pDevice = pNewDevice;
    lstSupported = lstNewSupported;
}

void ClSettingsExchange::planReads(const QStringList& lstNames)
{
    // One Get per command, in the table's order, for every supported setting named.
    for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
        if (!lstNames.isEmpty() && !lstNames.contains(stSetting.strName))
            continue;
        if (!ClSettingTable::isSupported(stSetting, lstSupported)) {
            if (!stReport.lstUnsupported.contains(stSetting.strName))
                stReport.lstUnsupported.append(stSetting.strName);
            continue;
        }
        auto it = std::find_if(lstSteps.begin(), lstSteps.end(),
                               [&](const Step& stStep) { return stStep.uuidKind == stSetting.uuidGet; });
        if (it == lstSteps.end())
            lstSteps.append({stSetting.uuidGet, {stSetting.strName}, PV_CMD()});
        else
            it->lstNames.append(stSetting.strName);
    }
}

void ClSettingsExchange::read(const QStringList& lstNames)
{
    stReport = ClSettingsReport();
    lstSteps.clear();
    eState = State::Reading;
    planReads(lstNames);
    next();
}

void ClSettingsExchange::write(const QMap<QString, QVariant>& mapValues, const QMap<QString, QVariant>& mapCurrent)
{
    stReport = ClSettingsReport();
    lstSteps.clear();
    mapWanted = mapValues;
    eState = State::Writing;

    QList<const ClSettingDefinition*> lstOrdered;
    for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
        if (!mapValues.contains(stSetting.strName))
            continue;
        if (!ClSettingTable::isSupported(stSetting, lstSupported))
            stReport.lstUnsupported.append(stSetting.strName);
        else
            lstOrdered.append(&stSetting);
    }
    std::stable_sort(
        lstOrdered.begin(), lstOrdered.end(),
        [](const ClSettingDefinition* pA, const ClSettingDefinition* pB) { return pA->lStage < pB->lStage; });

    QStringList lstGroups;
    for (const ClSettingDefinition* pstSetting : lstOrdered) {
        const QString strGroup = groupOf(*pstSetting);
        if (lstGroups.contains(strGroup))
            continue;
        lstGroups.append(strGroup);
        Step stStep {pstSetting->uuidSet, {}, PV_CMD()};
        QString strMissing;
        // Every field of the command goes out: the wanted value where there is one, the
        // camera's own elsewhere.
        for (const ClSettingDefinition& stMember : ClSettingTable::all()) {
            if (groupOf(stMember) != strGroup)
                continue;
            QVariant clValue = mapValues.value(stMember.strName);
            if (clValue.isValid())
                stStep.lstNames.append(stMember.strName);
            else
                clValue = mapCurrent.value(stMember.strName);
            if (!clValue.isValid())
                strMissing = stMember.strName;
            ClSettingValue::toRequest(stMember, clValue, stStep.clArgs);
        }
        if (!strMissing.isEmpty()) {
            for (const QString& strName : std::as_const(stStep.lstNames)) {
                stReport.mapFailed.insert(strName,
                                          tr("not sent: the camera's value of %1 is not known").arg(strMissing));
                stReport.lstNotWritten.append(strName);
            }
            continue;
        }
        lstSteps.append(stStep);
    }
    next();
}

void ClSettingsExchange::next()
{
    if (lstSteps.isEmpty()) {
        if (eState == State::Writing) {
            // Everything confirmed is read back: the camera may have kept another value.
            eState = State::ReadingBack;
            if (!stReport.lstWritten.isEmpty()) {
                planReads(stReport.lstWritten);
                next();
                return;
            }
        }
        finish();
        return;
    }
    PV_CMD clCommand = lstSteps.constFirst().clArgs;
    clCommand.insert(ClEnvelope::keyCmd(), lstSteps.constFirst().uuidKind);
    if (pDevice)
        clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pDevice));
    clCommand.insert(ClEnvelope::keySender(), QVariant::fromValue<QObject*>(this));
    bWaiting = true;
    clDeadline.start();
    Q_EMIT sigSendCommand(clCommand);
}

bool ClSettingsExchange::concernsUs(const PV_CMD& clCommand) const
{
    return pDevice == nullptr || ClEnvelope::device(clCommand) == pDevice;
}

void ClSettingsExchange::slotReceiveCommand(PV_CMD clCommand)
{
    if (eState == State::Idle || !concernsUs(clCommand))
        return;
    const QUuid uuidKind = ClEnvelope::kind(clCommand);
    if (uuidKind == ClCommandKinds::cameraRemoved()) {
        cameraGone();
        return;
    }
    if (!bWaiting || lstSteps.isEmpty())
        return;
    const QUuid uuidAsked = lstSteps.constFirst().uuidKind;
    if (ClEnvelope::isOutcome(clCommand)) {
        if (ClEnvelope::executedKind(clCommand) != uuidAsked)
            return;
        const quint16 usCode = ClEnvelope::resultCode(clCommand);
        if (ClEnvelope::isCameraGone(clCommand)) {
            cameraGone();
            return;
        }
        finishStep(clCommand, usCode == ClResultCode::usSuccess ? QString() : ClResultText::text(usCode));
        return;
    }
    if (uuidKind == replyKindOf(uuidAsked))
        finishStep(clCommand, QString());
}

void ClSettingsExchange::finishStep(const PV_CMD& clAnswer, const QString& strFailure)
{
    clDeadline.stop();
    bWaiting = false;
    const Step stStep = lstSteps.takeFirst();
    for (const QString& strName : stStep.lstNames) {
        const ClSettingDefinition* pstSetting = ClSettingTable::find(strName);
        if (!strFailure.isEmpty()) {
            stReport.mapFailed.insert(strName, strFailure);
            if (eState == State::Writing)
                stReport.lstNotWritten.append(strName);
            continue;
        }
        if (eState == State::Writing) {
            stReport.lstWritten.append(strName);
            Q_EMIT sigWritten(strName);
            continue;
        }
        const QVariant clValue = ClSettingValue::fromReply(*pstSetting, clAnswer);
        if (!clValue.isValid()) {
            stReport.mapFailed.insert(strName, tr("the camera's answer holds no value"));
            continue;
        }
        stReport.mapValues.insert(strName, clValue);
        if (eState == State::ReadingBack && !ClSettingValue::isSame(*pstSetting, clValue, mapWanted.value(strName)))
            stReport.mapFailed.insert(strName,
                                      tr("the camera kept %1").arg(ClSettingValue::toText(*pstSetting, clValue)));
    }
    next();
}

void ClSettingsExchange::cameraGone()
{
    if (eState == State::Idle)
        return;
    stReport.bCameraGone = true;
    clDeadline.stop();
    bWaiting = false;
    failRemaining(tr("the camera was disconnected"));
}

void ClSettingsExchange::failRemaining(const QString& strWhy)
{
    for (const Step& stStep : std::as_const(lstSteps)) {
        for (const QString& strName : stStep.lstNames) {
            stReport.mapFailed.insert(strName, strWhy);
            if (eState == State::Writing)
                stReport.lstNotWritten.append(strName);
        }
    }
    lstSteps.clear();
    finish();
}

void ClSettingsExchange::onDeadline()
{
    if (!bWaiting || lstSteps.isEmpty())
        return;
    PV_CMD clNone;
    finishStep(clNone, tr("the camera did not answer in time"));
}

void ClSettingsExchange::finish()
{
    const State eEnded = eState;
    eState = State::Idle;
    const ClSettingsReport stDone = stReport;
    if (eEnded == State::Reading)
        Q_EMIT sigReadDone(stDone);
    else
        Q_EMIT sigWriteDone(stDone);
}
