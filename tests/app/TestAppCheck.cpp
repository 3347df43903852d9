// The single-instance guard: in process, and with real copies of the tool started side by
// side, killed, and run under another user; its messages in the system language.
#include "session/ClAppCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include <grp.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString strToolKey = QStringLiteral("Tovu_USB_Communication");
const int lStartTimeoutMs = 20000;

// The process holding a lock (its pid from the peer credentials), or -1 when it is free.
qint64 lockOwner(const QString& strKey)
{
    QLocalSocket clSocket;
    clSocket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    clSocket.connectToServer(strKey);
    ucred clPeer {};
    socklen_t lSize = sizeof(clPeer);
    if (!clSocket.waitForConnected(1000)
        || ::getsockopt(int(clSocket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &clPeer, &lSize) != 0)
        return -1;
    return clPeer.pid;
}

QString uniqueKey(const char* pWhat)
{
    return QStringLiteral("TovuTest_%1_%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(pWhat));
}

// Start-up error boxes go to standard error instead of being shown.
QProcessEnvironment toolEnvironment(const QString& strLanguage = QString())
{
    QProcessEnvironment clEnv = QProcessEnvironment::systemEnvironment();
    clEnv.insert(QStringLiteral("TOVU_TEST_MESSAGES_TO_STDERR"), QStringLiteral("1"));
    clEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    if (!strLanguage.isEmpty())
        clEnv.insert(QStringLiteral("LC_ALL"), strLanguage);
    return clEnv;
}

// Starts a copy that is expected to take the lock and keep running.
bool startOwner(QProcess& clTool)
{
    clTool.start(QStringLiteral(TOVU_TOOL_PATH), {});
    if (!clTool.waitForStarted(lStartTimeoutMs))
        return false;
    QElapsedTimer clTimer;
    clTimer.start();
    while (clTimer.elapsed() < lStartTimeoutMs) {
        if (lockOwner(strToolKey) == clTool.processId())
            return true;
        if (clTool.state() != QProcess::Running)
            return false;
        QTest::qWait(20);
    }
    return false;
}

// Runs a copy that is expected to be refused: its exit code and what it wrote to stderr.
std::pair<int, QString> runRefusedCopy(const QString& strLanguage = QString())
{
    QProcess clTool;
    clTool.setProcessEnvironment(toolEnvironment(strLanguage));
    clTool.start(QStringLiteral(TOVU_TOOL_PATH), {});
    if (!clTool.waitForFinished(lStartTimeoutMs)) {
        clTool.kill();
        clTool.waitForFinished();
        return {-1000, QStringLiteral("still running")};
    }
    return {clTool.exitCode(), QString::fromUtf8(clTool.readAllStandardError())};
}

}  // namespace

class TestAppCheck : public QObject
{
    Q_OBJECT

private:
    void skipWhenToolRuns()
    {
        if (lockOwner(strToolKey) != -1)
            QSKIP("a copy of the tool is already running on this machine");
    }

private Q_SLOTS:
    void inProcessOutcomes()
    {
        const QString strKey = uniqueKey("owned");
        ClAppCheck clCheck(QStringLiteral("Tool"));
        QCOMPARE(clCheck.checkInstance(strKey), 0);
        QCOMPARE(lockOwner(strKey), QCoreApplication::applicationPid());
        // Checking again, even for another key, keeps the one lock and opens nothing new.
        const QDir clFds(QStringLiteral("/proc/self/fd"));
        const qsizetype lFiles = clFds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size();
        QCOMPARE(clCheck.checkInstance(strKey), 0);
        QCOMPARE(clCheck.checkInstance(uniqueKey("other")), 0);
        QCOMPARE(clFds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), lFiles);
        QCOMPARE(lockOwner(uniqueKey("other")), -1);

        // Each refused check knocks on the owner; the owner drains them so none waits.
        for (int i = 0; i < 50; ++i) {
            ClAppCheck clLate;
            QCOMPARE(clLate.checkInstance(strKey), 1);
            QCoreApplication::processEvents();
        }

        // A key that cannot name a lock; the guard may still succeed afterwards.
        ClAppCheck clUnusable;
        QCOMPARE(clUnusable.checkInstance(QString()), 3);
        QCOMPARE(clUnusable.checkInstance(QString(200, QLatin1Char('k'))), 3);
        QCOMPARE(clUnusable.checkInstance(uniqueKey("after_failure")), 0);
    }

    void secondCopyIsRefusedUntilTheFirstIsKilled()
    {
        skipWhenToolRuns();
        QProcess clFirst;
        clFirst.setProcessEnvironment(toolEnvironment());
        QVERIFY2(startOwner(clFirst), clFirst.readAllStandardError().constData());

        // main returns -1, with the message in the system language (German has none: English).
        const QList<std::pair<const char*, QString>> lstLanguages {{"C.UTF-8", "is already running"},
                                                                   {"ja_JP.UTF-8", "はすでに起動しています"},
                                                                   {"zh_CN.UTF-8", "已在运行"},
                                                                   {"fr_FR.UTF-8", "est déjà en cours d'exécution"},
                                                                   {"de_DE.UTF-8", "is already running"}};
        for (const auto& [pLanguage, strExpected] : lstLanguages) {
            const auto [lExit, strErrors] = runRefusedCopy(QLatin1String(pLanguage));
            QVERIFY2(lExit == 255, qPrintable(QStringLiteral("exit %1: %2").arg(lExit).arg(strErrors)));
            QVERIFY2(strErrors.contains(strExpected), qPrintable(strErrors));
        }

        // The first copy is unaffected. Killed without a chance to clean up, it leaves no
        // stale lock: the next copy starts.
        QCOMPARE(clFirst.state(), QProcess::Running);
        QCOMPARE(lockOwner(strToolKey), clFirst.processId());
        clFirst.kill();
        QVERIFY(clFirst.waitForFinished());
        QProcess clNext;
        clNext.setProcessEnvironment(toolEnvironment());
        QVERIFY2(startOwner(clNext), clNext.readAllStandardError().constData());
        clNext.kill();
        clNext.waitForFinished();
    }

    void copyOfAnotherUserIsToldApart()
    {
        if (::geteuid() != 0)
            QSKIP("running a copy as another user needs root");
        const passwd* pUser = ::getpwnam("nobody");
        if (!pUser)
            QSKIP("there is no user 'nobody' to run a copy as");
        skipWhenToolRuns();
        const uid_t lUid = pUser->pw_uid;
        const gid_t lGid = pUser->pw_gid;

        // The other user's copy gets a home it can write to and none of our XDG folders.
        QProcess clOther;
        QProcessEnvironment clEnv = toolEnvironment();
        clEnv.insert(QStringLiteral("HOME"), QDir::tempPath());
        for (const char* pName : {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
            clEnv.remove(QLatin1String(pName));
        clOther.setProcessEnvironment(clEnv);
        clOther.setChildProcessModifier([lUid, lGid] {
            if (::setgroups(0, nullptr) != 0 || ::setgid(lGid) != 0 || ::setuid(lUid) != 0)
                ::_exit(126);
        });
        if (!startOwner(clOther)) {
            const QByteArray clErrors = clOther.readAllStandardError();
            if (clOther.exitCode() == 126 || clOther.error() == QProcess::FailedToStart)
                QSKIP("cannot run the tool as user nobody here (permissions of the build folder?)");
            QFAIL(clErrors.constData());
        }

        QCOMPARE(ClAppCheck(QStringLiteral("Tool")).checkInstance(strToolKey), 2);
        const auto [lExit, strErrors] = runRefusedCopy();
        QVERIFY2(lExit == 255, qPrintable(QStringLiteral("exit %1: %2").arg(lExit).arg(strErrors)));
        QVERIFY2(strErrors.contains(QLatin1String("Unable to start because another user is running")),
                 qPrintable(strErrors));
        QCOMPARE(clOther.state(), QProcess::Running);
        clOther.kill();
        clOther.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestAppCheck)
#include "TestAppCheck.moc"
