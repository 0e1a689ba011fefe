#pragma once

#include <QDate>
#include <QObject>
#include <QTime>
#include <QTimer>

class Clock;

// The alarm's hidden clock: one alarm time of day (12:00 at start), off,
// armed or ringing. While armed it looks at the time twice a second and
// fires once when the wall clock reaches the set minute.
//
// Arming for a time already past today, or for the current minute, rings
// at that time tomorrow. The moment it rings is fixed when it is armed, so
// a clock that jumps (suspend, a new time zone) rings at most once: a jump
// back before the moment is waited out, a jump over it rings at once, and
// after ringing the alarm stays off until it is armed again.
class AlarmClock : public QObject
{
    Q_OBJECT
public:
    enum class State { Off, Armed, Ringing };

    explicit AlarmClock(const Clock &clock, QObject *parent = nullptr);

    State state() const { return m_state; }
    bool isArmed() const { return m_state == State::Armed; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }

    // Sets the alarm time (the second is always 0) and arms it.
    void arm(int hour, int minute);
    // Off from armed or ringing; the alarm time stays.
    void disarm();
    // The ringing has been confirmed: the alarm is off (an alarm armed
    // again meanwhile stays armed).
    void confirm();

    // Looks at the time now (the timer does this twice a second); fires
    // when the moment has come.
    void look();

signals:
    void stateChanged(AlarmClock::State state);
    void fired();

private:
    void setState(State state);
    // The wall time as one number of seconds, days included, so that a
    // change of the time zone moves the alarm with the wall clock.
    static qint64 wallSeconds(QDate date, QTime time);

    const Clock &m_clock;
    QTimer m_timer;
    State m_state = State::Off;
    int m_hour = 12;
    int m_minute = 0;
    qint64 m_due = 0;      // the wall moment of ringing, while armed
    qint64 m_lastLook = 0; // the wall moment of the last look
};
