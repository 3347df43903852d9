// The help page: versions, the identity chain of queries, failures, the update buttons,
// the licence page and the automatic-update check box.
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"
#include "ClMessageBox.h"
#include "ClPageHost.h"
#include "ClUpdateServer.h"
#include "ClWidgetHelp.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
PV_CMD answer(const char* pszClass, const QString& strValue)
{
    PV_CMD clCommand;
    clCommand.insert("CMD", ClCommandCatalogue::replyKind(pszClass));
    clCommand.insert("PARAM2", strValue);
    return clCommand;
}

PV_CMD failure(const char* pszClass, quint16 usCode, bool bTransport)
{
    PV_CMD clCommand;
    clCommand.insert("CMD", bTransport ? ClCommandKinds::transportError() : ClCommandKinds::result());
    clCommand.insert("PARAM2", ClCommandCatalogue::requestKind(pszClass));
    clCommand.insert("PARAM3", QVariant::fromValue<quint16>(usCode));
    return clCommand;
}
}  // namespace

class TestWidgetHelp : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    // Stands in for the system's browser.
    void openUrl(const QUrl& clUrl) { lstOpened << clUrl; }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void versionsFollowTheCamera();
    void identityChain();
    void countryNames_data();
    void countryNames();
    void failuresOfOwnQueriesShown();
    void updateButtons();
    void licencePageByLanguage();
    void autoUpdateCheckBox();

private:
    QString text(const char* pszName) const { return pclPage->findChild<QLabel*>(pszName)->text(); }
    QPushButton* button(const char* pszName) const { return pclPage->findChild<QPushButton*>(pszName); }
    QUuid lastSentKind() const { return lstSent.isEmpty() ? QUuid() : lstSent.last().value("CMD").toUuid(); }

    ClPageHost* pclHost = nullptr;
    ClWidgetHelp* pclPage = nullptr;
    QList<PV_CMD> lstSent;
    QStringList lstBoxes;
    QList<QUrl> lstOpened;
};

void TestWidgetHelp::initTestCase()
{
    PvCmd::registerMetaTypes();
    QDesktopServices::setUrlHandler("http", this, "openUrl");
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes << strText;
        return QMessageBox::Ok;
    });
}

void TestWidgetHelp::init()
{
    pclHost = new ClPageHost;
    pclPage = new ClWidgetHelp(pclHost);
    connect(pclHost, &ClWidgetBase::sigSendCommand, this, [this](PV_CMD clCommand) { lstSent << clCommand; });
    lstSent.clear();
    lstBoxes.clear();
    lstOpened.clear();
}

void TestWidgetHelp::cleanup()
{
    delete pclHost;
    ClUpdateServer::setUrl(QString());
}

void TestWidgetHelp::versionsFollowTheCamera()
{
    QCOMPARE(text("labelToolVersion"), QStringLiteral("01.00.037"));
    QCOMPARE(text("labelFirmwareVersion"), QStringLiteral("--"));
    QVERIFY(!button("buttonUpdateTovu")->isEnabled());
    QVERIFY(button("buttonUpdateOwn")->isEnabled());

    pclPage->setCameraInfo(0, "01.03.025");
    QCOMPARE(text("labelFirmwareVersion"), QStringLiteral("01.03.025"));
    QVERIFY(button("buttonUpdateTovu")->isEnabled());

    pclPage->setCameraInfo(-1, QString());
    QCOMPARE(text("labelFirmwareVersion"), QStringLiteral("--"));
    QVERIFY(!button("buttonUpdateTovu")->isEnabled());
}

void TestWidgetHelp::identityChain()
{
    pclPage->activate(pclHost);
    QCOMPARE(lstSent.size(), 1);
    QCOMPARE(lastSentKind(), ClCommandCatalogue::requestKind("ClTovuCommandGetSerialNo"));
    QCOMPARE(lstSent.last().value("Sender").value<QObject*>(), pclPage);
    for (const char* pszLabel : {"labelSerialNo", "labelMacAddress", "labelCountry"})
        QCOMPARE(text(pszLabel), QStringLiteral("--"));

    Q_EMIT pclHost->sigReceiveCommand(answer("ClTovuCommandGetSerialNo", "TV1234567"));
    QCOMPARE(text("labelSerialNo"), QStringLiteral("TV1234567"));
    QCOMPARE(lastSentKind(), ClCommandCatalogue::requestKind("ClTovuCommandGetMacAddress"));

    Q_EMIT pclHost->sigReceiveCommand(answer("ClTovuCommandGetMacAddress", "00:11:22:AA:BB:CC"));
    QCOMPARE(text("labelMacAddress"), QStringLiteral("00:11:22:AA:BB:CC"));
    QCOMPARE(lastSentKind(), ClCommandCatalogue::requestKind("ClTovuCommandGetCountry"));

    Q_EMIT pclHost->sigReceiveCommand(answer("ClTovuCommandGetCountry", "jp"));
    QCOMPARE(text("labelCountry"), QStringLiteral("Japan"));
    QCOMPARE(lstSent.size(), 3);

    // Shown again: the values are asked afresh.
    pclPage->deactivate(pclHost);
    pclPage->activate(pclHost);
    QCOMPARE(text("labelSerialNo"), QStringLiteral("--"));
    QCOMPARE(lstSent.size(), 4);
}

void TestWidgetHelp::countryNames_data()
{
    QTest::addColumn<QString>("strCode");
    QTest::addColumn<QString>("strShown");
    QTest::newRow("us") << "us" << "United States";
    QTest::newRow("JP") << "JP" << "Japan";
    QTest::newRow("Au") << "Au" << "Australia";
    QTest::newRow("EU") << "EU" << "Europe";
    QTest::newRow("other") << "KR" << "KR";
    QTest::newRow("other, lower case") << "kr" << "KR";
}

void TestWidgetHelp::countryNames()
{
    QFETCH(QString, strCode);
    QFETCH(QString, strShown);
    QCOMPARE(ClWidgetHelp::countryName(strCode), strShown);
}

void TestWidgetHelp::failuresOfOwnQueriesShown()
{
    pclPage->activate(pclHost);
    // The camera went away while asked: no box.
    Q_EMIT pclHost->sigReceiveCommand(failure("ClTovuCommandGetSerialNo", 0xEF00, true));
    QVERIFY(lstBoxes.isEmpty());
    // Somebody else's failure is not this page's to show.
    Q_EMIT pclHost->sigReceiveCommand(failure("ClTovuCommandGetTime", 0xFFFE, false));
    QVERIFY(lstBoxes.isEmpty());

    Q_EMIT pclHost->sigReceiveCommand(failure("ClTovuCommandGetCountry", 0xFFFE, false));
    QCOMPARE(lstBoxes, QStringList({"Timeout error, please reset"}));

    // One box until the page is asked again by the user.
    Q_EMIT pclHost->sigReceiveCommand(failure("ClTovuCommandGetMacAddress", 0xEF03, true));
    QCOMPARE(lstBoxes.size(), 1);
    pclPage->requestData(false);
    Q_EMIT pclHost->sigReceiveCommand(failure("ClTovuCommandGetFwVersion", 0xEF03, true));
    QCOMPARE(lstBoxes, QStringList({"Timeout error, please reset", "Exec failed, unknown error"}));
}

void TestWidgetHelp::updateButtons()
{
    QSignalSpy clUpdate(pclPage, &ClWidgetHelp::sigUpdate);
    button("buttonUpdateOwn")->click();
    pclPage->setCameraInfo(1, "01.03.025");
    button("buttonUpdateTovu")->click();
    QCOMPARE(clUpdate.count(), 2);
    QCOMPARE(clUpdate.at(0).at(0).toInt(), 0);
    QCOMPARE(clUpdate.at(1).at(0).toInt(), 1);

    // An error notice from a connected camera makes the firmware update reachable.
    pclPage->setCameraInfo(-1, QString());
    pclPage->activate(pclHost);
    Q_EMIT pclHost->sigReceiveCommand(failure("ClTovuCommandGetSerialNo", 0xEF00, true));
    QVERIFY(button("buttonUpdateTovu")->isEnabled());
}

void TestWidgetHelp::licencePageByLanguage()
{
    ClUpdateServer::setUrl("http://127.0.0.1:9/mirror/");
    // The test runs in the C locale, which is not Chinese or Japanese.
    button("buttonShowLicense")->click();
    QCOMPARE(lstOpened, QList<QUrl>({QUrl("http://127.0.0.1:9/mirror/license/license_eng.html")}));

    QCOMPARE(ClWidgetHelp::licenseUrl(QLocale::Japanese).toString(),
             QStringLiteral("http://127.0.0.1:9/mirror/license/license_jpn.html"));
    QCOMPARE(ClWidgetHelp::licenseUrl(QLocale::Chinese).toString(),
             QStringLiteral("http://127.0.0.1:9/mirror/license/license_chn.html"));
    QCOMPARE(ClWidgetHelp::licenseUrl(QLocale::French).toString(),
             QStringLiteral("http://127.0.0.1:9/mirror/license/license_eng.html"));
    ClUpdateServer::setUrl(QString());
    QCOMPARE(ClWidgetHelp::licenseUrl(QLocale::English).toString(),
             ClUpdateServer::builtInUrl() + "license/license_eng.html");
}

void TestWidgetHelp::autoUpdateCheckBox()
{
    auto* pclCheck = pclPage->findChild<QCheckBox*>("checkAutoUpdate");
    QVERIFY(pclCheck);
    QVERIFY(!pclPage->isAutoUpdateChecked());
    pclPage->setAutoUpdateChecked(true);
    QVERIFY(pclCheck->isChecked());
    pclCheck->click();
    QVERIFY(!pclPage->isAutoUpdateChecked());
}

QTEST_MAIN(TestWidgetHelp)
#include "TestWidgetHelp.moc"
