#pragma once

#include "graphs/points/GraphPoints.h"

#include <QDialog>

class Clock;
class Prompter;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class TForm4;

// "Speciální funkce grafu": shows only the incomes or only the expenses of
// the graphed ledger, and/or one more planned ("virtual") point, by
// rewriting the graph window's points. Closing it lets the graph window
// rebuild its standard chart.
class TFrmSpec : public QDialog
{
    Q_OBJECT
public:
    TFrmSpec(TForm4 &graph, QString kind, Prompter &prompter, const Clock &clock);
    ~TFrmSpec() override;

    // "Použít"; false when the ledger is empty (told) or the amount is not
    // an amount (told).
    bool apply();

    QCheckBox *expensesOnly() const { return m_expenses; }
    QCheckBox *incomesOnly() const { return m_incomes; }
    QCheckBox *useVirtual() const { return m_virtual; }
    QLineEdit *amountBox() const { return m_amount; }
    QDateEdit *dateBox() const { return m_date; }

    void done(int result) override;

private:
    void virtualToggled(bool on);
    void closing();

    TForm4 &m_graph;
    QString m_kind;
    Prompter &m_prompter;
    QCheckBox *m_expenses = nullptr;
    QCheckBox *m_incomes = nullptr;
    QCheckBox *m_virtual = nullptr;
    QLineEdit *m_amount = nullptr;
    QDateEdit *m_date = nullptr;
    bool m_closed = false;
};
