#include "ClCliOptions.h"

#include "settings/ClSettingTable.h"
#include "virtualcamera/ClVirtualCameraOption.h"

#include <QCommandLineParser>

namespace {
struct OptionSpec
{
    const char* pszName;
    const char* pszValue;  // null: a switch
};

// In the order --help lists them.
const OptionSpec arrSpecs[] = {
    {"list", nullptr},          {"get", nullptr},          {"set", nullptr},          {"save-profile", "FILE"},
    {"apply-profile", "FILE"},  {"camera", "SERIAL"},      {"all", nullptr},          {"dry-run", nullptr},
    {"include-secrets", nullptr}, {"show-secrets", nullptr}, {"json", nullptr},       {"virtual-camera", "MODEL"},
    {"virtual-cameras", "N"},   {"help", nullptr},         {"version", nullptr},
};
}  // namespace

QList<ClCliOptions::OptionText> ClCliOptions::optionTexts()
{
    return {
        {QStringLiteral("--list"), tr("List every attached camera: serial number, model, firmware version and bus "
                                      "position, one line each.")},
        {QStringLiteral("--get [NAME...]"),
         tr("Print the named settings of the camera (every setting when no name is given): name, value and unit. A "
            "setting the camera's model or firmware lacks is listed as unsupported and never asked.")},
        {QStringLiteral("--set NAME=VALUE..."),
         tr("Change settings. Every value is checked before anything is sent; the settings are written in a safe "
            "order (the network last) and read back.")},
        {QStringLiteral("--save-profile FILE"),
         tr("Write every readable setting of the camera into a profile (JSON). Secrets are left out unless "
            "--include-secrets is given.")},
        {QStringLiteral("--apply-profile FILE"),
         tr("Show what the profile would change (setting: camera's value -> profile's value), then write only the "
            "differences and read them back. Settings the camera lacks are listed and skipped.")},
        {QStringLiteral("--camera SERIAL"), tr("Use the camera with this serial number when several are attached.")},
        {QStringLiteral("--all"), tr("With --apply-profile: apply the profile to every attached camera in turn.")},
        {QStringLiteral("--dry-run"), tr("With --apply-profile: show what would change and write nothing.")},
        {QStringLiteral("--include-secrets"), tr("With --save-profile: write passwords and network keys too.")},
        {QStringLiteral("--show-secrets"), tr("Print passwords and network keys instead of \"(secret)\".")},
        {QStringLiteral("--json"), tr("With --list or --get: print JSON.")},
        {QStringLiteral("--virtual-camera[=MODEL]"),
         tr("Use a virtual USB bus with an emulated camera instead of the real one; MODEL is tovu (the default) or "
            "tovu-s. Repeat it for several cameras.")},
        {QStringLiteral("--virtual-cameras N"),
         tr("Plug N emulated Tovu cameras into the virtual bus, besides those of --virtual-camera.")},
        {QStringLiteral("--help"), tr("Show the options and every setting with its type and range.")},
        {QStringLiteral("--version"), tr("Show the version.")},
    };
}

QString ClCliOptions::helpText()
{
    QString strText = tr("Usage: tovu-settings COMMAND [OPTIONS]") + QLatin1Char('\n')
                    + tr("Reads and changes the settings of Tovu cameras connected by USB, without a window.")
                    + QStringLiteral("\n\n") + tr("Options:") + QLatin1Char('\n');
    for (const OptionText& stOption : optionTexts())
        strText += QStringLiteral("  %1\n      %2\n").arg(stOption.strNames, stOption.strDescription);
    strText += QLatin1Char('\n') + tr("Settings:") + QLatin1Char('\n');
    for (const QString& strLine : ClSettingTable::describeAll())
        strText += QStringLiteral("  ") + strLine + QLatin1Char('\n');
    strText += QLatin1Char('\n') + tr("Exit status:") + QLatin1Char('\n')
             + tr("  0  success\n"
                  "  1  a camera or setting failure: no camera, a camera that failed or went, a value that did not "
                  "stick, the window holding the cameras\n"
                  "  2  bad usage: nothing was sent because the options, a value or a profile are wrong, or several "
                  "cameras are attached and none was chosen\n");
    return strText;
}

bool ClCliOptions::parse(const QStringList& lstArguments)
{
    *this = ClCliOptions();
    QCommandLineParser clParser;
    clParser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionSpec& stSpec : arrSpecs) {
        QCommandLineOption clOption(QString::fromLatin1(stSpec.pszName));
        if (stSpec.pszValue)
            clOption.setValueName(QString::fromLatin1(stSpec.pszValue));
        clParser.addOption(clOption);
    }
    clParser.addOption(QCommandLineOption(QStringLiteral("manual"), QString(), QStringLiteral("DATE")));

    if (!clParser.parse(ClVirtualCameraOption::withValue(lstArguments))) {
        strError = clParser.errorText();
        return false;
    }
    if (clParser.isSet(QStringLiteral("help"))) {
        eCommand = Command::Help;
        return true;
    }
    if (clParser.isSet(QStringLiteral("version"))) {
        eCommand = Command::Version;
        return true;
    }
    if (clParser.isSet(QStringLiteral("manual"))) {
        eCommand = Command::Manual;
        strManualDate = clParser.value(QStringLiteral("manual"));
        return true;
    }

    const QList<QPair<const char*, Command>> lstCommands = {{"list", Command::List},
                                                           {"get", Command::Get},
                                                           {"set", Command::Set},
                                                           {"save-profile", Command::SaveProfile},
                                                           {"apply-profile", Command::ApplyProfile}};
    QStringList lstGiven;
    for (const auto& stCommand : lstCommands) {
        if (clParser.isSet(QString::fromLatin1(stCommand.first))) {
            lstGiven.append(QStringLiteral("--") + QString::fromLatin1(stCommand.first));
            eCommand = stCommand.second;
        }
    }
    if (lstGiven.isEmpty()) {
        strError = tr("Give one of --list, --get, --set, --save-profile or --apply-profile.");
        return false;
    }
    if (lstGiven.size() > 1) {
        strError = tr("Give only one command, not %1.").arg(lstGiven.join(QStringLiteral(", ")));
        return false;
    }

    const QStringList lstPositional = clParser.positionalArguments();
    if (eCommand == Command::Get)
        lstNames = lstPositional;
    else if (eCommand == Command::Set)
        lstAssignments = lstPositional;
    else if (!lstPositional.isEmpty()) {
        strError = tr("Unexpected argument: %1").arg(lstPositional.constFirst());
        return false;
    }
    if (eCommand == Command::Set && lstAssignments.isEmpty()) {
        strError = tr("--set needs at least one NAME=VALUE.");
        return false;
    }

    strCamera = clParser.value(QStringLiteral("camera"));
    if (eCommand == Command::SaveProfile)
        strFile = clParser.value(QStringLiteral("save-profile"));
    if (eCommand == Command::ApplyProfile)
        strFile = clParser.value(QStringLiteral("apply-profile"));
    bJson = clParser.isSet(QStringLiteral("json"));
    bShowSecrets = clParser.isSet(QStringLiteral("show-secrets"));
    bIncludeSecrets = clParser.isSet(QStringLiteral("include-secrets"));
    bDryRun = clParser.isSet(QStringLiteral("dry-run"));
    bAll = clParser.isSet(QStringLiteral("all"));

    // Options that would be silently ignored are refused, so that a script learns of them.
    const bool bApply = eCommand == Command::ApplyProfile;
    if ((bAll || bDryRun) && !bApply) {
        strError = tr("--all and --dry-run go with --apply-profile only.");
        return false;
    }
    if (bIncludeSecrets && eCommand != Command::SaveProfile) {
        strError = tr("--include-secrets goes with --save-profile only.");
        return false;
    }
    if (bJson && eCommand != Command::List && eCommand != Command::Get) {
        strError = tr("--json goes with --list or --get only.");
        return false;
    }
    if (bAll && !strCamera.isEmpty()) {
        strError = tr("Give either --all or --camera, not both.");
        return false;
    }

    for (const QString& strModel : clParser.values(QStringLiteral("virtual-camera"))) {
        const int lModel = ClVirtualCameraOption::modelFromName(strModel);
        if (lModel < 0) {
            strError = tr("Unknown camera model \"%1\" for --virtual-camera: use tovu or tovu-s.").arg(strModel);
            return false;
        }
        lstVirtualModels.append(lModel);
    }
    if (clParser.isSet(QStringLiteral("virtual-cameras"))) {
        bool bNumber = false;
        const int lCount = clParser.value(QStringLiteral("virtual-cameras")).toInt(&bNumber);
        if (!bNumber || lCount < 1 || lCount > lMaxVirtualCameras) {
            strError = tr("--virtual-cameras takes a number from 1 to %1.").arg(lMaxVirtualCameras);
            return false;
        }
        for (int i = 0; i < lCount; ++i)
            lstVirtualModels.append(0);
    }
    if (lstVirtualModels.size() > lMaxVirtualCameras) {
        strError = tr("At most %1 virtual cameras.").arg(lMaxVirtualCameras);
        return false;
    }
    return true;
}
