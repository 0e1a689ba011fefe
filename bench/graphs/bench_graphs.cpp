// Figures of the graph window on a month of 1,000 and 10,000 records: the
// time from the graph command (the ledger holder switched to the month) to
// the chart drawn once, for each of the four ledger kinds.
//
//     QT_QPA_PLATFORM=offscreen ./bench_graphs

#include "GraphBench.h"

#include "graphs/points/GraphKind.h"
#include "graphs/window/TForm4.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ROZVAHON_FAKE_PLATFORM", "1");
    QApplication app(argc, argv);
    const QList<std::pair<const char *, QString>> kinds{
        {"line", GraphKind::Line}, {"column", QString()}, {"3D column", GraphKind::Bar3D}, {"pie", GraphKind::Pie}};
    std::printf("%-10s %-10s %12s\n", "records", "graph", "ms to drawn");
    for (const int rows : {1000, 10000}) {
        GraphBench bench;
        bench.fillJanuary(rows);
        for (const auto &[label, kind] : kinds) {
            double best = 1e9;
            for (int run = 0; run < 3; ++run) {
                QElapsedTimer timer;
                timer.start();
                auto window = bench.open(kind, QSize(1280, 900));
                best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
                window->accept();
            }
            std::printf("%-10d %-10s %12.1f\n", rows, label, best);
        }
    }
    return 0;
}
