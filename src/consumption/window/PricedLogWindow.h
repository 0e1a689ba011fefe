#pragma once

#include "consumption/meter/LogYear.h"
#include "consumption/window/LogWindowFrame.h"
#include "consumption/window/MeterLogModel.h"

#include <memory>
#include <vector>

class ConsumptionLog;
class LogGrid;
class PlatformServices;
class Table;
struct Meter;

// A window of priced meter logs (water, single-tariff electricity, gas):
// its tables are opened when it is made, or, when they cannot be, their
// converter is started and the window closes at its first paint (Prevod);
// each log has its carry-over button, its total button and label, and a
// total worked out whenever its grid is entered.
class PricedLogWindow : public LogWindowFrame
{
    Q_OBJECT
public:
    ~PricedLogWindow() override;

    // The grid of log `index` (0 the first).
    LogGrid *logGrid(int index) const;
    bool tablesOpen() const override;

    // What a window tells of each of its logs: the table file, the meter,
    // the columns and the names of the controls.
    struct LogSetup
    {
        QString fileName;
        Meter (*meter)();
        QList<LogColumn> columns;
        QString gridName;
        QString gridHint;
        QString totalName;        // the total label
        QString totalPlaceholder; // its text until the first total
    };

protected:
    PricedLogWindow(Prompter &prompter, PlatformServices &services, QWidget *parent, const QString &caption,
                    QSize size, bool closeBox, const std::vector<LogSetup> &logs, const QString &converter,
                    LogYear year);

    // ReCalc: the total of log `index` into its label.
    void showTotal(int index);
    // The carry-over of log `index`.
    void carryOver(int index);
    void placeLog(int index, QRect grid, QRect totalButton, QRect totalLabel);
    // The "Vlož počáteční stav" button of log `index`, named `name`: it
    // carries the last reading of the month before over.
    void addCarryButton(int index, const QString &name, QRect where);
    // The window's OK button: writes and closes.
    void addOkButton(QRect where);

    bool writePending() override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Prevod: a converter has the tables (never for the previous year's,
    // which are only shown).
    bool handedToConverter() const;

    struct Log;
    std::vector<std::unique_ptr<Log>> m_logs;
    LogYear m_year;
    bool m_closing = false;
};

// The columns of a priced log: the month, the two readings, the
// consumption, the price and the amount, titled as the window shows them.
QList<LogColumn> pricedColumns(const QString &priceField, const QString &priceTitle, LogColumn::Shown moneyShown,
                               int consumptionDecimals, const QString &consumptionUnit, const QString &priceUnit);
