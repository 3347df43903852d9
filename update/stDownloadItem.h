#pragma once
// One planned download of an update run.
#include <QString>

struct stDownloadItem
{
    QString strDirectory;  // always empty in this tool
    QString strPath;       // below the manifest's folder on the server
    QString strHash;       // expected MD5, lower-case hexadecimal
    bool bFlag = false;    // always false in this tool
    QString strSha256;     // expected SHA-256, lower-case hexadecimal; empty when unsigned
};
