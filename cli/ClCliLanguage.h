#pragma once
// The language of the command line's messages, as the window picks its own: Japanese on a
// Japanese system, English elsewhere, from the catalogue compiled into the executable.
#include <QLocale>

class QCoreApplication;

class ClCliLanguage
{
public:
    // True when the catalogue was found and installed.
    static bool apply(QCoreApplication* pclApp, QLocale::Language lSystem);
};
