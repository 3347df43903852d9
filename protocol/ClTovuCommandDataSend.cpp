#include "ClTovuCommandDataSend.h"

#include <QtEndian>

#include <cstring>

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
    // Head and block in one buffer, the block copied once: a firmware block is megabytes.
    QByteArray clBytes(clBlock.size() + 8, Qt::Uninitialized);
    char* pBytes = clBytes.data();
    qToLittleEndian(usType, pBytes);
    qToLittleEndian(usSequence, pBytes + 2);
    qToLittleEndian(ulSize, pBytes + 4);
    std::memcpy(pBytes + 8, clBlock.constData(), size_t(clBlock.size()));
    return clBytes;
}
