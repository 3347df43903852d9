#include "ClTovuCommandSetTime.h"

#include "ClEnvelopeArgs.h"

ClTovuCommandSetTime::ClTovuCommandSetTime(const PV_CMD& clRequest)
    : ClTovuCommandSetTime(ClEnvelopeArgs::dateTime(clRequest, 2))
{}

ClTovuCommandSetTime::ClTovuCommandSetTime(const QDateTime& dtTime) : ClTovuCommand(usCommandCode)
{
    const QDateTime dtSent = dtTime.isValid() ? dtTime : QDateTime::currentDateTime();
    const QDate dtDate = dtSent.date();
    const QTime tmTime = dtSent.time();
    ulParam1 = quint32(dtDate.year() * 10000 + dtDate.month() * 100 + dtDate.day());
    ulParam2 = quint32(tmTime.hour() * 10000 + tmTime.minute() * 100 + tmTime.second());
}
