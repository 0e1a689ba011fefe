#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

// The values a menu entry hands to its command (a month, a group and an
// item, a graph family, a window id).
struct MenuArgs
{
    int a = 0;
    int b = 0;
    int c = 0;
};

// One entry of a menu table.
struct MenuEntry
{
    QString caption;             // empty: a separator
    QString objectName;
    QKeySequence shortcut;
    QString hint;                // "tip|status text"
    int command = -1;            // what the entry does; the table's owner dispatches it
    MenuArgs args;
    // The entry works while this holds (a window that is there); null: always.
    std::function<bool()> available;
    // A caption that follows names the user gives (item names); null: fixed.
    std::function<QString()> liveCaption;
    QIcon icon;
    bool checkable = false;
};

// Builds menus from entry tables and dispatches their commands by id: the
// main window and the record window build every menu through one. An entry
// is enabled while its rule holds and the main-menu entry it sits under is
// shown; captions that follow names are read again on refreshCaptions().
class MenuTable
{
public:
    using Dispatch = std::function<void(int command, const MenuArgs &args)>;
    explicit MenuTable(Dispatch dispatch) : m_dispatch(std::move(dispatch)) {}

    // Adds the entry to `menu`; `topLevel` is the main-menu entry it sits
    // under (null elsewhere).
    QAction *add(QMenu *menu, const MenuEntry &entry, QMenu *topLevel = nullptr);
    void add(QMenu *menu, const std::vector<MenuEntry> &entries, QMenu *topLevel = nullptr);
    // A submenu's title that follows names.
    void bindTitle(QMenu *menu, std::function<QString()> title);

    // The entries of a command (with these arguments), in every menu.
    std::vector<QAction *> actions(int command) const;
    QAction *action(int command, const MenuArgs &args) const;
    // Enables or disables every entry of a command whatever its rule says.
    void setAvailable(int command, bool available);
    bool isAvailable(int command) const;

    void refreshCaptions();
    void refreshEnabled();

private:
    struct Item
    {
        QAction *action;
        int command;
        MenuArgs args;
        std::function<bool()> available;
        std::function<QString()> caption;
        QMenu *topLevel;
        bool forcedOff = false;
    };
    Dispatch m_dispatch;
    std::vector<Item> m_items;
};
