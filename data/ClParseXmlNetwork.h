#pragma once
// Reader of the update connection settings file: source URL, proxy, proxy credentials
// and the automatic-update choice.
#include "ClParseXml.h"
#include "ClProxyType.h"

#include <QUrl>

class ClParseXmlNetwork : public ClParseXml
{
public:
    ClParseXmlNetwork();

    bool isProxyUse() const { return bProxyUse; }
    // The proxy type as the file numbers it (ClProxyType; other numbers pass unchanged).
    qint32 proxyType() const { return lProxyType; }
    QString proxyHost() const { return strProxyHost; }
    quint16 proxyPort() const { return usProxyPort; }
    QUrl sourceUrl() const { return clSourceUrl; }
    bool isAutoUpdate() const { return bAutoUpdate; }

    bool isAuthUse() const { return bAuthUse; }
    QString user() const { return strUser; }
    // The password as stored (Base64 when the encoding says so).
    QString storedPassword() const { return strPassword; }
    QString passwordEncoding() const { return strPasswordType; }
    // The password in clear text.
    QString password() const;
    // Credentials go with the proxy only when they are in use and say something.
    bool hasCredentials() const { return bAuthUse && (!strUser.isEmpty() || !strPassword.isEmpty()); }

protected:
    bool parseNode(const QDomNode& clNode) override;

private:
    void readProxySetting(const QDomElement& clElement);
    void readAuthorization(const QDomElement& clElement);

    QUrl clSourceUrl;
    bool bAutoUpdate = true;
    bool bProxyUse = false;
    qint32 lProxyType = qint32(ClProxyType::Http);
    QString strProxyHost;
    quint16 usProxyPort = 3128;
    bool bAuthUse = false;
    QString strUser;
    QString strPassword;
    QString strPasswordType;
};
