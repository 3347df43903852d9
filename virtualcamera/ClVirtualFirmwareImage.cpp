#include "ClVirtualFirmwareImage.h"

#include <QRegularExpression>

const char* const ClVirtualFirmwareImage::pszMagic = "TOVU-FIRMWARE ";

QByteArray ClVirtualFirmwareImage::make(const QString& strVersion, const QString& strModel, qsizetype lPayload)
{
    QByteArray clBytes = QByteArray(pszMagic) + strVersion.toLatin1() + '\n';
    if (!strModel.isEmpty())
        clBytes += "MODEL " + strModel.toLatin1() + '\n';
    clBytes.reserve(clBytes.size() + lPayload);
    for (qsizetype i = 0; i < lPayload; ++i)
        clBytes.append(char((i * 31 + 7) & 0xFF));
    return clBytes;
}

bool ClVirtualFirmwareImage::parse(const QByteArray& clBytes, QString* pstrVersion, QString* pstrModel)
{
    if (!clBytes.startsWith(pszMagic))
        return false;
    const QList<QByteArray> lstLines = clBytes.left(lHeadBytes).split('\n');
    const QString strVersion = QString::fromLatin1(lstLines.value(0).mid(qsizetype(qstrlen(pszMagic)))).trimmed();
    static const QRegularExpression clVersion(QStringLiteral("^[0-9]{2}\\.[0-9]{2}\\.[0-9]{3}$"));
    if (!clVersion.match(strVersion).hasMatch())
        return false;
    QString strModel;
    if (lstLines.size() > 1 && lstLines.at(1).startsWith("MODEL "))
        strModel = QString::fromLatin1(lstLines.at(1).mid(6)).trimmed();
    if (pstrVersion)
        *pstrVersion = strVersion;
    if (pstrModel)
        *pstrModel = strModel;
    return true;
}
