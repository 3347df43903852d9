#include "ClScheduleTime.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include "ClPacketReader.h"

quint32 ClScheduleTime::toSlot(const QTime& tmTime)
{
    QByteArray clDigits = tmTime.toString(QStringLiteral("hhmm")).toLatin1().left(4);
    clDigits.append(QByteArray(4 - clDigits.size(), '\0'));
    return qFromLittleEndian<quint32>(clDigits.constData());
}

QTime ClScheduleTime::fromSlot(quint32 ulSlot)
{
    QByteArray clDigits(4, '\0');
    qToLittleEndian(ulSlot, clDigits.data());
    return QTime::fromString(QString::fromLatin1(ClPacketReader::untilZero(clDigits)), QStringLiteral("hhmm"));
}
