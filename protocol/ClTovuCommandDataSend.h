#pragma once
// The data packet that follows a command which sends a byte block to the camera:
// type 2, the command's sequence, the block's length, the block.
#include "ClTovuCommand.h"

class ClTovuCommandDataSend : public ClTovuCommand
{
public:
    ClTovuCommandDataSend(quint16 usSequence, const QByteArray& clBlock);

    // Empty when the block is empty: there is nothing to send.
    QByteArray toByteArray() const override;

    const QByteArray& block() const { return clBlock; }

private:
    QByteArray clBlock;
};
