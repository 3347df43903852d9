#pragma once
// The codes the camera uses for the values of its choice settings, named once for the
// settings table and the pages.
#include <QtGlobal>

namespace ClSettingCodes {
// network.mode
constexpr quint32 ulModeInfrastructure = 1;
constexpr quint32 ulModeAdhoc = 2;
// basic.start_mode
constexpr quint32 ulStartSecurity = 1;
constexpr quint32 ulStartMaintenance = 2;
// basic.gps.log_format
constexpr quint32 ulGpsFormatShort = 1;  // GGA+RMC
constexpr quint32 ulGpsFormatFull = 2;   // GGA+GLL+GSA+GSV+RMC+VTG+ZDA
// stream.rotation
constexpr qint64 llRotationNormal = 1;
constexpr qint64 llRotation180 = 2;
// basic.wifi_country: the page's combo lists them in this order, code = index + 1.
constexpr qint32 lCountryJapan = 1;
constexpr qint32 lCountryAmericas = 2;
constexpr qint32 lCountryEu = 3;
constexpr qint32 lCountryAuto = 4;
constexpr qint32 lCountryCount = 4;
}  // namespace ClSettingCodes
