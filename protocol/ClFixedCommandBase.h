#pragma once
// A command that fits the plain 32-byte packet: its parameters are filled from the
// envelope and its reply values read from the response as its layout says.
#include "ClFixedLayout.h"
#include "ClTovuCommand.h"

class ClFixedCommandBase : public ClTovuCommand
{
public:
    ClFixedCommandBase(quint16 usCode, const ClFixedLayout& stLayout, const PV_CMD& clRequest);

    quint16 writeReply(PV_CMD& clReply) const override;

private:
    quint32 argument(ClArg eArg, const PV_CMD& clRequest, int lIndex) const;

    const ClFixedLayout& stLayout;
};
