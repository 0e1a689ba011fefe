#pragma once

#include <QString>
#include <QStringList>

class Table;

// The captions of the previous-year group submenus, read from
// "Data\Data01\Položky1.db" and "Položky2.db": the group name from `St 0`,
// the twelve items from `String 1` ... `String 12`, each empty one replaced
// by its default ("Skupina databáze 1", "1. -------------------").
struct PreviousYearNames
{
    QString group;
    QStringList items; // 12 captions

    // Opens the group's names table in the previous-year folder on `table`,
    // reads its first row and closes it again. A table without rows gives
    // the defaults; a table that cannot be opened raises the engine's error.
    static PreviousYearNames read(Table &table, int group);
    static PreviousYearNames defaults(int group);
};
