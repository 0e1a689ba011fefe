#pragma once

#include "core/data/engine/Table.h"

#include <QSet>

// The rows the user ticked in the grid's indicator column, kept by their
// row numbers ("Kratky - Short") for the life of the record window. The
// numbers are given anew at each activation, so a tick stays with its
// number, not with the record that had it.
class RowTicks
{
public:
    bool contains(int number) const { return m_numbers.contains(number); }
    bool isEmpty() const { return m_numbers.isEmpty(); }
    int count() const { return int(m_numbers.size()); }
    // Ticks an unticked number and unticks a ticked one; returns whether
    // it is ticked now.
    bool toggle(int number);
    void clear() { m_numbers.clear(); }

    // The ledger filter of "Zobrazit jen vybrané": a row passes exactly when
    // its number is ticked. It reads the ticks as they are when the filter
    // is applied, so it must not outlive this object.
    Table::Predicate filter(int rowNumberField) const;

private:
    QSet<int> m_numbers;
};
