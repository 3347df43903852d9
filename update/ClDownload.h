#pragma once
// Controller of one update run: reads the connection settings, fetches the manifest and
// its detached signature ("NAME.sig" beside it), lets the subclass plan the files, fetches
// them in order, verifies each by MD5 (and by SHA-256 when the manifest is signed) and
// hands them over in memory. Its progress is told by signals, for whatever shows it.
//
// The signature is the release key's Ed25519 signature, in Base64, of the manifest's
// file name, a line feed and the manifest's bytes: the name is signed too, so a signed
// firmware manifest cannot pass for the tool's. A signed manifest gives each file a
// "sha256" attribute beside its "hash"; readers that know only "hash" pass over it.
#include "stDataInfo.h"
#include "stDownloadItem.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <memory>

class ClCommunication;
class ClParseXmlUpdate;

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

    ClCommunication* communication() const { return pclCommunication; }
    // The fetched manifest's signature verified against the release key.
    bool isManifestSigned() const { return bManifestSigned; }

Q_SIGNALS:
    void sigSuccess(QList<stDataInfo> clDataList);
    void sigError(QString strError);
    // One more planned file arrived and was verified.
    void sigTotalProgress(qint32 lReceived, qint32 lTotal);
    // Bytes of the file being fetched.
    void sigPartProgress(qint64 llReceived, qint64 llTotal);
    // The planned files are about to be fetched: the progress is worth showing now.
    void sigProgressStart(qint32 lFileCount);
    // Every planned file is here; what follows is installing them.
    void sigProgressInstalling();

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
    // Reads the fetched manifest and plans from it; what planDownloads returns.
    bool readManifest(const QByteArray& clData);
    virtual bool isNewer(const QString& strOffered, const QString& strInstalled) const;
    virtual void finish();
    // Fetches what planDownloads planned; for a subclass whose planning had to wait
    // (planDownloads returned false) and may now go on.
    void fetchPlanned();

    const ClParseXmlUpdate& manifest() const { return *pclManifest; }

    // The text a run fails with when a file's bytes are not those the manifest lists.
    static QString alteredFileText();

    bool bFinished = false;
    bool bAuto = false;
    bool bManifestSigned = false;
    qint32 lIndex = 0;
    QString strAppName = QStringLiteral("Application");
    QList<stDownloadItem> clDownloadList;

private:
    enum class eStage { Manifest, Signature, Files };

    // A transfer failed: a missing signature only makes the manifest unsigned.
    void onTransferError(QString strError);
    void requestSignature();
    // Checks the signature (empty: none) and plans the fetched manifest.
    void planSigned(const QByteArray& clSignature);
    void failAltered();

    ClCommunication* pclCommunication = nullptr;
    std::unique_ptr<ClParseXmlUpdate> pclLocalManifest;
    std::unique_ptr<ClParseXmlUpdate> pclManifest;

    QString strBaseUrl;
    QString strCurrentName;
    QString strManifestName;
    QByteArray clManifestData;
    QList<stDataInfo> clReceivedList;
    qint32 lRetry = 0;
    eStage eAt = eStage::Manifest;
    QString strManifestPath;
    QString strNetworkFile = QStringLiteral("network.xml");
};
