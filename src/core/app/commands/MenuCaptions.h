#pragma once

#include "core/app/commands/CommandTables.h"

#include <QObject>
#include <QString>
#include <array>

// The captions of the main window that carry the names of the two item
// groups: the group entries of the main menu and of the print menu, the
// group buttons, the twelve item entries, their graph entries (one per
// graph family) and print entries, and the captions of the previous-year
// group submenus. Every menu, title and drop-down that shows an item's name
// reads it here; the item-names subsystem sets them. Until then they hold
// the defaults ("Skupina databáze 1", "1. --------------------").
class MenuCaptions : public QObject
{
    Q_OBJECT
public:
    explicit MenuCaptions(QObject *parent = nullptr);

    void resetToDefaults();

    // group: 1 or 2; n: 1-12.
    QString group(int group) const;
    void setGroup(int group, const QString &caption);
    QString printGroup(int group) const;
    void setPrintGroup(int group, const QString &caption);
    QString button(int group) const;
    void setButton(int group, const QString &caption);
    QString item(int group, int n) const;
    void setItem(int group, int n, const QString &caption);
    QString graphItem(int group, Commands::GraphFamily family, int n) const;
    void setGraphItem(int group, Commands::GraphFamily family, int n, const QString &caption);
    QString printItem(int group, int n) const;
    void setPrintItem(int group, int n, const QString &caption);

    // The previous year's group submenus (NastavJmenaStareDatabaze).
    QString previousGroup(int group) const;
    void setPreviousGroup(int group, const QString &caption);
    QString previousItem(int group, int n) const;
    void setPreviousItem(int group, int n, const QString &caption);

signals:
    void changed();

private:
    struct Group
    {
        QString group, printGroup, button, previousGroup;
        std::array<QString, Commands::ItemCount> items, printItems, previousItems;
        std::array<std::array<QString, Commands::ItemCount>, 4> graphItems;
    };
    Group &at(int group);
    const Group &at(int group) const;
    void assign(QString &target, const QString &caption);

    std::array<Group, Commands::GroupCount> m_groups;
};
