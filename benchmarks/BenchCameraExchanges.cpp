// How fast a command goes round (envelope, worker thread, virtual bus, device and the reply
// back on this thread) and how fast a 16 MiB firmware block goes out, each against two
// devices: the emulated camera, and a device that answers at once, which leaves the tool's
// own cost. The exchange alone (ClUsbExchange on a controller, no thread, no envelope hop)
// tells the queues' share from the packets'. A table of both at the end.
#include "protocol/ClCommandCatalogue.h"
#include "tests/support/ClWorkerRig.h"
#include "usb/ClUsbController.h"
#include "usb/ClUsbExchange.h"
#include "usb/ClUsbService.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualFirmwareImage.h"
#include "virtualcamera/ClVirtualInstantDevice.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace {
constexpr qsizetype llFirmwareBytes = 16 * 1024 * 1024 - 64;

ClVirtualUsbDevice* makeDevice(const QByteArray& clTag)
{
    if (clTag == "instant")
        return new ClVirtualInstantDevice();
    return new ClVirtualCamera(1);
}

// The best batch's time per run in nanoseconds, over batches of at least 100 ms: the
// machine is shared, and the least disturbed batch is the nearest to the code's own cost.
// Null when a run failed.
std::optional<double> bestNsPerRun(const std::function<bool()>& fnOnce)
{
    if (!fnOnce())  // warms the caches and the allocator, and checks the outcome once
        return std::nullopt;
    qint64 llRuns = 1;
    double dBest = 0;
    for (int lBatch = 0; lBatch < 7;) {
        QElapsedTimer clTimer;
        clTimer.start();
        for (qint64 i = 0; i < llRuns; ++i) {
            if (!fnOnce())
                return std::nullopt;
        }
        const qint64 llNs = clTimer.nsecsElapsed();
        if (llNs < 100 * 1000 * 1000) {
            llRuns *= 2;
            continue;
        }
        const double dPerRun = double(llNs) / double(llRuns);
        dBest = lBatch == 0 ? dPerRun : qMin(dBest, dPerRun);
        ++lBatch;
    }
    return dBest;
}

// One figure per row and device, for the table at the end.
struct Figures
{
    QStringList lstRows;
    QHash<QString, double> hashValues;  // "row/device"
    QHash<QString, QString> hashUnits;  // by row
    double dHopNs = 0;                  // two queued calls, no tool code
};

Figures& figures()
{
    static Figures s_stFigures;
    return s_stFigures;
}

void note(const QString& strRow, const char* pszUnit, double dValue)
{
    Figures& stFigures = figures();
    if (!stFigures.lstRows.contains(strRow))
        stFigures.lstRows.append(strRow);
    stFigures.hashUnits.insert(strRow, QLatin1String(pszUnit));
    stFigures.hashValues.insert(strRow + QLatin1Char('/') + QLatin1String(QTest::currentDataTag()), dValue);
}

// Reports a round trip in microseconds, a block in MB/s (10^6 bytes per second).
void report(const char* pszRow, std::optional<double> optNs, qsizetype llBytes = 0)
{
    if (!optNs)
        QFAIL("a run failed");
    const QString strRow = QLatin1String(pszRow);
    if (llBytes == 0) {
        note(strRow, "us", *optNs / 1000.0);
        QTest::setBenchmarkResult(*optNs, QTest::WalltimeNanoseconds);
    } else {
        const double dBytesPerSecond = double(llBytes) * 1e9 / *optNs;
        note(strRow, "MB/s", dBytesPerSecond / 1e6);
        QTest::setBenchmarkResult(dBytesPerSecond, QTest::BytesPerSecond);
    }
}

// A device alone on a bus, opened by a controller of its own: no worker, no thread.
struct DirectRig
{
    explicit DirectRig(ClVirtualUsbDevice* pclDevice)
    {
        clBus.setImmediateTimeouts(true);
        clBus.plug(pclDevice);
        clBus.findDevices();
        upController = std::make_unique<ClUsbController>(clBus.getBusses()->devices, &clBus);
        upController->open();
    }
    ~DirectRig() { upController->close(); }

    // Builds the command from its arguments, as the worker does, and exchanges it.
    quint16 run(const ClCommandEntry& stEntry, const PV_CMD& clArgs)
    {
        const std::unique_ptr<ClTovuCommand> upCommand = stEntry.pfnBuild(clArgs);
        return ClUsbExchange(*upController, 5000).run(stEntry.eExchange, *upCommand);
    }

    ClVirtualUsbBus clBus;
    std::unique_ptr<ClUsbController> upController;
};
}  // namespace

class BenchCameraExchanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void getRoundTrip_data() { devices(); }
    void getRoundTrip();
    void setRoundTrip_data() { devices(); }
    void setRoundTrip();
    void getExchange_data() { devices(); }
    void getExchange();
    void setExchange_data() { devices(); }
    void setExchange();
    void firmwareRoundTrip_data() { devices(); }
    void firmwareRoundTrip();
    void firmwareExchange_data() { devices(); }
    void firmwareExchange();
    // Two queued calls, there and back, with no code of the tool: the floor under every
    // round trip on this machine.
    void threadHop();
    // Only the emulated camera answers these.
    void textRoundTrip();
    void pictureRoundTrip();

private:
    static void devices();
    // A worker on a virtual bus with the device plugged in and announced.
    void plug(ClVirtualUsbDevice* pclDevice);

    std::unique_ptr<ClWorkerRig> m_upRig;
    void* m_pHandle = nullptr;
    QByteArray m_clImage;
};

void BenchCameraExchanges::initTestCase()
{
    PvCmd::registerMetaTypes();
    m_clImage = ClVirtualFirmwareImage::make(QStringLiteral("01.00.012"), QStringLiteral("Tovu-S"), llFirmwareBytes);
}

void BenchCameraExchanges::cleanupTestCase()
{
    m_upRig.reset();
    const Figures& stFigures = figures();
    std::printf("\n%-40s %16s %16s\n", "", "emulated camera", "instant device");
    for (const QString& strRow : stFigures.lstRows) {
        const QString strLabel = strRow + QStringLiteral(" (") + stFigures.hashUnits.value(strRow) + QLatin1Char(')');
        std::printf("%-40s %16.1f %16.1f\n", qPrintable(strLabel),
                    stFigures.hashValues.value(strRow + QStringLiteral("/camera")),
                    stFigures.hashValues.value(strRow + QStringLiteral("/instant")));
    }
    if (stFigures.dHopNs > 0)
        std::printf("%-40s %16s %16.1f\n", "thread hop there and back, no tool (us)", "", stFigures.dHopNs / 1000.0);
    std::fflush(stdout);
}

void BenchCameraExchanges::devices()
{
    QTest::addColumn<int>("unused");  // the row's tag names the device
    QTest::newRow("camera") << 0;
    QTest::newRow("instant") << 0;
}

void BenchCameraExchanges::plug(ClVirtualUsbDevice* pclDevice)
{
    m_upRig.reset();
    m_upRig = std::make_unique<ClWorkerRig>();
    m_upRig->service().setResponseTimeout(5000);
    m_pHandle = m_upRig->plug(pclDevice);
    QVERIFY(m_pHandle);
    m_upRig->clear();
}

void BenchCameraExchanges::getRoundTrip()
{
    plug(makeDevice(QTest::currentDataTag()));
    const QUuid uuidReply = ClCommandCatalogue::replyKindOf("ClTovuCommandGetTimezone");
    report("round trip, Get", bestNsPerRun([&] {
               const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandGetTimezone");
               m_upRig->clear();
               return ClWorkerRig::kindOf(clAnswer) == uuidReply;
           }));
}

void BenchCameraExchanges::setRoundTrip()
{
    plug(makeDevice(QTest::currentDataTag()));
    const PV_CMD clArgs = ClWorkerRig::args({9});
    report("round trip, Set", bestNsPerRun([&] {
               const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandSetTimezone", clArgs);
               m_upRig->clear();
               return !clAnswer.isEmpty() && ClWorkerRig::resultOf(clAnswer) == 0;
           }));
}

void BenchCameraExchanges::getExchange()
{
    DirectRig stRig(makeDevice(QTest::currentDataTag()));
    const ClCommandEntry& stEntry = *ClCommandCatalogue::findByClass("ClTovuCommandGetTimezone");
    report("exchange alone, Get", bestNsPerRun([&] { return stRig.run(stEntry, PV_CMD()) == 0; }));
}

void BenchCameraExchanges::setExchange()
{
    DirectRig stRig(makeDevice(QTest::currentDataTag()));
    const ClCommandEntry& stEntry = *ClCommandCatalogue::findByClass("ClTovuCommandSetTimezone");
    const PV_CMD clArgs = ClWorkerRig::args({9});
    report("exchange alone, Set", bestNsPerRun([&] { return stRig.run(stEntry, clArgs) == 0; }));
}

void BenchCameraExchanges::firmwareRoundTrip()
{
    plug(makeDevice(QTest::currentDataTag()));
    const PV_CMD clArgs = ClWorkerRig::args({m_clImage});
    report("firmware 16 MiB, round trip", bestNsPerRun([&] {
               const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandExecFwUpdateData", clArgs, 60000);
               m_upRig->clear();
               return !clAnswer.isEmpty() && ClWorkerRig::resultOf(clAnswer) == 0;
           }),
           m_clImage.size());
}

// On this thread the allocator's main arena gives the two 16 MiB buffers of each run back to
// the system and faults them in again (about 30 times the page faults of the worker's
// arena), so this figure is below the round trip's; the tool sends blocks on the worker.
void BenchCameraExchanges::firmwareExchange()
{
    DirectRig stRig(makeDevice(QTest::currentDataTag()));
    const ClCommandEntry& stEntry = *ClCommandCatalogue::findByClass("ClTovuCommandExecFwUpdateData");
    const PV_CMD clArgs = ClWorkerRig::args({m_clImage});
    report("firmware 16 MiB, exchange alone", bestNsPerRun([&] { return stRig.run(stEntry, clArgs) == 0; }),
           m_clImage.size());
}

void BenchCameraExchanges::threadHop()
{
    QThread clThread;
    QObject clFar;
    clFar.moveToThread(&clThread);
    clThread.start();
    QObject clHome;
    const std::optional<double> optNs = bestNsPerRun([&] {
        // Waited for as the rig waits for an answer: in an event loop of its own.
        QEventLoop clLoop;
        bool bBack = false;
        QMetaObject::invokeMethod(
            &clFar,
            [&] {
                QMetaObject::invokeMethod(
                    &clHome,
                    [&] {
                        bBack = true;
                        clLoop.quit();
                    },
                    Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
        clLoop.exec();
        return bBack;
    });
    clThread.quit();
    clThread.wait();
    if (!optNs)
        QFAIL("no hop came back");
    figures().dHopNs = *optNs;
    QTest::setBenchmarkResult(*optNs, QTest::WalltimeNanoseconds);
}

void BenchCameraExchanges::textRoundTrip()
{
    plug(new ClVirtualCamera(1));
    QBENCHMARK
    {
        const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandGetWifiInfo");
        if (clAnswer.value(QStringLiteral("PARAM3")).toString().isEmpty())
            QFAIL("no Wi-Fi state");
        m_upRig->clear();
    }
}

void BenchCameraExchanges::pictureRoundTrip()
{
    plug(new ClVirtualCamera(1));
    QBENCHMARK
    {
        const PV_CMD clAnswer = m_upRig->request(m_pHandle, "ClTovuCommandReqJpeg");
        if (clAnswer.value(QStringLiteral("PARAM2")).value<QImage>().isNull())
            QFAIL("no picture");
        m_upRig->clear();
    }
}

QTEST_GUILESS_MAIN(BenchCameraExchanges)
#include "BenchCameraExchanges.moc"
