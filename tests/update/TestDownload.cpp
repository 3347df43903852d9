// One update run against a real HTTP server on 127.0.0.1: which URLs are fetched, how
// hashes are checked and retried, and how failures reach the user (one message a run).
#include "ClCommunication.h"
#include "ClDownload.h"
#include "ClProgressDialog.h"
#include "ClTestHttpServer.h"
#include "UpdateTestSupport.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace UpdateTestSupport;

namespace {
const QString strManifestPath = QStringLiteral("tovuupdate/update_firm.xml");
const QString strReadFailure = QStringLiteral(
    "Failed to read update files.\n If this error continues to occur, consult your dealer.");
const QString strNetFailure = QStringLiteral(
    "Failed to obtain update files. Check the network settings on your computer.\n\n");
}  // namespace

class TestDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void manifestAndFilesComeFromBaseUrl();
    void planWithoutFilesSucceedsAtOnce();
    void hashNeverMatchingIsFetchedFourTimes_data();
    void hashNeverMatchingIsFetchedFourTimes();
    void mismatchesCountOverTheWholeRun();
    void httpErrorShowsReplyText();
    void stallEndsWithOneMessage();
    void oversizedManifestOrFileFails();
    void deepManifestPlansNothing();
    void missingOrMalformedSettingsFailBeforeRequest();
    void cancelStopsQuietlyAndRunCanRestart();
    void progressFollowsVerifiedFiles();

private:
    bool startRun(const QStringList& lstExtra = {});
    QStringList paths() const;

    QTemporaryDir clDir;
    QString strSettings;
    ClTestHttpServer* pclServer = nullptr;
    ClDownload* pclDownload = nullptr;
    QSignalSpy* pclSuccess = nullptr;
    QSignalSpy* pclError = nullptr;
};

void TestDownload::init()
{
    qRegisterMetaType<QList<stDataInfo>>();
    pclServer = new ClTestHttpServer(this);
    QVERIFY(pclServer->listen());
    strSettings = clDir.filePath(QStringLiteral("network.xml"));
    QVERIFY(writeSettings(strSettings, pclServer->baseUrl() + "site/"));
    pclDownload = new ClDownload(this);
    pclSuccess = new QSignalSpy(pclDownload, &ClDownload::sigSuccess);
    pclError = new QSignalSpy(pclDownload, &ClDownload::sigError);
}

void TestDownload::cleanup()
{
    delete pclSuccess;
    delete pclError;
    delete pclDownload;
    delete pclServer;
}

bool TestDownload::startRun(const QStringList& lstExtra)
{
    return pclDownload->start(QStringList{"-u", strManifestPath, "-nf", strSettings} + lstExtra);
}

QStringList TestDownload::paths() const
{
    QStringList lstPaths;
    for (const ClTestHttpServer::stRequest& stEntry : pclServer->requests())
        lstPaths << stEntry.strPath;
    return lstPaths;
}

void TestDownload::manifestAndFilesComeFromBaseUrl()
{
    const QByteArray clFile = "firmware image";
    pclServer->setFile("/site/tovuupdate/update_firm.xml",
                       manifest({{"a/b.bin", "01.00.001", md5(clFile)}}));
    pclServer->setFile("/site/tovuupdate/a/b.bin", clFile);

    QVERIFY(startRun());
    QVERIFY(pclSuccess->wait(5000));
    QCOMPARE(paths(), QStringList({"/site/tovuupdate/update_firm.xml", "/site/tovuupdate/a/b.bin"}));
    const auto lstData = pclSuccess->at(0).at(0).value<QList<stDataInfo>>();
    QCOMPARE(lstData.size(), 1);
    QCOMPARE(lstData.at(0).strName, QStringLiteral("a/b.bin"));
    QCOMPARE(lstData.at(0).clData, clFile);
    QCOMPARE(pclError->count(), 0);
}

void TestDownload::planWithoutFilesSucceedsAtOnce()
{
    pclServer->setFile("/site/tovuupdate/update_firm.xml", manifest({}));
    QVERIFY(startRun());
    QVERIFY(pclSuccess->wait(5000));
    QVERIFY(pclSuccess->at(0).at(0).value<QList<stDataInfo>>().isEmpty());
    QCOMPARE(pclServer->requests().size(), 1);
    QVERIFY(!pclDownload->progressDialog()->isVisible());
}

void TestDownload::hashNeverMatchingIsFetchedFourTimes_data()
{
    QTest::addColumn<bool>("bUpperCase");
    QTest::newRow("wrong hash") << false;
    QTest::newRow("upper-case hash of the right file") << true;
}

void TestDownload::hashNeverMatchingIsFetchedFourTimes()
{
    QFETCH(bool, bUpperCase);
    const QByteArray clFile = "payload";
    const QString strHash = bUpperCase ? md5(clFile).toUpper() : md5("something else");
    pclServer->setFile("/site/tovuupdate/update_firm.xml", manifest({{"fw.bin", "1", strHash}}));
    pclServer->setFile("/site/tovuupdate/fw.bin", clFile);

    QVERIFY(startRun());
    QVERIFY(pclError->wait(5000));
    QCOMPARE(pclError->at(0).at(0).toString(), QStringLiteral("Faield to update."));
    QCOMPARE(pclServer->requestCount("/site/tovuupdate/fw.bin"), 4);
    QTest::qWait(100);
    QCOMPARE(pclError->count(), 1);
    QCOMPARE(pclSuccess->count(), 0);
}

void TestDownload::mismatchesCountOverTheWholeRun()
{
    const QByteArray clOne = "first file";
    const QByteArray clTwo = "second file";
    pclServer->setFile("/site/tovuupdate/update_firm.xml",
                       manifest({{"one.bin", "1", md5(clOne)}, {"two.bin", "1", md5(clTwo)}}));
    pclServer->setFiles("/site/tovuupdate/one.bin", {"damaged", "damaged", clOne});
    pclServer->setFiles("/site/tovuupdate/two.bin", {"damaged", "damaged", clTwo});

    QVERIFY(startRun());
    QVERIFY(pclError->wait(5000));
    QCOMPARE(pclError->at(0).at(0).toString(), QStringLiteral("Faield to update."));
    // The fourth mismatch of the run is the second one of the second file.
    QCOMPARE(pclServer->requestCount("/site/tovuupdate/one.bin"), 3);
    QCOMPARE(pclServer->requestCount("/site/tovuupdate/two.bin"), 2);
    QCOMPARE(pclSuccess->count(), 0);
}

void TestDownload::httpErrorShowsReplyText()
{
    pclServer->setStatus("/site/tovuupdate/update_firm.xml", 503, "Service Unavailable");
    QVERIFY(startRun());
    QVERIFY(pclError->wait(5000));
    const QString strText = pclError->at(0).at(0).toString();
    QVERIFY2(strText.startsWith(strNetFailure), qPrintable(strText));
    QVERIFY2(strText.contains("Service Unavailable"), qPrintable(strText));
    QTest::qWait(100);
    QCOMPARE(pclError->count(), 1);
}

void TestDownload::stallEndsWithOneMessage()
{
    pclDownload->communication()->setTimeout(300);
    pclServer->setStall("/site/tovuupdate/update_firm.xml", 1000, "<upd");
    QElapsedTimer clTimer;
    clTimer.start();
    QVERIFY(startRun());
    QVERIFY(pclError->wait(5000));
    QVERIFY(clTimer.elapsed() >= 250);
    QCOMPARE(pclError->at(0).at(0).toString(), strNetFailure);
    // Anything later in the same run (the dead transfer's own end, another error) is
    // not shown again.
    pclDownload->slotError(QStringLiteral("late error"));
    QTest::qWait(500);
    QCOMPARE(pclError->count(), 1);
    QVERIFY(!pclDownload->communication()->isBusy());
}

void TestDownload::oversizedManifestOrFileFails()
{
    // A manifest sent without a length grows past 1 MiB while it arrives.
    pclServer->setChunked("/site/tovuupdate/update_firm.xml",
                          "<update>" + QByteArray(ClDownload::llMaxManifestBytes, ' ') + "</update>");
    QVERIFY(startRun());
    QVERIFY(pclError->wait(5000));
    QVERIFY(pclError->at(0).at(0).toString().startsWith(strNetFailure));
    QCOMPARE(pclSuccess->count(), 0);

    // A file announcing more than 256 MiB is refused before its body is read.
    pclServer->setFile("/site/tovuupdate/update_firm.xml", manifest({{"huge.bin", "1", md5("x")}}));
    pclServer->setStall("/site/tovuupdate/huge.bin", ClDownload::llMaxFileBytes + 1, "xxxx");
    QVERIFY(startRun());
    QVERIFY(pclError->wait(5000));
    QCOMPARE(pclError->count(), 2);
    QVERIFY(pclError->at(1).at(0).toString().startsWith(strNetFailure));
    QVERIFY(pclError->at(1).at(0).toString().contains("256"));
}

void TestDownload::deepManifestPlansNothing()
{
    const QByteArray clDeep = QByteArray("<a>").repeated(200) + QByteArray("</a>").repeated(200);
    pclServer->setFile("/site/tovuupdate/update_firm.xml", clDeep);
    QVERIFY(startRun());
    QVERIFY(pclSuccess->wait(5000));
    QVERIFY(pclSuccess->at(0).at(0).value<QList<stDataInfo>>().isEmpty());
}

void TestDownload::missingOrMalformedSettingsFailBeforeRequest()
{
    QFile::remove(strSettings);
    QVERIFY(!startRun());
    QCOMPARE(pclError->count(), 1);
    QCOMPARE(pclError->at(0).at(0).toString(), strReadFailure);

    QFile clFile(strSettings);
    QVERIFY(clFile.open(QIODevice::WriteOnly));
    clFile.write("<settings><sourceurl>");
    clFile.close();
    QVERIFY(!startRun());
    QCOMPARE(pclError->count(), 2);
    QTest::qWait(50);
    QVERIFY(pclServer->requests().isEmpty());
}

void TestDownload::cancelStopsQuietlyAndRunCanRestart()
{
    pclServer->setFile("/site/tovuupdate/update_firm.xml", manifest({{"fw.bin", "1", md5("fw")}}));
    pclServer->setStall("/site/tovuupdate/fw.bin");
    QVERIFY(startRun());
    QTRY_COMPARE(pclServer->requestCount("/site/tovuupdate/fw.bin"), 1);
    QVERIFY(pclDownload->progressDialog()->isVisible());
    pclDownload->slotCancel();
    QTest::qWait(200);
    QCOMPARE(pclError->count(), 0);
    QCOMPARE(pclSuccess->count(), 0);

    pclServer->setFile("/site/tovuupdate/fw.bin", "fw");
    QVERIFY(startRun());
    QVERIFY(pclSuccess->wait(5000));
    QCOMPARE(pclSuccess->at(0).at(0).value<QList<stDataInfo>>().value(0).clData, QByteArray("fw"));

    // A run after a successful one plans only its own manifest's files.
    const int lBefore = pclServer->requestCount("/site/tovuupdate/fw.bin");
    QVERIFY(startRun());
    QVERIFY(pclSuccess->wait(5000));
    QCOMPARE(pclSuccess->at(1).at(0).value<QList<stDataInfo>>().size(), 1);
    QCOMPARE(pclServer->requestCount("/site/tovuupdate/fw.bin"), lBefore + 1);
}

void TestDownload::progressFollowsVerifiedFiles()
{
    QList<stManifestFile> lstFiles;
    for (int i = 1; i <= 3; ++i) {
        const QByteArray clData = QByteArray("file ") + QByteArray::number(i).repeated(i * 1000);
        lstFiles.append({QStringLiteral("f%1.bin").arg(i), "1", md5(clData)});
        pclServer->setFile(QStringLiteral("/site/tovuupdate/f%1.bin").arg(i), clData);
    }
    pclServer->setFile("/site/tovuupdate/update_firm.xml", manifest(lstFiles));
    auto* pclFiles = pclDownload->progressDialog()->findChild<QProgressBar*>("progressFiles");
    auto* pclBytes = pclDownload->progressDialog()->findChild<QProgressBar*>("progressBytes");
    QVector<int> lstSeen;
    connect(pclFiles, &QProgressBar::valueChanged, this, [&](int lValue) { lstSeen << lValue; });
    QVector<int> lstMaxima;
    connect(pclBytes, &QProgressBar::valueChanged, this, [&] {
        if (!lstMaxima.contains(pclBytes->maximum()))
            lstMaxima << pclBytes->maximum();
    });

    QVERIFY(startRun());
    QVERIFY(pclSuccess->wait(5000));
    QCOMPARE(lstSeen, QVector<int>({0, 1, 2, 3}));
    QCOMPARE(pclFiles->maximum(), 3);
    // Each file's own total becomes the byte bar's maximum.
    QVERIFY2(lstMaxima.contains(5 + 1000) && lstMaxima.contains(5 + 2000) && lstMaxima.contains(5 + 3000),
             qPrintable(QString::number(lstMaxima.size())));
    QVERIFY(pclBytes->isHidden());  // the installing view
}

QTEST_MAIN(TestDownload)
#include "TestDownload.moc"
