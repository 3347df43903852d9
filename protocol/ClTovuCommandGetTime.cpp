#include "ClTovuCommandGetTime.h"

#include "ClEnvelope.h"

ClTovuCommandGetTime::ClTovuCommandGetTime(const PV_CMD& /*clRequest*/) : ClTovuCommand(usCommandCode) {}

QDateTime ClTovuCommandGetTime::dateTime() const
{
    const QDate dtDate(int(ulParam1 / 10000), int((ulParam1 % 10000) / 100), int(ulParam1 % 100));
    const QTime tmTime(int(ulParam2 / 10000), int((ulParam2 % 10000) / 100), int(ulParam2 % 100));
    return QDateTime(dtDate, tmTime, Qt::UTC);
}

quint16 ClTovuCommandGetTime::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), dateTime());
    return 0;
}
