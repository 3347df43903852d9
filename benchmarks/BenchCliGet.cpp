// tovu-settings --get of every setting on a virtual camera, in process: the time from the
// camera being announced and asked who it is to the last value printed, median of several
// runs (each run starts its own worker, as each start of the tool does).
//   build/benchmarks/bench_cli_get [RUNS]
#include "cli/ClCliRunner.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication clApp(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("tovu.*.info=false"));
    const int lRuns = argc > 1 ? qBound(1, QByteArray(argv[1]).toInt(), 1000) : 15;
    ClVirtualUsbBus clBus;
    clBus.plug(new ClVirtualCamera(1));

    QList<double> lstMs;
    int lLines = 0;
    for (int i = 0; i < lRuns; ++i) {
        QString strOut, strErr;
        QTextStream clOut(&strOut), clErr(&strErr);
        ClCliRunner clRunner(&clBus, clOut, clErr);
        QElapsedTimer clTimer;
        QObject::connect(&clRunner, &ClCliRunner::sigCamerasFound, &clRunner, [&] { clTimer.start(); });
        const int lExit = clRunner.run({QStringLiteral("tovu-settings"), QStringLiteral("--get")});
        const double dMs = double(clTimer.nsecsElapsed()) / 1e6;
        clOut.flush();
        if (lExit != 0) {
            std::fprintf(stderr, "run %d failed (%d): %s\n", i, lExit, qPrintable(strErr));
            return 1;
        }
        lLines = int(strOut.count(QLatin1Char('\n')));
        lstMs.append(dMs);
    }
    std::sort(lstMs.begin(), lstMs.end());
    std::printf("--get of %d settings on a virtual Tovu-S, after discovery: median %.1f ms, best %.1f ms, worst "
                "%.1f ms (%d runs)\n",
                lLines, lstMs.at(lstMs.size() / 2), lstMs.constFirst(), lstMs.constLast(), lRuns);
    return 0;
}
