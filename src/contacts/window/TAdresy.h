#pragma once

#include "core/data/engine/Table.h"

#include <QDialog>

class ContactBrowser;
class Prompter;

// "Adresy": the surnames on the left, the current address large on the
// right, the search by first name or surname, and "Upravit záznamy", which
// opens the address editor on the same entry. The window owns the table
// of the addresses.
class TAdresy : public QDialog
{
    Q_OBJECT
public:
    explicit TAdresy(Prompter &prompter, QWidget *parent = nullptr);
    ~TAdresy() override;

    Table &table() { return m_table; }
    ContactBrowser *browser() const { return m_browser; }
    void edit();

protected:
    bool event(QEvent *event) override;

private:
    Prompter &m_prompter;
    Table m_table;
    ContactBrowser *m_browser = nullptr;
};
