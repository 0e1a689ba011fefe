#include "consumption/window/PricedLogWindow.h"

#include "consumption/meter/ConsumptionLog.h"
#include "consumption/meter/LogOpening.h"
#include "consumption/window/LogGrid.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Paths.h"
#include "widgets/Hints.h"
#include "widgets/TableGrid.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

struct PricedLogWindow::Log
{
    Table table;
    std::unique_ptr<ConsumptionLog> log;
    LogGrid *grid = nullptr;
    QPushButton *totalButton = nullptr;
    QLabel *total = nullptr;
};

QList<LogColumn> pricedColumns(const QString &priceField, const QString &priceTitle, LogColumn::Shown moneyShown,
                               int consumptionDecimals, const QString &consumptionUnit, const QString &priceUnit)
{
    using Shown = LogColumn::Shown;
    return {
        {QStringLiteral("Mesic"), QStringLiteral("Měsíc"), Shown::AsStored, 0, {}, MeterLogModel::MonthColour, false},
        {QStringLiteral("Pocatek"), QStringLiteral("Počáteční stav"), Shown::General, 0, {}, {}, true},
        {QStringLiteral("Konec"), QStringLiteral("Konečný stav"), Shown::General, 0, {}, {}, true},
        {QStringLiteral("Spotreba"), QStringLiteral("Spotřeba"), Shown::Fixed, consumptionDecimals, consumptionUnit,
         MeterLogModel::WorkedOutColour, true},
        {priceField, priceTitle, moneyShown, 2, priceUnit, {}, true},
        {QStringLiteral("Castka"), QStringLiteral("Částka"), moneyShown, 2, QStringLiteral("Kč"),
         MeterLogModel::WorkedOutColour, true},
    };
}

PricedLogWindow::PricedLogWindow(Prompter &prompter, PlatformServices &services, QWidget *parent,
                                 const QString &caption, QSize size, bool closeBox, const std::vector<LogSetup> &logs,
                                 const QString &converter, LogYear year)
    : LogWindowFrame(prompter, parent, year.caption(caption), size, closeBox), m_year(year)
{
    QList<Table *> tables;
    for (const LogSetup &setup : logs) {
        auto log = std::make_unique<Log>();
        log->table.setFolder(year.folder());
        log->table.setTableName(setup.fileName);
        log->log = std::make_unique<ConsumptionLog>(log->table, QList<Meter>{setup.meter()});
        log->log->setReadOnly(year.previous);
        tables << &log->table;
        m_logs.push_back(std::move(log));
    }
    // FormCreate: the tables, or their converter. The previous year's are
    // only shown: what keeps them from opening is told as it is.
    if (year.previous)
        LogOpening::openOnly(tables, prompter);
    else
        LogOpening::openOrConvert(tables, Paths::executableFolder(), converter, prompter, services);

    for (std::size_t i = 0; i < m_logs.size(); ++i) {
        Log &log = *m_logs[i];
        const LogSetup &setup = logs[i];
        log.grid = new LogGrid(*log.log, setup.columns, prompter, surface());
        log.grid->grid()->setObjectName(setup.gridName);
        Hints::apply(log.grid->grid(), setup.gridHint);
        log.totalButton = button(QStringLiteral("Spočítat celkem"), setup.gridName + QStringLiteral("Celkem"),
                                 QStringLiteral("Spočítá celkovou částku za 1 rok"), {});
        log.total = label(setup.totalPlaceholder, setup.totalName, {});
        log.total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const int index = int(i);
        connect(log.totalButton, &QPushButton::clicked, this, [this, index] { showTotal(index); });
        // TVEnter, SVEnter, ElEnter: the total again whenever the grid is
        // entered, unless the window is about to close for the converter.
        connect(log.grid, &LogGrid::entered, this, [this, index] {
            if (!handedToConverter())
                showTotal(index);
        });
    }
}

PricedLogWindow::~PricedLogWindow()
{
    // FormDestroy: the pending rows are written, unless the tables were
    // handed to the converter.
    if (!handedToConverter())
        writeAll();
    for (auto &log : m_logs)
        log->table.close();
    delete surface(); // the grids go before their tables
}

LogGrid *PricedLogWindow::logGrid(int index) const { return m_logs.at(std::size_t(index))->grid; }

bool PricedLogWindow::handedToConverter() const { return !m_year.previous && LogOpening::conversionStarted(); }

bool PricedLogWindow::tablesOpen() const
{
    return std::all_of(m_logs.begin(), m_logs.end(), [](const auto &log) { return log->table.isOpen(); });
}



void PricedLogWindow::placeLog(int index, QRect grid, QRect totalButton, QRect total)
{
    Log &log = *m_logs.at(std::size_t(index));
    log.grid->grid()->setGeometry(grid);
    log.totalButton->setGeometry(totalButton);
    log.total->setGeometry(total);
}

void PricedLogWindow::addCarryButton(int index, const QString &name, QRect where)
{
    QPushButton *carry = button(QStringLiteral("Vlož počáteční stav"), name,
                                QStringLiteral("Vloží počáteční stav z minulého měsíce"), where);
    carry->setEnabled(!m_year.previous);
    connect(carry, &QPushButton::clicked, this, [this, index] { carryOver(index); });
}

void PricedLogWindow::addOkButton(QRect where)
{
    QPushButton *ok = button(QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("Uložit změny a zavřít okno"),
                             where);
    connect(ok, &QPushButton::clicked, this, &PricedLogWindow::writeAndClose);
}

void PricedLogWindow::showTotal(int index)
{
    Log &log = *m_logs.at(std::size_t(index));
    if (!log.table.isOpen())
        return;
    log.total->setText(QStringLiteral("Moment..."));
    Money sum;
    bool done = false;
    busy([&] { done = log.grid->run([&] { sum = log.log->total(); }); });
    if (done)
        log.total->setText(ConsumptionLog::totalText(sum));
}

void PricedLogWindow::carryOver(int index)
{
    Log &log = *m_logs.at(std::size_t(index));
    log.grid->run([&] { log.log->carryOver(); });
}

bool PricedLogWindow::writePending()
{
    if (handedToConverter())
        return true;
    bool written = true;
    for (auto &log : m_logs) {
        if (log->grid->grid()->commitOpenEditor())
            log->log->postPending();
        else
            written = false;
    }
    return written;
}

void PricedLogWindow::paintEvent(QPaintEvent *event)
{
    LogWindowFrame::paintEvent(event);
    // FormPaint: a converter has the tables; the window goes.
    if (!m_closing && handedToConverter()) {
        m_closing = true;
        QTimer::singleShot(0, this, &QDialog::reject);
    }
}
