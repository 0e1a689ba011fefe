#pragma once

#include "core/data/catalogue/Holders.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"

#include <QSize>
#include <QTemporaryDir>
#include <memory>

class TForm4;

// A program folder with every table, the holders of a run and a prompter
// that answers nothing: what the graph window needs outside a test.
class GraphBench
{
public:
    GraphBench();
    ~GraphBench();

    QString folder() const { return m_dir.path(); }
    // `rows` records in January: incomes and expenses over the month.
    void fillJanuary(int rows);
    // January afresh: one record on each of `days`, in that order.
    void fillJanuaryOn(const QList<int> &days);
    // What the graph command does, then the window shown at `size` and
    // activated; the chart is drawn once before it returns.
    std::unique_ptr<TForm4> open(const QString &kind, QSize size);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Prompter> m_prompter;
    FixedClock m_clock;
    std::unique_ptr<TDataModule2> m_module2;
    std::unique_ptr<TDataModule23> m_module23;
};
