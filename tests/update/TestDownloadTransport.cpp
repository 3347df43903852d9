// The transport of an update run with real peers: an HTTPS server whose self-signed
// certificate must not be accepted, and a tinyproxy instance the settings file names.
#include "ClDownload.h"
#include "ClTestHttpServer.h"
#include "UpdateTestSupport.h"

#include <QProcess>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace UpdateTestSupport;

namespace {
const QString strNetFailure = QStringLiteral(
    "Failed to obtain update files. Check the network settings on your computer.\n\n");

quint16 freePort()
{
    QTcpServer clProbe;
    clProbe.listen(QHostAddress::LocalHost, 0);
    return clProbe.serverPort();
}
}  // namespace

class TestDownloadTransport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void selfSignedCertificateEndsRun_data();
    void selfSignedCertificateEndsRun();
    void proxyFromSettingsFileIsUsed();
    void proxyCredentialsFromSettingsFile();
    void wrongProxyPasswordFails();

private:
    bool startProxy();
    void runAgainst(const QString& strSource, bool bProxy, bool bAuth, const QString& strPassword);

    QTemporaryDir clDir;
    QProcess clProxy;
    quint16 usProxyPort = 0;
    ClTestHttpServer clPlain;
    QSignalSpy* pclSuccess = nullptr;
    QSignalSpy* pclError = nullptr;
    std::unique_ptr<ClDownload> pclDownload;
};

void TestDownloadTransport::initTestCase()
{
    qRegisterMetaType<QList<stDataInfo>>();
    QVERIFY(clPlain.listen());
    clPlain.setFile("/tovuupdate/update_firm.xml", manifest({{"fw.bin", "1", md5("firmware")}}));
    clPlain.setFile("/tovuupdate/fw.bin", "firmware");
    QVERIFY2(startProxy(), "tinyproxy did not start (scripts/setup.sh --test installs it)");
}

void TestDownloadTransport::cleanupTestCase()
{
    clProxy.terminate();
    clProxy.waitForFinished(3000);
}

bool TestDownloadTransport::startProxy()
{
    const QString strTinyproxy = QStandardPaths::findExecutable("tinyproxy", {"/usr/bin", "/usr/sbin"});
    if (strTinyproxy.isEmpty())
        return false;
    usProxyPort = freePort();
    const QString strConfig = clDir.filePath("tinyproxy.conf");
    QFile clFile(strConfig);
    if (!clFile.open(QIODevice::WriteOnly))
        return false;
    clFile.write("Port " + QByteArray::number(usProxyPort) + "\n"
                 "Listen 127.0.0.1\nTimeout 30\nMaxClients 20\nAllow 127.0.0.1\n"
                 "BasicAuth alice s3cr3t\nLogLevel Warning\n");
    clFile.close();
    clProxy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    clProxy.start(strTinyproxy, {"-d", "-c", strConfig});
    if (!clProxy.waitForStarted(5000))
        return false;
    // Ready when it accepts connections.
    for (int i = 0; i < 100; ++i) {
        QTcpSocket clSocket;
        clSocket.connectToHost(QHostAddress::LocalHost, usProxyPort);
        if (clSocket.waitForConnected(100))
            return true;
        QTest::qWait(50);
    }
    return false;
}

void TestDownloadTransport::runAgainst(const QString& strSource, bool bProxy, bool bAuth,
                                       const QString& strPassword)
{
    const QString strSettings = clDir.filePath("network.xml");
    QVERIFY(writeSettings(strSettings, strSource, bProxy, QString::number(usProxyPort), bAuth,
                          bAuth ? "alice" : QString(), strPassword));
    delete pclSuccess;
    delete pclError;
    pclDownload = std::make_unique<ClDownload>();
    pclSuccess = new QSignalSpy(pclDownload.get(), &ClDownload::sigSuccess);
    pclError = new QSignalSpy(pclDownload.get(), &ClDownload::sigError);
    QVERIFY(pclDownload->start({"-u", "tovuupdate/update_firm.xml", "-nf", strSettings}));
    QTRY_VERIFY_WITH_TIMEOUT(pclSuccess->count() + pclError->count() > 0, 10000);
}

void TestDownloadTransport::selfSignedCertificateEndsRun_data()
{
    QTest::addColumn<bool>("bCapitalScheme");
    QTest::newRow("https") << false;
    QTest::newRow("HTTPS") << true;
}

void TestDownloadTransport::selfSignedCertificateEndsRun()
{
    QFETCH(bool, bCapitalScheme);
    QVERIFY2(QSslSocket::supportsSsl(), "no TLS backend");
    const QString strKey = clDir.filePath("key.pem");
    const QString strCert = clDir.filePath("cert.pem");
    if (!QFile::exists(strCert)) {
        const int lExit = QProcess::execute("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt",
                                                        "ec_paramgen_curve:prime256v1", "-nodes",
                                                        "-keyout", strKey, "-out", strCert, "-days",
                                                        "2", "-subj", "/CN=tovu-test.invalid"});
        QCOMPARE(lExit, 0);
    }
    QFile clCertFile(strCert);
    QFile clKeyFile(strKey);
    QVERIFY(clCertFile.open(QIODevice::ReadOnly) && clKeyFile.open(QIODevice::ReadOnly));
    const QSslCertificate clCertificate(&clCertFile, QSsl::Pem);
    const QSslKey clKey(&clKeyFile, QSsl::Ec, QSsl::Pem);
    QVERIFY(!clCertificate.isNull() && !clKey.isNull());

    ClTestHttpServer clTls;
    QVERIFY(clTls.listenTls(clCertificate, clKey));
    clTls.setFile("/tovuupdate/update_firm.xml", manifest({}));
    QString strSource = clTls.baseUrl();
    if (bCapitalScheme)
        strSource.replace(0, 5, "HTTPS");
    runAgainst(strSource, false, false, QString());

    QCOMPARE(pclSuccess->count(), 0);
    QCOMPARE(pclError->count(), 1);
    const QString strText = pclError->at(0).at(0).toString();
    QVERIFY2(strText.startsWith(strNetFailure + "SSL Errors: "), qPrintable(strText));
    // One line for each fault the certificate has for this host.
    const QList<QSslError> lstExpected = QSslCertificate::verify({clCertificate}, "127.0.0.1");
    QVERIFY(!lstExpected.isEmpty());
    for (const QSslError& clError : lstExpected)
        QVERIFY2(strText.contains(clError.errorString() + "\n"), qPrintable(clError.errorString()));
    QTest::qWait(200);
    QCOMPARE(pclError->count(), 1);
    QVERIFY(clTls.requests().isEmpty());  // nothing was asked over the untrusted link
}

void TestDownloadTransport::proxyFromSettingsFileIsUsed()
{
    auto viaProxy = [this](qsizetype lFrom) {
        int lCount = 0;
        for (qsizetype i = lFrom; i < clPlain.requests().size(); ++i)
            lCount += clPlain.requests().at(i).clHeaders.contains("via: ") ? 1 : 0;
        return lCount;
    };

    // The proxy without credentials is refused by it: no transfer at all.
    qsizetype lFirst = clPlain.requests().size();
    runAgainst(clPlain.baseUrl(), true, false, QString());
    QCOMPARE(pclError->count(), 1);
    QCOMPARE(clPlain.requests().size(), lFirst);

    // The file switches the proxy off again: the next run goes direct.
    lFirst = clPlain.requests().size();
    runAgainst(clPlain.baseUrl(), false, false, QString());
    QCOMPARE(pclSuccess->count(), 1);
    QCOMPARE(clPlain.requests().size() - lFirst, 2);
    QCOMPARE(viaProxy(lFirst), 0);
}

void TestDownloadTransport::proxyCredentialsFromSettingsFile()
{
    const qsizetype lFirst = clPlain.requests().size();
    runAgainst(clPlain.baseUrl(), true, true, "s3cr3t");
    QCOMPARE(pclError->count(), 0);
    QCOMPARE(pclSuccess->count(), 1);
    QCOMPARE(pclSuccess->at(0).at(0).value<QList<stDataInfo>>().value(0).clData, QByteArray("firmware"));
    // Both requests passed the proxy, which marks what it forwards.
    QCOMPARE(clPlain.requests().size() - lFirst, 2);
    for (qsizetype i = lFirst; i < clPlain.requests().size(); ++i)
        QVERIFY(clPlain.requests().at(i).clHeaders.contains("tinyproxy"));

    // The same settings file reused by a long-lived controller switches the proxy off
    // for a later run.
    const QString strSettings = clDir.filePath("network.xml");
    QVERIFY(writeSettings(strSettings, clPlain.baseUrl()));
    pclSuccess->clear();
    const qsizetype lSecond = clPlain.requests().size();
    QVERIFY(pclDownload->start({"-u", "tovuupdate/update_firm.xml", "-nf", strSettings}));
    QVERIFY(pclSuccess->wait(10000));
    for (qsizetype i = lSecond; i < clPlain.requests().size(); ++i)
        QVERIFY(!clPlain.requests().at(i).clHeaders.contains("tinyproxy"));
}

void TestDownloadTransport::wrongProxyPasswordFails()
{
    const qsizetype lFirst = clPlain.requests().size();
    runAgainst(clPlain.baseUrl(), true, true, "wrong");
    QCOMPARE(pclSuccess->count(), 0);
    QCOMPARE(pclError->count(), 1);
    QVERIFY(pclError->at(0).at(0).toString().startsWith(strNetFailure));
    QCOMPARE(clPlain.requests().size(), lFirst);
}

QTEST_MAIN(TestDownloadTransport)
#include "TestDownloadTransport.moc"
