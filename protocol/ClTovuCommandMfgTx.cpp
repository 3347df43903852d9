#include "ClTovuCommandMfgTx.h"

#include "ClEnvelopeArgs.h"

ClTovuCommandMfgTx::ClTovuCommandMfgTx(const PV_CMD& clRequest)
    : ClTovuCommandMfgTx(ClEnvelopeArgs::flag(clRequest, 2), quint8(ClEnvelopeArgs::number(clRequest, 3)),
                         quint8(ClEnvelopeArgs::number(clRequest, 4)), ClEnvelopeArgs::number(clRequest, 5),
                         ClEnvelopeArgs::number(clRequest, 6), ClEnvelopeArgs::text(clRequest, 7))
{}

ClTovuCommandMfgTx::ClTovuCommandMfgTx(bool bEnable, quint8 ucA, quint8 ucB, quint32 ulC, quint32 ulD,
                                       const QString& strAddress)
    : ClTovuCommand(usCommandCode)
{
    if (!bEnable)
        return;
    ulParam1 = ucA;
    ulParam2 = quint32(ucB) << 24 | (ulC & 0xFFF);
    ulParam3 = ulD;

    // Six hex pairs; a pair that is missing or not hexadecimal counts as 0.
    const QString strHex = QString(strAddress).remove(QLatin1Char(':')).left(12);
    quint32 aulBytes[6] = {};
    for (int i = 0; i < 6; ++i) {
        bool bOk = false;
        const uint ulByte = strHex.mid(2 * i, 2).toUInt(&bOk, 16);
        aulBytes[i] = bOk ? ulByte : 0;
    }
    ulParam4 = aulBytes[0] | aulBytes[1] << 8 | aulBytes[2] << 16 | aulBytes[3] << 24;
    ulParam5 = aulBytes[4] | aulBytes[5] << 8;
}
