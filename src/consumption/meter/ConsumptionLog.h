#pragma once

#include "core/data/format/Money.h"

#include <QList>
#include <QString>

class Table;

// One meter of a log: the fields of its two readings and its consumption,
// and, when the log prices it, the fields of the price and the amount.
struct Meter
{
    QString start;                 // reading at the start of the month
    QString end;                   // reading at the end of the month
    QString consumption;           // worked out, never typed
    QString price;                 // typed; empty when the log has no amounts
    QString amount;                // worked out
    int consumptionDecimals = 3;   // as the grid shows the consumption
    double energyPerUnit = 1.0;    // the price is per kWh of a unit (gas)
    bool wholeReadings = false;    // readings are whole numbers (night tariff)
};

// The meters of the priced logs.
namespace Meters {
Meter water();       // m3, consumption shown "0.000 m3"
Meter electricity(); // kWh, consumption shown "0.0 KWh"
Meter gas();         // m3 priced per kWh: 10.5 kWh a m3
} // namespace Meters

// A twelve-month meter log: one table of twelve month rows, readings typed
// straight into it, the consumption and amount of a row worked out each
// time the cursor leaves the row, a yearly total, the carry-over of the
// previous month's end reading, and no new rows.
//
// Every move of the cursor that the log makes itself works out the row it
// leaves first; the window asks `recomputeRow` before the user's moves.
// Table errors (and readings that are not numbers the log can use) are
// raised as EngineError.
class ConsumptionLog
{
public:
    static constexpr int Months = 12;
    static const QString RefusalMessage; // "Zde nemůžete vkládat další položky !"

    ConsumptionLog(Table &table, QList<Meter> meters);

    Table &table() const { return m_table; }
    const QList<Meter> &meters() const { return m_meters; }

    // A log only shown (the previous year's): nothing is worked out or
    // written, the total sums the amounts as stored.
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }

    // RecomputeRow: empty readings become 0; each meter's consumption (0
    // when the end reading is below the start) and its amount are written
    // with a pending edit of the row, in one post.
    void recomputeRow();
    // The yearly total of the amounts of the first meter, every row worked
    // out on the way; the cursor comes back to its row.
    Money total();
    // "Vlož počáteční stav": the end reading of the row above becomes the
    // start reading of the current row; on the first row, the first row's
    // end reading becomes the second row's start and the cursor goes there.
    void carryOver(int meter = 0);
    // Writes a pending edit of the current row, worked out as on leaving it.
    void postPending();

    // "Celkem: 1 234,50 Kč".
    static QString totalText(Money total);
    // Why a reading that must be whole is refused.
    static QString wholeReadingMessage(double reading);
    // Why a reading beyond what the log keeps is refused.
    static QString readingOutOfRangeMessage(double reading);
    // Why a row whose amount an amount cannot hold is refused.
    static QString amountOutOfRangeMessage(double consumption, Money price);

protected:
    // Moves that work out the row they leave.
    void first();
    void next();
    void prior();

private:
    double reading(const QString &field) const;

    Table &m_table;
    QList<Meter> m_meters;
    bool m_readOnly = false;
};

// The night-tariff log: two meters, whole readings, no amounts, and the
// rates of every month set to January's.
class NightTariffLog : public ConsumptionLog
{
public:
    static const QString EqualiseTitle;    // "Dotaz"
    static const QString EqualiseQuestion; // "Přejete si nastavit všechny sazby podle měsíce Ledna ?"

    explicit NightTariffLog(Table &table);

    // "Sjednotit sazby" after the user said "Ano": every month takes
    // January's day and night rate; the cursor ends on the last row.
    void equaliseRates();
};
