#pragma once

#include "contacts/window/EntryEditor.h"

#include <QList>

class QLineEdit;
class QPlainTextEdit;

// "Editor Adres": the fields of the address window's current entry.
// "Přidat" puts a new entry at the current place, "Smazat" asks first;
// every way of closing writes what was typed.
class TFrmEditAdres : public EntryEditor
{
    Q_OBJECT
public:
    TFrmEditAdres(Table &addresses, Prompter &prompter, QWidget *parent = nullptr);

    // The edits in their order: Jméno, Příjmení, Ulice, Město, PSČ.
    const QList<QLineEdit *> &edits() const { return m_edits; }
    QPlainTextEdit *noteEdit() const { return m_note; }

protected:
    QWidget *firstEdit() const override;

private:
    QList<QLineEdit *> m_edits;
    QPlainTextEdit *m_note = nullptr;
};
