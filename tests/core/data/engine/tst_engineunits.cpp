// The engine's parts that need no table file: the schema check, the order
// keys, the prefix filter, the field codec and the row visit of SQLite.
#include "core/data/engine/EngineError.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/OrderKeys.h"
#include "core/data/engine/RowFilter.h"
#include "core/data/engine/SchemaCheck.h"
#include "core/data/engine/Sqlite.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::vector<RowKey>)

namespace {

using Columns = QList<SchemaCheck::Column>;

Columns ledgerLike(const Columns &hidden)
{
    return Columns{{QStringLiteral("Text 80"), QStringLiteral("TEXT(80)"), false},
                   {QStringLiteral("Castka"), QStringLiteral("MONEY INTEGER"), false}}
           + hidden;
}

const SchemaCheck::Column Order{QStringLiteral("_poradi"), QStringLiteral("INTEGER"), false};
const SchemaCheck::Column OrderKey{QStringLiteral("_poradi"), QStringLiteral("INTEGER"), true};
const SchemaCheck::Column Id{QStringLiteral("_id"), QStringLiteral("INTEGER"), true};

Layout twoFields()
{
    return Layout{{QStringLiteral("Text 80"), FieldType::Text, 80}, {QStringLiteral("Castka"), FieldType::Money, 0}};
}

std::vector<RowKey> keys(std::initializer_list<qint64> orders)
{
    std::vector<RowKey> rows;
    qint64 id = 1;
    for (qint64 order : orders)
        rows.push_back({order, id++});
    return rows;
}

} // namespace

class EngineUnitsTest : public QObject
{
    Q_OBJECT

private slots:
    void schemaCheck_data()
    {
        QTest::addColumn<Columns>("columns");
        QTest::addColumn<bool>("expectLayout");
        QTest::addColumn<QString>("refusal"); // a part of it; empty: accepted
        QTest::addColumn<bool>("firstVersion");
        QTest::newRow("current form") << ledgerLike({Order, Id}) << true << "" << false;
        QTest::newRow("first version, order as key") << ledgerLike({OrderKey}) << true << "" << true;
        QTest::newRow("no order column") << ledgerLike({}) << false << "chybí sloupec pořadí" << false;
        QTest::newRow("order not last")
            << Columns{OrderKey, {QStringLiteral("Text 80"), QStringLiteral("TEXT(80)"), false}} << false
            << "není poslední" << false;
        QTest::newRow("identity not the key") << ledgerLike({Order, {QStringLiteral("_id"), QStringLiteral("INTEGER"), false}})
                                              << false << "špatný typ" << false;
        QTest::newRow("order of another type") << ledgerLike({{QStringLiteral("_poradi"), QStringLiteral("TEXT"), true}})
                                               << false << "špatný typ" << false;
        QTest::newRow("a field of no known type")
            << Columns{{QStringLiteral("Jmeno"), QStringLiteral("VARCHAR"), false}, Order, Id} << false
            << "neznámý typ VARCHAR" << false;
        QTest::newRow("a field missing") << Columns{{QStringLiteral("Text 80"), QStringLiteral("TEXT(80)"), false}, Order, Id}
                                         << true << "chybí pole „Castka“" << false;
        QTest::newRow("a field too many")
            << ledgerLike({{QStringLiteral("Navic"), QStringLiteral("TEXT(5)"), false}, Order, Id}) << true
            << "přebývá pole „Navic“" << false;
        QTest::newRow("a field of another size")
            << Columns{{QStringLiteral("Text 80"), QStringLiteral("TEXT(40)"), false},
                       {QStringLiteral("Castka"), QStringLiteral("MONEY INTEGER"), false}, Order, Id}
            << true << "pole č. 1" << false;
    }
    void schemaCheck()
    {
        QFETCH(Columns, columns);
        QFETCH(bool, expectLayout);
        QFETCH(QString, refusal);
        const SchemaCheck::Result result =
            SchemaCheck::check(columns, expectLayout ? std::optional<Layout>(twoFields()) : std::nullopt);
        if (refusal.isEmpty()) {
            QVERIFY2(result.refusal.isEmpty(), qPrintable(result.refusal));
            QCOMPARE(result.layout, twoFields());
        } else {
            QVERIFY2(result.refusal.contains(refusal), qPrintable(result.refusal));
        }
        QTEST(result.firstVersion, "firstVersion");
    }

    void placeOfANewRow_data()
    {
        QTest::addColumn<std::vector<RowKey>>("all");
        QTest::addColumn<QList<int>>("shownRows"); // indexes into all
        QTest::addColumn<int>("before");
        QTest::addColumn<qint64>("place");
        const qint64 g = OrderKeys::Gap;
        QTest::newRow("first row of a table") << keys({}) << QList<int>{} << 0 << g;
        QTest::newRow("after the last") << keys({g, 2 * g}) << QList<int>{0, 1} << 2 << 3 * g;
        QTest::newRow("before the first") << keys({g, 2 * g}) << QList<int>{0, 1} << 0 << g / 2;
        QTest::newRow("between two") << keys({g, 2 * g}) << QList<int>{0, 1} << 1 << g + g / 2;
        // A filter hides row 1: the new row goes right before the shown row,
        // after the hidden one, which keeps its place.
        QTest::newRow("hidden row in between") << keys({g, 2 * g, 3 * g}) << QList<int>{0, 2} << 1 << 2 * g + g / 2;
        QTest::newRow("after the last shown, hidden rows after it") << keys({g, 2 * g, 3 * g}) << QList<int>{0} << 1
                                                                    << 4 * g;
        QTest::newRow("no room left") << keys({5, 6}) << QList<int>{0, 1} << 1 << qint64(-1);
    }
    void placeOfANewRow()
    {
        QFETCH(std::vector<RowKey>, all);
        QFETCH(QList<int>, shownRows);
        QFETCH(int, before);
        std::vector<RowKey> shown;
        for (int row : shownRows)
            shown.push_back(all[size_t(row)]);
        QTEST(OrderKeys::forNewRow(all, shown, before), "place");
    }

    void spreadPlacesKeepTheirOrder()
    {
        const std::vector<qint64> places = OrderKeys::spread(1000);
        QCOMPARE(places.size(), size_t(1000));
        QCOMPARE(places.front(), OrderKeys::Gap);
        for (size_t i = 1; i < places.size(); ++i)
            QCOMPARE(places[i] - places[i - 1], OrderKeys::Gap);
        QVERIFY(OrderKeys::spread(0).empty());
        const std::vector<RowKey> rows = keys({10, 20, 30});
        QCOMPARE(OrderKeys::indexOfId(rows, 3), 2);
        QCOMPARE(OrderKeys::indexOfId(rows, 4), -1);
    }

    // Places by identity, the rows met in stored order, in another order,
    // or not among the rows at all.
    void placesByIdentity_data()
    {
        QTest::addColumn<QList<qint64>>("ids");   // in stored order
        QTest::addColumn<QList<qint64>>("met");   // identities asked for
        QTest::addColumn<QList<qint64>>("places");
        QTest::newRow("in stored order") << QList<qint64>{3, 7, 9} << QList<qint64>{3, 7, 9} << QList<qint64>{1, 2, 3};
        QTest::newRow("identities not ascending") << QList<qint64>{9, 3, 7} << QList<qint64>{9, 3, 7}
                                                  << QList<qint64>{1, 2, 3};
        QTest::newRow("met by identity") << QList<qint64>{9, 3, 7} << QList<qint64>{3, 7, 9} << QList<qint64>{2, 3, 1};
        QTest::newRow("a jump, then in order again") << QList<qint64>{1, 2, 3, 4} << QList<qint64>{3, 4, 1, 2}
                                                     << QList<qint64>{3, 4, 1, 2};
        QTest::newRow("unknown rows") << QList<qint64>{1, 2} << QList<qint64>{1, 5, 0, 2} << QList<qint64>{1, 0, 0, 2};
        QTest::newRow("no rows") << QList<qint64>{} << QList<qint64>{4} << QList<qint64>{0};
    }
    void placesByIdentity()
    {
        QFETCH(QList<qint64>, ids);
        QFETCH(QList<qint64>, met);
        QFETCH(QList<qint64>, places);
        std::vector<RowKey> all;
        for (int i = 0; i < ids.size(); ++i)
            all.push_back({(i + 1) * OrderKeys::Gap, ids.at(i)});
        OrderKeys::Places found(all);
        QList<qint64> actual;
        for (qint64 id : met)
            actual << found.of(id);
        QCOMPARE(actual, places);
    }

    // A visit hands over every row with its values as stored; what the
    // visitor throws ends the statement, comes out of visit(), and leaves
    // the connection as it was.
    void visitHandsOverEveryRow()
    {
        sqlite::Connection db;
        db.open(QStringLiteral(":memory:"), true);
        db.exec("CREATE TABLE t (a, b); INSERT INTO t VALUES (1, 'jedna'), (2.5, NULL), (NULL, x'00ff'), (4, '')");
        sqlite::Statement rows;
        rows.prepare(db, QStringLiteral("SELECT %1(a, b) FROM t").arg(QLatin1String(sqlite::VisitFunction)));
        QStringList seen;
        const sqlite::RowVisitor visitor = [&](const sqlite::RowValues &row) {
            QCOMPARE(row.count(), 2);
            const bool text = row.columnType(1) == sqlite::ValueType::Text;
            seen << QStringLiteral("%1 %2 %3 %4")
                        .arg(int(row.columnType(0)))
                        .arg(row.columnDouble(0))
                        .arg(int(row.columnType(1)))
                        .arg(text ? QString::fromUtf8(row.columnUtf8(1).toByteArray()) : QStringLiteral("-"));
        };
        db.visit(rows, visitor);
        // Types: 0 null, 1 integer, 2 real, 3 text, 4 blob.
        QCOMPARE(seen, (QStringList{QStringLiteral("1 1 3 jedna"), QStringLiteral("2 2.5 0 -"), QStringLiteral("0 0 4 -"),
                                    QStringLiteral("1 4 3 ")}));
        seen.clear();
        int met = 0;
        const sqlite::RowVisitor failing = [&](const sqlite::RowValues &) {
            if (++met == 2)
                throw std::runtime_error("stop");
        };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, db.visit(rows, failing));
        QCOMPARE(met, 2);
        QVERIFY(!db.inTransaction());
        db.visit(rows, visitor); // the statement runs again
        QCOMPARE(seen.size(), 4);
        // A visitor may visit again on the same connection: the inner visit
        // ends by itself, its failure comes out of it, and the outer visit
        // goes on with its own visitor.
        sqlite::Statement inner;
        inner.prepare(db, QStringLiteral("SELECT %1(b) FROM t").arg(QLatin1String(sqlite::VisitFunction)));
        int outerRows = 0, innerRows = 0, innerFailures = 0;
        db.visit(rows, [&](const sqlite::RowValues &row) {
            ++outerRows;
            QCOMPARE(row.count(), 2);
            db.visit(inner, [&](const sqlite::RowValues &) { ++innerRows; });
            try {
                db.visit(inner, [](const sqlite::RowValues &) { throw std::runtime_error("inner"); });
            } catch (const std::runtime_error &) {
                ++innerFailures;
            }
        });
        QCOMPARE(outerRows, 4);
        QCOMPARE(innerRows, 16);
        QCOMPARE(innerFailures, 4);
        // Outside a visit the function hands nothing to anyone.
        QVERIFY(rows.step());
        rows.reset();
    }

    void prefixFilters_data()
    {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("caseInsensitive");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("prefix") << "Text 80 = 'Ná*'" << "Text 80" << "Nákup" << false << true;
        QTest::newRow("prefix, other case") << "Text 80 = 'ná*'" << "Text 80" << "Nákup" << false << false;
        QTest::newRow("prefix, case ignored") << "Text 80 = 'ná*'" << "Text 80" << "NÁKUP" << true << true;
        QTest::newRow("exact, no star") << "Mesto = 'Brno'" << "Mesto" << "Brnov" << false << false;
        QTest::newRow("field in brackets") << "[Text 80] = 'a*'" << "Text 80" << "ab" << false << true;
        QTest::newRow("apostrophe in the text") << "Text = 'O'Brien*'" << "Text" << "O'Brienová" << false << true;
        QTest::newRow("empty prefix takes all") << "Text = '*'" << "Text" << "" << false << true;
    }
    void prefixFilters()
    {
        QFETCH(QString, expression);
        QFETCH(QString, value);
        QFETCH(bool, caseInsensitive);
        const std::optional<PrefixFilter> filter = PrefixFilter::parse(expression);
        QVERIFY(filter);
        QTEST(filter->field, "field");
        QTEST(filter->accepts(value, caseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive), "accepted");
    }

    void malformedFiltersAreRefused()
    {
        for (const char *text : {"Text 80 'a*'", "Text = 'a*'x", "Text = a*", ""})
            QVERIFY2(!PrefixFilter::parse(QString::fromUtf8(text)), text);
    }

    void fieldCodec_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");    // empty with `refused`
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("refused");
        QTest::newRow("money with grouping") << int(FieldType::Money) << 0 << "1 234,5" << "1234,5" << QStringLiteral("1\u00A0234,50 Kč") << false;
        QTest::newRow("money, four decimals") << int(FieldType::Money) << 0 << "0,0001" << "0,0001" << "0,00 Kč" << false;
        QTest::newRow("money, not a number") << int(FieldType::Money) << 0 << "12a" << "" << "" << true;
        QTest::newRow("date") << int(FieldType::Date) << 0 << "3.2.2009" << "3.2.2009" << "3.2.2009" << false;
        QTest::newRow("date that does not exist") << int(FieldType::Date) << 0 << "30.2.2009" << "" << "" << true;
        QTest::newRow("text cut to size") << int(FieldType::Text) << 3 << "abcdef" << "abc" << "abc" << false;
        QTest::newRow("text keeps its blanks") << int(FieldType::Text) << 10 << " a " << " a " << " a " << false;
        QTest::newRow("logical Ano") << int(FieldType::Logical) << 0 << "Ano" << "True" << "True" << false;
        QTest::newRow("short out of range") << int(FieldType::Short) << 0 << "99999999999" << "" << "" << true;
        QTest::newRow("empty clears") << int(FieldType::Money) << 0 << "  " << "" << "" << false;
    }
    void fieldCodec()
    {
        QFETCH(int, type);
        QFETCH(int, size);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        const FieldDef def{QStringLiteral("Pole"), FieldType(type), size};
        QVariant value;
        try {
            value = FieldCodec::fromText(def, typed);
            QVERIFY2(!refused, "the typed text was taken");
        } catch (const EngineError &error) {
            QVERIFY2(refused, qPrintable(error.message()));
            QVERIFY(error.message().contains(typed.trimmed()));
            return;
        }
        QTEST(FieldCodec::text(def, value), "text");
        QTEST(FieldCodec::displayText(def, value), "display");
    }

    void sameValueTellsNullFromZero()
    {
        QVERIFY(FieldCodec::sameValue(QVariant(), QVariant()));
        QVERIFY(!FieldCodec::sameValue(QVariant(), QVariant(0)));
        QVERIFY(!FieldCodec::sameValue(QVariant(QString()), QVariant(QStringLiteral("a"))));
        QVERIFY(FieldCodec::sameValue(QVariant::fromValue(Money::fromCrowns(2)), QVariant::fromValue(Money::fromCrowns(2))));
        QVERIFY(!FieldCodec::sameValue(QVariant::fromValue(Money::fromCrowns(2)), QVariant::fromValue(Money::fromCrowns(3))));
    }
};

QTEST_GUILESS_MAIN(EngineUnitsTest)
#include "tst_engineunits.moc"
