#include "ClGetTextCommand.h"

ClGetTextCommand::ClGetTextCommand(quint16 usCode_, const PV_CMD& /*clRequest*/) : ClTovuCommandString(usCode_)
{
}

quint16 ClGetTextCommand::writeReply(PV_CMD& clReply) const
{
    clReply.insert(QStringLiteral("PARAM2"), strText);
    return 0;
}
