// Start-up: fonts, the choice and installation of the catalogues, the guard's messages
// by system language, and the command-line options.
#include "ClAppCheck.h"
#include "ClRunOptions.h"
#include "ClStartup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class TestStartup : public QObject
{
    Q_OBJECT

private:
    static ClStartup::Catalogues testCatalogues()
    {
        ClStartup::Catalogues clCatalogues;
        clCatalogues.strJapaneseUi = QStringLiteral(":/test/ui_ja.qm");
        clCatalogues.strJapaneseUpdate = QStringLiteral(":/test/update_ja.qm");
        clCatalogues.strEnglishUi = QStringLiteral(":/test/ui_en.qm");
        clCatalogues.strEnglishUpdate = QStringLiteral(":/test/update_en.qm");
        return clCatalogues;
    }

    static void uninstall(const QList<QTranslator*>& lstTranslators)
    {
        for (QTranslator* pclTranslator : lstTranslators) {
            QCoreApplication::removeTranslator(pclTranslator);
            delete pclTranslator;
        }
    }

private Q_SLOTS:
    void lineEditsGet14AndOthers13Pixels()
    {
        const QFont clFont = ClStartup::applyFonts();
        QCOMPARE(clFont.pixelSize(), 13);
        QLineEdit clEdit;
        QLabel clLabel;
        QPushButton clButton;
        // Class fonts reach a widget when it is polished, as every shown widget is.
        clEdit.ensurePolished();
        clLabel.ensurePolished();
        clButton.ensurePolished();
        QCOMPARE(clEdit.font().pixelSize(), 14);
        QCOMPARE(clLabel.font().pixelSize(), 13);
        QCOMPARE(clButton.font().pixelSize(), 13);
    }

    void languageChoosesCatalogues_data()
    {
        QTest::addColumn<QLocale::Language>("lSystem");
        QTest::addColumn<QLocale::Language>("lDefault");
        QTest::addColumn<QString>("strSuffix");
        QTest::newRow("Japanese") << QLocale::Japanese << QLocale::Japanese << "ja";
        QTest::newRow("English") << QLocale::English << QLocale::English << "en";
        QTest::newRow("Chinese") << QLocale::Chinese << QLocale::English << "en";
        QTest::newRow("French") << QLocale::French << QLocale::English << "en";
        QTest::newRow("German") << QLocale::German << QLocale::English << "en";
    }

    void languageChoosesCatalogues()
    {
        QFETCH(QLocale::Language, lSystem);
        QFETCH(QLocale::Language, lDefault);
        QFETCH(QString, strSuffix);

        const QList<QTranslator*> lstInstalled = ClStartup::applyLanguage(qApp, lSystem, testCatalogues());
        QCOMPARE(lstInstalled.size(), 2);
        QCOMPARE(lstInstalled.at(0)->filePath(), ":/test/ui_" + strSuffix + ".qm");
        QCOMPARE(lstInstalled.at(1)->filePath(), ":/test/update_" + strSuffix + ".qm");
        for (QTranslator* pclTranslator : lstInstalled)
            QCOMPARE(pclTranslator->parent(), qApp);
        QCOMPARE(QLocale().language(), lDefault);
        // Both are installed, not merely loaded.
        QCOMPARE(QCoreApplication::translate("TestStartup", "ui text"), "ui text from ui_" + strSuffix);
        QCOMPARE(QCoreApplication::translate("TestStartup", "update text"), "update text from update_" + strSuffix);
        uninstall(lstInstalled);
    }

    void missingUpdateCatalogueInstallsOnlyTheFirst()
    {
        ClStartup::Catalogues clCatalogues = testCatalogues();
        clCatalogues.strJapaneseUpdate = QStringLiteral(":/test/no_such_catalogue");
        const int lChildrenBefore = qApp->findChildren<QTranslator*>().size();

        const QList<QTranslator*> lstInstalled = ClStartup::applyLanguage(qApp, QLocale::Japanese, clCatalogues);
        QCOMPARE(lstInstalled.size(), 1);
        QCOMPARE(lstInstalled.at(0)->filePath(), QStringLiteral(":/test/ui_ja.qm"));
        // The empty translator was deleted, not left hanging on the application.
        QCOMPARE(qApp->findChildren<QTranslator*>().size(), lChildrenBefore + 1);
        QCOMPARE(QCoreApplication::translate("TestStartup", "update text"), QStringLiteral("update text"));
        uninstall(lstInstalled);
    }

    void builtInCataloguePaths()
    {
        QCOMPARE(ClStartup::catalogueFiles(QLocale::Japanese), QStringList({ ":/lang/ja", ":/ja/update" }));
        QCOMPARE(ClStartup::catalogueFiles(QLocale::Chinese), QStringList({ ":/lang/en", ":/en/update" }));
        // The window's Japanese catalogue is compiled in and names the tool.
        const QList<QTranslator*> lstInstalled = ClStartup::applyLanguage(qApp, QLocale::Japanese);
        QVERIFY(!lstInstalled.isEmpty());
        QVERIFY(QObject::tr("Tovu Setting Tool") != QLatin1String("Tovu Setting Tool"));
        uninstall(lstInstalled);
    }

    void guardMessagesFollowSystemLanguage_data()
    {
        QTest::addColumn<QLocale::Language>("lSystem");
        QTest::addColumn<qint32>("lResult");
        QTest::addColumn<QString>("strExpected");
        QTest::newRow("ja 1") << QLocale::Japanese << 1 << QStringLiteral("Tool はすでに起動しています");
        QTest::newRow("ja 2") << QLocale::Japanese << 2 << QStringLiteral("別のユーザーが Tool を実行中のため起動できません");
        QTest::newRow("zh 1") << QLocale::Chinese << 1 << QStringLiteral("Tool 已在运行");
        QTest::newRow("zh 3") << QLocale::Chinese << 3 << QStringLiteral("无法初始化 Tool");
        QTest::newRow("fr 2") << QLocale::French << 2
                              << QStringLiteral("Impossible de démarrer : un autre utilisateur exécute Tool");
        QTest::newRow("en 3") << QLocale::English << 3 << QStringLiteral("Unable to initialize Tool");
        QTest::newRow("de falls back to en") << QLocale::German << 1 << QStringLiteral("Tool is already running");
        QTest::newRow("0 has no message") << QLocale::English << 0 << QString();
        QTest::newRow("unknown code") << QLocale::Japanese << 4 << QString();
    }

    void guardMessagesFollowSystemLanguage()
    {
        QFETCH(QLocale::Language, lSystem);
        QFETCH(qint32, lResult);
        QFETCH(QString, strExpected);
        ClAppCheck clCheck(QStringLiteral("Tool"));
        QCOMPARE(clCheck.errorMessage(lResult, lSystem), strExpected);
    }

    void guardMessagesIgnoreTheInterfaceLanguage()
    {
        // A Chinese system runs an English interface, yet the guard speaks Chinese.
        const QList<QTranslator*> lstInstalled = ClStartup::applyLanguage(qApp, QLocale::Chinese, testCatalogues());
        ClAppCheck clCheck(QStringLiteral("Tool"));
        QCOMPARE(clCheck.errorMessage(1, QLocale::Chinese), QStringLiteral("Tool 已在运行"));
        uninstall(lstInstalled);
    }

    void guardNameDefaultsToApplicationName()
    {
        QCoreApplication::setApplicationName(QStringLiteral("Named App"));
        ClAppCheck clCheck;
        QCOMPARE(clCheck.errorMessage(3, QLocale::English), QStringLiteral("Unable to initialize Named App"));
    }

    void runOptions_data()
    {
        QTest::addColumn<QStringList>("lstArgs");
        QTest::addColumn<int>("lParse");
        QTest::addColumn<bool>("bVirtual");
        QTest::addColumn<qint32>("lModel");
        QTest::addColumn<QString>("strServer");
        QTest::addColumn<QString>("strError");
        const int lRun = int(ClRunOptions::ParseResult::Run);
        const int lError = int(ClRunOptions::ParseResult::Error);
        QTest::newRow("nothing") << QStringList() << lRun << false << 0 << QString() << QString();
        QTest::newRow("bare virtual camera") << QStringList { "--virtual-camera" } << lRun << true << 0 << QString()
                                             << QString();
        QTest::newRow("tovu-s with =") << QStringList { "--virtual-camera=tovu-s" } << lRun << true << 1 << QString()
                                       << QString();
        QTest::newRow("tovu-s as next") << QStringList { "--virtual-camera", "tovu-s" } << lRun << true << 1
                                        << QString() << QString();
        QTest::newRow("Tovu upper case") << QStringList { "--virtual-camera=Tovu" } << lRun << true << 0 << QString()
                                         << QString();
        QTest::newRow("unknown model") << QStringList { "--virtual-camera=tovu-x" } << lError << false << 0
                                       << QString() << "Unknown camera model \"tovu-x\"";
        QTest::newRow("empty model") << QStringList { "--virtual-camera=" } << lError << false << 0 << QString()
                                     << "Unknown camera model";
        QTest::newRow("stray argument") << QStringList { "--virtual-camera", "foo" } << lError << false << 0
                                        << QString() << "Unexpected argument: foo";
        QTest::newRow("server gets a slash")
            << QStringList { "--update-server", "http://127.0.0.1:8080/base" } << lRun << false << 0
            << "http://127.0.0.1:8080/base/" << QString();
        QTest::newRow("https server kept")
            << QStringList { "--update-server=https://updates.example/tovu/" } << lRun << false << 0
            << "https://updates.example/tovu/" << QString();
        QTest::newRow("server not http") << QStringList { "--update-server", "ftp://host/x" } << lError << false << 0
                                         << QString() << "Invalid --update-server";
        QTest::newRow("server not a URL") << QStringList { "--update-server", "just words" } << lError << false << 0
                                          << QString() << "Invalid --update-server";
        QTest::newRow("server without value") << QStringList { "--update-server" } << lError << false << 0
                                              << QString() << "update-server";
        QTest::newRow("unknown option") << QStringList { "--bogus" } << lError << false << 0 << QString() << "bogus";
        QTest::newRow("both") << QStringList { "--update-server", "http://h/", "--virtual-camera=tovu-s" } << lRun
                              << true << 1 << "http://h/" << QString();
    }

    void runOptions()
    {
        QFETCH(QStringList, lstArgs);
        QFETCH(int, lParse);
        QFETCH(bool, bVirtual);
        QFETCH(qint32, lModel);
        QFETCH(QString, strServer);
        QFETCH(QString, strError);

        ClRunOptions clOptions;
        QCOMPARE(int(clOptions.parse(QStringList { "tool" } + lstArgs)), lParse);
        QCOMPARE(clOptions.useVirtualCamera(), bVirtual);
        QCOMPARE(clOptions.virtualCameraModel(), lModel);
        QCOMPARE(clOptions.updateServer().toString(), strServer);
        if (strError.isEmpty())
            QVERIFY(clOptions.errorText().isEmpty());
        else
            QVERIFY2(clOptions.errorText().contains(strError), qPrintable(clOptions.errorText()));
    }

    void helpListsTheOptions()
    {
        ClRunOptions clOptions;
        QCOMPARE(clOptions.parse({ "tool", "--help" }), ClRunOptions::ParseResult::ShowHelp);
        QVERIFY(clOptions.helpText().contains("--virtual-camera <tovu|tovu-s>"));
        QVERIFY(clOptions.helpText().contains("--update-server <url>"));
    }

    void currentOptionsAreShared()
    {
        ClRunOptions clOptions;
        QCOMPARE(clOptions.parse({ "tool", "--virtual-camera=tovu-s" }), ClRunOptions::ParseResult::Run);
        ClRunOptions::setCurrent(clOptions);
        QVERIFY(ClRunOptions::current().useVirtualCamera());
        QCOMPARE(ClRunOptions::current().virtualCameraModel(), 1);
        ClRunOptions::setCurrent(ClRunOptions());
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
