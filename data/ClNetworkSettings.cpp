#include "ClNetworkSettings.h"

#include "ClCreateXmlNetwork.h"
#include "ClParseXmlNetwork.h"
#include "ClUpdateServer.h"
#include "TovuDataLog.h"

#include <QDir>
#include <QFileInfo>

ClNetworkSettings::ClNetworkSettings(const QString& strPath) : strPath(strPath) {}

void ClNetworkSettings::read()
{
    ClParseXmlNetwork clRecord;
    if (!clRecord.parseFile(strPath))
        qCInfo(lcTovuData) << "settings file unreadable:" << strPath;
    strSourceUrl = clRecord.sourceUrl().toString();
    bAutoUpdate = clRecord.isAutoUpdate();
}

bool ClNetworkSettings::writeNetworkFile(bool bAuto)
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    ClCreateXmlNetwork clWriter;
    if (!clWriter.build(false, QString(), QString(), QString(), false, QString(), QString(), ClUpdateServer::url(),
                        bAuto))
        return false;
    if (!clWriter.save(strPath)) {
        qCWarning(lcTovuData) << "cannot write settings file" << strPath;
        return false;
    }
    return true;
}

void ClNetworkSettings::keepCurrent()
{
    if (!QFileInfo::exists(strPath))
        writeNetworkFile(false);
    read();
    if (strSourceUrl != ClUpdateServer::url()) {
        writeNetworkFile(bAutoUpdate);
        read();
    }
}

void ClNetworkSettings::setAutoUpdate(bool bAuto)
{
    if (bAuto == bAutoUpdate)
        return;
    writeNetworkFile(bAuto);
    read();
}
