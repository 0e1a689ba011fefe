#pragma once

#include "records/window/ToolbarChoices.h"
#include "widgets/MenuTable.h"

#include <QKeySequence>
#include <QObject>
#include <array>
#include <optional>

class QAction;
class QMenu;
class QWidget;

// What the entries of the record window's menus do. The month totals carry
// the month (0 = January) as their argument.
enum class RecordCommand {
    InsertAbove,
    Wizard,
    BackToGrid,
    ToggleGroup,      // argument: the ToolbarGroup
    AutoSupplement,
    GridBackground,
    HiddenAmount,
    ExportTxt,
    SaveTxt,
    ExportHtml,
    MonthTotal,       // argument: the month, 0-10
    CloseDatabase,
    CloseWindow,
    Calculator,
    Calendar,
    Addresses,
    PhoneBook,
    AreaCodes,
    Find,
};

// The record window's menus: the add menu of `E1`, the settings menu with
// its check marks, the grid menus of a month and of the other kinds, and
// the window menu. An entry that shares its shortcut with an entry of
// another menu is the same command; the window owns the shortcuts, so
// they work whichever menu is on screen.
class RecordMenus : public QObject
{
    Q_OBJECT
public:
    explicit RecordMenus(QWidget *window);
    ~RecordMenus() override;

    QMenu *addMenu() const { return m_add; }
    QMenu *settingsMenu() const { return m_settings; }
    QMenu *monthGridMenu() const { return m_monthGrid; }
    QMenu *itemGridMenu() const { return m_itemGrid; }
    QMenu *windowMenu() const { return m_window; }

    // The settings-menu item of a toolbar group.
    QAction *groupAction(ToolbarGroup group) const { return m_groups[std::size_t(group)]; }
    void setChecks(const ToolbarChoices &choices);

    // Enables or disables every entry of a command, and its shortcut.
    void setAvailable(RecordCommand command, bool available);
    bool isAvailable(RecordCommand command) const;
    // The entries of a command in every menu.
    QList<QAction *> actions(RecordCommand command) const;

signals:
    void triggered(RecordCommand command, int argument);

private:
    struct Entry;
    QMenu *build(const QList<Entry> &entries, const QString &name);

    QWidget *m_windowWidget;
    MenuTable m_table;
    QMenu *m_add = nullptr;
    QMenu *m_settings = nullptr;
    QMenu *m_monthGrid = nullptr;
    QMenu *m_itemGrid = nullptr;
    QMenu *m_window = nullptr;
    std::array<QAction *, ToolbarGroupCount> m_groups{};
    QList<QAction *> m_shortcuts; // window-wide, one per shortcut
};
