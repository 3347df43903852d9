#pragma once
// What the emulated camera does in answer to one transfer written to it: the transfers it
// queues for the PC to read, in order, the shape of the exchange they belong to (so that
// injected faults know where the lengths and counts sit), and what the camera does next.
#include <QByteArray>
#include <QList>

struct ClVirtualCameraReply
{
    enum class Shape {
        None,             // nothing is answered (a data packet awaited, or one ignored)
        Plain,            // one 32-byte response
        Text,             // one text response
        DataCollection,   // a response naming the length, then the block
        WifiInfo,         // a response, a text packet and a number packet
        AccesspointList,  // a response naming the count, then a text and a number packet per entry
        ScheduleList      // the entry packets, without a separate response
    };
    enum class Event {
        None,
        Restart,  // leave the bus once the answer has been read, and come back
        PowerOff  // leave the bus once the answer has been read, and stay away
    };

    QList<QByteArray> lstPackets;
    Shape eShape = Shape::None;
    Event eEvent = Event::None;
};
