#include "AbstListGen.h"

#include <QRegularExpression>

#include "ClCommandAvailability.h"

namespace {
qint64 versionNumber(QString strVersion)
{
    return strVersion.remove(QLatin1Char('.')).toLongLong();
}
}  // namespace

AbstListGen::~AbstListGen() = default;

bool AbstListGen::isInWindow(const QString& strVersion, int lIndex) const
{
    static const QRegularExpression clVersionPattern(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{2}\\.[0-9]{2}\\.[0-9]{3}")));
    if (!clVersionPattern.match(strVersion).hasMatch())
        return false;

    const QString strLower = windowBound(lIndex);
    const QString strUpper = windowBound(lIndex + 1);
    if (strLower.isEmpty())
        return false;
    const qint64 llVersion = versionNumber(strVersion);
    if (versionNumber(strLower) > llVersion)
        return false;
    return strUpper.isEmpty() || llVersion < versionNumber(strUpper);
}

QList<QUuid> AbstListGen::kindsWith(quint8 ucFlag)
{
    return ClCommandAvailability::kindsWith(ucFlag);
}
