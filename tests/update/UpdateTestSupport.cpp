#include "UpdateTestSupport.h"

#include "ClCreateXmlNetwork.h"

QByteArray UpdateTestSupport::manifest(const QList<stManifestFile>& lstFiles, const QString& strGroup)
{
    QByteArray clXml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<update>\n <" + strGroup.toUtf8()
                       + " dir=\"firmware\" scope=\"1\">\n";
    for (const stManifestFile& stFile : lstFiles) {
        clXml += "  <file version=\"" + stFile.strVersion.toUtf8() + "\" hash=\""
                 + stFile.strHash.toUtf8() + "\">" + stFile.strPath.toUtf8() + "</file>\n";
    }
    clXml += " </" + strGroup.toUtf8() + ">\n</update>\n";
    return clXml;
}

bool UpdateTestSupport::writeSettings(const QString& strPath, const QString& strSourceUrl,
                                      bool bProxyUse, const QString& strProxyPort, bool bAuthUse,
                                      const QString& strUser, const QString& strPassword)
{
    ClCreateXmlNetwork clWriter;
    const QString strHost = bProxyUse ? QStringLiteral("127.0.0.1") : QString();
    const QString strType = bProxyUse ? QStringLiteral("Http") : QString();
    return clWriter.build(bProxyUse, strHost, strProxyPort, strType, bAuthUse, strUser, strPassword,
                          strSourceUrl, false)
           && clWriter.save(strPath);
}
