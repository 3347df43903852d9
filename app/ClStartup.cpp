#include "ClStartup.h"

#include "AppLog.h"

#include <QApplication>
#include <QTranslator>

QFont ClStartup::applyFonts()
{
    QFont clFont;
    clFont.setPixelSize(13);
    QApplication::setFont(clFont);
    QFont clLineEditFont = clFont;
    clLineEditFont.setPixelSize(14);
    QApplication::setFont(clLineEditFont, "QLineEdit");
    return clFont;
}

QLocale::Language ClStartup::uiLanguage(QLocale::Language lSystem)
{
    return lSystem == QLocale::Japanese ? QLocale::Japanese : QLocale::English;
}

QStringList ClStartup::catalogueFiles(QLocale::Language lSystem, const Catalogues& clCatalogues)
{
    if (uiLanguage(lSystem) == QLocale::Japanese)
        return {clCatalogues.strJapaneseUi, clCatalogues.strJapaneseUpdate};
    return {clCatalogues.strEnglishUi, clCatalogues.strEnglishUpdate};
}

QStringList ClStartup::catalogueFiles(QLocale::Language lSystem)
{
    return catalogueFiles(lSystem, Catalogues());
}

QList<QTranslator*> ClStartup::installTranslators(QCoreApplication* pclApp, const QStringList& lstFiles)
{
    QList<QTranslator*> lstInstalled;
    for (const QString& strFile : lstFiles) {
        auto* pclTranslator = new QTranslator(pclApp);
        if (!pclTranslator->load(strFile) || pclTranslator->isEmpty()) {
            // The texts of that catalogue then show in their English source form.
            qCDebug(lcTovuApp) << "no catalogue at" << strFile;
            delete pclTranslator;
            continue;
        }
        QCoreApplication::installTranslator(pclTranslator);
        lstInstalled.append(pclTranslator);
    }
    return lstInstalled;
}

QList<QTranslator*> ClStartup::applyLanguage(QCoreApplication* pclApp, QLocale::Language lSystem,
                                             const Catalogues& clCatalogues)
{
    const QList<QTranslator*> lstInstalled = installTranslators(pclApp, catalogueFiles(lSystem, clCatalogues));
    QLocale::setDefault(QLocale(uiLanguage(lSystem), QLocale::AnyTerritory));
    return lstInstalled;
}

QList<QTranslator*> ClStartup::applyLanguage(QCoreApplication* pclApp, QLocale::Language lSystem)
{
    return applyLanguage(pclApp, lSystem, Catalogues());
}
