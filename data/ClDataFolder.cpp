#include "ClDataFolder.h"

#include <QDir>
#include <QStandardPaths>

QString ClDataFolder::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Parvik/TovuSettingTool/");
}

QString ClDataFolder::networkFile()
{
    return path() + QStringLiteral("network.xml");
}

bool ClDataFolder::make()
{
    return QDir().mkpath(path());
}
