#include "shell/window/MainMenus.h"

#include "shell/window/MainCommands.h"
#include "core/app/commands/MenuCaptions.h"
#include "widgets/Hints.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Commands;

namespace {

QKeySequence functionKey(Qt::KeyboardModifiers modifiers, int n)
{
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(Qt::Key_F1 + n - 1)));
}

QString number(int n) { return QString::number(n); }

int id(MainCommand command) { return int(command); }

GraphFamily familyAt(int index) { return GraphFamilies[std::size_t(index)]; }

// An entry of a table: caption, hint, object name, command and arguments.
MenuEntry entry(const QString &caption, const QString &hint, const QString &name, MainCommand command,
                MenuArgs args = {}, std::function<bool()> available = {})
{
    MenuEntry row;
    row.caption = caption;
    row.hint = hint;
    row.objectName = name;
    row.command = id(command);
    row.args = args;
    row.available = std::move(available);
    return row;
}

} // namespace

MainMenus::MainMenus(QMainWindow &window, MainCommands &commands, MenuCaptions &captions, Handlers handlers)
    : QObject(&window), m_window(window), m_commands(commands), m_captions(captions), m_handlers(std::move(handlers)),
      m_table([this](int command, const MenuArgs &args) { run(MainCommand(command), args); })
{
    buildMainMenu();
    buildDropDowns();
    buildPopup();
    buildTray();
    connect(&m_captions, &MenuCaptions::changed, this, &MainMenus::refreshCaptions);
    refreshCaptions();
    refreshEnabled();
}

// ---- dispatch -----------------------------------------------------------------

void MainMenus::run(MainCommand command, const MenuArgs &args)
{
    const auto call = [](const std::function<void()> &handler) {
        if (handler)
            handler();
    };
    switch (command) {
    case MainCommand::Exit: call(m_handlers.exit); break;
    case MainCommand::Help: call(m_handlers.help); break;
    case MainCommand::About: call(m_handlers.about); break;
    case MainCommand::Tips: call(m_handlers.tips); break;
    case MainCommand::Restore: call(m_handlers.restore); break;
    case MainCommand::CentreButtons: call(m_handlers.centre); break;
    case MainCommand::OpenMonth: m_commands.openMonth(args.a); break;
    case MainCommand::OpenItem: m_commands.openItem(args.a, args.b); break;
    case MainCommand::MonthGraph: m_commands.monthGraph(familyAt(args.a), args.b); break;
    case MainCommand::YearGraph: m_commands.yearGraph(familyAt(args.a)); break;
    case MainCommand::ItemGraph: m_commands.itemGraph(args.a, familyAt(args.b), args.c); break;
    case MainCommand::PrintMonth: m_commands.printMonth(args.a); break;
    case MainCommand::PrintItem: m_commands.printItem(args.a, args.b); break;
    case MainCommand::PreviousMonth: m_commands.openPreviousMonth(args.a); break;
    case MainCommand::PreviousItem: m_commands.openPreviousItem(args.a, args.b); break;
    case MainCommand::PreviousConsumption: m_commands.openPreviousConsumption(args.a); break;
    case MainCommand::OpenWindow: m_commands.openWindow(WindowId(args.a)); break;
    case MainCommand::Electricity: m_commands.openElectricity(); break;
    case MainCommand::AreaCodes: m_commands.openAreaCodes(); break;
    case MainCommand::Settings: m_commands.openSettings(); break;
    case MainCommand::ItemNames: m_commands.openItemNames(args.a); break;
    case MainCommand::Background:
        if (m_handlers.background)
            m_handlers.background(args.a);
        break;
    case MainCommand::MovingMode:
        if (m_handlers.moving)
            m_handlers.moving(action(MainCommand::MovingMode)->isChecked());
        break;
    }
}

// ---- building blocks --------------------------------------------------------

QMenu *MainMenus::addTopMenu(MainMenu which, const QString &title, const QString &hint, const QString &name)
{
    QMenu *menu = m_window.menuBar()->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + QStringLiteral("Entry"));
    if (!hint.isEmpty())
        Hints::apply(menu->menuAction(), hint);
    m_currentTop = menu;
    m_menus[std::size_t(which)] = menu;
    return menu;
}

QMenu *MainMenus::addSubmenu(QMenu *parent, const QString &title, const QString &hint, const QString &name)
{
    QMenu *menu = parent->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + QStringLiteral("Entry"));
    if (!hint.isEmpty())
        Hints::apply(menu->menuAction(), hint);
    return menu;
}

QMenu *MainMenus::addLoose(MainMenu which, const QString &name)
{
    auto *menu = new QMenu(&m_window);
    menu->setObjectName(name);
    m_menus[std::size_t(which)] = menu;
    return menu;
}

QAction *MainMenus::addEntry(QMenu *menu, MenuEntry row) { return m_table.add(menu, row, m_currentTop); }

QMenu *MainMenus::menu(MainMenu which) const { return m_menus[std::size_t(which)]; }

void MainMenus::setShown(MainMenu which, bool shown)
{
    if (QMenu *shownMenu = menu(which))
        shownMenu->menuAction()->setVisible(shown);
}

bool MainMenus::isShown(MainMenu which) const
{
    QMenu *shownMenu = menu(which);
    return shownMenu && shownMenu->menuAction()->isVisible();
}

QAction *MainMenus::action(MainCommand command, MenuArgs args) const { return m_table.action(id(command), args); }

void MainMenus::refreshCaptions() { m_table.refreshCaptions(); }

void MainMenus::refreshEnabled() { m_table.refreshEnabled(); }

// ---- the main menu ----------------------------------------------------------

void MainMenus::buildMainMenu()
{
    QMenu *menuX = addTopMenu(MainMenu::X, QStringLiteral("X"), QStringLiteral("Zavření programu"), QStringLiteral("X1"));
    MenuEntry exit = entry(QStringLiteral("&Konec"), {}, QStringLiteral("Konec1"), MainCommand::Exit);
    exit.shortcut = QKeySequence(Qt::ALT | Qt::Key_X);
    // Alt+X ends the program also while the "X" menu is hidden (the window
    // popup shows the same key): the entry is not bound to its menu.
    m_currentTop = nullptr;
    m_window.addAction(addEntry(menuX, exit));

    buildMonthsMenu();
    buildGroupMenu(1);
    buildGroupMenu(2);
    buildOtherMenus();
    buildPrintMenu();
    buildPreviousYearMenu();
    buildSettingsMenu();

    QMenu *informace = addTopMenu(MainMenu::Information, QStringLiteral("&Informace"),
                                  QStringLiteral("Informace o programu a jméno uživatele"), QStringLiteral("Informace1"));
    addEntry(informace, entry(QStringLiteral("&Nápověda"), {}, QStringLiteral("Napoveda1"), MainCommand::Help));
    addEntry(informace, entry(QStringLiteral("&O programu"), {}, QStringLiteral("Oprogramu1"), MainCommand::About));
    informace->addSeparator();
    addEntry(informace, entry(QStringLiteral("&Pracovní Tipy..."), {}, QStringLiteral("PracovniTipy1"), MainCommand::Tips));
    m_currentTop = nullptr;
}

void MainMenus::buildMonthsMenu()
{
    QMenu *databaze = addTopMenu(MainMenu::Months, QStringLiteral("D&atabáze"), QStringLiteral("Obsahuje Databáze měsíců"),
                                 QStringLiteral("Databaze1"));
    const auto recordAvailable = [this] { return m_commands.available(WindowId::RecordWindow); };
    for (int m = 1; m <= MonthCount; ++m) {
        MenuEntry row = entry(monthCaption(m), monthHint(m), QStringLiteral("Mesic") + number(m), MainCommand::OpenMonth,
                              {m}, recordAvailable);
        row.shortcut = functionKey(Qt::NoModifier, m);
        m_recordEntries.push_back(addEntry(databaze, row));
    }
    databaze->addSeparator();
    QMenu *graphs = addSubmenu(databaze, QStringLiteral("&Grafy Databáze"), QStringLiteral("Grafy měsíců"),
                               QStringLiteral("GrafyDatabaze1"));
    buildGraphSubmenus(graphs, QStringLiteral("Graf"), false);
}

void MainMenus::buildGraphSubmenus(QMenu *parent, const QString &prefix, bool dropDown)
{
    const auto graphAvailable = [this] { return m_commands.available(WindowId::GraphWindow); };
    for (GraphFamily family : GraphFamilies) {
        const GraphRow &row = graph(family);
        const int index = graphIndex(family);
        const QString familyName = prefix + number(index + 1);
        QMenu *submenu = addSubmenu(parent, QString::fromUtf8(row.submenu), {}, familyName);
        for (int m = 1; m <= MonthCount; ++m)
            addEntry(submenu, entry(numberedMonthCaption(m), monthGraphHint(family, m),
                                    familyName + QStringLiteral("Mesic") + number(m), MainCommand::MonthGraph, {index, m},
                                    graphAvailable));
        submenu->addSeparator();
        addEntry(submenu, entry(QString::fromUtf8(row.yearCaption),
                                QString::fromUtf8(dropDown ? row.yearDropHint : row.yearHint),
                                familyName + QStringLiteral("Rok"), MainCommand::YearGraph, {index}, graphAvailable));
    }
}

void MainMenus::buildGroupMenu(int g)
{
    const QString name = QStringLiteral("Skupina") + number(g);
    QMenu *menu = addTopMenu(g == 1 ? MainMenu::Group1 : MainMenu::Group2, defaultGroupCaption(g),
                             QStringLiteral("Uživatelská databáze"), name);
    m_table.bindTitle(menu, [this, g] { return m_captions.group(g); });
    const Qt::KeyboardModifiers modifiers = g == 1 ? Qt::ControlModifier : Qt::ShiftModifier;
    const auto recordAvailable = [this] { return m_commands.available(WindowId::RecordWindow); };
    for (int n = 1; n <= ItemCount; ++n) {
        MenuEntry row = entry(defaultItemCaption(n), itemHint(n), name + QStringLiteral("Polozka") + number(n),
                              MainCommand::OpenItem, {g, n}, recordAvailable);
        row.shortcut = functionKey(modifiers, n);
        row.liveCaption = [this, g, n] { return m_captions.item(g, n); };
        m_recordEntries.push_back(addEntry(menu, row));
    }
    menu->addSeparator();
    QMenu *graphs = addSubmenu(menu, QStringLiteral("&Grafy databáze"), {}, name + QStringLiteral("Grafy"));
    buildGroupGraphSubmenus(graphs, g, name + QStringLiteral("Graf"), false);
}

void MainMenus::buildGroupGraphSubmenus(QMenu *parent, int g, const QString &prefix, bool dropDown)
{
    const auto graphAvailable = [this] { return m_commands.available(WindowId::GraphWindow); };
    for (GraphFamily family : GraphFamilies) {
        const int index = graphIndex(family);
        const QString familyName = prefix + number(index + 1);
        QMenu *submenu = addSubmenu(parent, QString::fromUtf8(graph(family).submenu), {}, familyName);
        for (int n = 1; n <= ItemCount; ++n) {
            MenuEntry row = entry(defaultItemCaption(n), itemGraphHint(family, n),
                                  familyName + QStringLiteral("Polozka") + number(n), MainCommand::ItemGraph,
                                  {g, index, n}, graphAvailable);
            // The drop-downs show the main menu's captions of the items.
            if (dropDown)
                row.liveCaption = [this, g, n] { return m_captions.item(g, n); };
            else
                row.liveCaption = [this, g, family, n] { return m_captions.graphItem(g, family, n); };
            addEntry(submenu, row);
        }
    }
}

void MainMenus::buildOtherMenus()
{
    const auto window = [this](WindowId windowId) { return [this, windowId] { return m_commands.available(windowId); }; };
    const auto opening = [&](const QString &caption, const QString &name, WindowId windowId, QKeyCombination key) {
        MenuEntry row = entry(caption, {}, name, MainCommand::OpenWindow, {int(windowId)}, window(windowId));
        row.shortcut = QKeySequence(key);
        return row;
    };

    QMenu *spotreba = addTopMenu(MainMenu::Consumption, QStringLiteral("Evidence &spotřeby"), {},
                                 QStringLiteral("EvidenceSpotreby1"));
    addEntry(spotreba, opening(QStringLiteral("Teplá, studená &voda"), QStringLiteral("Voda1"), WindowId::Water,
                               Qt::CTRL | Qt::Key_V));
    MenuEntry electricity = entry(QStringLiteral("&Elektřina"), {}, QStringLiteral("Elektrina1"), MainCommand::Electricity,
                                  {}, [this] { return m_commands.available(m_commands.electricityWindow()); });
    electricity.shortcut = QKeySequence(Qt::CTRL | Qt::Key_E);
    addEntry(spotreba, electricity);
    addEntry(spotreba, opening(QStringLiteral("P&lyn"), QStringLiteral("Plyn1"), WindowId::Gas, Qt::CTRL | Qt::Key_L));

    QMenu *telefon = addTopMenu(MainMenu::PhoneBook, QStringLiteral("T&elefonní seznam"), {},
                                QStringLiteral("TelefonniSeznam1"));
    addEntry(telefon, opening(QStringLiteral("Telefonní s&eznam"), QStringLiteral("TelSeznam1"), WindowId::PhoneBook,
                              Qt::CTRL | Qt::Key_T));
    MenuEntry areaCodes = entry(QStringLiteral("&Předvolby v ČR"), {}, QStringLiteral("Predvolby1"), MainCommand::AreaCodes);
    areaCodes.shortcut = QKeySequence(Qt::CTRL | Qt::Key_P);
    addEntry(telefon, areaCodes);

    QMenu *adresy = addTopMenu(MainMenu::Addresses, QStringLiteral("Adres&y"), {}, QStringLiteral("Adresy1"));
    addEntry(adresy, opening(QStringLiteral("Ad&resy"), QStringLiteral("Adresy2"), WindowId::Addresses,
                             Qt::CTRL | Qt::Key_A));

    QMenu *kalendar = addTopMenu(MainMenu::Calendar, QStringLiteral("&Kalendář"), {}, QStringLiteral("Kalendar1"));
    addEntry(kalendar, opening(QStringLiteral("K&alendář"), QStringLiteral("Kalendar2"), WindowId::Calendar,
                               Qt::CTRL | Qt::Key_K));
}

void MainMenus::buildPrintMenu()
{
    QMenu *tisk = addTopMenu(MainMenu::Print, QStringLiteral("&Tisk"), QStringLiteral("Tisk databáze"), QStringLiteral("Tisk1"));
    const auto printAvailable = [this] { return m_commands.available(WindowId::Report); };
    QMenu *months = addSubmenu(tisk, QStringLiteral("Databáze"), {}, QStringLiteral("TiskDatabaze"));
    for (int m = 1; m <= MonthCount; ++m)
        addEntry(months, entry(numberedMonthCaption(m), printMonthHint(m), QStringLiteral("TiskMesic") + number(m),
                               MainCommand::PrintMonth, {m}, printAvailable));
    for (int g = 1; g <= GroupCount; ++g) {
        const QString name = QStringLiteral("TiskSkupina") + number(g);
        QMenu *menu = addSubmenu(tisk, defaultGroupCaption(g), {}, name);
        m_table.bindTitle(menu, [this, g] { return m_captions.printGroup(g); });
        for (int n = 1; n <= ItemCount; ++n) {
            MenuEntry row = entry(defaultItemCaption(n), printItemHint(n), name + QStringLiteral("Polozka") + number(n),
                                  MainCommand::PrintItem, {g, n}, printAvailable);
            row.liveCaption = [this, g, n] { return m_captions.printItem(g, n); };
            addEntry(menu, row);
        }
    }
}

void MainMenus::buildPreviousYearMenu()
{
    QMenu *previousYear = addTopMenu(MainMenu::PreviousYear, QStringLiteral("&Databáze předešlého roku"),
                                     QStringLiteral("Loňská databáze"), QStringLiteral("DatabazePredeslehoRoku1"));
    const auto recordAvailable = [this] { return m_commands.available(WindowId::RecordWindow); };
    QMenu *months = addSubmenu(previousYear, QStringLiteral("Da&tabáze"), {}, QStringLiteral("LoniDatabaze"));
    for (int m = 1; m <= MonthCount; ++m)
        m_recordEntries.push_back(addEntry(months, entry(numberedMonthCaption(m), previousMonthHint(m),
                                                         QStringLiteral("LoniMesic") + number(m),
                                                         MainCommand::PreviousMonth, {m}, recordAvailable)));
    for (int g = 1; g <= GroupCount; ++g) {
        const QString name = QStringLiteral("LoniSkupina") + number(g);
        QMenu *menu = addSubmenu(previousYear, defaultGroupCaption(g), {}, name);
        m_table.bindTitle(menu, [this, g] { return m_captions.previousGroup(g); });
        for (int n = 1; n <= ItemCount; ++n) {
            MenuEntry row = entry(defaultPreviousItemCaption(n), previousItemHint(n),
                                  name + QStringLiteral("Polozka") + number(n), MainCommand::PreviousItem, {g, n},
                                  recordAvailable);
            row.liveCaption = [this, g, n] { return m_captions.previousItem(g, n); };
            m_recordEntries.push_back(addEntry(menu, row));
        }
    }
    QMenu *consumption = addSubmenu(previousYear, QStringLiteral("Evidence &spotřeby"),
                                    QStringLiteral("Evidence spotřeby loňského roku"), QStringLiteral("LoniSpotreba"));
    for (int i = 0; i < ConsumptionCount; ++i)
        addEntry(consumption, entry(QString::fromUtf8(previousConsumption(i).caption), {},
                                    QStringLiteral("LoniSpotreba") + number(i + 1), MainCommand::PreviousConsumption, {i}));
    // Shown only when the previous year's folder is there (start-up).
    setShown(MainMenu::PreviousYear, false);
}

void MainMenus::buildSettingsMenu()
{
    QMenu *nastaveni = addTopMenu(MainMenu::Settings, QStringLiteral("&Nastavení"),
                                  QStringLiteral("Nastavení programu Rozvahon"), QStringLiteral("Nastaveni1"));
    const auto window = [this](WindowId windowId) { return [this, windowId] { return m_commands.available(windowId); }; };
    const auto opening = [&](const QString &caption, const QString &name, WindowId windowId) {
        return entry(caption, {}, name, MainCommand::OpenWindow, {int(windowId)}, window(windowId));
    };
    addEntry(nastaveni, entry(QStringLiteral("&Vlastnosti"), {}, QStringLiteral("Vlastnosti1"), MainCommand::Settings, {},
                              [this] { return m_commands.settingsAvailable(); }));
    addEntry(nastaveni, entry(QStringLiteral("Názvy &položek 1. skupiny"), {}, QStringLiteral("NazvyPolozek1"),
                              MainCommand::ItemNames, {1}, window(WindowId::ItemNames)));
    addEntry(nastaveni, entry(QStringLiteral("Ná&zvy položek 2. skupiny"), {}, QStringLiteral("NazvyPolozek2"),
                              MainCommand::ItemNames, {2}, window(WindowId::ItemNames)));
    addEntry(nastaveni, opening(QStringLiteral("Uživatelský InfoT&ext"), QStringLiteral("InfoText1"), WindowId::InfoText));
    addEntry(nastaveni, opening(QStringLiteral("P&ravidelné platby"), QStringLiteral("PravidelnePlatby1"), WindowId::Payments));
    addEntry(nastaveni, opening(QStringLiteral("Aktivovat &budík"), QStringLiteral("Budik1"), WindowId::Alarm));
    QMenu *background = addSubmenu(nastaveni, QStringLiteral("Nastav obrázk&ové pozadí"), {},
                                   QStringLiteral("NastavObrazkovePozadi1"));
    addEntry(background, entry(QStringLiteral("Žá&dné"), {}, QStringLiteral("PoZadne"), MainCommand::Background, {0}));
    addEntry(background, entry(QStringLiteral("&Otevřít..."), {}, QStringLiteral("APoVlastni1"), MainCommand::Background, {1}));
    QMenu *backup = addSubmenu(nastaveni, QStringLiteral("Zálohová&ní"), {}, QStringLiteral("Zalohovani1"));
    addEntry(backup, opening(QStringLiteral("Zálohovat d&atabáze"), QStringLiteral("ZalohovatDatabaze1"), WindowId::Backup));
    addEntry(backup, opening(QStringLiteral("O&tevření zálohy z A:"), QStringLiteral("OtevreniZalohy1"), WindowId::OpenBackup));
}

// ---- drop-downs, popup, tray ----------------------------------------------

void MainMenus::buildDropDowns()
{
    m_currentTop = nullptr;
    const auto recordAvailable = [this] { return m_commands.available(WindowId::RecordWindow); };

    QMenu *dropMonths = addLoose(MainMenu::DropMonths, QStringLiteral("PopupMesice"));
    for (int m = 1; m <= MonthCount; ++m)
        m_recordEntries.push_back(addEntry(dropMonths, entry(numberedMonthCaption(m), monthDropHint(m),
                                                             QStringLiteral("PopupMesic") + number(m),
                                                             MainCommand::OpenMonth, {m}, recordAvailable)));

    buildGraphSubmenus(addLoose(MainMenu::DropMonthGraphs, QStringLiteral("PopupGrafy")), QStringLiteral("PopupGraf"), true);

    for (int g = 1; g <= GroupCount; ++g) {
        const QString name = QStringLiteral("PopupSkupina") + number(g);
        QMenu *group = addLoose(g == 1 ? MainMenu::DropGroup1 : MainMenu::DropGroup2, name);
        for (int n = 1; n <= ItemCount; ++n) {
            MenuEntry row = entry(defaultItemCaption(n), itemHint(n), name + QStringLiteral("Polozka") + number(n),
                                  MainCommand::OpenItem, {g, n}, recordAvailable);
            row.liveCaption = [this, g, n] { return m_captions.item(g, n); };
            m_recordEntries.push_back(addEntry(group, row));
        }
        QMenu *graphs = addLoose(g == 1 ? MainMenu::DropGroup1Graphs : MainMenu::DropGroup2Graphs,
                                 name + QStringLiteral("Grafy"));
        buildGroupGraphSubmenus(graphs, g, name + QStringLiteral("Graf"), true);
        // Every opening shows the captions the main menu has now.
        connect(group, &QMenu::aboutToShow, this, &MainMenus::refreshCaptions);
        connect(graphs, &QMenu::aboutToShow, this, &MainMenus::refreshCaptions);
    }
}

void MainMenus::buildPopup()
{
    QMenu *popup = addLoose(MainMenu::Popup, QStringLiteral("PopupMenu1"));
    MenuEntry calculator = entry(QStringLiteral("Kalkulačka"), {}, QStringLiteral("Kalkulacka1"), MainCommand::OpenWindow,
                                 {int(WindowId::Calculator)},
                                 [this] { return m_commands.available(WindowId::Calculator); });
    calculator.shortcut = QKeySequence(Qt::CTRL | Qt::Key_Q);
    // The popup is not part of the window: its key works through the window.
    m_window.addAction(addEntry(popup, calculator));
    // Alt+X belongs to "&Konec" of the main menu; shown here as a reminder.
    addEntry(popup, entry(QStringLiteral("Konec programu\tAlt+X"), QStringLiteral("Zavřít okno"),
                          QStringLiteral("KonecProgramu1"), MainCommand::Exit));
    popup->addSeparator();
    MenuEntry moving;
    moving.caption = QStringLiteral("Manipulace s pozicí tlačítkek");
    moving.hint = QStringLiteral("Ativovat přesunutí tlačítek");
    moving.objectName = QStringLiteral("ManipulaceSPozici1");
    moving.checkable = true;
    moving.command = int(MainCommand::MovingMode);
    addEntry(popup, moving);
    addEntry(popup, entry(QStringLiteral("Přesunout na střed okna"), QStringLiteral("Přesunout tlačítka na střed okna"),
                          QStringLiteral("PresunoutNaStred1"), MainCommand::CentreButtons));
}

void MainMenus::buildTray()
{
    m_currentTop = nullptr;
    const auto recordAvailable = [this] { return m_commands.available(WindowId::RecordWindow); };
    QMenu *tray = addLoose(MainMenu::Tray, QStringLiteral("PopupTray"));
    QMenu *trayMonths = addSubmenu(tray, QStringLiteral("Databáze"), {}, QStringLiteral("TrayDatabaze"));
    m_menus[std::size_t(MainMenu::TrayMonths)] = trayMonths;
    for (int m = 1; m <= MonthCount; ++m)
        m_recordEntries.push_back(addEntry(trayMonths, entry(monthCaption(m), {}, QStringLiteral("TrayMesic") + number(m),
                                                             MainCommand::OpenMonth, {m}, recordAvailable)));
    for (int g = 1; g <= GroupCount; ++g) {
        const QString name = QStringLiteral("TraySkupina") + number(g);
        QMenu *menu = addSubmenu(tray, QStringLiteral("Uživatelská dat. ") + number(g), {}, name);
        m_menus[std::size_t(g == 1 ? MainMenu::TrayGroup1 : MainMenu::TrayGroup2)] = menu;
        for (int n = 1; n <= ItemCount; ++n)
            m_recordEntries.push_back(addEntry(menu, entry(defaultItemCaption(n), {}, name + QStringLiteral("Polozka") + number(n),
                                                           MainCommand::OpenItem, {g, n}, recordAvailable)));
    }
    tray->addSeparator();
    QAction *show = addEntry(tray, entry(QStringLiteral("Zobrazení"), {}, QStringLiteral("Zobrazeni1"), MainCommand::Restore));
    show->setVisible(false); // only while minimised
    addEntry(tray, entry(QStringLiteral("Konec"), {}, QStringLiteral("TrayKonec"), MainCommand::Exit));
    connect(tray, &QMenu::aboutToShow, this, &MainMenus::trayAboutToShow);
}

void MainMenus::trayAboutToShow()
{
    // The tray shows the table groups the settings show, under the main
    // menu's captions.
    const auto shown = [this](int which) {
        return m_handlers.tableGroupShown ? m_handlers.tableGroupShown(which) : true;
    };
    setShown(MainMenu::TrayMonths, shown(0));
    for (int g = 1; g <= GroupCount; ++g) {
        QMenu *group = menu(g == 1 ? MainMenu::TrayGroup1 : MainMenu::TrayGroup2);
        group->menuAction()->setVisible(shown(g));
        group->setTitle(m_captions.group(g));
        const QList<QAction *> entries = group->actions();
        for (int n = 1; n <= ItemCount && n <= entries.size(); ++n)
            entries[n - 1]->setText(m_captions.item(g, n));
    }
}
