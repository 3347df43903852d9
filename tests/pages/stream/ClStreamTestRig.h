#pragma once
// A stand-in window for the stream pages in front of the real USB worker and an emulated
// camera: what a page sends gets the camera's handle and goes to the worker, and what the
// worker answers for the camera comes back to the attached page.
#include "app/framework/ClPageHost.h"
#include "protocol/ClEnvelope.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QList>

class ClStreamTestRig : public ClPageHost
{
    Q_OBJECT

public:
    // Plugs a camera of the model in; the bus owns it.
    explicit ClStreamTestRig(int lModel, const QString& strFirmware = QString())
    {
        pclCamera = new ClVirtualCamera(lModel, strFirmware);
        pHandle = clRig.plug(pclCamera);
        // As the window does: only the connected camera's envelopes reach the pages.
        connect(&clRig.service(), &ClUsbService::sigSendCommand, this, [this](PV_CMD clCommand) {
            if (ClEnvelope::device(clCommand) == pHandle)
                Q_EMIT sigReceiveCommand(clCommand);
        });
    }

    bool isReady() const { return pHandle != nullptr; }
    ClVirtualCamera& camera() { return *pclCamera; }
    ClWorkerRig& worker() { return clRig; }

    // Everything the pages sent, in order.
    const QList<PV_CMD>& sent() const { return lstSent; }
    int sentCount(const QUuid& uuidKind) const
    {
        return int(std::count_if(lstSent.cbegin(), lstSent.cend(),
                                 [&](const PV_CMD& clCommand) { return ClEnvelope::kind(clCommand) == uuidKind; }));
    }
    void clearSent() { lstSent.clear(); }
    // The camera's wire codes of the requests it received.
    QList<quint16> cameraCodes() const
    {
        QList<quint16> lstCodes;
        for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
            lstCodes.append(stRequest.stPacket.usCode);
        return lstCodes;
    }

public Q_SLOTS:
    void slotSendCommand(PV_CMD clCommand) override
    {
        lstSent.append(clCommand);
        clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
        clRig.service().slotReceiveCommand(clCommand);
    }

private:
    ClWorkerRig clRig;
    ClVirtualCamera* pclCamera = nullptr;
    void* pHandle = nullptr;
    QList<PV_CMD> lstSent;
};
