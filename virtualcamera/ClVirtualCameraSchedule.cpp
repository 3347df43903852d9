#include "ClVirtualCameraSchedule.h"

void ClVirtualCameraSchedule::refuseDay(quint32 ulDayCode, quint16 usStatus)
{
    m_ulRefusedDay = ulDayCode;
    m_usRefusedStatus = usStatus;
}

quint16 ClVirtualCameraSchedule::statusFor(quint32 ulDayCode) const
{
    return m_ulRefusedDay != 0 && ulDayCode == m_ulRefusedDay ? m_usRefusedStatus : 0;
}
