#include "ClSecListGen.h"

#include "ClAvailability.h"

QList<QUuid> ClSecListGen::createList(const QString& strVersion) const
{
    if (isInWindow(strVersion, 1))
        return kindsWith(ClAvailability::Model1);
    return QList<QUuid>();
}

QString ClSecListGen::windowBound(int lIndex) const
{
    return lIndex == 1 ? QStringLiteral("01.00.011") : QString();
}
