#pragma once

#include <QString>
#include <functional>

class Table;

// The find dialog's search over the ledger, as the record window shows it
// (only the ticked rows while its filter is on). The first search starts at
// the current record; each further one starts after the record found.
class LedgerSearch
{
public:
    enum class Field { Date, Text, Supplement, Amount };
    static QString fieldName(Field field); // "Datum", "Text 80", "Text 2 100", "Castka"

    explicit LedgerSearch(Table &ledger) : m_ledger(ledger) {}

    // The number of records: one walk, ending on the first record.
    static int count(Table &ledger);
    // Upper-cases the letters a to z only, as the search compares; the
    // no-break spaces that group amounts count as plain spaces.
    static QString upperAscii(const QString &text);

    // One press of "Start": true when a record's display text of `field`
    // contains `text` (that record is then current). Without a match, or
    // when `neo` is on, the walk ends on the first record. `step` runs for
    // every record passed (the progress bar).
    bool next(const QString &text, Field field, bool neo, const std::function<void()> &step = {});

private:
    Table &m_ledger;
    bool m_started = false;
};
