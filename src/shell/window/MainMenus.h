#pragma once

#include "core/app/commands/CommandTables.h"
#include "widgets/MenuTable.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

class MainCommands;
class MenuCaptions;
class QAction;
class QMainWindow;
class QMenu;

// What the entries of the main window's menus do; each is dispatched by
// id with the entry's arguments (MenuArgs a, b, c as noted).
enum class MainCommand {
    Exit,
    Help,
    About,
    Tips,
    Restore,             // tray "Zobrazení"
    CentreButtons,       // popup "Přesunout na střed okna"
    OpenMonth,           // a: month 1-12
    OpenItem,            // a: group 1-2, b: item 1-12
    MonthGraph,          // a: graph family index, b: month
    YearGraph,           // a: graph family index
    ItemGraph,           // a: group, b: graph family index, c: item
    PrintMonth,          // a: month
    PrintItem,           // a: group, b: item
    PreviousMonth,       // a: month
    PreviousItem,        // a: group, b: item
    PreviousConsumption, // a: 0 water, 1 electricity, 2 gas
    OpenWindow,          // a: WindowId
    Electricity,
    AreaCodes,
    Settings,
    ItemNames,           // a: group
    Background,          // a: 0 "Žádné", 1 "Otevřít..." (the background picture)
    MovingMode,          // popup "Manipulace s pozicí tlačítkek"
};

// The main window's menus by name.
enum class MainMenu {
    X, Months, Group1, Group2, Consumption, PhoneBook, Addresses, Calendar, Print, PreviousYear, Settings, Information,
    DropMonths, DropMonthGraphs, DropGroup1, DropGroup2, DropGroup1Graphs, DropGroup2Graphs,
    Popup, Tray, TrayMonths, TrayGroup1, TrayGroup2,
};

// Every menu of the main window, built from entry tables: the main menu,
// the six drop-down menus of the quick buttons, the window's popup menu and
// the tray menu. Entries whose window is not there yet are shown disabled;
// captions that carry item names follow MenuCaptions.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    // The commands the main window carries out itself.
    struct Handlers
    {
        std::function<void()> exit;    // end the program
        std::function<void()> help;    // "&Nápověda"
        std::function<void()> about;   // "&O programu"
        std::function<void()> tips;    // "&Pracovní Tipy..."
        std::function<void()> restore; // tray "Zobrazení"
        std::function<void()> centre;  // popup "Přesunout na střed okna"
        std::function<void(int)> background; // 0 no picture, 1 choose one
        std::function<void(bool)> moving;    // the moving mode on or off
        // Whether the months (0), group 1 (1) or group 2 (2) are shown now;
        // the tray menu asks each time it opens.
        std::function<bool(int)> tableGroupShown;
    };

    MainMenus(QMainWindow &window, MainCommands &commands, MenuCaptions &captions, Handlers handlers);

    QMenu *menu(MainMenu which) const;
    // Shows or hides a menu's entry in the menu it sits in (a main-menu
    // entry takes the shortcuts of its entries with it).
    void setShown(MainMenu which, bool shown);
    bool isShown(MainMenu which) const;
    // The entry of a command with these arguments (the first one where a
    // command has entries in several menus), or null.
    QAction *action(MainCommand command, MenuArgs args = {}) const;

    // The entries that open a record window, in every menu.
    const std::vector<QAction *> &recordEntries() const { return m_recordEntries; }

    // Enables each entry whose window is there and whose menu is shown.
    void refreshEnabled();
    void refreshCaptions();

private:
    QMenu *addTopMenu(MainMenu which, const QString &title, const QString &hint, const QString &name);
    QMenu *addSubmenu(QMenu *parent, const QString &title, const QString &hint, const QString &name);
    QMenu *addLoose(MainMenu which, const QString &name);
    QAction *addEntry(QMenu *menu, MenuEntry entry);
    void run(MainCommand command, const MenuArgs &args);

    void buildMainMenu();
    void buildMonthsMenu();
    void buildGroupMenu(int g);
    void buildGraphSubmenus(QMenu *parent, const QString &prefix, bool dropDown);
    void buildGroupGraphSubmenus(QMenu *parent, int g, const QString &prefix, bool dropDown);
    void buildOtherMenus();
    void buildPrintMenu();
    void buildPreviousYearMenu();
    void buildSettingsMenu();
    void buildDropDowns();
    void buildPopup();
    void buildTray();
    void trayAboutToShow();

    QMainWindow &m_window;
    MainCommands &m_commands;
    MenuCaptions &m_captions;
    Handlers m_handlers;
    MenuTable m_table;
    QMenu *m_currentTop = nullptr; // the main-menu entry being built
    std::array<QMenu *, int(MainMenu::TrayGroup2) + 1> m_menus{};
    std::vector<QAction *> m_recordEntries;
};
