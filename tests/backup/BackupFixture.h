#pragma once

#include "core/data/engine/Table.h"

#include <QStringList>

// The texts of a table of the program folder (a ledger's "Text 80", the
// information texts' "Text"), in table order, and adding some.
namespace BackupFixture {

inline QString textField(const Table &table)
{
    return table.fieldIndex(QStringLiteral("Text 80")) >= 0 ? QStringLiteral("Text 80") : QStringLiteral("Text");
}

inline QStringList texts(const QString &folder, const QString &file)
{
    Table table;
    table.setFolder(folder);
    table.setTableName(file);
    table.open();
    QStringList all;
    for (table.first(); !table.eof(); table.next())
        all << table.field(textField(table)).asString();
    return all;
}

inline void addTexts(const QString &folder, const QString &file, const QStringList &rows)
{
    Table table;
    table.setFolder(folder);
    table.setTableName(file);
    table.open();
    for (const QString &row : rows) {
        table.append();
        table.field(textField(table)).setString(row);
        table.post();
    }
}

} // namespace BackupFixture
