#pragma once
// What the command line prints as results: cameras and settings as lines for people or as
// JSON for scripts. Setting names, values and JSON keys are never translated.
#include "ClCliCamera.h"
#include "settings/ClSettingDefinition.h"
#include "settings/ClSettingsReport.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QVariant>

class ClCliFormat
{
public:
    static QString cameraLine(const ClCliCamera& stCamera);
    static QByteArray camerasJson(const QList<ClCliCamera>& lstCameras);

    // A value for people; a secret is "(secret)" unless bShowSecrets.
    static QString valueText(const ClSettingDefinition& stSetting, const QVariant& clValue, bool bShowSecrets);
    // "name  value unit" for every setting read and "name  (unsupported)" for those the
    // camera lacks, in the table's order.
    static QStringList settingLines(const ClSettingsReport& stReport, bool bShowSecrets);
    // One object: the camera, "settings" by name with value and unit, "unsupported" and
    // "failed" with why.
    static QByteArray settingsJson(const ClCliCamera& stCamera, const ClSettingsReport& stReport, bool bShowSecrets);
};
