#pragma once
// Helpers shared by the update tests: settings files and manifests written the way a
// user and a server would write them.
#include <QCryptographicHash>
#include <QFile>
#include <QStringList>

namespace UpdateTestSupport {
inline QString md5(const QByteArray& clData)
{
    return QString::fromLatin1(QCryptographicHash::hash(clData, QCryptographicHash::Md5).toHex());
}

// A manifest with one file group (named clGroup) listing the files: {path, version, hash}.
inline QByteArray manifest(const QList<QStringList>& lstFiles, const QByteArray& clGroup = "firm")
{
    QByteArray clXml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<update>\n <" + clGroup + " dir=\"firmware\">\n";
    for (const QStringList& lstFile : lstFiles) {
        clXml += "  <file version=\"" + lstFile.value(1).toUtf8() + "\" hash=\"" + lstFile.value(2).toUtf8() + "\">"
            + lstFile.value(0).toUtf8() + "</file>\n";
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
}  // namespace UpdateTestSupport
