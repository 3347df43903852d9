// A picture reply: the collected block of a picture request turned into the reply's
// QImage, as the worker does before the preview shows it.
#include "FuzzSupport.h"
#include "protocol/ClCommandCatalogue.h"
#include "protocol/ClEnvelope.h"
#include "protocol/ClReceiveDataCommand.h"

#include <QImage>

namespace {
const ClCommandEntry* g_pstPicture = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication(true);
    g_pstPicture = ClCommandCatalogue::findByClass("ClTovuCommandReqJpeg");
    fuzz::check(g_pstPicture != nullptr, "the picture request is in the catalogue");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t ulSize)
{
    if (ulSize > 4 * 1024 * 1024)
        return -1;
    std::unique_ptr<ClTovuCommand> upCommand = g_pstPicture->pfnBuild(PV_CMD());
    auto* pclPicture = dynamic_cast<ClReceiveDataCommand*>(upCommand.get());
    fuzz::check(pclPicture != nullptr, "the picture request collects a block");
    pclPicture->setReceivedData(fuzz::bytes(pData, ulSize));
    PV_CMD clReply;
    if (g_pstPicture->pfnWriteReply(*pclPicture, clReply) != 0)
        return 0;
    const QImage clImage = clReply.value(ClEnvelope::keyParam(2)).value<QImage>();
    fuzz::check(!clImage.isNull() && clImage.width() <= 8192 && clImage.height() <= 8192, "a bounded picture");
    return 0;
}
