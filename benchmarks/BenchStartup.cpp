// Start-up against a bare window: starts the tool (on its virtual camera) and the bare
// window of the same size in turn, times each from exec to its 600x620 window being mapped
// (the X server's MapNotify, so neither program needs a hook), reads each one's peak and
// current RSS once the tool has had time to announce the camera and show the camera state
// page, and prints both medians and their ratio. Needs an X display of its own:
//   xvfb-run -a -s "-screen 0 1024x768x24" build/benchmarks/bench_startup [RUNS [SETTLE_MS [TOOL...]]]
// (9 runs of each, 5000 ms before the RSS is read, the tool built beside it). Several
// tools (an older build kept aside, say) are started in the same turns, each against the
// same bare window; each turn starts with the next program, half a second apart. The
// machine's load is printed beside the figures: on a busy machine compare ratios from one
// run, not times across runs. Without a D-Bus session bus (a bare server) run it under
// dbus-run-session, as a desktop has one: otherwise Qt in each program forks to look for
// dbus-launch during the start, which costs the larger process more and no user sees.
#include "data/ClDataFolder.h"
#include "data/ClNetworkSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <utility>

namespace {

// The tool's window, and the bare window made the same size.
constexpr int lWindowWidth = 600;
constexpr int lWindowHeight = 620;

struct Sample
{
    double dMapMs = -1;
    qint64 llPeakKiB = -1;
    qint64 llRssKiB = -1;
    int lOtherWindows = 0;
};

// Tells when a new top-level window is mapped on the display.
class MapWatch
{
public:
    MapWatch()
    {
        pclConnection = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(pclConnection) != 0)
            return;
        const xcb_screen_t* pclScreen = xcb_setup_roots_iterator(xcb_get_setup(pclConnection)).data;
        const uint32_t ulMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(pclConnection, pclScreen->root, XCB_CW_EVENT_MASK, &ulMask);
        xcb_flush(pclConnection);
        bOk = true;
    }
    ~MapWatch() { xcb_disconnect(pclConnection); }
    bool isOk() const { return bOk; }

    void drain()
    {
        while (xcb_generic_event_t* pclEvent = xcb_poll_for_event(pclConnection))
            std::free(pclEvent);
    }

    // True when a window of the given size was mapped before lTimeoutMs passed. Only that
    // size counts: a program may map (and at once destroy) some other window first, a
    // widget shown before it had a parent, and that is not its window showing.
    bool waitForMap(const QElapsedTimer& clClock, qint64 llTimeoutMs, int lWidth, int lHeight)
    {
        pollfd stPoll {xcb_get_file_descriptor(pclConnection), POLLIN, 0};
        while (clClock.elapsed() < llTimeoutMs) {
            while (xcb_generic_event_t* pclEvent = xcb_poll_for_event(pclConnection)) {
                xcb_window_t ulWindow = XCB_WINDOW_NONE;
                if ((pclEvent->response_type & 0x7f) == XCB_MAP_NOTIFY)
                    ulWindow = reinterpret_cast<xcb_map_notify_event_t*>(pclEvent)->window;
                std::free(pclEvent);
                if (ulWindow == XCB_WINDOW_NONE)
                    continue;
                if (hasSize(ulWindow, lWidth, lHeight))
                    return true;
                ++lOtherWindows;
            }
            ::poll(&stPoll, 1, 5);
        }
        return false;
    }

    // Windows of another size mapped since the last call.
    int takeOtherWindows() { return std::exchange(lOtherWindows, 0); }

private:
    bool hasSize(xcb_window_t ulWindow, int lWidth, int lHeight)
    {
        // A window already gone has no geometry: not the one waited for.
        xcb_get_geometry_reply_t* pclGeometry
            = xcb_get_geometry_reply(pclConnection, xcb_get_geometry(pclConnection, ulWindow), nullptr);
        const bool bSize = pclGeometry != nullptr && pclGeometry->width == lWidth && pclGeometry->height == lHeight;
        std::free(pclGeometry);
        return bSize;
    }

    xcb_connection_t* pclConnection = nullptr;
    bool bOk = false;
    int lOtherWindows = 0;
};

qint64 statusKiB(qint64 llPid, const char* pszField)
{
    QFile clStatus(QStringLiteral("/proc/%1/status").arg(llPid));
    if (!clStatus.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& clLine : clStatus.readAll().split('\n')) {
        if (clLine.startsWith(pszField))
            return clLine.mid(qsizetype(qstrlen(pszField))).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

QString loadAverage()
{
    QFile clLoad(QStringLiteral("/proc/loadavg"));
    if (!clLoad.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(clLoad.readAll().split(' ').mid(0, 3).join(' '));
}

Sample runOnce(MapWatch& clWatch, const QString& strProgram, const QStringList& lstArgs,
               const QProcessEnvironment& clEnv, int lSettleMs)
{
    Sample stSample;
    QProcess clProcess;
    clProcess.setProcessEnvironment(clEnv);
    clProcess.setStandardOutputFile(QProcess::nullDevice());
    clProcess.setStandardErrorFile(QProcess::nullDevice());
    clWatch.drain();
    QElapsedTimer clClock;
    clClock.start();
    clProcess.start(strProgram, lstArgs);
    if (!clProcess.waitForStarted(10000)) {
        std::fprintf(stderr, "bench_startup: cannot start %s\n", qPrintable(strProgram));
        return stSample;
    }
    if (clWatch.waitForMap(clClock, 20000, lWindowWidth, lWindowHeight))
        stSample.dMapMs = double(clClock.nsecsElapsed()) / 1e6;
    stSample.lOtherWindows = clWatch.takeOtherWindows();
    while (clClock.elapsed() < lSettleMs && clProcess.state() == QProcess::Running)
        QThread::msleep(20);
    stSample.llPeakKiB = statusKiB(clProcess.processId(), "VmHWM:");
    stSample.llRssKiB = statusKiB(clProcess.processId(), "VmRSS:");
    clProcess.terminate();
    if (!clProcess.waitForFinished(5000)) {
        clProcess.kill();
        clProcess.waitForFinished(5000);
    }
    // The X server tidies up after a client that has gone; the next start should not
    // pay for it.
    QThread::msleep(500);
    return stSample;
}

template <class T> T median(QList<T> lstValues)
{
    std::sort(lstValues.begin(), lstValues.end());
    const qsizetype lMid = lstValues.size() / 2;
    return lstValues.size() % 2 != 0 ? lstValues.at(lMid) : (lstValues.at(lMid - 1) + lstValues.at(lMid)) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication clApp(argc, argv);
    const QStringList lstArgs = QCoreApplication::arguments();
    const int lRuns = lstArgs.size() > 1 ? lstArgs.at(1).toInt() : 9;
    const int lSettleMs = lstArgs.size() > 2 ? lstArgs.at(2).toInt() : 5000;
    if (lRuns <= 0 || lSettleMs <= 0) {
        std::fprintf(stderr, "usage: bench_startup [RUNS [SETTLE_MS]]\n");
        return 2;
    }
    MapWatch clWatch;
    if (!clWatch.isOk()) {
        std::fprintf(stderr, "bench_startup: needs an X display (run it under xvfb-run -a)\n");
        return 2;
    }
    const QString strDir = QCoreApplication::applicationDirPath();
    QStringList lstTools = lstArgs.mid(3);
    if (lstTools.isEmpty())
        lstTools.append(strDir + QStringLiteral("/../app/tovu-setting-tool"));
    const QString strBare = strDir + QStringLiteral("/bench_bare_window");

    // A settings folder of the run's own, with the automatic update check off: a check
    // would go out to the network while the figures are taken.
    QTemporaryDir clData;
    QProcessEnvironment clEnv = QProcessEnvironment::systemEnvironment();
    clEnv.insert(QStringLiteral("XDG_DATA_HOME"), clData.path());
    clEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    clEnv.insert(QStringLiteral("XDG_RUNTIME_DIR"), clData.path());
    qputenv("XDG_DATA_HOME", clData.path().toLocal8Bit());
    ClNetworkSettings(ClDataFolder::networkFile()).writeNetworkFile(false);

    std::printf("start-up: %d runs each, alternating, RSS read %d ms after exec; load before: %s\n", lRuns, lSettleMs,
                qPrintable(loadAverage()));
    // One of each first, not counted: the files are in the page cache for every counted run.
    for (const QString& strTool : lstTools)
        runOnce(clWatch, strTool, {QStringLiteral("--virtual-camera")}, clEnv, 500);
    runOnce(clWatch, strBare, {}, clEnv, 200);

    QList<QList<Sample>> lstTool(lstTools.size());
    QList<Sample> lstBare;
    // Each run starts with the next program in turn, so that none is always the one
    // started after a given other.
    const qsizetype lPrograms = lstTools.size() + 1;
    for (int lRun = 0; lRun < lRuns; ++lRun) {
        for (qsizetype lTurn = 0; lTurn < lPrograms; ++lTurn) {
            const qsizetype i = (lRun + lTurn) % lPrograms;
            if (i < lstTools.size())
                lstTool[i].append(
                    runOnce(clWatch, lstTools.at(i), {QStringLiteral("--virtual-camera")}, clEnv, lSettleMs));
            else
                lstBare.append(runOnce(clWatch, strBare, {}, clEnv, lSettleMs));
        }
        std::printf("  run %d:", lRun + 1);
        for (qsizetype i = 0; i < lstTools.size(); ++i) {
            std::printf(" tool %lld %.1f ms, peak %lld KiB;", static_cast<long long>(i + 1), lstTool[i].last().dMapMs,
                        static_cast<long long>(lstTool[i].last().llPeakKiB));
            if (lstTool[i].last().lOtherWindows > 0)
                std::printf(" (%d other window(s) mapped first)", lstTool[i].last().lOtherWindows);
        }
        std::printf(" bare %.1f ms, peak %lld KiB\n", lstBare.last().dMapMs,
                    static_cast<long long>(lstBare.last().llPeakKiB));
        std::fflush(stdout);
    }

    const auto figures = [](const QList<Sample>& lstSamples) {
        QList<double> lstMap;
        QList<qint64> lstPeak;
        QList<qint64> lstRss;
        for (const Sample& stSample : lstSamples) {
            lstMap.append(stSample.dMapMs);
            lstPeak.append(stSample.llPeakKiB);
            lstRss.append(stSample.llRssKiB);
        }
        return Sample {median(lstMap), median(lstPeak), median(lstRss)};
    };
    const auto allMapped = [](const QList<Sample>& lstSamples) {
        return std::all_of(lstSamples.cbegin(), lstSamples.cend(), [](const Sample& st) { return st.dMapMs > 0; });
    };
    bool bAllMapped = allMapped(lstBare);
    const Sample stBare = figures(lstBare);
    std::printf("bare window (median): mapped after %.1f ms, peak RSS %.1f MB, RSS %.1f MB\n", stBare.dMapMs,
                double(stBare.llPeakKiB) / 1024, double(stBare.llRssKiB) / 1024);
    for (qsizetype i = 0; i < lstTools.size(); ++i) {
        bAllMapped = bAllMapped && allMapped(lstTool.at(i));
        const Sample stTool = figures(lstTool.at(i));
        std::printf("tool %lld (%s), median:\n", static_cast<long long>(i + 1), qPrintable(lstTools.at(i)));
        std::printf("  exec to mapped window %.1f ms, ratio to the bare window %.2f\n", stTool.dMapMs,
                    stTool.dMapMs / stBare.dMapMs);
        std::printf("  peak RSS %.1f MB, ratio %.2f; RSS at %d ms %.1f MB, ratio %.2f\n",
                    double(stTool.llPeakKiB) / 1024, double(stTool.llPeakKiB) / double(stBare.llPeakKiB), lSettleMs,
                    double(stTool.llRssKiB) / 1024, double(stTool.llRssKiB) / double(stBare.llRssKiB));
    }
    std::printf("load after: %s\n", qPrintable(loadAverage()));
    if (!bAllMapped) {
        std::printf("FAILED: a window was never mapped\n");
        return 1;
    }
    return 0;
}
