#pragma once
// The update server's base URL: one built-in value, replaceable at run time
// (--update-server) for tests, demonstrations and mirrors.
#include <QString>

class ClUpdateServer
{
public:
    // Base URL in use, always ending with '/'.
    static QString url();
    // Replaces the built-in URL for the rest of the run; an empty text restores it.
    static void setUrl(const QString& strUrl);
    static QString builtInUrl();
};
