#include "ClTwoTextPacket.h"

#include <QDataStream>
#include <QIODevice>

#include "ClPacketReader.h"

ClTwoTextPacket::ClTwoTextPacket(quint16 usSequence_, quint32 ulParam1_, const QString& strFirst_,
                                 const QString& strSecond_)
    : strFirst(strFirst_), strSecond(strSecond_)
{
    usSequence = usSequence_;
    ulParam1 = ulParam1_;
}

void ClTwoTextPacket::fromByteArray(const QByteArray& clBytes)
{
    ClPacketReader clReader(clBytes);
    usType = clReader.readUInt16();
    usSequence = clReader.readUInt16();
    ulSize = clReader.readUInt32();
    usCode = clReader.readUInt16();
    clReader.readUInt16();
    ulParam1 = clReader.readUInt32();
    strFirst = QString::fromLatin1(ClPacketReader::untilZero(clReader.readBytes(clReader.readUInt32())));
    strSecond = QString::fromLatin1(ClPacketReader::untilZero(clReader.readBytes(clReader.readUInt32())));
    ulParam2 = ulParam3 = ulParam4 = ulParam5 = 0;
}

QByteArray ClTwoTextPacket::toByteArray() const
{
    const QByteArray clFirst = strFirst.toLatin1();
    const QByteArray clSecond = strSecond.toLatin1();
    QByteArray clBytes;
    QDataStream clStream(&clBytes, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream << usType << usSequence << quint32(24 + clFirst.size() + clSecond.size()) << usCode << quint16(0)
             << ulParam1 << quint32(clFirst.size());
    clStream.writeRawData(clFirst.constData(), int(clFirst.size()));
    clStream << quint32(clSecond.size());
    clStream.writeRawData(clSecond.constData(), int(clSecond.size()));
    return clBytes;
}
