#pragma once
// The commands on one camera once it is found: --get, --set, --save-profile and
// --apply-profile. Values and profiles have been checked before any camera was touched;
// results go to one stream, messages to the other.
#include "ClCliCamera.h"
#include "ClCliOptions.h"

#include <QCoreApplication>
#include <QMap>
#include <QVariant>

class ClCameraSettings;
class ClSettingsProfile;
class QTextStream;

class ClCliCommands
{
    Q_DECLARE_TR_FUNCTIONS(ClCliCommands)
public:
    // How applying a profile to one camera ended.
    struct Applied
    {
        int lChanged = 0;
        int lSkipped = 0;
        int lFailed = 0;
        bool bComplete = false;  // every value the camera has was taken (or would be, dry)
    };

    ClCliCommands(const ClCliOptions& stOptions, QTextStream& clOut, QTextStream& clErr);

    // Each returns the exit code.
    int get(const ClCliCamera& stCamera, ClCameraSettings& clSettings);
    int set(const ClCliCamera& stCamera, ClCameraSettings& clSettings, const QMap<QString, QVariant>& mapValues);
    int saveProfile(const ClCliCamera& stCamera, ClCameraSettings& clSettings);
    Applied applyProfile(const ClCliCamera& stCamera, ClCameraSettings& clSettings, const ClSettingsProfile& clProfile);

private:
    // Tells why each failed setting failed; true when there was none.
    bool reportFailures(const ClCliCamera& stCamera, const QMap<QString, QString>& mapFailed);

    const ClCliOptions& stOptions;
    QTextStream& clOut;
    QTextStream& clErr;
};
