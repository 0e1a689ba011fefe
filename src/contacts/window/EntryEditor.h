#pragma once

#include "widgets/EditingDialog.h"

class Navigator;
class QHBoxLayout;
class QPushButton;
class RecordEditors;
class Table;

// What the entry editors share: edits bound to the current entry of a
// table, a navigator that walks it, "Přidat" (a new entry at the current
// place) and "Smazat" (which asks first); every way of closing writes what
// was typed.
class EntryEditor : public EditingDialog
{
    Q_OBJECT
public:
    EntryEditor(Table &table, const QString &deleteQuestion, Prompter &prompter, QWidget *parent);

    void add();
    void remove();

protected:
    RecordEditors *editors() const { return m_editors; }
    Navigator *navigator() const { return m_navigator; }
    // "Přidat", "Smazat", then `close` at the right.
    QHBoxLayout *buttonRow(QPushButton *close);
    // Where the typing starts, after "Přidat" too.
    virtual QWidget *firstEdit() const = 0;
    bool writePending() override;

private:
    Table &m_table;
    QString m_deleteQuestion;
    RecordEditors *m_editors = nullptr;
    Navigator *m_navigator = nullptr;
};
