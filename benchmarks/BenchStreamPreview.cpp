// The stream preview's cost: pictures per second through the real worker and emulated
// camera, and the longest time the GUI thread spends on one picture (taking the reply,
// scaling and painting it into the preview) for 800x480 and 1920x1080 pictures. Decoding
// happens on the worker thread in the tool; it is measured too, apart.
#include "framework/ClPageHost.h"
#include "pages/stream/ClImageView2.h"
#include "pages/stream/ClWidgetStreamBase.h"
#include "protocol/ClEnvelope.h"
#include "protocol/TypedKinds.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualCameraPicture.h"

#include <QElapsedTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {
qint64 threadCpuNs()
{
    timespec stTime {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &stTime);
    return qint64(stTime.tv_sec) * 1000000000 + stTime.tv_nsec;
}

qint64 longest(const QList<qint64>& lstValues)
{
    return *std::max_element(lstValues.begin(), lstValues.end());
}

qint64 median(QList<qint64> lstValues)
{
    std::sort(lstValues.begin(), lstValues.end());
    return lstValues.at(lstValues.size() / 2);
}
}  // namespace

class BenchStreamPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void guiThreadPerPicture_data();
    void guiThreadPerPicture();
    void picturesPerSecond();
};

void BenchStreamPreview::guiThreadPerPicture_data()
{
    QTest::addColumn<QSize>("clSize");
    QTest::newRow("800x480") << QSize(800, 480);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
}

void BenchStreamPreview::guiThreadPerPicture()
{
    QFETCH(QSize, clSize);
    ClPageHost clHost;
    auto* pclPreview = new ClWidgetStreamBase(&clHost);
    pclPreview->setFixedSize(460, 200);
    clHost.resize(460, 200);
    clHost.show();
    pclPreview->activate(&clHost);
    QVERIFY(QTest::qWaitForWindowExposed(&clHost));

    constexpr int lPictures = 200;
    QList<QByteArray> lstJpegs;
    for (int lIndex = 0; lIndex < 4; ++lIndex) {
        ClVirtualCameraPicture::Frame stFrame;
        stFrame.clSize = clSize;
        stFrame.clTime = QDateTime(QDate(2014, 3, 5), QTime(7, 8, lIndex * 15));
        lstJpegs.append(ClVirtualCameraPicture::renderJpeg(stFrame));
    }
    // Wall time includes being preempted on a busy machine; the thread's CPU time is what
    // the preview itself costs.
    QList<qint64> lstWall;
    QList<qint64> lstCpu;
    QList<qint64> lstDecode;
    QElapsedTimer clClock;
    for (int lIndex = 0; lIndex < lPictures; ++lIndex) {
        qint64 llCpu = threadCpuNs();
        const QImage clImage = QImage::fromData(lstJpegs.at(lIndex % lstJpegs.size()));
        lstDecode.append(threadCpuNs() - llCpu);
        PV_CMD clReply;
        clReply.insert(ClEnvelope::keyCmd(), replyKind<ClTovuCommandReqJpeg>());
        clReply.insert(ClEnvelope::keyParam(2), clImage);
        llCpu = threadCpuNs();
        clClock.start();
        pclPreview->slotReceiveCommand(clReply);
        pclPreview->view()->repaint();
        lstWall.append(clClock.nsecsElapsed());
        lstCpu.append(threadCpuNs() - llCpu);
    }
    pclPreview->stop();
    std::printf("%s, GUI thread per picture: CPU longest %.2f ms, median %.2f ms; wall longest %.2f ms, "
                "median %.2f ms (%.0f pictures/s); decoding (worker thread in the tool): CPU longest %.2f ms, "
                "median %.2f ms\n",
                QTest::currentDataTag(), longest(lstCpu) / 1e6, median(lstCpu) / 1e6, longest(lstWall) / 1e6,
                median(lstWall) / 1e6, 1e9 / median(lstWall), longest(lstDecode) / 1e6, median(lstDecode) / 1e6);
}

void BenchStreamPreview::picturesPerSecond()
{
    // The whole loop as the tool runs it, without the 333 ms pause: request, worker, camera,
    // decode, show, request again.
    ClWorkerRig clRig;
    void* pHandle = clRig.plug(new ClVirtualCamera(1));
    QVERIFY(pHandle);
    ClPageHost clHost;
    auto* pclPreview = new ClWidgetStreamBase(&clHost);
    pclPreview->setFixedSize(460, 200);
    clHost.resize(460, 200);
    clHost.show();
    int lShown = 0;
    connect(&clHost, &ClPageHost::sigSendCommand, &clRig, [&](PV_CMD clCommand) {
        clCommand.insert(ClEnvelope::keyDevice(), QVariant::fromValue(pHandle));
        clRig.service().slotReceiveCommand(clCommand);
    });
    connect(&clRig.service(), &ClUsbService::sigSendCommand, &clHost, [&](PV_CMD clCommand) {
        if (ClEnvelope::kind(clCommand) != replyKind<ClTovuCommandReqJpeg>())
            return;
        pclPreview->slotReceiveCommand(clCommand);
        pclPreview->view()->repaint();
        ++lShown;
        pclPreview->slotReqJpeg();
    });
    pclPreview->activate(&clHost);
    pclPreview->start();
    QElapsedTimer clClock;
    clClock.start();
    QTest::qWait(3000);
    pclPreview->stop();
    std::printf("800x480 through the worker: %.1f pictures/s\n", lShown / (clClock.elapsed() / 1000.0));
    QVERIFY(lShown > 0);
}

QTEST_MAIN(BenchStreamPreview)
#include "BenchStreamPreview.moc"
