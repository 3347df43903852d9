#include "ClTovuCommandDataSend.h"

#include <QDataStream>
#include <QIODevice>

ClTovuCommandDataSend::ClTovuCommandDataSend(quint16 usSequence_, const QByteArray& clBlock_) : clBlock(clBlock_)
{
    // Set after construction: the base constructor would replace a sequence of 0 by a
    // fresh one, and the packet must carry the command's own.
    usType = 2;
    usSequence = usSequence_;
    ulSize = quint32(clBlock.size());
}

QByteArray ClTovuCommandDataSend::toByteArray() const
{
    if (clBlock.isEmpty())
        return QByteArray();
    QByteArray clBytes;
    clBytes.reserve(clBlock.size() + 8);
    QDataStream clStream(&clBytes, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream << usType << usSequence << ulSize;
    clBytes.append(clBlock);
    return clBytes;
}
