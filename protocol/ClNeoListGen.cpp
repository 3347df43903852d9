#include "ClNeoListGen.h"

#include "ClAvailability.h"

QList<QUuid> ClNeoListGen::createList(const QString& strVersion) const
{
    if (isInWindow(strVersion, 1))
        return kindsWith(ClAvailability::Model0Early);
    if (isInWindow(strVersion, 2))
        return kindsWith(ClAvailability::Model0Late);
    return QList<QUuid>();
}

QString ClNeoListGen::windowBound(int lIndex) const
{
    switch (lIndex) {
    case 1:
        return QStringLiteral("01.03.023");
    case 2:
        return QStringLiteral("01.03.025");
    default:
        return QString();
    }
}
