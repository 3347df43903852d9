// The exchanges of several packets, run by the worker's own code: a ClUsbExchange with a
// controller on the virtual bus, whose camera replays the input as its transfers
// (ClScriptedDevice). The first byte picks the command among those that read more than
// one packet; reads that find nothing time out at once.
#include "ClScriptedDevice.h"
#include "FuzzSupport.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClReceiveDataCommand.h"
#include "protocol/ClTovuCommandGetAccesspointList.h"
#include "usb/ClUsbController.h"
#include "usb/ClUsbExchange.h"
#include "virtualcamera/ClVirtualUsbBus.h"

namespace {
ClVirtualUsbBus* g_pclBus = nullptr;
ClScriptedDevice* g_pclDevice = nullptr;
QVector<const ClCommandEntry*> g_vecEntries;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication(true);
    g_pclBus = new ClVirtualUsbBus;
    g_pclBus->setImmediateTimeouts(true);
    g_pclDevice = new ClScriptedDevice;
    g_pclBus->plug(g_pclDevice);
    g_pclBus->findDevices();
    // A block is sent by the tool, not read: its exchange has nothing to parse.
    for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
        if (stEntry.eExchange != ClExchange::Plain && stEntry.eExchange != ClExchange::SendData)
            g_vecEntries.append(&stEntry);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t ulSize)
{
    if (ulSize < 1 || ulSize > 256 * 1024)
        return -1;
    const ClCommandEntry& stEntry = *g_vecEntries.at(pData[0] % g_vecEntries.size());
    g_pclDevice->setScript(fuzz::bytes(pData + 1, ulSize - 1));
    ClUsbController clCamera(g_pclBus->getBusses()->devices, g_pclBus);
    fuzz::check(clCamera.open(), "the scripted camera opens");

    std::unique_ptr<ClTovuCommand> upCommand = stEntry.pfnBuild(PV_CMD());
    const quint16 usResult = ClUsbExchange(clCamera, 0).run(stEntry.eExchange, *upCommand);
    clCamera.close();
    if (usResult != 0)
        return 0;
    // What the exchange hands on is what the camera announced, never more or less.
    if (const auto* pclBlock = dynamic_cast<const ClReceiveDataCommand*>(upCommand.get()))
        fuzz::check(quint32(pclBlock->receivedData().size()) == pclBlock->expectedSize(), "block of announced length");
    if (const auto* pclList = dynamic_cast<const ClTovuCommandGetAccesspointList*>(upCommand.get()))
        fuzz::check(quint32(pclList->entries().size()) <= ClUsbExchange::ulMaxAccessPoints, "bounded list");
    PV_CMD clReply;
    stEntry.pfnWriteReply(*upCommand, clReply);
    return 0;
}
