// Finding the programs that hold a device node open: in a made-up /proc (other
// processes, this one, entries that are not processes, a process without a name) and
// in the real one, with a child process that holds a file open.
#include "usb/ClUsbHolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestUsbHolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void madeUpProc();
    void realProc();
};

namespace {
void addProcess(const QDir& clProc, const QString& strPid, const QString& strComm, const QStringList& lstTargets)
{
    QVERIFY(clProc.mkpath(strPid + QStringLiteral("/fd")));
    if (!strComm.isNull()) {
        QFile clComm(clProc.filePath(strPid + QStringLiteral("/comm")));
        QVERIFY(clComm.open(QIODevice::WriteOnly));
        clComm.write(strComm.toUtf8() + '\n');
    }
    for (int i = 0; i < lstTargets.size(); ++i)
        QVERIFY(QFile::link(lstTargets.at(i), clProc.filePath(QStringLiteral("%1/fd/%2").arg(strPid).arg(i + 3))));
}
}  // namespace

void TestUsbHolder::madeUpProc()
{
    QTemporaryDir clTemp;
    QVERIFY(clTemp.isValid());
    const QDir clProc(clTemp.path());
    const QString strNode = QStringLiteral("/dev/bus/usb/001/005");
    addProcess(clProc, QStringLiteral("100"), QStringLiteral("camviewer"), {QStringLiteral("/dev/null"), strNode});
    addProcess(clProc, QStringLiteral("200"), QStringLiteral("shell"), {QStringLiteral("/dev/null")});
    // Another camera on the same bus is not this one.
    addProcess(clProc, QStringLiteral("250"), QStringLiteral("other"), {QStringLiteral("/dev/bus/usb/001/006")});
    addProcess(clProc, QStringLiteral("300"), QString(), {strNode});
    // The tool itself holds the node while it tries, and "self" is no process of its own.
    addProcess(clProc, QString::number(QCoreApplication::applicationPid()), QStringLiteral("me"), {strNode});
    addProcess(clProc, QStringLiteral("self"), QStringLiteral("me"), {strNode});

    QCOMPARE(ClUsbHolder::find(strNode, clProc.path()), QStringList({"camviewer (100)", "? (300)"}));
    QCOMPARE(ClUsbHolder::find(QStringLiteral("/dev/bus/usb/002/001"), clProc.path()), QStringList());
    QCOMPARE(ClUsbHolder::find(strNode, clTemp.filePath(QStringLiteral("missing"))), QStringList());
}

void TestUsbHolder::realProc()
{
    QTemporaryDir clTemp;
    const QString strFile = clTemp.filePath(QStringLiteral("node"));
    QFile clFile(strFile);
    QVERIFY(clFile.open(QIODevice::WriteOnly));
    clFile.close();
    QProcess clHolder;
    // The file open on descriptor 3 of a process named "sleep".
    clHolder.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("exec 3<\"$0\"; exec sleep 30"), strFile});
    QVERIFY(clHolder.waitForStarted());
    const QString strExpected = QStringLiteral("sleep (%1)").arg(clHolder.processId());
    QTRY_COMPARE(ClUsbHolder::find(strFile), QStringList({strExpected}));
    clHolder.kill();
    clHolder.waitForFinished();
    QCOMPARE(ClUsbHolder::find(strFile), QStringList());
}

QTEST_GUILESS_MAIN(TestUsbHolder)

#include "TestUsbHolder.moc"
