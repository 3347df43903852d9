#pragma once
// Base of the commands answered by several packets (Wi-Fi state, access-point list,
// schedule). After its request (and, except for the schedule, its response) the worker
// reads packets and hands each one to addPacket() until isComplete(); a packet that
// addPacket() refuses is read again. The command keeps what the packets carry and
// writes it into the reply.
#include "ClTovuCommand.h"

class ClPacketListCommand : public ClTovuCommand
{
public:
    using ClTovuCommand::ClTovuCommand;

    // Takes one packet. False when it is dropped without counting: another sequence
    // than the command's or a non-zero status; the worker then reads the packet again.
    virtual bool addPacket(const QByteArray& clPacket) = 0;
    virtual bool isComplete() const = 0;
    // How many packets make the list, as far as known after the response (the worker
    // gives the exchange time by it).
    virtual quint32 packetCount() const = 0;

protected:
    // The packet answers this command and reports success.
    bool belongsHere(const QByteArray& clPacket) const;
};
