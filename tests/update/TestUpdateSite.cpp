// The update-site script: what it builds is what the tool reads. A site made from a
// folder of files is served locally and fetched by real update runs.
#include "ClCommandCatalogue.h"
#include "ClDataFolder.h"
#include "ClDownload.h"
#include "ClMessageBox.h"
#include "ClTestHttpServer.h"
#include "ClTovuDownload.h"
#include "ClUpdateServer.h"
#include "ClWidgetHelp.h"
#include "UpdateTestSupport.h"

#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace UpdateTestSupport;

namespace {
void writeFile(const QString& strPath, const QByteArray& clData)
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    QFile clFile(strPath);
    QVERIFY(clFile.open(QIODevice::WriteOnly));
    clFile.write(clData);
}
}  // namespace

class TestUpdateSite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void manifestsListNewestVersionWithHashes();
    void firmwareReachesCameraInNameOrder();
    void virtualFirmwareAndLicencePages();
    void badInputRefused();

private:
    int runScript(const QStringList& lstArgs);
    QList<stDataInfo> fetch(const QString& strManifest);

    QTemporaryDir clDir;
    QString strSource;
    QString strSite;
    ClTestHttpServer clServer;
    QStringList lstBoxes;
};

void TestUpdateSite::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<QList<stDataInfo>>();
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes << strText;
        return QMessageBox::Ok;
    });
    strSource = clDir.filePath("source");
    strSite = clDir.filePath("site");
    writeFile(strSource + "/firmware/01.03.001/old.bin", "old firmware");
    writeFile(strSource + "/firmware/01.03.026/b-main.bin", QByteArray("main image ").repeated(500));
    writeFile(strSource + "/firmware/01.03.026/a-boot/boot loader.bin", "boot & more");
    writeFile(strSource + "/tool/01.00.038/TovuSetup.msi", "installer package");
    writeFile(strSource + "/license/license_jpn.html", "<html>ja</html>");
    QCOMPARE(runScript({strSource, strSite}), 0);
    QVERIFY(clServer.listen());
    clServer.setDocumentRoot(strSite);
}

void TestUpdateSite::cleanupTestCase()
{
    ClMessageBox::setTestResponder({});
    ClUpdateServer::setUrl(QString());
}

int TestUpdateSite::runScript(const QStringList& lstArgs)
{
    QProcess clScript;
    clScript.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    clScript.start("bash", QStringList{QStringLiteral(TOVU_SITE_SCRIPT)} + lstArgs);
    if (!clScript.waitForFinished(30000))
        return -1;
    return clScript.exitStatus() == QProcess::NormalExit ? clScript.exitCode() : -1;
}

QList<stDataInfo> TestUpdateSite::fetch(const QString& strManifest)
{
    const QString strSettings = clDir.filePath("network.xml");
    writeSettings(strSettings, clServer.baseUrl());
    ClDownload clDownload;
    QSignalSpy clSuccess(&clDownload, &ClDownload::sigSuccess);
    QSignalSpy clError(&clDownload, &ClDownload::sigError);
    clDownload.start({"-u", "tovuupdate/" + strManifest, "-nf", strSettings});
    if (!clSuccess.wait(10000))
        qWarning() << "no success:" << clError;
    return clSuccess.value(0).value(0).value<QList<stDataInfo>>();
}

void TestUpdateSite::manifestsListNewestVersionWithHashes()
{
    // The run verifies every file against the manifest's hash, so arriving is proof.
    const QList<stDataInfo> lstFirm = fetch("update_firm.xml");
    QCOMPARE(lstFirm.size(), 2);
    QCOMPARE(lstFirm.at(0).strName, QStringLiteral("firm/a-boot/boot loader.bin"));
    QCOMPARE(lstFirm.at(0).clData, QByteArray("boot & more"));
    QCOMPARE(lstFirm.at(1).strName, QStringLiteral("firm/b-main.bin"));

    const QList<stDataInfo> lstTool = fetch("update_tool.xml");
    QCOMPARE(lstTool.size(), 1);
    QCOMPARE(lstTool.at(0).strName, QStringLiteral("TovuSetup.msi"));  // a plain name
    QCOMPARE(lstTool.at(0).clData, QByteArray("installer package"));

    QVERIFY(fetch("update_firm_s.xml").isEmpty());

    QFile clManifest(strSite + "/tovuupdate/update_firm.xml");
    QVERIFY(clManifest.open(QIODevice::ReadOnly));
    const QByteArray clXml = clManifest.readAll();
    QVERIFY(clXml.contains("version=\"01.03.026\""));
    QVERIFY(clXml.contains(md5(QByteArray("main image ").repeated(500)).toLatin1()));
    QVERIFY(!clXml.contains("old.bin"));
}

void TestUpdateSite::firmwareReachesCameraInNameOrder()
{
    ClUpdateServer::setUrl(clServer.baseUrl());
    QWidget clWindow;
    ClTovuDownload clDownload(&clWindow);
    QList<PV_CMD> lstSent;
    connect(&clDownload, &ClTovuDownload::sigSendCommand, this, [&](PV_CMD clCommand) { lstSent << clCommand; });
    QSignalSpy clEnd(&clDownload, &ClTovuDownload::sigEndUpdate);

    clDownload.setCameraVersion("01.03.025");
    clDownload.setUpdateKind(1);
    QVERIFY(clDownload.start({"-u", "tovuupdate/update_firm.xml"}));
    QVERIFY(clEnd.wait(10000));
    QCOMPARE(lstSent.size(), 3);
    QCOMPARE(lstSent.at(0).value("PARAM2").toByteArray(), QByteArray("boot & more"));
    QCOMPARE(lstSent.at(2).value("CMD").toUuid(), ClCommandCatalogue::requestKind("ClTovuCommandExecFwUpdat"));

    // The camera already has this version: nothing to do.
    lstSent.clear();
    lstBoxes.clear();
    clDownload.setCameraVersion("01.03.026");
    QVERIFY(clDownload.start({"-u", "tovuupdate/update_firm.xml"}));
    QVERIFY(clEnd.wait(10000));
    QVERIFY(lstSent.isEmpty());
    QCOMPARE(lstBoxes, QStringList({"Your Firmware is the latest version."}));
}

void TestUpdateSite::virtualFirmwareAndLicencePages()
{
    const QString strVirtualSite = clDir.filePath("virtual-site");
    QCOMPARE(runScript({"--virtual-firmware", "01.04.002", strVirtualSite}), 0);
    clServer.setDocumentRoot(strVirtualSite);
    const QList<stDataInfo> lstTovuS = fetch("update_firm_s.xml");
    clServer.setDocumentRoot(strSite);
    QCOMPARE(lstTovuS.size(), 1);
    QVERIFY(lstTovuS.at(0).clData.startsWith("TOVU-FIRMWARE 01.04.002\nMODEL Tovu-S\n"));

    // The licence pages lie where the help page looks for them.
    ClUpdateServer::setUrl(clServer.baseUrl());
    for (QLocale::Language eLanguage : {QLocale::English, QLocale::Japanese, QLocale::Chinese}) {
        const QString strPath = ClWidgetHelp::licenseUrl(eLanguage).path();
        QVERIFY2(QFile::exists(strSite + strPath), qPrintable(strPath));
    }
    QFile clJapanese(strSite + "/license/license_jpn.html");
    QVERIFY(clJapanese.open(QIODevice::ReadOnly));
    QCOMPARE(clJapanese.readAll(), QByteArray("<html>ja</html>"));
}

void TestUpdateSite::badInputRefused()
{
    QCOMPARE(runScript({"--virtual-firmware", "1.2", clDir.filePath("x")}), 2);
    QCOMPARE(runScript({clDir.filePath("no-such-source"), clDir.filePath("x")}), 2);
    writeFile(clDir.filePath("two/tool/01.00.040/a.msi"), "a");
    writeFile(clDir.filePath("two/tool/01.00.040/b.msi"), "b");
    QCOMPARE(runScript({clDir.filePath("two"), clDir.filePath("x")}), 2);
}

QTEST_MAIN(TestUpdateSite)
#include "TestUpdateSite.moc"
