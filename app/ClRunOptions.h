#pragma once
// The tool's command-line options: whether to run against a virtual camera (and which
// model), which update server to use and which firmware file to write into the camera. main parses them once; the window and the
// update services read them through current().
#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QUrl>

class QCommandLineParser;

class ClRunOptions
{
    Q_DECLARE_TR_FUNCTIONS(ClRunOptions)
public:
    enum class ParseResult {
        Run,          // options understood: start the tool
        ShowHelp,     // --help: print helpText() and exit 0
        ShowVersion,  // --version: print the version and exit 0
        Error         // errorText() says what is wrong
    };

    ClRunOptions() = default;

    // Parses a full argument list (program name first).
    ParseResult parse(const QStringList& lstArguments);

    bool useVirtualCamera() const { return bVirtualCamera; }
    // Model number of the virtual camera: 0 "Tovu", 1 "Tovu-S".
    qint32 virtualCameraModel() const { return lVirtualModel; }
    // Empty unless --update-server was given; otherwise an http(s) URL whose path ends in "/",
    // so that relative manifest paths resolve below it.
    QUrl updateServer() const { return clUpdateServer; }
    // Empty unless --firmware-file was given; otherwise the file's absolute path.
    QString firmwareFile() const { return strFirmwareFile; }

    QString errorText() const { return strError; }
    QString helpText() const { return strHelp; }

    // The options of this run (defaults until main sets them).
    static const ClRunOptions& current();
    static void setCurrent(const ClRunOptions& clOptions);

private:
    bool bVirtualCamera = false;
    qint32 lVirtualModel = 0;
    QUrl clUpdateServer;
    QString strFirmwareFile;
    QString strError;
    QString strHelp;
};
