#pragma once
// One file an update manifest offers.
#include <QString>

struct stFileEntry
{
    QString strDirectory;
    QString strPath;
    QString strVersion;
    QString strHash;
    QString strSha256;  // of a signed manifest; empty in an unsigned one
    bool bFlag = false;
};
