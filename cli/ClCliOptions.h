#pragma once
// The options of tovu-settings: one command (--list, --get, --set, --save-profile or
// --apply-profile) with what goes with it, which camera, and the virtual cameras that stand
// in for the USB bus. Anything that does not fit is bad usage, told in errorText().
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class ClCliOptions
{
    Q_DECLARE_TR_FUNCTIONS(ClCliOptions)
public:
    enum class Command { None, Help, Version, Manual, List, Get, Set, SaveProfile, ApplyProfile };

    struct OptionText
    {
        QString strNames;  // "--camera SERIAL"
        QString strDescription;
    };

    // Parses a full argument list (program name first). False on bad usage.
    bool parse(const QStringList& lstArguments);

    Command eCommand = Command::None;
    QStringList lstNames;        // --get: the settings named (all when empty)
    QStringList lstAssignments;  // --set: "NAME=VALUE"
    QString strCamera;           // --camera
    QString strFile;             // --save-profile, --apply-profile
    QString strManualDate;       // --manual DATE (hidden: the build writes the manual)
    // Virtual camera models to plug in, 0 "Tovu", 1 "Tovu-S"; empty for the real bus.
    QList<int> lstVirtualModels;
    bool bJson = false;
    bool bShowSecrets = false;
    bool bIncludeSecrets = false;
    bool bDryRun = false;
    bool bAll = false;
    QString strError;

    static constexpr int lMaxVirtualCameras = 16;

    // Every option with its description, for --help and the manual.
    static QList<OptionText> optionTexts();
    // --help: the options, every setting with its type and range, the exit codes.
    static QString helpText();
};
