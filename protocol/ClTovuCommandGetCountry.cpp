#include "ClTovuCommandGetCountry.h"

#include "ClEnvelope.h"

#include <QString>

ClTovuCommandGetCountry::ClTovuCommandGetCountry(const PV_CMD& /*clRequest*/) : ClTovuCommand(usCommandCode) {}

QString ClTovuCommandGetCountry::country() const
{
    QString strCode;
    for (quint32 ulParam : {ulParam1, ulParam2}) {
        const char chLetter = char(ulParam & 0xFF);
        if (chLetter != '\0')
            strCode.append(QLatin1Char(chLetter));
    }
    return strCode;
}

quint16 ClTovuCommandGetCountry::writeReply(PV_CMD& clReply) const
{
    clReply.insert(ClEnvelope::keyParam(2), country());
    return 0;
}
