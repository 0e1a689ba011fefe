#pragma once

#include "core/data/engine/Table.h"

#include <QString>
#include <QStringList>
#include <memory>

// A row written into a ledger table by a test: "date;text;amount;hidden
// amount;hidden text;supplement" with empty parts left empty, amounts in
// crowns with a decimal comma ("100", "-30", "1,005").
void appendRows(Table &ledger, const QStringList &rows);

// The ledger table "Data/<name>" of the current program folder, open.
std::unique_ptr<Table> openLedger(const QString &name);

// The values of one field of every row the table shows, in order, as text.
QStringList column(Table &ledger, const QString &field);
