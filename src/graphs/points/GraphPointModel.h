#pragma once

#include "graphs/points/GraphPoints.h"

#include <QAbstractTableModel>

// The points the chart draws, in the order of their table, with the
// columns the series take them from. It is reloaded in one pass after each
// build, so a chart follows its point table without a query per point.
class GraphPointModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { X, Y, Label, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setPoints(GraphPoints points);
    const GraphPoints &points() const { return m_points; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // A date as the time axis places it (milliseconds since the epoch, at
    // local noon); 0 for no date.
    static double xOf(QDate date);

private:
    GraphPoints m_points;
};
