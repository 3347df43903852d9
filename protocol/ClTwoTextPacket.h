#pragma once
// The text packet of the list exchanges: head, param1, then two texts, each a 32-bit
// length and that many 8-bit characters (read up to the first zero byte). A length
// beyond the packet yields the part of the text that arrived.
#include <QString>

#include "ClTovuCommand.h"

class ClTwoTextPacket : public ClTovuCommand
{
public:
    ClTwoTextPacket() = default;
    // A packet as the camera sends it (used to emulate one).
    ClTwoTextPacket(quint16 usSequence, quint32 ulParam1, const QString& strFirst, const QString& strSecond);

    void fromByteArray(const QByteArray& clBytes) override;
    QByteArray toByteArray() const override;

    QString firstText() const { return strFirst; }
    QString secondText() const { return strSecond; }

private:
    QString strFirst;
    QString strSecond;
};
