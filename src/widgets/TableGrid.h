#pragma once

#include <QComboBox>
#include <QTableView>
#include <functional>

class TableModel;

// A grid in which the user edits a table row by row. Whatever way the
// cursor leaves a row (keys, Tab, mouse), an open cell editor is written
// into its row first, so no typing is lost; Down on the last row, Tab in
// the last cell and typing into an empty table ask for a new row at the
// end (appendRequested), and Tab and Shift+Tab never wrap round to the
// other end of the table.
class TableGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TableGrid(QWidget *parent = nullptr);

    // Writes what an open cell editor holds into its row and closes it, so
    // that closing the window or posting from a button loses no typing.
    void commitOpenEditor();
    // Closes an open cell editor and drops what it holds, for a cancelled
    // edit or a row that is about to go.
    void discardOpenEditor();
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The grid is choosing another current row for rows that are going.
    bool isTakingRowsAway() const { return m_takingRowsAway; }

    // Shows `model` and keeps the grid and the table's cursor on the same
    // row, in the column the user is in; a new row asked for at the end is
    // appended to the table. `guard` runs table work and reports its errors
    // (false when it failed).
    using Guard = std::function<bool(const std::function<void()> &work)>;
    void showTable(TableModel *model, Guard guard);

    // Runs before the table's cursor follows the user to another row, with
    // the table still on the row being left (and its typing written into
    // it); false keeps the grid and the table on that row.
    using RowLeaveCheck = std::function<bool()>;
    void setRowLeaveCheck(RowLeaveCheck check) { m_leaveCheck = std::move(check); }

    // A table of fixed rows: what would ask for a new row (Down on the last
    // row, Tab in the last cell, typing into an empty grid) is refused
    // instead (newRowRefused) and the cursor stays.
    void setNewRowsAllowed(bool allowed) { m_newRowsAllowed = allowed; }

signals:
    // A new row at the end, before the key that asked for it is handled.
    void appendRequested();
    // A new row was asked for in a grid that takes none.
    void newRowRefused();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool isLastCell(const QModelIndex &index) const;
    bool isFirstCell(const QModelIndex &index) const;
    // Asks for a new row at the end; true when the grid got one.
    bool appendRow();

    bool m_takingRowsAway = false;
    bool m_newRowsAllowed = true;
    RowLeaveCheck m_leaveCheck;
};

// A drop-down cell editor of a TableGrid. While its list is closed the
// keys that move between rows belong to the grid: they never pick an entry
// of the list in place of the typed text. Alt+Down and F4 open the list.
class CellComboBox : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
};
