#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

class Table;

// A grid's view of a table: one column per chosen field, the rows the
// table's cursor sees plus a row being inserted. Editing a cell puts its
// row into edit state; moving to another row posts it.
class TableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The raw field value, for delegates that draw by type.
    static constexpr int ValueRole = Qt::UserRole + 1;

    TableModel(Table &table, const QStringList &fieldNames, QObject *parent = nullptr);

    void setHeaders(const QStringList &headers) { m_headers = headers; }
    int fieldOfColumn(int column) const;
    Table &table() const { return m_table; }
    // Where a failed edit is reported (a bad date, a table error).
    void setErrorReporter(std::function<void(const QString &)> reporter) { m_report = std::move(reporter); }
    void report(const QString &message) const;
    // A grid that keeps the user in a cell whose typing was refused takes
    // the refusal here and tells it itself, once it has put the user back;
    // without one the refusal is reported at once.
    using RefusalHandler = std::function<void(const QModelIndex &cell, const QString &message)>;
    void setRefusalHandler(RefusalHandler handler) { m_refusalHandler = std::move(handler); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

public slots:
    // The grid's current row changed: the table follows (posting an edit).
    void setCurrentRow(int row);

signals:
    // The table's cursor moved by itself: the grid should follow.
    void currentRowChanged(int row);

protected:
    // Refuses what was typed into `cell`; returns false, for setData.
    bool refuse(const QModelIndex &cell, const QString &message) const;

private:
    void reset();

    Table &m_table;
    QStringList m_fieldNames;
    QList<int> m_fields;
    QStringList m_headers;
    int m_rowCount = 0;
    std::function<void(const QString &)> m_report;
    RefusalHandler m_refusalHandler;
};
