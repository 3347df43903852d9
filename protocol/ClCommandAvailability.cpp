#include "ClCommandAvailability.h"

#include "ClCommandCatalogue.h"
#include "ClCommandKinds.h"

const QVector<ClCommandAvailability::stRecord>& ClCommandAvailability::records()
{
    static const QVector<stRecord> lstRecords = [] {
        QVector<stRecord> lstNew;
        for (const ClCommandEntry& stEntry : ClCommandCatalogue::entries()) {
            lstNew.append({stEntry.uuidRequest, stEntry.ucAvailability});
            if (!stEntry.uuidReply.isNull())
                lstNew.append({stEntry.uuidReply, stEntry.ucAvailability});
        }
        using namespace ClAvailability;
#define TOVU_KIND(Kind, Availability) lstNew.append({Kind, Availability});
#include "CommandTable.def"
        return lstNew;
    }();
    return lstRecords;
}

QList<QUuid> ClCommandAvailability::kindsWith(quint8 ucFlag)
{
    QList<QUuid> lstKinds;
    for (const stRecord& stEntry : records()) {
        if (stEntry.ucFlags & ucFlag)
            lstKinds.append(stEntry.uuidKind);
    }
    return lstKinds;
}
