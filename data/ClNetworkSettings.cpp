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
    stProxy.bUse = clRecord.isProxyUse();
    stProxy.lType = clRecord.proxyType();
    stProxy.strHost = clRecord.proxyHost();
    stProxy.usPort = clRecord.proxyPort();
    stProxy.bAuthUse = clRecord.isAuthUse();
    stProxy.strUser = clRecord.user();
    stProxy.strPassword = clRecord.password();
}

bool ClNetworkSettings::writeNetworkFile(bool bAuto)
{
    QDir().mkpath(QFileInfo(strPath).absolutePath());
    ClCreateXmlNetwork clWriter;
    // A type the writer has no name for is left out: the reader then keeps its default.
    const QString strType = ClCreateXmlNetwork::proxyTypeName(stProxy.lType);
    const QString strPort = stProxy.strHost.isEmpty() ? QString() : QString::number(stProxy.usPort);
    if (!clWriter.build(stProxy.bUse, stProxy.strHost, strPort, stProxy.strHost.isEmpty() ? QString() : strType,
                        stProxy.bAuthUse, stProxy.strUser, stProxy.strPassword, ClUpdateServer::url(), bAuto))
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

bool ClNetworkSettings::setProxy(const stProxySettings& stNew)
{
    read();
    stProxy = stNew;
    const bool bWritten = writeNetworkFile(bAutoUpdate);
    read();
    return bWritten;
}

void ClNetworkSettings::setAutoUpdate(bool bAuto)
{
    // What the file holds now is kept: the connection dialog may have written it since.
    read();
    if (bAuto == bAutoUpdate)
        return;
    writeNetworkFile(bAuto);
    read();
}
