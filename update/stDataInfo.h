#pragma once
// One downloaded and verified file, held in memory.
#include <QByteArray>
#include <QList>
#include <QMetaType>
#include <QString>

struct stDataInfo
{
    QString strName;    // relative path as listed in the manifest
    QByteArray clData;  // complete contents
};

Q_DECLARE_METATYPE(stDataInfo)
