#include "ClStreamTestRig.h"

#include "protocol/ClEnvelope.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"

ClStreamTestRig::ClStreamTestRig(int lModel, const QString& strFirmware)
{
    pclCamera = new ClVirtualCamera(lModel, strFirmware);
    pHandle = clRig.plug(pclCamera);
    // As the window does: only the connected camera's envelopes reach the pages.
    connect(&clRig.service(), &ClUsbService::sigSendCommand, this, [this](PV_CMD clCommand) {
        if (ClEnvelope::device(clCommand) == pHandle)
            Q_EMIT sigReceiveCommand(clCommand);
    });
}

void ClStreamTestRig::slotSendCommand(PV_CMD clCommand)
{
    lstSent.append(clCommand);
    clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
    clRig.service().slotReceiveCommand(clCommand);
}

int ClStreamTestRig::sentCount(const QUuid& uuidKind) const
{
    int lCount = 0;
    for (const PV_CMD& clCommand : lstSent)
        lCount += ClEnvelope::kind(clCommand) == uuidKind ? 1 : 0;
    return lCount;
}

QList<quint16> ClStreamTestRig::cameraCodes() const
{
    QList<quint16> lstCodes;
    for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
        lstCodes.append(stRequest.stPacket.usCode);
    return lstCodes;
}
