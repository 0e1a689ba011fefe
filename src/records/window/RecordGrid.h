#pragma once

#include <QTableView>

// The record window's grid `DBGrid1`. Its keys: Delete asks to delete the
// current record, Insert inserts an empty record before it, Escape cancels
// the current edit; Down on the last row and typing into an empty table
// start a new record at the end.
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
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_takingRowsAway = false;
};
