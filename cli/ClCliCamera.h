#pragma once
// One attached camera as the command line knows it once it has been found and asked.
#include "settings/ClSettingsProfile.h"

#include <QString>

struct ClCliCamera
{
    void* pHandle = nullptr;  // the worker's handle, compared, never dereferenced
    int lModel = -1;          // 0 "Tovu", 1 "Tovu-S", -1 a camera that did not say
    QString strSerial;
    QString strFirmware;
    QString strBusPosition;  // "<bus folder>/<device file>"

    // The name profiles give the model, so that a listing and a profile name it alike.
    QString modelName() const
    {
        const QString strName = ClSettingsProfile::modelName(lModel);
        return strName.isEmpty() ? QStringLiteral("unknown") : strName;
    }
};
