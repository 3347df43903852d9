#include "ClSendBlockCommand.h"

#include "ClEnvelopeArgs.h"

ClSendBlockCommand::ClSendBlockCommand(quint16 usCode_, const PV_CMD& clRequest)
    : ClTovuCommand(usCode_), clBlock(ClEnvelopeArgs::bytes(clRequest, 2))
{
    ulParam1 = quint32(clBlock.size());
}

ClTovuCommandDataSend ClSendBlockCommand::dataPacket() const
{
    return ClTovuCommandDataSend(usSequence, clBlock);
}
