#include "ClImageSizes.h"

#include <QVector>

namespace {
struct stSizeIndex
{
    quint32 ulIndex;
    QSize clSize;
};

const QVector<stSizeIndex>& table(ClImageSizes::Table eTable)
{
    static const QVector<stSizeIndex> lstRec
        = {{1, QSize(1920, 1080)}, {2, QSize(1280, 720)}, {3, QSize(640, 480)}, {4, QSize(320, 240)}};
    static const QVector<stSizeIndex> lstLive = {{1, QSize(800, 480)}, {2, QSize(320, 240)}};
    return eTable == ClImageSizes::Rec ? lstRec : lstLive;
}
}  // namespace

quint32 ClImageSizes::indexOf(Table eTable, const QSize& clSize)
{
    for (const stSizeIndex& stEntry : table(eTable)) {
        if (stEntry.clSize == clSize)
            return stEntry.ulIndex;
    }
    return 0;
}

QSize ClImageSizes::sizeOf(Table eTable, quint32 ulIndex)
{
    for (const stSizeIndex& stEntry : table(eTable)) {
        if (stEntry.ulIndex == ulIndex)
            return stEntry.clSize;
    }
    return QSize(-1, -1);
}
