#include "ClGetIpv4Command.h"

ClGetIpv4Command::ClGetIpv4Command(quint16 usCode_, const PV_CMD& /*clRequest*/) : ClTovuCommandIpv4(usCode_)
{
}

quint16 ClGetIpv4Command::writeReply(PV_CMD& clReply) const
{
    clReply.insert(QStringLiteral("PARAM2"), address());
    return 0;
}
