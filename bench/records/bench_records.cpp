// Figures of the record window on a month of 10,000 and 100,000 records:
// opening and the full first activation (renumbering included) of a table
// that is numbered already and of one that is not, and one total.
//
//     QT_QPA_PLATFORM=offscreen ./bench_records

#include "BenchWindow.h"
#include "core/data/catalogue/Catalogue.h"

#include "core/data/engine/Table.h"
#include "records/ledger/LedgerFields.h"
#include "records/window/TForm3.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>

namespace {

double millis(const QElapsedTimer &timer) { return double(timer.nsecsElapsed()) / 1e6; }

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

} // namespace

int main(int argc, char **argv)
{
    Catalogue::installLayoutCheck();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ROZVAHON_FAKE_PLATFORM", "1");
    QApplication app(argc, argv);
    BenchWindow bench;
    const QString data = QDir(bench.folder()).filePath(QStringLiteral("Data/"));

    std::printf("%-10s %-12s %14s %14s\n", "records", "table", "open+activate", "one total");
    for (const int rows : {10000, 100000}) {
        for (const bool numbered : {true, false}) {
            const QString master = QStringLiteral("Unor.db");
            QFile::remove(data + master);
            QFile::copy(data + QStringLiteral("Listopad.db"), data + master); // an empty ledger
            fill(master, rows, numbered);
            double open = 1e18;
            double total = 1e18;
            for (int run = 0; run < 3; ++run) {
                QFile::remove(data + QStringLiteral("Leden.db"));
                QFile::copy(data + master, data + QStringLiteral("Leden.db"));
                QElapsedTimer timer;
                timer.start();
                std::unique_ptr<TForm3> window = bench.open(QStringLiteral("Leden.db"), QStringLiteral("Měsíc Leden"));
                open = std::min(open, millis(timer));
                for (int i = 0; i < 3; ++i) {
                    timer.restart();
                    window->ReCalc();
                    total = std::min(total, millis(timer));
                }
                window->close();
            }
            std::printf("%-10d %-12s %11.1f ms %11.1f ms\n", rows, numbered ? "numbered" : "not numbered", open, total);
        }
    }
    return 0;
}
