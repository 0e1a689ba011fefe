#include "consumption/window/MeterLogModel.h"

#include "consumption/meter/ConsumptionLog.h"
#include "consumption/meter/MeterArithmetic.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"

const QColor MeterLogModel::GridColour(0xFF, 0xFF, 0xD7);
const QColor MeterLogModel::MonthColour(0xFF, 0xFF, 0x80);
const QColor MeterLogModel::WorkedOutColour(0xFF, 0xFF, 0x84);

namespace {
QStringList fieldsOf(const QList<LogColumn> &columns)
{
    QStringList fields;
    for (const LogColumn &column : columns)
        fields << column.field;
    return fields;
}

// Prices and amounts are kept as Money, readings as doubles.
double numberOf(const QVariant &value)
{
    if (value.metaType() == QMetaType::fromType<Money>())
        return value.value<Money>().toDouble();
    return value.toDouble();
}
} // namespace

MeterLogModel::MeterLogModel(Table &table, QList<LogColumn> columns, QObject *parent)
    : TableModel(table, fieldsOf(columns), parent), m_columns(std::move(columns))
{
    QStringList titles;
    for (const LogColumn &column : m_columns)
        titles << column.title;
    setHeaders(titles);
}

QVariant MeterLogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= m_columns.size())
        return TableModel::data(index, role);
    const LogColumn &column = m_columns.at(index.column());
    if (role == Qt::BackgroundRole)
        return column.colour.isValid() ? column.colour : GridColour;
    if (role != Qt::DisplayRole)
        return TableModel::data(index, role);
    const QVariant value = TableModel::data(index, ValueRole);
    if (value.isNull())
        return QString();
    switch (column.shown) {
    case LogColumn::Shown::Fixed:
        return MeterArithmetic::fixed(numberOf(value), column.decimals, column.unit);
    case LogColumn::Shown::Currency:
        return Locale::money(Money::fromDouble(numberOf(value)));
    case LogColumn::Shown::General:
    case LogColumn::Shown::AsStored:
        break;
    }
    return TableModel::data(index, role);
}

bool MeterLogModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (index.isValid() && index.column() < m_columns.size() && !m_columns.at(index.column()).editable)
        return false;
    const int field = fieldOfColumn(index.column());
    if (role == Qt::EditRole && field >= 0 && table().fields().at(field).type == FieldType::Number) {
        try {
            const QVariant number = FieldCodec::fromText(table().fields().at(field), value.toString());
            if (!number.isNull() && !MeterArithmetic::isKeepable(number.toDouble()))
                return refuse(index, ConsumptionLog::readingOutOfRangeMessage(number.toDouble()));
            if (!number.isNull() && m_columns.at(index.column()).wholeNumbers
                && !MeterArithmetic::wholeReading(number.toDouble()))
                return refuse(index, ConsumptionLog::wholeReadingMessage(number.toDouble()));
        } catch (const EngineError &) {
            // Not a number at all: the table says so in its own words below.
        }
    }
    return TableModel::setData(index, value, role);
}

Qt::ItemFlags MeterLogModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = TableModel::flags(index);
    if (index.isValid() && index.column() < m_columns.size() && !m_columns.at(index.column()).editable)
        flags &= ~Qt::ItemIsEditable;
    return flags;
}
