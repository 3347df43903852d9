// A short soak of the real window on the virtual bus: cameras plugged in and pulled out
// while pages are switched, polled, reloaded and applied under random faults. Every
// unplug gives one removal notice and at most one box, no handle stays open, the GUI
// thread never stops, and memory stops growing once the window has warmed up.
#include "SoakRun.h"

class TestWindowSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cyclesUnderFaults()
    {
        constexpr int lCycles = 25;
        SoakRun clRun(20140305);
        const bool bRan = clRun.run(lCycles, 5);
        qInfo().noquote() << clRun.summary();
        QVERIFY2(bRan, qPrintable(clRun.error()));
        const SoakRun::Figures& stFigures = clRun.figures();
        QCOMPARE(stFigures.lCycles, lCycles);
        QCOMPARE(stFigures.lRemovals, lCycles);
        // The seed must keep the run a fault run.
        QVERIFY(stFigures.lFaults > 0);
#if !defined(__SANITIZE_ADDRESS__)
        // AddressSanitizer keeps freed memory in quarantine, so RSS says nothing there;
        // its leak check at exit stands in for this one.
        QVERIFY(stFigures.llRssWarmKiB > 0);
        QVERIFY2(stFigures.llRssEndKiB - stFigures.llRssWarmKiB < 5 * 1024, "RSS grew after warm-up");
#endif
    }
};

// QTEST_MAIN with an application that times its events, so that the summary says where
// the GUI thread was held longest.
int main(int argc, char** argv)
{
    StallTimingApplication clApp(argc, argv);
    clApp.setAttribute(Qt::AA_Use96Dpi, true);
    TestWindowSoak clTest;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&clTest, argc, argv);
}
#include "TestWindowSoak.moc"
