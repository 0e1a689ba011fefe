#include "graphs/points/PointTable.h"

#include "core/data/engine/Table.h"

namespace PointTable {

void replace(Table &table, const GraphPoints &points)
{
    const int amount = table.fieldIndex(QStringLiteral("Castka"));
    const int date = table.fieldIndex(QStringLiteral("Datum"));
    const int text = table.fieldIndex(QStringLiteral("Text"));
    table.disableControls();
    table.beginBatch();
    try {
        table.emptyTable();
        // Each point goes in front of the ones before it: the stored order
        // is the built order reversed.
        for (auto point = points.crbegin(); point != points.crend(); ++point) {
            table.append();
            table.setValue(amount, QVariant::fromValue(point->amount));
            table.setValue(date, point->date.isValid() ? QVariant(point->date) : QVariant());
            table.setValue(text, point->text.left(PointBuilder::TextLength));
            table.post();
        }
        table.commitBatch();
    } catch (...) {
        table.rollbackBatch();
        table.refresh();
        table.enableControls();
        throw;
    }
    table.enableControls();
}

GraphPoints read(const Table &table)
{
    const QList<int> fields{table.fieldIndex(QStringLiteral("Castka")), table.fieldIndex(QStringLiteral("Datum")),
                            table.fieldIndex(QStringLiteral("Text"))};
    GraphPoints points;
    points.reserve(table.recordCount());
    table.readShownRows(fields, [&points](const QVector<QVariant> &row) {
        points.append(GraphPoint{row.at(0).isNull() ? Money() : row.at(0).value<Money>(), row.at(1).toDate(),
                                 row.at(2).toString()});
    });
    return points;
}

} // namespace PointTable
