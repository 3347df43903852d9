// The soak run at length: the real window offscreen on the virtual bus, cameras plugged
// in and pulled out while the pages are switched, polled, reloaded and applied under
// random faults. Prints what the run saw, with the GUI thread's longest event and where it
// happened; exits 1 when a promise broke (a hang aborts).
//   build/benchmarks/soak [CYCLES [SEED]]     (500 cycles, seed 20140305)
#include "tests/e2e/SoakRun.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    StallTimingApplication clApp(argc, argv);
    const QStringList lstArgs = QCoreApplication::arguments();
    const int lCycles = lstArgs.size() > 1 ? lstArgs.at(1).toInt() : 500;
    const quint32 ulSeed = lstArgs.size() > 2 ? lstArgs.at(2).toUInt() : 20140305u;
    if (lCycles <= 0) {
        std::fprintf(stderr, "usage: soak [CYCLES [SEED]]\n");
        return 2;
    }
    // Warm-up: the first tenth, at least five cycles, for first-shown pages and caches.
    const int lWarmup = qMin(lCycles, qMax(5, lCycles / 10));

    QElapsedTimer clClock;
    clClock.start();
    SoakRun clRun(ulSeed);
    const bool bRan = clRun.run(lCycles, lWarmup);
    const SoakRun::Figures& stFigures = clRun.figures();
    const qint64 llGrowthKiB = stFigures.llRssEndKiB - stFigures.llRssWarmKiB;

    std::printf("soak: seed %u, %d of %d cycles in %.1f s\n", ulSeed, stFigures.lCycles, lCycles,
                double(clClock.elapsed()) / 1000.0);
    std::printf("crashes: none (every cycle ran in this process)\n");
    std::printf("hangs: none (longest GUI thread stall %lld ms; the watchdog aborts after %d ms)\n",
                static_cast<long long>(stFigures.llLongestStallMs), SoakRun::lHangMs);
    std::printf("longest GUI thread event: %.1f ms, %s\n", double(stFigures.llLongestEventUs) / 1000.0,
                qPrintable(stFigures.strLongestEvent));
    std::printf("removal notices: %d for %d unplugs\n", stFigures.lRemovals, stFigures.lCycles);
    std::printf("faults injected: %d\n", stFigures.lFaults);
    std::printf("RSS: start %lld KiB, after %d warm-up cycles %lld KiB, end %lld KiB (growth %lld KiB)\n",
                static_cast<long long>(stFigures.llRssStartKiB), lWarmup,
                static_cast<long long>(stFigures.llRssWarmKiB), static_cast<long long>(stFigures.llRssEndKiB),
                static_cast<long long>(llGrowthKiB));
    // What the boxes said, and how often.
    QMap<QString, int> mapCounts;
    for (const QString& strText : clRun.boxes())
        ++mapCounts[QString(strText).replace(QLatin1Char('\n'), QLatin1Char(' '))];
    for (auto it = mapCounts.cbegin(); it != mapCounts.cend(); ++it)
        std::printf("  box: %dx \"%s\"\n", it.value(), qPrintable(it.key()));
    if (!bRan) {
        std::printf("FAILED: %s\n", qPrintable(clRun.error()));
        return 1;
    }
    if (stFigures.lRemovals != lCycles) {
        std::printf("FAILED: removal notices do not match the unplugs\n");
        return 1;
    }
#if defined(__SANITIZE_ADDRESS__)
    // Freed memory waits in AddressSanitizer's quarantine: RSS says nothing; its leak check
    // at exit judges instead.
    std::printf("RSS not judged under AddressSanitizer\n");
#else
    if (llGrowthKiB >= 5 * 1024) {
        std::printf("FAILED: RSS grew by 5 MiB or more after warm-up\n");
        return 1;
    }
#endif
    return 0;
}
