#include "ClTovuCommandGetGpsInfo.h"

#include "ClEnvelopeArgs.h"

ClTovuCommandGetGpsInfo::ClTovuCommandGetGpsInfo(const PV_CMD& clRequest) : ClTovuCommandString(usCommandCode)
{
    ulParam1 = ClEnvelopeArgs::number(clRequest, 2);
}

quint16 ClTovuCommandGetGpsInfo::writeReply(PV_CMD& clReply) const
{
    clReply.insert(QStringLiteral("PARAM3"), strText);
    return 0;
}
