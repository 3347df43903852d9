#pragma once
// The emulated camera's changing state, as plausible as it is cheap: a wall clock of its
// own, a battery draining slowly (or charging once told so), an SD card that fills while
// the camera records, and a Wi-Fi radio that sees access points whose signal wanders a
// little. Not thread-safe; the camera guards it.
#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QStringList>

class ClVirtualCameraLive
{
public:
    struct AccessPoint
    {
        QByteArray clSsid;
        QByteArray clBssid;
        quint32 ulChannel = 1;
        quint32 ulEncryption = 0;  // 0 open, 1 WEP, 2 TKIP, 4 AES
        quint32 ulMode = 1;        // 1 infrastructure, 2 ad hoc
        quint32 ulSignal = 60;     // strength as a positive number: 42 means -42 dBm
        QByteArray clKey;          // the key it takes; an open network takes any
    };

    // The link as the Wi-Fi information answer carries it.
    struct Link
    {
        quint32 ulState = 1;  // 1 no link, 2 linked to an access point, 3 ad hoc
        QByteArray clSsid;
        QByteArray clBssid;
        quint32 ulChannel = 0;
        quint32 ulEncryption = 0;
        quint32 ulRate = 0;    // Mbit/s
        quint32 ulSignal = 0;  // 0 without a link
    };

    ClVirtualCameraLive();

    // The camera's clock is a plain date and time that runs on with the time elapsed, as
    // a camera's does: it knows no zone and no daylight saving, so it never jumps an hour
    // when the computer's zone does, and it can hold an hour the computer's zone skips.
    // It is handed out as a UTC date-time whose fields are the clock's; setNow() takes the
    // date and time fields of whatever it is given. It starts at the computer's local time.
    QDateTime now() const;
    void setNow(const QDateTime& clTime);

    int batteryLevel() const;
    // 1 on battery, 2 charging, 3 full.
    quint32 batteryState() const;
    void setBattery(int lLevel, bool bCharging);

    bool isRecording() const { return m_bRecording; }
    void setRecording(bool bRecording, quint32 ulBitRate);

    quint64 sdTotal() const { return m_ullSdTotal; }
    quint64 sdUsed() const;
    // 0 no card, 1 FAT12, 2 FAT16, 3 FAT32.
    quint32 sdFileSystem() const { return m_ulSdFileSystem; }
    void setSdCard(quint64 ullTotal, quint64 ullUsed, quint32 ulFileSystem);
    void formatSd();
    // False when the card cannot take the bytes.
    bool addToSd(quint64 ullBytes);

    QList<AccessPoint> accessPoints() const;
    void setAccessPoints(const QList<AccessPoint>& lstAccessPoints);
    // Joined to the infrastructure network named, when it is in range and takes the key.
    Link link(bool bWifiOn, quint32 ulMode, const QByteArray& clInfraSsid, const QByteArray& clOwnSsid,
              const QByteArray& clInfraKey) const;
    // Whether an access point takes the key: any key for an open one.
    static bool keyFits(const AccessPoint& stPoint, const QByteArray& clKey);
    // The first of the networks in range with this name; nullptr when none is.
    static const AccessPoint* find(const QList<AccessPoint>& lstPoints, const QByteArray& clSsid);
    // The networks beyond the first screen of the list (ClVirtualCameraAccessPoints.cpp).
    static QList<AccessPoint> extraAccessPoints();

    // The camera's event log, oldest first, as the log request gets it.
    void log(const QString& strLine);
    QByteArray logText() const;

    static constexpr int lMaxAccessPoints = 256;
    static constexpr int lMaxLogLines = 200;

private:
    qint64 secondsSince(qint64 llMark) const;

    QElapsedTimer m_clUptime;
    QDateTime m_clClockSet;  // the clock's fields when it was last set (UTC, see now())
    qint64 m_llClockMark = 0;
    int m_lBatteryBase = 62;
    bool m_bCharging = false;
    qint64 m_llBatteryMark = 0;
    bool m_bRecording = false;
    quint32 m_ulRecordBitRate = 0;
    qint64 m_llRecordMark = 0;
    quint64 m_ullSdTotal = 7948206080ull;  // an "8G" card
    quint64 m_ullSdUsed = 1234567168ull;
    quint32 m_ulSdFileSystem = 3;
    QList<AccessPoint> m_lstAccessPoints;
    QStringList m_lstLog;
};
