#pragma once
// Base of the commands that ask the camera for a byte block. The worker executes the
// request (the response's param1 is the block's length, expectedSize()), collects the
// block with a ClTovuCommandDataReceive on the command's sequence and hands the bytes
// over with setReceivedData() before it asks for the reply.
#include "ClExchange.h"
#include "ClTovuCommand.h"

// What the reply's "PARAM2" makes of the block.
enum class ClBlockValue {
    Bytes,  // the bytes (QByteArray)
    Text,   // 8-bit text up to the first zero byte (QString)
    Image,  // a QImage, format detected from the data; 0xEF04 when it does not decode
};

class ClReceiveDataCommand : public ClTovuCommand
{
public:
    static constexpr ClExchange eExchange = ClExchange::ReceiveData;
    static constexpr bool bHasReply = true;

    ClReceiveDataCommand(quint16 usCode, ClBlockValue eValue);

    quint32 expectedSize() const { return ulParam1; }
    void setReceivedData(const QByteArray& clData);
    const QByteArray& receivedData() const { return clData; }

    quint16 writeReply(PV_CMD& clReply) const override;

private:
    ClBlockValue eValue;
    QByteArray clData;
};
