// The USB service under churn: cameras plugged in and pulled out and the service destroyed
// at every stage of its work (before a camera settles, during its name query, with
// requests queued and exchanges under way, and while the cable is being pulled).
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "protocol/TypedKinds.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

#include <functional>
#include <memory>

class TestUsbServiceStress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void churn();
};

void TestUsbServiceStress::initTestCase()
{
    // Hundreds of cameras come and go; warnings are still shown.
    QLoggingCategory::setFilterRules(QStringLiteral("tovu.usb.info=false"));
}

void TestUsbServiceStress::churn()
{
    // Seeded, so that a failing cycle comes back the same way.
    QRandomGenerator clRandom(20240611);
    ClVirtualUsbBus clBus;
    clBus.setImmediateTimeouts(true);
    const QList<ClVirtualCamera*> lstCameras = {new ClVirtualCamera(0), new ClVirtualCamera(1)};
    const QList<QUuid> lstKinds = {requestKind<ClTovuCommandGetTimezone>(), requestKind<ClTovuCommandSetTimezone>(),
                                   requestKind<ClTovuCommandGetWifiInfo>(), requestKind<ClTovuCommandGetScheSetting>()};

    QObject clInbox;  // outlives every service, so that a late reply would still arrive
    bool bServiceGone = false;
    int lAfterDestruction = 0;
    int lOffThread = 0;
    int lReplies = 0;
    QSet<void*> setAnnounced;
    QList<void*> lstHandles = {nullptr};  // handles to address, stale ones of earlier services included
    int lRepeatedHandles = 0;
    int lPosted = 0;
    int lAnswered = 0;  // of the requests of the current cycle
    int lByCamera = 0;  // answers a camera gave (a value or a status), not the worker alone
    int lCutShort = 0;  // cycles whose service went with requests unanswered
    std::unique_ptr<ClUsbService> upService;
    auto fnWaitFor = [](const std::function<bool()>& fnDone) {
        const QDeadlineTimer clDeadline(2000);
        while (!fnDone() && !clDeadline.hasExpired())
            QTest::qWait(1);
        return fnDone();
    };
    auto fnPost = [&](void* pHandle) {
        PV_CMD clRequest;
        clRequest.insert(ClEnvelope::keyCmd(), lstKinds.at(int(clRandom.bounded(lstKinds.size()))));
        clRequest.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
        clRequest.insert(ClEnvelope::keyParam(2), 9);
        upService->slotReceiveCommand(clRequest);
        ++lPosted;
    };
    QElapsedTimer clTimer;
    clTimer.start();

    const int lCycles = 200;
    for (int lCycle = 0; lCycle < lCycles; ++lCycle) {
        const int lTransferDelayMs = int(clRandom.bounded(3));
        for (ClVirtualCamera* pclCamera : lstCameras)
            pclCamera->setTransferDelay(lTransferDelayMs);

        upService = std::make_unique<ClUsbService>(&clBus);
        upService->setSettleDelay(int(clRandom.bounded(4)));
        connect(upService.get(), &ClUsbService::sigSendCommand, &clInbox, [&](const PV_CMD& clReply) {
            ++lReplies;
            if (bServiceGone)
                ++lAfterDestruction;
            if (QThread::currentThread() != clInbox.thread())
                ++lOffThread;
            const QUuid uuidKind = ClEnvelope::kind(clReply);
            if (uuidKind == ClCommandKinds::cameraConnected()) {
                void* pHandle = ClEnvelope::device(clReply);
                if (setAnnounced.contains(pHandle))
                    ++lRepeatedHandles;
                setAnnounced.insert(pHandle);
                lstHandles.append(pHandle);
                return;
            }
            if (uuidKind == ClCommandKinds::cameraRemoved()
                || ClEnvelope::executedKind(clReply) == requestKind<ClTovuCommandGetMachineName>())
                return;
            ++lAnswered;
            if (!ClEnvelope::isErrorNotice(clReply))
                ++lByCamera;
        });
        QVERIFY(upService->init({0x09A1u | (0x0201u << 16)}));
        lPosted = 0;
        lAnswered = 0;
        // Every other cycle starts from a camera this service has announced and one answer
        // from it, so that requests reach a camera rather than end at the worker's guard.
        if (clRandom.bounded(2)) {
            const qsizetype lKnown = lstHandles.size();
            if (!lstCameras.first()->isPlugged())
                clBus.plug(lstCameras.first());
            QVERIFY(fnWaitFor([&] { return lstHandles.size() > lKnown; }));
            fnPost(lstHandles.last());
            QVERIFY(fnWaitFor([&] { return lAnswered == lPosted; }));
        }

        const int lSteps = 3 + int(clRandom.bounded(8));
        for (int lStep = 0; lStep < lSteps; ++lStep) {
            switch (clRandom.bounded(5)) {
            case 0: {
                ClVirtualCamera* pclCamera = lstCameras.at(int(clRandom.bounded(lstCameras.size())));
                if (pclCamera->isPlugged())
                    clBus.unplug(pclCamera);
                else
                    clBus.plug(pclCamera);
                break;
            }
            case 1:
            case 2:
                // Mostly the latest camera, sometimes one that is long gone.
                fnPost(lstHandles.at(clRandom.bounded(5) == 0 ? int(clRandom.bounded(lstHandles.size()))
                                                              : lstHandles.size() - 1));
                break;
            default:
                QTest::qWait(int(clRandom.bounded(6)));
                break;
            }
        }

        if (lAnswered < lPosted)
            ++lCutShort;
        upService.reset();
        bServiceGone = true;
        QCoreApplication::processEvents();
        QVERIFY2(clBus.openHandleCount() == 0, qPrintable(QStringLiteral("cycle %1").arg(lCycle)));
        bServiceGone = false;
    }
    QTest::qWait(20);
    bServiceGone = true;
    QCoreApplication::processEvents();

    QCOMPARE(lAfterDestruction, 0);
    QCOMPARE(lOffThread, 0);
    QCOMPARE(lRepeatedHandles, 0);
    QCOMPARE(clBus.invalidHandleUses(), 0);
    // The churn did what it is for: cameras announced and answering, and services
    // destroyed with requests still in flight.
    QVERIFY2(setAnnounced.size() > lCycles / 2, qPrintable(QString::number(setAnnounced.size())));
    QVERIFY2(lByCamera > lCycles / 4, qPrintable(QString::number(lByCamera)));
    QVERIFY2(lCutShort > lCycles / 4, qPrintable(QString::number(lCutShort)));
    qInfo("%d cycles: %lld cameras announced, %d replies, %d answers from a camera, %d services destroyed with "
          "requests in flight, %lld ms",
          lCycles, qint64(setAnnounced.size()), lReplies, lByCamera, lCutShort, clTimer.elapsed());
}

QTEST_GUILESS_MAIN(TestUsbServiceStress)
#include "TestUsbServiceStress.moc"
