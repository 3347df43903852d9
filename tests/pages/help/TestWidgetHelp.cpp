// The help page: the versions and the firmware button, the camera's identity asked as a
// chain and the country names, which failures it shows, the licence page by language, and
// the connection dialog.
#include "framework/ClMessageBox.h"
#include "framework/ClPageHost.h"
#include "data/ClDataFolder.h"
#include "data/ClNetworkSettings.h"
#include "data/ClUpdateServer.h"
#include "pages/help/ClDialogConnection.h"
#include "pages/help/ClWidgetHelp.h"
#include "protocol/ClCommandCatalogue.h"
#include "tests/support/ReplyTestSupport.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace ReplyTestSupport;

namespace {
const QString strServer = QStringLiteral("http://updates.test/");
}  // namespace

class TestWidgetHelp : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // Stands in for the system's browser.
    void openUrl(const QUrl& clUrl) { lstOpened << clUrl; }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup() { pclHost.reset(); }
    void versionsAndFirmwareButton();
    void identityAskedOneAfterAnother();
    void showsOwnQueriesFailures();
    void licenceByLanguage();
    void connectionDialogKeepsWhatItDoesNotShow();

private:
    QString text(const char* pszName) const { return pclPage->findChild<QLabel*>(pszName)->text(); }
    QPushButton* button(const char* pszName) const { return pclPage->findChild<QPushButton*>(pszName); }
    QList<QUuid> sentKinds() const;

    std::unique_ptr<ClPageHost> pclHost;
    ClWidgetHelp* pclPage = nullptr;  // the host's
    QStringList lstBoxes;
    QList<PV_CMD> lstSent;
    QList<QUrl> lstOpened;
};

void TestWidgetHelp::initTestCase()
{
    PvCmd::registerMetaTypes();
    ClUpdateServer::setUrl(strServer);
    QDesktopServices::setUrlHandler("http", this, "openUrl");
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes.append(strText);
        return QMessageBox::Ok;
    });
}

void TestWidgetHelp::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler("http");
    ClMessageBox::setTestResponder({});
    ClUpdateServer::setUrl(QString());
}

void TestWidgetHelp::init()
{
    pclHost = std::make_unique<ClPageHost>();
    pclPage = new ClWidgetHelp(pclHost.get());
    connect(pclPage, &ClWidgetBase::sigSendCommand, this, [this](PV_CMD clCommand) { lstSent << clCommand; });
    lstBoxes.clear();
    lstSent.clear();
    lstOpened.clear();
}

QList<QUuid> TestWidgetHelp::sentKinds() const
{
    QList<QUuid> lstKinds;
    for (const PV_CMD& clCommand : lstSent)
        lstKinds << clCommand.value("CMD").toUuid();
    return lstKinds;
}

void TestWidgetHelp::versionsAndFirmwareButton()
{
    QCOMPARE(text("labelToolVersion"), QStringLiteral("01.00.037"));
    QCOMPARE(text("labelFirmwareVersion"), QStringLiteral("--"));
    // Firmware from a file needs a camera just as the update does.
    QVERIFY(!button("buttonUpdateTovu")->isEnabled() && !button("buttonFirmwareFile")->isEnabled());

    pclPage->setCameraInfo(0, "01.03.025");
    QCOMPARE(text("labelFirmwareVersion"), QStringLiteral("01.03.025"));
    QVERIFY(button("buttonUpdateTovu")->isEnabled() && button("buttonFirmwareFile")->isEnabled());

    pclPage->setCameraInfo(-1, QString());
    QCOMPARE(text("labelFirmwareVersion"), QStringLiteral("--"));
    QVERIFY(!button("buttonUpdateTovu")->isEnabled() && !button("buttonFirmwareFile")->isEnabled());
}

void TestWidgetHelp::identityAskedOneAfterAnother()
{
    const QUuid uuidSerial = ClCommandCatalogue::requestKindOf("ClTovuCommandGetSerialNo");
    const QUuid uuidMac = ClCommandCatalogue::requestKindOf("ClTovuCommandGetMacAddress");
    const QUuid uuidCountry = ClCommandCatalogue::requestKindOf("ClTovuCommandGetCountry");
    pclPage->activate(pclHost.get());
    QCOMPARE(sentKinds(), QList<QUuid>({uuidSerial}));

    Q_EMIT pclHost->sigReceiveCommand(answer("ClTovuCommandGetSerialNo", "TV0001234"));
    Q_EMIT pclHost->sigReceiveCommand(answer("ClTovuCommandGetMacAddress", "00:1A:2B:3C:4D:5E"));
    Q_EMIT pclHost->sigReceiveCommand(answer("ClTovuCommandGetCountry", "eu"));
    QCOMPARE(sentKinds(), QList<QUuid>({uuidSerial, uuidMac, uuidCountry}));
    QCOMPARE(text("labelSerialNo"), QStringLiteral("TV0001234"));
    QCOMPARE(text("labelMacAddress"), QStringLiteral("00:1A:2B:3C:4D:5E"));
    QCOMPARE(text("labelCountry"), QStringLiteral("Europe"));
    // A country without a name of its own shows its code, in capitals.
    QCOMPARE(ClWidgetHelp::countryName("kr"), QStringLiteral("KR"));

    // Asked again, the old values do not stay on show while the new ones are on their way.
    pclPage->requestData(false);
    for (const char* pszLabel : {"labelSerialNo", "labelMacAddress", "labelCountry"})
        QCOMPARE(text(pszLabel), QStringLiteral("--"));
    QCOMPARE(sentKinds().last(), uuidSerial);

    // The camera gone while the page stays shown (Help needs no camera): none of its
    // identity stays on it.
    Q_EMIT pclHost->sigReceiveCommand(answer("ClTovuCommandGetSerialNo", "TV0001234"));
    QCOMPARE(text("labelSerialNo"), QStringLiteral("TV0001234"));
    pclPage->setCameraInfo(-1, QString());
    for (const char* pszLabel : {"labelSerialNo", "labelMacAddress", "labelCountry"})
        QCOMPARE(text(pszLabel), QStringLiteral("--"));
}

void TestWidgetHelp::showsOwnQueriesFailures()
{
    pclPage->activate(pclHost.get());
    // The camera went away while asked: no box. A camera that sends error notices is
    // still there to be updated.
    Q_EMIT pclHost->sigReceiveCommand(completion("ClTovuCommandGetSerialNo", 0xEF00, true));
    QVERIFY(lstBoxes.isEmpty());
    QVERIFY(button("buttonUpdateTovu")->isEnabled());
    // Somebody else's failure is not this page's to show.
    Q_EMIT pclHost->sigReceiveCommand(completion("ClTovuCommandGetTime", 0xFFFE, false));
    QVERIFY(lstBoxes.isEmpty());

    Q_EMIT pclHost->sigReceiveCommand(completion("ClTovuCommandGetCountry", 0xFFFE, false));
    QCOMPARE(lstBoxes, QStringList({"Timeout error, please reset"}));
}

void TestWidgetHelp::licenceByLanguage()
{
    // The system locale is read once per process: a copy of this test started under a
    // Japanese and under a French locale clicks the button there.
    const QString strLicences = strServer + "license/";
    const QString strExpected = qEnvironmentVariable("TOVU_EXPECTED_LICENCE", "license_eng.html");
    if (qEnvironmentVariableIsSet("TOVU_EXPECTED_LICENCE"))
        QCOMPARE(QLocale::system().name().left(2), qEnvironmentVariable("LC_ALL").left(2));
    button("buttonShowLicense")->click();
    QCOMPARE(lstOpened, QList<QUrl>({QUrl(strLicences + strExpected)}));
    if (qEnvironmentVariableIsSet("TOVU_EXPECTED_LICENCE"))
        return;
    for (const auto& [pszLocale, pszLicence] :
         {std::pair {"ja_JP.UTF-8", "license_jpn.html"}, {"fr_FR.UTF-8", "license_eng.html"}}) {
        QProcess clCopy;
        QProcessEnvironment clEnvironment = QProcessEnvironment::systemEnvironment();
        clEnvironment.insert("LC_ALL", pszLocale);
        clEnvironment.insert("TOVU_EXPECTED_LICENCE", pszLicence);
        clCopy.setProcessEnvironment(clEnvironment);
        clCopy.setProcessChannelMode(QProcess::MergedChannels);
        clCopy.start(QCoreApplication::applicationFilePath(), {"licenceByLanguage"});
        QVERIFY(clCopy.waitForFinished(30000));
        QVERIFY2(clCopy.exitStatus() == QProcess::NormalExit && clCopy.exitCode() == 0, clCopy.readAll().constData());
    }
    QCOMPARE(ClWidgetHelp::licenseUrl(QLocale::Chinese), QUrl(strLicences + "license_chn.html"));
}

QTEST_MAIN(TestWidgetHelp)
#include "TestWidgetHelp.moc"

void TestWidgetHelp::connectionDialogKeepsWhatItDoesNotShow()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString strPath = ClDataFolder::networkFile();
    QFile::remove(strPath);
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();
    stProxySettings stProxy;
    stProxy.bUse = true;
    stProxy.strHost = QStringLiteral("proxy.lan");
    stProxy.bAuthUse = true;
    stProxy.strUser = QStringLiteral("alice");
    stProxy.strPassword = QStringLiteral("s3cr3t");
    QVERIFY(clSettings.setProxy(stProxy));

    // The user opens the dialog from the help page, sees no password, changes the host,
    // first types a server that is no address (refused, the dialog stays), then saves.
    QString strShownPassword = QStringLiteral("unread");
    bool bRefusedFirst = false;
    QTimer::singleShot(0, this, [&] {
        auto* pclDialog = qobject_cast<ClDialogConnection*>(QApplication::activeModalWidget());
        QVERIFY(pclDialog);
        strShownPassword = pclDialog->findChild<QLineEdit*>("editProxyPassword")->text();
        pclDialog->findChild<QLineEdit*>("editProxyHost")->setText(QStringLiteral("proxy2.lan"));
        pclDialog->findChild<QCheckBox*>("checkDialogAutoUpdate")->setChecked(true);
        auto* pclServer = pclDialog->findChild<QLineEdit*>("editServer");
        pclServer->setText(QStringLiteral("ftp://x/"));
        pclDialog->findChild<QPushButton*>("buttonSave")->click();
        bRefusedFirst = pclDialog->isVisible() && pclDialog->findChild<QLabel*>("labelReason")->isVisible();
        pclServer->setText(strServer);
        pclDialog->findChild<QPushButton*>("buttonSave")->click();
    });
    QSignalSpy clAuto(pclPage, &ClWidgetHelp::sigAutoUpdateChanged);
    button("buttonConnection")->click();
    QCOMPARE(strShownPassword, QString());
    QVERIFY(bRefusedFirst);
    clSettings.reload();
    stProxy.strHost = QStringLiteral("proxy2.lan");
    QVERIFY(clSettings.proxy() == stProxy);
    QCOMPARE(clAuto.count(), 1);
    QVERIFY(pclPage->findChild<QCheckBox*>("checkAutoUpdate")->isChecked());

    // Another user name: the password kept was the other user's, and goes.
    QTimer::singleShot(0, this, [] {
        auto* pclDialog = qobject_cast<ClDialogConnection*>(QApplication::activeModalWidget());
        QVERIFY(pclDialog);
        pclDialog->findChild<QLineEdit*>("editProxyUser")->setText(QStringLiteral("bob"));
        pclDialog->findChild<QPushButton*>("buttonSave")->click();
    });
    button("buttonConnection")->click();
    clSettings.reload();
    QCOMPARE(clSettings.proxy().strUser, QStringLiteral("bob"));
    QCOMPARE(clSettings.proxy().strPassword, QString());
    QFile::remove(strPath);
}
