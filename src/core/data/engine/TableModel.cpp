#include "core/data/engine/TableModel.h"

#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"

TableModel::TableModel(Table &table, const QStringList &fieldNames, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_fieldNames(fieldNames)
{
    connect(&table, &Table::controlsReset, this, &TableModel::reset);
    connect(&table, &Table::controlsRowInserted, this, [this](int row) {
        row = std::clamp(row, 0, m_rowCount);
        beginInsertRows(QModelIndex(), row, row);
        ++m_rowCount;
        endInsertRows();
    });
    connect(&table, &Table::controlsRowRemoved, this, [this](int row) {
        if (row < 0 || row >= m_rowCount)
            return reset();
        beginRemoveRows(QModelIndex(), row, row);
        --m_rowCount;
        endRemoveRows();
    });
    connect(&table, &Table::controlsRowChanged, this, [this](int row) {
        if (m_rowCount != m_table.controlRowCount())
            return reset();
        if (row >= 0 && row < m_rowCount)
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
    connect(&table, &Table::controlsCurrentChanged, this, &TableModel::currentRowChanged);
    reset();
}

void TableModel::reset()
{
    beginResetModel();
    m_fields.clear();
    for (const QString &name : m_fieldNames)
        m_fields << m_table.fieldIndex(name);
    m_rowCount = m_table.isOpen() ? m_table.controlRowCount() : 0;
    endResetModel();
    if (m_table.isOpen())
        emit currentRowChanged(m_table.controlCurrentRow());
}

int TableModel::fieldOfColumn(int column) const { return column >= 0 && column < m_fields.size() ? m_fields[column] : -1; }

int TableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : m_rowCount; }

int TableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_fieldNames.size()); }

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    const int field = fieldOfColumn(index.column());
    if (!index.isValid() || field < 0 || index.row() >= m_rowCount)
        return QVariant();
    const QVariant value = m_table.controlValue(index.row(), field);
    switch (role) {
    case ValueRole:
        return value;
    case Qt::DisplayRole:
        return FieldCodec::displayText(m_table.fields().at(field), value);
    case Qt::EditRole:
        return FieldCodec::text(m_table.fields().at(field), value);
    default:
        return QVariant();
    }
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const int field = fieldOfColumn(index.column());
    if (role != Qt::EditRole || field < 0)
        return false;
    try {
        if (m_table.controlCurrentRow() != index.row())
            m_table.controlMoveTo(index.row());
        if (m_table.state() == Table::State::Browse)
            m_table.edit();
        if (value.typeId() == QMetaType::QString)
            m_table.field(field).setString(value.toString());
        else
            m_table.setValue(field, value);
    } catch (const EngineError &error) {
        return refuse(index, error.message());
    }
    return true;
}

bool TableModel::refuse(const QModelIndex &cell, const QString &message) const
{
    if (m_refusalHandler)
        m_refusalHandler(cell, message);
    else
        report(message);
    return false;
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_fieldNames.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return section < m_headers.size() ? m_headers[section] : m_fieldNames[section];
}

void TableModel::setCurrentRow(int row)
{
    if (!m_table.isOpen() || row == m_table.controlCurrentRow())
        return;
    try {
        m_table.controlMoveTo(row);
    } catch (const EngineError &error) {
        report(error.message());
        emit currentRowChanged(m_table.controlCurrentRow());
    }
}

void TableModel::report(const QString &message) const
{
    if (m_report)
        m_report(message);
    else
        Prompter::global().message(message);
}
