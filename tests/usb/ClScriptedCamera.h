#pragma once
// A test device that speaks the camera's packet format with answers a test chooses: its
// machine name (or a failing status), responses of other sequences before the right one
// or without end, silence, and a chosen param1 in its responses.
#include "ClVirtualUsbDevice.h"

#include <QMutex>
#include <QString>

#include <functional>

class ClTovuCommand;

class ClScriptedCamera : public ClVirtualUsbDevice
{
    Q_OBJECT

public:
    explicit ClScriptedCamera(const QString& strName = QStringLiteral("Tovu"), QObject* pclParent = nullptr);
    ~ClScriptedCamera() override;

    void setName(const QString& strName, quint16 usStatus = 0);
    void setSilent(bool bSilent);
    // Responses of another sequence queued before each right one.
    void setForeignBefore(int lCount);
    // Every read that finds nothing queued gets a response of another sequence.
    void setEndlessForeign(bool bEndless);
    // param1 of every response other than the name (a block length, a list size).
    void setResponseParam1(quint32 ulParam1);

    // Answers every request but the name query with the packets it returns (all queued
    // at once), in place of the echo.
    using Responder = std::function<QList<QByteArray>(const ClTovuCommand& clRequest)>;
    void setResponder(const Responder& fnResponder);

    int requestCount() const;
    QList<quint16> requestCodes() const;
    // Every bulk OUT transfer, data packets included.
    QList<QByteArray> writes() const;

    static constexpr quint16 usMachineNameCode = 0x4003;
    static QByteArray packet(quint16 usSequence, quint16 usStatus, quint32 ulParam1 = 0, quint32 ulParam2 = 0,
                             quint32 ulParam3 = 0, quint32 ulParam4 = 0, quint32 ulParam5 = 0);
    static QByteArray textPacket(quint16 usSequence, quint16 usStatus, const QByteArray& clText);

protected:
    void handleWrite(int lEndpoint, const QByteArray& clData) override;
    void handleRead(int lEndpoint) override;

private:
    mutable QMutex m_clLock;
    QString m_strName;
    quint16 m_usNameStatus = 0;
    bool m_bSilent = false;
    int m_lForeignBefore = 0;
    bool m_bEndlessForeign = false;
    bool m_bParam1Set = false;
    quint32 m_ulParam1 = 0;
    quint16 m_usLastSequence = 0;
    QList<quint16> m_lstCodes;
    QList<QByteArray> m_lstWrites;
    Responder m_fnResponder;
};
