#pragma once
// Pattern base of the commands that send a byte block to the camera: "PARAM2"
// (QByteArray) is the block, param1 its length. The worker writes the command, then
// dataPacket(), then reads one response; an empty block is refused with 0xEF01 before
// anything is written.
#include "ClExchange.h"
#include "ClTovuCommandDataSend.h"

class ClSendBlockCommand : public ClTovuCommand
{
public:
    static constexpr ClExchange eExchange = ClExchange::SendData;
    static constexpr bool bHasReply = false;

    ClSendBlockCommand(quint16 usCode, const PV_CMD& clRequest);

    const QByteArray& block() const { return clBlock; }
    // The data packet, on this command's sequence.
    ClTovuCommandDataSend dataPacket() const;

private:
    QByteArray clBlock;
};
