#pragma once

#include <QDate>
#include <QDateTime>

// Today and now, as the program's logic sees them. Tests set the time.
class Clock
{
public:
    virtual ~Clock();
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }

    static Clock &system();
};

// The wall clock of the machine.
class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until it is set or advanced.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime when = QDateTime(QDate(2009, 1, 1), QTime(12, 0))) : m_now(when) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &when) { m_now = when; }
    void setDate(QDate date) { m_now.setDate(date); }
    void advance(qint64 msecs) { m_now = m_now.addMSecs(msecs); }

private:
    QDateTime m_now;
};
