// The emulated radio's networks beyond the first screen, and whether the camera joins the
// network it was given. As a camera does, it stores any key it is told and only then
// tries it: a wrong one shows as no link, never as a refused command.
#include "ClVirtualCameraCore.h"
#include "ClVirtualCameraLive.h"
#include "protocol/ClTovuCommands.h"

QList<ClVirtualCameraLive::AccessPoint> ClVirtualCameraLive::extraAccessPoints()
{
    QList<AccessPoint> lstPoints = {
        {"Office-5F", "00:1A:2B:3C:4D:06", 11, 2, 1, 79, "office-5f-key"},
        {"Parvik-Guest", "00:1A:2B:3C:4D:07", 6, 0, 1, 66, {}},
        {"Sakura-Heights-2F", "00:1A:2B:3C:4D:08", 1, 4, 1, 81, "sakura2f-wpa"},
        {"PrinterDirect", "00:1A:2B:3C:4D:09", 6, 4, 1, 88, "printer-direct"},
        {"", "00:1A:2B:3C:4D:0A", 4, 0, 1, 90, {}},
        {"StationWiFi", "00:1A:2B:3C:4D:0B", 13, 0, 1, 93, {}},
        {"Library_AES", "00:1A:2B:3C:4D:0C", 8, 4, 1, 65, "quiet-please"},
    };
    return lstPoints;
}

bool ClVirtualCameraLive::keyFits(const AccessPoint& stPoint, const QByteArray& clKey)
{
    return stPoint.ulEncryption == 0 || stPoint.clKey.isEmpty() || stPoint.clKey == clKey;
}

const ClVirtualCameraLive::AccessPoint* ClVirtualCameraLive::find(const QList<AccessPoint>& lstPoints,
                                                                    const QByteArray& clSsid)
{
    for (const AccessPoint& stPoint : lstPoints) {
        if (!clSsid.isEmpty() && stPoint.clSsid == clSsid)
            return &stPoint;
    }
    return nullptr;
}

ClVirtualCameraLive::Link ClVirtualCameraCore::currentLink() const
{
    return m_clLive.link(m_bWifiOn, m_ulWifiMode, m_clSettings.text(ClTovuCommandGetInfraSsid::usCommandCode),
                         m_clSettings.text(ClTovuCommandGetSsid::usCommandCode),
                         m_clSettings.text(ClTovuCommandGetInfraKey::usCommandCode));
}
