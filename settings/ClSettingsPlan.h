#pragma once
// What applying wanted values to a camera would change: for each wanted setting, the
// camera's value and the wanted one, whether it differs, and the settings the camera lacks
// (listed, skipped, never sent). Changes come in the order they are written.
#include <QList>
#include <QMap>
#include <QStringList>
#include <QUuid>
#include <QVariant>

class ClSettingsPlan
{
public:
    struct Change
    {
        QString strName;
        QVariant clCurrent;  // invalid: the camera's value could not be read
        QVariant clWanted;
    };

    // lstSupported: the camera's command kinds; mapCurrent: its values as read.
    static ClSettingsPlan make(const QMap<QString, QVariant>& mapWanted, const QMap<QString, QVariant>& mapCurrent,
                               const QList<QUuid>& lstSupported);

    QList<Change> lstChanges;
    QStringList lstSame;
    QStringList lstUnsupported;

    QMap<QString, QVariant> wantedChanges() const;
    // "name: current -> wanted" lines, secrets shown as "(secret)" unless bShowSecrets.
    QStringList describe(bool bShowSecrets) const;
};
