#pragma once
// Writer of the update connection settings file (network.xml).
#include "ClCreateXml.h"

class ClCreateXmlNetwork : public ClCreateXml
{
public:
    ClCreateXmlNetwork();

    // Fills the document. strType names the proxy type ("Socks5", "Http", "HttpCaching",
    // "FtpCaching" or empty for none); another name, or an empty source URL, fails
    // before anything is written into the document.
    bool build(bool bProxyUse, const QString& strIp, const QString& strPort, const QString& strType, bool bAuthUse,
               const QString& strUser, const QString& strPassword, const QString& strSourceUrl, bool bAutoUpdate);

    // The number the file stores for a type name (ClProxyType); -1 for an unknown name.
    static qint32 proxyTypeNumber(const QString& strType);
    // The name build() takes for a stored number; empty for a number it does not know.
    static QString proxyTypeName(qint32 lType);

private:
    void addBool(QDomNode clParent, const QString& strName, bool bValue);
    void addTextElement(QDomNode clParent, const QString& strName, const QString& strText);

    QDomNode clRoot;
};
