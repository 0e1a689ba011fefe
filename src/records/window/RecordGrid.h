#pragma once

#include "widgets/TableGrid.h"

// The record window's grid `DBGrid1`: a TableGrid whose keys Delete,
// Insert and Escape ask to delete the current record, insert an empty
// record before it and cancel the current edit.
class RecordGrid : public TableGrid
{
    Q_OBJECT
public:
    explicit RecordGrid(QWidget *parent = nullptr);

signals:
    void deleteRequested();
    void insertRequested();
    void cancelRequested();
    void focused();
    void contextMenuRequested(const QPoint &globalPosition);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
};
