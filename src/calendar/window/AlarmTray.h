#pragma once

#include "calendar/time/AlarmClock.h"
#include "calendar/window/TFrmBudikActive.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

class Clock;
class PlatformServices;
class Prompter;
class QDialog;
class QMenu;
class QSystemTrayIcon;

// The alarm beside the main window: its hidden clock, the tray icon
// `AlarmIco` that shows while an alarm is armed, with its menu
// `PopUpBudik`, and the ringing window opened when the alarm fires.
class AlarmTray : public QObject
{
    Q_OBJECT
public:
    AlarmTray(Prompter &prompter, const Clock &clock, PlatformServices &services, QWidget &mainWindow);
    ~AlarmTray() override;

    AlarmClock &alarm() { return m_alarm; }
    QSystemTrayIcon *icon() const { return m_icon; }
    QMenu *menu() const { return m_menu.get(); }
    // The ringing window while the alarm rings.
    TFrmBudikActive *ringingWindow() const { return m_ringing; }
    int animationFrame() const { return m_frame; }

    // A new settings window; `switchOn` arms again with what it shows.
    std::unique_ptr<QDialog> settingsWindow(bool switchOn, QWidget *parent);

    // The tray menu's two entries.
    void showSettings();
    void deactivate();

private:
    void stateChanged(AlarmClock::State state);
    void ring();
    void animate();

    Prompter &m_prompter;
    const Clock &m_clock;
    PlatformServices &m_services;
    QWidget &m_mainWindow;
    AlarmClock m_alarm;
    QSystemTrayIcon *m_icon = nullptr;
    std::unique_ptr<QMenu> m_menu; // a menu has no parent object to own it
    QTimer m_animation;
    int m_frame = 0;
    QPointer<TFrmBudikActive> m_ringing;
    bool m_settingsOpen = false;
};
