#include "graphs/points/GraphPointModel.h"

#include <QDateTime>
#include <algorithm>

void GraphPointModel::setPoints(GraphPoints points)
{
    beginResetModel();
    m_points = std::move(points);
    endResetModel();
}

GraphPoints GraphPointModel::byDate() const
{
    GraphPoints sorted = m_points;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const GraphPoint &a, const GraphPoint &b) { return xOf(a.date) < xOf(b.date); });
    return sorted;
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
    return date.isValid() ? double(date.startOfDay().toMSecsSinceEpoch()) : 0.0;
}
