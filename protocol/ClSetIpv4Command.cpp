#include "ClSetIpv4Command.h"

#include "ClEnvelopeArgs.h"

ClSetIpv4Command::ClSetIpv4Command(quint16 usCode_, const PV_CMD& clRequest)
    : ClTovuCommandIpv4(ClEnvelopeArgs::text(clRequest, 2), usCode_)
{}
