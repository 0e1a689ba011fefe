#pragma once

#include <QDialog>

class ContactBrowser;
class Prompter;
class Table;

// "Předvolby telefonních čísel pro Českou Republiku": the town and its area
// code large, the list of towns, and the search by town or by code. The
// window opens the holder's table and closes it when it goes.
class TForm18 : public QDialog
{
    Q_OBJECT
public:
    TForm18(Table &areaCodes, Prompter &prompter, QWidget *parent = nullptr);
    ~TForm18() override;

    ContactBrowser *browser() const { return m_browser; }

private:
    Table &m_table;
    ContactBrowser *m_browser = nullptr;
};
