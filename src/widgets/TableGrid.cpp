#include "widgets/TableGrid.h"

#include "core/data/engine/Table.h"
#include "core/data/engine/TableModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMetaProperty>
#include <QMouseEvent>
#include <QTimer>
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
    m_model = model;
    m_guard = std::move(guard);
    setModel(model);
    model->setRefusalHandler([this](const QModelIndex &cell, const QString &message) {
        if (m_committing)
            m_refusal = Refusal{cell, message, {}, {}};
        else
            m_model->report(message); // not typed into the grid: nobody to put back
    });
    // The table's cursor moved by itself, or rows came or went around it.
    connect(model, &TableModel::currentRowChanged, this, &TableGrid::showTableRow);
    const auto followTable = [this] { showTableRow(m_model->table().controlCurrentRow()); };
    connect(model, &QAbstractItemModel::rowsRemoved, this, followTable);
    connect(model, &QAbstractItemModel::rowsInserted, this, followTable);
    connect(this, &TableGrid::appendRequested, this, [this] {
        m_guard([this] { m_model->table().append(); });
        showTableRow(m_model->table().controlCurrentRow());
    });
}

void TableGrid::showTableRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (currentIndex().row() != row || !currentIndex().isValid())
        setCurrentIndex(m_model->index(row, m_column));
}

void TableGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // The view writes an editor left open in the cell being left.
    ++m_changingCurrent;
    QTableView::currentChanged(current, previous);
    --m_changingCurrent;
    if (m_refusal) {
        settleRefusal();
        return;
    }
    if (current.isValid())
        m_column = current.column();
    followUser(current, previous);
}

void TableGrid::followUser(const QModelIndex &current, const QModelIndex &previous)
{
    if (!m_model || !current.isValid() || current.row() == previous.row() || m_takingRowsAway)
        return;
    const Table &table = m_model->table();
    const bool leaving = table.isOpen() && current.row() != table.controlCurrentRow();
    if (leaving && m_leaveCheck && !m_leaveCheck()) {
        showTableRow(table.controlCurrentRow());
        return;
    }
    m_model->setCurrentRow(current.row());
}

namespace {

QVariant typedIn(QWidget *editor)
{
    const QMetaProperty typed = editor->metaObject()->userProperty();
    return typed.isValid() ? typed.read(editor) : QVariant();
}

} // namespace

bool TableGrid::commitOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return true;
    QWidget *editor = indexWidget(currentIndex());
    if (!editor)
        return true;
    if (m_told && m_told->cell == currentIndex() && m_told->typed == typedIn(editor))
        return false; // just told, for this very typing
    commitData(editor);
    const bool refused = m_refusal.has_value();
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return !refused;
}

void TableGrid::discardOpenEditor()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget *editor = indexWidget(currentIndex()))
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool TableGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    if (!QTableView::edit(index, trigger, event))
        return false;
    if (QWidget *editor = indexWidget(index))
        editor->installEventFilter(this); // before the delegate's own filter
    return true;
}

bool TableGrid::eventFilter(QObject *watched, QEvent *event)
{
    // A click into the grid takes the focus from the editor before the
    // click itself arrives: the click writes the editor (mousePressEvent),
    // not the focus leaving it.
    if (event->type() == QEvent::FocusOut && QApplication::focusWidget() == this && watched != this)
        return true;
    return QTableView::eventFilter(watched, event);
}

void TableGrid::commitData(QWidget *editor)
{
    m_refusal.reset();
    m_committing = true;
    QTableView::commitData(editor);
    m_committing = false;
    if (!m_refusal)
        return;
    m_refusal->typed = typedIn(editor); // to give back to the user
    m_refusal->editor = editor;
    // A commit that no closing follows (a choice from a cell's list) is
    // told once the event that made it is done.
    QTimer::singleShot(0, this, [this] {
        if (m_refusal)
            settleRefusal();
    });
}

void TableGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (m_refusal && m_refusal->editor == editor) {
        // The user stays in the cell, whatever the key asked for.
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        if (m_changingCurrent == 0)
            settleRefusal();
        return;
    }
    QTableView::closeEditor(editor, hint);
    if (hint == QAbstractItemDelegate::RevertModelCache)
        dropUntouchedNewRow();
}

void TableGrid::settleRefusal()
{
    const Refusal refusal = *std::exchange(m_refusal, std::nullopt);
    if (QWidget *open = refusal.editor.data(); open && indexWidget(refusal.cell) == open)
        QTableView::closeEditor(open, QAbstractItemDelegate::NoHint);
    m_told = refusal;
    QTimer::singleShot(0, this, [this] { m_told.reset(); });
    if (refusal.cell.isValid() && currentIndex() != refusal.cell)
        setCurrentIndex(refusal.cell);
    if (m_model)
        m_model->report(refusal.message);
    if (!refusal.cell.isValid() || currentIndex() != refusal.cell)
        return;
    edit(refusal.cell);
    QWidget *editor = indexWidget(refusal.cell);
    if (!editor)
        return;
    const QMetaProperty typed = editor->metaObject()->userProperty();
    if (typed.isValid() && refusal.typed.isValid())
        typed.write(editor, refusal.typed);
    // The cursor at the end of the text, ready to put it right.
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        line = combo->lineEdit();
    if (line) {
        line->deselect();
        line->end(false);
    }
    editor->setFocus();
}

bool TableGrid::dropUntouchedNewRow()
{
    if (!m_model)
        return false;
    Table &table = m_model->table();
    if (table.state() != Table::State::Insert || table.modified())
        return false;
    m_guard([&table] { table.cancel(); });
    return true;
}

void TableGrid::rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end)
{
    m_takingRowsAway = true;
    QTableView::rowsAboutToBeRemoved(parent, start, end);
    m_takingRowsAway = false;
}

namespace {

// Keys with which the user leaves the cell being edited for another row.
bool leavesTheRow(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
        return event->modifiers() & Qt::ControlModifier;
    default:
        return false;
    }
}

} // namespace

void TableGrid::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    // The typing goes into its row before the cursor goes anywhere; typing
    // the row refuses keeps the user in the cell.
    if (isEditing() && leavesTheRow(event) && !commitOpenEditor()) {
        event->accept();
        return;
    }
    if (plain && event->key() == Qt::Key_Escape && !isEditing() && dropUntouchedNewRow()) {
        event->accept();
        return;
    }
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

void TableGrid::mousePressEvent(QMouseEvent *event)
{
    // Clicking another cell leaves the one being edited: not while the row
    // refuses its typing.
    const QModelIndex clicked = indexAt(event->position().toPoint());
    if (clicked != currentIndex() && isEditing() && !commitOpenEditor()) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
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
    // new row posts; typing the row refuses keeps the user in it.
    if (!commitOpenEditor())
        return false;
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
