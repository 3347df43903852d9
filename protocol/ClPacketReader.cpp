#include "ClPacketReader.h"

#include <QtEndian>

ClPacketReader::ClPacketReader(const QByteArray& clBytes_, qint64 llOffset_)
    : clBytes(clBytes_), llOffset(qMax<qint64>(0, llOffset_))
{}

qint64 ClPacketReader::remaining() const
{
    return qMax<qint64>(0, qint64(clBytes.size()) - llOffset);
}

quint16 ClPacketReader::readUInt16()
{
    quint16 usValue = 0;
    if (remaining() >= 2)
        usValue = qFromLittleEndian<quint16>(clBytes.constData() + llOffset);
    skip(2);
    return usValue;
}

quint32 ClPacketReader::readUInt32()
{
    quint32 ulValue = 0;
    if (remaining() >= 4)
        ulValue = qFromLittleEndian<quint32>(clBytes.constData() + llOffset);
    skip(4);
    return ulValue;
}

QByteArray ClPacketReader::readBytes(quint32 ulCount)
{
    const qint64 llTaken = qMin<qint64>(ulCount, remaining());
    QByteArray clPart = clBytes.mid(llOffset, llTaken);
    skip(ulCount);
    return clPart;
}

void ClPacketReader::skip(qint64 llCount)
{
    llOffset += llCount;
}

QByteArray ClPacketReader::untilZero(const QByteArray& clBytes)
{
    const qsizetype lZero = clBytes.indexOf('\0');
    return lZero < 0 ? clBytes : clBytes.left(lZero);
}
