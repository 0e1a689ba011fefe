#pragma once

#include "records/ledger/WizardEntry.h"

#include <QDialog>
#include <functional>

class Clock;
class Prompter;
class QComboBox;
class QLCDNumber;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QStackedWidget;
class Table;

// "Průvodce přidáním položky": writes one ledger record in three pages:
// where it goes, what it holds, the colour of its row.
class TFrmPruvodce : public QDialog
{
    Q_OBJECT
public:
    TFrmPruvodce(Table &ledger, std::function<QStringList()> texts, Prompter &prompter, const Clock &clock,
                 QWidget *parent = nullptr);

    int page() const;
    WizardEntry::Placement placement() const;
    QLineEdit *dateBox() const { return m_date; }
    QComboBox *textBox() const { return m_text; }
    QLineEdit *supplementBox() const { return m_supplement; }
    QLineEdit *amountBox() const { return m_amount; }
    QLCDNumber *colourNumber() const { return m_colourNumber; }
    int colour() const { return m_colour; }

    void Dalsi();
    void Predchozi();
    void NastavitBarvu();

private:
    void showPage(int page);
    void showColour(int number);

    Table &m_ledger;
    std::function<QStringList()> m_texts;
    Prompter &m_prompter;
    const Clock &m_clock;
    QStackedWidget *m_pages = nullptr;
    QRadioButton *m_overwrite = nullptr;
    QRadioButton *m_append = nullptr;
    QRadioButton *m_insert = nullptr;
    QLineEdit *m_date = nullptr;
    QComboBox *m_text = nullptr;
    QLineEdit *m_supplement = nullptr;
    QLineEdit *m_amount = nullptr;
    QLabel *m_sample = nullptr;
    QLCDNumber *m_colourNumber = nullptr;
    QProgressBar *m_progress = nullptr;
    int m_colour = 0;
};
