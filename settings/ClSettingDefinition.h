#pragma once
// One named setting: the commands that read and write it, where its value sits in their
// envelopes, what kind of value it is and what it may be.
#include <QString>
#include <QStringList>
#include <QUuid>
#include <QVector>

enum class ClSettingType {
    Switch,     // bool on the wire; "on" / "off"
    Number,     // a whole number within [llMin, llMax], times iScale on the wire
    Text,       // a text matching strPattern
    Host,       // a dotted IPv4 host address
    Mask,       // a dotted IPv4 subnet mask
    Choice,     // one of lstChoices: a token for the user, a code on the wire
    ImageSize,  // "WIDTHxHEIGHT", one of lstChoices; a QSize on the wire
    DayPeriod,  // a day of the weekly schedule: "off" or "HH:MM-HH:MM"
};

struct ClSettingChoice
{
    qint64 llCode;
    QString strToken;
};

struct ClSettingDefinition
{
    QString strName;  // dotted, stable: "basic.camera_name"
    QUuid uuidGet;    // the Get command's request kind
    QUuid uuidSet;    // the Set command's request kind
    // The value's place: reply "PARAM<2+lField>" of the Get, argument "PARAM<2+lField>" of
    // the Set. Settings that share a Set command are written together, each in its field.
    int lField = 0;
    ClSettingType eType = ClSettingType::Number;
    QString strUnit;   // as shown: "s", "kbit/s", "fps"; empty for none
    qint64 llMin = 0;  // Number: range in the unit shown
    qint64 llMax = 0;
    qint64 llScale = 1;     // Number: wire value = shown value * llScale
    qint64 llDefault = -1;  // Number: a value allowed besides the range (a port's default); -1 none
    QString strPattern;     // Text
    // Choice, ImageSize; for a Number, the only values allowed within its range, if any.
    QVector<ClSettingChoice> lstChoices;
    int lDayCode = 0;      // DayPeriod: the camera's code of the day
    bool bSecret = false;  // never printed or saved unless asked for
    // Order of writing: lower first. The network comes last, since it can cut the camera off.
    int lStage = 0;
    // The type and range in a few words, for --help and the manual.
    QString describe() const;
};
