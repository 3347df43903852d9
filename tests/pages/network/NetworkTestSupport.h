#pragma once
// What the network page tests share: the virtual camera's codes of the network settings
// and shortcuts to the pages' widgets.
#include "protocol/ClTovuCommands.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QLineEdit>

namespace NetworkTest {
constexpr quint16 usWifiOn = ClTovuCommandGetWiFiOnOff::usCommandCode;
constexpr quint16 usWifiMode = ClTovuCommandGetWifiMode::usCommandCode;
constexpr quint16 usInfraSsid = ClTovuCommandGetInfraSsid::usCommandCode;
constexpr quint16 usInfraKey = ClTovuCommandGetInfraKey::usCommandCode;
constexpr quint16 usOwnSsid = ClTovuCommandGetSsid::usCommandCode;
constexpr quint32 ulOn = 2;
constexpr quint32 ulOff = 1;

inline ClVirtualCamera::AccessPoint point(const QByteArray& clSsid, quint32 ulEncryption, quint32 ulSignal,
                                          const QByteArray& clKey = QByteArray())
{
    ClVirtualCamera::AccessPoint stPoint;
    stPoint.clSsid = clSsid;
    stPoint.clBssid = "00:11:22:33:44:55";
    stPoint.ulEncryption = ulEncryption;
    stPoint.ulSignal = ulSignal;
    stPoint.clKey = clKey;
    return stPoint;
}

}  // namespace NetworkTest
