#include "ClGetTextCommand.h"

#include "ClEnvelope.h"

ClGetTextCommand::ClGetTextCommand(quint16 usCode_, const PV_CMD& /*clRequest*/) : ClTovuCommandString(usCode_) {}

quint16 ClGetTextCommand::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), strText);
    return 0;
}
