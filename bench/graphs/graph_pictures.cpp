// Saves the chart of each of the eight graph kinds for a fixed January (and
// an empty rest of the year) as BMP and PNG files in the given folder, with
// the whole window, its menu and the special functions window.
//
//     QT_QPA_PLATFORM=offscreen ./graph_pictures OUTDIR

#include "GraphBench.h"

#include "graphs/points/GraphKind.h"
#include "graphs/window/TForm4.h"
#include "graphs/window/TFrmSpec.h"

#include <QMenu>

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("ROZVAHON_FAKE_PLATFORM", "1");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: graph_pictures OUTDIR\n");
        return 2;
    }
    const QDir out(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
    out.mkpath(QStringLiteral("."));
    GraphBench bench;
    bench.fillJanuary(12);
    const QStringList kinds{GraphKind::Line,     QString(),          GraphKind::Bar3D,     GraphKind::Pie,
                            GraphKind::YearLine, GraphKind::YearArea, GraphKind::YearBar3D, GraphKind::YearPie};
    for (int i = 0; i < kinds.size(); ++i) {
        auto window = bench.open(kinds.at(i), QSize(900, 600));
        // The column and 3D graphs share their default name.
        const QString name = QString::number(i + 1) + QLatin1Char('_') + window->bmpName();
        const QImage image = window->chartImage();

        image.save(out.filePath(name), "BMP");
        image.save(out.filePath(QString(name).replace(QStringLiteral(".bmp"), QStringLiteral(".png"))), "PNG");
        window->grab().save(out.filePath(QStringLiteral("window_") + QString(name).replace(QStringLiteral(".bmp"), QStringLiteral(".png"))));
        std::printf("%s\n", qPrintable(out.filePath(name)));
        if (i == 0) {
            // The special functions and the window's menu, once.
            window->openSpecialFunctions();
            window->specialFunctions()->grab().save(out.filePath(QStringLiteral("special_functions.png")));
            window->popup()->adjustSize();
            window->popup()->grab().save(out.filePath(QStringLiteral("popup.png")));
        }
        window->accept();
    }
    // Records that share dates: every record is a bar of its own.
    bench.fillJanuaryOn({3, 1, 3, 8, 8, 10, 12, 15, 3});
    auto shared = bench.open(GraphKind::Bar3D, QSize(900, 600));
    shared->chartImage().save(out.filePath(QStringLiteral("9_3d_shared_dates.png")));
    std::printf("%s\n", qPrintable(out.filePath(QStringLiteral("9_3d_shared_dates.png"))));
    shared->accept();
    return 0;
}
