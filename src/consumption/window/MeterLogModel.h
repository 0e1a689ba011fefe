#pragma once

#include "core/data/engine/TableModel.h"

#include <QColor>
#include <QList>

// How a column of a meter log shows its numbers.
struct LogColumn
{
    enum class Shown {
        AsStored, // the month's name
        General,  // a reading: as typed, no trailing zeros
        Fixed,    // "0.000 m3", "0.00 Kč/m3", "0 KWh": `decimals` places and `unit`
        Currency, // the locale's currency format, "1 234,50 Kč"
    };

    QString field;
    QString title;
    Shown shown = Shown::General;
    int decimals = 0;
    QString unit;
    QColor colour;          // invalid: the grid's colour
    bool editable = true;
    bool wholeNumbers = false; // a typed fraction is refused (night-tariff readings)
};

// A meter log's table as its grid shows it: each column in its display
// format and colour; the month column cannot be typed into.
class MeterLogModel : public TableModel
{
    Q_OBJECT
public:
    // The grid colour (#FFFFD7), the month column (#FFFF80) and the worked
    // out columns (#FFFF84).
    static const QColor GridColour;
    static const QColor MonthColour;
    static const QColor WorkedOutColour;

    MeterLogModel(Table &table, QList<LogColumn> columns, QObject *parent = nullptr);

    const QList<LogColumn> &columns() const { return m_columns; }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QList<LogColumn> m_columns;
};
