#pragma once
// Controller of one update run: reads the connection settings, fetches the manifest,
// lets the subclass plan the files, fetches them in order, verifies each by MD5 and
// hands them over in memory. Shows its progress in a ClProgressDialog.
#include "stDataInfo.h"
#include "stDownloadItem.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

class ClCommunication;
class ClParseXmlUpdate;
#include "ClProgressDialog.h"

class ClDownload : public QObject
{
    Q_OBJECT

public:
    // Bounds of what a run holds in memory.
    static constexpr qint64 llMaxManifestBytes = 1024 * 1024;
    static constexpr qint64 llMaxFileBytes = 256 * 1024 * 1024;
    // Hash mismatches tolerated in one run (not per file).
    static constexpr qint32 lMaxRetries = 3;

    explicit ClDownload(QObject* parent = nullptr);
    ~ClDownload() override;

    // Arguments: "-a" automatic run, "-u PATH" manifest below the source URL,
    // "-nf FILE" settings file, "-app NAME" application name. True when the manifest
    // was requested.
    virtual bool start(const QStringList& lstArgs);

    ClProgressDialog* progressDialog() const { return pclDialog; }
    ClCommunication* communication() const { return pclCommunication; }

Q_SIGNALS:
    void sigSuccess(QList<stDataInfo> clDataList);
    void sigError(QString strError);

public Q_SLOTS:
    virtual void slotEndCommunication();
    virtual void slotError(QString strError);
    virtual void slotCancel();

protected:
    virtual void reset();
    virtual void requestFile(const QString& strPath);
    // Fills clDownloadList from the fetched manifest; false stops the run. The base
    // plans every listed file.
    virtual bool planDownloads();
    virtual bool isNewer(const QString& strOffered, const QString& strInstalled) const;
    virtual void finish();

    const ClParseXmlUpdate& manifest() const { return *pclManifest; }

    bool bFinished = false;
    bool bAuto = false;
    qint32 lIndex = 0;
    QString strAppName = QStringLiteral("Application");
    QList<stDownloadItem> clDownloadList;

private:
    ClCommunication* pclCommunication = nullptr;
    std::unique_ptr<ClParseXmlUpdate> pclLocalManifest;
    std::unique_ptr<ClParseXmlUpdate> pclManifest;
    QPointer<ClProgressDialog> pclDialog;

    QString strBaseUrl;
    QString strCurrentName;
    QString strManifestName;
    QByteArray clManifestData;
    QList<stDataInfo> clReceivedList;
    qint32 lRetry = 0;
    QString strManifestPath;
    QString strNetworkFile = QStringLiteral("network.xml");
};
