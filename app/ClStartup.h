#pragma once
// The start-up steps that shape the whole application (fonts, language), kept apart from
// main so that they can be run with a chosen language and chosen catalogue paths.
#include <QFont>
#include <QList>
#include <QLocale>
#include <QStringList>

class QCoreApplication;
class QTranslator;

class ClStartup
{
public:
    // The catalogues of the user interface: the window's and the update services'.
    struct Catalogues
    {
        QString strJapaneseUi = QStringLiteral(":/lang/ja");
        QString strJapaneseUpdate = QStringLiteral(":/ja/update");
        QString strEnglishUi = QStringLiteral(":/lang/en");
        QString strEnglishUpdate = QStringLiteral(":/en/update");
    };

    // 13 px for every widget, 14 px for line edits. Returns the application font.
    static QFont applyFonts();

    // The user-interface language for a system language: Japanese stays Japanese,
    // everything else is English.
    static QLocale::Language uiLanguage(QLocale::Language lSystem);

    // The two catalogues to load for a system language, first the window's.
    static QStringList catalogueFiles(QLocale::Language lSystem, const Catalogues& clCatalogues);
    static QStringList catalogueFiles(QLocale::Language lSystem);

    // Loads each file into a translator owned by the application; one that stays empty
    // (missing or unreadable file) is deleted, the others are installed in order.
    static QList<QTranslator*> installTranslators(QCoreApplication* pclApp, const QStringList& lstFiles);

    // Picks, loads and installs the catalogues for a system language and makes the
    // chosen language the default locale. Returns the translators installed.
    static QList<QTranslator*> applyLanguage(QCoreApplication* pclApp, QLocale::Language lSystem,
                                             const Catalogues& clCatalogues);
    static QList<QTranslator*> applyLanguage(QCoreApplication* pclApp, QLocale::Language lSystem);
};
