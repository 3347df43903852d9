#include "ClTovuCommandConnectWifi.h"

#include <QDataStream>
#include <QIODevice>

#include "ClEnvelopeArgs.h"

ClTovuCommandConnectWifi::ClTovuCommandConnectWifi(const PV_CMD& clRequest)
    : ClTovuCommandConnectWifi(ClEnvelopeArgs::text(clRequest, 2), ClEnvelopeArgs::text(clRequest, 3))
{}

ClTovuCommandConnectWifi::ClTovuCommandConnectWifi(const QString& strFirst, const QString& strSecond)
    : ClTovuCommand(usCommandCode), clFirst(strFirst.toLatin1()), clSecond(strSecond.toLatin1())
{
    ulSize = quint32(clFirst.size() + clSecond.size() + 24);
}

QByteArray ClTovuCommandConnectWifi::toByteArray() const
{
    QByteArray clBytes;
    QDataStream clStream(&clBytes, QIODevice::WriteOnly);
    clStream.setByteOrder(QDataStream::LittleEndian);
    clStream << usType << usSequence << ulSize << usCode << quint16(0) << quint32(clFirst.size());
    clStream.writeRawData(clFirst.constData(), int(clFirst.size()));
    clStream << quint32(clSecond.size());
    clStream.writeRawData(clSecond.constData(), int(clSecond.size()));
    clStream << ulParam5;
    return clBytes;
}
