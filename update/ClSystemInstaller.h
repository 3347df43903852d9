#pragma once
// Hands a downloaded package of the tool to the system's package installer, started
// detached so that it can replace the running tool: "msiexec /i PACKAGE" for a Windows
// installer; for a Debian package PackageKit ("pkcon install-local PACKAGE") where it is
// installed, else "pkexec apt-get install -y PACKAGE".
//
// PackageKit first: pkcon installs through PackageKit's InstallFiles over D-Bus, and
// PolicyKit asks for the password in the desktop's own dialog; like apt it fetches the
// libraries the new version depends on and runs the package's scripts that reload the
// udev rule. The package is not in a signed repository, so it is allowed as "untrusted":
// the tool has checked its signature itself. What xdg-open starts for a .deb differs
// from desktop to desktop (often an archive viewer) and may install nothing, so it is
// not used. A program that is not installed is never started: then the start fails, the
// tool keeps running and says where the package was saved.
#include <QString>
#include <QStringList>

class ClSystemInstaller
{
public:
    // True when strName names a package of the tool for some system (.msi or .deb).
    static bool isPackage(const QString& strName);
    // True when the package strName can be installed on the system the tool runs on.
    // A .deb named with Debian's architecture ("..._amd64.deb") fits only that
    // architecture or "all"; one without fits any.
    static bool fitsThisSystem(const QString& strName);

    // True when the installer process was started.
    static bool start(const QString& strPackagePath);
    // The program (its full path; empty when none is installed) and the arguments start()
    // runs for a package.
    static QString programFor(const QString& strPackagePath);
    static QStringList argumentsFor(const QString& strPackagePath);

    // Replaces the installer program for every kind of package (tests use a stand-in
    // that writes down how it was called); an empty name restores the system's own.
    static void setProgram(const QString& strProgram);
};
