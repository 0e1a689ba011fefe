// Tables of the old format (Paradox, written here with pxlib) become tables
// of the program: every kind of value, the faults of pxlib 0.6.8 worked
// around, all or nothing, and a whole folder at once.
#include "ParadoxWriter.h"
#include "convert/paradox/ConversionError.h"
#include "convert/paradox/FolderImport.h"
#include "convert/paradox/ParadoxFile.h"
#include "convert/paradox/TableConversion.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/Table.h"
#include "support/TestEnv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace Qt::StringLiterals;
using W = ParadoxWriter::Field;

namespace {

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The meter log rows: month, readings, consumption, price, amount.
QList<QVariantList> gasRows()
{
    QList<QVariantList> rows;
    for (int m = 1; m <= 12; ++m)
        rows << QVariantList{Catalogue::monthName(m), 100.0 * m, 100.0 * m + 12.5, 12.5, 1.005 + m / 100.0,
                             12.5 * 10.5 * (1.005 + m / 100.0)};
    return rows;
}

QString moneyText(const QVariant &value) { return FieldCodec::text({u"x"_s, FieldType::Money}, value); }

} // namespace

class ParadoxTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { Catalogue::installLayoutCheck(); }

    // Each kind of field: what the table keeps, and what it reads back.
    void values_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("length");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("read"); // null: empty

        using namespace ParadoxWriter;
        QTest::newRow("Czech text") << int(Alpha) << 40 << QVariant(u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s)
                                    << QVariant(u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s);
        QTest::newRow("date") << int(Date) << 0 << QVariant(QDate(2009, 1, 31)) << QVariant(QDate(2009, 1, 31));
        // pxlib gives an empty date, time or long as -2147483648.
        QTest::newRow("empty date") << int(Date) << 0 << QVariant() << QVariant();
        QTest::newRow("empty long") << int(Long) << 0 << QVariant() << QVariant();
        QTest::newRow("empty time") << int(Time) << 0 << QVariant() << QVariant();
        QTest::newRow("long zero is no empty") << int(Long) << 0 << QVariant(0LL) << QVariant(0LL);
        QTest::newRow("long") << int(Long) << 0 << QVariant(-123456LL) << QVariant(-123456LL);
        QTest::newRow("short") << int(Short) << 0 << QVariant(-5LL) << QVariant(-5LL);
        QTest::newRow("money") << int(Currency) << 0 << QVariant(1.005) << QVariant(1.005);
        QTest::newRow("money zero") << int(Currency) << 0 << QVariant(0.0) << QVariant(0.0);
        QTest::newRow("number") << int(Number) << 0 << QVariant(-0.125) << QVariant(-0.125);
        QTest::newRow("logical true") << int(Logical) << 0 << QVariant(true) << QVariant(true);
        QTest::newRow("logical false") << int(Logical) << 0 << QVariant(false) << QVariant(false);
        QTest::newRow("time") << int(Time) << 0 << QVariant(QTime(13, 45, 10)) << QVariant(QTime(13, 45, 10));
        QTest::newRow("timestamp") << int(Timestamp) << 0 << QVariant(QDateTime(QDate(2009, 3, 2), QTime(7, 5, 0)))
                                   << QVariant(QDateTime(QDate(2009, 3, 2), QTime(7, 5, 0)));
        // A memo as long as its record part stays there; a longer one goes
        // to the memo file, which pxlib cannot open without aborting.
        QTest::newRow("memo in the record") << int(Memo) << 20 << QVariant(u"krátká"_s) << QVariant(u"krátká"_s);
        const QString longMemo = u"Čeština "_s.repeated(40);
        QTest::newRow("memo in the memo file") << int(Memo) << 20 << QVariant(longMemo) << QVariant(longMemo);
        const QString veryLong = u"ř"_s.repeated(5000);
        QTest::newRow("memo over blocks") << int(Memo) << 20 << QVariant(veryLong) << QVariant(veryLong);
        QTest::newRow("empty memo") << int(Memo) << 20 << QVariant() << QVariant();
    }
    void values()
    {
        QFETCH(int, kind);
        QFETCH(int, length);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, read);
        TestEnv env;
        const QString path = env.path(u"T.db"_s);
        QVERIFY(ParadoxWriter::write(path, {{u"Pole"_s, kind, length}}, {{stored}}));
        const ParadoxFile file(path);
        QCOMPARE(file.codePage(), 1250);
        QCOMPARE(file.recordCount(), 1);
        const QVariant value = file.record(0).at(0);
        QCOMPARE(value.isNull(), read.isNull());
        if (!read.isNull())
            QCOMPARE(value, read);
    }

    // Money is rounded to the ten-thousandth, never cut; what an amount
    // cannot hold is refused.
    void money_data()
    {
        QTest::addColumn<double>("stored");
        QTest::addColumn<qint64>("units"); // -1: refused
        QTest::newRow("1.005") << 1.005 << qint64(10050);
        QTest::newRow("-1234.5") << -1234.5 << qint64(-12345000);
        QTest::newRow("0.00005 rounds up") << 0.00005 << qint64(1);
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << qint64(3000);
        QTest::newRow("too large") << 1e16 << qint64(-1);
        QTest::newRow("not a number") << std::nan("") << qint64(-1);
    }
    void money()
    {
        QFETCH(double, stored);
        QFETCH(qint64, units);
        const FieldDef amount{u"Castka"_s, FieldType::Money};
        try {
            const QVariant kept = TableConversion::convertedValue(amount, stored);
            QCOMPARE(kept.value<Money>().units(), units);
        } catch (const ConversionError &error) {
            QVERIFY2(units == -1, qPrintable(error.message));
        }
    }

    // The gas log converts in its place: the gas window's table opens with
    // the same readings and prices, and the original is kept beside.
    void aGasLogConvertsInPlace()
    {
        TestEnv env;
        QDir().mkpath(env.path(u"Data"_s));
        const QString path = env.path(u"Data/SPPlyn.db"_s);
        QVERIFY(ParadoxWriter::write(path, ParadoxWriter::meterLogFields(), gasRows()));
        const QByteArray original = hashOf(path);

        const TableConversion::Result result =
            TableConversion::convertInPlace(path, Catalogue::layout(Catalogue::Kind::WaterMeter));
        QCOMPARE(result.rows, 12);
        QCOMPARE(hashOf(path + u".paradox"_s), original);

        Table table;
        table.setFolder(u"Data"_s);
        table.setTableName(u"SPPlyn.db"_s);
        table.open();
        QCOMPARE(table.recordCount(), 12);
        int month = 1;
        for (table.first(); !table.eof(); table.next(), ++month) {
            QCOMPARE(table.field(u"Mesic"_s).asString(), Catalogue::monthName(month));
            QCOMPARE(table.field(u"Pocatek"_s).asDouble(), 100.0 * month);
            QCOMPARE(table.field(u"Konec"_s).asDouble(), 100.0 * month + 12.5);
            QCOMPARE(table.field(u"Kc/m3"_s).asMoney(), Money::fromDouble(1.005 + month / 100.0));
        }
        table.close();
        // Converted once is converted: a second run refuses and changes nothing.
        const QByteArray converted = hashOf(path);
        QVERIFY_THROWS_EXCEPTION(ConversionError, TableConversion::convertInPlace(path, Catalogue::layout(Catalogue::Kind::WaterMeter)));
        QCOMPARE(hashOf(path), converted);
        QVERIFY(!QFileInfo::exists(path + u".paradox.2"_s));
    }

    // A ledger of 1,000 rows with Czech texts, negative and fractional
    // amounts, through the folder import: exact, row by row and in sum.
    void aLedgerOfAThousandRowsConvertsExactly()
    {
        TestEnv env;
        env.deliverTables();
        const QString brought = env.path(u"prinesene"_s);
        QDir().mkpath(brought);
        QList<QVariantList> rows;
        qint64 expectedUnits = 0;
        for (int i = 0; i < 1000; ++i) {
            const double amount = (i % 2 ? -1 : 1) * (i * 10.0 + (i % 7) * 0.0125 + 0.005);
            expectedUnits += Money::fromDouble(amount).units();
            rows << QVariantList{u"Nákup č. %1 – žluťoučký kůň"_s.arg(i), QDate(2009, 1 + i % 12, 1 + i % 28), amount,
                                 u"Poznámka ďábelská"_s, i / 3.0, qlonglong(i % 300 - 150), qlonglong(i * 1000),
                                 QTime(i % 24, i % 60), QVariant(), i % 5 == 0 ? QVariant(u"Dlouhá poznámka "_s.repeated(i % 9 + 1)) : QVariant(),
                                 i % 2 == 0, QVariant()};
        }
        QVERIFY(ParadoxWriter::write(brought + u"/Leden.db"_s, ParadoxWriter::ledgerFields(), rows));

        const FolderImport::Summary summary = FolderImport::importFolder(brought, env.programFolder());
        QCOMPARE(summary.failed, 0);
        QCOMPARE(summary.converted, 1);
        QVERIFY2(summary.lines.constFirst().contains(u"převedeno 1000 řádků"_s), qPrintable(summary.lines.constFirst()));
        QVERIFY(summary.lines.constFirst().contains(u"Leden.db.bak"_s));
        QVERIFY(QFileInfo::exists(env.path(u"Data/Leden.db.bak"_s)));
        QVERIFY(QFileInfo::exists(brought + u"/Leden.db"_s)); // the source stays

        Table ledger;
        ledger.setFolder(u"Data"_s);
        ledger.setTableName(u"Leden.db"_s);
        ledger.open();
        QCOMPARE(ledger.recordCount(), 1000);
        qint64 units = 0;
        int i = 0;
        for (ledger.first(); !ledger.eof(); ledger.next(), ++i) {
            units += ledger.field(u"Castka"_s).asMoney().units();
            QCOMPARE(ledger.field(u"Text 80"_s).asString(), rows.at(i).at(0).toString());
            QCOMPARE(ledger.field(u"Datum"_s).asDate(), rows.at(i).at(1).toDate());
            QCOMPARE(ledger.field(u"Vysoke Cislo"_s).value().toLongLong(), qlonglong(i * 1000));
            QCOMPARE(ledger.field(u"Memo Polozka 10"_s).asString(), rows.at(i).at(9).toString());
            QCOMPARE(ledger.field(u"Logical"_s).value().toBool(), i % 2 == 0);
            QVERIFY(ledger.field(u"Time Stamp"_s).isNull());
        }
        QCOMPARE(units, expectedUnits);
        QCOMPARE(moneyText(QVariant::fromValue(Money::fromUnits(units))), moneyText(QVariant::fromValue(Money::fromUnits(expectedUnits))));
    }

    // What cannot be converted leaves everything as it was.
    void damagedTablesAreRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("told");
        QTest::newRow("cut short") << u"cut"_s << u"zkrácená nebo poškozená"_s;
        QTest::newRow("grown") << u"grown"_s << u"zkrácená nebo poškozená"_s;
        QTest::newRow("memo file missing") << u"no memo file"_s << u"řádek 1, pole Memo Polozka 10"_s;
        QTest::newRow("memo file damaged") << u"memo damaged"_s << u"řádek 1, pole Memo Polozka 10"_s;
        QTest::newRow("text too long for the field") << u"long text"_s << u"řádek 2, pole Mesic"_s;
    }
    void damagedTablesAreRefused()
    {
        QFETCH(QString, damage);
        QFETCH(QString, told);
        TestEnv env;
        QDir().mkpath(env.path(u"Data"_s));
        const QString path = env.path(u"Data/SPPlyn.db"_s);
        QList<W> fields = ParadoxWriter::meterLogFields();
        QList<QVariantList> rows = gasRows();
        if (damage == u"long text") {
            fields[0].length = 40;
            rows[1][0] = u"Únor, a k tomu dlouhá poznámka"_s;
        }
        if (damage.contains(u"memo")) {
            fields << W{u"Memo Polozka 10"_s, ParadoxWriter::Memo, 20};
            rows[0] << u"Dlouhá poznámka, která se do záznamu nevejde"_s;
        }
        QVERIFY(ParadoxWriter::write(path, fields, rows));
        if (damage == u"cut") {
            QFile file(path);
            file.resize(file.size() - 100);
        } else if (damage == u"grown") {
            QFile file(path);
            file.open(QIODevice::Append);
            file.write(QByteArray(10, 'x'));
        } else if (damage == u"no memo file") {
            QFile::remove(env.path(u"Data/SPPlyn.MB"_s));
        } else if (damage == u"memo damaged") {
            QFile memo(env.path(u"Data/SPPlyn.MB"_s));
            memo.resize(4096 + 20);
        }
        const QByteArray before = hashOf(path);
        const Layout layout = damage.contains(u"memo") ? Layout(Catalogue::layout(Catalogue::Kind::WaterMeter))
                                                             << FieldDef{u"Memo Polozka 10"_s, FieldType::Memo, 10}
                                                       : Catalogue::layout(Catalogue::Kind::WaterMeter);
        try {
            TableConversion::convertInPlace(path, layout);
            QFAIL("the damaged table was converted");
        } catch (const ConversionError &error) {
            QVERIFY2(error.message.contains(told), qPrintable(error.message));
        }
        QCOMPARE(hashOf(path), before);
        QCOMPARE(QDir(env.path(u"Data"_s)).entryList({u"SPPlyn*"_s}, QDir::Files).filter(u".db"_s, Qt::CaseInsensitive),
                 QStringList{u"SPPlyn.db"_s});
    }

    // Wherever a table is opened, the old format is told with how to
    // convert it.
    void openingAParadoxTableTellsHowToConvertIt()
    {
        TestEnv env;
        QDir().mkpath(env.path(u"Data"_s));
        QVERIFY(ParadoxWriter::write(env.path(u"Data/Leden.db"_s), ParadoxWriter::ledgerFields(), {}));
        Table table;
        table.setFolder(u"Data"_s);
        table.setTableName(u"Leden.db"_s);
        try {
            table.open();
            QFAIL("a Paradox table opened");
        } catch (const EngineError &error) {
            QVERIFY2(error.message().contains(u"starého formátu (Paradox)"_s), qPrintable(error.message()));
            QVERIFY(error.message().contains(u"rozvahon --import-paradox"_s));
            QCOMPARE(error.cause(), EngineError::Cause::ForeignLayout);
        }
    }

    // The folder import: only catalogued Paradox tables, the previous year's
    // into their folder, and a summary.
    void aFolderIsImported()
    {
        TestEnv env;
        env.deliverTables();
        const QString brought = env.path(u"odjinud"_s);
        QDir().mkpath(brought + u"/Data01"_s);
        QVERIFY(ParadoxWriter::write(brought + u"/SPPLYN.DB"_s, ParadoxWriter::meterLogFields(), gasRows()));
        QVERIFY(ParadoxWriter::write(brought + u"/Data01/SPPlyn.db"_s, ParadoxWriter::meterLogFields(), gasRows().mid(0, 3)));
        QVERIFY(ParadoxWriter::write(brought + u"/Neznama.db"_s, ParadoxWriter::meterLogFields(), gasRows()));
        QFile plain(brought + u"/Unor.db"_s); // not a Paradox table
        plain.open(QIODevice::WriteOnly);
        plain.write("nothing");
        plain.close();

        const FolderImport::Summary summary = FolderImport::importFolder(brought, env.programFolder());
        QCOMPARE(summary.converted, 2);
        QCOMPARE(summary.failed, 0);
        const QString text = FolderImport::summaryText(brought, summary);
        QVERIFY2(text.contains(u"Data\\Data01\\SPPlyn.db: převedeno 3 řádků"_s), qPrintable(text));
        QVERIFY2(text.contains(u"Data\\SPPlyn.db: převedeno 12 řádků"_s), qPrintable(text));
        QVERIFY(text.contains(u"Převedeno tabulek: 2, nepřevedeno: 0."_s));

        const FolderImport::Summary none = FolderImport::importFolder(env.path(u"Data"_s), env.programFolder());
        QCOMPARE(none.converted, 0);
        QVERIFY(FolderImport::summaryText(u"x"_s, none).contains(u"není žádná tabulka starého formátu"_s));
    }
};

QTEST_GUILESS_MAIN(ParadoxTest)
#include "tst_paradox.moc"
