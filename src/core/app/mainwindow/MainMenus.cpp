#include "core/app/mainwindow/MainMenus.h"

#include "widgets/Hints.h"
#include "core/app/commands/MainCommands.h"
#include "core/app/commands/MenuCaptions.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

using namespace Commands;

namespace {

// A hint "tip|status text" on a menu entry: the status text is what the
// status bar shows while the entry is under the mouse.
void setHint(QAction *action, const QString &hint)
{
    if (hint.isEmpty())
        return;
    Hints::apply(action, hint);
}

QKeySequence functionKey(Qt::KeyboardModifiers modifiers, int n)
{
    return QKeySequence(QKeyCombination(modifiers, Qt::Key(Qt::Key_F1 + n - 1)));
}

QString number(int n) { return QString::number(n); }

} // namespace

MainMenus::MainMenus(QMainWindow &window, MainCommands &commands, MenuCaptions &captions, Handlers handlers)
    : QObject(&window), m_window(window), m_commands(commands), m_captions(captions), m_handlers(std::move(handlers))
{
    buildMainMenu();
    buildDropDowns();
    buildPopup();
    buildTray();
    connect(&m_captions, &MenuCaptions::changed, this, &MainMenus::refreshCaptions);
    refreshCaptions();
    refreshEnabled();
}

// ---- building blocks --------------------------------------------------------

QMenu *MainMenus::addTopMenu(const QString &title, const QString &hint, const QString &name)
{
    QMenu *menu = m_window.menuBar()->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + QStringLiteral("Entry"));
    setHint(menu->menuAction(), hint);
    m_currentTop = menu;
    return menu;
}

QMenu *MainMenus::addSubmenu(QMenu *parent, const QString &title, const QString &hint, const QString &name)
{
    QMenu *menu = parent->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name + QStringLiteral("Entry"));
    setHint(menu->menuAction(), hint);
    return menu;
}

QAction *MainMenus::addEntry(QMenu *menu, const QString &caption, const QString &hint, const QString &name,
                             std::function<void()> run, std::function<bool()> available)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    setHint(action, hint);
    connect(action, &QAction::triggered, this, [run = std::move(run)] {
        if (run)
            run();
    });
    m_entries.push_back({action, std::move(available), m_currentTop});
    return action;
}

void MainMenus::bindCaption(QAction *action, std::function<QString()> caption)
{
    m_captionBindings.emplace_back(action, std::move(caption));
}

void MainMenus::bindTitle(QMenu *menu, std::function<QString()> title) { bindCaption(menu->menuAction(), std::move(title)); }

void MainMenus::setShown(QMenu *menu, bool shown)
{
    if (menu)
        menu->menuAction()->setVisible(shown);
}

void MainMenus::refreshCaptions()
{
    for (auto &[action, caption] : m_captionBindings)
        action->setText(caption());
}

void MainMenus::refreshEnabled()
{
    // An entry works when its window is there and the menu it sits in is
    // shown: a hidden table group takes its shortcuts with it.
    for (const Entry &entry : m_entries) {
        const bool available = !entry.available || entry.available();
        const bool shown = !entry.topLevel || entry.topLevel->menuAction()->isVisible();
        entry.action->setEnabled(available && shown);
    }
}

// ---- the main menu ----------------------------------------------------------

void MainMenus::buildMainMenu()
{
    menuX = addTopMenu(QStringLiteral("X"), QStringLiteral("Zavření programu"), QStringLiteral("X1"));
    QAction *exit = menuX->addAction(QStringLiteral("&Konec"));
    exit->setObjectName(QStringLiteral("Konec1"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    // Alt+X ends the program also while the "X" menu is hidden (the window
    // popup shows the same key).
    m_window.addAction(exit);
    connect(exit, &QAction::triggered, this, [this] { m_handlers.exit(); });

    buildMonthsMenu();
    buildGroupMenu(1);
    buildGroupMenu(2);
    buildOtherMenus();
    buildPrintMenu();
    buildPreviousYearMenu();
    buildSettingsMenu();

    informace = addTopMenu(QStringLiteral("&Informace"), QStringLiteral("Informace o programu a jméno uživatele"),
                           QStringLiteral("Informace1"));
    addEntry(informace, QStringLiteral("&Nápověda"), {}, QStringLiteral("Napoveda1"), m_handlers.help);
    addEntry(informace, QStringLiteral("&O programu"), {}, QStringLiteral("Oprogramu1"), m_handlers.about);
    informace->addSeparator();
    addEntry(informace, QStringLiteral("&Pracovní Tipy..."), {}, QStringLiteral("PracovniTipy1"), m_handlers.tips);
    m_currentTop = nullptr;
}

void MainMenus::buildMonthsMenu()
{
    databaze = addTopMenu(QStringLiteral("D&atabáze"), QStringLiteral("Obsahuje Databáze měsíců"),
                          QStringLiteral("Databaze1"));
    for (int m = 1; m <= MonthCount; ++m) {
        QAction *entry = addEntry(databaze, monthCaption(m), monthHint(m), QStringLiteral("Mesic") + number(m),
                                  [this, m] { m_commands.openMonth(m); },
                                  [this] { return m_commands.available(WindowId::RecordWindow); });
        entry->setShortcut(functionKey(Qt::NoModifier, m));
        m_recordEntries.push_back(entry);
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
        const QString familyName = prefix + number(graphIndex(family) + 1);
        QMenu *submenu = addSubmenu(parent, QString::fromUtf8(row.submenu), {}, familyName);
        for (int m = 1; m <= MonthCount; ++m)
            addEntry(submenu, numberedMonthCaption(m), monthGraphHint(family, m),
                     familyName + QStringLiteral("Mesic") + number(m),
                     [this, family, m] { m_commands.monthGraph(family, m); }, graphAvailable);
        submenu->addSeparator();
        addEntry(submenu, QString::fromUtf8(row.yearCaption),
                 QString::fromUtf8(dropDown ? row.yearDropHint : row.yearHint), familyName + QStringLiteral("Rok"),
                 [this, family] { m_commands.yearGraph(family); }, graphAvailable);
    }
}

void MainMenus::buildGroupMenu(int g)
{
    const QString name = QStringLiteral("Skupina") + number(g);
    QMenu *menu = addTopMenu(defaultGroupCaption(g), QStringLiteral("Uživatelská databáze"), name);
    group[std::size_t(g - 1)] = menu;
    bindTitle(menu, [this, g] { return m_captions.group(g); });
    const Qt::KeyboardModifiers modifiers = g == 1 ? Qt::ControlModifier : Qt::ShiftModifier;
    for (int n = 1; n <= ItemCount; ++n) {
        QAction *entry = addEntry(menu, defaultItemCaption(n), itemHint(n), name + QStringLiteral("Polozka") + number(n),
                                  [this, g, n] { m_commands.openItem(g, n); },
                                  [this] { return m_commands.available(WindowId::RecordWindow); });
        entry->setShortcut(functionKey(modifiers, n));
        bindCaption(entry, [this, g, n] { return m_captions.item(g, n); });
        m_recordEntries.push_back(entry);
    }
    menu->addSeparator();
    QMenu *graphs = addSubmenu(menu, QStringLiteral("&Grafy databáze"), {}, name + QStringLiteral("Grafy"));
    buildGroupGraphSubmenus(graphs, g, name + QStringLiteral("Graf"), false);
}

void MainMenus::buildGroupGraphSubmenus(QMenu *parent, int g, const QString &prefix, bool dropDown)
{
    const auto graphAvailable = [this] { return m_commands.available(WindowId::GraphWindow); };
    for (GraphFamily family : GraphFamilies) {
        const QString familyName = prefix + number(graphIndex(family) + 1);
        QMenu *submenu = addSubmenu(parent, QString::fromUtf8(graph(family).submenu), {}, familyName);
        for (int n = 1; n <= ItemCount; ++n) {
            QAction *entry = addEntry(submenu, defaultItemCaption(n), itemGraphHint(family, n),
                                      familyName + QStringLiteral("Polozka") + number(n),
                                      [this, g, family, n] { m_commands.itemGraph(g, family, n); }, graphAvailable);
            // The drop-downs show the main menu's captions of the items.
            if (dropDown)
                bindCaption(entry, [this, g, n] { return m_captions.item(g, n); });
            else
                bindCaption(entry, [this, g, family, n] { return m_captions.graphItem(g, family, n); });
        }
    }
}

void MainMenus::buildOtherMenus()
{
    spotreba = addTopMenu(QStringLiteral("Evidence &spotřeby"), {}, QStringLiteral("EvidenceSpotreby1"));
    water = addEntry(spotreba, QStringLiteral("Teplá, studená &voda"), {}, QStringLiteral("Voda1"),
                     [this] { m_commands.openWindow(WindowId::Water); },
                     [this] { return m_commands.available(WindowId::Water); });
    water->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    electricity = addEntry(spotreba, QStringLiteral("&Elektřina"), {}, QStringLiteral("Elektrina1"),
                           [this] { m_commands.openElectricity(); },
                           [this] { return m_commands.available(m_commands.electricityWindow()); });
    electricity->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    gas = addEntry(spotreba, QStringLiteral("P&lyn"), {}, QStringLiteral("Plyn1"),
                   [this] { m_commands.openWindow(WindowId::Gas); },
                   [this] { return m_commands.available(WindowId::Gas); });
    gas->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));

    telefon = addTopMenu(QStringLiteral("T&elefonní seznam"), {}, QStringLiteral("TelefonniSeznam1"));
    addEntry(telefon, QStringLiteral("Telefonní s&eznam"), {}, QStringLiteral("TelSeznam1"),
             [this] { m_commands.openWindow(WindowId::PhoneBook); },
             [this] { return m_commands.available(WindowId::PhoneBook); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    addEntry(telefon, QStringLiteral("&Předvolby v ČR"), {}, QStringLiteral("Predvolby1"),
             [this] { m_commands.openAreaCodes(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    adresy = addTopMenu(QStringLiteral("Adres&y"), {}, QStringLiteral("Adresy1"));
    addEntry(adresy, QStringLiteral("Ad&resy"), {}, QStringLiteral("Adresy2"),
             [this] { m_commands.openWindow(WindowId::Addresses); },
             [this] { return m_commands.available(WindowId::Addresses); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    kalendar = addTopMenu(QStringLiteral("&Kalendář"), {}, QStringLiteral("Kalendar1"));
    addEntry(kalendar, QStringLiteral("K&alendář"), {}, QStringLiteral("Kalendar2"),
             [this] { m_commands.openWindow(WindowId::Calendar); },
             [this] { return m_commands.available(WindowId::Calendar); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
}

void MainMenus::buildPrintMenu()
{
    tisk = addTopMenu(QStringLiteral("&Tisk"), QStringLiteral("Tisk databáze"), QStringLiteral("Tisk1"));
    const auto printAvailable = [this] { return m_commands.available(WindowId::Report); };
    QMenu *months = addSubmenu(tisk, QStringLiteral("Databáze"), {}, QStringLiteral("TiskDatabaze"));
    for (int m = 1; m <= MonthCount; ++m)
        addEntry(months, numberedMonthCaption(m), printMonthHint(m), QStringLiteral("TiskMesic") + number(m),
                 [this, m] { m_commands.printMonth(m); }, printAvailable);
    for (int g = 1; g <= GroupCount; ++g) {
        const QString name = QStringLiteral("TiskSkupina") + number(g);
        QMenu *menu = addSubmenu(tisk, defaultGroupCaption(g), {}, name);
        bindTitle(menu, [this, g] { return m_captions.printGroup(g); });
        for (int n = 1; n <= ItemCount; ++n) {
            QAction *entry = addEntry(menu, defaultItemCaption(n), printItemHint(n),
                                      name + QStringLiteral("Polozka") + number(n),
                                      [this, g, n] { m_commands.printItem(g, n); }, printAvailable);
            bindCaption(entry, [this, g, n] { return m_captions.printItem(g, n); });
        }
    }
}

void MainMenus::buildPreviousYearMenu()
{
    previousYear = addTopMenu(QStringLiteral("&Databáze předešlého roku"), QStringLiteral("Loňská databáze"),
                              QStringLiteral("DatabazePredeslehoRoku1"));
    const auto recordAvailable = [this] { return m_commands.available(WindowId::RecordWindow); };
    QMenu *months = addSubmenu(previousYear, QStringLiteral("Da&tabáze"), {}, QStringLiteral("LoniDatabaze"));
    for (int m = 1; m <= MonthCount; ++m)
        m_recordEntries.push_back(addEntry(months, numberedMonthCaption(m), previousMonthHint(m),
                                           QStringLiteral("LoniMesic") + number(m),
                                           [this, m] { m_commands.openPreviousMonth(m); }, recordAvailable));
    for (int g = 1; g <= GroupCount; ++g) {
        const QString name = QStringLiteral("LoniSkupina") + number(g);
        QMenu *menu = addSubmenu(previousYear, defaultGroupCaption(g), {}, name);
        bindTitle(menu, [this, g] { return m_captions.previousGroup(g); });
        for (int n = 1; n <= ItemCount; ++n) {
            QAction *entry = addEntry(menu, defaultPreviousItemCaption(n), previousItemHint(n),
                                      name + QStringLiteral("Polozka") + number(n),
                                      [this, g, n] { m_commands.openPreviousItem(g, n); }, recordAvailable);
            bindCaption(entry, [this, g, n] { return m_captions.previousItem(g, n); });
            m_recordEntries.push_back(entry);
        }
    }
    QMenu *consumption = addSubmenu(previousYear, QStringLiteral("Evidence &spotřeby"),
                                    QStringLiteral("Evidence spotřeby loňského roku"), QStringLiteral("LoniSpotreba"));
    for (int i = 0; i < ConsumptionCount; ++i)
        addEntry(consumption, QString::fromUtf8(previousConsumption(i).caption), {},
                 QStringLiteral("LoniSpotreba") + number(i + 1), [this, i] { m_commands.openPreviousConsumption(i); });
    // Shown only when the previous year's folder is there (start-up).
    setShown(previousYear, false);
}

void MainMenus::buildSettingsMenu()
{
    nastaveni = addTopMenu(QStringLiteral("&Nastavení"), QStringLiteral("Nastavení programu Rozvahon"),
                           QStringLiteral("Nastaveni1"));
    const auto window = [this](WindowId id) { return [this, id] { return m_commands.available(id); }; };
    const auto open = [this](WindowId id) { return [this, id] { m_commands.openWindow(id); }; };
    addEntry(nastaveni, QStringLiteral("&Vlastnosti"), {}, QStringLiteral("Vlastnosti1"),
             [this] { m_commands.openSettings(); }, [this] { return m_commands.settingsAvailable(); });
    addEntry(nastaveni, QStringLiteral("Názvy &položek 1. skupiny"), {}, QStringLiteral("NazvyPolozek1"),
             [this] { m_commands.openItemNames(1); }, window(WindowId::ItemNames));
    addEntry(nastaveni, QStringLiteral("Ná&zvy položek 2. skupiny"), {}, QStringLiteral("NazvyPolozek2"),
             [this] { m_commands.openItemNames(2); }, window(WindowId::ItemNames));
    addEntry(nastaveni, QStringLiteral("Uživatelský InfoT&ext"), {}, QStringLiteral("InfoText1"),
             open(WindowId::InfoText), window(WindowId::InfoText));
    addEntry(nastaveni, QStringLiteral("P&ravidelné platby"), {}, QStringLiteral("PravidelnePlatby1"),
             open(WindowId::Payments), window(WindowId::Payments));
    addEntry(nastaveni, QStringLiteral("Aktivovat &budík"), {}, QStringLiteral("Budik1"), open(WindowId::Alarm),
             window(WindowId::Alarm));
    QMenu *background = addSubmenu(nastaveni, QStringLiteral("Nastav obrázk&ové pozadí"), {},
                                   QStringLiteral("NastavObrazkovePozadi1"));
    // The background picture comes with the window's appearance.
    const auto notYet = [] { return false; };
    addEntry(background, QStringLiteral("Žá&dné"), {}, QStringLiteral("PoZadne"), {}, notYet);
    addEntry(background, QStringLiteral("&Otevřít..."), {}, QStringLiteral("APoVlastni1"), {}, notYet);
    QMenu *backup = addSubmenu(nastaveni, QStringLiteral("Zálohová&ní"), {}, QStringLiteral("Zalohovani1"));
    addEntry(backup, QStringLiteral("Zálohovat d&atabáze"), {}, QStringLiteral("ZalohovatDatabaze1"),
             open(WindowId::Backup), window(WindowId::Backup));
    addEntry(backup, QStringLiteral("O&tevření zálohy z A:"), {}, QStringLiteral("OtevreniZalohy1"),
             open(WindowId::OpenBackup), window(WindowId::OpenBackup));
}

// ---- drop-downs, popup, tray ----------------------------------------------

void MainMenus::buildDropDowns()
{
    m_currentTop = nullptr;
    const auto recordAvailable = [this] { return m_commands.available(WindowId::RecordWindow); };

    dropMonths = new QMenu(&m_window);
    dropMonths->setObjectName(QStringLiteral("PopupMesice"));
    for (int m = 1; m <= MonthCount; ++m)
        m_recordEntries.push_back(addEntry(dropMonths, numberedMonthCaption(m), monthDropHint(m),
                                           QStringLiteral("PopupMesic") + number(m),
                                           [this, m] { m_commands.openMonth(m); }, recordAvailable));

    dropMonthGraphs = new QMenu(&m_window);
    dropMonthGraphs->setObjectName(QStringLiteral("PopupGrafy"));
    buildGraphSubmenus(dropMonthGraphs, QStringLiteral("PopupGraf"), true);

    for (int g = 1; g <= GroupCount; ++g) {
        const std::size_t at = std::size_t(g - 1);
        const QString name = QStringLiteral("PopupSkupina") + number(g);
        dropGroup[at] = new QMenu(&m_window);
        dropGroup[at]->setObjectName(name);
        for (int n = 1; n <= ItemCount; ++n) {
            QAction *entry = addEntry(dropGroup[at], defaultItemCaption(n), itemHint(n),
                                      name + QStringLiteral("Polozka") + number(n),
                                      [this, g, n] { m_commands.openItem(g, n); }, recordAvailable);
            bindCaption(entry, [this, g, n] { return m_captions.item(g, n); });
            m_recordEntries.push_back(entry);
        }
        dropGroupGraphs[at] = new QMenu(&m_window);
        dropGroupGraphs[at]->setObjectName(name + QStringLiteral("Grafy"));
        buildGroupGraphSubmenus(dropGroupGraphs[at], g, name + QStringLiteral("Graf"), true);
        // Every opening shows the captions the main menu has now.
        connect(dropGroup[at], &QMenu::aboutToShow, this, &MainMenus::refreshCaptions);
        connect(dropGroupGraphs[at], &QMenu::aboutToShow, this, &MainMenus::refreshCaptions);
    }
}

void MainMenus::buildPopup()
{
    popup = new QMenu(&m_window);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *calculator = addEntry(popup, QStringLiteral("Kalkulačka"), {}, QStringLiteral("Kalkulacka1"),
                                   [this] { m_commands.openWindow(WindowId::Calculator); },
                                   [this] { return m_commands.available(WindowId::Calculator); });
    calculator->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // The popup is not part of the window: its key works through the window.
    m_window.addAction(calculator);
    // Alt+X belongs to "&Konec" of the main menu; shown here as a reminder.
    popupExit = popup->addAction(QStringLiteral("Konec programu\tAlt+X"));
    popupExit->setObjectName(QStringLiteral("KonecProgramu1"));
    setHint(popupExit, QStringLiteral("Zavřít okno"));
    connect(popupExit, &QAction::triggered, this, [this] { m_handlers.exit(); });
    popup->addSeparator();
    popupMoving = popup->addAction(QStringLiteral("Manipulace s pozicí tlačítkek"));
    popupMoving->setObjectName(QStringLiteral("ManipulaceSPozici1"));
    setHint(popupMoving, QStringLiteral("Ativovat přesunutí tlačítek"));
    popupMoving->setCheckable(true);
    // Moving the buttons comes with the window's appearance.
    popupMoving->setEnabled(false);
    popupCentre = popup->addAction(QStringLiteral("Přesunout na střed okna"));
    popupCentre->setObjectName(QStringLiteral("PresunoutNaStred1"));
    setHint(popupCentre, QStringLiteral("Přesunout tlačítka na střed okna"));
}

void MainMenus::buildTray()
{
    m_currentTop = nullptr;
    const auto recordAvailable = [this] { return m_commands.available(WindowId::RecordWindow); };
    tray = new QMenu(&m_window);
    tray->setObjectName(QStringLiteral("PopupTray"));
    trayMonths = addSubmenu(tray, QStringLiteral("Databáze"), {}, QStringLiteral("TrayDatabaze"));
    for (int m = 1; m <= MonthCount; ++m)
        m_recordEntries.push_back(addEntry(trayMonths, monthCaption(m), {}, QStringLiteral("TrayMesic") + number(m),
                                           [this, m] { m_commands.openMonth(m); }, recordAvailable));
    for (int g = 1; g <= GroupCount; ++g) {
        const QString name = QStringLiteral("TraySkupina") + number(g);
        QMenu *menu = addSubmenu(tray, QStringLiteral("Uživatelská dat. ") + number(g), {}, name);
        trayGroup[std::size_t(g - 1)] = menu;
        for (int n = 1; n <= ItemCount; ++n) {
            QAction *entry = addEntry(menu, defaultItemCaption(n), {}, name + QStringLiteral("Polozka") + number(n),
                                      [this, g, n] { m_commands.openItem(g, n); }, recordAvailable);
            m_recordEntries.push_back(entry);
        }
    }
    tray->addSeparator();
    trayShow = tray->addAction(QStringLiteral("Zobrazení"));
    trayShow->setObjectName(QStringLiteral("Zobrazeni1"));
    trayShow->setVisible(false);
    connect(trayShow, &QAction::triggered, this, [this] { m_handlers.restore(); });
    trayExit = tray->addAction(QStringLiteral("Konec"));
    trayExit->setObjectName(QStringLiteral("TrayKonec"));
    connect(trayExit, &QAction::triggered, this, [this] { m_handlers.exit(); });
    connect(tray, &QMenu::aboutToShow, this, &MainMenus::trayAboutToShow);
}

void MainMenus::trayAboutToShow()
{
    // The tray shows the table groups the settings show, under the main
    // menu's captions.
    const auto shown = [this](int which) {
        return m_handlers.tableGroupShown ? m_handlers.tableGroupShown(which) : true;
    };
    trayMonths->menuAction()->setVisible(shown(0));
    for (int g = 1; g <= GroupCount; ++g) {
        QMenu *menu = trayGroup[std::size_t(g - 1)];
        menu->menuAction()->setVisible(shown(g));
        menu->setTitle(m_captions.group(g));
        const QList<QAction *> entries = menu->actions();
        for (int n = 1; n <= ItemCount && n <= entries.size(); ++n)
            entries[n - 1]->setText(m_captions.item(g, n));
    }
}
