#include "ClSystemInstaller.h"

#include "TovuUpdateLog.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

namespace {
QString& programOverride()
{
    static QString strProgram;
    return strProgram;
}

// The Windows rule looks at everything after the first dot ("setup.msi"); a Debian
// package's name carries dots in its version ("tool_1.0.38_amd64.deb"), so only its
// last suffix counts.
bool isMsi(const QString& strName)
{
    return QFileInfo(strName).completeSuffix() == QLatin1String("msi");
}

bool isDeb(const QString& strName)
{
    return QFileInfo(strName).suffix() == QLatin1String("deb");
}

// Debian's name for the architecture the tool was built for.
QString debianArchitecture()
{
    const QString strCpu = QSysInfo::buildCpuArchitecture();
    if (strCpu == QLatin1String("x86_64"))
        return QStringLiteral("amd64");
    if (strCpu == QLatin1String("arm"))
        return QStringLiteral("armhf");
    return strCpu;  // arm64, i386, riscv64, ppc64el, s390x are spelled alike
}

// pkcon, PackageKit's own client, where it is installed.
QString packageKit()
{
    return QStandardPaths::findExecutable(QStringLiteral("pkcon"));
}

// A stand-in set by a test takes pkexec's place.
bool usesPackageKit(const QString& strPackagePath)
{
    return isDeb(strPackagePath) && programOverride().isEmpty() && !packageKit().isEmpty();
}
}  // namespace

bool ClSystemInstaller::isPackage(const QString& strName)
{
    return isMsi(strName) || isDeb(strName);
}

bool ClSystemInstaller::fitsThisSystem(const QString& strName)
{
#ifdef Q_OS_WIN
    return isMsi(strName);
#else
    if (!isDeb(strName))
        return false;
    const QString strBase = QFileInfo(strName).completeBaseName();
    const qsizetype lSeparator = strBase.lastIndexOf(QLatin1Char('_'));
    // name_version_architecture: only a name with all three parts says its architecture.
    if (lSeparator < 0 || strBase.count(QLatin1Char('_')) < 2)
        return true;
    const QString strArch = strBase.mid(lSeparator + 1);
    return strArch == QLatin1String("all") || strArch == debianArchitecture();
#endif
}


QString ClSystemInstaller::programFor(const QString& strPackagePath)
{
    if (!programOverride().isEmpty())
        return programOverride();
    if (usesPackageKit(strPackagePath))
        return packageKit();
    return QStandardPaths::findExecutable(isDeb(strPackagePath) ? QStringLiteral("pkexec") : QStringLiteral("msiexec"));
}

QStringList ClSystemInstaller::argumentsFor(const QString& strPackagePath)
{
    const QString strNative = QDir::toNativeSeparators(strPackagePath);
    // An absolute path, so that the installer takes it for a file and not for a package
    // name; no questions, because there is no terminal to answer on.
    const QString strAbsolute = QFileInfo(strPackagePath).absoluteFilePath();
    if (usesPackageKit(strPackagePath)) {
        return {QStringLiteral("--noninteractive"), QStringLiteral("--allow-untrusted"), QStringLiteral("install-local"),
                strAbsolute};
    }
    if (isDeb(strPackagePath))
        return {QStringLiteral("apt-get"), QStringLiteral("install"), QStringLiteral("-y"), strAbsolute};
    return {QStringLiteral("/i"), strNative};
}

void ClSystemInstaller::setProgram(const QString& strProgram)
{
    programOverride() = strProgram;
}

bool ClSystemInstaller::start(const QString& strPackagePath)
{
    QString strProgram = programFor(strPackagePath);
    QStringList lstArgs = argumentsFor(strPackagePath);
    if (strProgram.isEmpty()) {
        qCWarning(lcTovuUpdate) << "no installer for" << strPackagePath << "(neither pkcon nor pkexec is installed)";
        return false;
    }
    if (isDeb(strPackagePath) && !usesPackageKit(strPackagePath)) {
        // A detached process is handed to init at once, and pkexec refuses a caller whose
        // parent is gone ("Refusing to render service to dead parents"). A shell waits
        // for it instead; "exit" after it keeps the shell from replacing itself with it.
        lstArgs.prepend(strProgram);
        lstArgs = QStringList {QStringLiteral("-c"), QStringLiteral("\"$0\" \"$@\"; exit $?")} + lstArgs;
        strProgram = QStringLiteral("/bin/sh");
    }
    const bool bStarted = QProcess::startDetached(strProgram, lstArgs);
    if (!bStarted)
        qCWarning(lcTovuUpdate) << "cannot start" << strProgram << lstArgs;
    return bStarted;
}
