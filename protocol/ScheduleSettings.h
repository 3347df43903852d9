#pragma once
// The weekly schedule as the schedule list reply carries it in "PARAM2": one entry per
// camera day code (registered with the meta-type system as "ScheduleSettings").
#include <QMap>
#include <QMetaType>
#include <QTime>

struct stScheduleEntry
{
    bool bOn = false;
    QTime tmStart;
    QTime tmEnd;

    bool operator==(const stScheduleEntry& stOther) const
    {
        return bOn == stOther.bOn && tmStart == stOther.tmStart && tmEnd == stOther.tmEnd;
    }
};

typedef QMap<int, stScheduleEntry> ScheduleSettings;

Q_DECLARE_METATYPE(stScheduleEntry)
