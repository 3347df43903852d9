#include "ClTestHttpServer.h"

#include <QFile>
#include <QSslConfiguration>
#include <QUrl>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>

ClTestHttpServer::ClTestHttpServer(QObject* parent) : QObject(parent) {}

ClTestHttpServer::~ClTestHttpServer()
{
    for (const QPointer<QTcpSocket>& pclSocket : lstStalled) {
        if (pclSocket)
            pclSocket->abort();
    }
    // Sockets are the server's children; they go while the tables above still exist.
    pclServer.reset();
}

bool ClTestHttpServer::listen()
{
    pclServer = std::make_unique<QTcpServer>();
    connect(pclServer.get(), &QTcpServer::pendingConnectionAvailable, this,
            &ClTestHttpServer::onConnection);
    return pclServer->listen(QHostAddress::LocalHost, 0);
}

bool ClTestHttpServer::listenTls(const QSslCertificate& clCertificate, const QSslKey& clKey)
{
    auto pclSsl = std::make_unique<QSslServer>();
    QSslConfiguration clConfig = QSslConfiguration::defaultConfiguration();
    clConfig.setLocalCertificate(clCertificate);
    clConfig.setPrivateKey(clKey);
    clConfig.setPeerVerifyMode(QSslSocket::VerifyNone);
    pclSsl->setSslConfiguration(clConfig);
    pclServer = std::move(pclSsl);
    bTls = true;
    connect(pclServer.get(), &QTcpServer::pendingConnectionAvailable, this,
            &ClTestHttpServer::onConnection);
    return pclServer->listen(QHostAddress::LocalHost, 0);
}

quint16 ClTestHttpServer::port() const
{
    return pclServer ? pclServer->serverPort() : 0;
}

QString ClTestHttpServer::baseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2/").arg(bTls ? "https" : "http").arg(port());
}

void ClTestHttpServer::setFile(const QString& strPath, const QByteArray& clBody)
{
    setFiles(strPath, {clBody});
}

void ClTestHttpServer::setFiles(const QString& strPath, const QList<QByteArray>& lstBodies)
{
    stRoute stEntry;
    stEntry.lstBodies = lstBodies;
    hashRoutes.insert(strPath, stEntry);
}

void ClTestHttpServer::setStatus(const QString& strPath, int lCode, const QByteArray& clReason)
{
    stRoute stEntry;
    stEntry.eKind = eMode::Status;
    stEntry.lCode = lCode;
    stEntry.clReason = clReason;
    hashRoutes.insert(strPath, stEntry);
}

void ClTestHttpServer::setStall(const QString& strPath, qint64 llDeclaredLength,
                                const QByteArray& clPartial)
{
    stRoute stEntry;
    stEntry.eKind = eMode::Stall;
    stEntry.llDeclared = llDeclaredLength;
    stEntry.lstBodies = {clPartial};
    hashRoutes.insert(strPath, stEntry);
}

void ClTestHttpServer::setChunked(const QString& strPath, const QByteArray& clBody)
{
    stRoute stEntry;
    stEntry.eKind = eMode::Chunked;
    stEntry.lstBodies = {clBody};
    hashRoutes.insert(strPath, stEntry);
}

int ClTestHttpServer::requestCount(const QString& strPath) const
{
    int lCount = 0;
    for (const stRequest& stEntry : lstRequests)
        lCount += stEntry.strPath == strPath ? 1 : 0;
    return lCount;
}

void ClTestHttpServer::onConnection()
{
    while (QTcpSocket* pclSocket = pclServer->nextPendingConnection()) {
        connect(pclSocket, &QTcpSocket::readyRead, this, [this, pclSocket] { onReadyRead(pclSocket); });
        connect(pclSocket, &QTcpSocket::disconnected, pclSocket, &QObject::deleteLater);
        connect(pclSocket, &QObject::destroyed, this, [this, pclSocket] { hashPending.remove(pclSocket); });
        // The client may refuse the handshake (self-signed certificate): just drop it.
        if (auto* pclSsl = qobject_cast<QSslSocket*>(pclSocket))
            connect(pclSsl, &QSslSocket::errorOccurred, pclSsl, &QObject::deleteLater);
    }
}

void ClTestHttpServer::onReadyRead(QTcpSocket* pclSocket)
{
    QByteArray& clPending = hashPending[pclSocket];
    clPending.append(pclSocket->readAll());
    const qsizetype lEnd = clPending.indexOf("\r\n\r\n");
    if (lEnd < 0)
        return;
    const QByteArray clHead = clPending.left(lEnd);
    clPending.remove(0, lEnd + 4);

    const QList<QByteArray> lstLines = clHead.split('\n');
    const QList<QByteArray> lstRequestLine = lstLines.value(0).trimmed().split(' ');
    QString strPath = QString::fromLatin1(lstRequestLine.value(1));
    // Through a proxy the request line carries the whole URL.
    if (strPath.startsWith(QLatin1String("http"))) {
        const qsizetype lSlash = strPath.indexOf(QLatin1Char('/'), strPath.indexOf(QLatin1String("//")) + 2);
        strPath = lSlash < 0 ? QStringLiteral("/") : strPath.mid(lSlash);
    }
    QByteArray clHeaders;
    for (qsizetype i = 1; i < lstLines.size(); ++i) {
        const QByteArray clLine = lstLines.at(i).trimmed();
        const qsizetype lColon = clLine.indexOf(':');
        clHeaders += (lColon < 0 ? clLine : clLine.left(lColon).toLower() + clLine.mid(lColon)) + '\n';
    }
    lstRequests.append({strPath, clHeaders});
    answer(pclSocket, strPath);
}

void ClTestHttpServer::answer(QTcpSocket* pclSocket, const QString& strPath)
{
    auto itRoute = hashRoutes.find(strPath);
    QByteArray clResponse;
    if (itRoute == hashRoutes.end()) {
        const QString strFile = QUrl::fromPercentEncoding(strPath.toUtf8());
        QFile clFile(strRoot + strFile);
        if (!strRoot.isEmpty() && !strFile.contains(QLatin1String("..")) && clFile.open(QIODevice::ReadOnly)) {
            const QByteArray clBody = clFile.readAll();
            clResponse = "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(clBody.size())
                         + "\r\nConnection: close\r\n\r\n" + clBody;
        } else {
            clResponse = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        }
    } else {
        stRoute& stEntry = itRoute.value();
        switch (stEntry.eKind) {
        case eMode::File: {
            const QByteArray clBody =
                stEntry.lstBodies.size() > 1 ? stEntry.lstBodies.takeFirst() : stEntry.lstBodies.value(0);
            clResponse = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                         + QByteArray::number(clBody.size()) + "\r\nConnection: close\r\n\r\n" + clBody;
            break;
        }
        case eMode::Status:
            clResponse = "HTTP/1.1 " + QByteArray::number(stEntry.lCode) + ' ' + stEntry.clReason
                         + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
            break;
        case eMode::Stall:
            pclSocket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(stEntry.llDeclared)
                             + "\r\n\r\n" + stEntry.lstBodies.value(0));
            lstStalled.append(pclSocket);
            return;
        case eMode::Chunked: {
            const QByteArray clBody = stEntry.lstBodies.value(0);
            clResponse = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n";
            for (qsizetype i = 0; i < clBody.size(); i += 65536) {
                const QByteArray clChunk = clBody.mid(i, 65536);
                clResponse += QByteArray::number(clChunk.size(), 16) + "\r\n" + clChunk + "\r\n";
            }
            clResponse += "0\r\n\r\n";
            break;
        }
        }
    }
    pclSocket->write(clResponse);
    connect(pclSocket, &QTcpSocket::bytesWritten, pclSocket, [pclSocket] {
        if (pclSocket->bytesToWrite() == 0)
            pclSocket->disconnectFromHost();
    });
    // For an encrypted socket bytesToWrite counts the plain bytes still to go.
    if (pclSocket->bytesToWrite() == 0)
        pclSocket->disconnectFromHost();
}
