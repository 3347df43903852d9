#include "ClSettingsPlan.h"

#include "ClSettingTable.h"
#include "ClSettingValue.h"

#include <algorithm>

ClSettingsPlan ClSettingsPlan::make(const QMap<QString, QVariant>& mapWanted, const QMap<QString, QVariant>& mapCurrent,
                                    const QList<QUuid>& lstSupported)
{
    ClSettingsPlan clPlan;
    QList<const ClSettingDefinition*> lstOrdered;
    for (const ClSettingDefinition& stSetting : ClSettingTable::all()) {
        if (mapWanted.contains(stSetting.strName))
            lstOrdered.append(&stSetting);
    }
    std::stable_sort(
        lstOrdered.begin(), lstOrdered.end(),
        [](const ClSettingDefinition* pA, const ClSettingDefinition* pB) { return pA->lStage < pB->lStage; });
    for (const ClSettingDefinition* pstSetting : lstOrdered) {
        const QString& strName = pstSetting->strName;
        if (!ClSettingTable::isSupported(*pstSetting, lstSupported)) {
            clPlan.lstUnsupported.append(strName);
            continue;
        }
        const QVariant clWanted = mapWanted.value(strName);
        const QVariant clCurrent = mapCurrent.value(strName);
        if (ClSettingValue::isSame(*pstSetting, clCurrent, clWanted))
            clPlan.lstSame.append(strName);
        else
            clPlan.lstChanges.append({strName, clCurrent, clWanted});
    }
    return clPlan;
}

QMap<QString, QVariant> ClSettingsPlan::wantedChanges() const
{
    QMap<QString, QVariant> mapChanges;
    for (const Change& stChange : lstChanges)
        mapChanges.insert(stChange.strName, stChange.clWanted);
    return mapChanges;
}

QStringList ClSettingsPlan::describe(bool bShowSecrets) const
{
    QStringList lstLines;
    for (const Change& stChange : lstChanges) {
        const ClSettingDefinition* pstSetting = ClSettingTable::find(stChange.strName);
        const bool bHide = pstSetting->bSecret && !bShowSecrets;
        const QString strCurrent = bHide   ? QStringLiteral("(secret)")
            : stChange.clCurrent.isValid() ? ClSettingValue::toText(*pstSetting, stChange.clCurrent)
                                           : QStringLiteral("(unknown)");
        const QString strWanted
            = bHide ? QStringLiteral("(secret)") : ClSettingValue::toText(*pstSetting, stChange.clWanted);
        lstLines.append(QStringLiteral("%1: %2 -> %3").arg(stChange.strName, strCurrent, strWanted));
    }
    return lstLines;
}
