#pragma once

#include "widgets/EditingDialog.h"

#include <array>

class MenuCaptions;
class Prompter;
class QLineEdit;
class Table;

// "Jména položek záznamové databáze": the names of one item group (the one
// whose names table the holder has open), each box bound to its field.
// Every change shows at once in the main window's captions of that group;
// the names are written when the dialog closes, in any way.
class TForm13 : public EditingDialog
{
    Q_OBJECT
public:
    TForm13(Table &names, MenuCaptions &captions, Prompter &prompter, QWidget *parent = nullptr);
    ~TForm13() override;

    int group() const { return m_group; }
    QLineEdit *groupBox() const { return m_groupName; }
    QLineEdit *buttonBox() const { return m_buttonName; }
    QLineEdit *itemBox(int n) const { return m_items[std::size_t(n - 1)]; }

protected:
    bool writePending() override;

private:
    // Writes a typed name into the record (the first edit of a table
    // without a row makes its one row).
    void store(const QString &field, const QString &text);

    Table &m_names;
    MenuCaptions &m_captions;
    int m_group = 0;
    bool m_loading = false;
    QLineEdit *m_groupName = nullptr;
    QLineEdit *m_buttonName = nullptr;
    std::array<QLineEdit *, 12> m_items{};
};
