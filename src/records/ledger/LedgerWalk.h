#pragma once

#include "core/data/engine/Table.h"

// Keeps the grids bound to a table from redrawing while a walk runs over
// it; they redraw once when it ends, also when the walk fails.
class SuspendedControls
{
public:
    explicit SuspendedControls(Table &table) : m_table(table) { m_table.disableControls(); }
    ~SuspendedControls() { m_table.enableControls(); }
    SuspendedControls(const SuspendedControls &) = delete;
    SuspendedControls &operator=(const SuspendedControls &) = delete;

private:
    Table &m_table;
};

// The record that was current before a walk, to return to when it ends;
// the first record when it has gone.
class RememberedRecord
{
public:
    explicit RememberedRecord(Table &table) : m_table(table), m_bookmark(table.bookmark()) {}
    void restore()
    {
        if (m_bookmark >= 0 && m_table.bookmarkValid(m_bookmark))
            m_table.gotoBookmark(m_bookmark);
        else
            m_table.first();
    }

private:
    Table &m_table;
    Table::Bookmark m_bookmark;
};
