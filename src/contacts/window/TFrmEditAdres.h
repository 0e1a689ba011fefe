#pragma once

#include "widgets/EditingDialog.h"

#include <QList>

class QLineEdit;
class QPlainTextEdit;
class RecordEditors;
class Table;

// "Editor Adres": the fields of the address window's current entry.
// "Přidat" puts a new entry at the current place, "Smazat" asks first;
// every way of closing writes what was typed.
class TFrmEditAdres : public EditingDialog
{
    Q_OBJECT
public:
    TFrmEditAdres(Table &addresses, Prompter &prompter, QWidget *parent = nullptr);

    // The edits in their order: Jméno, Příjmení, Ulice, Město, PSČ.
    const QList<QLineEdit *> &edits() const { return m_edits; }
    QPlainTextEdit *noteEdit() const { return m_note; }
    void add();
    void remove();

protected:
    bool writePending() override;

private:
    Table &m_table;
    RecordEditors *m_editors = nullptr;
    QList<QLineEdit *> m_edits;
    QPlainTextEdit *m_note = nullptr;
};
