#include "shell/window/THlavni_Formular.h"

#include "core/app/context/ApplicationErrors.h"
#include "shell/window/MainCommands.h"
#include "core/app/commands/MenuCaptions.h"
#include "core/app/commands/OpenWindowGuard.h"
#include "core/app/commands/PreviousYearNames.h"
#include "core/app/commands/ShutdownCommand.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/app/dialogs/TForm25.h"
#include "core/app/dialogs/TForm45.h"
#include "core/app/dialogs/TFrmHeslo.h"
#include "core/app/dialogs/TFrmTipy.h"
#include "core/app/dialogs/TInfoBox.h"
#include "core/app/dialogs/TSporic.h"
#include "shell/window/HelpFile.h"
#include "shell/window/MainBackground.h"
#include "shell/window/MainMenus.h"
#include "shell/window/MoveHandle.h"
#include "shell/window/ProgramLook.h"
#include "shell/window/StartMenu.h"
#include "shell/window/QuickButtonPanel.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/Keys.h"
#include "shell/look/SettingsFollower.h"
#include "core/app/Program.h"
#include "widgets/CaptionBand.h"
#include "widgets/Colours.h"
#include "widgets/Emblems.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString settingsPath() { return Paths::inProgramFolder(QLatin1String(FileName::Settings)); }

} // namespace

THlavni_Formular::THlavni_Formular(AppContext &context, QWidget *parent)
    : ProgramWindow(parent), m_context(context), m_captions(std::make_unique<MenuCaptions>())
{
    // The window itself and the program's version, which other windows show.
    setObjectName(QStringLiteral("Hlavni_Formular"));
    m_context.values.programVersion = QStringLiteral("5.6");
    m_context.values.windowsVersionText = QStringLiteral("3.6");
    setWindowTitle(QStringLiteral("Rozvahon ") + m_context.values.programVersion);
    setWindowIcon(QIcon(Emblems::programIcon(32)));
    resize(551, 541);

    // An open-window flag left set by a run that ended without closing its
    // windows is cleared.
    OpenWindowGuard::reset();

    m_context.menuCaptions = m_captions.get();
    m_commands = std::make_unique<MainCommands>(m_context, *m_captions);
    m_commands->setWindowParent(this);
    m_commands->setPictureHook([](ScreenPicture picture) { PictureScreen(picture); });

    MainMenus::Handlers handlers;
    handlers.exit = [this] { exitProgram(); };
    handlers.help = [this] { showHelp(); };
    handlers.about = [this] { showAbout(); };
    handlers.tips = [this] { showTips(); };
    handlers.restore = [this] { restoreFromTray(); };
    handlers.centre = [this] { placeButtonsInCentre(); };
    handlers.background = [this](int which) {
        if (which == 0)
            m_look->noPicture(*m_client);
        else
            m_look->choosePicture(*m_client);
    };
    handlers.moving = [this](bool on) { setMovingMode(on); };
    handlers.tableGroupShown = [this](int which) { return tableGroupShown(which); };
    m_menus = new MainMenus(*this, *m_commands, *m_captions, std::move(handlers));
    // The caption band over the client area carries the title-bar gradient.
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Klient"));
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_caption = new CaptionBand(this, true, QColor(Qt::blue), central);
    m_caption->hide();
    column->addWidget(m_caption);
    m_client = new MainBackground(m_menus->menu(MainMenu::Popup), central);
    column->addWidget(m_client, 1);
    setCentralWidget(central);

    buildClientArea();
    buildStatusBar();
    buildTitleBarButtons();
    buildTray();

    // The item names reach the menus and buttons.
    if (m_context.itemNamesPass)
        ApplicationErrors::guard([this] { m_context.itemNamesPass(*m_captions); });
    connect(m_captions.get(), &MenuCaptions::changed, this, &THlavni_Formular::refreshButtonCaptions);
    refreshButtonCaptions();

    // No record window is shown yet, and the first paint is still to come.
    m_firstPaintDone = false;
    m_context.values.recordWindowShown = false;

    // The settings file of the program folder is read from here on.
    m_settings = IniStore(settingsPath(), QLatin1String(Section::Nastaveni));
    MainWindowStore::writeFolders(m_settings, settingsPath(), Paths::programFolder());
    m_look = std::make_unique<ProgramLook>(m_settings, m_context.prompter ? *m_context.prompter : Prompter::global());

    applySettings(true); // the buttons start at their stored places

    // From here on the window follows every change of its settings, made
    // by the settings dialog or any other writer, without a restart.
    m_follower = new SettingsFollower(m_settings, [this](bool placesToo) { applySettings(placesToo); }, this);

    // The version as the window's hint; every status text passes through here.
    setToolTip(QStringLiteral("Verze ") + m_context.values.programVersion);
    qApp->installEventFilter(this);

    m_context.mainWindow = this;
    m_context.quickButtonPlaces = [this] { return buttonPlaces(); };
    m_context.applyTheme = [this](SettingsStore &theme) { NactiVzhled(theme); };
}

THlavni_Formular::~THlavni_Formular()
{
    qApp->removeEventFilter(this);
    // The places written below are no change to follow any more.
    delete m_follower;
    // FormDestroy: the buttons' places reach the settings file, moved or not.
    MainWindowStore::writeButtonPlaces(m_settings, buttonPlaces());
    if (m_context.mainWindow == this) {
        m_context.mainWindow = nullptr;
        m_context.quickButtonPlaces = nullptr;
        m_context.applyTheme = nullptr;
    }
    if (m_context.menuCaptions == m_captions.get())
        m_context.menuCaptions = nullptr;
}

// ---- building -----------------------------------------------------------------

void THlavni_Formular::buildClientArea()
{
    m_client->setContextMenuPolicy(Qt::DefaultContextMenu);
    m_buttons = new QuickButtonPanel(m_client);
    connect(m_buttons, &QuickButtonPanel::clicked, this, &THlavni_Formular::quickButtonClicked);
    m_handle = new MoveHandle(m_client);
    m_startMenu = new StartMenu(*m_client,
                                {m_menus->menu(MainMenu::DropMonths), m_menus->menu(MainMenu::DropMonthGraphs),
                                 m_menus->menu(MainMenu::DropGroup1), m_menus->menu(MainMenu::DropGroup1Graphs),
                                 m_menus->menu(MainMenu::DropGroup2), m_menus->menu(MainMenu::DropGroup2Graphs)},
                                [this](int group) { return quickButton(group == 1 ? 4 : 9)->text(); });
}

void THlavni_Formular::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    auto *name = new QLabel(QStringLiteral("Rozvahon"), bar);
    name->setObjectName(QStringLiteral("Panel0"));
    name->setAlignment(Qt::AlignCenter);
    name->setFixedWidth(120);
    name->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *hint = new QLabel(QStringLiteral("Otevírá se..."), bar);
    hint->setObjectName(QStringLiteral("Panel1"));
    hint->setAlignment(Qt::AlignCenter);
    hint->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(name);
    bar->addWidget(hint, 1);
    m_panels = {name, hint};
    // The mouse over the status bar shows the start button.
    m_startMenu->watchAsStrip(bar);
    m_startMenu->watchAsStrip(name);
    m_startMenu->watchAsStrip(hint);
}

void THlavni_Formular::buildTitleBarButtons()
{
    // The desktop draws the title bar; the two small "S" buttons sit at the
    // right end of the menu bar instead.
    m_titleButtons = new QWidget(menuBar());
    m_titleButtons->setObjectName(QStringLiteral("TitleBarButtons"));
    auto *layout = new QHBoxLayout(m_titleButtons);
    layout->setContentsMargins(0, 0, 2, 0);
    layout->setSpacing(2);
    const auto add = [this, layout](const QString &name, const QString &hint, void (THlavni_Formular::*run)()) {
        auto *button = new QToolButton(m_titleButtons);
        button->setObjectName(name);
        button->setText(QStringLiteral("S"));
        button->setToolTip(hint);
        button->setStatusTip(hint);
        button->setFixedSize(18, 16);
        connect(button, &QToolButton::clicked, this, run);
        layout->addWidget(button);
    };
    add(QStringLiteral("SporicProgramu"), QStringLiteral("Spořič od programu"), &THlavni_Formular::ownScreenSaver);
    add(QStringLiteral("SporicObrazovky"), QStringLiteral("Spořič obrazovky"), &THlavni_Formular::systemScreenSaver);
    menuBar()->setCornerWidget(m_titleButtons, Qt::TopRightCorner);
}

void THlavni_Formular::buildTray()
{
    m_tray = new QSystemTrayIcon(QIcon(Emblems::programIcon(32)), this);
    m_tray->setObjectName(QStringLiteral("TrayIcon1"));
    m_tray->setToolTip(QStringLiteral("Rozvahon"));
    m_tray->setContextMenu(m_menus->menu(MainMenu::Tray));
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            restoreFromTray();
    });
}

void THlavni_Formular::applySettings(bool placesToo)
{
    const bool previousYearFolder = QFileInfo(Paths::inProgramFolder(Catalogue::PreviousYearFolder)).isDir();
    m_start = MainWindowSettings::read(m_settings, previousYearFolder);

    // The previous year's menu, named after its item tables when it is shown.
    if (m_start.previousYearMenu)
        ApplicationErrors::guard([this] { NastavJmenaStareDatabaze(); });
    m_menus->setShown(MainMenu::PreviousYear, m_start.previousYearMenu);
    // The month and item group menus.
    m_menus->setShown(MainMenu::Months, m_start.months);
    m_menus->setShown(MainMenu::Group1, m_start.group1);
    m_menus->setShown(MainMenu::Group2, m_start.group2);
    m_startMenu->setShown(m_start.months, m_start.group1, m_start.group2);
    // The quick buttons, and their places when those were read anew.
    CoRychloTl(m_start.quickButtons);
    if (placesToo)
        m_buttons->moveTo(m_start.buttonPlaces);
    // The consumption menu and its entries, and the exit menu.
    m_menus->setShown(MainMenu::Consumption, m_start.consumption);
    m_menus->action(MainCommand::OpenWindow, {int(WindowId::Water)})->setVisible(m_start.water);
    m_menus->action(MainCommand::Electricity)->setVisible(m_start.electricity);
    m_menus->action(MainCommand::OpenWindow, {int(WindowId::Gas)})->setVisible(m_start.gas);
    m_menus->setShown(MainMenu::X, m_start.exitMenu);
    // The status bar and the screen-saver buttons of the title bar.
    statusBar()->setVisible(m_start.statusBar);
    m_titleButtons->setVisible(m_start.titleBarSavers);
    // The title-bar gradient's band.
    const QColor caption = programCaptionColour();
    m_caption->setVisible(caption.isValid());
    if (caption.isValid())
        m_caption->setGradient(true, caption);
    // The backgrounds, the window background and the button gradient.
    m_look->apply(Appearance::read(m_settings), *m_client);
    m_menus->refreshEnabled();
    // The tray icon is set at the first paint; later it follows its switch,
    // unless the window waits in the tray to be brought back.
    if (m_firstPaintDone && isVisible())
        m_tray->setVisible(m_start.trayIcon);
}

THlavni_Formular *THlavni_Formular::of(const ProgramSession &session)
{
    return qobject_cast<THlavni_Formular *>(session.mainWindow());
}

// ---- operations for the other windows -----------------------------------------

void THlavni_Formular::NastavJmenaStareDatabaze()
{
    for (int g = 1; g <= Commands::GroupCount; ++g) {
        const PreviousYearNames names = PreviousYearNames::read(m_previousNames, g);
        m_captions->setPreviousGroup(g, names.group);
        for (int n = 1; n <= Commands::ItemCount; ++n)
            m_captions->setPreviousItem(g, n, names.items.value(n - 1));
    }
}

void THlavni_Formular::ShowHint(const QString &statusText)
{
    if (m_context.values.recordWindowShown && m_context.recordWindowStatus)
        m_context.recordWindowStatus(statusText);
    else
        setMainStatusText(statusText);
}

void THlavni_Formular::CoRychloTl(bool value)
{
    const MainWindowSettings current = MainWindowSettings::read(m_settings, false);
    m_buttons->setShown(QuickButtons::visibility(value, current.switches()));
    // The phone book and the addresses work once their windows are there.
    quickButton(11)->setEnabled(m_context.hasWindow(WindowId::Addresses));
    quickButton(12)->setEnabled(m_context.hasWindow(WindowId::PhoneBook));
}

void THlavni_Formular::NactiVzhled(SettingsStore &theme)
{
    const auto flag = [&theme](BoolKey key, bool shown) { return theme.readBool(QLatin1String(key.name), shown); };
    CoRychloTl(flag(Key::RychloTl, m_settings.read(Key::RychloTl)));
    m_buttons->moveTo(MainWindowSettings::read(theme, false).buttonPlaces);
    m_look->apply(Appearance::read(theme, Appearance::read(m_settings)), *m_client, theme);
    m_menus->setShown(MainMenu::X, flag(Key::X, m_start.exitMenu));
    statusBar()->setVisible(flag(Key::StatusBar1, m_start.statusBar));
    if (flag(Key::GradientCaption1, m_caption->isVisibleTo(this))) {
        const int stored = theme.readInteger(QLatin1String(Key::GradientColor.name), Colours::toValue(m_caption->colour()));
        const QColor colour = Colours::fromValue(stored);
        m_caption->setGradient(true, colour.isValid() ? colour : m_caption->colour());
        m_caption->show();
    } else {
        m_caption->hide();
    }
}

void THlavni_Formular::DtVisTrue() { m_context.values.recordWindowShown = true; }

void THlavni_Formular::DtVisFalse() { m_context.values.recordWindowShown = false; }

void THlavni_Formular::setMainStatusText(const QString &text) { m_panels[1]->setText(text); }

void THlavni_Formular::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

std::array<QPoint, 12> THlavni_Formular::buttonPlaces() const { return m_buttons->places(); }

QPushButton *THlavni_Formular::quickButton(int n) const { return m_buttons->button(n); }

bool THlavni_Formular::tableGroupShown(int which) const
{
    switch (which) {
    case 0: return m_settings.read(Key::DatabazeMesic);
    case 1: return m_settings.read(Key::DatabazeUzv);
    default: return m_settings.read(Key::DatabazeUzv2);
    }
}

// ---- commands -----------------------------------------------------------------

void THlavni_Formular::exitProgram() { close(); }

void THlavni_Formular::showHelp() { PlatformServices::current().openHelp(HelpFile::path()); }

void THlavni_Formular::showAbout()
{
    PictureScreen(ScreenPicture::Info);
    TInfoBox box(m_context.values.programVersion, m_context.values.windowsVersionText, this);
    box.exec();
}

void THlavni_Formular::showTips()
{
    TFrmTipy tips(m_settings, TFrmTipy::Opened::FromMenu, this);
    tips.exec();
}

void THlavni_Formular::restoreFromTray()
{
    m_menus->action(MainCommand::Restore)->setVisible(false);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    m_tray->setVisible(m_settings.read(Key::TrayIcon1));
}

void THlavni_Formular::placeButtonsInCentre()
{
    m_buttons->placeInCentre();
    if (m_handle->button())
        m_handle->attach(m_handle->button());
}

void THlavni_Formular::setMovingMode(bool on)
{
    m_moving = on;
    if (QAction *entry = m_menus->action(MainCommand::MovingMode))
        entry->setChecked(on);
    m_handle->detach();
    m_handle->setEnabled(on);
    // The grid shows while buttons are moved; afterwards the surface shows
    // only as its switch says.
    m_client->setCrossHatch(on);
    m_client->setSurface(on || m_settings.read(Key::GradientBckg1));
}

void THlavni_Formular::systemScreenSaver()
{
    PlatformServices &services = PlatformServices::current();
    if (services.screenSaverAvailable())
        services.startScreenSaver();
}

void THlavni_Formular::ownScreenSaver()
{
    TSporic saver(this);
    saver.exec();
}

void THlavni_Formular::shutdownComputer()
{
    ShutdownCommand::Steps steps;
    steps.confirm = [this] {
        TForm25 question(this);
        return question.exec() == QDialog::Accepted;
    };
    steps.showWait = [this] {
        if (!m_shutdownWait) {
            m_shutdownWait = new TForm26(this);
            m_shutdownWait->setAttribute(Qt::WA_DeleteOnClose);
        }
        m_shutdownWait->showCentred();
    };
    QString lastError;
    if (ShutdownCommand::run(steps, PlatformServices::current(), lastError) == ShutdownCommand::Outcome::EndProgram)
        close();
    // Refused: the wait window stays and nothing is said.
}

void THlavni_Formular::quickButtonClicked(int n)
{
    // Moving the buttons: a click only takes the button into the handle.
    if (m_moving) {
        m_handle->attach(quickButton(n));
        return;
    }
    using QuickButtons::Command;
    switch (QuickButtons::button(n).command) {
    case Command::SystemScreenSaver: systemScreenSaver(); break;
    case Command::Shutdown: shutdownComputer(); break;
    case Command::MonthsMenu: dropMenuAt(m_menus->menu(MainMenu::DropMonths), n); break;
    case Command::Group1Menu: dropMenuAt(m_menus->menu(MainMenu::DropGroup1), n); break;
    case Command::MonthGraphsMenu: dropMenuAt(m_menus->menu(MainMenu::DropMonthGraphs), n); break;
    case Command::Group1GraphsMenu: dropMenuAt(m_menus->menu(MainMenu::DropGroup1Graphs), n); break;
    case Command::Exit: exitProgram(); break;
    case Command::OwnScreenSaver: ownScreenSaver(); break;
    case Command::Group2Menu: dropMenuAt(m_menus->menu(MainMenu::DropGroup2), n); break;
    case Command::Group2GraphsMenu: dropMenuAt(m_menus->menu(MainMenu::DropGroup2Graphs), n); break;
    case Command::Addresses: m_commands->openWindow(WindowId::Addresses); break;
    case Command::PhoneBook: m_commands->openWindow(WindowId::PhoneBook); break;
    }
}

void THlavni_Formular::dropMenuAt(QMenu *menu, int n)
{
    m_menus->refreshCaptions();
    QPushButton *button = quickButton(n);
    menu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void THlavni_Formular::refreshButtonCaptions()
{
    quickButton(4)->setText(m_captions->button(1));
    quickButton(9)->setText(m_captions->button(2));
}

// ---- events -------------------------------------------------------------------

void THlavni_Formular::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // FormActivate
        const QString version = m_context.values.programVersion;
        setWindowTitle(QStringLiteral("Rozvahon ") + version);
        setToolTip(QStringLiteral("Verze ") + version);
        m_menus->refreshEnabled();
    } else if (event->type() == QEvent::WindowStateChange && isMinimized() && !m_closing) {
        // Minimised into the notification area - only where there is one,
        // or the window could not be brought back.
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            return;
        m_tray->setVisible(true);
        m_menus->action(MainCommand::Restore)->setVisible(true);
        hide();
    }
}

void THlavni_Formular::resizeEvent(QResizeEvent *event)
{
    ProgramWindow::resizeEvent(event);
    // Places stored on a bigger screen are pulled inside. The area is what
    // the maximised window shows on this screen, so that a passing small
    // size (before the window is maximised) moves nothing.
    // The central widget has its new size by now; the background inside it
    // follows with its layout.
    QSize area = centralWidget()->size();
    if (const QScreen *shown = screen()) {
        const QSize around = frameGeometry().size() - centralWidget()->size();
        area = area.expandedTo(shown->availableGeometry().size() - around);
    }
    if (m_caption->isVisibleTo(this))
        area.rheight() -= m_caption->sizeHint().height();
    m_buttons->keepWithin(area);
}

void THlavni_Formular::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    if (m_firstPaintDone)
        return;
    m_firstPaintDone = true;
    emit firstPainted();
    // The password and the tips come once the window is on the screen.
    QMetaObject::invokeMethod(this, &THlavni_Formular::runFirstPaint, Qt::QueuedConnection);
}

void THlavni_Formular::runFirstPaint()
{
    if (m_start.password) {
        repaint();
        TFrmHeslo password(m_settings, this);
        if (password.exec() != QDialog::Accepted) {
            // A wrong password, "Storno" or the close box ends the program.
            close();
            return;
        }
    }
    if (m_start.tips) {
        repaint();
        TFrmTipy tips(m_settings, TFrmTipy::Opened::AtStartUp, this);
        tips.exec();
    }
    m_tray->setVisible(m_start.trayIcon);
}

void THlavni_Formular::closeEvent(QCloseEvent *event)
{
    m_closing = true;
    m_tray->hide();
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

bool THlavni_Formular::eventFilter(QObject *watched, QEvent *event)
{
    // ShowHint: every status text of the application goes through here.
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
