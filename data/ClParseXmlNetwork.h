#pragma once
// Reader of the update connection settings file: source URL, proxy, proxy credentials
// and the automatic-update choice.
#include "ClParseXml.h"

#include <QNetworkProxy>
#include <QUrl>

class ClParseXmlNetwork : public ClParseXml
{
public:
    ClParseXmlNetwork();

    // The proxy the file describes, with the credentials when they are in use.
    QNetworkProxy proxy() const;
    bool isProxyUse() const { return bProxyUse; }
    QUrl sourceUrl() const { return clSourceUrl; }
    bool isAutoUpdate() const { return bAutoUpdate; }

    bool isAuthUse() const { return bAuthUse; }
    QString user() const { return strUser; }
    // The password as stored (Base64 when the encoding says so).
    QString storedPassword() const { return strPassword; }
    QString passwordEncoding() const { return strPasswordType; }
    // The password in clear text.
    QString password() const;

protected:
    bool parseNode(const QDomNode& clNode) override;

private:
    void readProxySetting(const QDomElement& clElement);
    void readAuthorization(const QDomElement& clElement);

    QUrl clSourceUrl;
    bool bAutoUpdate = true;
    bool bProxyUse = false;
    qint32 lProxyType = QNetworkProxy::HttpProxy;
    QString strProxyHost;
    quint16 usProxyPort = 3128;
    bool bAuthUse = false;
    QString strUser;
    QString strPassword;
    QString strPasswordType;
};
