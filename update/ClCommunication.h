#pragma once
// One HTTP or HTTPS GET at a time into memory, with an inactivity time-out, a deadline
// that follows the size, an upper bound on the size, an optional proxy, and errors
// reported by signal.
//
// The deadline: data now and then keeps the inactivity time-out from ever firing (a byte
// every 45 s would stretch a 4 KB file over two days), so each transfer also ends after
// a fixed allowance plus its size at a floor throughput. The size is the announced one,
// or while none is announced what has arrived. The floor, 8 KiB/s, is a poor mobile link:
// a 16 MiB firmware gets about 36 minutes, a 4 KB manifest about two.
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QObject>
#include <QSslError>
#include <QTimer>
#include <QUrl>

#include <QAuthenticator>
class QNetworkReply;

class ClCommunication : public QObject
{
    Q_OBJECT

public:
    static constexpr int lDefaultTimeoutMs = 60000;
    static constexpr qint64 llDefaultMaxBytes = 256 * 1024 * 1024;
    static constexpr int lDefaultAllowanceMs = 120000;
    static constexpr qint64 llDefaultFloorBytesPerSecond = 8 * 1024;

    explicit ClCommunication(QObject* parent = nullptr);
    ~ClCommunication() override;

    // Starts a GET, abandoning one still outstanding. A body larger than llMaxBytes
    // ends the transfer with an error instead of filling memory.
    void get(const QUrl& clUrl, qint64 llMaxBytes = llDefaultMaxBytes);
    // Applies the proxy only when it names a host.
    void setProxy(const QNetworkProxy& clProxy);
    // Back to the application's proxy setting (normally none).
    void clearProxy();
    QNetworkProxy proxy() const { return clManager.proxy(); }
    // Hands over the bytes received so far and empties the buffer.
    QByteArray takeData();
    bool isBusy() const { return pclReply != nullptr; }

    // Time without data after which a transfer fails; shortened by tests.
    void setTimeout(int lMilliseconds) { lTimeoutMs = lMilliseconds; }
    int timeout() const { return lTimeoutMs; }
    // The deadline's allowance and floor throughput; scaled down by tests.
    void setDeadline(int lAllowanceMs, qint64 llFloorBytesPerSecond)
    {
        lDeadlineAllowanceMs = lAllowanceMs;
        llFloorRate = llFloorBytesPerSecond;
    }

Q_SIGNALS:
    void sigFinished();
    void sigError(QString strError);
    void sigProgress(qint64 llReceived, qint64 llTotal);

public Q_SLOTS:
    void slotStop();
    void slotAuthentication(QNetworkReply* pclReply, QAuthenticator* pclAuthenticator);
    void slotProxyAuthentication(const QNetworkProxy& clProxy, QAuthenticator* pclAuthenticator);
    void slotReadyRead();
    void slotFinished();
    void slotTimeout();
    void slotDeadline();
    void requestSslError(const QList<QSslError>& sslErrorList);

private:
    void slotMetaDataChanged();
    void slotDownloadProgress(qint64 llReceived, qint64 llTotal);
    // Detaches, aborts and releases the current reply without any further signal.
    void dropReply();
    void failTooLarge();
    // Moves what the reply has into the buffer; false (and failed) past the bound.
    bool appendAvailable();
    // Sets the deadline for a transfer of llBytes, counted from its start.
    void followSize(qint64 llBytes);

    QNetworkAccessManager clManager;
    // Whether each request takes the desktop's proxy (the settings file names none).
    bool bDesktopProxy = true;
    QNetworkReply* pclReply = nullptr;
    QByteArray clBuffer;
    QTimer clTimer;
    QTimer clDeadline;
    QElapsedTimer clSince;
    bool bSizeAnnounced = false;
    int lTimeoutMs = lDefaultTimeoutMs;
    int lDeadlineAllowanceMs = lDefaultAllowanceMs;
    qint64 llFloorRate = llDefaultFloorBytesPerSecond;
    qint64 llMaxBytes = llDefaultMaxBytes;
};
