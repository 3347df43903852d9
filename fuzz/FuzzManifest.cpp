// An update manifest as a run receives it, read and planned by the tool's update
// controller. The first byte says what is checked (bit 0: the camera's firmware, else the
// tool; bit 1: an automatic run), the text up to the first line break is the camera's
// firmware version, the rest the manifest. Every planned file must be one the manifest
// offers with a version newer than the installed one, and newer one way only.
#include "FuzzSupport.h"
#include "update/ClTovuDownload.h"

namespace {
// The controller with its planning opened up; nothing of it reaches the network.
class ClPlanningRun : public ClTovuDownload
{
public:
    QList<stDownloadItem> plan(const QByteArray& clManifest, bool bAutomatic)
    {
        reset();
        bAuto = bAutomatic;
        // As if its signature had verified: an unsigned plan ends before anything is planned.
        bManifestSigned = true;
        readManifest(clManifest);
        return clDownloadList;
    }
    bool newer(const QString& strOffered, const QString& strInstalled) const
    {
        return isNewer(strOffered, strInstalled);
    }
    const ClParseXmlUpdate& offered() const { return manifest(); }
};

ClPlanningRun* g_pclRun = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication(false);
    g_pclRun = new ClPlanningRun;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t ulSize)
{
    if (ulSize < 1 || ulSize > 2 * ClParseXml::llMaxBytes)
        return -1;
    const bool bFirmware = (pData[0] & 1) != 0;
    const QByteArray clRest = fuzz::bytes(pData + 1, ulSize - 1);
    const qsizetype lBreak = clRest.indexOf('\n');
    const QString strCamera = QString::fromUtf8(clRest.left(qMax<qsizetype>(lBreak, 0)));
    const QByteArray clManifest = clRest.mid(lBreak + 1);

    g_pclRun->setUpdateKind(bFirmware ? 1 : 0);
    g_pclRun->setCameraVersion(strCamera);
    const QList<stDownloadItem> lstPlanned = g_pclRun->plan(clManifest, (pData[0] & 2) != 0);
    const QString strInstalled = bFirmware ? strCamera : ClTovuDownload::toolVersion();
    for (const stDownloadItem& stItem : lstPlanned) {
        bool bOffered = false;
        for (const stFileEntry& stEntry : g_pclRun->offered().entries()) {
            if (stEntry.strPath != stItem.strPath || stEntry.strHash != stItem.strHash)
                continue;
            bOffered = bOffered || g_pclRun->newer(stEntry.strVersion, strInstalled);
            fuzz::check(!g_pclRun->newer(stEntry.strVersion, strInstalled)
                            || !g_pclRun->newer(strInstalled, stEntry.strVersion),
                        "newer one way only");
        }
        fuzz::check(bOffered, "a planned file is offered and newer");
    }
    return 0;
}
