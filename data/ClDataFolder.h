#pragma once
// The tool's own folder below the user's data location: the settings file and a
// downloaded installer live here, and nowhere else.
#include <QString>

class ClDataFolder
{
public:
    // Full path, ending with '/'.
    static QString path();
    static QString networkFile();
    // Creates the folder with all parents; false when it cannot be made.
    static bool make();
};
