#pragma once

#include <QDateTime>

// When the ringing alarm plays its sound: every 2 seconds, the first time
// 2 seconds after its window opened. Asked often by the window's timer,
// it says when a play is due; a clock that jumped plays once and goes on
// from there.
class RingSchedule
{
public:
    static constexpr qint64 Period = 2000; // ms

    void start(const QDateTime &now) { m_next = now.addMSecs(Period); }
    // True when a play is due now; the next one is then one period on.
    bool due(const QDateTime &now);

private:
    QDateTime m_next;
};
