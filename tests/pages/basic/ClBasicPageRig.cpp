#include "ClBasicPageRig.h"

#include "app/framework/ClMessageBox.h"
#include "app/framework/ClWidgetBase.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"

#include <QtTest>

ClBasicPageRig::ClBasicPageRig(int lModel_, const QString& strFirmware) : lModel(lModel_)
{
    PvCmd::registerMetaTypes();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return QMessageBox::Ok;
    });
    pclCamera = new ClVirtualCamera(lModel, strFirmware);
    pHandle = clWorker.plug(pclCamera);
    connect(&clHost, &ClPageHost::sigSendCommand, this, [this](PV_CMD clCommand) {
        lstSent.append(clCommand);
        ++lSentTotal;
        clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
        clWorker.service().slotReceiveCommand(clCommand);
    });
    connect(&clWorker.service(), &ClUsbService::sigSendCommand, &clHost, &ClPageHost::sigReceiveCommand);
    connect(&clHost, &ClPageHost::sigSetLog, this, [this](const QString& strText) { lstLogs.append(strText); });
}

ClBasicPageRig::~ClBasicPageRig()
{
    ClMessageBox::setTestResponder({});
}

void ClBasicPageRig::attach(ClWidgetBase* pclPage)
{
    QVERIFY(pHandle);
    pclPage->setCameraInfo(lModel, pclCamera->firmwareVersion());
    pclPage->activate(&clHost);
    QVERIFY(settle());
}

int ClBasicPageRig::answersReceived() const
{
    int lCount = 0;
    for (const PV_CMD& clEnvelope : clWorker.envelopes()) {
        if (ClWorkerRig::kindOf(clEnvelope) != ClCommandKinds::cameraConnected())
            ++lCount;
    }
    return lCount;
}

bool ClBasicPageRig::settle(int lTimeoutMs)
{
    QElapsedTimer clClock;
    clClock.start();
    // Answered, and still answered a moment later: a reply may have led to the next request.
    int lQuiet = 0;
    while (clClock.elapsed() < lTimeoutMs) {
        QTest::qWait(10);
        if (answersReceived() >= lSentTotal)
            ++lQuiet;
        else
            lQuiet = 0;
        if (lQuiet >= 5)
            return true;
    }
    return false;
}

QList<QUuid> ClBasicPageRig::sentKinds() const
{
    QList<QUuid> lstKinds;
    for (const PV_CMD& clCommand : lstSent)
        lstKinds.append(ClEnvelope::kind(clCommand));
    return lstKinds;
}

PV_CMD ClBasicPageRig::lastSent(const QUuid& uuidKind) const
{
    for (auto it = lstSent.crbegin(); it != lstSent.crend(); ++it) {
        if (ClEnvelope::kind(*it) == uuidKind)
            return *it;
    }
    return PV_CMD();
}
