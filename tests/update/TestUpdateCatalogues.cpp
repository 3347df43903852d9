// The update services' texts as a person sees them: the English catalogue's wording in
// the contexts the code looks them up in, and a Japanese text for every English entry.
#include "ClDownload.h"
#include "ClMessageBox.h"
#include "ClProgressDialog.h"
#include "ClTovuDownload.h"
#include "ClWidgetHelp.h"
#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"

#include <QCheckBox>

#include <QDomDocument>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTranslator>
#include <QtTest>

namespace {
PV_CMD completion(const char* pszClass, quint16 usCode)
{
    PV_CMD clCommand;
    clCommand.insert("CMD", ClCommandKinds::result());
    clCommand.insert("PARAM2", ClCommandCatalogue::requestKind(pszClass));
    clCommand.insert("PARAM3", usCode);
    return clCommand;
}

// (context, source) pairs of the .ts files of one catalogue folder.
QSet<QPair<QString, QString>> sourcesIn(const QString& strFolder, const QString& strFile)
{
    QSet<QPair<QString, QString>> setPairs;
    QFile clFile(QStringLiteral(TOVU_TRANSLATIONS) + '/' + strFolder + '/' + strFile);
    if (!clFile.open(QIODevice::ReadOnly))
        return setPairs;
    QDomDocument clDoc;
    clDoc.setContent(&clFile);
    for (QDomElement clContext = clDoc.documentElement().firstChildElement("context"); !clContext.isNull();
         clContext = clContext.nextSiblingElement("context")) {
        const QString strName = clContext.firstChildElement("name").text();
        for (QDomElement clMessage = clContext.firstChildElement("message"); !clMessage.isNull();
             clMessage = clMessage.nextSiblingElement("message"))
            setPairs.insert({strName, clMessage.firstChildElement("source").text()});
    }
    return setPairs;
}
}  // namespace

class TestUpdateCatalogues : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void englishWordingOfMessages();
    void englishWordingOfHelpPage();
    void japaneseForEveryEnglishEntry_data();
    void japaneseForEveryEnglishEntry();

private:
    QTranslator clLang;
    QTranslator clUpdate;
    QStringList lstBoxes;
};

void TestUpdateCatalogues::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    PvCmd::registerMetaTypes();
    QVERIFY(clLang.load(":/lang/en"));
    QVERIFY(clUpdate.load(":/en/update"));
    QCoreApplication::installTranslator(&clLang);
    QCoreApplication::installTranslator(&clUpdate);
    ClMessageBox::setTestResponder([this](const QString& strText, QMessageBox::StandardButtons) {
        lstBoxes << strText;
        return QMessageBox::Ok;
    });
}

void TestUpdateCatalogues::cleanupTestCase()
{
    ClMessageBox::setTestResponder({});
}

void TestUpdateCatalogues::englishWordingOfMessages()
{
    QWidget clWindow;
    ClTovuDownload clDownload(&clWindow);
    clDownload.setCameraVersion("01.03.025");
    clDownload.slotReceiveCommand(completion("ClTovuCommandExecFwUpdat", 0));
    QCOMPARE(lstBoxes.value(0), QString::fromUtf8("Now upgrading\u2026\nPlease wait until Tovu turns off."));

    QSignalSpy clError(&clDownload, &ClDownload::sigError);
    ClDownload clPlain;
    QSignalSpy clPlainError(&clPlain, &ClDownload::sigError);
    QVERIFY(!clPlain.start({"-nf", "/nonexistent/network.xml"}));
    QCOMPARE(clPlainError.value(0).value(0).toString(),
             QStringLiteral("Failed to read update files.\nIf this error continues to occur, consult your dealer."));

    clDownload.slotSuccess({{"../setup.msi", "x"}});
    QCOMPARE(clError.value(0).value(0).toString(), QStringLiteral("Failed to update."));

    ClProgressDialog clDialog;
    QCOMPARE(clDialog.findChild<QLabel*>("labelStatus")->text(), QStringLiteral("Downloading"));
    QCOMPARE(clDialog.findChild<QPushButton*>("buttonCancel")->text(), QStringLiteral("Cancel"));
}

void TestUpdateCatalogues::englishWordingOfHelpPage()
{
    ClWidgetHelp clPage;
    QStringList lstButtons;
    for (const QPushButton* pclButton : clPage.findChildren<QPushButton*>())
        lstButtons << pclButton->text();
    QVERIFY(lstButtons.contains("Upgrade Tovu Setup Tool"));
    QVERIFY(lstButtons.contains("Upgrade the Tovu"));
    QVERIFY(lstButtons.contains("Show the license"));
    QCOMPARE(clPage.findChild<QLabel*>("labelTitle")->text(), QStringLiteral("Setting application"));
    QCOMPARE(clPage.findChild<QCheckBox*>("checkAutoUpdate")->text(),
             QStringLiteral("Notify if the latest software is available"));
}

void TestUpdateCatalogues::japaneseForEveryEnglishEntry_data()
{
    QTest::addColumn<QString>("strCatalogue");
    QTest::addColumn<QString>("strFolder");
    QTest::addColumn<QString>("strFile");
    QTest::newRow("update") << ":/ja/update" << "update" << "update.ts";
    QTest::newRow("help") << ":/lang/ja" << "lang" << "help.ts";
}

void TestUpdateCatalogues::japaneseForEveryEnglishEntry()
{
    QFETCH(QString, strCatalogue);
    QFETCH(QString, strFolder);
    QFETCH(QString, strFile);
    const auto setEnglish = sourcesIn(strFolder + "/en", strFile);
    QVERIFY(setEnglish.size() > 5);
    QCOMPARE(sourcesIn(strFolder + "/ja", strFile), setEnglish);
    QTranslator clJapanese;
    QVERIFY(clJapanese.load(strCatalogue));
    for (const auto& pairEntry : setEnglish) {
        const QString strText = clJapanese.translate(qPrintable(pairEntry.first), qPrintable(pairEntry.second));
        QVERIFY2(!strText.isEmpty(), qPrintable(pairEntry.second));
    }
}

QTEST_MAIN(TestUpdateCatalogues)
#include "TestUpdateCatalogues.moc"
