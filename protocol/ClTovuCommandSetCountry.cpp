#include "ClTovuCommandSetCountry.h"

#include "ClEnvelopeArgs.h"

ClTovuCommandSetCountry::ClTovuCommandSetCountry(const PV_CMD& clRequest)
    : ClTovuCommandSetCountry(ClEnvelopeArgs::text(clRequest, 2))
{}

ClTovuCommandSetCountry::ClTovuCommandSetCountry(const QString& strCountry) : ClTovuCommand(usCommandCode)
{
    const QByteArray clLetters = strCountry.toLatin1();
    ulParam1 = clLetters.size() > 0 ? quint8(clLetters.at(0)) : 0;
    ulParam2 = clLetters.size() > 1 ? quint8(clLetters.at(1)) : 0;
}
