#pragma once
// Pattern base of the data-from-camera commands, one per kind of reply value.
#include "ClReceiveDataCommand.h"

template <ClBlockValue eValueOf> class ClReceiveBlockCommand : public ClReceiveDataCommand
{
public:
    ClReceiveBlockCommand(quint16 usCode, const PV_CMD& /*clRequest*/) : ClReceiveDataCommand(usCode, eValueOf) {}
};
