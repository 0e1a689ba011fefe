#include "graphs/points/GraphPointModel.h"

#include <QDateTime>

void GraphPointModel::setPoints(GraphPoints points)
{
    beginResetModel();
    m_points = std::move(points);
    endResetModel();
}

int GraphPointModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_points.size()); }

int GraphPointModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant GraphPointModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_points.size() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const GraphPoint &point = m_points.at(index.row());
    switch (index.column()) {
    case X:
        return xOf(point.date);
    case Y:
        return point.amount.toDouble();
    case Label:
        return point.text;
    default:
        return {};
    }
}

double GraphPointModel::xOf(QDate date)
{
    // Each date stands at its local noon, so that a summer-time hour never
    // carries it into the day before or after. The offset is read once: a
    // conversion through the time zone per point would cost a file lookup
    // each.
    static const qint64 localOffset = qint64(QDateTime::currentDateTime().offsetFromUtc()) * 1000;
    constexpr qint64 day = 24 * 3600 * 1000;
    constexpr qint64 epochDay = 2440588; // the Julian day of 1.1.1970
    return date.isValid() ? double((date.toJulianDay() - epochDay) * day + day / 2 - localOffset) : 0.0;
}
