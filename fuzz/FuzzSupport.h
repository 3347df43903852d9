#pragma once
// What every fuzz target shares: the Qt application the parsers need (created once, on
// the offscreen platform), a data folder of its own, and a check whose failure is a
// finding, in the replay build as under libFuzzer.
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void startApplication(bool bGui)
{
    // The settings and update classes write below the data folder: never the user's own.
    static QTemporaryDir s_clHome;
    qputenv("XDG_DATA_HOME", s_clHome.path().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A thousand warnings per second about refused input would be all a run prints.
    qputenv("QT_LOGGING_RULES", "tovu.*=false");
    static int s_lArgc = 1;
    static char s_szName[] = "fuzz";
    static char* s_apszArgv[] = {s_szName, nullptr};
    if (bGui)
        new QGuiApplication(s_lArgc, s_apszArgv);
    else
        new QCoreApplication(s_lArgc, s_apszArgv);
}

inline void check(bool bHolds, const char* pszWhat)
{
    if (bHolds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", pszWhat);
    std::abort();
}

inline QByteArray bytes(const uint8_t* pData, size_t ulSize)
{
    return QByteArray(reinterpret_cast<const char*>(pData), qsizetype(ulSize));
}

}  // namespace fuzz
