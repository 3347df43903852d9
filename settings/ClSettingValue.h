#pragma once
// A setting's value in its three forms: as the camera's envelopes carry it (the form the
// rest of the program holds), as text for people (the command line) and as JSON (profiles).
// Every value that comes in from a user or a file passes check(), the same rule the pages'
// controls keep to.
#include "ClSettingDefinition.h"
#include "protocol/PvCmd.h"

#include <QJsonValue>
#include <QVariant>

class ClSettingValue
{
public:
    // The value in a reply of the setting's Get command; an invalid QVariant when the reply
    // does not hold one of the right kind.
    static QVariant fromReply(const ClSettingDefinition& stSetting, const PV_CMD& clReply);
    // Writes the value into the arguments of the setting's Set command.
    static void toRequest(const ClSettingDefinition& stSetting, const QVariant& clValue, PV_CMD& clRequest);

    // Empty when the value keeps the setting's rule, else why not (for the user).
    static QString check(const ClSettingDefinition& stSetting, const QVariant& clValue);
    static bool isSame(const ClSettingDefinition& stSetting, const QVariant& clA, const QVariant& clB);

    // For people. Reading checks the value too; the error is empty on success.
    static QString toText(const ClSettingDefinition& stSetting, const QVariant& clValue);
    static QVariant fromText(const ClSettingDefinition& stSetting, const QString& strText, QString* pstrError);

    // For profiles: switches as JSON booleans, numbers as numbers in the unit shown, the
    // rest as their text.
    static QJsonValue toJson(const ClSettingDefinition& stSetting, const QVariant& clValue);
    static QVariant fromJson(const ClSettingDefinition& stSetting, const QJsonValue& clJson, QString* pstrError);
};
