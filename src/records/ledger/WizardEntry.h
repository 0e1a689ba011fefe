#pragma once

#include <QString>

class Table;

// What the add-item wizard writes: one ledger record, placed over the
// current record, after the last one or before the current one.
namespace WizardEntry {

enum class Placement { Overwrite, Append, Insert };

struct Values
{
    QString date;       // as typed, d.M.yyyy
    QString text;
    QString supplement;
    QString amount;     // an amount or a calculation
    int colour = 0;     // the row colour, 0x00BBGGRR
};

// Writes the record. A value that is not a date or an amount raises the
// table's error and writes nothing.
void write(Table &ledger, Placement placement, const Values &values);

} // namespace WizardEntry
