#pragma once
// Helpers shared by the protocol tests: envelopes, little-endian fields and packets as
// the camera sends them.
#include <QByteArray>
#include <QVariant>
#include <QtEndian>

#include "protocol/ClTovuCommand.h"
#include "protocol/PvCmd.h"

namespace CommandTestSupport {

// An envelope whose arguments start at "PARAM2", as pages send them.
inline PV_CMD envelope(std::initializer_list<QVariant> lstValues = {})
{
    PV_CMD clRequest;
    int lKey = 2;
    for (const QVariant& clValue : lstValues)
        clRequest.insert(QStringLiteral("PARAM%1").arg(lKey++), clValue);
    return clRequest;
}

inline quint32 u32At(const QByteArray& clBytes, int lOffset)
{
    return qFromLittleEndian<quint32>(clBytes.constData() + lOffset);
}

inline QByteArray le32(quint32 ulValue)
{
    QByteArray clBytes(4, '\0');
    qToLittleEndian(ulValue, clBytes.data());
    return clBytes;
}

inline QByteArray le16(quint16 usValue)
{
    QByteArray clBytes(2, '\0');
    qToLittleEndian(usValue, clBytes.data());
    return clBytes;
}

// The 12-byte head of a packet: type, sequence, size, the request's code or the
// response's status, pad.
inline QByteArray head(quint16 usSequence, quint32 ulSize, quint16 usCodeOrStatus = 0, quint16 usType = 0)
{
    return le16(usType) + le16(usSequence) + le32(ulSize) + le16(usCodeOrStatus) + le16(0);
}

inline QByteArray plainPacket(quint16 usSequence, quint32 ulP1, quint32 ulP2 = 0, quint32 ulP3 = 0, quint32 ulP4 = 0,
                              quint32 ulP5 = 0)
{
    return head(usSequence, 32) + le32(ulP1) + le32(ulP2) + le32(ulP3) + le32(ulP4) + le32(ulP5);
}

// The values the command writes into its reply, after a successful plain response.
inline PV_CMD replyTo(ClTovuCommand& clCommand, quint32 ulP1, quint32 ulP2 = 0, quint32 ulP3 = 0, quint32 ulP4 = 0,
                      quint32 ulP5 = 0)
{
    clCommand.fromByteArray(plainPacket(clCommand.sequence(), ulP1, ulP2, ulP3, ulP4, ulP5));
    PV_CMD clReply;
    clCommand.writeReply(clReply);
    return clReply;
}

}  // namespace CommandTestSupport
