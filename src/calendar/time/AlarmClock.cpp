#include "calendar/time/AlarmClock.h"

#include "core/data/platform/Clock.h"

#include <algorithm>

namespace {
constexpr int LookInterval = 500; // ms; "at least once a second"
constexpr qint64 SecondsPerDay = 24 * 60 * 60;
} // namespace

AlarmClock::AlarmClock(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    m_timer.setInterval(LookInterval);
    connect(&m_timer, &QTimer::timeout, this, &AlarmClock::look);
}

qint64 AlarmClock::wallSeconds(QDate date, QTime time)
{
    return date.toJulianDay() * SecondsPerDay + time.msecsSinceStartOfDay() / 1000;
}

void AlarmClock::arm(int hour, int minute)
{
    m_hour = std::clamp(hour, 0, 23);
    m_minute = std::clamp(minute, 0, 59);
    const QDateTime now = m_clock.now();
    const QTime set(m_hour, m_minute);
    const QTime current(now.time().hour(), now.time().minute());
    // Only a minute still ahead rings today; the current one rings tomorrow.
    const QDate day = set > current ? now.date() : now.date().addDays(1);
    m_due = wallSeconds(day, set);
    m_lastLook = wallSeconds(now.date(), now.time());
    setState(State::Armed);
    m_timer.start();
}

void AlarmClock::disarm()
{
    m_timer.stop();
    setState(State::Off);
}

void AlarmClock::confirm()
{
    if (m_state == State::Ringing)
        disarm();
}

void AlarmClock::look()
{
    if (m_state != State::Armed)
        return;
    const QDateTime now = m_clock.now();
    const qint64 wall = wallSeconds(now.date(), now.time());
    // Crossing the moment rings: a normal clock crosses it within its
    // minute, a clock that jumped over it rings on waking.
    const bool crossed = m_lastLook < m_due && wall >= m_due;
    m_lastLook = wall;
    if (!crossed)
        return;
    m_timer.stop();
    setState(State::Ringing);
    emit fired();
}

void AlarmClock::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}
