#pragma once
// Proxy types as the update settings file stores them. The numbers are Qt's own
// (QNetworkProxy::ProxyType), which stored files rely on; the update services, which
// turn them into a proxy, check that the two still agree.
#include <QtGlobal>

enum class ClProxyType : qint32 {
    Socks5 = 1,
    Http = 3,
    HttpCaching = 4,
    FtpCaching = 5,
};
