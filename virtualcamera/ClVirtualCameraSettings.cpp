#include "ClVirtualCameraSettings.h"

#include "protocol/ClTovuCommands.h"

#include <QDateTime>

namespace {
using Params = ClVirtualCameraSettings::Params;
using NumberCheck = bool (*)(const Params&, int lModel);
using TextCheck = bool (*)(const QByteArray&);

constexpr quint32 ulOff = 1;
constexpr quint32 ulOn = 2;
constexpr quint32 ulMaxDuration = 72 * 3600;  // 72:00:00, the longest time the camera keeps
// Codes from here on are settings and state; a settings reset leaves those below (the
// identity values and the adjustment flag) as the factory wrote them.
constexpr quint16 usFirstSetting = 0x5000;
constexpr quint16 usScheduleEntry = ClTovuCommandGetScheSetting::usCommandCode;

bool isSwitch(quint32 ulValue)
{
    return ulValue == ulOff || ulValue == ulOn;
}

bool anyValue(const Params&, int)
{
    return true;
}

bool switchValue(const Params& p, int)
{
    return isSwitch(p[0]);
}

template <quint32 Min, quint32 Max> bool inRange(const Params& p, int)
{
    return p[0] >= Min && p[0] <= Max;
}

bool recImageSize(const Params& p, int lModel)
{
    // The 320 x 240 recording size exists only on the later models.
    return p[0] >= 1 && p[0] <= (lModel == 0 ? 3u : 4u);
}

bool recFrameRate(const Params& p, int lModel)
{
    const quint32 ulSecond = lModel == 0 ? 6 : 5;
    return p[0] == 1 || p[0] == ulSecond || p[0] == 10 || p[0] == 15 || p[0] == 30;
}

bool liveFrameRate(const Params& p, int)
{
    return p[0] == 1 || p[0] == 6 || p[0] == 10 || p[0] == 15 || p[0] == 30;
}

bool bitRate(const Params& p, int)
{
    return p[0] >= 384000 && p[0] <= 15360000;
}

bool rtspPort(const Params& p, int)
{
    return p[0] == 554 || (p[0] >= 1024 && p[0] <= 65535);
}

bool httpPort(const Params& p, int)
{
    return p[0] == 80 || (p[0] >= 1024 && p[0] <= 65535);
}

bool anyPort(const Params& p, int)
{
    return p[0] >= 1 && p[0] <= 65535;
}

bool autoPowerOff(const Params& p, int)
{
    return p[0] == 0 || (p[0] >= 60 && p[0] <= ulMaxDuration);
}

bool autoWifiOff(const Params& p, int)
{
    return p[0] == 0 || (p[0] >= 60 && p[0] <= 600);
}

bool subnetMask(const Params& p, int)
{
    // Ones from the top, then zeros only.
    const quint32 ulInverted = ~p[0];
    return (ulInverted & (ulInverted + 1)) == 0;
}

bool gpsSetting(const Params& p, int)
{
    return isSwitch(p[0]) && isSwitch(p[1]) && isSwitch(p[2]) && (p[3] == 1 || p[3] == 2);
}

bool intervalTimer(const Params& p, int)
{
    return isSwitch(p[0]) && p[1] <= ulMaxDuration && p[2] >= 1 && p[2] <= ulMaxDuration;
}

bool upperLetter(quint32 ulValue)
{
    return ulValue >= 'A' && ulValue <= 'Z';
}

bool countryCode(const Params& p, int)
{
    return upperLetter(p[0]) && upperLetter(p[1]);
}

bool scheduleEntry(const Params& p, int)
{
    return p[0] >= 1 && p[0] <= 8 && isSwitch(p[1]) && ClVirtualCameraWire::unpackHhmm(p[2]).isValid()
        && ClVirtualCameraWire::unpackHhmm(p[3]).isValid();
}

bool scheduleCycle(const Params& p, int)
{
    return isSwitch(p[3]);
}

bool scheduleDayTime(const Params& p, int)
{
    return p[0] >= 1 && p[0] <= 8 && isSwitch(p[2]) && ClVirtualCameraWire::unpackHhmm(p[3]).isValid()
        && ClVirtualCameraWire::unpackHhmm(p[4]).isValid();
}

bool scheduleDayMode(const Params& p, int)
{
    return p[0] >= 1 && p[0] <= 8 && isSwitch(p[2]);
}

bool smallKey(const Params& p, int)
{
    return p[0] < 256;
}

template <int Min, int Max> bool textLength(const QByteArray& clText)
{
    return clText.size() >= Min && clText.size() <= Max && !clText.contains('\0');
}

bool cameraName(const QByteArray& clText)
{
    if (clText.isEmpty() || clText.size() > 8)
        return false;
    for (char c : clText) {
        const bool bAlnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!bAlnum && c != '-' && c != '.' && c != '_' && c != '~')
            return false;
    }
    return true;
}

bool spacedDate(const QByteArray& clText)
{
    return QDateTime::fromString(QString::fromLatin1(clText), QStringLiteral("yyyy/MM/dd hh:mm:ss")).isValid();
}

constexpr quint32 ipv4(quint32 a, quint32 b, quint32 c, quint32 d)
{
    return (a << 24) | (b << 16) | (c << 8) | d;
}
}  // namespace

struct ClVirtualCameraSettings::NumberRule
{
    quint16 usGet;
    quint16 usSet;  // 0: read only
    bool bKeyed;    // one entry per value of param1
    Params arrDefault;
    NumberCheck pfnCheck;
};

struct ClVirtualCameraSettings::TextRule
{
    quint16 usGet;
    quint16 usSet;
    const char* pszDefault;
    TextCheck pfnCheck;
};

namespace {
using NumberRule = ClVirtualCameraSettings::NumberRule;
using TextRule = ClVirtualCameraSettings::TextRule;

// Rows name their commands by class, so that a row cannot key a code the catalogue lacks.
template <class Get, class Set> constexpr NumberRule setting(const Params& arrDefault, NumberCheck pfnCheck)
{
    return {Get::usCommandCode, Set::usCommandCode, false, arrDefault, pfnCheck};
}

// One entry per value of param1 (per day, per slot).
template <class Get, class Set> constexpr NumberRule keyed(const Params& arrDefault, NumberCheck pfnCheck)
{
    return {Get::usCommandCode, Set::usCommandCode, true, arrDefault, pfnCheck};
}

template <class Get> constexpr NumberRule readOnly(const Params& arrDefault, NumberCheck pfnCheck)
{
    return {Get::usCommandCode, 0, false, arrDefault, pfnCheck};
}

template <class Get, class Set> constexpr TextRule textSetting(const char* pszDefault, TextCheck pfnCheck)
{
    return {Get::usCommandCode, Set::usCommandCode, pszDefault, pfnCheck};
}

template <class Get> constexpr TextRule readOnlyText(const char* pszDefault, TextCheck pfnCheck)
{
    return {Get::usCommandCode, 0, pszDefault, pfnCheck};
}

// clang-format off
const NumberRule* numberRules(int* plCount)
{
    static const NumberRule aRules[] = {
        setting<ClTovuCommandGetAdjustFlag, ClTovuCommandSetAdjustFlag>({0}, anyValue),
        setting<ClTovuCommandGetCountry, ClTovuCommandSetCountry>({'J', 'P'}, countryCode),
        setting<ClTovuCommandGetWifiMode, ClTovuCommandSetWifiMode>({1}, inRange<1, 2>),
        setting<ClTovuCommandGetStreamAuthorizationUse, ClTovuCommandSetStreamAuthorizationUse>({ulOff}, switchValue),
        setting<ClTovuCommandGetAdhocAddress, ClTovuCommandSetAdhocAddress>({ipv4(192, 168, 1, 1)}, anyValue),
        setting<ClTovuCommandGetAdhocSubnetmask, ClTovuCommandSetAdhocSubnetmask>(
            {ipv4(255, 255, 255, 0)}, subnetMask),
        setting<ClTovuCommandGetInfraUseDhcp, ClTovuCommandSetInfraUseDhcp>({ulOn}, switchValue),
        setting<ClTovuCommandGetInfraAddress, ClTovuCommandSetInfraAddress>({ipv4(192, 168, 0, 120)}, anyValue),
        setting<ClTovuCommandGetInfraSubnetmask, ClTovuCommandSetInfraSubnetmask>(
            {ipv4(255, 255, 255, 0)}, subnetMask),
        setting<ClTovuCommandGetInfraGateway, ClTovuCommandSetInfraGateway>({ipv4(192, 168, 0, 1)}, anyValue),
        setting<ClTovuCommandGetIntervalTimer, ClTovuCommandSetIntervalTimer>({ulOff, 0, 60}, intervalTimer),
        setting<ClTovuCommandGetRecImagesize, ClTovuCommandSetRecImagesize>({2}, recImageSize),
        setting<ClTovuCommandGetRecFramerate, ClTovuCommandSetRecFramerate>({30}, recFrameRate),
        setting<ClTovuCommandGetLiveImagesize, ClTovuCommandSetLiveImagesize>({1}, inRange<1, 2>),
        setting<ClTovuCommandGetLiveFramerate, ClTovuCommandSetLiveFramerate>({15}, liveFrameRate),
        setting<ClTovuCommandGetGpsSetting, ClTovuCommandSetGpsSetting>({ulOn, ulOff, ulOff, 1}, gpsSetting),
        setting<ClTovuCommandGetTimezone, ClTovuCommandSetTimezone>({0}, inRange<0, 24>),
        setting<ClTovuCommandGetLedStart, ClTovuCommandSetLedStart>({ulOn}, switchValue),
        setting<ClTovuCommandGetLedState, ClTovuCommandSetLedState>({ulOn}, switchValue),
        setting<ClTovuCommandGetOptimizerUse, ClTovuCommandSetOptimizerUse>({ulOff}, switchValue),
        readOnly<ClTovuCommandGetEState>({ulOff}, switchValue),
        setting<ClTovuCommandGetAutoPoweroffSetting, ClTovuCommandSetAutoPoweroffSetting>({600}, autoPowerOff),
        setting<ClTovuCommandGetWifiCountry, ClTovuCommandSetWifiCountry>({1}, inRange<1, 4>),
        setting<ClTovuCommandGetAdhocSecure, ClTovuCommandSetAdhocSecure>({0}, inRange<0, 4>),
        setting<ClTovuCommandGetRtstPort, ClTovuCommandSetRtspPort>({554}, rtspPort),
        setting<ClTovuCommandGetPrimaryDns, ClTovuCommandSetPrimaryDns>({ipv4(192, 168, 0, 1)}, anyValue),
        setting<ClTovuCommandGetSecondaryDns, ClTovuCommandSetSecondary>({0}, anyValue),
        setting<ClTovuCommandGetWiFiOnOff, ClTovuCommandSetWiFiOnOff>({ulOn}, switchValue),
        setting<ClTovuCommandGetAutoWiFiOffSetting, ClTovuCommandSetAutoWiFiOffSetting>({300}, autoWifiOff),
        setting<ClTovuCommandGetImageQuarity, ClTovuCommandSetImageQuarity>({2}, inRange<0, 4>),
        setting<ClTovuCommandGetBatteryAlarm, ClTovuCommandSetBatteryAlarm>({ulOn}, switchValue),
        setting<ClTovuCommandGetRecBitrate, ClTovuCommandSetRecBitRate>({4000000}, bitRate),
        setting<ClTovuCommandGetLiveBitrate, ClTovuCommandSetLiveBitrae>({1000000}, bitRate),
        // Whether the LED stays dark in security mode.
        setting<ClTovuCommandGetLedOnSecure, ClTovuCommandSetLedOnSecure>({ulOff}, switchValue),
        setting<ClTovuCommandGetScheOnOff, ClTovuCommandSetScheOnOff>({ulOff}, switchValue),
        keyed<ClTovuCommandGetScheSetting, ClTovuCommandSetScheSetting>({0, ulOff, 0, 0}, scheduleEntry),
        setting<ClTovuCommandGetStartMode, ClTovuCommandSetStartMode>({2}, inRange<1, 2>),
        setting<ClTovuCommandGetSecureKeyLock, ClTovuCommandSetSecureKeyLock>({ulOff}, switchValue),
        setting<ClTovuCommandGetRotate180, ClTovuCommandSetRotate180>({1}, inRange<1, 2>),
        readOnly<ClTovuCommandGetScheSecure>({ulOff}, switchValue),
        setting<ClTovuCommandGetHttpPort, ClTovuCommandSetHttpPort>({80}, httpPort),
        setting<ClTovuCommandGetQualityPreset, ClTovuCommandSetQualityPreset>({1}, inRange<0, 15>),
        setting<ClTovuCommandGetAudioUpPort, ClTovuCommandSetAudioUpPort>({5004}, anyPort),
        setting<ClTovuCommandGetScheSelect, ClTovuCommandSetScheSelect>({1}, anyValue),
        setting<ClTovuCommandGetStartLock, ClTovuCommandSetStartLock>({ulOff}, switchValue),
        setting<ClTovuCommandGetRemoteRecTime, ClTovuCommandSetRemoteRecTime>({60}, anyValue),
        setting<ClTovuCommandGetRecTime, ClTovuCommandSetRecTime>({300}, anyValue),
        setting<ClTovuCommandGetPreAlarm, ClTovuCommandSetPreAlarm>({5}, anyValue),
        setting<ClTovuCommandGetMotionSensor, ClTovuCommandSetMotionSensor>({3}, anyValue),
        setting<ClTovuCommandGetUnmotionSensor, ClTovuCommandSetUnmotionSensor>({3}, anyValue),
        setting<ClTovuCommandGetVolumeLevel, ClTovuCommandSetVolumeLevel>({5}, inRange<0, 100>),
        setting<ClTovuCommandGetDigcamShutter, ClTovuCommandSetDigcamShutter>({0}, anyValue),
        setting<ClTovuCommandGetSecureShutter, ClTovuCommandSetSecureShutter>({0}, anyValue),
        setting<ClTovuCommandGetWatchShutter, ClTovuCommandSetWatchShutter>({0}, anyValue),
        setting<ClTovuCommandGetDoorShutter, ClTovuCommandSetDoorShutter>({0}, anyValue),
        setting<ClTovuCommandGetContShutter, ClTovuCommandSetContShutter>({0}, anyValue),
        setting<ClTovuCommandGetQRNoOpe, ClTovuCommandSetQRNoOpe>({0}, anyValue),
        setting<ClTovuCommandGetWatchInterval, ClTovuCommandSetWatchInterval>({10}, anyValue),
        setting<ClTovuCommandGetDoorInterval, ClTovuCommandSetDoorInterval>({10}, anyValue),
        setting<ClTovuCommandGetUpLoadOnOff, ClTovuCommandSetUpLoadOnOff>({ulOff}, switchValue),
        setting<ClTovuCommandGetUpLoadDelete, ClTovuCommandSetUpLoadDelete>({ulOff}, switchValue),
        setting<ClTovuCommandGetScheCycle, ClTovuCommandSetScheCycle>({1, 0, 0, ulOff}, scheduleCycle),
        keyed<ClTovuCommandGetScheDayTime, ClTovuCommandSetScheDayTime>({0, 0, ulOff, 0, 0}, scheduleDayTime),
        keyed<ClTovuCommandGetScheDayMode, ClTovuCommandSetScheDayMode>({0, 0, ulOff}, scheduleDayMode),
        keyed<ClTovuCommandGetRecParameter, ClTovuCommandSetRecParameter>({0, 0, 0}, smallKey),
        keyed<ClTovuCommandGetLiveParameter, ClTovuCommandSetLiveParameter>({0, 0, 0}, smallKey),
        setting<ClTovuCommandGetTimeStampOnOff, ClTovuCommandSetTimeStampOnOff>({ulOn}, switchValue),
        setting<ClTovuCommandGetTimeStampPos, ClTovuCommandSetTimeStampPos>({1}, inRange<0, 3>),
        setting<ClTovuCommandGetTimeStampForm, ClTovuCommandSetTimeStampForm>({1}, inRange<0, 3>),
        readOnly<ClTovuCommandGetCurrentMode>({1}, anyValue),
        readOnly<ClTovuCommandGetLockState>({1}, anyValue),
        setting<ClTovuCommandGetWakeOnLan, ClTovuCommandSetWakeOnLan>({ulOff}, switchValue),
    };
    *plCount = int(sizeof(aRules) / sizeof(aRules[0]));
    return aRules;
}

const TextRule* textRules(int* plCount)
{
    static const TextRule aRules[] = {
        textSetting<ClTovuCommandGetSerialNo, ClTovuCommandSetSerialNo>("TV0A1420573", textLength<1, 32>),
        readOnlyText<ClTovuCommandGetMacAddress>("00:1D:73:4A:21:0F", textLength<1, 32>),
        textSetting<ClTovuCommandGetMachineName, ClTovuCommandSetMachineName>("", textLength<1, 32>),  // by model
        textSetting<ClTovuCommandGetSsid, ClTovuCommandSetSsid>("Tovu-4A210F", textLength<1, 32>),
        textSetting<ClTovuCommandGetAdhocKey, ClTovuCommandSetAdhocKey>("tovu4a210f", textLength<0, 63>),
        textSetting<ClTovuCommandGetCreateDay, ClTovuCommandSetCreateDay>("2013/11/20 10:15:00", spacedDate),
        textSetting<ClTovuCommandGetLens, ClTovuCommandSetLens>("F2.8 f=2.3mm", textLength<0, 32>),
        textSetting<ClTovuCommandGetUuid, ClTovuCommandSetUuid>(
            "6f1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d", textLength<0, 64>),
        // The stream password travels in Base64; the camera's request handling decodes it.
        readOnlyText<ClTovuCommandGetStreamAuthorizationPassword>("tovu1234", textLength<1, 16>),
        textSetting<ClTovuCommandGetCameraName, ClTovuCommandSetCameraName>("TOVU01", cameraName),
        textSetting<ClTovuCommandGetInfraSsid, ClTovuCommandSetInfraSsid>("HomeNetwork", textLength<1, 32>),
        textSetting<ClTovuCommandGetInfraKey, ClTovuCommandSetInfraKey>("correct-horse", textLength<0, 63>),
        textSetting<ClTovuCommandGetStunServer, ClTovuCommandSetStunServer>("stun.example.net", textLength<0, 64>),
        textSetting<ClTovuCommandGetDdnsAddr, ClTovuCommandSetDdnsAddr>("", textLength<0, 64>),
        textSetting<ClTovuCommandGetCtrlServer, ClTovuCommandSetCtrlServer>("", textLength<0, 64>),
        // The last and the next update check.
        readOnlyText<ClTovuCommandGetUpdateSetting>("2014/03/01T03:00:00", textLength<0, 32>),
        readOnlyText<ClTovuCommandGetUpdateSche>("2014/03/02T03:00:00", textLength<0, 32>),
    };
    *plCount = int(sizeof(aRules) / sizeof(aRules[0]));
    return aRules;
}
// clang-format on
}  // namespace

ClVirtualCameraSettings::ClVirtualCameraSettings(int lModel) : m_lModel(lModel)
{
    int lCount = 0;
    const TextRule* pstTexts = textRules(&lCount);
    for (int i = 0; i < lCount; ++i)
        m_mapTexts.insert(pstTexts[i].usGet, QByteArray(pstTexts[i].pszDefault));
    m_mapNumbers.insert(keyOf(ClTovuCommandGetAdjustFlag::usCommandCode, 0), Params {});
    constexpr quint16 usCountry = ClTovuCommandGetCountry::usCommandCode;
    m_mapNumbers.insert(keyOf(usCountry, 0), numberRule(usCountry)->arrDefault);
    resetSettings();
}

void ClVirtualCameraSettings::resetSettings()
{
    for (auto it = m_mapNumbers.begin(); it != m_mapNumbers.end();)
        it = (it.key() >> 32) >= usFirstSetting ? m_mapNumbers.erase(it) : std::next(it);
    int lCount = 0;
    const NumberRule* pstNumbers = numberRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstNumbers[i].usGet >= usFirstSetting && !pstNumbers[i].bKeyed)
            m_mapNumbers.insert(keyOf(pstNumbers[i].usGet, 0), pstNumbers[i].arrDefault);
    }
    const TextRule* pstTexts = textRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstTexts[i].usGet >= usFirstSetting)
            m_mapTexts.insert(pstTexts[i].usGet, QByteArray(pstTexts[i].pszDefault));
    }

    // The time zone of the computer the camera was set up with.
    const int lHours = QDateTime::currentDateTime().offsetFromUtc() / 3600;
    const quint32 ulZone = quint32(lHours >= 0 ? qMin(lHours, 12) : 12 + qMin(-lHours, 12));
    storeNumbers(ClTovuCommandGetTimezone::usCommandCode, Params {ulZone});

    // A working week: Monday to Friday during office hours, the weekend and the
    // every-day row off, the every-day row covering the night.
    const QTime clNine(9, 0), clSix(18, 0), clTen(22, 0), clFive(5, 0);
    for (quint32 ulDay = 1; ulDay <= 8; ++ulDay) {
        const bool bWeekday = ulDay >= 2 && ulDay <= 6;
        const bool bEveryDay = ulDay == 8;
        storeNumbers(usScheduleEntry,
                     Params {ulDay, bWeekday ? ulOn : ulOff, ClVirtualCameraWire::packHhmm(bEveryDay ? clTen : clNine),
                             ClVirtualCameraWire::packHhmm(bEveryDay ? clFive : clSix), 0},
                     ulDay);
    }
}

quint64 ClVirtualCameraSettings::keyOf(quint16 usGetCode, quint32 ulKey)
{
    return (quint64(usGetCode) << 32) | ulKey;
}

const ClVirtualCameraSettings::NumberRule* ClVirtualCameraSettings::numberRule(quint16 usGetCode)
{
    int lCount = 0;
    const NumberRule* pstRules = numberRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstRules[i].usGet == usGetCode)
            return &pstRules[i];
    }
    return nullptr;
}

const ClVirtualCameraSettings::NumberRule* ClVirtualCameraSettings::numberRuleBySet(quint16 usSetCode)
{
    int lCount = 0;
    const NumberRule* pstRules = numberRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstRules[i].usSet != 0 && pstRules[i].usSet == usSetCode)
            return &pstRules[i];
    }
    return nullptr;
}

const ClVirtualCameraSettings::TextRule* ClVirtualCameraSettings::textRule(quint16 usGetCode)
{
    int lCount = 0;
    const TextRule* pstRules = textRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstRules[i].usGet == usGetCode)
            return &pstRules[i];
    }
    return nullptr;
}

const ClVirtualCameraSettings::TextRule* ClVirtualCameraSettings::textRuleBySet(quint16 usSetCode)
{
    int lCount = 0;
    const TextRule* pstRules = textRules(&lCount);
    for (int i = 0; i < lCount; ++i) {
        if (pstRules[i].usSet != 0 && pstRules[i].usSet == usSetCode)
            return &pstRules[i];
    }
    return nullptr;
}

bool ClVirtualCameraSettings::hasNumbers(quint16 usGetCode) const
{
    return numberRule(usGetCode) != nullptr;
}

bool ClVirtualCameraSettings::isKeyed(quint16 usGetCode) const
{
    const NumberRule* pstRule = numberRule(usGetCode);
    return pstRule && pstRule->bKeyed;
}

ClVirtualCameraSettings::Params ClVirtualCameraSettings::numbers(quint16 usGetCode, quint32 ulKey) const
{
    const NumberRule* pstRule = numberRule(usGetCode);
    const quint32 ulStoredKey = pstRule && pstRule->bKeyed ? ulKey : 0;
    const auto it = m_mapNumbers.constFind(keyOf(usGetCode, ulStoredKey));
    if (it != m_mapNumbers.constEnd())
        return *it;
    Params arrValues = pstRule ? pstRule->arrDefault : Params {};
    if (pstRule && pstRule->bKeyed)
        arrValues[0] = ulKey;
    return arrValues;
}

bool ClVirtualCameraSettings::hasText(quint16 usGetCode) const
{
    return m_mapTexts.contains(usGetCode);
}

QByteArray ClVirtualCameraSettings::text(quint16 usGetCode) const
{
    return m_mapTexts.value(usGetCode);
}

quint16 ClVirtualCameraSettings::getCodeOf(quint16 usSetCode) const
{
    if (const NumberRule* pstRule = numberRuleBySet(usSetCode))
        return pstRule->usGet;
    if (const TextRule* pstRule = textRuleBySet(usSetCode))
        return pstRule->usGet;
    return 0;
}

ClVirtualCameraSettings::Outcome ClVirtualCameraSettings::setNumbers(quint16 usSetCode, const Params& arrParams)
{
    const NumberRule* pstRule = numberRuleBySet(usSetCode);
    if (!pstRule)
        return Outcome::Unknown;
    if (!pstRule->pfnCheck(arrParams, m_lModel))
        return Outcome::OutOfRange;
    m_mapNumbers.insert(keyOf(pstRule->usGet, pstRule->bKeyed ? arrParams[0] : 0), arrParams);
    return Outcome::Stored;
}

ClVirtualCameraSettings::Outcome ClVirtualCameraSettings::setText(quint16 usSetCode, const QByteArray& clText)
{
    const TextRule* pstRule = textRuleBySet(usSetCode);
    if (!pstRule)
        return Outcome::Unknown;
    if (!pstRule->pfnCheck(clText))
        return Outcome::OutOfRange;
    m_mapTexts.insert(pstRule->usGet, clText);
    return Outcome::Stored;
}

void ClVirtualCameraSettings::storeNumbers(quint16 usGetCode, const Params& arrParams, quint32 ulKey)
{
    const NumberRule* pstRule = numberRule(usGetCode);
    m_mapNumbers.insert(keyOf(usGetCode, pstRule && pstRule->bKeyed ? ulKey : 0), arrParams);
}

void ClVirtualCameraSettings::storeText(quint16 usGetCode, const QByteArray& clText)
{
    m_mapTexts.insert(usGetCode, clText);
}

QList<quint32> ClVirtualCameraSettings::scheduleKeys() const
{
    QList<quint32> lstKeys;
    const quint64 ullFirst = keyOf(usScheduleEntry, 0);
    const quint64 ullLast = keyOf(usScheduleEntry, 0xFFFFFFFFu);
    for (auto it = m_mapNumbers.lowerBound(ullFirst); it != m_mapNumbers.end() && it.key() <= ullLast; ++it)
        lstKeys.append(quint32(it.key() & 0xFFFFFFFFu));
    return lstKeys;
}
