#pragma once

#include <QTableView>

// The record window's grid `DBGrid1`. Its keys: Delete asks to delete the
// current record, Insert inserts an empty record before it, Escape cancels
// the current edit; Down on the last row, Tab in the last cell and typing
// into an empty table start a new record at the end. Whatever way the
// cursor leaves a row, an open cell editor is written into the row first.
class RecordGrid : public QTableView
{
    Q_OBJECT
public:
    explicit RecordGrid(QWidget *parent = nullptr);

    // Writes what an open cell editor holds into its row and closes it, so
    // that closing the window or posting from a button loses no typing.
    void commitOpenEditor();
    // Closes an open cell editor and drops what it holds, for a cancelled
    // edit or a record that is about to go.
    void discardOpenEditor();
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The grid is choosing another current row for rows that are going.
    bool isTakingRowsAway() const { return m_takingRowsAway; }

signals:
    void deleteRequested();
    void insertRequested();
    void cancelRequested();
    // A new record at the end, before the key that asked for it is handled.
    void appendRequested();
    void focused();
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool isLastCell(const QModelIndex &index) const;
    bool isFirstCell(const QModelIndex &index) const;
    // Asks for a new record at the end; true when the grid got one.
    bool appendRow();

    bool m_takingRowsAway = false;
};
