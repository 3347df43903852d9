#pragma once
// A stand-in window for the stream pages in front of the real USB worker and an emulated
// camera: what a page sends gets the camera's handle and goes to the worker, and what the
// worker answers for the camera comes back to the attached page.
#include "app/framework/ClPageHost.h"
#include "tests/support/ClWorkerRig.h"

#include <QList>

class ClVirtualCamera;

class ClStreamTestRig : public ClPageHost
{
    Q_OBJECT

public:
    // Plugs a camera of the model in; the bus owns it.
    explicit ClStreamTestRig(int lModel, const QString& strFirmware = QString());

    bool isReady() const { return pHandle != nullptr; }
    ClVirtualCamera& camera() { return *pclCamera; }
    ClWorkerRig& worker() { return clRig; }

    // Everything the pages sent, in order.
    const QList<PV_CMD>& sent() const { return lstSent; }
    int sentCount(const QUuid& uuidKind) const;
    void clearSent() { lstSent.clear(); }
    // The camera's wire codes of the requests it received.
    QList<quint16> cameraCodes() const;

public Q_SLOTS:
    void slotSendCommand(PV_CMD clCommand) override;

private:
    ClWorkerRig clRig;
    ClVirtualCamera* pclCamera = nullptr;
    void* pHandle = nullptr;
    QList<PV_CMD> lstSent;
};
