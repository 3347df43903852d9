#include "ClEnvelopeArgs.h"

#include "ClEnvelope.h"

QString ClEnvelopeArgs::key(int lIndex)
{
    return ClEnvelope::keyParam(lIndex);
}

quint32 ClEnvelopeArgs::number(const PV_CMD& clRequest, int lIndex)
{
    // Through 64 bits, so that both -1 and 4294967295 arrive as 0xFFFFFFFF.
    return quint32(clRequest.value(key(lIndex)).toLongLong());
}

qint32 ClEnvelopeArgs::signedNumber(const PV_CMD& clRequest, int lIndex)
{
    return qint32(number(clRequest, lIndex));
}

bool ClEnvelopeArgs::flag(const PV_CMD& clRequest, int lIndex)
{
    return clRequest.value(key(lIndex)).toBool();
}

QString ClEnvelopeArgs::text(const PV_CMD& clRequest, int lIndex)
{
    return clRequest.value(key(lIndex)).toString();
}

QByteArray ClEnvelopeArgs::bytes(const PV_CMD& clRequest, int lIndex)
{
    return clRequest.value(key(lIndex)).toByteArray();
}

QSize ClEnvelopeArgs::size(const PV_CMD& clRequest, int lIndex)
{
    return clRequest.value(key(lIndex)).toSize();
}

QDateTime ClEnvelopeArgs::dateTime(const PV_CMD& clRequest, int lIndex)
{
    return clRequest.value(key(lIndex)).toDateTime();
}

QTime ClEnvelopeArgs::time(const PV_CMD& clRequest, int lIndex)
{
    return clRequest.value(key(lIndex)).toTime();
}
