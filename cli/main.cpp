// tovu-settings: the command line of the Tovu Setting Tool. QCoreApplication only, so that
// it runs without a display; the runner does the work.
#include "ClCliLanguage.h"
#include "ClCliRunner.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication clApp(argc, argv);
    // The worker's notes on cameras opened and announced are for the window's log; here
    // standard error is the user's. QT_LOGGING_RULES still turns them on.
    QLoggingCategory::setFilterRules(QStringLiteral("tovu.*.info=false"));
    QCoreApplication::setApplicationName(QStringLiteral("tovu-settings"));
    ClCliLanguage::apply(&clApp, QLocale::system().language());
    QTextStream clOut(stdout);
    QTextStream clErr(stderr);
    ClCliRunner clRunner(nullptr, clOut, clErr);
    const int lExit = clRunner.run(QCoreApplication::arguments());
    clOut.flush();
    clErr.flush();
    return lExit;
}
