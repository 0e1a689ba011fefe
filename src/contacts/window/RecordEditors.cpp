#include "contacts/window/RecordEditors.h"

#include "core/data/engine/Table.h"

#include <QLineEdit>
#include <QPlainTextEdit>

RecordEditors::RecordEditors(Table &table, Prompter &prompter, QObject *parent)
    : QObject(parent), m_table(table), m_guarded(prompter)
{
    for (auto signal : {&Table::afterScroll, &Table::afterPost, &Table::afterDelete, &Table::controlsReset,
                        &Table::afterInsert})
        connect(&table, signal, this, &RecordEditors::refresh);
}

RecordEditors::~RecordEditors() { m_table.disconnect(this); }

void RecordEditors::bind(QLineEdit *edit, const QString &field)
{
    m_lines.append({edit, field});
    const int index = m_table.fieldIndex(field);
    if (index >= 0 && m_table.fields().at(index).size > 0)
        edit->setMaxLength(m_table.fields().at(index).size);
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &text) { typed(field, text); });
    refresh();
}

void RecordEditors::bind(QPlainTextEdit *edit, const QString &field)
{
    m_boxes.append({edit, field});
    edit->setTabChangesFocus(true);
    connect(edit, &QPlainTextEdit::textChanged, this, [this, edit, field] {
        if (!m_refreshing)
            typed(field, edit->toPlainText());
    });
    refresh();
}

void RecordEditors::typed(const QString &field, const QString &text)
{
    if (!m_table.isOpen() || m_table.fieldIndex(field) < 0)
        return;
    m_guarded([&] {
        // Typing into an empty table starts its first entry.
        if (m_table.state() == Table::State::Browse) {
            if (m_table.isEmpty())
                m_table.append();
            else
                m_table.edit();
        }
        m_table.field(field).setString(text);
    });
}

void RecordEditors::refresh()
{
    m_refreshing = true;
    const bool onEntry = m_table.isOpen() && m_table.controlCurrentRow() >= 0;
    const auto value = [&](const QString &field) {
        return onEntry && m_table.fieldIndex(field) >= 0 ? m_table.field(field).asString() : QString();
    };
    for (const auto &[edit, field] : std::as_const(m_lines))
        if (edit->text() != value(field))
            edit->setText(value(field));
    for (const auto &[edit, field] : std::as_const(m_boxes))
        if (edit->toPlainText() != value(field))
            edit->setPlainText(value(field));
    m_refreshing = false;
}
