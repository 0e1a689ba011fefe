#pragma once

#include "records/ledger/LedgerSearch.h"

#include <QDialog>

class QLineEdit;
class QProgressBar;
class QRadioButton;
class Table;

// "Hledání": finds a record of the ledger by its date, information text,
// supplement or amount. Each "Start    " goes on after the record found;
// the record found is the record window's current record.
class TFrmHledani : public QDialog
{
    Q_OBJECT
public:
    // `records`: how many records the ledger has (at least 1).
    TFrmHledani(Table &ledger, int records, bool neo, QWidget *parent = nullptr);

    LedgerSearch::Field field() const;
    QLineEdit *textBox() const { return m_text; }
    QProgressBar *progress() const { return m_progress; }
    void Start();

protected:
    void showEvent(QShowEvent *event) override;

private:
    LedgerSearch m_search;
    bool m_neo;
    QLineEdit *m_text = nullptr;
    QProgressBar *m_progress = nullptr;
    QRadioButton *m_date = nullptr;
    QRadioButton *m_infoText = nullptr;
    QRadioButton *m_supplement = nullptr;
    QRadioButton *m_amount = nullptr;
};
