#pragma once
// A small HTTP (or HTTPS) server on 127.0.0.1 for the update tests: serves files from
// memory or a folder, answers with chosen errors, stalls on request, and records what
// was asked.
#include <QHash>
#include <QObject>
#include <QSslCertificate>
#include <QSslKey>
#include <QTcpServer>
#include <memory>

class ClTestHttpServer : public QObject
{
    Q_OBJECT

public:
    struct stRequest
    {
        QString strPath;
        QByteArray clHeaders;  // all header lines, lower-case names
    };

    explicit ClTestHttpServer(QObject* parent = nullptr) : QObject(parent) {}

    // With a certificate and key the server speaks HTTPS.
    bool listen(const QSslCertificate& clCertificate = QSslCertificate(), const QSslKey& clKey = QSslKey());
    // "http://127.0.0.1:PORT/" (https for a TLS server).
    QString baseUrl() const;

    // Successive requests of a path get the bodies in turn; the last one repeats.
    void setFiles(const QString& strPath, const QList<QByteArray>& lstBodies)
    {
        hashRoutes.insert(strPath, {eMode::File, lstBodies});
    }
    void setFile(const QString& strPath, const QByteArray& clBody) { setFiles(strPath, {clBody}); }
    // Answers with the status code and reason phrase.
    void setStatus(const QString& strPath, int lCode, const QByteArray& clReason)
    {
        hashRoutes.insert(strPath, {eMode::Status, {clReason}, lCode});
    }
    // Sends the headers (with the declared length) and clPartial, then nothing more.
    void setStall(const QString& strPath, qint64 llDeclaredLength = 100, const QByteArray& clPartial = {})
    {
        hashRoutes.insert(strPath, {eMode::Stall, {clPartial}, 200, llDeclaredLength});
    }
    // Sends the headers with the body's length, then the body one byte every lIntervalMs.
    void setTrickle(const QString& strPath, const QByteArray& clBody, int lIntervalMs)
    {
        hashRoutes.insert(strPath, {eMode::Trickle, {clBody}, 200, lIntervalMs});
    }
    // Sends the body without a length (chunked): only the stream's end tells its size.
    void setChunked(const QString& strPath, const QByteArray& clBody)
    {
        hashRoutes.insert(strPath, {eMode::Chunked, {clBody}});
    }
    // Paths without a route of their own are served from this folder.
    void setDocumentRoot(const QString& strFolder) { strRoot = strFolder; }

    int requestCount(const QString& strPath) const;
    const QList<stRequest>& requests() const { return lstRequests; }

private:
    enum class eMode { File, Status, Stall, Chunked, Trickle };
    struct stRoute
    {
        eMode eKind = eMode::File;
        QList<QByteArray> lstBodies;  // the reason phrase for a status
        int lCode = 200;
        qint64 llDeclared = 0;  // the interval of a trickle
    };

    void onConnection();
    void onReadyRead(QTcpSocket* pclSocket);
    static void trickle(QTcpSocket* pclSocket, const QByteArray& clBody, int lIntervalMs);
    QByteArray response(const QString& strPath);

    bool bTls = false;
    QString strRoot;
    QHash<QString, stRoute> hashRoutes;
    QHash<QTcpSocket*, QByteArray> hashPending;
    QList<stRequest> lstRequests;
    // Last, so that its sockets (its children) go while the tables above still exist.
    std::unique_ptr<QTcpServer> pclServer;
};
