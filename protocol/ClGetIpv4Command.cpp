#include "ClGetIpv4Command.h"

#include "ClEnvelope.h"

ClGetIpv4Command::ClGetIpv4Command(quint16 usCode_, const PV_CMD& /*clRequest*/) : ClTovuCommandIpv4(usCode_) {}

quint16 ClGetIpv4Command::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), address());
    return 0;
}
