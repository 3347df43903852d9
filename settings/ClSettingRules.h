#pragma once
// The rules a value must keep to, written once: the pages' validators and the checks of
// the command line and of profiles call these, so that they cannot disagree.
#include <QString>
#include <QtGlobal>

class ClSettingRules
{
public:
    // Patterns of the whole text (the pages' validators anchor them themselves).
    static constexpr int lMaxCameraName = 8;
    static QString cameraNameCharacter();    // one of [0-9a-zA-Z-._~]
    static QString cameraNamePattern();      // 1 to 8 of them
    static QString networkKeyPattern();      // a WPA passphrase: 1 to 63 printable ASCII, spaces too
    static QString ssidPattern();            // 1 to 32 printable ASCII, spaces too
    static QString streamPasswordPattern();  // 1 to 16 printable ASCII, no space
    static bool matches(const QString& strPattern, const QString& strText);

    // A host address: four parts, the last 1 to 254. A subnet mask: ones from the top.
    static bool isHostAddress(const QString& strText);
    static bool isSubnetMask(const QString& strText);

    // Ports: the camera takes 1024 ... 65535, or the service's own default below that.
    static constexpr int lMinPort = 1024;
    static constexpr int lMaxPort = 65535;
    static constexpr int lDefaultRtspPort = 554;
    static constexpr int lDefaultHttpPort = 80;
    static bool isPort(qint64 llPort, int lDefault);
    // The value a finished port field is corrected to: the default for no number or one
    // below 1024, 65535 for one above it, the number itself otherwise.
    static int correctedPort(const QString& strText, int lDefault);

    // Durations in seconds.
    static constexpr int lMaxIntervalHours = 72;
    static constexpr qint64 llMaxInterval = qint64(lMaxIntervalHours) * 3600;
    static constexpr qint64 llMaxPowerOff = qint64(72) * 3600 + 59 * 60 + 59;
    static constexpr int lMinAutoWifiOffMinutes = 1;
    static constexpr int lMaxAutoWifiOffMinutes = 10;

    // A schedule period starts and ends on these steps; an end at or before its start
    // runs into the next day, and equal ends are the whole day.
    static constexpr int lScheduleStepMinutes = 10;
    static bool isScheduleTime(int lHour, int lMinute);

    static constexpr int lMinImageQuality = 0;
    static constexpr int lMaxImageQuality = 4;
};
