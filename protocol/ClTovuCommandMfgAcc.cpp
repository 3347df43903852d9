#include "ClTovuCommandMfgAcc.h"

#include "ClEnvelopeArgs.h"

ClTovuCommandMfgAcc::ClTovuCommandMfgAcc(const PV_CMD& clRequest)
    : ClTovuCommandMfgAcc(ClEnvelopeArgs::flag(clRequest, 2), quint8(ClEnvelopeArgs::number(clRequest, 3)))
{}

ClTovuCommandMfgAcc::ClTovuCommandMfgAcc(bool bEnable, quint8 ucValue)
    : ClTovuCommand(usCommandCode, bEnable ? ucValue : 0)
{}
