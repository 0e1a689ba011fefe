// The table's figures and its numbering: the kept sum and count after
// random sequences of writes (checked against a full walk and against
// SQLite through another connection), the count of rows holding something,
// and the numbering with its filled-in field.
#include "EngineTesting.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "support/TestEnv.h"

#include <QRandomGenerator>
#include <QtTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Amount = u"Castka"_s;
const QString Hidden = u"Cena"_s;
const QString HiddenText = u"Memo Polozka 10"_s;
const QString Number = u"Kratky - Short"_s;
const QString Supplement = u"Text 2 100"_s;

// The sum of both money fields, by walking every row.
qint64 walkedUnits(Table &table)
{
    qint64 units = 0;
    const bool filtered = table.filtered();
    table.setFiltered(false);
    table.disableControls();
    for (table.first(); !table.eof(); table.next())
        units += table.field(Amount).asMoney().units() + table.field(Hidden).asMoney().units();
    table.enableControls();
    table.setFiltered(filtered);
    return units;
}

// The kept figures as SQLite finds them through a connection of its own;
// -1 when it could not tell.
qint64 sqliteUnits(const QString &path)
{
    const QString units = sqlValue(path, u"SELECT coalesce(sum(Castka), 0) + coalesce(sum(Cena), 0) FROM Leden"_s);
    return units.isNull() ? -1 : units.toLongLong();
}

int sqliteHolding(const QString &path)
{
    const QString rows = sqlValue(
        path, u"SELECT count(*) FROM Leden WHERE coalesce(Cena, 0) <> 0 OR coalesce(\"Memo Polozka 10\", '') <> ''"_s);
    return rows.isNull() ? -1 : rows.toInt();
}

Money randomMoney(QRandomGenerator &random)
{
    // Whole crowns, halves and odd ten-thousandths, both signs, and empty.
    switch (random.bounded(4)) {
    case 0: return Money::fromCrowns(random.bounded(-5000, 5000));
    case 1: return Money::fromUnits(random.bounded(-99999999, 99999999));
    case 2: return Money::fromUnits(5000 * random.bounded(-20, 20));
    default: return Money();
    }
}

} // namespace

class AggregatesTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Catalogue::installLayoutCheck();
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
    }
    void cleanup() { m_env.reset(); }

    // After every write of a random sequence, the kept sum is what a full
    // walk and SQLite itself find: posts, inserts, deletes, cancelled edits,
    // batches committed and rolled back, emptying, writes by another
    // connection, and a filter in between.
    void keptSumFollowsEveryWrite_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u, 7u, 11u, 2009u})
            QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
    }
    void keptSumFollowsEveryWrite()
    {
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        auto table = openLedger();
        const int amount = table->fieldIndex(Amount);
        const int hidden = table->fieldIndex(Hidden);
        const QString path = m_env->path(u"Data/Leden.db"_s);
        table->setFilter([amount](const Table &t) { return t.field(amount).asMoney() > Money(); });
        const int hiddenText = table->fieldIndex(HiddenText);
        QCOMPARE(table->storedFigures({amount, hidden}, {hidden, hiddenText}).sum, Money());
        for (int step = 0; step < 300; ++step) {
            const int op = random.bounded(100);
            const int rows = table->recordCount();
            if (rows > 0)
                table->moveTo(random.bounded(rows));
            // A write refused because another connection changed the row
            // meanwhile must leave the sum right too.
            try {
            if (op < 30 || rows == 0) {
                random.bounded(2) ? table->append() : table->insert();
                table->field(amount).setMoney(randomMoney(random));
                table->field(hidden).setMoney(randomMoney(random));
                if (random.bounded(3) == 0)
                    table->field(hiddenText).setString(u"skryté"_s);
                table->post();
            } else if (op < 60) {
                table->edit();
                table->field(random.bounded(2) ? amount : hidden).setMoney(randomMoney(random));
                table->post();
            } else if (op < 70) {
                table->edit();
                table->field(amount).setMoney(randomMoney(random));
                table->cancel();
            } else if (op < 82) {
                table->remove();
            } else if (op < 88) {
                const bool keep = random.bounded(2);
                table->beginBatch();
                for (int i = 0; i < 5; ++i) {
                    table->append();
                    table->field(amount).setMoney(randomMoney(random));
                    table->post();
                }
                table->first();
                if (table->recordCount() > 0) {
                    table->edit();
                    table->field(hidden).setMoney(randomMoney(random));
                    table->post();
                }
                keep ? table->commitBatch() : table->rollbackBatch();
            } else if (op < 94) {
                // Another window's connection writes to the file.
                sqlExec(path, u"UPDATE Leden SET Castka = coalesce(Castka, 0) + 12345 WHERE _id % 3 = 0"_s);
            } else if (op < 97) {
                table->setFiltered(!table->filtered());
            } else if (op < 98) {
                table->emptyTable();
            } else {
                table->refresh();
            }
            } catch (const EngineError &error) {
                QVERIFY2(error.message().contains(u"mezitím"_s), qPrintable(error.message()));
                if (table->inBatch())
                    table->rollbackBatch();
            }
            const Table::StoredFigures kept = table->storedFigures({amount, hidden}, {hidden, hiddenText});
            QCOMPARE(kept.sum.units(), sqliteUnits(path));
            QCOMPARE(kept.rowsHolding, sqliteHolding(path));
            if (step % 10 == 0)
                QCOMPARE(kept.sum.units(), walkedUnits(*table));
        }
    }

    // Rows holding something in any of the fields: texts that are not empty,
    // amounts that are not zero.
    void rowsHolding_data()
    {
        QTest::addColumn<QList<QVariant>>("hiddenAmounts"); // one a row
        QTest::addColumn<QStringList>("hiddenTexts");
        QTest::addColumn<int>("count");
        const QVariant none;
        QTest::newRow("empty table") << QList<QVariant>{} << QStringList{} << 0;
        QTest::newRow("nothing held") << QList<QVariant>{none, QVariant::fromValue(Money())} << QStringList{{}, {}} << 0;
        QTest::newRow("amounts") << QList<QVariant>{QVariant::fromValue(Money::fromUnits(1)), none,
                                                    QVariant::fromValue(Money::fromCrowns(-3))}
                                 << QStringList{{}, {}, {}} << 2;
        QTest::newRow("texts") << QList<QVariant>{none, none, none} << QStringList{u"skryto"_s, {}, u" "_s} << 2;
        QTest::newRow("both on one row count once")
            << QList<QVariant>{QVariant::fromValue(Money::fromCrowns(5)), none}
            << QStringList{u"a"_s, u"b"_s} << 2;
    }
    void rowsHolding()
    {
        QFETCH(QList<QVariant>, hiddenAmounts);
        QFETCH(QStringList, hiddenTexts);
        QFETCH(int, count);
        auto table = openLedger();
        for (int i = 0; i < hiddenAmounts.size(); ++i) {
            table->append();
            table->field(u"Text 80"_s).setString(u"řádek"_s);
            if (!hiddenAmounts.at(i).isNull())
                table->field(Hidden).setValue(hiddenAmounts.at(i));
            table->field(HiddenText).setString(hiddenTexts.at(i));
            table->post();
        }
        const int hidden = table->fieldIndex(Hidden);
        QCOMPARE(table->storedFigures({hidden}, {hidden, table->fieldIndex(HiddenText)}).rowsHolding, count);
    }

    // The figures the numbering reads on its way are those SQLite's own
    // aggregate finds, whatever another program stored: numbers as texts,
    // fractions, blobs, empty texts.
    void numberingReadsTheFiguresAsTheAggregate_data()
    {
        QTest::addColumn<QString>("hiddenAmount"); // SQL literals
        QTest::addColumn<QString>("hiddenText");
        for (const QString &amount : {u"NULL"_s, u"0"_s, u"0.0"_s, u"0.5"_s, u"-7.9"_s, u"120000"_s, u"''"_s,
                                      u"'abc'"_s, u"'12'"_s, u"x'00'"_s})
            for (const QString &text : {u"NULL"_s, u"''"_s, u"' '"_s, u"'skryto'"_s, u"0"_s, u"x''"_s})
                QTest::newRow(qPrintable(amount + u" / "_s + text)) << amount << text;
    }
    void numberingReadsTheFiguresAsTheAggregate()
    {
        QFETCH(QString, hiddenAmount);
        QFETCH(QString, hiddenText);
        const QString path = m_env->path(u"Data/Leden.db"_s);
        sqlExec(path, u"INSERT INTO Leden (Castka, Cena, \"Memo Polozka 10\", _poradi) VALUES (10000, NULL, NULL, 1), "
                      "(25000, %1, %2, 2), (NULL, 30000, 'x', 3)"_s.arg(hiddenAmount, hiddenText));
        auto table = openLedger();
        const QList<int> sums{table->fieldIndex(Amount), table->fieldIndex(Hidden)};
        const QList<int> held{table->fieldIndex(Hidden), table->fieldIndex(HiddenText)};
        table->numberRows(table->fieldIndex(Number), std::nullopt, sums, held);
        const Table::StoredFigures passed = table->storedFigures(sums, held);
        const Table::StoredFigures summed = openLedger()->storedFigures(sums, held);
        QCOMPARE(passed.sum.units(), summed.sum.units());
        QCOMPARE(passed.rowsHolding, summed.rowsHolding);
    }

    // Numbering writes only the rows that are not so already, fills the
    // empty field and empties "ERROR"; a second run writes nothing.
    void numbering_data()
    {
        QTest::addColumn<QList<int>>("numbers"); // stored before; 0: empty
        QTest::addColumn<QStringList>("supplements");
        QTest::addColumn<QString>("automatic"); // empty: nothing filled in
        QTest::addColumn<int>("written");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("numbered already") << QList<int>{1, 2, 3} << QStringList{u"a"_s, u"b"_s, u"c"_s} << u"auto"_s << 0
                                          << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("not numbered") << QList<int>{0, 0, 0} << QStringList{u"a"_s, u"b"_s, u"c"_s} << QString() << 3
                                      << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("numbers out of place") << QList<int>{2, 1, 3} << QStringList{u"a"_s, u"b"_s, u"c"_s} << QString()
                                              << 2 << QStringList{u"a"_s, u"b"_s, u"c"_s};
        QTest::newRow("empty supplement filled") << QList<int>{1, 2} << QStringList{{}, u"b"_s} << u"domácnost"_s << 1
                                                 << QStringList{u"domácnost"_s, u"b"_s};
        QTest::newRow("no automatic text") << QList<int>{1, 2} << QStringList{{}, u"b"_s} << QString() << 0
                                           << QStringList{{}, u"b"_s};
        // An emptied "ERROR" takes the automatic text only at the next run.
        QTest::newRow("ERROR emptied") << QList<int>{1, 2} << QStringList{u"ERROR"_s, u"error"_s} << QString() << 1
                                       << QStringList{{}, u"error"_s};
        QTest::newRow("both on one row count once") << QList<int>{0, 2} << QStringList{{}, u"b"_s} << u"x"_s << 1
                                                    << QStringList{u"x"_s, u"b"_s};
    }
    void numbering()
    {
        QFETCH(QList<int>, numbers);
        QFETCH(QStringList, supplements);
        QFETCH(QString, automatic);
        QFETCH(int, written);
        QFETCH(QStringList, after);
        auto table = openLedger();
        for (int i = 0; i < numbers.size(); ++i) {
            table->append();
            if (numbers.at(i))
                table->field(Number).setInteger(numbers.at(i));
            table->field(Supplement).setString(supplements.at(i));
            table->field(Amount).setMoney(Money::fromUnits(12345 * (i + 1)));
            if (i == 0)
                table->field(HiddenText).setString(u"skryté"_s);
            table->post();
        }
        const int number = table->fieldIndex(Number);
        const Table::EmptyFill fill{table->fieldIndex(Supplement), automatic.isEmpty() ? QVariant() : QVariant(automatic),
                                    u"ERROR"_s};
        // The figures read on the way are those of the file.
        const QList<int> sums{table->fieldIndex(Amount), table->fieldIndex(Hidden)};
        const QList<int> held{table->fieldIndex(Hidden), table->fieldIndex(HiddenText)};
        QCOMPARE(table->numberRows(number, fill, sums, held), written);
        const Table::StoredFigures figures = table->storedFigures(sums, held);
        QCOMPARE(figures.sum.units(), sqliteUnits(m_env->path(u"Data/Leden.db"_s)));
        QCOMPARE(figures.rowsHolding, sqliteHolding(m_env->path(u"Data/Leden.db"_s)));
        QCOMPARE(figures.rowsHolding, numbers.isEmpty() ? 0 : 1);
        QCOMPARE(table->numberRows(number, fill), 0);
        auto fresh = openLedger();
        int place = 0;
        for (fresh->first(); !fresh->eof(); fresh->next()) {
            QCOMPARE(fresh->field(Number).asInteger(), ++place);
            QCOMPARE(fresh->field(Supplement).asString(), after.at(place - 1));
        }
        QCOMPARE(place, numbers.size());
    }

    // Inside a batch the numbering goes with it; with the filter on, every
    // row is numbered and the filter sees the new numbers.
    void numberingInABatchAndUnderAFilter()
    {
        auto table = openLedger();
        for (int i = 0; i < 6; ++i) {
            table->append();
            table->field(u"Text 80"_s).setString(u"řádek %1"_s.arg(i));
            table->post();
        }
        const int number = table->fieldIndex(Number);
        table->beginBatch();
        QCOMPARE(table->numberRows(number), 6);
        table->rollbackBatch();
        QCOMPARE(openLedger()->field(Number).isNull(), true);

        table->setFilter([number](const Table &t) { return t.field(number).asInteger() % 2 == 0; });
        table->setFiltered(true);
        QCOMPARE(table->recordCount(), 6); // no numbers yet: all read as 0
        QCOMPARE(table->numberRows(number), 6);
        QCOMPARE(table->recordCount(), 3);
        table->first();
        QCOMPARE(table->field(Number).asInteger(), 2);
    }

private:
    std::unique_ptr<TestEnv> m_env;
};

QTEST_GUILESS_MAIN(AggregatesTest)
#include "tst_aggregates.moc"
