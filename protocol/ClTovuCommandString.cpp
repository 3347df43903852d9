#include "ClTovuCommandString.h"

#include <QDataStream>
#include <QIODevice>

#include "ClPacketReader.h"

ClTovuCommandString::ClTovuCommandString(quint16 usCode_) : ClTovuCommand(usCode_) {}

ClTovuCommandString::ClTovuCommandString(const QString& strText_, quint16 usCode_)
    : ClTovuCommand(usCode_), strText(strText_)
{
    ulParam1 = quint32(strText.toUtf8().size());
    if (ulParam1 > 0)
        ulSize = ulParam1 + 28;
}

void ClTovuCommandString::fromByteArray(const QByteArray& clBytes)
{
    ClPacketReader clReader(clBytes);
    usType = clReader.readUInt16();
    usSequence = clReader.readUInt16();
    ulSize = clReader.readUInt32();
    usCode = clReader.readUInt16();
    clReader.readUInt16();
    ulParam1 = clReader.readUInt32();
    if (ulParam1 > 0) {
        strText = QString::fromUtf8(ClPacketReader::untilZero(clReader.readBytes(ulParam1)));
        ulParam2 = 0;
    } else {
        strText.clear();
        ulParam2 = clReader.readUInt32();
    }
    ulParam3 = clReader.readUInt32();
    ulParam4 = clReader.readUInt32();
    ulParam5 = clReader.readUInt32();
}

QByteArray ClTovuCommandString::toByteArray() const
{
    const QByteArray clText = strText.toUtf8();
    if (clText.isEmpty())
        return ClTovuCommand::toByteArray();

    QByteArray clBytes;
    QDataStream clStream(&clBytes, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream << usType << usSequence << quint32(clText.size() + 28) << usCode << quint16(0) << quint32(clText.size());
    clStream.writeRawData(clText.constData(), int(clText.size()));
    clStream << ulParam3 << ulParam4 << ulParam5;
    return clBytes;
}
