#pragma once
// The text packet of the Wi-Fi state exchange: the two texts of the camera's link.
#include "ClTwoTextPacket.h"

class ClTovuCommandWifiInfo1 : public ClTwoTextPacket
{
public:
    using ClTwoTextPacket::ClTwoTextPacket;
};
