#include "ClRunOptions.h"
#include "virtualcamera/ClVirtualCameraOption.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace {

const char* const pVirtualCamera = "virtual-camera";
const char* const pUpdateServer = "update-server";
const char* const pFirmwareFile = "firmware-file";

ClRunOptions& currentOptions()
{
    static ClRunOptions clOptions;
    return clOptions;
}

}  // namespace

ClRunOptions::ParseResult ClRunOptions::parse(const QStringList& lstArguments)
{
    *this = ClRunOptions();

    QCommandLineParser clParser;
    clParser.setApplicationDescription(tr("Reads and changes the settings of a Tovu camera connected by USB."));
    const QCommandLineOption clHelp = clParser.addHelpOption();
    const QCommandLineOption clVersion = clParser.addVersionOption();
    const QCommandLineOption clVirtual(QString::fromLatin1(pVirtualCamera),
                                       tr("Use a virtual USB bus with an emulated camera instead of the real USB bus. "
                                          "The model is tovu (the default when no model is given) or tovu-s."),
                                       QStringLiteral("tovu|tovu-s"));
    const QCommandLineOption clServer(
        QString::fromLatin1(pUpdateServer),
        tr("Fetch updates and the licence page from <url> instead of the built-in update server."),
        QStringLiteral("url"));
    const QCommandLineOption clFirmware(
        QString::fromLatin1(pFirmwareFile),
        tr("Once the camera is connected, write the firmware in <file> into it, after the same confirmation and "
           "checks as Help, \"Install firmware from a file...\"."),
        QStringLiteral("file"));
    clParser.addOption(clVirtual);
    clParser.addOption(clServer);
    clParser.addOption(clFirmware);
    strHelp = clParser.helpText();

    if (!clParser.parse(ClVirtualCameraOption::withValue(lstArguments))) {
        strError = clParser.errorText();
        return ParseResult::Error;
    }
    if (clParser.isSet(clHelp) || clParser.isSet(QStringLiteral("help-all")))
        return ParseResult::ShowHelp;
    if (clParser.isSet(clVersion))
        return ParseResult::ShowVersion;
    if (!clParser.positionalArguments().isEmpty()) {
        strError = tr("Unexpected argument: %1").arg(clParser.positionalArguments().constFirst());
        return ParseResult::Error;
    }

    if (clParser.isSet(clVirtual)) {
        const QString strModel = clParser.value(clVirtual);
        lVirtualModel = ClVirtualCameraOption::modelFromName(strModel);
        if (lVirtualModel < 0) {
            strError = tr("Unknown camera model \"%1\" for --virtual-camera: use tovu or tovu-s.").arg(strModel);
            lVirtualModel = 0;
            return ParseResult::Error;
        }
        bVirtualCamera = true;
    }

    if (clParser.isSet(clServer)) {
        const QString strUrl = clParser.value(clServer);
        QUrl clUrl(strUrl, QUrl::StrictMode);
        const QString strScheme = clUrl.scheme().toLower();
        if (!clUrl.isValid() || clUrl.host().isEmpty()
            || (strScheme != QLatin1String("http") && strScheme != QLatin1String("https"))) {
            strError = tr("Invalid --update-server \"%1\": give an http:// or https:// URL.").arg(strUrl);
            return ParseResult::Error;
        }
        if (!clUrl.path().endsWith(QLatin1Char('/')))
            clUrl.setPath(clUrl.path() + QLatin1Char('/'));
        clUpdateServer = clUrl;
    }

    if (clParser.isSet(clFirmware)) {
        const QFileInfo clFile(clParser.value(clFirmware));
        if (!clFile.isFile() || !clFile.isReadable()) {
            strError = tr("No firmware file to read at \"%1\" (--firmware-file).").arg(clParser.value(clFirmware));
            return ParseResult::Error;
        }
        strFirmwareFile = clFile.absoluteFilePath();
    }
    return ParseResult::Run;
}

const ClRunOptions& ClRunOptions::current()
{
    return currentOptions();
}

void ClRunOptions::setCurrent(const ClRunOptions& clOptions)
{
    currentOptions() = clOptions;
}
