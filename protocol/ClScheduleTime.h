#pragma once
// Schedule times travel as the four ASCII digits "hhmm" in one 32-bit parameter slot,
// in packet byte order; an invalid time travels as four zero bytes.
#include <QTime>

class ClScheduleTime
{
public:
    static quint32 toSlot(const QTime& tmTime);
    // An invalid QTime when the slot holds no "hhmm" time.
    static QTime fromSlot(quint32 ulSlot);
};
