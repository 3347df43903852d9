// The device-change watcher of the real bus: notices from a monitor descriptor, and the
// periodic rescan where no monitor can be opened.
#include "usb/ClUdevChangeNotifier.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QtTest>

#include <unistd.h>

namespace {
// A watcher whose monitor is a pipe the test writes to, or that cannot open one at all.
class ClFakeMonitorNotifier : public ClUdevChangeNotifier
{
public:
    explicit ClFakeMonitorNotifier(bool bMonitorAvailable) : m_bMonitorAvailable(bMonitorAvailable)
    {
        QVERIFY(::pipe(m_alPipe) == 0);
    }
    ~ClFakeMonitorNotifier() override
    {
        ::close(m_alPipe[0]);
        ::close(m_alPipe[1]);
    }
    void notice() { QCOMPARE(::write(m_alPipe[1], "x", 1), ssize_t(1)); }
    int lDrained = 0;

protected:
    int openMonitor() override { return m_bMonitorAvailable ? m_alPipe[0] : -1; }
    void drainMonitor() override
    {
        char acByte;
        lDrained += int(::read(m_alPipe[0], &acByte, 1));
    }

private:
    bool m_bMonitorAvailable = false;
    int m_alPipe[2] = {-1, -1};
};
}  // namespace

class TestUdevChangeNotifier : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void monitorNoticesAreForwarded();
    void pollsWithoutMonitorOrDaemon();
};

void TestUdevChangeNotifier::monitorNoticesAreForwarded()
{
    QTemporaryFile clControl;  // a daemon's control socket stands here
    QVERIFY(clControl.open());
    ClFakeMonitorNotifier clNotifier(true);
    clNotifier.setUdevControlPath(clControl.fileName());
    QSignalSpy clChanged(&clNotifier, &ClUsbChangeNotifier::sigChanged);
    clNotifier.start();
    QVERIFY(!clNotifier.isPolling());
    QTest::qWait(50);
    QCOMPARE(clChanged.count(), 0);
    // Each notice is consumed and forwarded once.
    clNotifier.notice();
    QTRY_COMPARE(clChanged.count(), 1);
    QCOMPARE(clNotifier.lDrained, 1);
    clNotifier.notice();
    QTRY_COMPARE(clChanged.count(), 2);
}

void TestUdevChangeNotifier::pollsWithoutMonitorOrDaemon()
{
    // No monitor opens: a rescan at each interval. A monitor opens without a daemon but
    // would never hear of a camera; the real one and a stand-in whose monitor opens both
    // rescan instead.
    const QString strMissing
        = QDir::temp().filePath(QStringLiteral("no-udev-%1/control").arg(QCoreApplication::applicationPid()));
    ClFakeMonitorNotifier clWithout(false);
    ClUdevChangeNotifier clReal;
    ClFakeMonitorNotifier clFake(true);
    clReal.setUdevControlPath(strMissing);
    clFake.setUdevControlPath(strMissing);
    for (ClUdevChangeNotifier* pclNotifier :
         {static_cast<ClUdevChangeNotifier*>(&clWithout), static_cast<ClUdevChangeNotifier*>(&clReal),
          static_cast<ClUdevChangeNotifier*>(&clFake)}) {
        pclNotifier->setPollInterval(30);
        QSignalSpy clChanged(pclNotifier, &ClUsbChangeNotifier::sigChanged);
        pclNotifier->start();
        QVERIFY(pclNotifier->isPolling());
        QTRY_VERIFY_WITH_TIMEOUT(clChanged.count() >= 2, 2000);
    }
}

QTEST_GUILESS_MAIN(TestUdevChangeNotifier)
#include "TestUdevChangeNotifier.moc"
