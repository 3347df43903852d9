#pragma once
// The "--virtual-camera[=tovu|tovu-s]" option as the window and the command line both
// take it.
#include <QStringList>

class ClVirtualCameraOption
{
public:
    // "tovu" -> 0, "tovu-s" -> 1 (any case), anything else -> -1.
    static int modelFromName(const QString& strName);
    // QCommandLineParser has no options with an optional value: a bare "--virtual-camera"
    // becomes "--virtual-camera=tovu", and "--virtual-camera tovu-s" takes the model.
    static QStringList withValue(const QStringList& lstArguments);
};
