#include "core/data/engine/SchemaCheck.h"

#include "core/data/engine/Sqlite.h"

namespace SchemaCheck {

namespace {

QString quotedName(const QString &name) { return QStringLiteral("„") + name + QStringLiteral("“"); }

bool isInteger(const Column &column) { return column.type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0; }

// Where a layout first differs from the expected one.
QString difference(const Layout &layout, const Layout &expected)
{
    for (int i = 0; i < std::max(layout.size(), expected.size()); ++i) {
        if (i >= layout.size())
            return QStringLiteral("chybí pole %1.").arg(quotedName(expected.at(i).name));
        if (i >= expected.size())
            return QStringLiteral("přebývá pole %1.").arg(quotedName(layout.at(i).name));
        if (layout.at(i) != expected.at(i))
            return QStringLiteral("pole č. %1 je %2 %3, má být %4 %5.")
                .arg(i + 1)
                .arg(quotedName(layout.at(i).name), FieldTypes::describe(layout.at(i)), quotedName(expected.at(i).name),
                     FieldTypes::describe(expected.at(i)));
    }
    return QString();
}

} // namespace

Result check(const QList<Column> &columns, const std::optional<Layout> &expected)
{
    Result result;
    const qsizetype n = columns.size();
    qsizetype fieldCount = 0;
    if (n >= 2 && columns[n - 2].name == OrderColumn && columns[n - 1].name == IdColumn) {
        if (!isInteger(columns[n - 2]) || !isInteger(columns[n - 1]) || !columns[n - 1].key) {
            result.refusal = QStringLiteral("sloupec pořadí nebo identity má špatný typ.");
            return result;
        }
        fieldCount = n - 2;
    } else if (n >= 1 && columns[n - 1].name == OrderColumn) {
        if (!isInteger(columns[n - 1]) || !columns[n - 1].key) {
            result.refusal = QStringLiteral("sloupec pořadí má špatný typ.");
            return result;
        }
        fieldCount = n - 1;
        result.firstVersion = true;
    } else {
        bool orderElsewhere = false;
        for (const Column &column : columns)
            orderElsewhere = orderElsewhere || column.name == OrderColumn;
        result.refusal = orderElsewhere ? QStringLiteral("sloupec pořadí není poslední.")
                                        : QStringLiteral("chybí sloupec pořadí řádků.");
        return result;
    }
    for (qsizetype i = 0; i < fieldCount; ++i) {
        const Column &column = columns[i];
        if (column.name == OrderColumn || column.name == IdColumn) {
            result.refusal = QStringLiteral("sloupec pořadí není poslední.");
            return result;
        }
        FieldDef def;
        def.name = column.name;
        if (!FieldTypes::fromDeclaredType(column.type, &def.type, &def.size)) {
            result.refusal = QStringLiteral("pole %1 má neznámý typ %2.").arg(quotedName(column.name), column.type);
            return result;
        }
        result.layout << def;
    }
    if (expected && *expected != result.layout)
        result.refusal = QStringLiteral("tabulka nemá předepsaná pole: ") + difference(result.layout, *expected);
    return result;
}

QString hiddenColumns()
{
    return sqlite::quoted(OrderColumn) + QStringLiteral(" INTEGER NOT NULL UNIQUE, ") + sqlite::quoted(IdColumn)
           + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
}

} // namespace SchemaCheck
