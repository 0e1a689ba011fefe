#include "records/window/LedgerModel.h"

#include "core/data/engine/Table.h"
#include "records/ledger/LedgerFields.h"
#include "records/ledger/RowTicks.h"
#include "widgets/Colours.h"

#include <QColor>
#include <QFont>

LedgerModel::LedgerModel(Table &ledger, const RowTicks &ticks, QObject *parent)
    : TableModel(ledger, {LedgerField::Date, LedgerField::Text, LedgerField::Amount}, parent), m_ticks(ticks)
{
    // The titles are the fields' display labels.
    setHeaders({QStringLiteral("Datum"), QStringLiteral("Informační text"), QStringLiteral("Částka")});
}

QColor LedgerModel::titleColour(int column)
{
    switch (column) {
    case DateColumn: return QColor(128, 0, 0);   // maroon
    case TextColumn: return QColor(0, 0, 128);   // navy
    case AmountColumn: return QColor(255, 0, 0); // red
    default: return QColor();
    }
}

std::optional<int> LedgerModel::rowNumber(int row) const
{
    const QVariant number = table().controlValue(row, table().fieldIndex(LedgerField::RowNumber));
    if (number.isNull())
        return std::nullopt;
    return number.toInt();
}

bool LedgerModel::isTicked(int row) const
{
    const auto number = rowNumber(row);
    return number && m_ticks.contains(*number);
}

QColor LedgerModel::rowColour(int row) const
{
    const QVariant colour = table().controlValue(row, table().fieldIndex(LedgerField::Colour));
    const QColor shown = colour.isNull() ? QColor(Qt::black) : Colours::fromValue(int(colour.toDouble()));
    return shown.isValid() ? shown : QColor(Qt::black);
}

QVariant LedgerModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::ForegroundRole:
        return rowColour(index.row());
    case Qt::FontRole:
        if (index.column() == DateColumn || index.column() == AmountColumn) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == AmountColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return TableModel::data(index, role);
    }
}

QVariant LedgerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::ForegroundRole)
        return titleColour(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return QVariant(); // the indicator column draws its own glyphs
    return TableModel::headerData(section, orientation, role);
}
