#include "calendar/window/AlarmTray.h"

#include "calendar/time/AlarmStore.h"
#include "calendar/window/TFrmBudik.h"
#include "calendar/window/TFrmBudikActive.h"
#include "widgets/Emblems.h"
#include "widgets/Hints.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {
constexpr int AnimationInterval = 500; // ms
// The tray icon's frames while ringing: the clock rocks from side to side.
constexpr int Tilts[] = {0, -1, 0, 1};
constexpr int FrameCount = int(std::size(Tilts));

QIcon alarmIcon(int tilt = 0, bool crossed = false)
{
    QIcon icon;
    for (int size : {16, 22, 32})
        icon.addPixmap(Emblems::alarmClock(size, tilt, crossed));
    return icon;
}
} // namespace

AlarmTray::AlarmTray(Prompter &prompter, const Clock &clock, PlatformServices &services, QWidget &mainWindow)
    : QObject(&mainWindow), m_prompter(prompter), m_clock(clock), m_services(services), m_mainWindow(mainWindow),
      m_alarm(clock)
{
    setObjectName(QStringLiteral("Alarm"));
    m_menu = std::make_unique<QMenu>();
    m_menu->setObjectName(QStringLiteral("PopUpBudik"));
    QAction *show = m_menu->addAction(alarmIcon(), QStringLiteral("Zobrazit budík"), this, &AlarmTray::showSettings);
    show->setObjectName(QStringLiteral("ZobrazitBudik"));
    Hints::apply(show, QStringLiteral("Zobrazí nastavení budíku"));
    m_menu->setDefaultAction(show);
    QAction *off = m_menu->addAction(alarmIcon(0, true), QStringLiteral("Deaktivovat"), this, &AlarmTray::deactivate);
    off->setObjectName(QStringLiteral("Deaktivovat"));
    Hints::apply(off, QStringLiteral("Vypne budík"));

    m_icon = new QSystemTrayIcon(alarmIcon(), this);
    m_icon->setObjectName(QStringLiteral("AlarmIco"));
    m_icon->setToolTip(QStringLiteral("Budík - Rozvahon"));
    m_icon->setContextMenu(m_menu.get());
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            showSettings();
    });

    m_animation.setInterval(AnimationInterval);
    connect(&m_animation, &QTimer::timeout, this, &AlarmTray::animate);
    connect(&m_alarm, &AlarmClock::stateChanged, this, &AlarmTray::stateChanged);
    // The ringing window is modal: it opens once the clock's look is over.
    connect(&m_alarm, &AlarmClock::fired, this, &AlarmTray::ring, Qt::QueuedConnection);
}

AlarmTray::~AlarmTray() = default;

std::unique_ptr<QDialog> AlarmTray::settingsWindow(bool switchOn, QWidget *parent)
{
    return std::make_unique<TFrmBudik>(m_alarm, m_prompter, m_clock, switchOn, parent);
}

void AlarmTray::showSettings()
{
    if (m_settingsOpen)
        return;
    m_settingsOpen = true;
    const std::unique_ptr<QDialog> window = settingsWindow(true, &m_mainWindow);
    window->exec();
    m_settingsOpen = false;
}

void AlarmTray::deactivate() { m_alarm.disarm(); }

void AlarmTray::stateChanged(AlarmClock::State state)
{
    m_icon->setVisible(state != AlarmClock::State::Off);
    if (state == AlarmClock::State::Ringing) {
        m_frame = 0;
        m_animation.start();
        return;
    }
    m_animation.stop();
    m_frame = 0;
    m_icon->setIcon(alarmIcon());
    // Switched off while ringing: the ringing ends too.
    if (state == AlarmClock::State::Off && m_ringing)
        m_ringing->accept();
}

void AlarmTray::ring()
{
    if (m_alarm.state() != AlarmClock::State::Ringing || m_ringing)
        return;
    TFrmBudikActive window(AlarmStore::message(), AlarmStore::soundFile(), m_clock, m_services, &m_mainWindow);
    m_ringing = &window;
    window.exec();
    m_ringing = nullptr;
    m_alarm.confirm();
}

void AlarmTray::animate()
{
    m_frame = (m_frame + 1) % FrameCount;
    m_icon->setIcon(alarmIcon(Tilts[m_frame]));
}
