#include "records/window/RecordGrid.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>

RecordGrid::RecordGrid(QWidget *parent) : QTableView(parent)
{
    setObjectName(QStringLiteral("DBGrid1"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void RecordGrid::commitOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void RecordGrid::discardOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void RecordGrid::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    m_takingRowsAway = true;
    QTableView::rowsAboutToBeRemoved(parent, start, end);
    m_takingRowsAway = false;
}

void RecordGrid::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && event->key() == Qt::Key_Delete) {
        emit deleteRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_Insert) {
        emit insertRequested();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape) {
        emit cancelRequested();
        return;
    }
    const int rows = model() ? model()->rowCount() : 0;
    const bool atLastRow = rows > 0 && currentIndex().row() == rows - 1;
    if (plain && event->key() == Qt::Key_Down && atLastRow) {
        appendRow();
        return;
    }
    if (rows == 0 && !event->text().isEmpty() && event->text().at(0).isPrint())
        emit appendRequested(); // then the key starts editing the new row
    QTableView::keyPressEvent(event);
}

bool RecordGrid::isLastCell(const QModelIndex &index) const
{
    const QHeaderView *columns = horizontalHeader();
    return index.isValid() && index.row() == model()->rowCount() - 1
           && columns->visualIndex(index.column()) == columns->count() - 1 - columns->hiddenSectionCount();
}

bool RecordGrid::isFirstCell(const QModelIndex &index) const
{
    return index.isValid() && index.row() == 0 && horizontalHeader()->visualIndex(index.column()) == 0;
}

bool RecordGrid::appendRow()
{
    // The typing of an open editor belongs to the row being left, which the
    // new record posts.
    commitOpenEditor();
    const int rows = model() ? model()->rowCount() : 0;
    emit appendRequested();
    return model() && model()->rowCount() > rows;
}

// Tab goes on from the last cell into a new record, and Shift+Tab stops at
// the first cell: the cursor never wraps round to the other end, where the
// next keys would overwrite another record.
QModelIndex RecordGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if (model() && (action == MoveNext || action == MovePrevious)) {
        if (action == MoveNext && isLastCell(current)) {
            if (!appendRow())
                return current;
            return model()->index(currentIndex().row(), horizontalHeader()->logicalIndex(0));
        }
        if (action == MovePrevious && isFirstCell(current))
            return current;
    }
    return QTableView::moveCursor(action, modifiers);
}

void RecordGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (model() && model()->rowCount() == 0) {
        emit appendRequested();
        if (currentIndex().isValid())
            edit(currentIndex());
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void RecordGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    emit focused();
}

void RecordGrid::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos());
    event->accept();
}
