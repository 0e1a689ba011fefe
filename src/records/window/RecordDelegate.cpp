#include "records/window/RecordDelegate.h"

#include "records/window/LedgerModel.h"
#include "widgets/TableGrid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

RecordDelegate::RecordDelegate(QAbstractItemView *view) : QStyledItemDelegate(view), m_view(view) {}

void RecordDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell(option);
    if (index == m_view->currentIndex()) {
        cell.state |= QStyle::State_Selected | QStyle::State_Active;
        cell.palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 0, 128));
        cell.palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0, 0, 128));
        cell.palette.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
        cell.palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::white);
    } else {
        cell.state &= ~QStyle::State_Selected;
    }
    QStyledItemDelegate::paint(painter, cell, index);
}

QWidget *RecordDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    if (index.column() == LedgerModel::AmountColumn)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *combo = new CellComboBox(parent);
    combo->setObjectName(index.column() == LedgerModel::DateColumn ? QStringLiteral("DatumEditor")
                                                                   : QStringLiteral("TextEditor"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setFrame(false);
    combo->addItems(index.column() == LedgerModel::DateColumn ? m_dates : m_texts);
    if (index.column() == LedgerModel::TextColumn)
        combo->lineEdit()->setMaxLength(80); // the field's size
    // A choice from the list is written into the row at once.
    auto *self = const_cast<RecordDelegate *>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
    return combo;
}

void RecordDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const QString text = index.data(Qt::EditRole).toString();
        combo->setCurrentIndex(combo->findText(text));
        combo->setEditText(text);
        // As in a plain cell, the key that opened the editor replaces the
        // value instead of being added to it.
        if (combo->lineEdit())
            combo->lineEdit()->selectAll();
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void RecordDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        if (combo->currentText() != index.data(Qt::EditRole).toString())
            model->setData(index, combo->currentText(), Qt::EditRole);
        return;
    }
    if (auto *line = qobject_cast<QLineEdit *>(editor)) {
        if (line->text() != index.data(Qt::EditRole).toString())
            model->setData(index, line->text(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
