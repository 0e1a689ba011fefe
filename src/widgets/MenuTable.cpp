#include "widgets/MenuTable.h"

#include "widgets/Hints.h"

#include <QAction>
#include <QMenu>

QAction *MenuTable::add(QMenu *menu, const MenuEntry &entry, QMenu *topLevel)
{
    if (entry.caption.isEmpty() && !entry.liveCaption) {
        menu->addSeparator();
        return nullptr;
    }
    QAction *action = menu->addAction(entry.icon, entry.liveCaption ? entry.liveCaption() : entry.caption);
    action->setObjectName(entry.objectName);
    action->setShortcut(entry.shortcut);
    action->setCheckable(entry.checkable);
    if (!entry.hint.isEmpty())
        Hints::apply(action, entry.hint);
    if (entry.command >= 0) {
        const int command = entry.command;
        const MenuArgs args = entry.args;
        QObject::connect(action, &QAction::triggered, action, [this, command, args] {
            if (m_dispatch)
                m_dispatch(command, args);
        });
    }
    m_items.push_back({action, entry.command, entry.args, entry.available, entry.liveCaption, topLevel});
    return action;
}

void MenuTable::add(QMenu *menu, const std::vector<MenuEntry> &entries, QMenu *topLevel)
{
    for (const MenuEntry &entry : entries)
        add(menu, entry, topLevel);
}

void MenuTable::bindTitle(QMenu *menu, std::function<QString()> title)
{
    menu->setTitle(title());
    m_items.push_back({menu->menuAction(), -1, MenuArgs(), nullptr, std::move(title), nullptr});
}

std::vector<QAction *> MenuTable::actions(int command) const
{
    std::vector<QAction *> found;
    for (const Item &item : m_items)
        if (item.command == command && command >= 0)
            found.push_back(item.action);
    return found;
}

QAction *MenuTable::action(int command, const MenuArgs &args) const
{
    for (const Item &item : m_items)
        if (item.command == command && item.args.a == args.a && item.args.b == args.b && item.args.c == args.c)
            return item.action;
    return nullptr;
}

void MenuTable::setAvailable(int command, bool available)
{
    for (Item &item : m_items)
        if (item.command == command) {
            item.forcedOff = !available;
            item.action->setEnabled(available && (!item.available || item.available()));
        }
}

bool MenuTable::isAvailable(int command) const
{
    for (const Item &item : m_items)
        if (item.command == command)
            return item.action->isEnabled();
    return false;
}

void MenuTable::refreshCaptions()
{
    for (const Item &item : m_items)
        if (item.caption)
            item.action->setText(item.caption());
}

void MenuTable::refreshEnabled()
{
    // An entry works when its rule holds and the menu it sits in is shown:
    // a hidden main-menu entry takes its shortcuts with it.
    for (const Item &item : m_items) {
        if (item.command < 0 && !item.available)
            continue;
        const bool available = !item.forcedOff && (!item.available || item.available());
        const bool shown = !item.topLevel || item.topLevel->menuAction()->isVisible();
        item.action->setEnabled(available && shown);
    }
}
