#pragma once
// The manual page of tovu-settings in roff, written at build time by the executable itself
// so that its options and its list of settings come from the same code as --help.
#include <QString>

class ClCliManual
{
public:
    static QString roff(const QString& strDate, const QString& strVersion);
};
