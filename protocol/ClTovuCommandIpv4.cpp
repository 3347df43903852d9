#include "ClTovuCommandIpv4.h"

#include <QStringList>

ClTovuCommandIpv4::ClTovuCommandIpv4(quint16 usCode_) : ClTovuCommand(usCode_) {}

ClTovuCommandIpv4::ClTovuCommandIpv4(const QString& strAddress, quint16 usCode_)
    : ClTovuCommand(usCode_, fromText(strAddress))
{}

quint32 ClTovuCommandIpv4::fromText(const QString& strAddress)
{
    const QStringList lstParts = strAddress.split(QLatin1Char('.'));
    quint32 ulAddress = 0;
    for (int i = 0; i < lstParts.size() && i < 4; ++i) {
        bool bOk = false;
        const uint ulPart = lstParts.at(i).toUInt(&bOk, 10);
        // A part beyond one byte would spill into its neighbours.
        if (bOk && ulPart <= 255)
            ulAddress += ulPart << (24 - 8 * i);
    }
    return ulAddress;
}

QString ClTovuCommandIpv4::toText(quint32 ulAddress)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ulAddress >> 24)
        .arg((ulAddress >> 16) & 0xFF)
        .arg((ulAddress >> 8) & 0xFF)
        .arg(ulAddress & 0xFF);
}
