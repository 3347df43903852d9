// The real tovu-settings executable: it runs with no display and no platform plugin set,
// and tells bad usage by its exit code. (What each command does: TestCliCommands, in
// process.)
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

class TestCliProcess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void getsWithoutDisplay();
    void badUsageExitsTwo();
    void helpListsSettingsOnStdout();

private:
    static QProcessEnvironment withoutDisplay();
    struct Result
    {
        int lExit = -1;
        QString strOut;
        QString strErr;
    };
    static Result run(const QStringList& lstArguments);
};

QProcessEnvironment TestCliProcess::withoutDisplay()
{
    QProcessEnvironment clEnvironment = QProcessEnvironment::systemEnvironment();
    for (const char* pszName : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        clEnvironment.remove(QString::fromLatin1(pszName));
    return clEnvironment;
}

TestCliProcess::Result TestCliProcess::run(const QStringList& lstArguments)
{
    QProcess clProcess;
    clProcess.setProcessEnvironment(withoutDisplay());
    clProcess.start(QStringLiteral(TOVU_CLI_PATH), lstArguments);
    Result stResult;
    if (!clProcess.waitForFinished(30000)) {
        clProcess.kill();
        clProcess.waitForFinished();
        return stResult;
    }
    stResult.lExit = clProcess.exitStatus() == QProcess::NormalExit ? clProcess.exitCode() : -1;
    stResult.strOut = QString::fromUtf8(clProcess.readAllStandardOutput());
    stResult.strErr = QString::fromUtf8(clProcess.readAllStandardError());
    return stResult;
}

void TestCliProcess::getsWithoutDisplay()
{
    const Result stResult = run({QStringLiteral("--virtual-camera=tovu-s"), QStringLiteral("--get"),
                                 QStringLiteral("basic.camera_name"), QStringLiteral("stream.live.frame_rate")});
    QVERIFY2(stResult.lExit == 0, qPrintable(stResult.strErr));
    const QStringList lstLines = stResult.strOut.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lstLines.size(), 2);
    QVERIFY(lstLines.at(0).startsWith(QLatin1String("basic.camera_name ")));
    QVERIFY2(lstLines.at(1).contains(QRegularExpression(QStringLiteral("^stream\\.live\\.frame_rate +\\d+ fps$"))),
             qPrintable(lstLines.at(1)));
}

void TestCliProcess::badUsageExitsTwo()
{
    const Result stUnknown = run({QStringLiteral("--frobnicate")});
    QCOMPARE(stUnknown.lExit, 2);
    QVERIFY(stUnknown.strOut.isEmpty());
    QVERIFY(stUnknown.strErr.contains(QLatin1String("frobnicate")));
}

void TestCliProcess::helpListsSettingsOnStdout()
{
    const Result stHelp = run({QStringLiteral("--help")});
    QCOMPARE(stHelp.lExit, 0);
    QVERIFY(stHelp.strErr.isEmpty());
    // Settings of every group, each with what it takes.
    for (const char* pszName : {"basic.camera_name", "basic.key_lock", "network.http_port", "network.wifi",
                                "stream.live.frame_rate", "stream.recording.bit_rate", "schedule."}) {
        QVERIFY2(stHelp.strOut.contains(QLatin1String(pszName)), pszName);
    }
    QVERIFY(stHelp.strOut.contains(QRegularExpression(QStringLiteral("network\\.http_port .*\\d+"))));
}

QTEST_GUILESS_MAIN(TestCliProcess)
#include "TestCliProcess.moc"
