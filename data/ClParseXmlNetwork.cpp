#include "ClParseXmlNetwork.h"

ClParseXmlNetwork::ClParseXmlNetwork() = default;

QString ClParseXmlNetwork::password() const
{
    if (strPasswordType == QLatin1String("base64") && !strPassword.isEmpty())
        return QString::fromLocal8Bit(QByteArray::fromBase64(strPassword.toLatin1()));
    return strPassword;
}

bool ClParseXmlNetwork::parseNode(const QDomNode& clNode)
{
    const QDomElement clElement = clNode.toElement();
    if (clElement.isNull())
        return true;
    const QString strTag = clElement.tagName();
    if (strTag == QLatin1String("proxysetting"))
        readProxySetting(clElement);
    else if (strTag == QLatin1String("authorization"))
        readAuthorization(clElement);
    else if (strTag == QLatin1String("sourceurl"))
        clSourceUrl = QUrl(clElement.text());
    else if (strTag == QLatin1String("autoupdate"))
        bAutoUpdate = clElement.text() != QLatin1String("false");
    // Elements are honoured wherever they stand, so the walk visits everything.
    return true;
}

void ClParseXmlNetwork::readProxySetting(const QDomElement& clElement)
{
    for (QDomElement clChild = clElement.firstChildElement(); !clChild.isNull();
         clChild = clChild.nextSiblingElement()) {
        const QString strTag = clChild.tagName();
        const QString strText = clChild.text();
        if (strTag == QLatin1String("use")) {
            bProxyUse = strText != QLatin1String("false");
        } else if (strTag == QLatin1String("ip")) {
            strProxyHost = strText;
            if (strText.isEmpty())
                bProxyUse = false;
        } else if (strTag == QLatin1String("port")) {
            if (strText.isEmpty())
                bProxyUse = false;
            else
                usProxyPort = strText.toUShort();
        } else if (strTag == QLatin1String("type")) {
            if (strText.isEmpty())
                bProxyUse = false;
            else
                lProxyType = strText.toInt();
        } else if (strTag == QLatin1String("authorization")) {
            readAuthorization(clChild);
        }
    }
}

void ClParseXmlNetwork::readAuthorization(const QDomElement& clElement)
{
    for (QDomElement clChild = clElement.firstChildElement(); !clChild.isNull();
         clChild = clChild.nextSiblingElement()) {
        const QString strTag = clChild.tagName();
        if (strTag == QLatin1String("use")) {
            bAuthUse = clChild.text() == QLatin1String("true");
        } else if (strTag == QLatin1String("user")) {
            strUser = clChild.text();
        } else if (strTag == QLatin1String("password")) {
            strPasswordType = clChild.attribute(QStringLiteral("type"));
            strPassword = clChild.text();
        }
    }
}
