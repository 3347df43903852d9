#pragma once
// The emulated camera on the virtual USB bus: vendor 0x09A1, product 0x0201, bulk OUT 0x02
// and IN 0x81. It answers every command of the protocol from one consistent state (see
// ClVirtualCameraCore for the statuses it gives), leaves the bus and comes back when it
// restarts (Restart, or the start of a firmware update, after which it reports the new
// version), and takes faults on demand: those of the generic device (transfer errors,
// zero-byte transfers, unplugging at a chosen transfer, delays) and those of its answers
// (ClVirtualCameraFaults).
//
// Models: 0 "Tovu" (firmware "01.03.025" unless chosen), 1 "Tovu-S" ("01.00.011"; with
// security and maintenance modes), 2 "Tovu-D" ("00.00.001"; a model the tool's worker does
// not recognise, which answers the commands only that model supports). What each model
// and firmware answers is ClVirtualCameraSupport's.
//
// Threads: the worker thread drives the transfers while tests or the GUI read and change
// the state; every public function is thread-safe. Leaving and coming back to the bus run
// on the thread the camera lives on, which needs an event loop for them.
#include "ClVirtualCameraCore.h"
#include "ClVirtualUsbDevice.h"

#include <QMutex>

class ClVirtualCamera : public ClVirtualUsbDevice
{
    Q_OBJECT

public:
    using Params = ClVirtualCameraWire::Params;
    using Request = ClVirtualCameraCore::Request;
    using AccessPoint = ClVirtualCameraLive::AccessPoint;
    using Fault = ClVirtualCameraFaults::Fault;

    // lSecureMode: the mode a model with modes starts in (1 security, 2 maintenance).
    explicit ClVirtualCamera(int lModel = 0, const QString& strFirmware = QString(), int lSecureMode = 2,
                             QObject* pclParent = nullptr);
    ~ClVirtualCamera() override;

    // The demo mode's camera: "tovu" (also an empty text) or "tovu-s", case-insensitive,
    // optionally followed by ":" and a firmware version ("tovu-s:01.00.012"). A Tovu-S
    // starts in maintenance mode. nullptr for any other text. The caller plugs it into a
    // ClVirtualUsbBus, which then owns it.
    static ClVirtualCamera* create(const QString& strKind);
    static QString defaultFirmware(int lModel);

    int model() const;
    QString machineName() const;
    QString firmwareVersion() const;
    void setFirmwareVersion(const QString& strVersion);
    // The version an accepted firmware update installs when the camera comes back.
    QString pendingFirmwareVersion() const;

    int secureMode() const;
    void setSecureMode(int lMode);
    bool isRecording() const;
    void setRecording(bool bRecording);
    bool isStreaming() const;

    // Stored settings by Get code (keyed ones by day or slot) and texts as stored.
    Params numbers(quint16 usGetCode, quint32 ulKey = 0) const;
    void setNumbers(quint16 usGetCode, const Params& arrValues, quint32 ulKey = 0);
    QByteArray text(quint16 usGetCode) const;
    void setText(quint16 usGetCode, const QByteArray& clText);
    QByteArray motionArea() const;

    // The camera's own wall clock: its fields in a UTC date-time, set from the fields of
    // any date-time (see ClVirtualCameraLive::now()).
    QDateTime cameraTime() const;
    void setCameraTime(const QDateTime& clTime);
    int batteryLevel() const;
    void setBattery(int lLevel, bool bCharging);
    quint64 sdUsed() const;
    void setSdCard(quint64 ullTotal, quint64 ullUsed, quint32 ulFileSystem);
    // Figures the state page is told in place of the real ones (see ClVirtualCameraStatusReport).
    void setStatusReport(const ClVirtualCameraStatusReport& stReport);
    QList<AccessPoint> accessPoints() const;
    void setAccessPoints(const QList<AccessPoint>& lstPoints);
    // The radio as the camera runs it now (not the stored settings): on or off, its mode
    // (1 infrastructure, 2 ad hoc) and its link.
    bool isWifiOn() const;
    quint32 wifiMode() const;
    ClVirtualCameraLive::Link wifiLink() const;
    // The JPEG frame a picture request would get now.
    QByteArray picture() const;

    // Whether commands are checked against what the model and firmware answer (on by
    // default); unchecked, the camera answers every command it knows.
    void setSupportChecked(bool bChecked);

    // Every transfer the camera received, decoded (the last ClVirtualCameraCore::lMaxRequests).
    QList<Request> requests() const;
    void clearRequests();

    // The camera refuses every entry of this schedule day with usStatus (day 0: none).
    void refuseScheduleDay(quint32 ulDayCode, quint16 usStatus);
    // The schedule list answers these entry packets instead of the stored schedule (an
    // empty list: the stored one again). See ClVirtualCameraSchedule.
    void forgeScheduleAnswer(const QList<Params>& lstEntries);

    void injectFault(Fault eFault, int lCount = 1);
    // Bad pictures for the next lCount picture requests (ClVirtualCameraPictureFaults).
    void injectPictureFault(ClVirtualCameraPictureFaults::Fault eFault, int lCount = 1);
    void setFaultStatus(quint16 usStatus);
    // The generic device's faults and the answers' faults together.
    void clearAllFaults();
    // The data packet of the next firmware block fails on the wire with lError (-116 a
    // time-out, -5 an I/O error): a transfer that breaks after its command went out.
    void failNextFirmwareData(int lError);
    // Every answer becomes readable this long after the request (0: at once).
    void setResponseDelay(int lDelayMs);

    // Time off the bus when the camera restarts (default 3000 ms).
    void setRestartDelay(int lDelayMs);
    int restartDelay() const;
    // As the camera's own button: leave the bus and come back after the restart delay.
    void restart();
    // Leave the bus and stay away until powerOn().
    void powerOff();
    void powerOn();

Q_SIGNALS:
    // The camera left the bus (restart, power off, firmware update).
    void sigLeftBus();
    // The camera is back on the bus after a restart or powerOn().
    void sigBackOnBus();

protected:
    void handleWrite(int lEndpoint, const QByteArray& clData) override;
    void handleRead(int lEndpoint) override;

private:
    void leaveWhenAnswered(bool bComeBack, int lAttempt);
    void comeBack();

    mutable QMutex m_clCoreLock;
    ClVirtualCameraCore m_clCore;
    quint16 m_usLastSequence = 0;
    int m_lResponseDelayMs = 0;
    int m_lFirmwareDataError = 0;
    int m_lRestartDelayMs = 3000;
};
