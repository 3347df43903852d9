// The update connection settings file: what the tool writes, how it reads hand-made
// files, and how it keeps the file current. (The proxy settings as a real proxy sees
// them: TestDownload.)
#include "data/ClCreateXmlNetwork.h"
#include "data/ClDataFolder.h"
#include "data/ClNetworkSettings.h"
#include "data/ClParseXmlNetwork.h"
#include "data/ClUpdateServer.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
void writeFile(const QString& strPath, const QByteArray& clData)
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    QFile clFile(strPath);
    QVERIFY(clFile.open(QIODevice::WriteOnly));
    clFile.write(clData);
}

QByteArray readFile(const QString& strPath)
{
    QFile clFile(strPath);
    return clFile.open(QIODevice::ReadOnly) ? clFile.readAll() : QByteArray();
}

// The file as the tool wrote it, indentation taken out.
QByteArray written(const QString& strPath)
{
    return readFile(strPath).simplified().replace("> <", "><");
}

// What the tool writes with the built-in server and the proxy setting's inside given.
QByteArray withProxy(const QByteArray& clProxy, bool bAutoUpdate)
{
    return "<settings><proxysetting>" + clProxy + "</proxysetting><sourceurl>" + ClUpdateServer::builtInUrl().toUtf8()
        + "</sourceurl><autoupdate>" + (bAutoUpdate ? "true" : "false") + "</autoupdate></settings>";
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
    void firstStartWritesDefaultsForOwnerOnly();
    void rewrittenAtomicallyAndOnlyOnChange();
    void otherServerIsReplacedKeepingAutoUpdateAndProxy();
    void proxySetAndClearedKeepsTheRest();
    void autoUpdateOffOnlyForLowerCaseFalse();
    void writerKnowsProxyTypeNames();

private:
    QTemporaryDir clDir;
    QString strPath;
};

void TestSettingsFile::init()
{
    strPath = clDir.filePath(QStringLiteral("sub/network.xml"));
    QFile::remove(strPath);
}

void TestSettingsFile::firstStartWritesDefaultsForOwnerOnly()
{
    QCOMPARE(ClDataFolder::networkFile(),
             QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                 + "/Parvik/TovuSettingTool/network.xml");
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    QVERIFY(!clSettings.isAutoUpdate());

    // Proxy and credentials off with nothing more about them.
    QCOMPARE(written(strPath), withProxy("<use>false</use><authorization><use>false</use></authorization>", false));
    struct stat stInfo = {};
    QCOMPARE(::stat(QFile::encodeName(strPath).constData(), &stInfo), 0);
    QCOMPARE(stInfo.st_mode & 0777, mode_t(0600));
}

void TestSettingsFile::rewrittenAtomicallyAndOnlyOnChange()
{
    const QByteArray clHandMade
        = "<settings><proxysetting><use>true</use><ip>proxy.lan</ip><port>3128</port></proxysetting>"
          "<sourceurl>"
        + ClUpdateServer::builtInUrl().toUtf8()
        + "</sourceurl>"
          "<autoupdate>false</autoupdate></settings>";
    writeFile(strPath, clHandMade);
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    clSettings.setAutoUpdate(false);
    QCOMPARE(readFile(strPath), clHandMade);  // same server, same choice: kept as the user wrote it

    // A second name for the old file: an in-place rewrite would change what it shows,
    // a write-then-rename leaves it alone.
    const QString strOldLink = clDir.filePath("old-network.xml");
    QFile::remove(strOldLink);
    QCOMPARE(::link(QFile::encodeName(strPath).constData(), QFile::encodeName(strOldLink).constData()), 0);
    clSettings.setAutoUpdate(true);
    QCOMPARE(readFile(strOldLink), clHandMade);
    // The user's proxy stays through the rewrite.
    QCOMPARE(written(strPath), withProxy("<use>true</use><ip>proxy.lan</ip><port>3128</port><type>3</type>"
                                         "<authorization><use>false</use></authorization>",
                                         true));
}

void TestSettingsFile::otherServerIsReplacedKeepingAutoUpdateAndProxy()
{
    // A proxy with credentials entered by hand, the password stored plain and as Base64.
    for (const QByteArray& clPassword :
         {QByteArray("<password>s3cret pw</password>"),
          "<password type=\"base64\">" + QByteArray("s3cret pw").toBase64() + "</password>"}) {
        writeFile(strPath, "<settings><proxysetting><use>true</use><ip>10.1.2.3</ip><port>8080</port><type>1</type>"
                           "<authorization><use>true</use><user>carol</user>"
                               + clPassword
                               + "</authorization></proxysetting>"
                                 "<sourceurl>http://example.invalid/</sourceurl><autoupdate>true</autoupdate></settings>");
        ClNetworkSettings clSettings(strPath);
        clSettings.keepCurrent();
        QVERIFY(clSettings.isAutoUpdate());
        QCOMPARE(written(strPath),
                 withProxy("<use>true</use><ip>10.1.2.3</ip><port>8080</port><type>1</type><authorization><use>true</use>"
                           "<user>carol</user><password type=\"base64\">"
                               + QByteArray("s3cret pw").toBase64() + "</password></authorization>",
                           true));
        QCOMPARE(parsed(readFile(strPath)).password(), QStringLiteral("s3cret pw"));
    }
}

void TestSettingsFile::proxySetAndClearedKeepsTheRest()
{
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    clSettings.setAutoUpdate(true);
    stProxySettings stProxy;
    stProxy.bUse = true;
    stProxy.lType = qint32(ClProxyType::Http);
    stProxy.strHost = QStringLiteral("proxy.lan");
    stProxy.usPort = 8000;
    QVERIFY(clSettings.setProxy(stProxy));
    QVERIFY(clSettings.proxy() == stProxy);
    QVERIFY(clSettings.isAutoUpdate());
    // Switched off, the host stays for the next time; the choice of automatic checks too.
    stProxy.bUse = false;
    QVERIFY(clSettings.setProxy(stProxy));
    ClNetworkSettings clAgain(strPath);
    clAgain.keepCurrent();
    QVERIFY(clAgain.proxy() == stProxy);
    QVERIFY(clAgain.isAutoUpdate());
}

void TestSettingsFile::autoUpdateOffOnlyForLowerCaseFalse()
{
    QVERIFY(!parsed("<settings><autoupdate>false</autoupdate></settings>").isAutoUpdate());
    QVERIFY(parsed("<settings><autoupdate>FALSE</autoupdate></settings>").isAutoUpdate());
    QVERIFY(parsed("<settings><autoupdate>no</autoupdate></settings>").isAutoUpdate());
    QVERIFY(parsed("<settings/>").isAutoUpdate());
}

void TestSettingsFile::writerKnowsProxyTypeNames()
{
    ClCreateXmlNetwork clLower;
    QVERIFY(!clLower.build(true, "h", "1080", "socks5", false, "", "", "http://s/", false));

    ClCreateXmlNetwork clWriter;
    QVERIFY(clWriter.build(true, "h", "1080", "Socks5", true, "carol", "pa ss", "http://s/", true));
    const QByteArray clData = clWriter.toByteArray();
    QVERIFY(clData.contains("<type>1</type>"));
    QVERIFY(clData.contains("<password type=\"base64\">" + QByteArray("pa ss").toBase64() + "</password>"));
    QCOMPARE(parsed(clData).proxyType(), qint32(ClProxyType::Socks5));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "TestSettingsFile.moc"
