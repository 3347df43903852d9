// Start-up: fonts, the choice and installation of the catalogues, and the command-line
// options.
#include "app/ClRunOptions.h"
#include "app/ClStartup.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineEditsGet14AndOthers13Pixels()
    {
        QCOMPARE(ClStartup::applyFonts().pixelSize(), 13);
        // Class fonts reach a widget when it is polished, as every shown widget is.
        auto pixels = [](QWidget&& clWidget) {
            clWidget.ensurePolished();
            return clWidget.font().pixelSize();
        };
        QCOMPARE(pixels(QLineEdit()), 14);
        QCOMPARE(pixels(QLabel()), 13);
        QCOMPARE(pixels(QPushButton()), 13);
    }

    void languageChoosesCatalogues_data()
    {
        QTest::addColumn<QLocale::Language>("lSystem");
        QTest::addColumn<QString>("strSuffix");
        QTest::addColumn<bool>("bUpdateMissing");
        QTest::newRow("Japanese") << QLocale::Japanese << "ja" << false;
        QTest::newRow("English") << QLocale::English << "en" << false;
        QTest::newRow("Chinese") << QLocale::Chinese << "en" << false;
        QTest::newRow("Japanese without update catalogue") << QLocale::Japanese << "ja" << true;
        // After a Japanese row, so that a default locale left unchanged would show.
        QTest::newRow("French") << QLocale::French << "en" << false;
    }

    void languageChoosesCatalogues()
    {
        QFETCH(QLocale::Language, lSystem);
        QFETCH(QString, strSuffix);
        QFETCH(bool, bUpdateMissing);
        // Small catalogues of the test's own (Japanese window and update, English window and
        // update), so that the choice does not depend on the texts of the real ones.
        const ClStartup::Catalogues clCatalogues {":/test/ui_ja.qm",
                                                  bUpdateMissing ? ":/test/no_such_catalogue" : ":/test/update_ja.qm",
                                                  ":/test/ui_en.qm", ":/test/update_en.qm"};
        const qsizetype lChildrenBefore = qApp->findChildren<QTranslator*>().size();
        const QList<QTranslator*> lstInstalled = ClStartup::applyLanguage(qApp, lSystem, clCatalogues);
        // One that cannot be loaded is left out, and its translator deleted.
        QCOMPARE(lstInstalled.size(), bUpdateMissing ? 1 : 2);
        QCOMPARE(qApp->findChildren<QTranslator*>().size(), lChildrenBefore + lstInstalled.size());
        QCOMPARE(lstInstalled.at(0)->filePath(), ":/test/ui_" + strSuffix + ".qm");
        QCOMPARE(QLocale().language(), strSuffix == "ja" ? QLocale::Japanese : QLocale::English);
        // Installed, not merely loaded.
        QCOMPARE(QCoreApplication::translate("TestStartup", "ui text"), "ui text from ui_" + strSuffix);
        QCOMPARE(QCoreApplication::translate("TestStartup", "update text"),
                 bUpdateMissing ? QStringLiteral("update text") : "update text from update_" + strSuffix);
        for (QTranslator* pclTranslator : lstInstalled) {
            QCoreApplication::removeTranslator(pclTranslator);
            delete pclTranslator;
        }
    }

    // lModel -1: no virtual camera. strOutcome: the server URL as kept, or a part of the
    // error text, or of the help text.
    void runOptions_data()
    {
        QTest::addColumn<QStringList>("lstArgs");
        QTest::addColumn<ClRunOptions::ParseResult>("eResult");
        QTest::addColumn<qint32>("lModel");
        QTest::addColumn<QString>("strOutcome");
        using Result = ClRunOptions::ParseResult;
        QTest::newRow("bare virtual camera") << QStringList {"--virtual-camera"} << Result::Run << 0 << QString();
        QTest::newRow("tovu-s with =") << QStringList {"--virtual-camera=tovu-s"} << Result::Run << 1 << QString();
        QTest::newRow("Tovu-S as next") << QStringList {"--virtual-camera", "Tovu-S"} << Result::Run << 1 << QString();
        QTest::newRow("unknown model") << QStringList {"--virtual-camera=tovu-x"} << Result::Error << -1
                                       << "Unknown camera model \"tovu-x\"";
        QTest::newRow("stray argument") << QStringList {"--virtual-camera", "foo"} << Result::Error << -1
                                        << "Unexpected argument: foo";
        QTest::newRow("server gets a slash") << QStringList {"--update-server", "http://127.0.0.1:8080/base"}
                                             << Result::Run << -1 << "http://127.0.0.1:8080/base/";
        QTest::newRow("server not http") << QStringList {"--update-server=ftp://host/x"} << Result::Error << -1
                                         << "Invalid --update-server";
        QTest::newRow("firmware file missing") << QStringList {"--firmware-file", "/nonexistent/fw.bin"}
                                               << Result::Error << -1 << "No firmware file to read at";
        QTest::newRow("help") << QStringList {"--help"} << Result::ShowHelp << -1 << "--virtual-camera <tovu|tovu-s>";
    }

    void runOptions()
    {
        QFETCH(QStringList, lstArgs);
        QFETCH(ClRunOptions::ParseResult, eResult);
        QFETCH(qint32, lModel);
        QFETCH(QString, strOutcome);
        ClRunOptions clOptions;
        QCOMPARE(clOptions.parse(QStringList {"tool"} + lstArgs), eResult);
        QCOMPARE(clOptions.useVirtualCamera(), lModel >= 0);
        QCOMPARE(clOptions.virtualCameraModel(), qMax(lModel, 0));
        if (eResult == ClRunOptions::ParseResult::Run) {
            QCOMPARE(clOptions.updateServer().toString(), strOutcome);
            QVERIFY(clOptions.errorText().isEmpty());
        } else {
            const QString strText
                = eResult == ClRunOptions::ParseResult::Error ? clOptions.errorText() : clOptions.helpText();
            QVERIFY2(strText.contains(strOutcome), qPrintable(strText));
        }
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
