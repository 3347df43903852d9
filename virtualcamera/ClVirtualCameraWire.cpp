#include "ClVirtualCameraWire.h"

#include <QtEndian>

quint32 ClVirtualCameraWire::readLe32(const QByteArray& clBytes, qsizetype lOffset)
{
    if (lOffset < 0 || lOffset + 4 > clBytes.size())
        return 0;
    return qFromLittleEndian<quint32>(clBytes.constData() + lOffset);
}

quint16 ClVirtualCameraWire::readLe16(const QByteArray& clBytes, qsizetype lOffset)
{
    if (lOffset < 0 || lOffset + 2 > clBytes.size())
        return 0;
    return qFromLittleEndian<quint16>(clBytes.constData() + lOffset);
}

void ClVirtualCameraWire::appendLe32(QByteArray& clBytes, quint32 ulValue)
{
    char aBytes[4];
    qToLittleEndian(ulValue, aBytes);
    clBytes.append(aBytes, 4);
}

void ClVirtualCameraWire::appendLe16(QByteArray& clBytes, quint16 usValue)
{
    char aBytes[2];
    qToLittleEndian(usValue, aBytes);
    clBytes.append(aBytes, 2);
}

ClVirtualCameraWire::Packet ClVirtualCameraWire::parse(const QByteArray& clBytes)
{
    Packet stPacket;
    stPacket.clRaw = clBytes;
    stPacket.usType = readLe16(clBytes, 0);
    stPacket.usSequence = readLe16(clBytes, 2);
    stPacket.ulSize = readLe32(clBytes, 4);
    stPacket.usCode = readLe16(clBytes, 8);
    for (int i = 0; i < 5; ++i)
        stPacket.arrParams[size_t(i)] = readLe32(clBytes, 12 + 4 * i);
    return stPacket;
}

QByteArray ClVirtualCameraWire::textOf(const Packet& stPacket, bool* pbValid)
{
    const quint32 ulLength = stPacket.arrParams[0];
    const qsizetype lAvailable = stPacket.clRaw.size() - 16;
    // An empty text travels as the plain packet with a length of 0.
    if (ulLength == 0) {
        *pbValid = true;
        return QByteArray();
    }
    *pbValid = lAvailable >= 0 && qint64(ulLength) <= lAvailable && stPacket.ulSize == ulLength + 28;
    if (!*pbValid)
        return QByteArray();
    return stPacket.clRaw.mid(16, qsizetype(ulLength));
}

bool ClVirtualCameraWire::twoTextsOf(const Packet& stPacket, QByteArray* pclFirst, QByteArray* pclSecond)
{
    const QByteArray& clRaw = stPacket.clRaw;
    const quint32 ulFirst = readLe32(clRaw, 12);
    if (qint64(ulFirst) > clRaw.size() - 20)
        return false;
    const qsizetype lSecondAt = 16 + qsizetype(ulFirst);
    const quint32 ulSecond = readLe32(clRaw, lSecondAt);
    if (qint64(ulSecond) > clRaw.size() - lSecondAt - 4)
        return false;
    *pclFirst = clRaw.mid(16, qsizetype(ulFirst));
    *pclSecond = clRaw.mid(lSecondAt + 4, qsizetype(ulSecond));
    return true;
}

bool ClVirtualCameraWire::dataOf(const Packet& stPacket, QByteArray* pclData)
{
    const quint32 ulLength = stPacket.ulSize;
    if (qint64(ulLength) > stPacket.clRaw.size() - 8)
        return false;
    *pclData = stPacket.clRaw.mid(8, qsizetype(ulLength));
    return true;
}

QByteArray ClVirtualCameraWire::plain(quint16 usSequence, quint16 usStatus, const Params& arrParams)
{
    QByteArray clBytes;
    clBytes.reserve(lPacketSize);
    appendLe16(clBytes, usTypeCommand);
    appendLe16(clBytes, usSequence);
    appendLe32(clBytes, lPacketSize);
    appendLe16(clBytes, usStatus);
    appendLe16(clBytes, 0);
    for (quint32 ulParam : arrParams)
        appendLe32(clBytes, ulParam);
    return clBytes;
}

QByteArray ClVirtualCameraWire::text(quint16 usSequence, quint16 usStatus, const QByteArray& clText,
                                     quint32 ulClaimedLength)
{
    if (clText.isEmpty() && ulClaimedLength == 0)
        return plain(usSequence, usStatus);
    const quint32 ulLength = ulClaimedLength ? ulClaimedLength : quint32(clText.size());
    QByteArray clBytes;
    appendLe16(clBytes, usTypeCommand);
    appendLe16(clBytes, usSequence);
    appendLe32(clBytes, quint32(clText.size()) + 28);
    appendLe16(clBytes, usStatus);
    appendLe16(clBytes, 0);
    appendLe32(clBytes, ulLength);
    clBytes.append(clText);
    for (int i = 0; i < 3; ++i)
        appendLe32(clBytes, 0);
    return clBytes;
}

QByteArray ClVirtualCameraWire::twoTexts(quint16 usSequence, quint32 ulParam1, const QByteArray& clFirst,
                                         const QByteArray& clSecond)
{
    QByteArray clBytes;
    appendLe16(clBytes, usTypeCommand);
    appendLe16(clBytes, usSequence);
    appendLe32(clBytes, quint32(clFirst.size() + clSecond.size()) + 24);
    appendLe16(clBytes, 0);
    appendLe16(clBytes, 0);
    appendLe32(clBytes, ulParam1);
    appendLe32(clBytes, quint32(clFirst.size()));
    clBytes.append(clFirst);
    appendLe32(clBytes, quint32(clSecond.size()));
    clBytes.append(clSecond);
    return clBytes;
}

QByteArray ClVirtualCameraWire::dataHead(quint16 usSequence, quint32 ulTotal, const QByteArray& clChunk)
{
    QByteArray clBytes;
    clBytes.reserve(12 + clChunk.size());
    appendLe16(clBytes, usTypeData);
    appendLe16(clBytes, usSequence);
    appendLe32(clBytes, ulTotal);
    appendLe32(clBytes, quint32(clChunk.size()));
    clBytes.append(clChunk);
    return clBytes;
}

quint32 ClVirtualCameraWire::packDate(const QDate& clDate)
{
    return quint32(clDate.year() * 10000 + clDate.month() * 100 + clDate.day());
}

quint32 ClVirtualCameraWire::packTime(const QTime& clTime)
{
    return quint32(clTime.hour() * 10000 + clTime.minute() * 100 + clTime.second());
}

QDate ClVirtualCameraWire::unpackDate(quint32 ulValue)
{
    return QDate(int(ulValue / 10000), int((ulValue % 10000) / 100), int(ulValue % 100));
}

QTime ClVirtualCameraWire::unpackTime(quint32 ulValue)
{
    return QTime(int(ulValue / 10000), int((ulValue % 10000) / 100), int(ulValue % 100));
}

quint32 ClVirtualCameraWire::packHhmm(const QTime& clTime)
{
    const QByteArray clText
        = clTime.isValid() ? clTime.toString(QStringLiteral("hhmm")).toLatin1() : QByteArray(4, '\0');
    return readLe32(clText.leftJustified(4, '\0', true), 0);
}

QTime ClVirtualCameraWire::unpackHhmm(quint32 ulValue)
{
    char aBytes[4];
    qToLittleEndian(ulValue, aBytes);
    return QTime::fromString(QString::fromLatin1(aBytes, 4), QStringLiteral("hhmm"));
}
