#pragma once
// One attached camera as the command line knows it once it has been found and asked.
#include <QString>

struct ClCliCamera
{
    void* pHandle = nullptr;  // the worker's handle, compared, never dereferenced
    int lModel = -1;          // 0 "Tovu", 1 "Tovu-S", -1 a camera that did not say
    QString strSerial;
    QString strFirmware;
    QString strBusPosition;  // "<bus folder>/<device file>"

    QString modelName() const
    {
        return lModel == 0 ? QStringLiteral("Tovu") : lModel == 1 ? QStringLiteral("Tovu-S") : QStringLiteral("unknown");
    }
};
