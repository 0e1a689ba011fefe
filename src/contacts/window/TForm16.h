#pragma once

#include "contacts/window/EntryEditor.h"

class QLineEdit;
class QPlainTextEdit;

// "Upravení/Přidání telefonního záznamu": the name, number and note of the
// phone book's current entry, shared with the phone-book window. "Přidat"
// puts a new entry at the current place, "Smazat" asks first; every way of
// closing writes what was typed.
class TForm16 : public EntryEditor
{
    Q_OBJECT
public:
    TForm16(Table &phoneBook, Prompter &prompter, QWidget *parent = nullptr);

    QLineEdit *nameEdit() const { return m_name; }
    QLineEdit *numberEdit() const { return m_number; }
    QPlainTextEdit *noteEdit() const { return m_note; }

protected:
    QWidget *firstEdit() const override;

private:
    QLineEdit *m_name = nullptr;
    QLineEdit *m_number = nullptr;
    QPlainTextEdit *m_note = nullptr;
};
