#include "ClUpdateServer.h"

namespace {
// The manifests ("tovuupdate/...") and the licence pages ("license/...") lie below it.
const char* const pszBuiltInUrl = "http://update.parvik.example/";

QString& overrideUrl()
{
    static QString strUrl;
    return strUrl;
}
}  // namespace

QString ClUpdateServer::builtInUrl()
{
    return QString::fromLatin1(pszBuiltInUrl);
}

QString ClUpdateServer::url()
{
    return overrideUrl().isEmpty() ? builtInUrl() : overrideUrl();
}

void ClUpdateServer::setUrl(const QString& strUrl)
{
    QString strBase = strUrl.trimmed();
    // Paths below the server are appended as text, so the base must end with '/'.
    if (!strBase.isEmpty() && !strBase.endsWith(QLatin1Char('/')))
        strBase += QLatin1Char('/');
    overrideUrl() = strBase;
}
