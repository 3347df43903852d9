#pragma once
// Helpers shared by the update tests: settings files and manifests written the way a
// user and a server would write them, and sites signed with a key pair made for the run.
#include "tests/support/ClTestHttpServer.h"
#include "update/ClReleaseKey.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace UpdateTestSupport {
inline QString md5(const QByteArray& clData)
{
    return QString::fromLatin1(QCryptographicHash::hash(clData, QCryptographicHash::Md5).toHex());
}

inline QString sha256(const QByteArray& clData)
{
    return QString::fromLatin1(QCryptographicHash::hash(clData, QCryptographicHash::Sha256).toHex());
}

// A manifest with one file group (named clGroup) listing the files: {path, version, hash}
// or, as a signed site lists them, {path, version, hash, sha256}.
inline QByteArray manifest(const QList<QStringList>& lstFiles, const QByteArray& clGroup = "firm")
{
    QByteArray clXml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<update>\n <" + clGroup + " dir=\"firmware\">\n";
    for (const QStringList& lstFile : lstFiles) {
        const QByteArray clSha = lstFile.size() > 3 ? " sha256=\"" + lstFile.value(3).toUtf8() + "\"" : "";
        clXml += "  <file version=\"" + lstFile.value(1).toUtf8() + "\" hash=\"" + lstFile.value(2).toUtf8() + "\""
            + clSha + ">" + lstFile.value(0).toUtf8() + "</file>\n";
    }
    return clXml + " </" + clGroup + ">\n</update>\n";
}

inline bool writeFile(const QString& strPath, const QByteArray& clData)
{
    QFile clFile(strPath);
    return clFile.open(QIODevice::WriteOnly) && clFile.write(clData) == clData.size();
}

inline QByteArray readFile(const QString& strPath)
{
    QFile clFile(strPath);
    return clFile.open(QIODevice::ReadOnly) ? clFile.readAll() : QByteArray();
}

// Writes a settings file naming the source URL; clProxy is the inside of <proxysetting>.
inline bool writeSettings(const QString& strPath, const QString& strSourceUrl,
                          const QByteArray& clProxy = "<use>false</use>")
{
    return writeFile(strPath,
                     "<settings><proxysetting>" + clProxy + "</proxysetting><sourceurl>" + strSourceUrl.toUtf8()
                         + "</sourceurl></settings>");
}
// A release key pair made for the test (never the project's): the private key is written
// to strKeyFile, the raw 32-byte public key returned (empty when openssl failed).
inline QByteArray makeKeyPair(const QString& strKeyFile)
{
    if (QProcess::execute("openssl", {"genpkey", "-algorithm", "ed25519", "-out", strKeyFile}) != 0)
        return QByteArray();
    QProcess clPublic;
    clPublic.start("openssl", {"pkey", "-in", strKeyFile, "-pubout", "-outform", "DER"});
    if (!clPublic.waitForFinished() || clPublic.exitCode() != 0)
        return QByteArray();
    return clPublic.readAllStandardOutput().right(32);  // the key ends the DER structure
}

// The detached signature a site signed with strKeyFile carries for the manifest named
// strName (its file name): Base64 of the signature of the name, a line feed, the bytes.
inline QByteArray signature(const QString& strKeyFile, const QString& strName, const QByteArray& clManifest)
{
    // openssl signs Ed25519 in one go from a file it can size, not from a pipe.
    const QString strMessage = strKeyFile + ".message";
    if (!writeFile(strMessage, strName.toUtf8() + '\n' + clManifest))
        return QByteArray();
    QProcess clSign;
    clSign.start("openssl", {"pkeyutl", "-sign", "-rawin", "-inkey", strKeyFile, "-in", strMessage});
    const bool bSigned = clSign.waitForFinished() && clSign.exitCode() == 0;
    QFile::remove(strMessage);
    return bSigned ? clSign.readAllStandardOutput().toBase64() + '\n' : QByteArray();
}
// The private key of a release key pair made for this test run, the tool pointed at its
// public half (empty when openssl is missing).
inline QString testKeyFile()
{
    static QTemporaryDir clKeyDir;
    static const QString strKey = [] {
        const QString strFile = clKeyDir.filePath("release.pem");
        const QByteArray clPublic = makeKeyPair(strFile);
        ClReleaseKey::setTestKey(clPublic);
        return clPublic.isEmpty() ? QString() : strFile;
    }();
    return strKey;
}

// A file as a signed manifest lists it: {path, version, MD5, SHA-256}.
inline QStringList listed(const QString& strPath, const QString& strVersion, const QByteArray& clData)
{
    return {strPath, strVersion, md5(clData), sha256(clData)};
}

// Serves the manifest with its signature beside it, made with the run's key by default.
inline void serveSigned(ClTestHttpServer& clServer, const QString& strPath, const QByteArray& clManifest,
                        const QString& strKeyFile = testKeyFile())
{
    clServer.setFile(strPath, clManifest);
    clServer.setFile(strPath + ".sig", signature(strKeyFile, QFileInfo(strPath).fileName(), clManifest));
}
}  // namespace UpdateTestSupport
