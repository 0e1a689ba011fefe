#pragma once

#include "core/data/engine/TableModel.h"

#include <QColor>
#include <optional>

class RowTicks;

// The record grid's model: the columns "Datum", "Text 80" and "Castka"
// of the ledger, with the row's text colour from "Cislo", the date and the
// amount in bold, the amount right-aligned, and the column titles in
// maroon, navy and red.
class LedgerModel : public TableModel
{
    Q_OBJECT
public:
    enum Column { DateColumn = 0, TextColumn = 1, AmountColumn = 2 };

    LedgerModel(Table &ledger, const RowTicks &ticks, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The row's number ("Kratky - Short"); nothing for a row without one.
    std::optional<int> rowNumber(int row) const;
    bool isTicked(int row) const;
    // The row's text colour as "Cislo" holds it; black when unset.
    QColor rowColour(int row) const;

    static QColor titleColour(int column);

private:
    const RowTicks &m_ticks;
};
