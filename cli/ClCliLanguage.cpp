#include "ClCliLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

bool ClCliLanguage::apply(QCoreApplication* pclApp, QLocale::Language lSystem)
{
    const bool bJapanese = lSystem == QLocale::Japanese;
    auto* pclTranslator = new QTranslator(pclApp);
    if (!pclTranslator->load(bJapanese ? QStringLiteral(":/lang/ja") : QStringLiteral(":/lang/en"))
        || pclTranslator->isEmpty()) {
        // The messages then show in their English source form.
        delete pclTranslator;
        return false;
    }
    QCoreApplication::installTranslator(pclTranslator);
    return true;
}
