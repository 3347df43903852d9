#pragma once
// The text packet of one access-point entry: its two texts.
#include "ClTwoTextPacket.h"

class ClTovuCommandAccesspointInfo1 : public ClTwoTextPacket
{
public:
    using ClTwoTextPacket::ClTwoTextPacket;
};
