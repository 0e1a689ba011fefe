#include "widgets/TableGrid.h"

#include "core/data/engine/Table.h"
#include "core/data/engine/TableModel.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QWheelEvent>

TableGrid::TableGrid(QWidget *parent) : QTableView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
}

void TableGrid::showTable(TableModel *model, Guard guard)
{
    setModel(model);
    const auto showRow = [this, model](int row) {
        if (row >= 0 && row < model->rowCount() && currentIndex().row() != row)
            setCurrentIndex(model->index(row, std::max(0, currentIndex().column())));
    };
    // The table's cursor moved by itself, or rows came or went around it.
    connect(model, &TableModel::currentRowChanged, this, showRow);
    const auto followTable = [model, showRow] { showRow(model->table().controlCurrentRow()); };
    connect(model, &QAbstractItemModel::rowsRemoved, this, followTable);
    connect(model, &QAbstractItemModel::rowsInserted, this, followTable);
    // The user moved to another row: the table follows (posting the row left).
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, model, showRow](const QModelIndex &current, const QModelIndex &previous) {
                if (!current.isValid() || current.row() == previous.row() || m_takingRowsAway)
                    return;
                const bool leaving = model->table().isOpen() && current.row() != model->table().controlCurrentRow();
                if (leaving && m_leaveCheck && !m_leaveCheck()) {
                    showRow(model->table().controlCurrentRow());
                    return;
                }
                model->setCurrentRow(current.row());
            });
    connect(this, &TableGrid::appendRequested, this, [this, model, guard] {
        guard([model] { model->table().append(); });
        const int row = model->table().controlCurrentRow();
        if (row >= 0)
            setCurrentIndex(model->index(row, std::max(0, currentIndex().column())));
    });
}

void TableGrid::commitOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex())) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void TableGrid::discardOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex()))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TableGrid::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    m_takingRowsAway = true;
    QTableView::rowsAboutToBeRemoved(parent, start, end);
    m_takingRowsAway = false;
}

void TableGrid::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    const int rows = model() ? model()->rowCount() : 0;
    const bool atLastRow = rows > 0 && currentIndex().row() == rows - 1;
    if (plain && event->key() == Qt::Key_Down && atLastRow) {
        appendRow();
        return;
    }
    // Tab in the last cell of fixed rows is refused once, here: the view
    // would otherwise ask again while it looks for the next focus.
    if (!m_newRowsAllowed && plain && event->key() == Qt::Key_Tab && isLastCell(currentIndex())) {
        appendRow();
        event->accept();
        return;
    }
    if (rows == 0 && !event->text().isEmpty() && event->text().at(0).isPrint()) {
        if (!m_newRowsAllowed) {
            emit newRowRefused();
            return;
        }
        emit appendRequested(); // then the key starts editing the new row
    }
    QTableView::keyPressEvent(event);
}

void TableGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (model() && model()->rowCount() == 0) {
        if (!m_newRowsAllowed) {
            emit newRowRefused();
            return;
        }
        emit appendRequested();
        if (currentIndex().isValid())
            edit(currentIndex());
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

bool TableGrid::isLastCell(const QModelIndex &index) const
{
    const QHeaderView *columns = horizontalHeader();
    return index.isValid() && index.row() == model()->rowCount() - 1
           && columns->visualIndex(index.column()) == columns->count() - 1 - columns->hiddenSectionCount();
}

bool TableGrid::isFirstCell(const QModelIndex &index) const
{
    return index.isValid() && index.row() == 0 && horizontalHeader()->visualIndex(index.column()) == 0;
}

bool TableGrid::appendRow()
{
    // The typing of an open editor belongs to the row being left, which the
    // new row posts.
    commitOpenEditor();
    if (!m_newRowsAllowed) {
        emit newRowRefused();
        return false;
    }
    const int rows = model() ? model()->rowCount() : 0;
    emit appendRequested();
    return model() && model()->rowCount() > rows;
}

QModelIndex TableGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
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

void CellComboBox::keyPressEvent(QKeyEvent *event)
{
    const bool rowKey = event->key() == Qt::Key_Up || event->key() == Qt::Key_Down || event->key() == Qt::Key_PageUp
                        || event->key() == Qt::Key_PageDown;
    if (rowKey && !(event->modifiers() & Qt::AltModifier) && !view()->isVisible()) {
        event->ignore();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void CellComboBox::wheelEvent(QWheelEvent *event)
{
    // Nor does the wheel over a closed list change the typed text.
    if (!view()->isVisible())
        event->ignore();
    else
        QComboBox::wheelEvent(event);
}
