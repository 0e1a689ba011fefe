// The calendar and the alarm windows as the user drives them, with a clock
// the tests set and the recording platform fake for the sound.
#include "calendar/Registration.h"
#include "calendar/time/AlarmStore.h"
#include "calendar/window/AlarmTray.h"
#include "calendar/window/TForm5.h"
#include "calendar/window/TFrmBudik.h"
#include "calendar/window/TFrmBudikActive.h"
#include "core/app/context/AppContext.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/PlatformServices.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QSystemTrayIcon>
#include <QTextCharFormat>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

FakePlatformServices &platform() { return dynamic_cast<FakePlatformServices &>(PlatformServices::current()); }

QDateTime at(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// Runs `work` on the window once `find` gives one that is shown; for the
// windows that run their own event loop (exec).
void whenShown(std::function<QWidget *()> find, std::function<void(QWidget *)> work)
{
    auto *poll = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, started, find = std::move(find), work = std::move(work)] {
        QWidget *window = find();
        if (window && window->isVisible()) {
            poll->deleteLater();
            poll->stop();
            work(window);
        } else if (started->elapsed() > 5000) {
            poll->deleteLater();
            poll->stop();
            qWarning("the window was never shown");
        }
    });
    poll->start(10);
}

QWidget *activeModal() { return QApplication::activeModalWidget(); }

} // namespace

class CalendarWindowsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        platform().calls.clear();
        m_main = std::make_unique<QWidget>();
    }
    void cleanup()
    {
        m_main.reset();
        AppContext::instance().reset();
        m_env.reset();
    }

    // ---- the calendar ----------------------------------------------------

    void calendarButtons_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<int>>("clicks"); // TForm5::Step values
        QTest::addColumn<QDate>("shown");
        const int yearBack = int(TForm5::Step::YearBack), monthBack = int(TForm5::Step::MonthBack),
                  today = int(TForm5::Step::Today), monthOn = int(TForm5::Step::MonthOn),
                  yearOn = int(TForm5::Step::YearOn);
        QTest::newRow("31 Jan, Měsíc >>") << QDate(2009, 1, 31) << QList<int>{monthOn} << QDate(2009, 2, 28);
        QTest::newRow("31 Jan, Měsíc >>, leap year") << QDate(2008, 1, 31) << QList<int>{monthOn} << QDate(2008, 2, 29);
        QTest::newRow("31 Mar, Měsíc >>") << QDate(2009, 3, 31) << QList<int>{monthOn} << QDate(2009, 4, 30);
        QTest::newRow("15 Dec, Měsíc >> stays") << QDate(2009, 12, 15) << QList<int>{monthOn} << QDate(2009, 12, 15);
        QTest::newRow("15 Dec, Měsíc >>, Rok >>") << QDate(2009, 12, 15) << QList<int>{monthOn, yearOn}
                                                 << QDate(2010, 12, 15);
        QTest::newRow("January, << Měsíc stays") << QDate(2009, 1, 20) << QList<int>{monthBack} << QDate(2009, 1, 20);
        QTest::newRow("<< Rok") << QDate(2009, 6, 1) << QList<int>{yearBack, yearBack} << QDate(2007, 6, 1);
        QTest::newRow("Dnes after moving") << QDate(2009, 6, 17) << QList<int>{yearOn, monthBack, monthBack, today}
                                           << QDate(2009, 6, 17);
    }
    void calendarButtons()
    {
        QFETCH(QDate, today);
        QFETCH(QList<int>, clicks);
        QFETCH(QDate, shown);
        FixedClock clock(QDateTime(today, QTime(10, 0)));
        TForm5 window(clock);
        window.show();
        QCOMPARE(window.date(), today);
        for (int step : clicks)
            QTest::mouseClick(window.button(TForm5::Step(step)), Qt::LeftButton);
        QCOMPARE(window.date(), shown);
        QCOMPARE(window.calendar()->yearShown(), shown.year());
        QCOMPARE(window.calendar()->monthShown(), shown.month());
        // Today stays marked wherever the calendar went.
        QVERIFY(window.calendar()->dateTextFormat(today).font().bold());
    }

    void calendarLooksAndCloses()
    {
        FixedClock clock(at(2009, 2, 10, 14, 5, 9));
        auto window = std::make_unique<TForm5>(clock);
        QCOMPARE(window->windowTitle(), u"Kalendář"_s);
        QCOMPARE(window->calendar()->size(), QSize(393, 235));
        QCOMPARE(window->calendar()->verticalHeaderFormat(), QCalendarWidget::ISOWeekNumbers);
        QCOMPARE(window->calendar()->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(window->findChild<QLabel *>(u"Mesic"_s)->text(), u"únor 2009"_s);
        QCOMPARE(window->findChild<QLabel *>(u"Hodiny"_s)->text(), u"14:05:09"_s);
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(window->button(TForm5::Step::YearBack)->text(), u"<<  Rok"_s);
        QCOMPARE(window->button(TForm5::Step::MonthOn)->toolTip(), u"O měsíc dopředu"_s);

        // Escape closes it; the place it was left is where it opens again.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->move(37, 41);
        const QPoint left = window->pos();
        QTest::keyClick(window->calendar(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Rejected));
        window = std::make_unique<TForm5>(clock);
        QCOMPARE(window->pos(), left);
    }

    // ---- the alarm settings ----------------------------------------------

    void settingsOpenedFromTheMenu()
    {
        FixedClock clock(at(2009, 3, 2, 8, 0));
        ScriptedPrompter prompter;
        AlarmTray tray(prompter, clock, platform(), *m_main);
        QCOMPARE(tray.alarm().hour(), 12);
        QVERIFY(!tray.icon()->isVisible());
        {
            // Nothing stored: the suggested sound is shown and nothing is written.
            TFrmBudik window(tray.alarm(), prompter, clock, false);
            QCOMPARE(window.windowTitle(), u"Nastavení Budíku"_s);
            QCOMPARE(window.hourBox()->value(), 12);
            QCOMPARE(window.minuteBox()->value(), 0);
            QCOMPARE(window.messageBox()->text(), QString());
            QCOMPARE(window.soundBox()->text(), u"C:\\Windows\\Media\\Ding.wav"_s);
            window.hourBox()->setValue(9);
            window.minuteBox()->setValue(30);
            window.messageBox()->setText(u"Zalít kytky"_s);
            QTest::mouseClick(window.switchButton(), Qt::LeftButton);
            QVERIFY(window.switchButton()->isChecked());
            for (QWidget *locked : {static_cast<QWidget *>(window.hourBox()), static_cast<QWidget *>(window.minuteBox()),
                                    static_cast<QWidget *>(window.messageBox())})
                QVERIFY(!locked->isEnabled());
        }
        QCOMPARE(AlarmStore::message(), u"Zalít kytky"_s);
        QCOMPARE(AlarmStore::soundFile(), QString());
        QVERIFY(tray.alarm().isArmed());
        QVERIFY(tray.icon()->isVisible());
        {
            // Opened again while armed: the armed time, the switch off;
            // closing keeps the alarm armed.
            TFrmBudik window(tray.alarm(), prompter, clock, false);
            QCOMPARE(window.hourBox()->value(), 9);
            QCOMPARE(window.minuteBox()->value(), 30);
            QVERIFY(!window.switchButton()->isChecked());
            QVERIFY(window.hourBox()->isEnabled());
            window.show();
            QTest::keyClick(&window, Qt::Key_Escape);
            QVERIFY(!window.isVisible());
        }
        QVERIFY(tray.alarm().isArmed());
        QCOMPARE(tray.alarm().minute(), 30);
        {
            // Switching on arms again with the values shown; off disarms.
            TFrmBudik window(tray.alarm(), prompter, clock, false);
            window.minuteBox()->setValue(45);
            QTest::mouseClick(window.switchButton(), Qt::LeftButton);
            QCOMPARE(tray.alarm().minute(), 45);
            QTest::mouseClick(window.switchButton(), Qt::LeftButton);
            QVERIFY(!tray.alarm().isArmed());
            QVERIFY(!tray.icon()->isVisible());
            QVERIFY(window.hourBox()->isEnabled());
        }
    }

    void trayShowsTheSettingsSwitchedOn()
    {
        FixedClock clock(at(2009, 3, 2, 8, 0));
        ScriptedPrompter prompter;
        AlarmTray tray(prompter, clock, platform(), *m_main);
        tray.alarm().arm(7, 15);
        tray.alarm().disarm();
        QCOMPARE(tray.menu()->objectName(), u"PopUpBudik"_s);
        QCOMPARE(tray.menu()->defaultAction()->text(), u"Zobrazit budík"_s);
        QCOMPARE(tray.icon()->toolTip(), u"Budík - Rozvahon"_s);
        bool locked = false, on = false;
        whenShown(activeModal, [&](QWidget *window) {
            auto *settings = qobject_cast<TFrmBudik *>(window);
            QVERIFY(settings);
            on = settings->switchButton()->isChecked();
            locked = !settings->hourBox()->isEnabled() && !settings->minuteBox()->isEnabled() &&
                     !settings->messageBox()->isEnabled();
            settings->close();
        });
        tray.menu()->defaultAction()->trigger();
        QVERIFY(on);
        QVERIFY(locked);
        QVERIFY(tray.alarm().isArmed());
        QCOMPARE(tray.alarm().hour(), 7);
        QCOMPARE(tray.alarm().minute(), 15);

        // "Deaktivovat": off, the icon gone, the minute passes silently.
        QSignalSpy fired(&tray.alarm(), &AlarmClock::fired);
        tray.menu()->actions().at(1)->trigger();
        QVERIFY(!tray.alarm().isArmed());
        QVERIFY(!tray.icon()->isVisible());
        clock.set(at(2009, 3, 3, 7, 15, 10));
        tray.alarm().look();
        QVERIFY(fired.isEmpty());
    }

    void settingsControls()
    {
        FixedClock clock(at(2009, 3, 2, 16, 42, 5));
        ScriptedPrompter prompter;
        AlarmTray tray(prompter, clock, platform(), *m_main);
        TFrmBudik window(tray.alarm(), prompter, clock, false);
        window.show();
        // "Aktuální" takes the time now while the switch is off ...
        QTest::mouseClick(window.currentTimeButton(), Qt::LeftButton);
        QCOMPARE(window.hourBox()->value(), 16);
        QCOMPARE(window.minuteBox()->value(), 42);
        // ... and nothing while it is on.
        QTest::mouseClick(window.switchButton(), Qt::LeftButton);
        clock.advance(3600 * 1000);
        QTest::mouseClick(window.currentTimeButton(), Qt::LeftButton);
        QCOMPARE(window.hourBox()->value(), 16);

        // The sound file: a cancelled dialog changes nothing, a chosen file
        // is shown and stored.
        prompter.fileNames = {QString(), u"/home/jana/zvuky/kohout.wav"_s};
        QTest::mouseClick(window.soundButton(), Qt::LeftButton);
        QCOMPARE(window.soundBox()->text(), u"C:\\Windows\\Media\\Ding.wav"_s);
        QCOMPARE(AlarmStore::soundFile(), QString());
        QTest::mouseClick(window.soundButton(), Qt::LeftButton);
        QCOMPARE(window.soundBox()->text(), u"/home/jana/zvuky/kohout.wav"_s);
        QCOMPARE(AlarmStore::soundFile(), u"/home/jana/zvuky/kohout.wav"_s);
        QVERIFY(window.soundBox()->isReadOnly());

        // The picture tells that the alarm needs the program running.
        QTest::mouseClick(window.findChild<QLabel *>(u"ObrBudik"_s), Qt::LeftButton);
        QCOMPARE(prompter.messages.value(0), u"Budík je aktivní pouze při zapnutém programu Rozvahon. Po vypnutí "
                                             "tohoto proramu se vypne !"_s);
    }

    // A message typed into the box is kept whichever way the window is left.
    void typedMessageIsKept_data()
    {
        QTest::addColumn<QString>("leave");
        QTest::newRow("Escape") << u"escape"_s;
        QTest::newRow("Zavřít") << u"button"_s;
        QTest::newRow("close box") << u"close"_s;
    }
    void typedMessageIsKept()
    {
        QFETCH(QString, leave);
        FixedClock clock(at(2009, 3, 2, 8, 0));
        ScriptedPrompter prompter;
        AlarmTray tray(prompter, clock, platform(), *m_main);
        TFrmBudik window(tray.alarm(), prompter, clock, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.messageBox()->setFocus();
        QTest::keyClicks(window.messageBox(), u"Obed v 12"_s);
        if (leave == u"escape"_s)
            QTest::keyClick(window.messageBox(), Qt::Key_Escape);
        else if (leave == u"button"_s)
            QTest::mouseClick(window.findChild<QPushButton *>(u"Zavrit"_s), Qt::LeftButton);
        else
            window.close();
        QVERIFY(!window.isVisible());
        QCOMPARE(AlarmStore::message(), u"Obed v 12"_s);
        QVERIFY(!tray.alarm().isArmed());
    }

    // ---- ringing -----------------------------------------------------------

    void alarmRingsOnceAndPlaysEveryTwoSeconds_data()
    {
        QTest::addColumn<QString>("sound");
        QTest::addColumn<QString>("played");
        QTest::newRow("chosen file") << u"/home/jana/kohout.wav"_s << u"play /home/jana/kohout.wav"_s;
        QTest::newRow("never chosen: the bell") << QString() << u"bell"_s;
    }
    void alarmRingsOnceAndPlaysEveryTwoSeconds()
    {
        QFETCH(QString, sound);
        QFETCH(QString, played);
        if (!sound.isEmpty())
            AlarmStore::setSoundFile(sound);
        AlarmStore::setMessage(u"Vstávej!"_s);
        FixedClock clock(at(2009, 3, 2, 8, 59, 59));
        ScriptedPrompter prompter;
        AlarmTray tray(prompter, clock, platform(), *m_main);
        tray.alarm().arm(9, 0);
        QSignalSpy fired(&tray.alarm(), &AlarmClock::fired);

        QStringList atTwo, atFour, atSix;
        QString label;
        bool onTop = false, animated = false;
        whenShown([&tray]() -> QWidget * { return tray.ringingWindow(); }, [&](QWidget *shown) {
            auto *window = static_cast<TFrmBudikActive *>(shown);
            label = window->messageLabel()->text();
            onTop = window->windowFlags() & Qt::WindowStaysOnTopHint;
            const auto step = [&](int ms) {
                clock.advance(ms);
                window->ring();
                return platform().calls;
            };
            QVERIFY(step(1999).isEmpty());
            atTwo = step(1);
            step(1999);
            atFour = step(1);
            atSix = step(2000);
            // The tray icon rocks while the alarm rings.
            animated = QTest::qWaitFor([&tray] { return tray.animationFrame() != 0; }, 2000);
            QTest::mouseClick(window->okButton(), Qt::LeftButton);
        });
        clock.advance(1000);
        tray.alarm().look();
        QCOMPARE(fired.count(), 1);
        QTRY_COMPARE(tray.alarm().state(), AlarmClock::State::Off);

        QCOMPARE(label, u"Vstávej!"_s);
        QVERIFY(onTop);
        QCOMPARE(atTwo, QStringList{played});
        QCOMPARE(atFour, (QStringList{played, played}));
        QCOMPARE(atSix, (QStringList{played, played, played}));
        QVERIFY(animated);
        // After OK: the icon gone, the sound stopped, no second alarm.
        QVERIFY(!tray.icon()->isVisible());
        QCOMPARE(platform().calls.last(), u"stop sound"_s);
        clock.advance(qint64(86400) * 1000);
        tray.alarm().look();
        QCOMPARE(fired.count(), 1);
    }

    void deactivatingStopsTheRinging()
    {
        FixedClock clock(at(2009, 3, 2, 8, 59, 59));
        ScriptedPrompter prompter;
        AlarmTray tray(prompter, clock, platform(), *m_main);
        tray.alarm().arm(9, 0);
        whenShown([&tray]() -> QWidget * { return tray.ringingWindow(); },
                  [&tray](QWidget *) { tray.menu()->actions().at(1)->trigger(); });
        clock.advance(1000);
        tray.alarm().look();
        QCOMPARE(tray.alarm().state(), AlarmClock::State::Ringing);
        QTRY_COMPARE(tray.alarm().state(), AlarmClock::State::Off);
        QTRY_VERIFY(!tray.ringingWindow());
        QVERIFY(!tray.icon()->isVisible());
        QCOMPARE(tray.animationFrame(), 0);
    }

    // The menu's window is made by the alarm beside the main window.
    void registeredWithTheMainWindow()
    {
        AppContext &context = AppContext::instance();
        ScriptedPrompter prompter;
        FixedClock clock(at(2009, 3, 2, 8, 0));
        context.prompter = &prompter;
        context.clock = &clock;
        registerCalendar(context);
        QVERIFY(context.hasWindow(WindowId::Calendar));
        QCOMPARE(context.pictureBefore(WindowId::Calendar), std::optional<ScreenPicture>(ScreenPicture::Cal));
        QVERIFY(!context.createWindow(WindowId::Alarm, nullptr));
        context.attachCompanions(*m_main);
        auto *tray = m_main->findChild<AlarmTray *>();
        QVERIFY(tray);
        tray->alarm().arm(6, 30);
        std::unique_ptr<QDialog> settings = context.createWindow(WindowId::Alarm, m_main.get());
        auto *window = qobject_cast<TFrmBudik *>(settings.get());
        QVERIFY(window);
        QVERIFY(!window->switchButton()->isChecked());
        QCOMPARE(window->hourBox()->value(), 6);
        QVERIFY(qobject_cast<TForm5 *>(context.createWindow(WindowId::Calendar, nullptr).get()));
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<QWidget> m_main;
};

QTEST_MAIN(CalendarWindowsTest)
#include "tst_calendarwindows.moc"
