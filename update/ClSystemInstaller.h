#pragma once
// Hands a downloaded installer package to the system installer ("msiexec /i PACKAGE"),
// started detached so that it can replace the running tool.
#include <QString>

class ClSystemInstaller
{
public:
    // True when the installer process was started.
    static bool start(const QString& strPackagePath);

    // The installer program; replaceable for tests and for systems whose installer
    // lives elsewhere.
    static QString program();
    static void setProgram(const QString& strProgram);
};
