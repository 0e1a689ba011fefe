#pragma once

#include <QDialog>

class ContactBrowser;
class PlatformServices;
class Prompter;
class QLineEdit;
class QRadioButton;
class Table;

// "Databáze telefonního seznamu": the names of the phone book on the left,
// the current entry large on the right, the name or number search, the
// dial box with its button (Ctrl+V), and "Upravit", which opens the entry
// editor on the current entry. The window opens the holder's table and
// closes it again when it goes.
class TForm15 : public QDialog
{
    Q_OBJECT
public:
    TForm15(Table &phoneBook, Prompter &prompter, PlatformServices &services, QWidget *parent = nullptr);
    ~TForm15() override;

    ContactBrowser *browser() const { return m_browser; }
    QLineEdit *dialBox() const { return m_dial; }
    void dial();
    void edit();

private:
    Table &m_table;
    Prompter &m_prompter;
    PlatformServices &m_services;
    ContactBrowser *m_browser = nullptr;
    QLineEdit *m_dial = nullptr;
};
