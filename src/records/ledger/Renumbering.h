#pragma once

#include <QString>

class Table;

// The walk every activation of the record window makes: each row gets its
// number 1 ... N in table order ("Kratky - Short"), an empty supplement
// gets the automatic supplement text, and a supplement that reads exactly
// "ERROR" is emptied. A row whose fields are already so is not written,
// so a table that is numbered costs one read.
//
// Every row of the table is numbered, also while the ticks filter hides
// some: numbers given to the shown rows alone would collide with the
// numbers of the hidden ones, and ticks are kept by number.
//
// All writes of one walk are one transaction; when a write fails nothing
// of the walk stays and the error goes on to the caller. The walk ends on
// the first record.
namespace Renumbering {

// The number of rows written.
int run(Table &ledger, const QString &automaticSupplement);

// The rows numbered only: what closing the window does, so that rows
// typed in since the last activation are numbered in the file too.
int numberRows(Table &ledger);

} // namespace Renumbering
