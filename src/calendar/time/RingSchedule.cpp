#include "calendar/time/RingSchedule.h"

bool RingSchedule::due(const QDateTime &now)
{
    if (!m_next.isValid())
        return false;
    // A clock put back: the schedule follows it instead of waiting.
    if (m_next > now.addMSecs(Period))
        m_next = now.addMSecs(Period);
    if (now < m_next)
        return false;
    // Plays missed while the clock jumped (or the program was stalled) are
    // not caught up: one play now, the next a period later.
    m_next = m_next.addMSecs(Period);
    if (m_next <= now)
        m_next = now.addMSecs(Period);
    return true;
}
