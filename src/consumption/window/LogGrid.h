#pragma once

#include "consumption/window/MeterLogModel.h"

#include <QObject>
#include <functional>

class ConsumptionLog;
class Prompter;
class TableGrid;
class QWidget;

// The grid of one meter log, wired to its log: the row the cursor leaves
// is worked out first (a reading the log cannot use is told and keeps the
// cursor on the row), no new row is taken ("Zde nemůžete vkládat další
// položky !"), and the log's walks run with the typing of an open editor
// written first.
class LogGrid : public QObject
{
    Q_OBJECT
public:
    LogGrid(ConsumptionLog &log, QList<LogColumn> columns, Prompter &prompter, QWidget *parent);

    TableGrid *grid() const { return m_grid; }
    MeterLogModel *model() const { return m_model; }
    ConsumptionLog &log() const { return m_log; }

    // Writes an open editor, runs `work` on the log and tells a table error;
    // the grid stays in the column it was in. False when it failed.
    bool run(const std::function<void()> &work);
    // Widths of the columns, in their order.
    void setColumnWidths(const QList<int> &widths);

signals:
    // The focus came into the grid from another control (TVEnter).
    void entered();

private:
    bool leaveRow();

    ConsumptionLog &m_log;
    Prompter &m_prompter;
    TableGrid *m_grid = nullptr;
    MeterLogModel *m_model = nullptr;
    bool m_enteredOnce = false;
};
