// The update connection settings file: read as an update run reads it, then kept current
// as the tool does at every start. Afterwards the file must name the update server and
// read back, whatever it held before.
#include "FuzzSupport.h"
#include "data/ClNetworkSettings.h"
#include "data/ClParseXmlNetwork.h"
#include "data/ClUpdateServer.h"

#include <QFile>

namespace {
QTemporaryDir* g_pclFolder = nullptr;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::startApplication(false);
    g_pclFolder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t ulSize)
{
    if (ulSize > 2 * ClParseXml::llMaxBytes)
        return -1;
    const QString strPath = g_pclFolder->filePath(QStringLiteral("network.xml"));
    QFile clFile(strPath);
    fuzz::check(clFile.open(QIODevice::WriteOnly | QIODevice::Truncate), "the settings file is written");
    clFile.write(reinterpret_cast<const char*>(pData), qint64(ulSize));
    clFile.close();

    ClParseXmlNetwork clRead;
    if (clRead.parseFile(strPath)) {
        // What the proxy of an update run is made of.
        (void)clRead.password();
        (void)clRead.hasCredentials();
    }
    ClNetworkSettings clSettings(strPath);
    clSettings.keepCurrent();

    ClParseXmlNetwork clKept;
    fuzz::check(clKept.parseFile(strPath), "the kept file reads");
    fuzz::check(clKept.sourceUrl().toString() == ClUpdateServer::url(), "the kept file names the update server");
    fuzz::check(clKept.isAutoUpdate() == clSettings.isAutoUpdate(), "the choice read back is the one kept");
    return 0;
}
