#include "ClDocListGen.h"

#include "ClAvailability.h"

QList<QUuid> ClDocListGen::createList(const QString& strVersion) const
{
    if (isInWindow(strVersion, 1))
        return kindsWith(ClAvailability::Model2);
    return QList<QUuid>();
}

QString ClDocListGen::windowBound(int lIndex) const
{
    return lIndex == 1 ? QStringLiteral("00.00.001") : QString();
}
