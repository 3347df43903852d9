// The tool's entry point: application-wide look and language, the single-instance
// check, then the main window until it is closed.
#include "ClFontConfigPreload.h"
#include "ClMainWidget.h"
#include "ClRunOptions.h"
#include "ClStartup.h"
#include "data/ClUpdateServer.h"
#include "framework/ClPictures.h"
#include "session/ClAppCheck.h"
#include "virtualcamera/ClVirtualCamera.h"
#include "virtualcamera/ClVirtualUsbBus.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <cstdio>
#include <memory>

namespace {

// Test hook: with TOVU_TEST_MESSAGES_TO_STDERR set, a start-up error box is written to
// standard error as "<title>: <text>" and taken as answered, so that tests can start real
// copies of the tool without a modal box in the way. Unset, the box is shown as usual.
void showStartError(const QString& strTitle, const QString& strText)
{
    if (qEnvironmentVariableIsSet("TOVU_TEST_MESSAGES_TO_STDERR")) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(strTitle), qPrintable(strText));
        std::fflush(stderr);
        return;
    }
    QMessageBox::critical(nullptr, strTitle, strText, QMessageBox::Ok, QMessageBox::NoButton);
}

// The arguments as QCoreApplication::arguments() gives them, for a run that has no
// application object yet.
QStringList argumentList(int argc, char* argv[])
{
    QStringList lstArguments;
    lstArguments.reserve(argc);
    for (int i = 0; i < argc; ++i)
        lstArguments.append(QString::fromLocal8Bit(argv[i]));
    return lstArguments;
}

// Prints what the options asked for instead of a run (--help, --version or a wrong
// option), in the user's language and with no window system, so that it works in a
// terminal without a display, over ssh and in package checks. Returns the exit code.
int reportOptions(int& argc, char* argv[], ClRunOptions& clOptions)
{
    QCoreApplication clCore(argc, argv);
    ClStartup::applyLanguage(&clCore, QLocale::system().language());
    QCoreApplication::setApplicationName(QObject::tr("Tovu Setting Tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVU_VERSION));
    // Parsed again now that the catalogues are in, so that the texts are translated.
    switch (clOptions.parse(QCoreApplication::arguments())) {
    case ClRunOptions::ParseResult::ShowHelp:
        std::fputs(qPrintable(clOptions.helpText()), stdout);
        return 0;
    case ClRunOptions::ParseResult::ShowVersion:
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    case ClRunOptions::ParseResult::Error:
        std::fprintf(stderr, "%s\n%s\n", qPrintable(clOptions.errorText()),
                     qPrintable(QObject::tr("Try --help for the options.")));
        return 1;
    case ClRunOptions::ParseResult::Run:
        break;
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Options are read before the instance check, so --help works beside a running copy,
    // and before any application object: a run that only starts the window does not pay
    // for a second one, nor for loading the catalogues twice.
    ClRunOptions clOptions;
    if (clOptions.parse(argumentList(argc, argv)) != ClRunOptions::ParseResult::Run) {
        if (const int lExit = reportOptions(argc, argv, clOptions); lExit >= 0)
            return lExit;
    }

    ClFontConfigPreload clFontPreload;
    // Resources are compiled into the executable and registered by their own
    // initialisers before main runs.
    QApplication clApp(argc, argv);
    // The pictures of the first view, in the order the window is built, and its icon;
    // decoded beside the start and waited for before the application ends.
    const QString strWindowPicture = QStringLiteral(":/img/window");
    const QString strIcon = QStringLiteral(":/imglang/icon_s");
    const ClPictures clPreload({QStringLiteral(":/img/close_win1"), QStringLiteral(":/img/close_win2"),
                                QStringLiteral(":/img/close_win3"), QStringLiteral(":/img/button1"),
                                QStringLiteral(":/img/button2"), QStringLiteral(":/img/button_security"),
                                QStringLiteral(":/img/button_camera"), QStringLiteral(":/img/button_network"),
                                QStringLiteral(":/img/button_setting"), QStringLiteral(":/img/button_stream"),
                                QStringLiteral(":/img/button_schedule"), QStringLiteral(":/img/button_help"),
                                QStringLiteral(":/mode/separator"), QStringLiteral(":/log/bg"),
                                QStringLiteral(":/img/camera_notconnect"), strWindowPicture, strIcon},
                               {strWindowPicture});
    // The desktop entry's name: Wayland's app_id, so that docks show the tool's icon and
    // group the window with its launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.parvik.TovuSettingTool"));
    QCoreApplication::addLibraryPath(QCoreApplication::applicationDirPath() + QStringLiteral("/imageformats"));

    const QFont clFont = ClStartup::applyFonts();
    ClStartup::applyLanguage(&clApp, QLocale::system().language());
    QCoreApplication::setApplicationName(QObject::tr("Tovu Setting Tool"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVU_VERSION));

    ClRunOptions::setCurrent(clOptions);
    ClUpdateServer::setUrl(clOptions.updateServer().toString());

    ClAppCheck clCheck(QCoreApplication::applicationName());
    const qint32 lResult = clCheck.checkInstance(QStringLiteral("Tovu_USB_Communication"));
    if (lResult != ClAppCheck::lOwned) {
        showStartError(QCoreApplication::applicationName(), clCheck.errorMessage(lResult));
        return -1;
    }

    // Demo mode: the emulated camera on a virtual bus stands in for real USB. The bus is
    // made first so that it outlives the window and its worker.
    std::unique_ptr<ClVirtualUsbBus> pclVirtualBus;
    if (clOptions.useVirtualCamera()) {
        pclVirtualBus = std::make_unique<ClVirtualUsbBus>();
        pclVirtualBus->plug(ClVirtualCamera::create(clOptions.virtualCameraModel() == 1 ? QStringLiteral("tovu-s")
                                                                                        : QStringLiteral("tovu")));
    }

    // The window measures text as it is built.
    clFontPreload.wait();
    ClMainWidget clWindow(pclVirtualBus.get());
    // From the picture, not the path: an icon made from a path without a suffix reads the
    // MIME database to tell the file's type, before the window can show.
    QApplication::setWindowIcon(QIcon(ClPictures::pixmap(strIcon)));
    clWindow.show();
    return QApplication::exec();
}
