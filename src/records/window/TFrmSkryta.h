#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class Prompter;
class Table;

// "Skrytá částka k položce": the hidden amount and the hidden text of the
// current record. The sum box follows the typed amount; "OK   " writes
// both in one post, "Storno " and Escape drop every change.
class TFrmSkryta : public QDialog
{
    Q_OBJECT
public:
    TFrmSkryta(Table &ledger, Prompter &prompter, QWidget *parent = nullptr);

    QLineEdit *amountBox() const { return m_amount; }
    QPlainTextEdit *textBox() const { return m_text; }
    QString hiddenLine() const;
    QString sumLine() const;
    void OKClick();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showLines();

    Table &m_ledger;
    Prompter &m_prompter;
    QLabel *m_amountLine = nullptr;
    QLabel *m_hiddenLine = nullptr;
    QLabel *m_sumLine = nullptr;
    QLineEdit *m_amount = nullptr;
    QPlainTextEdit *m_text = nullptr;
};
