#pragma once
// Picture sizes travel as an index into a table of their own for recording and for
// live view. A size not in the table goes out as 0; an index not in the table comes
// back as QSize(-1, -1).
#include <QSize>

class ClImageSizes
{
public:
    enum Table { Rec, Live };

    static quint32 indexOf(Table eTable, const QSize& clSize);
    static QSize sizeOf(Table eTable, quint32 ulIndex);
};
