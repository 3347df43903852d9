#include "ClTovuCommandGetGpsInfo.h"

#include "ClEnvelope.h"
#include "ClEnvelopeArgs.h"

ClTovuCommandGetGpsInfo::ClTovuCommandGetGpsInfo(const PV_CMD& clRequest) : ClTovuCommandString(usCommandCode)
{
    ulParam1 = ClEnvelopeArgs::number(clRequest, 2);
}

quint16 ClTovuCommandGetGpsInfo::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(3), strText);
    return 0;
}
