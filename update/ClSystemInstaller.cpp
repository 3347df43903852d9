#include "ClSystemInstaller.h"

#include "TovuUpdateLog.h"

#include <QDir>
#include <QProcess>

namespace {
QString& programName()
{
    static QString strProgram = QStringLiteral("msiexec");
    return strProgram;
}
}  // namespace

QString ClSystemInstaller::program()
{
    return programName();
}

void ClSystemInstaller::setProgram(const QString& strProgram)
{
    programName() = strProgram;
}

bool ClSystemInstaller::start(const QString& strPackagePath)
{
    const QStringList lstArgs = {QStringLiteral("/i"), QDir::toNativeSeparators(strPackagePath)};
    const bool bStarted = QProcess::startDetached(programName(), lstArgs);
    if (!bStarted)
        qCWarning(lcTovuUpdate) << "cannot start" << programName() << lstArgs;
    return bStarted;
}
