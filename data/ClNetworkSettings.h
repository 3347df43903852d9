#pragma once
// Keeps the update connection settings file current: creates it at first start, puts
// the update server's URL back when it differs, and records the automatic-update choice.
#include <QString>

class ClNetworkSettings
{
public:
    explicit ClNetworkSettings(const QString& strPath);

    QString path() const { return strPath; }

    // First start: write the defaults; a file naming another server is rewritten with
    // the defaults, keeping only its automatic-update choice.
    void keepCurrent();
    bool isAutoUpdate() const { return bAutoUpdate; }
    // Rewrites the file (with defaults for everything else) when the choice changes.
    void setAutoUpdate(bool bAuto);
    bool writeNetworkFile(bool bAuto);

private:
    void read();

    QString strPath;
    QString strSourceUrl;
    bool bAutoUpdate = true;
};
