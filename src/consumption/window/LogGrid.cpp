#include "consumption/window/LogGrid.h"

#include "consumption/meter/ConsumptionLog.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "widgets/TableGrid.h"

#include <QApplication>
#include <algorithm>
#include <QHeaderView>

LogGrid::LogGrid(ConsumptionLog &log, QList<LogColumn> columns, Prompter &prompter, QWidget *parent)
    : QObject(parent), m_log(log), m_prompter(prompter)
{
    m_grid = new TableGrid(parent);
    // A log only shown takes no typing anywhere.
    if (log.isReadOnly())
        for (LogColumn &column : columns)
            column.editable = false;
    m_model = new MeterLogModel(log.table(), std::move(columns), this);
    m_model->setErrorReporter([this](const QString &message) { m_prompter.message(message); });
    m_grid->showTable(m_model, [this](const std::function<void()> &work) { return run(work); });
    m_grid->setNewRowsAllowed(false);
    m_grid->setRowLeaveCheck([this] { return leaveRow(); });
    connect(m_grid, &TableGrid::newRowRefused, this,
            [this] { m_prompter.message(ConsumptionLog::RefusalMessage); });
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->verticalHeader()->setMinimumWidth(12);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    QPalette colours = m_grid->palette();
    colours.setColor(QPalette::Base, MeterLogModel::GridColour);
    m_grid->setPalette(colours);

    // The cell editor is part of the grid: only focus coming from another
    // control of the window is an entry (and the first focus the grid gets);
    // the window becoming active again, after a message, is none.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        const auto inGrid = [this](QWidget *widget) { return widget && (widget == m_grid || m_grid->isAncestorOf(widget)); };
        if (!inGrid(now) || inGrid(old))
            return;
        const bool fromThisWindow = old && old->window() == m_grid->window();
        if (fromThisWindow || !m_enteredOnce) {
            m_enteredOnce = true;
            emit entered();
        }
    });
}

bool LogGrid::leaveRow()
{
    try {
        m_log.recomputeRow();
        return true;
    } catch (const EngineError &error) {
        m_prompter.message(error.message());
        return false;
    }
}

bool LogGrid::run(const std::function<void()> &work)
{
    if (!m_grid->commitOpenEditor())
        return false;
    const int column = std::max(0, m_grid->currentIndex().column());
    bool done = true;
    try {
        work();
    } catch (const EngineError &error) {
        m_prompter.message(error.message());
        done = false;
    }
    const int row = m_log.table().controlCurrentRow();
    if (row >= 0 && row < m_model->rowCount())
        m_grid->setCurrentIndex(m_model->index(row, column));
    return done;
}

void LogGrid::setColumnWidths(const QList<int> &widths)
{
    for (int column = 0; column < widths.size(); ++column)
        m_grid->setColumnWidth(column, widths.at(column));
}
