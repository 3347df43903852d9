#pragma once
// A status page in a stand-in window wired to a real USB worker and an emulated camera, as
// the window wires the page shown: its envelopes go to the camera with the camera's handle,
// and everything the worker answers about that camera comes back to it. Boxes are answered
// by a responder that records their texts and presses the button the test chose.
#include "app/framework/ClMessageBox.h"
#include "app/framework/ClPageHost.h"
#include "protocol/ClEnvelope.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QtTest>

#include <memory>

class StatusPageRig
{
public:
    explicit StatusPageRig(ClVirtualCamera* pclCamera) : pclCamera(pclCamera)
    {
        pHandle = clRig.plug(pclCamera);
        QObject::connect(&clHost, &ClPageHost::sigSendCommand, &clHost, [this](PV_CMD clCommand) {
            lstSent.append(clCommand);
            clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
            clRig.service().slotReceiveCommand(clCommand);
        });
        QObject::connect(&clRig.service(), &ClUsbService::sigSendCommand, &clHost, [this](PV_CMD clCommand) {
            if (ClEnvelope::device(clCommand) == pHandle)
                Q_EMIT clHost.sigReceiveCommand(clCommand);
        });
        ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
            lstBoxes.append(strText);
            return eAnswer;
        });
    }
    ~StatusPageRig() { ClMessageBox::setTestResponder({}); }

    // Requests the page sent of one kind.
    int sent(const QUuid& uuidKind) const
    {
        return int(std::count_if(lstSent.cbegin(), lstSent.cend(),
                                 [&](const PV_CMD& clCommand) { return ClEnvelope::kind(clCommand) == uuidKind; }));
    }
    // The camera's requests of one wire code.
    int received(quint16 usCode) const
    {
        int lCount = 0;
        for (const ClVirtualCamera::Request& stRequest : pclCamera->requests())
            lCount += stRequest.stPacket.usCode == usCode ? 1 : 0;
        return lCount;
    }

    ClWorkerRig clRig;
    ClPageHost clHost;
    ClVirtualCamera* pclCamera;  // the bus's
    void* pHandle = nullptr;
    QList<PV_CMD> lstSent;
    QStringList lstBoxes;
    QMessageBox::StandardButton eAnswer = QMessageBox::Ok;
};
