#pragma once
// Hands a downloaded package of the tool to the system's package installer, started
// detached so that it can replace the running tool: "msiexec /i PACKAGE" for a Windows
// installer, "pkexec apt-get install -y PACKAGE" for a Debian package.
//
// For a .deb, apt-get through pkexec rather than the desktop's software installer
// (xdg-open): pkexec asks for the administrator's password in the desktop session, apt
// fetches the libraries the new version depends on, and it runs the package's scripts
// that reload the udev rule. What xdg-open starts for a .deb differs from desktop to
// desktop (often an archive viewer) and may install nothing. Without pkexec the start
// fails and the tool says where the package was saved.
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
    // The program and arguments start() runs for a package.
    static QString programFor(const QString& strPackagePath);
    static QStringList argumentsFor(const QString& strPackagePath);

    // Replaces the installer program for every kind of package (tests use a stand-in
    // that writes down how it was called); an empty name restores the system's own.
    static void setProgram(const QString& strProgram);
};
