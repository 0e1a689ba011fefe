#include "consumption/meter/ConsumptionLog.h"

#include "consumption/meter/MeterArithmetic.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"

#include <cmath>

namespace {

// Display updates of the grids suspended for a walk, whatever ends it.
class ControlsSuspended
{
public:
    explicit ControlsSuspended(Table &table) : m_table(table) { m_table.disableControls(); }
    ~ControlsSuspended() { m_table.enableControls(); }
    ControlsSuspended(const ControlsSuspended &) = delete;
    ControlsSuspended &operator=(const ControlsSuspended &) = delete;

private:
    Table &m_table;
};

} // namespace

namespace Meters {

Meter water()
{
    return {QStringLiteral("Pocatek"), QStringLiteral("Konec"), QStringLiteral("Spotreba"), QStringLiteral("Kc/m3"),
            QStringLiteral("Castka"), 3, 1.0, false};
}

Meter electricity()
{
    return {QStringLiteral("Pocatek"), QStringLiteral("Konec"), QStringLiteral("Spotreba"), QStringLiteral("Kc/KWh"),
            QStringLiteral("Castka"), 1, 1.0, false};
}

Meter gas()
{
    // The energy content of gas is taken as a fixed 10.5 kWh per m3.
    return {QStringLiteral("Pocatek"), QStringLiteral("Konec"), QStringLiteral("Spotreba"), QStringLiteral("Kc/m3"),
            QStringLiteral("Castka"), 3, 10.5, false};
}

} // namespace Meters

const QString ConsumptionLog::RefusalMessage = QStringLiteral("Zde nemůžete vkládat další položky !");

ConsumptionLog::ConsumptionLog(Table &table, QList<Meter> meters) : m_table(table), m_meters(std::move(meters)) {}

double ConsumptionLog::reading(const QString &field) const { return m_table.field(field).asDouble(); }

void ConsumptionLog::recomputeRow()
{
    if (m_readOnly)
        return;
    if (!m_table.isOpen() || m_table.isEmpty())
        return;
    const bool ownEdit = m_table.state() == Table::State::Browse;
    if (ownEdit)
        m_table.edit();
    for (const Meter &meter : m_meters)
        for (const QString &name : {meter.start, meter.end})
            if (m_table.field(name).asString().isEmpty())
                m_table.field(name).setDouble(0);
    for (const Meter &meter : m_meters) {
        const double start = reading(meter.start);
        const double end = reading(meter.end);
        if (meter.wholeReadings) {
            for (double value : {start, end}) {
                // Nothing is written: the user puts the reading right here.
                if (!MeterArithmetic::wholeReading(value)) {
                    if (ownEdit)
                        m_table.cancel();
                    throw EngineError(wholeReadingMessage(value));
                }
            }
        }
        const double used = MeterArithmetic::consumption(start, end);
        std::optional<Money> amount;
        if (!meter.price.isEmpty()) {
            const Money price = m_table.field(meter.price).asMoney();
            amount = MeterArithmetic::amount(used, price, meter.consumptionDecimals, meter.energyPerUnit);
            if (!amount) {
                if (ownEdit)
                    m_table.cancel();
                throw EngineError(amountOutOfRangeMessage(used, price));
            }
        }
        if (!MeterArithmetic::isKeepable(start) || !MeterArithmetic::isKeepable(end)) {
            if (ownEdit)
                m_table.cancel();
            throw EngineError(readingOutOfRangeMessage(MeterArithmetic::isKeepable(start) ? end : start));
        }
        m_table.field(meter.consumption).setDouble(used);
        if (amount)
            m_table.field(meter.amount).setMoney(*amount);
    }
    m_table.post();
}

void ConsumptionLog::postPending()
{
    // A row left by closing is worked out as a row left by moving: what it
    // cannot hold is refused, not stored.
    if (m_table.isOpen() && m_table.state() != Table::State::Browse)
        recomputeRow();
}

void ConsumptionLog::first()
{
    recomputeRow();
    m_table.first();
}

void ConsumptionLog::next()
{
    recomputeRow();
    m_table.next();
}

void ConsumptionLog::prior()
{
    recomputeRow();
    m_table.prior();
}

Money ConsumptionLog::total()
{
    if (!m_table.isOpen() || m_table.isEmpty() || m_meters.isEmpty() || m_meters.first().amount.isEmpty())
        return Money();
    const Table::Bookmark place = m_table.bookmark();
    const QString amountField = m_meters.first().amount;
    Money sum;
    {
        ControlsSuspended suspended(m_table);
        // Every row is worked out before its amount is read, so a row just
        // typed into counts with its new amount; the move on needs no more.
        for (first(); !m_table.eof(); m_table.next()) {
            recomputeRow();
            sum += m_table.field(amountField).asMoney();
        }
        if (m_table.bookmarkValid(place))
            m_table.gotoBookmark(place);
    }
    return sum;
}

void ConsumptionLog::carryOver(int meter)
{
    if (m_readOnly || !m_table.isOpen() || m_table.isEmpty() || meter < 0 || meter >= m_meters.size())
        return;
    const Meter &which = m_meters.at(meter);
    ControlsSuspended suspended(m_table);
    prior();
    const QVariant endReading = m_table.field(which.end).value();
    next();
    m_table.edit();
    m_table.field(which.start).setValue(endReading);
    m_table.post();
}

QString ConsumptionLog::wholeReadingMessage(double reading)
{
    return QStringLiteral("„%1“ není platné celé číslo. Stavy elektroměru se zapisují v celých kWh.")
        .arg(Locale::number(reading));
}

QString ConsumptionLog::readingOutOfRangeMessage(double reading)
{
    return QStringLiteral("„%1“ není možný stav měřidla: program uchová stav nejvýše o 15 číslicích.")
        .arg(std::isfinite(reading) ? Locale::number(reading) : QStringLiteral("∞"));
}

QString ConsumptionLog::amountOutOfRangeMessage(double consumption, Money price)
{
    return QStringLiteral("Spotřeba %1 za cenu %2 dává částku, kterou program nemůže uložit. Opravte stav měřidla "
                          "nebo cenu.")
        .arg(Locale::number(consumption), Locale::money(price));
}

QString ConsumptionLog::totalText(Money total) { return QStringLiteral("Celkem: ") + Locale::money(total); }

// ---------------------------------------------------------------- night tariff

const QString NightTariffLog::EqualiseTitle = QStringLiteral("Dotaz");
const QString NightTariffLog::EqualiseQuestion = QStringLiteral("Přejete si nastavit všechny sazby podle měsíce Ledna ?");

NightTariffLog::NightTariffLog(Table &table)
    : ConsumptionLog(table,
                     {Meter{QStringLiteral("Pocatek01"), QStringLiteral("Konec01"), QStringLiteral("Spotreba01"), {}, {},
                            0, 1.0, true},
                      Meter{QStringLiteral("Pocatek02"), QStringLiteral("Konec02"), QStringLiteral("Spotreba02"), {}, {},
                            0, 1.0, true}})
{
}

void NightTariffLog::equaliseRates()
{
    Table &rates = table();
    if (isReadOnly() || !rates.isOpen() || rates.isEmpty())
        return;
    const QString day = QStringLiteral("SazbaDen");
    const QString night = QStringLiteral("SazbaNoc");
    ControlsSuspended suspended(rates);
    first();
    const QVariant januaryDay = rates.field(day).value();
    const QVariant januaryNight = rates.field(night).value();
    // Each row is worked out as the cursor leaves it, as on any walk.
    for (next(); !rates.eof(); next()) {
        rates.edit();
        rates.field(day).setValue(januaryDay);
        rates.field(night).setValue(januaryNight);
        rates.post();
    }
}
