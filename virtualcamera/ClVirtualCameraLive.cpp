#include "ClVirtualCameraLive.h"

#include <QtMath>

ClVirtualCameraLive::ClVirtualCameraLive()
{
    m_clUptime.start();
    setNow(QDateTime::currentDateTime());
    m_lstAccessPoints = {
        {"HomeNetwork", "00:1A:2B:3C:4D:01", 6, 4, 1, 48, {}},
        {"Office-5F", "00:1A:2B:3C:4D:02", 1, 2, 1, 63, {}},
        {"CafeFreeWiFi", "00:1A:2B:3C:4D:03", 11, 0, 1, 72, {}},
        {"Neighbour", "00:1A:2B:3C:4D:04", 3, 1, 1, 84, {}},
        {"", "00:1A:2B:3C:4D:05", 9, 4, 1, 77, {}},
    };
    // The keys, and more networks than one screen of the list shows: a second access point
    // of the office network, another hidden one, weak ones far away.
    m_lstAccessPoints[0].clKey = "correct-horse";
    m_lstAccessPoints[1].clKey = "office-5f-key";
    m_lstAccessPoints[3].clKey = "wep40";
    m_lstAccessPoints[4].clKey = "hidden-key";
    m_lstAccessPoints += ClVirtualCameraLive::extraAccessPoints();
}

qint64 ClVirtualCameraLive::secondsSince(qint64 llMark) const
{
    return (m_clUptime.elapsed() - llMark) / 1000;
}

QDateTime ClVirtualCameraLive::now() const
{
    return m_clClockSet.addMSecs(m_clUptime.elapsed() - m_llClockMark);
}

void ClVirtualCameraLive::setNow(const QDateTime& clTime)
{
    m_clClockSet = QDateTime(clTime.date(), clTime.time(), Qt::UTC);
    m_llClockMark = m_clUptime.elapsed();
}

int ClVirtualCameraLive::batteryLevel() const
{
    // One per cent every 90 s on the cable, every 4 minutes on the battery.
    const qint64 llSeconds = secondsSince(m_llBatteryMark);
    if (m_bCharging)
        return int(qMin<qint64>(100, m_lBatteryBase + llSeconds / 90));
    return int(qMax<qint64>(0, m_lBatteryBase - llSeconds / 240));
}

quint32 ClVirtualCameraLive::batteryState() const
{
    if (!m_bCharging)
        return 1;
    return batteryLevel() >= 100 ? 3 : 2;
}

void ClVirtualCameraLive::setBattery(int lLevel, bool bCharging)
{
    m_lBatteryBase = qBound(0, lLevel, 100);
    m_bCharging = bCharging;
    m_llBatteryMark = m_clUptime.elapsed();
}

quint64 ClVirtualCameraLive::sdUsed() const
{
    quint64 ullUsed = m_ullSdUsed;
    if (m_bRecording)
        ullUsed += quint64(m_clUptime.elapsed() - m_llRecordMark) * m_ulRecordBitRate / 8000;
    return qMin(ullUsed, m_ullSdTotal);
}

void ClVirtualCameraLive::setRecording(bool bRecording, quint32 ulBitRate)
{
    if (bRecording == m_bRecording)
        return;
    m_ullSdUsed = sdUsed();
    m_bRecording = bRecording;
    m_ulRecordBitRate = ulBitRate;
    m_llRecordMark = m_clUptime.elapsed();
}

void ClVirtualCameraLive::setSdCard(quint64 ullTotal, quint64 ullUsed, quint32 ulFileSystem)
{
    m_ullSdTotal = ullTotal;
    m_ullSdUsed = qMin(ullUsed, ullTotal);
    m_ulSdFileSystem = ulFileSystem;
    m_llRecordMark = m_clUptime.elapsed();
}

void ClVirtualCameraLive::formatSd()
{
    m_ullSdUsed = 0;
    m_llRecordMark = m_clUptime.elapsed();
}

bool ClVirtualCameraLive::addToSd(quint64 ullBytes)
{
    const quint64 ullUsed = sdUsed();
    if (m_ullSdTotal == 0 || ullUsed + ullBytes > m_ullSdTotal)
        return false;
    m_ullSdUsed += ullBytes;
    return true;
}

QList<ClVirtualCameraLive::AccessPoint> ClVirtualCameraLive::accessPoints() const
{
    // The signal wanders by a few dB around each access point's own level.
    QList<AccessPoint> lstPoints = m_lstAccessPoints;
    const double dPhase = m_clUptime.elapsed() / 20000.0;
    for (int i = 0; i < lstPoints.size(); ++i) {
        const int lWander = qRound(3 * qSin(dPhase + i));
        lstPoints[i].ulSignal = quint32(qMax(1, int(lstPoints[i].ulSignal) + lWander));
    }
    return lstPoints;
}

void ClVirtualCameraLive::setAccessPoints(const QList<AccessPoint>& lstAccessPoints)
{
    m_lstAccessPoints = lstAccessPoints.mid(0, lMaxAccessPoints);
}

ClVirtualCameraLive::Link ClVirtualCameraLive::link(bool bWifiOn, quint32 ulMode, const QByteArray& clInfraSsid,
                                                    const QByteArray& clOwnSsid, const QByteArray& clInfraKey) const
{
    Link stLink;
    if (!bWifiOn)
        return stLink;
    if (ulMode == 2) {
        stLink.ulState = 3;
        stLink.clSsid = clOwnSsid;
        stLink.ulChannel = 11;
        stLink.ulRate = 11;
        stLink.ulSignal = 40;
        return stLink;
    }
    for (const AccessPoint& stPoint : accessPoints()) {
        if (!clInfraSsid.isEmpty() && stPoint.clSsid == clInfraSsid && keyFits(stPoint, clInfraKey)) {
            stLink.ulState = 2;
            stLink.clSsid = stPoint.clSsid;
            stLink.clBssid = stPoint.clBssid;
            stLink.ulChannel = stPoint.ulChannel;
            stLink.ulEncryption = stPoint.ulEncryption;
            stLink.ulRate = stPoint.ulSignal < 70 ? 54 : 24;
            stLink.ulSignal = stPoint.ulSignal;
            break;
        }
    }
    return stLink;
}

void ClVirtualCameraLive::log(const QString& strLine)
{
    m_lstLog.append(now().toString(QStringLiteral("yyyy/MM/dd hh:mm:ss ")) + strLine);
    while (m_lstLog.size() > lMaxLogLines)
        m_lstLog.removeFirst();
}

QByteArray ClVirtualCameraLive::logText() const
{
    return m_lstLog.join(QLatin1Char('\n')).toLatin1() + '\n';
}
