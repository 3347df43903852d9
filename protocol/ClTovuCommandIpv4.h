#pragma once
// A command that carries an IPv4 address in param1, most significant byte first:
// a.b.c.d travels as a*2^24 + b*2^16 + c*2^8 + d.
#include <QString>

#include "ClTovuCommand.h"

class ClTovuCommandIpv4 : public ClTovuCommand
{
public:
    explicit ClTovuCommandIpv4(quint16 usCode);
    ClTovuCommandIpv4(const QString& strAddress, quint16 usCode);

    // param1 as dotted text
    QString address() const { return toText(ulParam1); }

    // Parts that are not decimal numbers from 0 to 255 count as 0; parts after the
    // fourth are ignored.
    static quint32 fromText(const QString& strAddress);
    static QString toText(quint32 ulAddress);
};
