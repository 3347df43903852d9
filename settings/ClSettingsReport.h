#pragma once
// What a read or a write of settings by name came to, setting by setting.
#include <QMap>
#include <QStringList>
#include <QVariant>

struct ClSettingsReport
{
    // Values read (after a write: read back), by name, in the form the envelopes carry.
    QMap<QString, QVariant> mapValues;
    // Settings the camera's model or firmware lacks: never asked, never sent.
    QStringList lstUnsupported;
    // Settings that failed, with why (a camera status, a transport error, a value that
    // did not stick, the camera gone).
    QMap<QString, QString> mapFailed;
    // A write: the settings the camera confirmed, in the order they were sent.
    QStringList lstWritten;
    // A write: the settings never sent (the camera went, or a Set of their group failed).
    QStringList lstNotWritten;
    bool bCameraGone = false;

    bool isComplete() const { return mapFailed.isEmpty() && lstNotWritten.isEmpty() && !bCameraGone; }
};
