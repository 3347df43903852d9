#pragma once
// Builds the list of command kinds a camera supports from its firmware version, for
// one camera model. Firmware windows are numbered from 1; window i runs from
// windowBound(i) up to, not including, windowBound(i + 1) (open when that is empty).
#include <QList>
#include <QString>
#include <QUuid>

class AbstListGen
{
public:
    virtual ~AbstListGen();

    virtual QList<QUuid> createList(const QString& strVersion) const = 0;
    // False for a version that is not exactly "NN.NN.NNN" and for a window without
    // lower bound.
    virtual bool isInWindow(const QString& strVersion, int lIndex) const;
    virtual QString windowBound(int lIndex) const = 0;

protected:
    // The kinds of the availability table that carry one flag (a ClAvailability bit).
    static QList<QUuid> kindsWith(quint8 ucFlag);
};
