#pragma once

#include <QComboBox>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <optional>

class TableModel;

// A grid in which the user edits a table row by row. Whatever way the
// cursor leaves a row (keys, Tab, mouse), an open cell editor is written
// into its row first, so no typing is lost; Down on the last row, Tab in
// the last cell and typing into an empty table ask for a new row at the
// end (appendRequested), and Tab and Shift+Tab never wrap round to the
// other end of the table.
//
// Typing the row refuses (a bad date, an amount that is no number) keeps
// the user where they were: the cursor stays in the cell, the message is
// told, and the editor opens again holding what was typed. Nothing is
// posted and no other row is touched. Escape on a new row that holds no
// typing takes the row away again.
class TableGrid : public QTableView
{
    Q_OBJECT
public:
    explicit TableGrid(QWidget *parent = nullptr);

    // Writes what an open cell editor holds into its row and closes it, so
    // that closing the window or posting from a button loses no typing.
    // False when the row refused the typing: the user has been told and is
    // back in the editor, so whatever was to follow does not happen.
    bool commitOpenEditor();
    // Closes an open cell editor and drops what it holds, for a cancelled
    // edit or a row that is about to go.
    void discardOpenEditor();
    using QTableView::edit;
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

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
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    // Typing a row refused, on its way to the user.
    struct Refusal
    {
        QPersistentModelIndex cell;
        QString message;
        QVariant typed;
        QPointer<QWidget> editor;
    };

    bool isLastCell(const QModelIndex &index) const;
    bool isFirstCell(const QModelIndex &index) const;
    // Asks for a new row at the end; true when the grid got one.
    bool appendRow();
    // The table's cursor follows the user to another row.
    void followUser(const QModelIndex &current, const QModelIndex &previous);
    void showTableRow(int row);
    // Puts the user back into the refused cell, tells why and opens the
    // editor again with the typed text.
    void settleRefusal();
    // A new row without typing goes again; true when one went.
    bool dropUntouchedNewRow();

    TableModel *m_model = nullptr;
    Guard m_guard;
    std::optional<Refusal> m_refusal;
    // The refusal last told, while the event that caused it is handled: the
    // same typing in the same cell is not told twice for one action.
    std::optional<Refusal> m_told;
    bool m_committing = false; // an editor is being written into its row
    int m_changingCurrent = 0;
    int m_column = 0;           // the column the user is in, kept across resets
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
