#include "ClSetTextCommand.h"

#include "ClEnvelopeArgs.h"

ClSetTextCommand::ClSetTextCommand(quint16 usCode_, const PV_CMD& clRequest)
    : ClTovuCommandString(ClEnvelopeArgs::text(clRequest, 2), usCode_)
{}
