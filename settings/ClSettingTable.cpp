#include "ClSettingTable.h"

#include "ClSettingCodes.h"
#include "ClSettingRules.h"
#include "ClStreamRates.h"
#include "ClTimeZoneTable.h"
#include "protocol/ClImageSizes.h"
#include "protocol/TypedKinds.h"

namespace {
// Stages of writing: what cannot cut the camera off first, the network last and, within
// it, the switches that change the link after the values they use.
constexpr int lStageCamera = 0;
constexpr int lStageSchedule = 1;
constexpr int lStageNetwork = 2;
constexpr int lStageNetworkLink = 3;

template <class Get, class Set> ClSettingDefinition setting(const char* pszName, ClSettingType eType, int lField = 0)
{
    ClSettingDefinition stSetting;
    stSetting.strName = QLatin1String(pszName);
    stSetting.uuidGet = requestKind<Get>();
    stSetting.uuidSet = requestKind<Set>();
    stSetting.eType = eType;
    stSetting.lField = lField;
    return stSetting;
}

ClSettingDefinition withRange(ClSettingDefinition stSetting, qint64 llMin, qint64 llMax, const char* pszUnit,
                              qint64 llScale = 1)
{
    stSetting.llMin = llMin;
    stSetting.llMax = llMax;
    stSetting.strUnit = QLatin1String(pszUnit);
    stSetting.llScale = llScale;
    return stSetting;
}

ClSettingDefinition withPattern(ClSettingDefinition stSetting, const QString& strPattern, bool bSecret = false)
{
    stSetting.strPattern = strPattern;
    stSetting.bSecret = bSecret;
    return stSetting;
}

ClSettingDefinition withChoices(ClSettingDefinition stSetting, QVector<ClSettingChoice> lstChoices)
{
    stSetting.lstChoices = std::move(lstChoices);
    return stSetting;
}

ClSettingDefinition inStage(ClSettingDefinition stSetting, int lStage)
{
    stSetting.lStage = lStage;
    return stSetting;
}

QVector<ClSettingChoice> timeZones()
{
    QVector<ClSettingChoice> lstZones;
    for (int i = 0; i < ClTimeZoneTable::lCount; ++i)
        lstZones.append({ClTimeZoneTable::codeOf(i), ClTimeZoneTable::token(i)});
    return lstZones;
}

QVector<ClSettingChoice> imageSizes(ClImageSizes::Table eTable)
{
    QVector<ClSettingChoice> lstSizes;
    for (quint32 ulIndex = 1;; ++ulIndex) {
        const QSize clSize = ClImageSizes::sizeOf(eTable, ulIndex);
        if (!clSize.isValid())
            break;
        lstSizes.append({qint64(ulIndex), QStringLiteral("%1x%2").arg(clSize.width()).arg(clSize.height())});
    }
    return lstSizes;
}

// The frame rates the slider offers, in either of its modes.
QVector<ClSettingChoice> frameRates()
{
    QVector<ClSettingChoice> lstRates;
    for (int lPosition = 0; lPosition < ClStreamRates::lPositions; ++lPosition) {
        for (bool bSecondMode : {true, false}) {
            const int lFps = ClStreamRates::frameRateOf(lPosition, bSecondMode);
            if (lstRates.isEmpty() || lstRates.constLast().llCode != lFps)
                lstRates.append({lFps, QString::number(lFps)});
        }
    }
    return lstRates;
}

// A frame rate: a number of the slider's steps, its range their ends.
ClSettingDefinition frameRate(ClSettingDefinition stSetting)
{
    const QVector<ClSettingChoice> lstRates = frameRates();
    return withChoices(withRange(stSetting, lstRates.constFirst().llCode, lstRates.constLast().llCode, "fps"),
                       lstRates);
}

ClSettingDefinition scheduleDay(const char* pszName, int lDayCode)
{
    auto stDay
        = inStage(setting<ClTovuCommandGetScheSetting, ClTovuCommandSetScheSetting>(pszName, ClSettingType::DayPeriod),
                  lStageSchedule);
    stDay.lDayCode = lDayCode;
    return stDay;
}

QVector<ClSettingDefinition> build()
{
    using T = ClSettingType;
    using R = ClSettingRules;
    const qint64 llKbit = 1000;
    return {
        // Basic settings.
        withPattern(setting<ClTovuCommandGetCameraName, ClTovuCommandSetCameraName>("basic.camera_name", T::Text),
                    R::cameraNamePattern()),
        withChoices(setting<ClTovuCommandGetTimezone, ClTovuCommandSetTimezone>("basic.time_zone", T::Choice),
                    timeZones()),
        setting<ClTovuCommandGetTimeStampOnOff, ClTovuCommandSetTimeStampOnOff>("basic.time_stamp", T::Switch),
        setting<ClTovuCommandGetGpsSetting, ClTovuCommandSetGpsSetting>("basic.gps.enabled", T::Switch, 0),
        setting<ClTovuCommandGetGpsSetting, ClTovuCommandSetGpsSetting>("basic.gps.save_log", T::Switch, 1),
        setting<ClTovuCommandGetGpsSetting, ClTovuCommandSetGpsSetting>("basic.gps.adjust_time", T::Switch, 2),
        withChoices(
            setting<ClTovuCommandGetGpsSetting, ClTovuCommandSetGpsSetting>("basic.gps.log_format", T::Choice, 3),
            {{ClSettingCodes::ulGpsFormatShort, QStringLiteral("short")},
             {ClSettingCodes::ulGpsFormatFull, QStringLiteral("full")}}),
        setting<ClTovuCommandGetStreamAuthorizationUse, ClTovuCommandSetStreamAuthorizationUse>(
            "basic.stream_password.enabled", T::Switch),
        withPattern(setting<ClTovuCommandGetStreamAuthorizationPassword, ClTovuCommandSetStreamAuthorizationPassword>(
                        "basic.stream_password.password", T::Text),
                    R::streamPasswordPattern(), true),
        withChoices(setting<ClTovuCommandGetWifiCountry, ClTovuCommandSetWifiCountry>("basic.wifi_country", T::Choice),
                    {{ClSettingCodes::lCountryJapan, QStringLiteral("japan")},
                     {ClSettingCodes::lCountryAmericas, QStringLiteral("us-canada-taiwan")},
                     {ClSettingCodes::lCountryEu, QStringLiteral("eu")},
                     {ClSettingCodes::lCountryAuto, QStringLiteral("auto")}}),
        withRange(setting<ClTovuCommandGetAutoWiFiOffSetting, ClTovuCommandSetAutoWiFiOffSetting>("basic.auto_wifi_off",
                                                                                                  T::Number),
                  R::lMinAutoWifiOffMinutes, R::lMaxAutoWifiOffMinutes, "min", 60),
        setting<ClTovuCommandGetSecureKeyLock, ClTovuCommandSetSecureKeyLock>("basic.key_lock", T::Switch),
        setting<ClTovuCommandGetLedOnSecure, ClTovuCommandSetLedOnSecure>("basic.led_off_in_security", T::Switch),
        withChoices(setting<ClTovuCommandGetStartMode, ClTovuCommandSetStartMode>("basic.start_mode", T::Choice),
                    {{ClSettingCodes::ulStartSecurity, QStringLiteral("security")},
                     {ClSettingCodes::ulStartMaintenance, QStringLiteral("maintenance")}}),
        setting<ClTovuCommandGetLedStart, ClTovuCommandSetLedStart>("basic.led_at_start", T::Switch),
        setting<ClTovuCommandGetBatteryAlarm, ClTovuCommandSetBatteryAlarm>("basic.battery_alarm", T::Switch),
        withRange(setting<ClTovuCommandGetAutoPoweroffSetting, ClTovuCommandSetAutoPoweroffSetting>(
                      "basic.auto_power_off", T::Number),
                  0, R::llMaxPowerOff, "s"),

        // Stream settings.
        withChoices(setting<ClTovuCommandGetRecImagesize, ClTovuCommandSetRecImagesize>("stream.recording.image_size",
                                                                                        T::ImageSize),
                    imageSizes(ClImageSizes::Rec)),
        frameRate(setting<ClTovuCommandGetRecFramerate, ClTovuCommandSetRecFramerate>("stream.recording.frame_rate",
                                                                                      T::Number)),
        withRange(
            setting<ClTovuCommandGetRecBitrate, ClTovuCommandSetRecBitRate>("stream.recording.bit_rate", T::Number),
            ClStreamRates::lMinBitRate / llKbit, ClStreamRates::lMaxBitRate / llKbit, "kbit/s", llKbit),
        withChoices(setting<ClTovuCommandGetLiveImagesize, ClTovuCommandSetLiveImagesize>("stream.live.image_size",
                                                                                          T::ImageSize),
                    imageSizes(ClImageSizes::Live)),
        frameRate(
            setting<ClTovuCommandGetLiveFramerate, ClTovuCommandSetLiveFramerate>("stream.live.frame_rate", T::Number)),
        withRange(setting<ClTovuCommandGetLiveBitrate, ClTovuCommandSetLiveBitrae>("stream.live.bit_rate", T::Number),
                  ClStreamRates::lMinBitRate / llKbit, ClStreamRates::lMaxBitRate / llKbit, "kbit/s", llKbit),
        withRange(
            setting<ClTovuCommandGetImageQuarity, ClTovuCommandSetImageQuarity>("stream.image_quality", T::Number),
            R::lMinImageQuality, R::lMaxImageQuality, ""),
        withChoices(setting<ClTovuCommandGetRotate180, ClTovuCommandSetRotate180>("stream.rotation", T::Choice),
                    {{ClSettingCodes::llRotationNormal, QStringLiteral("normal")},
                     {ClSettingCodes::llRotation180, QStringLiteral("180")}}),
        setting<ClTovuCommandGetIntervalTimer, ClTovuCommandSetIntervalTimer>("stream.interval.enabled", T::Switch, 0),
        withRange(setting<ClTovuCommandGetIntervalTimer, ClTovuCommandSetIntervalTimer>("stream.interval.start",
                                                                                        T::Number, 1),
                  0, R::llMaxInterval, "s"),
        withRange(setting<ClTovuCommandGetIntervalTimer, ClTovuCommandSetIntervalTimer>("stream.interval.period",
                                                                                        T::Number, 2),
                  1, R::llMaxInterval, "s"),

        // The weekly schedule: the days first, then the switch that puts them to work.
        scheduleDay("schedule.days.monday", 2),
        scheduleDay("schedule.days.tuesday", 3),
        scheduleDay("schedule.days.wednesday", 4),
        scheduleDay("schedule.days.thursday", 5),
        scheduleDay("schedule.days.friday", 6),
        scheduleDay("schedule.days.saturday", 7),
        scheduleDay("schedule.days.sunday", 1),
        scheduleDay("schedule.days.everyday", 8),
        inStage(setting<ClTovuCommandGetScheOnOff, ClTovuCommandSetScheOnOff>("schedule.enabled", T::Switch),
                lStageSchedule),

        // The network, last.
        inStage(withRange(setting<ClTovuCommandGetRtstPort, ClTovuCommandSetRtspPort>("network.rtsp_port", T::Number),
                          R::lMinPort, R::lMaxPort, ""),
                lStageNetwork),
        inStage(withRange(setting<ClTovuCommandGetHttpPort, ClTovuCommandSetHttpPort>("network.http_port", T::Number),
                          R::lMinPort, R::lMaxPort, ""),
                lStageNetwork),
        inStage(setting<ClTovuCommandGetAdhocAddress, ClTovuCommandSetAdhocAddress>("network.adhoc.address", T::Host),
                lStageNetwork),
        inStage(setting<ClTovuCommandGetAdhocSubnetmask, ClTovuCommandSetAdhocSubnetmask>("network.adhoc.subnet_mask",
                                                                                          T::Mask),
                lStageNetwork),
        inStage(setting<ClTovuCommandGetInfraAddress, ClTovuCommandSetInfraAddress>("network.infrastructure.address",
                                                                                    T::Host),
                lStageNetwork),
        inStage(setting<ClTovuCommandGetInfraSubnetmask, ClTovuCommandSetInfraSubnetmask>(
                    "network.infrastructure.subnet_mask", T::Mask),
                lStageNetwork),
        inStage(setting<ClTovuCommandGetInfraGateway, ClTovuCommandSetInfraGateway>("network.infrastructure.gateway",
                                                                                    T::Host),
                lStageNetwork),
        inStage(setting<ClTovuCommandGetInfraUseDhcp, ClTovuCommandSetInfraUseDhcp>("network.infrastructure.dhcp",
                                                                                    T::Switch),
                lStageNetwork),
        inStage(withPattern(setting<ClTovuCommandGetInfraSsid, ClTovuCommandSetInfraSsid>("network.infrastructure.ssid",
                                                                                          T::Text),
                            R::ssidPattern()),
                lStageNetwork),
        inStage(withPattern(
                    setting<ClTovuCommandGetInfraKey, ClTovuCommandSetInfraKey>("network.infrastructure.key", T::Text),
                    R::networkKeyPattern(), true),
                lStageNetwork),
        inStage(withChoices(setting<ClTovuCommandGetWifiMode, ClTovuCommandSetWifiMode>("network.mode", T::Choice),
                            {{ClSettingCodes::ulModeInfrastructure, QStringLiteral("infrastructure")},
                             {ClSettingCodes::ulModeAdhoc, QStringLiteral("adhoc")}}),
                lStageNetworkLink),
        inStage(setting<ClTovuCommandGetWiFiOnOff, ClTovuCommandSetWiFiOnOff>("network.wifi", T::Switch),
                lStageNetworkLink),
    };
}

QVector<ClSettingDefinition> withPortDefaults(QVector<ClSettingDefinition> lstSettings)
{
    for (ClSettingDefinition& stSetting : lstSettings) {
        if (stSetting.strName == QLatin1String("network.rtsp_port"))
            stSetting.llDefault = ClSettingRules::lDefaultRtspPort;
        else if (stSetting.strName == QLatin1String("network.http_port"))
            stSetting.llDefault = ClSettingRules::lDefaultHttpPort;
    }
    return lstSettings;
}
}  // namespace

const QVector<ClSettingDefinition>& ClSettingTable::all()
{
    static const QVector<ClSettingDefinition> lstSettings = withPortDefaults(build());
    return lstSettings;
}

const ClSettingDefinition* ClSettingTable::find(const QString& strName)
{
    for (const ClSettingDefinition& stSetting : all()) {
        if (stSetting.strName == strName)
            return &stSetting;
    }
    return nullptr;
}

bool ClSettingTable::isSupported(const ClSettingDefinition& stSetting, const QList<QUuid>& lstSupported)
{
    return lstSupported.contains(stSetting.uuidGet) && lstSupported.contains(stSetting.uuidSet);
}

QStringList ClSettingTable::describeAll()
{
    QStringList lstLines;
    for (const ClSettingDefinition& stSetting : all())
        lstLines.append(stSetting.strName.leftJustified(36) + QLatin1Char(' ') + stSetting.describe());
    return lstLines;
}
