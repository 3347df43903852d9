#pragma once
// How the worker runs a command: one request and one response, or one of the exchanges
// that move a byte block or several packets.

enum class ClExchange {
    Plain,            // one request packet, one response packet
    SendData,         // request, then the block as a data packet, then one response
    ReceiveData,      // request and response, then the block in one or more transfers
    WifiInfo,         // request and response, then a text packet and a number packet
    AccesspointList,  // request and response, then a text and a number packet per entry
    ScheduleList      // request only, then a fixed number of entry packets
};
