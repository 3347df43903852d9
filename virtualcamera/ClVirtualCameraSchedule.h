#pragma once
// What the emulated camera does to its weekly schedule beyond storing it: a day whose
// entries it refuses with a status of the test's choice (to show a failing Apply), and a
// schedule answer forged packet by packet (out-of-range times, unknown day codes, missing,
// extra or repeated entries), sent in place of the stored one until cleared.
// Not thread-safe; the camera guards it.
#include "ClVirtualCameraWire.h"

#include <QList>

class ClVirtualCameraSchedule
{
public:
    using Params = ClVirtualCameraWire::Params;

    // ulDayCode 0: no day is refused.
    void refuseDay(quint32 ulDayCode, quint16 usStatus);
    // The status a Set of this day's entry gets instead of being stored; 0 to store it.
    quint16 statusFor(quint32 ulDayCode) const;

    // The entry packets' parameters as sent (param1 the day code, param2 on/off, param3
    // and param4 the "hhmm" times); an empty list answers the stored schedule.
    void forgeAnswer(const QList<Params>& lstEntries) { m_lstForged = lstEntries; }
    const QList<Params>& forgedAnswer() const { return m_lstForged; }

private:
    quint32 m_ulRefusedDay = 0;
    quint16 m_usRefusedStatus = 0;
    QList<Params> m_lstForged;
};
