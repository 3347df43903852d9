// The update connection settings file: what the tool writes, how it reads hand-made
// files, and how it keeps the file current.
#include "ClCreateXmlNetwork.h"
#include "ClDataFolder.h"
#include "ClNetworkSettings.h"
#include "ClParseXmlNetwork.h"
#include "ClUpdateServer.h"

#include <QDomDocument>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
void writeFile(const QString& strPath, const QByteArray& clData)
{
    QFile clFile(strPath);
    QVERIFY(clFile.open(QIODevice::WriteOnly));
    clFile.write(clData);
}

QByteArray readFile(const QString& strPath)
{
    QFile clFile(strPath);
    return clFile.open(QIODevice::ReadOnly) ? clFile.readAll() : QByteArray();
}

QByteArray settingsXml(const QByteArray& clProxyInner, const QByteArray& clTail = QByteArray())
{
    return "<settings><proxysetting>" + clProxyInner + "</proxysetting>"
           "<sourceurl>http://example.invalid/</sourceurl>" + clTail + "</settings>";
}

ClParseXmlNetwork parsed(const QByteArray& clData)
{
    ClParseXmlNetwork clRecord;
    clRecord.parseData(clData);
    return clRecord;
}
}  // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void dataFolderFollowsUserDataLocation();
    void firstStartWritesDefaults();
    void fileIsOwnerOnlyAndReplacedAtomically();
    void otherServerIsReplacedKeepingAutoUpdate();
    void overriddenServerIsWrittenWithSlash();
    void setAutoUpdateRewritesOnlyOnChange();
    void proxyNeedsHostPortAndType();
    void passwordBase64OrPlain();
    void credentialsOnlyWhenExactlyTrue();
    void autoUpdateOnlyOffForLowerCaseFalse();
    void buildChecksTypeAndSourceUrl();
    void oversizedOrDeepDocumentsRefused();
    void malformedFileFailsToRead();

private:
    QTemporaryDir clDir;
    QString strPath;
};

void TestSettingsFile::init()
{
    QVERIFY(clDir.isValid());
    strPath = clDir.filePath(QStringLiteral("sub/network.xml"));
    QFile::remove(strPath);
    ClUpdateServer::setUrl(QString());
}

void TestSettingsFile::dataFolderFollowsUserDataLocation()
{
    const QString strHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QVERIFY(!strHome.isEmpty());
    QCOMPARE(ClDataFolder::networkFile(), strHome + "/Parvik/TovuSettingTool/network.xml");
}

void TestSettingsFile::firstStartWritesDefaults()
{
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    QVERIFY(!clSettings.isAutoUpdate());

    const QByteArray clData = readFile(strPath);
    QVERIFY(!clData.startsWith("<?xml"));
    QDomDocument clDoc;
    QVERIFY(clDoc.setContent(clData));
    const QDomElement clRoot = clDoc.documentElement();
    QCOMPARE(clRoot.tagName(), QStringLiteral("settings"));
    const QDomElement clProxy = clRoot.firstChildElement("proxysetting");
    QCOMPARE(clProxy.firstChildElement("use").text(), QStringLiteral("false"));
    for (const char* pszAbsent : {"ip", "port", "type"})
        QVERIFY2(clProxy.firstChildElement(pszAbsent).isNull(), pszAbsent);
    const QDomElement clAuth = clProxy.firstChildElement("authorization");
    QCOMPARE(clAuth.firstChildElement("use").text(), QStringLiteral("false"));
    QVERIFY(clAuth.firstChildElement("user").isNull());
    QVERIFY(clAuth.firstChildElement("password").isNull());
    QCOMPARE(clRoot.firstChildElement("sourceurl").text(), ClUpdateServer::builtInUrl());
    QCOMPARE(clRoot.firstChildElement("autoupdate").text(), QStringLiteral("false"));
    QVERIFY(ClUpdateServer::builtInUrl().startsWith("http://"));
    QVERIFY(ClUpdateServer::builtInUrl().endsWith('/'));
}

void TestSettingsFile::fileIsOwnerOnlyAndReplacedAtomically()
{
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    struct stat stInfo = {};
    QCOMPARE(::stat(QFile::encodeName(strPath).constData(), &stInfo), 0);
    QCOMPARE(stInfo.st_mode & 0777, mode_t(0600));

    // A second name for the old file: an in-place rewrite would change what it shows,
    // a write-then-rename leaves it alone.
    const QString strOldLink = clDir.filePath("old-network.xml");
    QFile::remove(strOldLink);
    QCOMPARE(::link(QFile::encodeName(strPath).constData(),
                    QFile::encodeName(strOldLink).constData()), 0);
    const QByteArray clOld = readFile(strPath);
    clSettings.setAutoUpdate(true);
    QCOMPARE(readFile(strOldLink), clOld);
    QVERIFY(readFile(strPath).contains("<autoupdate>true</autoupdate>"));
}

void TestSettingsFile::otherServerIsReplacedKeepingAutoUpdate()
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    writeFile(strPath, settingsXml("<use>true</use><ip>10.1.2.3</ip><port>8080</port><type>3</type>",
                                   "<autoupdate>true</autoupdate>"));
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    QVERIFY(clSettings.isAutoUpdate());
    const ClParseXmlNetwork clRecord = parsed(readFile(strPath));
    QCOMPARE(clRecord.sourceUrl().toString(), ClUpdateServer::builtInUrl());
    QVERIFY(!clRecord.isProxyUse());
    QVERIFY(!readFile(strPath).contains("10.1.2.3"));
}

void TestSettingsFile::overriddenServerIsWrittenWithSlash()
{
    ClUpdateServer::setUrl(QStringLiteral("http://127.0.0.1:8765/mirror"));
    QCOMPARE(ClUpdateServer::url(), QStringLiteral("http://127.0.0.1:8765/mirror/"));
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    QCOMPARE(parsed(readFile(strPath)).sourceUrl().toString(),
             QStringLiteral("http://127.0.0.1:8765/mirror/"));
    ClUpdateServer::setUrl(QString());
    QCOMPARE(ClUpdateServer::url(), ClUpdateServer::builtInUrl());
}

void TestSettingsFile::setAutoUpdateRewritesOnlyOnChange()
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    const QByteArray clHandMade =
        "<settings><proxysetting><use>true</use><ip>proxy.lan</ip><port>3128</port><type>3</type>"
        "</proxysetting><sourceurl>" + ClUpdateServer::builtInUrl().toLatin1()
        + "</sourceurl><autoupdate>false</autoupdate></settings>";
    writeFile(strPath, clHandMade);
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    QCOMPARE(readFile(strPath), clHandMade);  // same server: kept as the user wrote it
    clSettings.setAutoUpdate(false);
    QCOMPARE(readFile(strPath), clHandMade);
    clSettings.setAutoUpdate(true);
    QVERIFY(clSettings.isAutoUpdate());
    const QByteArray clNew = readFile(strPath);
    QVERIFY(clNew.contains("<autoupdate>true</autoupdate>"));
    QVERIFY(!clNew.contains("proxy.lan"));  // a rewrite puts the defaults back
}

void TestSettingsFile::proxyNeedsHostPortAndType()
{
    const ClParseXmlNetwork clEmptyIp = parsed(settingsXml("<use>true</use><ip></ip><port>3128</port>"));
    QVERIFY(!clEmptyIp.isProxyUse());

    const ClParseXmlNetwork clEmptyPort = parsed(settingsXml("<use>true</use><ip>h</ip><port/>"));
    QVERIFY(!clEmptyPort.isProxyUse());

    const ClParseXmlNetwork clFull =
        parsed(settingsXml("<use>true</use><ip>proxy.lan</ip><port>8081</port><type>1</type>"));
    QVERIFY(clFull.isProxyUse());
    const QNetworkProxy clProxy = clFull.proxy();
    QCOMPARE(clProxy.type(), QNetworkProxy::Socks5Proxy);
    QCOMPARE(clProxy.hostName(), QStringLiteral("proxy.lan"));
    QCOMPARE(clProxy.port(), quint16(8081));
    QVERIFY(clProxy.user().isEmpty());

    // Defaults before any file: HTTP on 3128, off.
    const ClParseXmlNetwork clNothing = parsed("<settings/>");
    QVERIFY(!clNothing.isProxyUse());
    QCOMPARE(clNothing.proxy().type(), QNetworkProxy::HttpProxy);
    QCOMPARE(clNothing.proxy().port(), quint16(3128));
    QVERIFY(clNothing.isAutoUpdate());
}

void TestSettingsFile::passwordBase64OrPlain()
{
    const QByteArray clBase64 = QByteArray("s3cr\xc3\xa9t").toBase64();  // "s3crét"
    const ClParseXmlNetwork clEncoded = parsed(settingsXml(
        "<use>true</use><ip>p</ip><port>1</port><type>3</type><authorization><use>true</use>"
        "<user>alice</user><password type=\"base64\">" + clBase64 + "</password></authorization>"));
    QCOMPARE(clEncoded.proxy().user(), QStringLiteral("alice"));
    QCOMPARE(clEncoded.proxy().password(), QString::fromUtf8("s3cr\xc3\xa9t"));

    const ClParseXmlNetwork clPlain = parsed(settingsXml(
        "<use>true</use><ip>p</ip><port>1</port><type>3</type><authorization><use>true</use>"
        "<user>bob</user><password>" + clBase64 + "</password></authorization>"));
    QCOMPARE(clPlain.proxy().password(), QString::fromLatin1(clBase64));
}

void TestSettingsFile::credentialsOnlyWhenExactlyTrue()
{
    const ClParseXmlNetwork clRecord = parsed(settingsXml(
        "<use>true</use><ip>p</ip><port>1</port><type>3</type><authorization><use>TRUE</use>"
        "<user>alice</user><password>x</password></authorization>"));
    QVERIFY(!clRecord.isAuthUse());
    QVERIFY(clRecord.proxy().user().isEmpty());
    QVERIFY(clRecord.proxy().password().isEmpty());
}

void TestSettingsFile::autoUpdateOnlyOffForLowerCaseFalse()
{
    QVERIFY(parsed(settingsXml("", "<autoupdate>FALSE</autoupdate>")).isAutoUpdate());
    QVERIFY(!parsed(settingsXml("", "<autoupdate>false</autoupdate>")).isAutoUpdate());
    QVERIFY(parsed(settingsXml("", "<autoupdate>no</autoupdate>")).isAutoUpdate());
}

void TestSettingsFile::buildChecksTypeAndSourceUrl()
{
    ClCreateXmlNetwork clLower;
    QVERIFY(!clLower.build(true, "h", "1080", "socks5", false, "", "", "http://s/", false));
    ClCreateXmlNetwork clNoUrl;
    QVERIFY(!clNoUrl.build(false, "", "", "", false, "", "", "", false));

    ClCreateXmlNetwork clWriter;
    QVERIFY(clWriter.build(true, "h", "1080", "Socks5", true, "carol", "pa ss", "http://s/", true));
    const QString strSaved = clDir.filePath("built.xml");
    QVERIFY(clWriter.save(strSaved));
    const QByteArray clData = readFile(strSaved);
    QVERIFY(clData.contains("<type>1</type>"));
    QVERIFY(clData.contains("<password type=\"base64\">" + QByteArray("pa ss").toBase64() + "</password>"));

    ClParseXmlNetwork clRecord;
    QVERIFY(clRecord.parseFile(strSaved));
    QVERIFY(clRecord.isProxyUse());
    QCOMPARE(clRecord.proxy().type(), QNetworkProxy::Socks5Proxy);
    QCOMPARE(clRecord.proxy().port(), quint16(1080));
    QCOMPARE(clRecord.proxy().user(), QStringLiteral("carol"));
    QCOMPARE(clRecord.proxy().password(), QStringLiteral("pa ss"));
    QCOMPARE(clRecord.sourceUrl(), QUrl("http://s/"));
    QVERIFY(clRecord.isAutoUpdate());

    QCOMPARE(ClCreateXmlNetwork::proxyTypeNumber("Http"), 3);
    QCOMPARE(ClCreateXmlNetwork::proxyTypeNumber("HttpCaching"), 4);
    QCOMPARE(ClCreateXmlNetwork::proxyTypeNumber("FtpCaching"), 5);
}

void TestSettingsFile::oversizedOrDeepDocumentsRefused()
{
    auto nested = [](int lDepth) {
        return QByteArray("<a>").repeated(lDepth) + QByteArray("</a>").repeated(lDepth);
    };
    ClParseXmlNetwork clRecord;
    QVERIFY(clRecord.parseData(nested(ClParseXml::lMaxDepth)));
    QVERIFY(!clRecord.parseData(nested(ClParseXml::lMaxDepth + 1)));
    // Deep nesting is refused quickly, long before the DOM would have finished.
    QElapsedTimer clTimer;
    clTimer.start();
    QVERIFY(!clRecord.parseData(nested(100000)));
    QVERIFY(clTimer.elapsed() < 5000);

    const QString strBig = clDir.filePath("big.xml");
    writeFile(strBig, "<settings>" + QByteArray(ClParseXml::llMaxBytes, ' ') + "</settings>");
    QVERIFY(!clRecord.parseFile(strBig));
}

void TestSettingsFile::malformedFileFailsToRead()
{
    ClParseXmlNetwork clRecord;
    QVERIFY(!clRecord.parseFile(clDir.filePath("missing.xml")));
    const QString strBad = clDir.filePath("bad.xml");
    writeFile(strBad, "<settings><sourceurl>http://x/</settings>");
    QVERIFY(!clRecord.parseFile(strBad));
    QVERIFY(clRecord.sourceUrl().isEmpty());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "TestSettingsFile.moc"
