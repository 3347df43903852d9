#pragma once
// Helpers shared by the protocol tests: envelopes, camera responses and packet fields.
#include <QByteArray>
#include <QVariant>
#include <QtEndian>

#include "ClTovuCommand.h"
#include "PvCmd.h"

namespace CommandTestSupport {

inline PV_CMD envelope(const QVariant& clParam2 = QVariant(), const QVariant& clParam3 = QVariant(),
                       const QVariant& clParam4 = QVariant(), const QVariant& clParam5 = QVariant(),
                       const QVariant& clParam6 = QVariant(), const QVariant& clParam7 = QVariant())
{
    PV_CMD clRequest;
    const QVariant aclValues[] = {clParam2, clParam3, clParam4, clParam5, clParam6, clParam7};
    for (int i = 0; i < 6; ++i) {
        if (aclValues[i].isValid())
            clRequest.insert(QStringLiteral("PARAM%1").arg(i + 2), aclValues[i]);
    }
    return clRequest;
}

// A successful plain response on the command's sequence.
inline QByteArray response(const ClTovuCommand& clCommand, quint32 ulP1 = 0, quint32 ulP2 = 0, quint32 ulP3 = 0,
                           quint32 ulP4 = 0, quint32 ulP5 = 0, quint16 usStatus = 0)
{
    QByteArray clBytes = ClTovuCommand(0, ulP1, ulP2, ulP3, ulP4, ulP5, clCommand.sequence()).toByteArray();
    qToLittleEndian(usStatus, clBytes.data() + 8);
    return clBytes;
}

inline void respond(ClTovuCommand& clCommand, quint32 ulP1 = 0, quint32 ulP2 = 0, quint32 ulP3 = 0,
                    quint32 ulP4 = 0, quint32 ulP5 = 0)
{
    clCommand.fromByteArray(response(clCommand, ulP1, ulP2, ulP3, ulP4, ulP5));
}

inline quint32 u32At(const QByteArray& clBytes, int lOffset)
{
    return qFromLittleEndian<quint32>(clBytes.constData() + lOffset);
}

inline quint16 u16At(const QByteArray& clBytes, int lOffset)
{
    return qFromLittleEndian<quint16>(clBytes.constData() + lOffset);
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

// The 12-byte head of a packet: type, sequence, size, status, pad.
inline QByteArray head(quint16 usSequence, quint32 ulSize, quint16 usStatus = 0, quint16 usType = 0)
{
    return le16(usType) + le16(usSequence) + le32(ulSize) + le16(usStatus) + le16(0);
}

}  // namespace CommandTestSupport
