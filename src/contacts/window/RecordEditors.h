#pragma once

#include "core/data/engine/ErrorGuard.h"

#include <QList>
#include <QObject>
#include <QPair>

class Prompter;
class QLineEdit;
class QPlainTextEdit;
class Table;

// Edit fields bound to fields of a table's current entry, as the entry
// editors have them: they show the entry, and what the user types goes
// into it at once (the entry is then being edited; moving to another
// entry, or closing, posts it).
class RecordEditors : public QObject
{
    Q_OBJECT
public:
    // A table error of the typing is told through `prompter`.
    RecordEditors(Table &table, Prompter &prompter, QObject *parent);
    ~RecordEditors() override;

    // `edit` edits `field`, at most as long as the field holds.
    void bind(QLineEdit *edit, const QString &field);
    void bind(QPlainTextEdit *edit, const QString &field);

    // The editors show the current entry again.
    void refresh();

private:
    void typed(const QString &field, const QString &text);

    Table &m_table;
    ErrorGuard m_guarded;
    QList<QPair<QLineEdit *, QString>> m_lines;
    QList<QPair<QPlainTextEdit *, QString>> m_boxes;
    bool m_refreshing = false;
};
