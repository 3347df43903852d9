#include "ClTovuCommandSetStreamAuthorizationPassword.h"

#include "ClEnvelopeArgs.h"

ClTovuCommandSetStreamAuthorizationPassword::ClTovuCommandSetStreamAuthorizationPassword(const PV_CMD& clRequest)
    : ClTovuCommandSetStreamAuthorizationPassword(ClEnvelopeArgs::text(clRequest, 2))
{}

ClTovuCommandSetStreamAuthorizationPassword::ClTovuCommandSetStreamAuthorizationPassword(const QString& strPassword)
    : ClTovuCommandString(QString::fromLatin1(strPassword.toLatin1().toBase64()), usCommandCode)
{}
