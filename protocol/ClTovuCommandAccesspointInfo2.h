#pragma once
// The number packet of one access-point entry: param1 is the 1-based entry number,
// param2..param5 the entry's numbers.
#include "ClTovuCommand.h"

class ClTovuCommandAccesspointInfo2 : public ClTovuCommand
{
public:
    using ClTovuCommand::ClTovuCommand;
};
