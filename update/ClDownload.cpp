#include "ClDownload.h"

#include "ClCommunication.h"
#include "ClParseXmlUpdate.h"
#include "ClReleaseKey.h"
#include "TovuUpdateLog.h"
#include "data/ClParseXmlNetwork.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFileInfo>
#include <QNetworkProxy>

// The settings file stores Qt's own numbers for the proxy types.
static_assert(qint32(ClProxyType::Socks5) == QNetworkProxy::Socks5Proxy);
static_assert(qint32(ClProxyType::Http) == QNetworkProxy::HttpProxy);
static_assert(qint32(ClProxyType::HttpCaching) == QNetworkProxy::HttpCachingProxy);
static_assert(qint32(ClProxyType::FtpCaching) == QNetworkProxy::FtpCachingProxy);

namespace {
QString text(const char* pszSource)
{
    return QCoreApplication::translate("QObject", pszSource);
}

// The proxy the settings describe, with the credentials when they are in use.
QNetworkProxy proxyOf(const ClParseXmlNetwork& clSettings)
{
    QNetworkProxy clProxy(static_cast<QNetworkProxy::ProxyType>(clSettings.proxyType()), clSettings.proxyHost(),
                          clSettings.proxyPort());
    if (clSettings.hasCredentials()) {
        clProxy.setUser(clSettings.user());
        clProxy.setPassword(clSettings.password());
    }
    return clProxy;
}
}  // namespace

ClDownload::ClDownload(QObject* parent)
    : QObject(parent),
      pclCommunication(new ClCommunication(this)),
      pclLocalManifest(std::make_unique<ClParseXmlUpdate>()),
      pclManifest(std::make_unique<ClParseXmlUpdate>())
{
    connect(pclCommunication, &ClCommunication::sigFinished, this, &ClDownload::slotEndCommunication);
    connect(pclCommunication, &ClCommunication::sigError, this, &ClDownload::onTransferError);
}

QString ClDownload::alteredFileText()
{
    return text("Faield to update.") + QLatin1Char('\n')
        + text("A downloaded file was damaged or altered on the way, so nothing was installed.\n"
               "Try again later or on another network; if this keeps happening, consult your dealer.");
}

ClDownload::~ClDownload() = default;

bool ClDownload::start(const QStringList& lstArgs)
{
    // Nothing of an earlier run (its plan, its position, its mismatches) carries over,
    // however it ended.
    reset();
    bFinished = false;
    bAuto = false;
    bManifestSigned = false;

    for (int i = 0; i < lstArgs.size(); ++i) {
        const QString& strArg = lstArgs.at(i);
        const bool bHasValue = i + 1 < lstArgs.size();
        if (strArg == QLatin1String("-a"))
            bAuto = true;
        else if (strArg == QLatin1String("-u") && bHasValue)
            strManifestPath = lstArgs.at(++i);
        else if (strArg == QLatin1String("-nf") && bHasValue)
            strNetworkFile = lstArgs.at(++i);
        else if (strArg == QLatin1String("-app") && bHasValue)
            strAppName = lstArgs.at(++i);
    }

    // Each run reads the settings afresh, so a changed file takes effect at once.
    ClParseXmlNetwork clSettings;
    if (!clSettings.parseFile(strNetworkFile)) {
        Q_EMIT sigError(text("Failed to read update files.\n If this error continues to occur, consult your dealer."));
        return false;
    }

    const QString strUrl = clSettings.sourceUrl().toString() + strManifestPath;
    const qsizetype lCut = strUrl.lastIndexOf(QLatin1Char('/')) + 1;
    strBaseUrl = strUrl.left(lCut);
    strCurrentName = strUrl.mid(lCut);
    strManifestName = strCurrentName;

    if (!strManifestName.isEmpty() && QFileInfo::exists(strManifestName)
        && !pclLocalManifest->parseFile(strManifestName)) {
        Q_EMIT sigError(text("Failed to read update files.\n If this error continues to occur, consult your dealer."));
        return false;
    }

    // A proxy switched off in the file is switched off for this run too.
    if (clSettings.isProxyUse())
        pclCommunication->setProxy(proxyOf(clSettings));
    else
        pclCommunication->clearProxy();

    pclCommunication->get(QUrl(strUrl), llMaxManifestBytes);
    return true;
}

void ClDownload::requestFile(const QString& strPath)
{
    pclCommunication->get(QUrl(strBaseUrl + strPath), llMaxFileBytes);
}

bool ClDownload::planDownloads()
{
    for (const stFileEntry& stEntry : pclManifest->entries())
        clDownloadList.append({QString(), stEntry.strPath, stEntry.strHash, false, stEntry.strSha256});
    return true;
}

void ClDownload::requestSignature()
{
    eAt = eStage::Signature;
    // A signature is a few dozen bytes: anything large is not one.
    pclCommunication->get(QUrl(strBaseUrl + strManifestName + QLatin1String(".sig")), 4096);
}

void ClDownload::onTransferError(QString strError)
{
    if (eAt == eStage::Signature && !bFinished) {
        // A site that publishes no signatures still answers the check; what it offers is
        // then refused by the subclass, not fetched.
        qCInfo(lcTovuUpdate) << "no signature for" << strManifestName << strError;
        planSigned(QByteArray());
        return;
    }
    slotError(strError);
}

void ClDownload::planSigned(const QByteArray& clSignature)
{
    const QByteArray clSigned = strManifestName.toUtf8() + '\n' + clManifestData;
    bManifestSigned = !clSignature.isEmpty()
        && ClReleaseKey::verify(clSigned, QByteArray::fromBase64(clSignature.trimmed()));
    if (!clSignature.isEmpty() && !bManifestSigned)
        qCWarning(lcTovuUpdate) << "signature of" << strManifestName << "does not verify";
    eAt = eStage::Files;
    if (readManifest(clManifestData))
        fetchPlanned();
}

void ClDownload::failAltered()
{
    bFinished = true;
    Q_EMIT sigError(alteredFileText());
}

bool ClDownload::readManifest(const QByteArray& clData)
{
    clManifestData = clData;
    // A manifest that does not parse leaves the reader empty and so plans nothing.
    pclManifest->parseData(clManifestData);
    return planDownloads();
}

bool ClDownload::isNewer(const QString& strOffered, const QString& strInstalled) const
{
    qsizetype lPosA = 0;
    qsizetype lPosB = 0;
    for (;;) {
        const qsizetype i = strOffered.indexOf(QLatin1Char('.'), lPosA);
        const qsizetype j = strInstalled.indexOf(QLatin1Char('.'), lPosB);
        // Text that is not a number reads as 0.
        const qlonglong llX = strOffered.mid(lPosA, i < 0 ? -1 : i - lPosA).toLongLong();
        const qlonglong llY = strInstalled.mid(lPosB, j < 0 ? -1 : j - lPosB).toLongLong();
        if (llX < llY)
            return false;
        if (llX > llY)
            return true;
        if (i < 0)
            return false;
        if (j < 0)
            return true;
        lPosA = i + 1;
        lPosB = j + 1;
    }
}

void ClDownload::slotEndCommunication()
{
    const QByteArray clData = pclCommunication->takeData();

    if (eAt == eStage::Manifest) {
        clManifestData = clData;
        requestSignature();
        return;
    }
    if (eAt == eStage::Signature) {
        planSigned(clData);
        return;
    }

    const stDownloadItem& stItem = clDownloadList.at(lIndex);
    const QString strHash = QString::fromLatin1(QCryptographicHash::hash(clData, QCryptographicHash::Md5).toHex());
    if (strHash != stItem.strHash) {
        ++lRetry;
        qCInfo(lcTovuUpdate) << "MD5 mismatch" << strCurrentName << "retry" << lRetry;
        if (lRetry > lMaxRetries) {
            failAltered();
            return;
        }
        requestFile(strCurrentName);
        return;
    }
    // MD5 can be matched by whoever made the file; the signed SHA-256 cannot. A mismatch
    // is no accident of the line, so it is not fetched again.
    if (bManifestSigned
        && QString::fromLatin1(QCryptographicHash::hash(clData, QCryptographicHash::Sha256).toHex())
            != stItem.strSha256) {
        qCWarning(lcTovuUpdate) << "SHA-256 of" << strCurrentName << "is not the signed one";
        failAltered();
        return;
    }

    clReceivedList.append({strCurrentName, clData});
    Q_EMIT sigTotalProgress(lIndex + 1, clDownloadList.size());
    if (lIndex + 1 < clDownloadList.size()) {
        ++lIndex;
        strCurrentName = clDownloadList.at(lIndex).strPath;
        requestFile(strCurrentName);
    } else {
        finish();
    }
}

void ClDownload::fetchPlanned()
{
    // Only the planned files' bytes are progress; the manifest's are not.
    connect(pclCommunication, &ClCommunication::sigProgress, this, &ClDownload::sigPartProgress, Qt::UniqueConnection);
    if (clDownloadList.isEmpty()) {
        finish();
        return;
    }
    Q_EMIT sigProgressStart(clDownloadList.size());
    strCurrentName = clDownloadList.first().strPath;
    requestFile(strCurrentName);
}

void ClDownload::finish()
{
    if (!clDownloadList.isEmpty())
        Q_EMIT sigProgressInstalling();
    bFinished = true;
    const QList<stDataInfo> lstData = std::exchange(clReceivedList, {});
    Q_EMIT sigSuccess(lstData);
}

void ClDownload::slotError(QString strError)
{
    if (bFinished)
        return;
    bFinished = true;
    reset();
    Q_EMIT sigError(text("Failed to obtain update files. Check the network settings on your computer.\n")
                    + QLatin1Char('\n') + strError);
}

void ClDownload::slotCancel()
{
    bFinished = true;
    pclCommunication->slotStop();
    reset();
}

void ClDownload::reset()
{
    strBaseUrl.clear();
    strCurrentName.clear();
    strManifestName.clear();
    clManifestData.clear();
    clDownloadList.clear();
    clReceivedList.clear();
    strManifestPath.clear();
    lRetry = 0;
    lIndex = 0;
    eAt = eStage::Manifest;
    disconnect(pclCommunication, &ClCommunication::sigProgress, this, &ClDownload::sigPartProgress);
}
