// Figures of the table engine on a ledger of 100,000 rows:
//   open, a full walk summing Castka, the numbering of an already
//   numbered table, 1,000 single durable posts, and SQLite's own
//   SELECT sum(...) on the same file for comparison.

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/Table.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int Rows = 100000;

double millis(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <typename F>
double best(int runs, F &&work)
{
    double fastest = 1e18;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, millis(timer));
    }
    return fastest;
}

} // namespace

int main(int argc, char **argv)
{
    Catalogue::installLayoutCheck();
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    Catalogue::createTables(dir.path());

    {
        Table table;
        table.setFolder(QStringLiteral("Data"));
        table.setTableName(QStringLiteral("Leden.db"));
        table.open();
        table.beginBatch();
        for (int i = 1; i <= Rows; ++i) {
            table.append();
            table.field(0).setString(QStringLiteral("Nákup potravin %1").arg(i % 97));
            table.field(1).setDate(QDate(2009, 1, 1 + i % 31));
            table.field(2).setMoney(Money::fromUnits((i % 2 ? -1 : 1) * qint64(i % 5000) * 100));
            table.field(4).setDouble(255);
            table.field(6).setInteger(i);
            table.post();
        }
        table.commitBatch();
    }

    Table table;
    table.setFolder(QStringLiteral("Data"));
    table.setTableName(QStringLiteral("Leden.db"));
    const double open = best(5, [&] {
        table.close();
        table.open();
    });

    Money sum;
    const int castka = table.fieldIndex(QStringLiteral("Castka"));
    const double walk = best(5, [&] {
        sum = Money();
        table.disableControls();
        for (table.first(); !table.eof(); table.next())
            sum += table.field(castka).asMoney();
        table.enableControls();
    });

    int written = 0;
    const int number = table.fieldIndex(QStringLiteral("Kratky - Short"));
    const double renumber = best(5, [&] { written = table.numberRows(number); });

    std::vector<double> posts;
    table.first();
    for (int i = 0; i < 1000; ++i) {
        table.moveTo((i * 97) % Rows);
        QElapsedTimer timer;
        timer.start();
        table.edit();
        table.field(castka).setMoney(Money::fromUnits(i * 10000 + 1));
        table.post();
        posts.push_back(millis(timer));
    }
    table.close();

    sqlite3 *db = nullptr;
    sqlite3_open_v2(QDir(dir.path()).filePath(QStringLiteral("Data/Leden.db")).toUtf8().constData(), &db,
                    SQLITE_OPEN_READONLY, nullptr);
    sqlite3_int64 sqliteSum = 0;
    const double sqlSum = best(5, [&] {
        sqlite3_stmt *stmt = nullptr;
        sqlite3_prepare_v2(db, "SELECT sum(Castka) FROM Leden", -1, &stmt, nullptr);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            sqliteSum = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
    });
    sqlite3_close(db);

    std::printf("ledger of %d rows (best of 5 runs)\n", Rows);
    std::printf("  open                         %8.2f ms\n", open);
    std::printf("  walk summing Castka          %8.2f ms  (sum %.2f)\n", walk, sum.toDouble());
    std::printf("  SQLite SELECT sum(Castka)    %8.2f ms  (walk / SQLite = %.2f)\n", sqlSum, walk / sqlSum);
    std::printf("  numbering, numbered already  %8.2f ms  (%d rows written)\n", renumber, written);
    std::printf("  one durable post, median     %8.3f ms  (1000 posts, max %.3f ms)\n", median(posts),
                *std::max_element(posts.begin(), posts.end()));
    Q_UNUSED(sqliteSum);
    return 0;
}
