#pragma once
// Reads little-endian fields from received bytes with a cursor. Anything that lies
// beyond the bytes reads as 0 or as the part that arrived, so a packet that lies about
// its lengths can neither read past the buffer nor make the reader allocate for it.
#include <QByteArray>
#include <QtGlobal>

class ClPacketReader
{
public:
    explicit ClPacketReader(const QByteArray& clBytes, qint64 llOffset = 0);

    quint16 readUInt16();
    quint32 readUInt32();
    // Up to ulCount bytes, fewer when the packet ends first.
    QByteArray readBytes(quint32 ulCount);
    void skip(qint64 llCount);

    qint64 offset() const { return llOffset; }
    qint64 remaining() const;

    // bytes up to the first zero byte (all of them when there is none)
    static QByteArray untilZero(const QByteArray& clBytes);

private:
    const QByteArray& clBytes;
    qint64 llOffset;
};
