#pragma once

// Helpers shared by the engine's suites: a delivered ledger opened, rows
// added and read back, SQL run on a file past the engine.

#include "core/data/engine/Table.h"

#include <QString>
#include <QStringList>
#include <memory>

// Opens a ledger of the delivered folder.
std::unique_ptr<Table> openLedger(const QString &name = QStringLiteral("Leden.db"),
                                  const QString &folder = QStringLiteral("Data"));
void appendRow(Table &table, const QString &text, double amount = 0);
// The texts of the rows in their order; the cursor stays where it was.
QStringList texts(Table &table);
// Runs SQL on a file through a connection of its own and returns the first
// column of the first row.
QString sqlValue(const QString &path, const QString &sql);
// Runs SQL that changes a file through a connection of its own.
void sqlExec(const QString &path, const QString &sql);
