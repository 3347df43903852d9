#pragma once
// Finds the programs that hold a USB device node open, from /proc, so that the user can
// be told which one keeps the camera busy. Processes of other users are not readable
// without root and are then simply not found.
#include <QString>
#include <QStringList>

class ClUsbHolder
{
public:
    // "name (process pid)" for every process other than this one that has strNode open;
    // strProcRoot stands in for "/proc" in tests.
    static QStringList find(const QString& strNode, const QString& strProcRoot = QStringLiteral("/proc"));
};
