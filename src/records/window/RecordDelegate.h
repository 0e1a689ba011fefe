#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

class QAbstractItemView;

// Draws and edits the record grid's cells: each cell's text in its row's
// colour, the focused cell white on the selection colour; the date and the
// information text are typed into editable drop-down lists (today and the
// six days before; the information texts), the amount into a plain edit.
class RecordDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit RecordDelegate(QAbstractItemView *view);

    void setDateChoices(const QStringList &dates) { m_dates = dates; }
    void setTextChoices(const QStringList &texts) { m_texts = texts; }
    const QStringList &dateChoices() const { return m_dates; }
    const QStringList &textChoices() const { return m_texts; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    QAbstractItemView *m_view;
    QStringList m_dates;
    QStringList m_texts;
};
