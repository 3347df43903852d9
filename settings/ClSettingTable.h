#pragma once
// The table of every named setting the pages read and write, in the order a whole camera
// is read and written. Whether a camera has a setting follows from supportedCommands():
// both its commands must be there.
#include "ClSettingDefinition.h"

#include <QList>

class ClSettingTable
{
public:
    static const QVector<ClSettingDefinition>& all();
    // Null for a name the table does not know.
    static const ClSettingDefinition* find(const QString& strName);
    static bool isSupported(const ClSettingDefinition& stSetting, const QList<QUuid>& lstSupported);
    // "NAME  TYPE" lines of every setting, for --help and the manual.
    static QStringList describeAll();
};
