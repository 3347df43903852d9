#pragma once
// Keeps the update connection settings file current: creates it at first start, puts
// the update server's URL back when it differs, and records the automatic-update choice
// and the proxy. A rewrite keeps the proxy and its credentials the file holds: they are
// the user's, entered by hand or in the connection dialog.
#include "stProxySettings.h"

#include <QString>

class ClNetworkSettings
{
public:
    explicit ClNetworkSettings(const QString& strPath);

    QString path() const { return strPath; }

    // First start: write the defaults; a file naming another server is rewritten with
    // this run's server, keeping its automatic-update choice and its proxy.
    void keepCurrent();
    bool isAutoUpdate() const { return bAutoUpdate; }
    // Rewrites the file when the choice changes.
    void setAutoUpdate(bool bAuto);
    // Reads the file again (another part of the tool may have written it).
    void reload() { read(); }
    // The update server the file names.
    QString sourceUrl() const { return strSourceUrl; }
    // The proxy as the file holds it, and a new one written into the file.
    const stProxySettings& proxy() const { return stProxy; }
    bool setProxy(const stProxySettings& stNew);
    bool writeNetworkFile(bool bAuto);

private:
    void read();

    QString strPath;
    QString strSourceUrl;
    bool bAutoUpdate = true;
    stProxySettings stProxy;
};
