#pragma once
// One file an update manifest offers.
#include <QString>

struct stFileEntry
{
    QString strDirectory;
    QString strPath;
    QString strVersion;
    QString strHash;
    bool bFlag = false;
};
