#pragma once

#include "core/app/commands/CommandTables.h"

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

// Every menu of the main window, built from the command tables: the main
// menu, the six drop-down menus of the quick buttons, the window's popup
// menu and the tray menu. Entries whose window is not there yet are shown
// disabled; captions that carry item names follow MenuCaptions.
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
        // Whether the months (0), group 1 (1) or group 2 (2) are shown now;
        // the tray menu asks each time it opens.
        std::function<bool(int)> tableGroupShown;
    };

    MainMenus(QMainWindow &window, MainCommands &commands, MenuCaptions &captions, Handlers handlers);

    // Main menu, left to right.
    QMenu *menuX = nullptr;
    QMenu *databaze = nullptr;
    std::array<QMenu *, 2> group{};
    QMenu *spotreba = nullptr;
    QAction *water = nullptr;
    QAction *electricity = nullptr;
    QAction *gas = nullptr;
    QMenu *telefon = nullptr;
    QMenu *adresy = nullptr;
    QMenu *kalendar = nullptr;
    QMenu *tisk = nullptr;
    QMenu *previousYear = nullptr;
    QMenu *nastaveni = nullptr;
    QMenu *informace = nullptr;

    // Drop-down menus of the quick buttons.
    QMenu *dropMonths = nullptr;
    QMenu *dropMonthGraphs = nullptr;
    std::array<QMenu *, 2> dropGroup{};
    std::array<QMenu *, 2> dropGroupGraphs{};

    // The window's popup menu.
    QMenu *popup = nullptr;
    QAction *popupExit = nullptr;
    QAction *popupMoving = nullptr;
    QAction *popupCentre = nullptr;

    // The tray menu.
    QMenu *tray = nullptr;
    QMenu *trayMonths = nullptr;
    std::array<QMenu *, 2> trayGroup{};
    QAction *trayShow = nullptr; // "Zobrazení", shown only while minimised
    QAction *trayExit = nullptr;

    // The entries of the OpenRecordWindow families, in every menu.
    const std::vector<QAction *> &recordEntries() const { return m_recordEntries; }

    // Enables each entry whose window is there and whose menu is shown.
    void refreshEnabled();
    void refreshCaptions();
    // Shows or hides a top-level entry of the main menu.
    static void setShown(QMenu *menu, bool shown);

private:
    struct Entry
    {
        QAction *action;
        std::function<bool()> available;
        QMenu *topLevel; // its main-menu entry, null outside the main menu
    };

    QMenu *addTopMenu(const QString &title, const QString &hint, const QString &name);
    QMenu *addSubmenu(QMenu *parent, const QString &title, const QString &hint, const QString &name);
    QAction *addEntry(QMenu *menu, const QString &caption, const QString &hint, const QString &name,
                      std::function<void()> run, std::function<bool()> available = {});
    void bindCaption(QAction *action, std::function<QString()> caption);
    void bindTitle(QMenu *menu, std::function<QString()> title);

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
    QMenu *m_currentTop = nullptr; // the main-menu entry being built
    std::vector<Entry> m_entries;
    std::vector<std::pair<QAction *, std::function<QString()>>> m_captionBindings;
    std::vector<QAction *> m_recordEntries;
};
