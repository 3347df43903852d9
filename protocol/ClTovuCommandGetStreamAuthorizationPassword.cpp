#include "ClTovuCommandGetStreamAuthorizationPassword.h"

#include "ClEnvelope.h"
#include "ClPacketReader.h"

ClTovuCommandGetStreamAuthorizationPassword::ClTovuCommandGetStreamAuthorizationPassword(const PV_CMD& /*clRequest*/)
    : ClTovuCommandString(usCommandCode)
{}

QString ClTovuCommandGetStreamAuthorizationPassword::password() const
{
    const QByteArray clDecoded = QByteArray::fromBase64(strText.toLatin1());
    return QString::fromLatin1(ClPacketReader::untilZero(clDecoded));
}

quint16 ClTovuCommandGetStreamAuthorizationPassword::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), password());
    return 0;
}
