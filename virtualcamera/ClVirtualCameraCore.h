#pragma once
// The emulated camera's behaviour, without threads or USB: it reads each transfer the PC
// writes, keeps one consistent state (what a Set wrote, the next Get reads) and says what
// the camera answers. Statuses it gives besides 0 (named in ClResultCode):
//   usNotSupported (0xFFFC)  the command is not supported by this model and firmware (as
//           ClVirtualCameraSupport, the camera's own account of its models, says), is
//           unknown, or is a change while the camera is in security mode (models with
//           modes: settings, operations and firmware updates are refused; reading is
//           allowed; switching the mode is allowed);
//   usParameterRejected (0xFFFB)  a value out of range, a text that is too long or not of
//           the allowed characters, a data block of the wrong length, a firmware update
//           without a valid image;
//   usRefused (0xFFFA)  a change of the recording size, frame rate or bit rate, a format or
//           a settings reset while the camera records;
//   usBroadcasting (0xFFF3)  a change of the live-view settings while the camera streams.
// Not thread-safe; ClVirtualCamera guards it.
#include "ClVirtualCameraFaults.h"
#include "ClVirtualCameraLive.h"
#include "ClVirtualCameraPictureFaults.h"
#include "ClVirtualCameraReply.h"
#include "ClVirtualCameraSchedule.h"
#include "ClVirtualCameraSettings.h"
#include "ClVirtualCameraStatusReport.h"
#include "ClVirtualCameraWire.h"

#include <QSet>
#include <QString>

class ClVirtualCameraCore
{
public:
    // One transfer as the camera decoded it, kept for tests.
    struct Request
    {
        ClVirtualCameraWire::Packet stPacket;  // raw bytes cut to lKeptBytes
        qsizetype lLength = 0;                 // length of the whole transfer
        QByteArray clText;                     // a text request's text
        QByteArray clSecondText;               // the Wi-Fi join request's second text
        QByteArray clData;                     // a data packet's block, cut to lKeptBytes
        quint32 ulDataLength = 0;              // a data packet's announced length
        quint16 usStatus = 0;                  // of the camera's answer, before any fault; 0: none
    };

    ClVirtualCameraCore(int lModel, const QString& strFirmware, int lSecureMode);

    ClVirtualCameraReply handle(const QByteArray& clTransfer);
    // The camera was switched off and on: an installed firmware takes effect, recording
    // and streaming stop, and a model with modes starts in the mode its start setting names.
    void powerCycle();

    int model() const { return m_lModel; }
    QString firmware() const { return m_strFirmware; }
    void setFirmware(const QString& strFirmware);
    // The version an accepted update installs at the next power cycle; empty without one.
    QString pendingFirmware() const { return m_strPendingFirmware; }
    QString machineName() const;
    // "Tovu", "Tovu-S" or "Tovu-D" by model.
    static QString defaultName(int lModel);

    // 0 for the model without modes, 1 security, 2 maintenance.
    int secureMode() const { return m_lSecureMode; }
    void setSecureMode(int lMode);
    bool isRecording() const { return m_clLive.isRecording(); }
    void setRecording(bool bRecording);
    bool isStreaming() const { return m_bStreaming; }

    // Whether commands are checked against what the model and firmware answer (on by
    // default); unchecked, the camera answers every command it knows.
    void setSupportChecked(bool bChecked) { m_bSupportChecked = bChecked; }
    bool supports(quint16 usCode) const;

    ClVirtualCameraSettings& settings() { return m_clSettings; }
    const ClVirtualCameraSettings& settings() const { return m_clSettings; }
    ClVirtualCameraLive& live() { return m_clLive; }
    const ClVirtualCameraLive& live() const { return m_clLive; }
    ClVirtualCameraFaults& faults() { return m_clFaults; }
    // Figures of the state page reported in place of the real ones.
    ClVirtualCameraStatusReport& statusReport() { return m_clStatusReport; }
    ClVirtualCameraSchedule& schedule() { return m_clSchedule; }
    ClVirtualCameraPictureFaults& pictureFaults() { return m_clPictureFaults; }

    // The radio's link now: the mode last switched to with the stored network and key.
    ClVirtualCameraLive::Link currentLink() const;
    bool isWifiOn() const { return m_bWifiOn; }
    quint32 wifiMode() const { return m_ulWifiMode; }

    // The JPEG frame the camera would send now.
    QByteArray currentPicture() const;
    QByteArray motionArea() const { return m_clMotionArea; }

    QList<Request> requests() const { return m_lstRequests; }
    void clearRequests() { m_lstRequests.clear(); }

    static constexpr qsizetype lKeptBytes = 4096;
    static constexpr int lMaxRequests = 512;
    static constexpr quint32 ulMaxBlock = 64u * 1024 * 1024;
    static constexpr quint32 ulMaxMotionArea = 4096;

private:
    using Packet = ClVirtualCameraWire::Packet;
    using Params = ClVirtualCameraWire::Params;
    using Reply = ClVirtualCameraReply;

    Reply dispatch(const Packet& stPacket, Request& stRecord);
    Reply handleData(const Packet& stPacket);
    Reply handleOperation(const Packet& stPacket, Request& stRecord);
    Reply handleComputedGet(const Packet& stPacket, bool* pbHandled);
    Reply handleSetting(const Packet& stPacket, Request& stRecord);
    Reply acceptBlock(const Packet& stPacket);
    Reply startFirmware(const Packet& stPacket);

    static Reply plain(const Packet& stPacket, quint16 usStatus, const Params& arrParams = Params {});
    static Reply text(const Packet& stPacket, const QByteArray& clText);
    static Reply dataCollection(const Packet& stPacket, const QByteArray& clBlock);
    Reply wifiInfo(const Packet& stPacket) const;
    Reply accessPointList(const Packet& stPacket) const;
    Reply scheduleList(const Packet& stPacket) const;

    bool refusedInSecurityMode(quint16 usCode) const;
    static bool refusedWhileRecording(quint16 usCode);
    static bool refusedWhileStreaming(quint16 usCode);
    void record(const Request& stRequest);
    QByteArray gpsSentence() const;

    int m_lModel = 0;
    QString m_strFirmware;
    QString m_strPendingFirmware;
    int m_lSecureMode = 0;
    bool m_bStreaming = false;
    // The radio as last switched (WifiSwitch, WifiChange, a join), apart from the stored
    // settings, which take effect at the next switch or power cycle.
    bool m_bWifiOn = true;
    quint32 m_ulWifiMode = 1;
    bool m_bSupportChecked = true;
    QSet<quint16> m_setSupported;
    ClVirtualCameraSettings m_clSettings;
    ClVirtualCameraLive m_clLive;
    ClVirtualCameraFaults m_clFaults;
    ClVirtualCameraStatusReport m_clStatusReport;
    ClVirtualCameraSchedule m_clSchedule;
    ClVirtualCameraPictureFaults m_clPictureFaults;
    QByteArray m_clMotionArea;

    // A data-send command waits for its data packet.
    struct PendingBlock
    {
        quint16 usCode = 0;
        quint16 usSequence = 0;
        quint32 ulLength = 0;
    };
    PendingBlock m_stPending;
    // The firmware update being received: the head of its image, if one came.
    QByteArray m_clFirmwareHead;
    quint64 m_ullFirmwareBytes = 0;

    QList<Request> m_lstRequests;
};
