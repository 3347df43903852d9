#pragma once
// Helpers shared by the update tests: settings files and manifests written the way a
// server and a user would write them.
#include <QByteArray>
#include <QCryptographicHash>
#include <QList>
#include <QString>

struct stManifestFile
{
    QString strPath;
    QString strVersion;
    QString strHash;
};

namespace UpdateTestSupport {
inline QString md5(const QByteArray& clData)
{
    return QString::fromLatin1(QCryptographicHash::hash(clData, QCryptographicHash::Md5).toHex());
}

// A manifest with one file group (named strGroup) listing the files.
QByteArray manifest(const QList<stManifestFile>& lstFiles, const QString& strGroup = "firm");

// Writes a settings file; returns false when it could not be written.
bool writeSettings(const QString& strPath, const QString& strSourceUrl, bool bProxyUse = false,
                   const QString& strProxyPort = QString(), bool bAuthUse = false,
                   const QString& strUser = QString(), const QString& strPassword = QString());
}  // namespace UpdateTestSupport
