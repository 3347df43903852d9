// The single-instance guard: in process, and with real copies of the tool started side by
// side, killed, and run under another user.
#include "ClAppCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <cstddef>
#include <cstring>
#include <grp.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString strToolKey = QStringLiteral("Tovu_USB_Communication");
const int lStartTimeoutMs = 20000;

// The process holding a lock (its pid from the peer credentials), or -1 when it is free.
qint64 lockOwner(const QString& strKey)
{
    const QByteArray clName = strKey.toUtf8();
    sockaddr_un clAddr {};
    clAddr.sun_family = AF_UNIX;
    std::memcpy(clAddr.sun_path + 1, clName.constData(), size_t(clName.size()));
    const auto lLength = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(clName.size()));
    const int lFd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    qint64 llPid = -1;
    if (::connect(lFd, reinterpret_cast<sockaddr*>(&clAddr), lLength) == 0) {
        ucred clPeer {};
        socklen_t lSize = sizeof(clPeer);
        if (::getsockopt(lFd, SOL_SOCKET, SO_PEERCRED, &clPeer, &lSize) == 0)
            llPid = clPeer.pid;
    }
    ::close(lFd);
    return llPid;
}

int openFileCount()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

QString uniqueKey(const char* pWhat)
{
    return QStringLiteral("TovuTest_%1_%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(pWhat));
}

QProcessEnvironment toolEnvironment()
{
    QProcessEnvironment clEnv = QProcessEnvironment::systemEnvironment();
    clEnv.insert(QStringLiteral("TOVU_TEST_MESSAGES_TO_STDERR"), QStringLiteral("1"));
    clEnv.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
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

struct SecondCopy
{
    int lExitCode = 0;
    QString strErrors;
};

// Runs a copy that is expected to be refused, with an optional language.
SecondCopy runRefusedCopy(const QString& strLanguage = QString())
{
    QProcess clTool;
    QProcessEnvironment clEnv = toolEnvironment();
    if (!strLanguage.isEmpty())
        clEnv.insert(QStringLiteral("LC_ALL"), strLanguage);
    clTool.setProcessEnvironment(clEnv);
    clTool.start(QStringLiteral(TOVU_TOOL_PATH), {});
    SecondCopy clResult;
    if (!clTool.waitForFinished(lStartTimeoutMs)) {
        clTool.kill();
        clTool.waitForFinished();
        clResult.lExitCode = -1000;
        return clResult;
    }
    clResult.lExitCode = clTool.exitCode();
    clResult.strErrors = QString::fromUtf8(clTool.readAllStandardError());
    return clResult;
}

} // namespace

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
    void secondCheckInSameProcessCreatesNothing()
    {
        const QString strKey = uniqueKey("twice");
        ClAppCheck clCheck(QStringLiteral("Tool"));
        QCOMPARE(clCheck.checkInstance(strKey), 0);
        QCOMPARE(lockOwner(strKey), QCoreApplication::applicationPid());
        const int lFiles = openFileCount();
        QCOMPARE(clCheck.checkInstance(strKey), 0);
        QCOMPARE(openFileCount(), lFiles);
        // Even asked for another key, the guard keeps the one lock it has.
        QCOMPARE(clCheck.checkInstance(uniqueKey("other")), 0);
        QCOMPARE(lockOwner(uniqueKey("other")), -1);
    }

    void anotherGuardSeesTheLockTaken()
    {
        const QString strKey = uniqueKey("second");
        ClAppCheck clFirst(QStringLiteral("Tool"));
        ClAppCheck clSecond(QStringLiteral("Tool"));
        QCOMPARE(clFirst.checkInstance(strKey), 0);
        QCOMPARE(clSecond.checkInstance(strKey), 1);
        QCOMPARE(clSecond.checkInstance(strKey), 1); // a refused guard holds nothing
        QCOMPARE(lockOwner(strKey), QCoreApplication::applicationPid());
    }

    void lockIsReleasedWithTheGuard()
    {
        const QString strKey = uniqueKey("released");
        {
            ClAppCheck clCheck;
            QCOMPARE(clCheck.checkInstance(strKey), 0);
        }
        QCOMPARE(lockOwner(strKey), -1);
        ClAppCheck clAgain;
        QCOMPARE(clAgain.checkInstance(strKey), 0);
    }

    void manyKnocksNeverBlockTheCheck()
    {
        // Each refused check knocks on the owner; the owner drains them so none waits.
        const QString strKey = uniqueKey("knocks");
        ClAppCheck clOwner;
        QCOMPARE(clOwner.checkInstance(strKey), 0);
        for (int i = 0; i < 50; ++i) {
            ClAppCheck clLate;
            QCOMPARE(clLate.checkInstance(strKey), 1);
            QCoreApplication::processEvents();
        }
    }

    void unusableKeyCannotInitialise()
    {
        ClAppCheck clCheck(QStringLiteral("Tool"));
        QCOMPARE(clCheck.checkInstance(QString()), 3);
        QCOMPARE(clCheck.checkInstance(QString(200, QLatin1Char('k'))), 3);
        // A failed check leaves the guard free to succeed later.
        QCOMPARE(clCheck.checkInstance(uniqueKey("after_failure")), 0);
    }

    void secondCopyIsRefused()
    {
        skipWhenToolRuns();
        QProcess clFirst;
        clFirst.setProcessEnvironment(toolEnvironment());
        QVERIFY2(startOwner(clFirst), clFirst.readAllStandardError().constData());

        const SecondCopy clSecond = runRefusedCopy();
        QCOMPARE(clSecond.lExitCode, 255); // main returned -1
        QVERIFY2(clSecond.strErrors.contains(QLatin1String("is already running")), qPrintable(clSecond.strErrors));

        // The message follows the system language.
        const SecondCopy clJapanese = runRefusedCopy(QStringLiteral("ja_JP.UTF-8"));
        QCOMPARE(clJapanese.lExitCode, 255);
        QVERIFY2(clJapanese.strErrors.contains(QStringLiteral("はすでに起動しています")),
                 qPrintable(clJapanese.strErrors));

        // The first copy is unaffected.
        QCOMPARE(clFirst.state(), QProcess::Running);
        QCOMPARE(lockOwner(strToolKey), clFirst.processId());
        clFirst.kill();
        clFirst.waitForFinished();
    }

    void killedCopyLeavesNoStaleLock()
    {
        skipWhenToolRuns();
        QProcess clFirst;
        clFirst.setProcessEnvironment(toolEnvironment());
        QVERIFY(startOwner(clFirst));
        clFirst.kill(); // SIGKILL: no chance to clean up
        QVERIFY(clFirst.waitForFinished());

        QProcess clNext;
        clNext.setProcessEnvironment(toolEnvironment());
        QVERIFY2(startOwner(clNext), clNext.readAllStandardError().constData());
        QCOMPARE(clNext.state(), QProcess::Running);
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

        QProcess clOther;
        QProcessEnvironment clEnv = toolEnvironment();
        clEnv.insert(QStringLiteral("HOME"), QDir::tempPath());
        clEnv.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        clEnv.remove(QStringLiteral("XDG_CACHE_HOME"));
        clEnv.remove(QStringLiteral("XDG_CONFIG_HOME"));
        clEnv.remove(QStringLiteral("XDG_DATA_HOME"));
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

        // In process: the lock belongs to another user.
        ClAppCheck clCheck(QStringLiteral("Tool"));
        QCOMPARE(clCheck.checkInstance(strToolKey), 2);

        const SecondCopy clSecond = runRefusedCopy();
        QCOMPARE(clSecond.lExitCode, 255);
        QVERIFY2(clSecond.strErrors.contains(QLatin1String("Unable to start because another user is running")),
                 qPrintable(clSecond.strErrors));
        QCOMPARE(clOther.state(), QProcess::Running);
        clOther.kill();
        clOther.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestAppCheck)
#include "TestAppCheck.moc"
