#include "ClVirtualCameraSupport.h"

#include "protocol/ClTovuCommands.h"

#include <array>

namespace {
constexpr int lModels = 3;

// The first firmware of each model, and the Tovu's firmware that brought the HTTP port and
// the turned picture.
constexpr const char* pszTovuFirst = "01.03.023";
constexpr const char* pszTovuPorts = "01.03.025";
constexpr const char* pszTovuSFirst = "01.00.011";
constexpr const char* pszTovuDFirst = "00.00.001";
constexpr const char* pszNever = nullptr;

struct Release
{
    // From which firmware on the Tovu, the Tovu-S and the Tovu-D answer the codes.
    std::array<const char*, lModels> apszFrom;
    QList<quint16> lstCodes;
};

// clang-format off
const QList<Release>& releases()
{
    static const QList<Release> lstReleases = {
        // Every model: identity, Wi-Fi and infrastructure network, recording and live
        // sizes, time, state, maintenance, firmware update and the factory checks.
        {{pszTovuFirst, pszTovuSFirst, pszTovuDFirst}, {
            ClTovuCommandExecAlignmentCheck::usCommandCode, ClTovuCommandExecResolutionCheck::usCommandCode,
            ClTovuCommandExecVignettingCheck::usCommandCode, ClTovuCommandExecAwbCheck::usCommandCode,
            ClTovuCommandExecDustCheck::usCommandCode, ClTovuCommandExecDotErrorCheck::usCommandCode,
            ClTovuCommandExecRamCheck::usCommandCode, ClTovuCommandSaveRawData::usCommandCode,
            ClTovuCommandSaveYcData::usCommandCode, ClTovuCommandSaveAdjustData::usCommandCode,
            ClTovuCommandSetAdjustFlag::usCommandCode, ClTovuCommandGetAdjustFlag::usCommandCode,
            ClTovuCommandExecFwUpdateData::usCommandCode, ClTovuCommandExecFwUpdat::usCommandCode,
            ClTovuCommandReqJpeg::usCommandCode, ClTovuCommandReqAudio::usCommandCode,
            ClTovuCommandReqLog::usCommandCode, ClTovuCommandGetSerialNo::usCommandCode,
            ClTovuCommandGetMacAddress::usCommandCode, ClTovuCommandGetMachineName::usCommandCode,
            ClTovuCommandGetSsid::usCommandCode, ClTovuCommandGetCreateDay::usCommandCode,
            ClTovuCommandGetCountry::usCommandCode, ClTovuCommandGetLens::usCommandCode,
            ClTovuCommandSetSerialNo::usCommandCode, ClTovuCommandSetMachineName::usCommandCode,
            ClTovuCommandSetSsid::usCommandCode, ClTovuCommandSetCreateDay::usCommandCode,
            ClTovuCommandSetCountry::usCommandCode, ClTovuCommandSetLens::usCommandCode,
            ClTovuCommandGetWifiInfo::usCommandCode, ClTovuCommandGetAccesspointList::usCommandCode,
            ClTovuCommandGetWifiMode::usCommandCode, ClTovuCommandGetStreamAuthorizationUse::usCommandCode,
            ClTovuCommandGetStreamAuthorizationPassword::usCommandCode, ClTovuCommandGetInfraUseDhcp::usCommandCode,
            ClTovuCommandGetInfraAddress::usCommandCode, ClTovuCommandGetInfraSubnetmask::usCommandCode,
            ClTovuCommandGetInfraGateway::usCommandCode, ClTovuCommandGetRecState::usCommandCode,
            ClTovuCommandGetRecImagesize::usCommandCode, ClTovuCommandGetLiveImagesize::usCommandCode,
            ClTovuCommandGetLiveFramerate::usCommandCode, ClTovuCommandGetCameraName::usCommandCode,
            ClTovuCommandGetTime::usCommandCode, ClTovuCommandGetTimezone::usCommandCode,
            ClTovuCommandGetLedState::usCommandCode, ClTovuCommandGetOptimizerUse::usCommandCode,
            ClTovuCommandGetEState::usCommandCode, ClTovuCommandGetBatteryState::usCommandCode,
            ClTovuCommandGetSdInfo::usCommandCode, ClTovuCommandGetFwVersion::usCommandCode,
            ClTovuCommandGetInfraSsid::usCommandCode, ClTovuCommandGetInfraKey::usCommandCode,
            ClTovuCommandGetWifiCountry::usCommandCode, ClTovuCommandGetRtstPort::usCommandCode,
            ClTovuCommandGetPrimaryDns::usCommandCode, ClTovuCommandGetSecondaryDns::usCommandCode,
            ClTovuCommandGetWiFiOnOff::usCommandCode, ClTovuCommandGetBatteryAlarm::usCommandCode,
            ClTovuCommandGetDdnsAddr::usCommandCode, ClTovuCommandSetWifiMode::usCommandCode,
            ClTovuCommandSetStreamAuthorizationUse::usCommandCode,
            ClTovuCommandSetStreamAuthorizationPassword::usCommandCode, ClTovuCommandSetInfraUseDhcp::usCommandCode,
            ClTovuCommandSetInfraAddress::usCommandCode, ClTovuCommandSetInfraSubnetmask::usCommandCode,
            ClTovuCommandSetInfraGateway::usCommandCode, ClTovuCommandSetRecImagesize::usCommandCode,
            ClTovuCommandSetLiveImagesize::usCommandCode, ClTovuCommandSetLiveFramerate::usCommandCode,
            ClTovuCommandSetCameraName::usCommandCode, ClTovuCommandSetTime::usCommandCode,
            ClTovuCommandSetTimezone::usCommandCode, ClTovuCommandSetLedStart::usCommandCode,
            ClTovuCommandSetLedState::usCommandCode, ClTovuCommandSetOptimizerUse::usCommandCode,
            ClTovuCommandSetInfraSsid::usCommandCode, ClTovuCommandSetInfraKey::usCommandCode,
            ClTovuCommandSetWifiCountry::usCommandCode, ClTovuCommandSetRtspPort::usCommandCode,
            ClTovuCommandSetPrimaryDns::usCommandCode, ClTovuCommandSetSecondary::usCommandCode,
            ClTovuCommandSetWiFiOnOff::usCommandCode, ClTovuCommandSetBatteryAlarm::usCommandCode,
            ClTovuCommandSetDdnsAddr::usCommandCode, ClTovuCommandPowerOff::usCommandCode,
            ClTovuCommandRestart::usCommandCode, ClTovuCommandFormatSd::usCommandCode,
            ClTovuCommandInitSetting::usCommandCode, ClTovuCommandCtrlRec::usCommandCode,
            ClTovuCommandCapture::usCommandCode, ClTovuCommandConnectWifi::usCommandCode,
            ClTovuCommandWifiSwitch::usCommandCode}},
        // The Tovu and the Tovu-S: ad hoc network, GPS, picture quality, automatic Wi-Fi
        // off, the STUN server and the radio tests.
        {{pszTovuFirst, pszTovuSFirst, pszNever}, {
            ClTovuCommandGetAdhocKey::usCommandCode, ClTovuCommandSetAdhocKey::usCommandCode,
            ClTovuCommandGetAdhocAddress::usCommandCode, ClTovuCommandGetAdhocSubnetmask::usCommandCode,
            ClTovuCommandGetGpsInfo::usCommandCode, ClTovuCommandGetGpsSetting::usCommandCode,
            ClTovuCommandGetAdhocSecure::usCommandCode, ClTovuCommandGetStunServer::usCommandCode,
            ClTovuCommandGetAutoWiFiOffSetting::usCommandCode, ClTovuCommandGetImageQuarity::usCommandCode,
            ClTovuCommandSetAdhocAddress::usCommandCode, ClTovuCommandSetAdhocSubnetmask::usCommandCode,
            ClTovuCommandSetGpsSetting::usCommandCode, ClTovuCommandSetAdhocSecure::usCommandCode,
            ClTovuCommandSetStunServer::usCommandCode, ClTovuCommandSetAutoWiFiOffSetting::usCommandCode,
            ClTovuCommandSetImageQuarity::usCommandCode, ClTovuCommandWifiChange::usCommandCode,
            ClTovuCommandRFTestMode::usCommandCode, ClTovuCommandRFEnd::usCommandCode,
            ClTovuCommandRFStart::usCommandCode}},
        // The HTTP port and the turned picture, which the Tovu learnt later.
        {{pszTovuPorts, pszTovuSFirst, pszTovuDFirst}, {
            ClTovuCommandGetRotate180::usCommandCode, ClTovuCommandGetHttpPort::usCommandCode,
            ClTovuCommandSetRotate180::usCommandCode, ClTovuCommandSetHttpPort::usCommandCode}},
        // Automatic power off and reading the LED-at-start setting (every model sets it).
        {{pszTovuFirst, pszNever, pszTovuDFirst}, {
            ClTovuCommandGetLedStart::usCommandCode, ClTovuCommandGetAutoPoweroffSetting::usCommandCode,
            ClTovuCommandSetAutoPoweroffSetting::usCommandCode}},
        // Interval recording, the Tovu's alone.
        {{pszTovuFirst, pszNever, pszNever}, {
            ClTovuCommandGetIntervalTimer::usCommandCode, ClTovuCommandSetIntervalTimer::usCommandCode}},
        // Security and maintenance modes, the schedule, recording frame and bit rates,
        // the time stamp and the control server.
        {{pszNever, pszTovuSFirst, pszTovuDFirst}, {
            ClTovuCommandGetRecFramerate::usCommandCode, ClTovuCommandGetRecBitrate::usCommandCode,
            ClTovuCommandGetLiveBitrate::usCommandCode, ClTovuCommandGetLedOnSecure::usCommandCode,
            ClTovuCommandGetScheOnOff::usCommandCode, ClTovuCommandGetScheSetting::usCommandCode,
            ClTovuCommandGetStartMode::usCommandCode, ClTovuCommandGetSecureKeyLock::usCommandCode,
            ClTovuCommandGetSecureCurr::usCommandCode, ClTovuCommandGetScheSecure::usCommandCode,
            ClTovuCommandGetCtrlServer::usCommandCode, ClTovuCommandGetTimeStampOnOff::usCommandCode,
            ClTovuCommandGetTimeStampPos::usCommandCode, ClTovuCommandGetTimeStampForm::usCommandCode,
            ClTovuCommandSetRecFramerate::usCommandCode, ClTovuCommandSetRecBitRate::usCommandCode,
            ClTovuCommandSetLiveBitrae::usCommandCode, ClTovuCommandSetLedOnSecure::usCommandCode,
            ClTovuCommandSetScheOnOff::usCommandCode, ClTovuCommandSetScheSetting::usCommandCode,
            ClTovuCommandSetStartMode::usCommandCode, ClTovuCommandSetSecureKeyLock::usCommandCode,
            ClTovuCommandSetCtrlServer::usCommandCode, ClTovuCommandSetTimeStampOnOff::usCommandCode,
            ClTovuCommandSetTimeStampPos::usCommandCode, ClTovuCommandSetTimeStampForm::usCommandCode,
            ClTovuCommandExecSecureCurr::usCommandCode, ClTovuCommandExecScheCurr::usCommandCode}},
        // The Tovu-D's own: motion and door watch, shutters, upload, schedule cycles and
        // days, quality presets, volume, wake on LAN, locks, streams and its radio tests.
        {{pszNever, pszNever, pszTovuDFirst}, {
            ClTovuCommandGetUuid::usCommandCode, ClTovuCommandSetUuid::usCommandCode,
            ClTovuCommandGetQualityPreset::usCommandCode, ClTovuCommandGetAudioUpPort::usCommandCode,
            ClTovuCommandGetScheSelect::usCommandCode, ClTovuCommandGetStartLock::usCommandCode,
            ClTovuCommandGetRemoteRecTime::usCommandCode, ClTovuCommandGetRecTime::usCommandCode,
            ClTovuCommandGetPreAlarm::usCommandCode, ClTovuCommandGetMotionArea::usCommandCode,
            ClTovuCommandGetMotionSensor::usCommandCode, ClTovuCommandGetUnmotionSensor::usCommandCode,
            ClTovuCommandGetVolumeLevel::usCommandCode, ClTovuCommandGetDigcamShutter::usCommandCode,
            ClTovuCommandGetSecureShutter::usCommandCode, ClTovuCommandGetWatchShutter::usCommandCode,
            ClTovuCommandGetDoorShutter::usCommandCode, ClTovuCommandGetContShutter::usCommandCode,
            ClTovuCommandGetQRNoOpe::usCommandCode, ClTovuCommandGetWatchInterval::usCommandCode,
            ClTovuCommandGetDoorInterval::usCommandCode, ClTovuCommandGetUpLoadOnOff::usCommandCode,
            ClTovuCommandGetUpLoadDelete::usCommandCode, ClTovuCommandGetScheCycle::usCommandCode,
            ClTovuCommandGetScheDayTime::usCommandCode, ClTovuCommandGetScheDayMode::usCommandCode,
            ClTovuCommandGetRecParameter::usCommandCode, ClTovuCommandGetLiveParameter::usCommandCode,
            ClTovuCommandGetCurrentMode::usCommandCode, ClTovuCommandGetLockState::usCommandCode,
            ClTovuCommandGetUpdateSetting::usCommandCode, ClTovuCommandGetUpdateSche::usCommandCode,
            ClTovuCommandGetWakeOnLan::usCommandCode, ClTovuCommandSetQualityPreset::usCommandCode,
            ClTovuCommandSetAudioUpPort::usCommandCode, ClTovuCommandSetScheSelect::usCommandCode,
            ClTovuCommandSetStartLock::usCommandCode, ClTovuCommandSetRemoteRecTime::usCommandCode,
            ClTovuCommandSetRecTime::usCommandCode, ClTovuCommandSetPreAlarm::usCommandCode,
            ClTovuCommandSetMotionArea::usCommandCode, ClTovuCommandSetMotionSensor::usCommandCode,
            ClTovuCommandSetUnmotionSensor::usCommandCode, ClTovuCommandSetVolumeLevel::usCommandCode,
            ClTovuCommandSetDigcamShutter::usCommandCode, ClTovuCommandSetSecureShutter::usCommandCode,
            ClTovuCommandSetWatchShutter::usCommandCode, ClTovuCommandSetDoorShutter::usCommandCode,
            ClTovuCommandSetContShutter::usCommandCode, ClTovuCommandSetQRNoOpe::usCommandCode,
            ClTovuCommandSetWatchInterval::usCommandCode, ClTovuCommandSetDoorInterval::usCommandCode,
            ClTovuCommandSetUpLoadOnOff::usCommandCode, ClTovuCommandSetUpLoadDelete::usCommandCode,
            ClTovuCommandSetScheCycle::usCommandCode, ClTovuCommandSetScheDayTime::usCommandCode,
            ClTovuCommandSetScheDayMode::usCommandCode, ClTovuCommandSetRecParameter::usCommandCode,
            ClTovuCommandSetLiveParameter::usCommandCode, ClTovuCommandSetWakeOnLan::usCommandCode,
            ClTovuCommandMfgTx::usCommandCode, ClTovuCommandMfgAcc::usCommandCode,
            ClTovuCommandMotionModeChange::usCommandCode, ClTovuCommandLockModeChange::usCommandCode,
            ClTovuCommandScheModeChange::usCommandCode, ClTovuCommandStreamStart::usCommandCode,
            ClTovuCommandStreamSteal::usCommandCode, ClTovuCommandStreamEnd::usCommandCode}},
    };
    return lstReleases;
}
// clang-format on

// "01.03.025" reads 103025; -1 for a text of another form.
qint64 versionNumber(const QString& strVersion)
{
    // Read character by character: a regular expression here loaded and compiled PCRE in
    // every run of the demo mode, for this one form.
    static constexpr char szForm[] = "00.00.000";
    if (strVersion.size() != qsizetype(sizeof(szForm) - 1))
        return -1;
    for (qsizetype i = 0; i < strVersion.size(); ++i) {
        const char16_t cChar = strVersion.at(i).unicode();
        const bool bFits = szForm[i] == '.' ? cChar == u'.' : (cChar >= u'0' && cChar <= u'9');
        if (!bFits)
            return -1;
    }
    return QString(strVersion).remove(QLatin1Char('.')).toLongLong();
}
}  // namespace

QString ClVirtualCameraSupport::firstFirmware(int lModel)
{
    static const std::array<const char*, lModels> apszFirst = {pszTovuFirst, pszTovuSFirst, pszTovuDFirst};
    return lModel >= 0 && lModel < lModels ? QString::fromLatin1(apszFirst[size_t(lModel)]) : QString();
}

QSet<quint16> ClVirtualCameraSupport::answered(int lModel, const QString& strFirmware)
{
    QSet<quint16> setCodes;
    if (lModel < 0 || lModel >= lModels)
        return setCodes;
    const qint64 llFirmware = qMax(versionNumber(strFirmware), versionNumber(firstFirmware(lModel)));
    for (const Release& stRelease : releases()) {
        const char* pszFrom = stRelease.apszFrom[size_t(lModel)];
        if (pszFrom && versionNumber(QString::fromLatin1(pszFrom)) <= llFirmware)
            setCodes.unite(QSet<quint16>(stRelease.lstCodes.cbegin(), stRelease.lstCodes.cend()));
    }
    return setCodes;
}
