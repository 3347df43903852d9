#pragma once
// A long run of the real window on the virtual bus, as a restless user with a loose cable
// gives it: a Tovu or a Tovu-S plugged in, pages switched and polled, Reload and Apply
// pressed while faults are injected at random (busy, time-out, foreign, short, garbage and
// lying answers), then the cable pulled, sometimes in the middle of an exchange. The seed
// fixes every choice, so a failing run can be repeated. A watchdog thread notices a GUI
// thread that stops running (a hang aborts the process with the cycle it happened in).
// Under a StallTimingApplication the run also says which event held the GUI thread longest
// and what the run was doing then.
// Shared by the e2e soak test and the soak benchmark.
#include "StallTimingApplication.h"
#include "WindowRig.h"
#include "framework/ClWidgetBase.h"
#include "protocol/ClCommandKinds.h"
#include "protocol/ClEnvelope.h"
#include "session/ClPageMode.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

class SoakRun
{
public:
    struct Figures
    {
        int lCycles = 0;
        int lRemovals = 0;
        int lFaults = 0;
        qint64 llRssStartKiB = 0;
        qint64 llRssWarmKiB = 0;
        qint64 llRssEndKiB = 0;
        // The longest gap between two heartbeats: the GUI thread away, whoever had it
        // (the run's own waits sleep in steps of 10 ms on it too).
        qint64 llLongestStallMs = 0;
        // The longest single event on the GUI thread and where it was; 0 when the
        // application does not time its events.
        qint64 llLongestEventUs = 0;
        QString strLongestEvent;
    };

    static constexpr int lHangMs = 15000;
    static constexpr int lPatienceMs = 10000;

    explicit SoakRun(quint32 ulSeed) : clRandom(ulSeed), clRig(lSettleMs)
    {
        QObject::connect(clRig.window().usbService(), &ClUsbService::sigSendCommand, &clRig.window(),
                         [this](const PV_CMD& clCommand) {
                             if (ClEnvelope::kind(clCommand) == ClCommandKinds::cameraRemoved())
                                 ++stFigures.lRemovals;
                         });
        clRig.window().session()->setPollingInterval(lPollMs);
        // The window makes a page when it is first shown: all of them now, so that every
        // page polls at the run's pace.
        for (qint32 lMode = 0; lMode < ClPageMode::lCount; ++lMode)
            clRig.window().page(lMode);
        for (ClWidgetBase* pclPage : clRig.window().findChildren<ClWidgetBase*>())
            pclPage->setPollingInterval(lPollMs);
        clRig.window().show();
        for (int lModel : {0, 1})
            apclCameras[lModel] = new ClVirtualCamera(lModel, QString(), 2);
        // Heartbeats from the GUI thread; the watchdog only reads them.
        clHeartbeat.setInterval(20);
        QObject::connect(&clHeartbeat, &QTimer::timeout, [this] { beat(); });
        beat();
        clHeartbeat.start();
        clWatchdog = std::thread([this] { watch(); });
    }
    ~SoakRun()
    {
        bStop = true;
        clWatchdog.join();
        // The cameras belong to the bus once plugged; the ones never plugged are ours.
        for (ClVirtualCamera* pclCamera : apclCameras) {
            if (pclCamera->bus() == nullptr)
                delete pclCamera;
        }
    }

    // Runs lCycles plug/unplug cycles; the RSS after warm-up is taken after lWarmup of them.
    // False with a reason in error() at the first broken promise.
    bool run(int lCycles, int lWarmup)
    {
        stFigures.llRssStartKiB = rssKiB();
        for (int lCycle = 1; lCycle <= lCycles; ++lCycle) {
            lCurrentCycle = lCycle;
            if (!cycle())
                return false;
            stFigures.lCycles = lCycle;
            if (lCycle == lWarmup)
                stFigures.llRssWarmKiB = rssKiB();
        }
        stFigures.llRssEndKiB = rssKiB();
        if (StallTimingApplication* pclTiming = StallTimingApplication::timing()) {
            stFigures.llLongestEventUs = pclTiming->longest().llNs / 1000;
            stFigures.strLongestEvent = pclTiming->longest().strWhere;
        }
        if (lWarmup >= lCycles)
            stFigures.llRssWarmKiB = stFigures.llRssEndKiB;
        return true;
    }

    const Figures& figures() const { return stFigures; }
    QString summary() const
    {
        const Figures& st = stFigures;
        return QStringLiteral("cycles %1, removal notices %2, faults injected %3, longest GUI stall %4 ms, "
                              "RSS start %5 KiB, after warm-up %6 KiB, end %7 KiB; longest event %8 ms: %9")
            .arg(st.lCycles)
            .arg(st.lRemovals)
            .arg(st.lFaults)
            .arg(st.llLongestStallMs)
            .arg(st.llRssStartKiB)
            .arg(st.llRssWarmKiB)
            .arg(st.llRssEndKiB)
            .arg(double(st.llLongestEventUs) / 1000.0, 0, 'f', 1)
            .arg(st.strLongestEvent);
    }
    const QString& error() const { return strError; }
    // Every box's text.
    const QStringList& boxes() const { return clRig.lstBoxes; }

    // Resident set size of this process.
    static qint64 rssKiB()
    {
        QFile clStatus(QStringLiteral("/proc/self/status"));
        if (!clStatus.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& clLine : clStatus.readAll().split('\n')) {
            if (clLine.startsWith("VmRSS:"))
                return clLine.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
        return -1;
    }

private:
    static constexpr int lSettleMs = 20;
    static constexpr int lPollMs = 60;

    bool fail(const QString& strWhy)
    {
        strError = QStringLiteral("cycle %1: %2").arg(lCurrentCycle).arg(strWhy);
        return false;
    }

    // What the run does now, for the longest event's record.
    void doing(const QString& strWhat)
    {
        if (StallTimingApplication* pclTiming = StallTimingApplication::timing())
            pclTiming->setContext(QStringLiteral("cycle %1, %2").arg(lCurrentCycle).arg(strWhat));
    }

    bool cycle()
    {
        const quint32 ulModel = clRandom.bounded(2);
        ClVirtualCamera* pclCamera = apclCameras[ulModel];
        pclCamera->clearAllFaults();
        doing(QStringLiteral("camera of model %1 plugged in").arg(ulModel));
        clRig.bus().plug(pclCamera);
        if (!QTest::qWaitFor(
                [this] { return clRig.window().session()->isConnected() && clRig.window().currentPage() != 0; },
                lPatienceMs))
            return fail(QStringLiteral("the camera was not announced"));

        const int lSteps = 4 + int(clRandom.bounded(8));
        for (int lStep = 0; lStep < lSteps; ++lStep)
            act(pclCamera);

        // The faults armed so far end with the use: what follows is the unplug alone, and
        // a failure still on its way has time to show its box before the count starts.
        pclCamera->clearAllFaults();
        doing(QStringLiteral("page %1 left alone").arg(clRig.window().currentPage()));
        QTest::qWait(2 * lPollMs);
        // Half the time the cable goes in the middle of the next exchanges, else at once.
        const qsizetype lBoxes = clRig.lstBoxes.size();
        const int lRemovals = stFigures.lRemovals;
        doing(QStringLiteral("camera pulled out on page %1").arg(clRig.window().currentPage()));
        if (clRandom.bounded(2) == 0) {
            pclCamera->unplugAtTransfer(ClVirtualUsbDevice::Direction::Both, 1 + int(clRandom.bounded(4)));
            clRig.reload();
            // Without exchanges in that time (a page that neither polls nor reloads) the
            // cable is pulled below.
            static_cast<void>(QTest::qWaitFor([pclCamera] { return !pclCamera->isPlugged(); }, 3 * lPollMs));
        }
        if (pclCamera->isPlugged())
            clRig.bus().unplug(pclCamera);
        if (!QTest::qWaitFor([&] { return stFigures.lRemovals > lRemovals && clRig.window().currentPage() == 0; },
                             lPatienceMs))
            return fail(QStringLiteral("no removal notice"));
        // Answers still on their way have time to bring up a box, or a second notice.
        QTest::qWait(2 * lPollMs);
        if (stFigures.lRemovals != lRemovals + 1)
            return fail(QStringLiteral("%1 removal notices for one unplug").arg(stFigures.lRemovals - lRemovals));
        // A camera being pulled out is news the not-connected page gives: never a box.
        if (clRig.lstBoxes.size() > lBoxes)
            return fail(
                QStringLiteral("boxes for one unplug: %1").arg(clRig.lstBoxes.mid(lBoxes).join(QStringLiteral(" | "))));
        if (clRig.bus().openHandleCount() != 0)
            return fail(QStringLiteral("%1 handles left open").arg(clRig.bus().openHandleCount()));
        return true;
    }

    // One thing a user (or the camera) does.
    void act(ClVirtualCamera* pclCamera)
    {
        const qint32 lPage = clRig.window().currentPage();
        switch (clRandom.bounded(6)) {
        case 0: {
            const qint32 lMode = 1 + qint32(clRandom.bounded(7));
            ClButtonMode* pclButton = clRig.window().modeBar()->button(lMode);
            doing(QStringLiteral("mode button %1 clicked on page %2").arg(lMode).arg(lPage));
            if (pclButton->isEnabled())
                WindowRig::click(pclButton);
            break;
        }
        case 1:
            if (auto* pclSection = qobject_cast<ClListWidgetBase*>(clRig.window().page(lPage))) {
                const int lRow = int(clRandom.bounded(pclSection->pageCount()));
                doing(QStringLiteral("row %1 of page %2 opened").arg(lRow).arg(lPage));
                WindowRig::openRow(pclSection, lRow);
            }
            break;
        case 2:
            doing(QStringLiteral("Reload on page %1").arg(lPage));
            clRig.reload();
            break;
        case 3:
            doing(QStringLiteral("Apply on page %1").arg(lPage));
            clRig.apply();
            break;
        case 4:
            doing(QStringLiteral("fault armed on page %1").arg(lPage));
            injectFault(pclCamera);
            break;
        default:
            doing(QStringLiteral("page %1 left alone").arg(lPage));
            break;
        }
        // Long enough for polls and answers to come and go.
        QTest::qWait(int(lPollMs / 2 + clRandom.bounded(lPollMs)));
    }

    void injectFault(ClVirtualCamera* pclCamera)
    {
        using Fault = ClVirtualCamera::Fault;
        using Direction = ClVirtualUsbDevice::Direction;
        static constexpr Fault aeAnswers[] = {Fault::ForeignSequenceFirst,
                                              Fault::Short,
                                              Fault::Garbage,
                                              Fault::Silent,
                                              Fault::LyingTextLength,
                                              Fault::LyingDataLength,
                                              Fault::LyingAccesspointCount};
        ++stFigures.lFaults;
        // The wire's faults (busy, time-out, nothing read) or a bad answer.
        const quint32 ulPick = clRandom.bounded(10);
        if (ulPick == 0)
            pclCamera->failTransfers(Direction::Write, 1, -16);
        else if (ulPick == 1)
            pclCamera->failTransfers(Direction::Read, 1, -116);
        else if (ulPick == 2)
            pclCamera->returnZeroBytes(Direction::Read, 1);
        else
            pclCamera->injectFault(aeAnswers[ulPick - 3]);
    }

    static qint64 nowMs()
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    void beat()
    {
        const qint64 llNow = nowMs();
        const qint64 llLast = llLastBeat.exchange(llNow);
        if (llLast != 0)
            stFigures.llLongestStallMs = qMax(stFigures.llLongestStallMs, llNow - llLast);
    }

    void watch()
    {
        while (!bStop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const qint64 llQuiet = nowMs() - llLastBeat.load();
            if (llQuiet > lHangMs) {
                std::fprintf(stderr, "soak: hang: the GUI thread has not run for %lld ms in cycle %d\n",
                             static_cast<long long>(llQuiet), lCurrentCycle.load());
                std::abort();
            }
        }
    }

    QRandomGenerator clRandom;
    WindowRig clRig;
    ClVirtualCamera* apclCameras[2] = {};
    Figures stFigures;
    QString strError;
    std::atomic<int> lCurrentCycle {0};
    QTimer clHeartbeat;
    std::atomic<qint64> llLastBeat {0};
    std::atomic<bool> bStop {false};
    std::thread clWatchdog;
};
