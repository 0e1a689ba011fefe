// The calendar's moves, the alarm's arming and firing rule and the ringing
// schedule, driven by a clock the tests set.
#include "calendar/time/AlarmClock.h"
#include "calendar/time/AlarmStore.h"
#include "calendar/time/MonthSteps.h"
#include "calendar/time/RingSchedule.h"
#include "core/data/platform/Clock.h"
#include "support/TestEnv.h"

#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}
} // namespace

class CalendarTimeTest : public QObject
{
    Q_OBJECT

private slots:
    void monthAndYearSteps_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("years");
        QTest::addColumn<QDate>("to");
        QTest::newRow("31 Jan, month on: 28 Feb") << QDate(2009, 1, 31) << 1 << 0 << QDate(2009, 2, 28);
        QTest::newRow("31 Jan, month on, leap year: 29 Feb") << QDate(2008, 1, 31) << 1 << 0 << QDate(2008, 2, 29);
        QTest::newRow("31 Mar, month on: 30 Apr") << QDate(2009, 3, 31) << 1 << 0 << QDate(2009, 4, 30);
        QTest::newRow("31 Mar, month back: 28 Feb") << QDate(2009, 3, 31) << -1 << 0 << QDate(2009, 2, 28);
        QTest::newRow("15 Dec, month on: stays") << QDate(2009, 12, 15) << 1 << 0 << QDate(2009, 12, 15);
        QTest::newRow("10 Jan, month back: stays") << QDate(2009, 1, 10) << -1 << 0 << QDate(2009, 1, 10);
        QTest::newRow("15 Dec, year on") << QDate(2009, 12, 15) << 0 << 1 << QDate(2010, 12, 15);
        QTest::newRow("29 Feb, year on: 28 Feb") << QDate(2008, 2, 29) << 0 << 1 << QDate(2009, 2, 28);
        QTest::newRow("29 Feb, four years back") << QDate(2008, 2, 29) << 0 << -4 << QDate(2004, 2, 29);
        QTest::newRow("year 1, year back: stays") << QDate(1, 6, 3) << 0 << -1 << QDate(1, 6, 3);
    }
    void monthAndYearSteps()
    {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(int, years);
        QFETCH(QDate, to);
        const QDate moved = years ? MonthSteps::years(from, years) : MonthSteps::monthsWithinYear(from, months);
        QCOMPARE(moved, to);
    }

    void monthsAndYearsAreClamped()
    {
        QCOMPARE(MonthSteps::withMonth(QDate(2009, 5, 31), 0), QDate(2009, 1, 31));
        QCOMPARE(MonthSteps::withMonth(QDate(2009, 5, 31), 13), QDate(2009, 12, 31));
        QCOMPARE(MonthSteps::withMonth(QDate(2009, 5, 31), 6), QDate(2009, 6, 30));
        QCOMPARE(MonthSteps::withYear(QDate(2009, 5, 31), 0), QDate(1, 5, 31));
        QCOMPARE(MonthSteps::withYear(QDate(2009, 5, 31), -40), QDate(1, 5, 31));
    }

    // When an alarm armed at `armedAt` for hh:mm rings, with the clock
    // looking twice a second.
    void armingDecidesTheDay_data()
    {
        QTest::addColumn<QDateTime>("armedAt");
        QTest::addColumn<int>("hour");
        QTest::addColumn<int>("minute");
        QTest::addColumn<QDateTime>("rings");
        QTest::newRow("later today") << at(2009, 3, 2, 8, 15, 40) << 9 << 0 << at(2009, 3, 2, 9, 0);
        QTest::newRow("the next minute") << at(2009, 3, 2, 8, 59, 59) << 9 << 0 << at(2009, 3, 2, 9, 0);
        QTest::newRow("the current minute: tomorrow") << at(2009, 3, 2, 9, 0, 0) << 9 << 0 << at(2009, 3, 3, 9, 0);
        QTest::newRow("the current minute, late in it") << at(2009, 3, 2, 9, 0, 59) << 9 << 0 << at(2009, 3, 3, 9, 0);
        QTest::newRow("already past: tomorrow") << at(2009, 3, 2, 9, 1) << 9 << 0 << at(2009, 3, 3, 9, 0);
        QTest::newRow("midnight from the evening") << at(2009, 12, 31, 23, 30) << 0 << 0 << at(2010, 1, 1, 0, 0);
    }
    void armingDecidesTheDay()
    {
        QFETCH(QDateTime, armedAt);
        QFETCH(int, hour);
        QFETCH(int, minute);
        QFETCH(QDateTime, rings);
        FixedClock clock(armedAt);
        AlarmClock alarm(clock);
        QSignalSpy fired(&alarm, &AlarmClock::fired);
        alarm.arm(hour, minute);
        QCOMPARE(alarm.state(), AlarmClock::State::Armed);
        // Half-second looks up to just before the moment: silent.
        while (clock.now() < rings.addMSecs(-500)) {
            clock.advance(500);
            alarm.look();
            QVERIFY2(fired.isEmpty(), qPrintable(clock.now().toString()));
        }
        clock.advance(500);
        alarm.look();
        QCOMPARE(fired.count(), 1);
        QCOMPARE(clock.now(), rings);
        QCOMPARE(alarm.state(), AlarmClock::State::Ringing);
        // Ringing: the rest of the minute does not ring again.
        for (int look = 0; look < 120; ++look) {
            clock.advance(500);
            alarm.look();
        }
        QCOMPARE(fired.count(), 1);
    }

    // A clock that jumps rings at most once, and never before the moment.
    void jumpingClockRingsOnce_data()
    {
        QTest::addColumn<QList<int>>("jumps"); // seconds, from 8:00:00, one look after each
        QTest::addColumn<int>("rings");
        QTest::newRow("steady to the minute") << QList<int>{3599, 1} << 1;
        QTest::newRow("suspended over the minute") << QList<int>{1800, 7200} << 1;
        QTest::newRow("put back an hour after ringing") << QList<int>{3600, -3600, 3600} << 1;
        QTest::newRow("put back before the minute") << QList<int>{3000, -3000, 3599, 1} << 1;
        QTest::newRow("put back a day after ringing") << QList<int>{3600, -86400, 86400} << 1;
        QTest::newRow("never reached") << QList<int>{3599, -3599, 3500} << 0;
    }
    void jumpingClockRingsOnce()
    {
        QFETCH(QList<int>, jumps);
        QFETCH(int, rings);
        FixedClock clock(at(2009, 3, 2, 8, 0));
        AlarmClock alarm(clock);
        QSignalSpy fired(&alarm, &AlarmClock::fired);
        alarm.arm(9, 0);
        for (int seconds : jumps) {
            clock.advance(qint64(seconds) * 1000);
            alarm.look();
        }
        QCOMPARE(fired.count(), rings);
    }

    void offAndConfirmed()
    {
        FixedClock clock(at(2009, 3, 2, 8, 59, 59));
        AlarmClock alarm(clock);
        QCOMPARE(alarm.hour(), 12);
        QCOMPARE(alarm.minute(), 0);
        QCOMPARE(alarm.state(), AlarmClock::State::Off);
        QSignalSpy fired(&alarm, &AlarmClock::fired);
        // Switched off before the minute: silent; the time stays.
        alarm.arm(9, 0);
        alarm.disarm();
        clock.advance(1000);
        alarm.look();
        QVERIFY(fired.isEmpty());
        QCOMPARE(alarm.hour(), 9);
        // Confirmed: off, and the next day stays silent.
        clock.set(at(2009, 3, 2, 8, 59, 59));
        alarm.arm(9, 0);
        clock.advance(1000);
        alarm.look();
        QCOMPARE(fired.count(), 1);
        alarm.confirm();
        QCOMPARE(alarm.state(), AlarmClock::State::Off);
        clock.advance(qint64(86400) * 1000);
        alarm.look();
        QCOMPARE(fired.count(), 1);
        // Confirming does not switch off an alarm armed again meanwhile.
        alarm.arm(10, 0);
        alarm.confirm();
        QCOMPARE(alarm.state(), AlarmClock::State::Armed);
    }

    void ringingPlaysEveryTwoSeconds_data()
    {
        QTest::addColumn<QList<int>>("steps"); // ms, one ask after each
        QTest::addColumn<QList<int>>("plays"); // ms since the start of each play
        QTest::newRow("steady") << QList<int>(70, 100) << QList<int>{2000, 4000, 6000};
        QTest::newRow("a stall of 5 s plays once") << QList<int>{1000, 1000, 5000, 1000, 1000} << QList<int>{2000, 7000, 9000};
        QTest::newRow("clock put back") << QList<int>{2000, -60000, 2000} << QList<int>{2000, -56000};
    }
    void ringingPlaysEveryTwoSeconds()
    {
        QFETCH(QList<int>, steps);
        QFETCH(QList<int>, plays);
        const QDateTime start = at(2009, 3, 2, 9, 0);
        QDateTime now = start;
        RingSchedule schedule;
        QVERIFY(!schedule.due(now));
        schedule.start(now);
        QList<int> played;
        for (int step : steps) {
            now = now.addMSecs(step);
            if (schedule.due(now))
                played << int(start.msecsTo(now));
        }
        QCOMPARE(played, plays);
    }

    void unsetValuesReadEmpty()
    {
        TestEnv env;
        QCOMPARE(AlarmStore::message(), QString());
        QCOMPARE(AlarmStore::soundFile(), QString());
        AlarmStore::setMessage(u"Vstávej, máš schůzku"_s);
        AlarmStore::setSoundFile(u"/usr/share/sounds/zvon.wav"_s);
        QCOMPARE(AlarmStore::message(), u"Vstávej, máš schůzku"_s);
        QCOMPARE(AlarmStore::soundFile(), u"/usr/share/sounds/zvon.wav"_s);
    }
};

QTEST_GUILESS_MAIN(CalendarTimeTest)
#include "tst_calendartime.moc"
