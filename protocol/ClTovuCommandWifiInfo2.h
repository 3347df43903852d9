#pragma once
// The number packet of the Wi-Fi state exchange: param2..param5 carry its numbers.
#include "ClTovuCommand.h"

class ClTovuCommandWifiInfo2 : public ClTovuCommand
{
public:
    using ClTovuCommand::ClTovuCommand;
};
