#include "ClUsbHolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QStringList ClUsbHolder::find(const QString& strNode, const QString& strProcRoot)
{
    QStringList lstHolders;
    const QString strOwnPid = QString::number(QCoreApplication::applicationPid());
    const QDir clProc(strProcRoot);
    const QStringList lstEntries = clProc.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& strPid : lstEntries) {
        bool bNumber = false;
        strPid.toLongLong(&bNumber);
        if (!bNumber || strPid == strOwnPid)
            continue;
        const QDir clFds(clProc.filePath(strPid + QStringLiteral("/fd")));
        const QStringList lstFds = clFds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        bool bHolds = false;
        for (const QString& strFd : lstFds) {
            if (QFileInfo(clFds.filePath(strFd)).symLinkTarget() == strNode) {
                bHolds = true;
                break;
            }
        }
        if (!bHolds)
            continue;
        QFile clComm(clProc.filePath(strPid + QStringLiteral("/comm")));
        QString strName;
        if (clComm.open(QIODevice::ReadOnly))
            strName = QString::fromLocal8Bit(clComm.readAll()).trimmed();
        if (strName.isEmpty())
            strName = QStringLiteral("?");
        lstHolders << QStringLiteral("%1 (%2)").arg(strName, strPid);
    }
    return lstHolders;
}
