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
    bool isEditing() const { return state() == QAbstractItemView::EditingState; }

signals:
    void deleteRequested();
    void insertRequested();
    void cancelRequested();
    // A new record at the end, before the key that asked for it is handled.
    void appendRequested();
    void focused();
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
