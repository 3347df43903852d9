#include "ClTovuCommandSetCreateDay.h"

#include "ClDateTextFormat.h"
#include "ClEnvelopeArgs.h"

namespace {
QString createdText(const QDateTime& dtCreated)
{
    const QDateTime dtSent = dtCreated.isValid() ? dtCreated : QDateTime::currentDateTime();
    return dtSent.toString(ClDateTextFormat::format(ClDateText::Spaced));
}
}  // namespace

ClTovuCommandSetCreateDay::ClTovuCommandSetCreateDay(const PV_CMD& clRequest)
    : ClTovuCommandSetCreateDay(ClEnvelopeArgs::dateTime(clRequest, 2))
{}

ClTovuCommandSetCreateDay::ClTovuCommandSetCreateDay(const QDateTime& dtCreated)
    : ClTovuCommandString(createdText(dtCreated), usCommandCode)
{}
