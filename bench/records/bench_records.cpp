// Figures of the record window on a month of 10,000, 100,000 and (with
// --million) 1,000,000 records, numbered already and not yet numbered:
//   open+activate   opening and the full first activation (renumbering included)
//   total           one total worked out again (ReCalc)
//   post            one edited amount posted, to the updated total
//   insert top      a record inserted at the top and posted, to the total
//   delete          the first record deleted, to the total
//   to total drawn  from the opening command to the window painted with its total
//   sqlite3         a whole sqlite3 process summing the same file, side by side
// and the table's own walk summing every amount against SQLite's sum() of
// the same file, and the memory a fresh process holds with the window open
// on that file (this program started again with --memory-of FILE).
//
//     QT_QPA_PLATFORM=offscreen ./bench_records [--million]

#include "BenchWindow.h"
#include "core/data/catalogue/Catalogue.h"

#include "core/data/engine/Table.h"
#include "records/ledger/LedgerFields.h"
#include "records/window/TForm3.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

namespace {

double millis(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

// The best of `runs` timings of `work`.
double best(int runs, const std::function<void()> &work)
{
    double fastest = 1e18;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, millis(timer));
    }
    return fastest;
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void fill(const QString &file, int rows, bool numbered)
{
    Table table;
    table.setFolder(QStringLiteral("Data"));
    table.setTableName(file);
    table.open();
    table.beginBatch();
    for (int i = 1; i <= rows; ++i) {
        table.append();
        table.field(LedgerField::Date).setDate(QDate(2009, 1, 1 + i % 31));
        table.field(LedgerField::Text).setString(QStringLiteral("Nákup potravin %1").arg(i % 97));
        table.field(LedgerField::Amount).setMoney(Money::fromUnits((i % 2 ? -1 : 1) * (i % 5000) * 100));
        table.field(LedgerField::Supplement).setString(QStringLiteral("domácnost"));
        if (i % 50 == 0)
            table.field(LedgerField::HiddenAmount).setMoney(Money::fromCrowns(-3));
        if (numbered)
            table.field(LedgerField::RowNumber).setInteger(i);
        table.post();
    }
    table.commitBatch();
}

// The name of the one table of a file (a copied ledger keeps the name it
// was made with).
QByteArray tableNameOf(const QString &path)
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *names = nullptr;
    sqlite3_prepare_v2(db, "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%'", -1, &names,
                       nullptr);
    QByteArray table;
    if (sqlite3_step(names) == SQLITE_ROW)
        table = reinterpret_cast<const char *>(sqlite3_column_text(names, 0));
    sqlite3_finalize(names);
    sqlite3_close(db);
    return table;
}

// SQLite's own sum of the amounts, the file opened and closed with it.
double sqliteSum(const QString &path)
{
    const QByteArray query = "SELECT sum(\"Castka\") FROM \"" + tableNameOf(path) + "\"";
    return best(3, [&] {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *sum = nullptr;
        sqlite3_prepare_v2(db, query.constData(), -1, &sum, nullptr);
        sqlite3_step(sum);
        sqlite3_finalize(sum);
        sqlite3_close(db);
    });
}

// The table's walk over every row, summing the amounts, the file opened
// and closed with it.
double walkSum()
{
    return best(3, [] {
        Table table;
        table.setFolder(QStringLiteral("Data"));
        table.setTableName(QStringLiteral("Leden.db"));
        table.open();
        Money sum;
        const int amount = table.field(LedgerField::Amount).index();
        for (table.first(); !table.eof(); table.next())
            sum += table.field(amount).asMoney();
        table.close();
    });
}

// A whole sqlite3 process summing the amounts of the file.
double sqliteProcess(const QString &path)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (program.isEmpty())
        return 0;
    const QString query = QStringLiteral("SELECT sum(\"Castka\") FROM \"%1\"").arg(QString::fromUtf8(tableNameOf(path)));
    return best(5, [&] {
        QProcess sqlite;
        sqlite.start(program, {path, query});
        sqlite.waitForFinished();
    });
}

// The resident memory of a new process of this program that opens the
// record window on a copy of `file`, in kilobytes: the earlier fills and
// runs of this process do not count.
long freshProcessKilobytes(const QString &file)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory-of"), file});
    child.waitForFinished(120000);
    return child.readAllStandardOutput().trimmed().toLong();
}

int printMemoryOf(BenchWindow &bench, const QString &file)
{
    const QString ledger = QDir(bench.folder()).filePath(QStringLiteral("Data/Leden.db"));
    QFile::remove(ledger);
    QFile::copy(file, ledger);
    std::unique_ptr<TForm3> window = bench.open(QStringLiteral("Leden.db"), QStringLiteral("Měsíc Leden"));
    QElapsedTimer waiting;
    waiting.start();
    while ((window->totalText() == QStringLiteral("Moment...") || window->totalText().isEmpty())
           && waiting.elapsed() < 60000)
        QApplication::processEvents();
    window->repaint();
    std::printf("%ld\n", residentKilobytes());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    Catalogue::installLayoutCheck();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ROZVAHON_FAKE_PLATFORM", "1");
    QApplication app(argc, argv);
    const bool million = app.arguments().contains(QStringLiteral("--million"));
    BenchWindow bench;
    if (const qsizetype memoryOf = app.arguments().indexOf(QStringLiteral("--memory-of")); memoryOf > 0)
        return printMemoryOf(bench, app.arguments().value(memoryOf + 1));
    const QString data = QDir(bench.folder()).filePath(QStringLiteral("Data/"));

    std::printf("%-9s %-13s %10s %8s %8s %10s %8s %10s %8s %8s %8s %8s\n", "records", "table", "open+act.", "total",
                "post", "insert top", "delete", "total drawn", "sqlite3", "walk-sum", "sum()", "RSS MB");
    QList<int> sizes{10000, 100000};
    if (million)
        sizes << 1000000;
    for (const int rows : sizes) {
        for (const bool numbered : {true, false}) {
            const QString master = QStringLiteral("Unor.db");
            QFile::remove(data + master);
            QFile::copy(data + QStringLiteral("Listopad.db"), data + master); // an empty ledger
            fill(master, rows, numbered);
            double open = 1e18, total = 1e18, post = 1e18, insert = 1e18, remove = 1e18, drawn = 1e18;
            for (int run = 0; run < 3; ++run) {
                QFile::remove(data + QStringLiteral("Leden.db"));
                QFile::copy(data + master, data + QStringLiteral("Leden.db"));
                std::unique_ptr<TForm3> window;
                QElapsedTimer opening;
                opening.start();
                window = bench.open(QStringLiteral("Leden.db"), QStringLiteral("Měsíc Leden"));
                open = std::min(open, millis(opening));
                // The total label is filled once the events of the opening
                // are done; then the window is painted, which it can be only
                // once the display has exposed it.
                auto exposed = [&] { return window->windowHandle() && window->windowHandle()->isExposed(); };
                while ((window->totalText() == QStringLiteral("Moment...") || window->totalText().isEmpty()
                        || !exposed())
                       && opening.elapsed() < 10000)
                    QApplication::processEvents();
                window->repaint();
                drawn = std::min(drawn, millis(opening));
                Table &ledger = bench.ledgerHolder().table();
                total = std::min(total, best(3, [&] { window->ReCalc(); }));
                post = std::min(post, best(3, [&] {
                    ledger.moveTo(rows / 2);
                    ledger.edit();
                    ledger.field(LedgerField::Amount).setMoney(ledger.field(LedgerField::Amount).asMoney() + Money::fromCrowns(1));
                    ledger.post();
                    window->ReCalc();
                }));
                insert = std::min(insert, best(3, [&] {
                    ledger.first();
                    ledger.insert();
                    ledger.field(LedgerField::Amount).setMoney(Money::fromCrowns(7));
                    ledger.post();
                    window->ReCalc();
                }));
                remove = std::min(remove, best(3, [&] {
                    ledger.first();
                    ledger.remove();
                    window->ReCalc();
                }));
                window->close();
            }
            const long rss = freshProcessKilobytes(data + master);
            const double process = sqliteProcess(data + QStringLiteral("Leden.db"));
            const double walk = walkSum();
            const double sum = sqliteSum(data + QStringLiteral("Leden.db"));
            std::printf("%-9d %-13s %7.1f ms %5.1f ms %5.1f ms %7.1f ms %5.1f ms %8.1f ms %5.1f ms %5.1f ms %5.1f ms "
                        "%8.1f\n",
                        rows, numbered ? "numbered" : "not numbered", open, total, post, insert, remove, drawn, process,
                        walk, sum, double(rss) / 1024.0);
        }
    }
    return 0;
}
