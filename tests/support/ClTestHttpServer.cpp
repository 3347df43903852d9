#include "ClTestHttpServer.h"

#include <QFile>
#include <QSslConfiguration>
#include <QSslServer>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

namespace {
QByteArray reply(const QByteArray& clStatus, const QByteArray& clBody)
{
    return "HTTP/1.1 " + clStatus + "\r\nContent-Length: " + QByteArray::number(clBody.size())
        + "\r\nConnection: close\r\n\r\n" + clBody;
}
}  // namespace

bool ClTestHttpServer::listen(const QSslCertificate& clCertificate, const QSslKey& clKey)
{
    bTls = !clCertificate.isNull();
    if (bTls) {
        auto pclSsl = std::make_unique<QSslServer>();
        QSslConfiguration clConfig = QSslConfiguration::defaultConfiguration();
        clConfig.setLocalCertificate(clCertificate);
        clConfig.setPrivateKey(clKey);
        pclSsl->setSslConfiguration(clConfig);
        pclServer = std::move(pclSsl);
    } else {
        pclServer = std::make_unique<QTcpServer>();
    }
    connect(pclServer.get(), &QTcpServer::pendingConnectionAvailable, this, &ClTestHttpServer::onConnection);
    return pclServer->listen(QHostAddress::LocalHost, 0);
}

QString ClTestHttpServer::baseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2/").arg(bTls ? "https" : "http").arg(pclServer->serverPort());
}

int ClTestHttpServer::requestCount(const QString& strPath) const
{
    return int(std::count_if(lstRequests.begin(), lstRequests.end(),
                             [&](const stRequest& stEntry) { return stEntry.strPath == strPath; }));
}

void ClTestHttpServer::onConnection()
{
    while (QTcpSocket* pclSocket = pclServer->nextPendingConnection()) {
        connect(pclSocket, &QTcpSocket::readyRead, this, [this, pclSocket] { onReadyRead(pclSocket); });
        connect(pclSocket, &QTcpSocket::disconnected, pclSocket, &QObject::deleteLater);
        connect(pclSocket, &QObject::destroyed, this, [this, pclSocket] { hashPending.remove(pclSocket); });
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
    // Through a proxy the request line carries the whole URL.
    const QString strPath = QUrl(QString::fromLatin1(clHead.split(' ').value(1))).path();
    lstRequests.append({strPath, clHead.mid(clHead.indexOf('\n') + 1).toLower()});

    auto itRoute = hashRoutes.find(strPath);
    if (itRoute != hashRoutes.end() && itRoute->eKind == eMode::Stall) {
        pclSocket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(itRoute->llDeclared) + "\r\n\r\n"
                         + itRoute->lstBodies.value(0));
        return;
    }
    if (itRoute != hashRoutes.end() && itRoute->eKind == eMode::Trickle) {
        trickle(pclSocket, itRoute->lstBodies.value(0), int(itRoute->llDeclared));
        return;
    }
    pclSocket->write(response(strPath));
    connect(pclSocket, &QTcpSocket::bytesWritten, pclSocket, [pclSocket] {
        if (pclSocket->bytesToWrite() == 0)
            pclSocket->disconnectFromHost();
    });
    // For an encrypted socket bytesToWrite counts the plain bytes still to go.
    if (pclSocket->bytesToWrite() == 0)
        pclSocket->disconnectFromHost();
}

void ClTestHttpServer::trickle(QTcpSocket* pclSocket, const QByteArray& clBody, int lIntervalMs)
{
    pclSocket->write("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(clBody.size()) + "\r\n\r\n");
    auto* pclTimer = new QTimer(pclSocket);  // goes with the connection
    connect(pclTimer, &QTimer::timeout, pclSocket, [pclSocket, pclTimer, clBody, lSent = qsizetype(0)]() mutable {
        pclSocket->write(clBody.mid(lSent++, 1));
        if (lSent >= clBody.size())
            pclTimer->stop();
    });
    pclTimer->start(lIntervalMs);
}

QByteArray ClTestHttpServer::response(const QString& strPath)
{
    auto itRoute = hashRoutes.find(strPath);
    if (itRoute == hashRoutes.end()) {
        QFile clFile(strRoot + strPath);
        if (strRoot.isEmpty() || strPath.contains(QLatin1String("..")) || !clFile.open(QIODevice::ReadOnly))
            return reply("404 Not Found", {});
        return reply("200 OK", clFile.readAll());
    }
    QList<QByteArray>& lstBodies = itRoute->lstBodies;
    switch (itRoute->eKind) {
    case eMode::Status:
        return reply(QByteArray::number(itRoute->lCode) + ' ' + lstBodies.value(0), {});
    case eMode::Chunked:
        return "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\nConnection: close\r\n\r\n"
            + QByteArray::number(lstBodies.value(0).size(), 16) + "\r\n" + lstBodies.value(0) + "\r\n0\r\n\r\n";
    default:
        return reply("200 OK", lstBodies.size() > 1 ? lstBodies.takeFirst() : lstBodies.value(0));
    }
}
