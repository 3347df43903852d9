// One response packet parsed into a command of the catalogue, as the worker does once a
// response of the command's sequence has arrived: the first byte picks the command, the
// rest is the packet (up to the largest read the controller makes).
#include "FuzzSupport.h"
#include "protocol/ClCommandCatalogue.h"
#include "usb/ClUsbController.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication(true);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t ulSize)
{
    if (ulSize < 1 || ulSize > 1 + ClUsbController::lMaxReadSize)
        return -1;
    const QVector<ClCommandEntry>& vecEntries = ClCommandCatalogue::entries();
    const ClCommandEntry& stEntry = vecEntries.at(pData[0] % vecEntries.size());
    std::unique_ptr<ClTovuCommand> upCommand = stEntry.pfnBuild(PV_CMD());
    upCommand->fromByteArray(fuzz::bytes(pData + 1, ulSize - 1));
    PV_CMD clReply;
    stEntry.pfnWriteReply(*upCommand, clReply);
    return 0;
}
