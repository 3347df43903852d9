#pragma once
// A small HTTP (or HTTPS) server on 127.0.0.1 for the update tests: serves files from
// memory, answers with chosen errors, stalls on request, and records what was asked.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslCertificate>
#include <QSslKey>
#include <QStringList>
#include <memory>

class QTcpServer;
class QTcpSocket;

class ClTestHttpServer : public QObject
{
    Q_OBJECT

public:
    struct stRequest
    {
        QString strPath;
        QByteArray clHeaders;  // all header lines, lower-case names
    };

    explicit ClTestHttpServer(QObject* parent = nullptr);
    ~ClTestHttpServer() override;

    bool listen();
    bool listenTls(const QSslCertificate& clCertificate, const QSslKey& clKey);
    quint16 port() const;
    // "http://127.0.0.1:PORT/" (https for a TLS server).
    QString baseUrl() const;

    // Successive requests of a path get the bodies in turn; the last one repeats.
    void setFile(const QString& strPath, const QByteArray& clBody);
    void setFiles(const QString& strPath, const QList<QByteArray>& lstBodies);
    void setStatus(const QString& strPath, int lCode, const QByteArray& clReason);
    // Sends the headers (with the declared length) and clPartial, then nothing more.
    void setStall(const QString& strPath, qint64 llDeclaredLength = 100,
                  const QByteArray& clPartial = QByteArray());
    // Sends the body without a length (chunked): only the stream's end tells its size.
    void setChunked(const QString& strPath, const QByteArray& clBody);

    // Paths without a route of their own are served from this folder.
    void setDocumentRoot(const QString& strFolder) { strRoot = strFolder; }

    int requestCount(const QString& strPath) const;
    const QList<stRequest>& requests() const { return lstRequests; }

private:
    enum class eMode { File, Status, Stall, Chunked };
    struct stRoute
    {
        eMode eKind = eMode::File;
        QList<QByteArray> lstBodies;
        int lCode = 200;
        QByteArray clReason = "OK";
        qint64 llDeclared = 0;
    };

    void onConnection();
    void onReadyRead(QTcpSocket* pclSocket);
    void answer(QTcpSocket* pclSocket, const QString& strPath);

    std::unique_ptr<QTcpServer> pclServer;
    bool bTls = false;
    QString strRoot;
    QHash<QString, stRoute> hashRoutes;
    QHash<QTcpSocket*, QByteArray> hashPending;
    QList<stRequest> lstRequests;
    QList<QPointer<QTcpSocket>> lstStalled;
};
