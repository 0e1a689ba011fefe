#include "core/data/engine/Table.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/EngineMessages.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/OrderKeys.h"
#include "core/data/engine/StoredValues.h"
#include "core/data/engine/TableDetail.h"

#include <algorithm>

// Moving the cursor, bookmarks, and what bound grids are told.

using namespace TableDetail;

// ---------------------------------------------------------------- cursor

void Table::checkBrowseMode()
{
    if (m_state == State::Edit || m_state == State::Insert) {
        if (m_modified)
            post();
        else
            cancel();
    }
}

void Table::scrolled(int position, bool bof, bool eof)
{
    checkBrowseMode();
    emit beforeScroll();
    const int previous = m_pos;
    // Only a walk to the next row keeps the scan (and its read snapshot);
    // any other move reads the rows afresh.
    if (position != previous + 1)
        resetScan();
    m_pos = position;
    m_bof = bof;
    m_eof = eof;
    emit afterScroll();
    if (previous != m_pos)
        notifyCurrent();
}

void Table::first()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    syncWithFile();
    scrolled(rows().empty() ? -1 : 0, true, rows().empty());
}

void Table::last()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    syncWithFile();
    scrolled(int(rows().size()) - 1, rows().empty(), true);
}

void Table::next()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    if (m_pos + 1 < int(rows().size())) {
        scrolled(m_pos + 1, false, false);
    } else {
        m_eof = true;
        resetScan(); // the walk is over: let go of its read snapshot
    }
}

void Table::prior()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    if (m_pos > 0)
        scrolled(m_pos - 1, false, false);
    else
        m_bof = true;
}

void Table::moveTo(int position)
{
    if (!isOpen() || (position == m_pos && m_state == State::Edit))
        return;
    checkBrowseMode();
    if (rows().empty())
        return;
    position = std::clamp(position, 0, int(rows().size()) - 1);
    if (position != m_pos)
        scrolled(position, position == 0, false);
}

Table::Bookmark Table::bookmark() const { return m_pos >= 0 && m_pos < int(rows().size()) ? rows()[m_pos].id : -1; }

bool Table::bookmarkValid(Bookmark bookmark) const { return bookmark >= 0 && OrderKeys::indexOfId(rows(), bookmark) >= 0; }

void Table::gotoBookmark(Bookmark bookmark)
{
    checkBrowseMode();
    const int index = OrderKeys::indexOfId(rows(), bookmark);
    if (index < 0)
        throw EngineError(QStringLiteral("Záznam nebyl nalezen."));
    scrolled(index, false, false);
}

void Table::disableControls() { ++m_controlsDisabled; }

void Table::enableControls()
{
    if (m_controlsDisabled > 0 && --m_controlsDisabled == 0 && m_controlsDirty) {
        m_controlsDirty = false;
        emit controlsReset();
    }
}

// ---------------------------------------------------------------- controls

int Table::controlRowCount() const { return int(rows().size()) + (m_state == State::Insert ? 1 : 0); }

int Table::controlCurrentRow() const { return m_state == State::Insert ? m_insertRow : m_pos; }

QVariant Table::controlValue(int row, int field) const
{
    if (field < 0 || field >= m_layout.size() || row < 0)
        return QVariant();
    if (m_state == State::Insert) {
        if (row == m_insertRow)
            return m_buffer.at(field);
        if (row > m_insertRow)
            --row;
    }
    if (row >= int(rows().size()))
        return QVariant();
    if (m_state == State::Edit && row == m_pos)
        return m_buffer.at(field);
    try {
        return fetchedValue(rows()[row].id, field);
    } catch (const EngineError &) {
        return QVariant();
    }
}

void Table::controlMoveTo(int row)
{
    if (m_state == State::Insert) {
        if (row == m_insertRow)
            return;
        if (row > m_insertRow)
            --row; // the rows below the new one move up if it goes away
        const bool wasModified = m_modified;
        checkBrowseMode();
        if (wasModified && row >= m_pos)
            ++row; // it was posted and stays
    }
    moveTo(row);
}

// While the controls are disabled nothing reaches the grids; they get one
// reset when the controls are enabled again.
bool Table::controlsHeldBack()
{
    if (m_controlsDisabled == 0)
        return false;
    m_controlsDirty = true;
    return true;
}

void Table::notifyReset()
{
    if (!controlsHeldBack())
        emit controlsReset();
}

void Table::notifyCurrent()
{
    if (!controlsHeldBack())
        emit controlsCurrentChanged(controlCurrentRow());
}

void Table::notifyRow(int row)
{
    if (!controlsHeldBack() && row >= 0)
        emit controlsRowChanged(row);
}

void Table::notifyInserted(int row)
{
    if (!controlsHeldBack())
        emit controlsRowInserted(row);
}

void Table::notifyRemoved(int row)
{
    if (!controlsHeldBack())
        emit controlsRowRemoved(row);
}
