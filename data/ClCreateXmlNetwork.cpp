#include "ClCreateXmlNetwork.h"

#include "ClProxyType.h"

ClCreateXmlNetwork::ClCreateXmlNetwork()
{
    clRoot = element(QDomNode(), QStringLiteral("settings"));
}

qint32 ClCreateXmlNetwork::proxyTypeNumber(const QString& strType)
{
    if (strType == QLatin1String("Socks5"))
        return qint32(ClProxyType::Socks5);
    if (strType == QLatin1String("Http"))
        return qint32(ClProxyType::Http);
    if (strType == QLatin1String("HttpCaching"))
        return qint32(ClProxyType::HttpCaching);
    if (strType == QLatin1String("FtpCaching"))
        return qint32(ClProxyType::FtpCaching);
    return -1;
}

QString ClCreateXmlNetwork::proxyTypeName(qint32 lType)
{
    for (const char* pszName : {"Socks5", "Http", "HttpCaching", "FtpCaching"}) {
        if (proxyTypeNumber(QLatin1String(pszName)) == lType)
            return QLatin1String(pszName);
    }
    return QString();
}

void ClCreateXmlNetwork::addBool(QDomNode clParent, const QString& strName, bool bValue)
{
    addText(element(clParent, strName), bValue ? QStringLiteral("true") : QStringLiteral("false"));
}

void ClCreateXmlNetwork::addTextElement(QDomNode clParent, const QString& strName, const QString& strText)
{
    if (!strText.isEmpty())
        addText(element(clParent, strName), strText);
}

bool ClCreateXmlNetwork::build(bool bProxyUse, const QString& strIp, const QString& strPort, const QString& strType,
                               bool bAuthUse, const QString& strUser, const QString& strPassword,
                               const QString& strSourceUrl, bool bAutoUpdate)
{
    if (strSourceUrl.isEmpty())
        return false;
    const qint32 lType = strType.isEmpty() ? -1 : proxyTypeNumber(strType);
    if (!strType.isEmpty() && lType < 0)
        return false;

    const QDomNode clProxy = element(clRoot, QStringLiteral("proxysetting"));
    addBool(clProxy, QStringLiteral("use"), bProxyUse);
    addTextElement(clProxy, QStringLiteral("ip"), strIp);
    addTextElement(clProxy, QStringLiteral("port"), strPort);
    if (lType >= 0)
        addTextElement(clProxy, QStringLiteral("type"), QString::number(lType));

    const QDomNode clAuth = element(clProxy, QStringLiteral("authorization"));
    addBool(clAuth, QStringLiteral("use"), bAuthUse);
    addTextElement(clAuth, QStringLiteral("user"), strUser);
    if (!strPassword.isEmpty()) {
        const QDomNode clPassword = element(clAuth, QStringLiteral("password"));
        addText(clPassword, QString::fromLatin1(strPassword.toLocal8Bit().toBase64()));
        setAttribute(clPassword, QStringLiteral("type"), QStringLiteral("base64"));
    }

    addTextElement(clRoot, QStringLiteral("sourceurl"), strSourceUrl);
    addBool(clRoot, QStringLiteral("autoupdate"), bAutoUpdate);
    return true;
}
