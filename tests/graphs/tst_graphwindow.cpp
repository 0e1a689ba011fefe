#include "../records/LedgerFixture.h"

#include "core/app/context/AppContext.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/StatusSink.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "graphs/Registration.h"
#include "graphs/points/GraphKind.h"
#include "graphs/window/GraphChart.h"
#include "graphs/window/GraphView.h"
#include "graphs/window/TForm4.h"
#include "graphs/window/TFrmSpec.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <algorithm>
#include <QAction>
#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLineSeries>
#include <QPieSeries>
#include <QToolButton>
#include <QtTest>

namespace {

RegFlags runFlags() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)); }

QStringList amounts(const GraphPoints &points)
{
    QStringList out;
    for (const GraphPoint &point : points)
        out << QString::number(point.amount.toDouble());
    return out;
}

// Pixels of `image` close to `colour` (each channel within `tolerance`).
int pixelsLike(const QImage &image, const QColor &colour, int tolerance, QRect area = {})
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    if (area.isNull())
        area = rgb.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = line[x];
            if (std::abs(qRed(pixel) - colour.red()) <= tolerance && std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
                std::abs(qBlue(pixel) - colour.blue()) <= tolerance)
                ++count;
        }
    }
    return count;
}

} // namespace

class GraphWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        AppContext &context = AppContext::instance();
        context.reset();
        m_clock = std::make_unique<FixedClock>(QDateTime(QDate(2009, 1, 20), QTime(9, 30)));
        m_prompter = std::make_unique<ScriptedPrompter>();
        m_module2 = std::make_unique<TDataModule2>(StatusSink::none(), *m_prompter);
        m_module23 = std::make_unique<TDataModule23>(StatusSink::none());
        context.dataModule2 = m_module2.get();
        context.dataModule23 = m_module23.get();
        context.prompter = m_prompter.get();
        context.clock = m_clock.get();
        registerGraphs(context);
        IniStore(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::Nastaveni)).write(Key::Scr, false);
        runFlags().write(Key::Reg::RunFrm, false);
        runFlags().write(Key::Reg::FrmGraf, false);

        auto january = openLedger(QStringLiteral("Leden.db"));
        appendRows(*january, {"2.1.2009;Výplata;1000", "5.1.2009;Nájem;-300", "9.1.2009;" + QString(60, u'n') + ";-200"});
    }
    void cleanup()
    {
        AppContext::instance().reset();
        m_module23.reset();
        m_module2.reset();
        m_prompter.reset();
        m_clock.reset();
        m_env.reset();
    }

    void eachKindShowsItsSeries_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("series");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("points"); // in the point table's order
        QTest::addColumn<bool>("special");
        QTest::addColumn<bool>("balance");
        QTest::newRow("line") << GraphKind::Line << int(GraphKind::Series::Line) << "Křivkový Graf - Leden"
                              << QStringList{"500", "700", "1000"} << true << false;
        QTest::newRow("column") << QString() << int(GraphKind::Series::Area) << "Sloupcový Graf - Leden"
                                << QStringList{"-200", "-300", "1000"} << true << false;
        QTest::newRow("3D") << GraphKind::Bar3D << int(GraphKind::Series::Bar3D) << "Sloupcový Graf - Leden"
                            << QStringList{"-200", "-300", "1000"} << true << false;
        QTest::newRow("pie") << GraphKind::Pie << int(GraphKind::Series::Pie) << "Koláčový Graf - Leden"
                             << QStringList{"-200", "-300", "1000"} << true << true;
        QTest::newRow("yearly line") << GraphKind::YearLine << int(GraphKind::Series::Line) << "Křivkový roční Graf"
                                     << QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "500"}
                                     << false << false;
    }
    void eachKindShowsItsSeries()
    {
        QFETCH(QString, kind);
        QFETCH(int, series);
        QFETCH(QString, caption);
        QFETCH(QStringList, points);
        QFETCH(bool, special);
        QFETCH(bool, balance);
        auto window = open(kind, QStringLiteral("Leden.db"));
        QCOMPARE(int(window->chart()->shownSeries()), series);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(amounts(window->model().points()), points);
        QCOMPARE(window->entry(TForm4::Entry::Special)->isVisible(), special);
        QCOMPARE(window->entry(TForm4::Entry::Balance)->isVisible(), balance);
        QCOMPARE(window->chart()->series().size(), 1);
        QVERIFY(runFlags().read(Key::Reg::FrmGraf));
    }

    // The yearly points are the edition's months, whatever year the clock says.
    void yearlyPointsAreDatedInTheEditionYear()
    {
        m_clock->setDate(QDate(2026, 12, 10));
        auto window = open(GraphKind::YearLine, QStringLiteral("Leden.db"));
        QList<QDate> dates;
        for (const GraphPoint &point : window->model().points())
            dates << point.date;
        std::sort(dates.begin(), dates.end());
        QList<QDate> months;
        for (int m = 1; m <= 12; ++m)
            months << QDate(2009, m, 1);
        QCOMPARE(dates, months);
    }

    void columnGraphAfterALineGraph()
    {
        auto line = open(GraphKind::Line, QStringLiteral("Leden.db"));
        line->accept();
        QVERIFY(line->GetTyp().isEmpty());
        QVERIFY(!runFlags().read(Key::Reg::FrmGraf));
        // The column entries hand over no kind: the column graph.
        auto column = open(std::nullopt, QStringLiteral("Leden.db"));
        QCOMPARE(column->chart()->shownSeries(), GraphKind::Series::Area);
        QVERIFY(column->chart()->series2()->chart());
    }

    // Every point is a bar, in the order of the point table, even where
    // several records share a date; the labels are whole.
    void barsStandOnePerPoint()
    {
        {
            auto february = openLedger(QStringLiteral("Unor.db"));
            appendRows(*february, {"3.2.2009;a;100", "1.2.2009;b;-50", "3.2.2009;c;70", "8.2.2009;d;20", "8.2.2009;e;-10",
                                   "10.2.2009;f;30", "12.2.2009;g;40", "15.2.2009;h;50", "3.2.2009;i;60"});
        }
        auto window = open(GraphKind::Bar3D, QStringLiteral("Unor.db"), QSize(900, 600));
        QCOMPARE(window->chart()->pointCount(), 9);
        const QList<QBarSet *> sets = window->chart()->series3()->barSets();
        QCOMPARE(sets.size(), 1);
        QStringList values;
        for (int i = 0; i < sets.first()->count(); ++i)
            values << QString::number(sets.first()->at(i));
        QCOMPARE(values, amounts(window->model().points()));
        auto *axis = qobject_cast<QBarCategoryAxis *>(window->chart()->bottomAxis());
        QVERIFY(axis);
        QCOMPARE(axis->count(), 9);
        QStringList shown;
        for (const QString &label : axis->categories())
            shown << QString(label).remove(QChar(0x200B));
        QStringList dates;
        for (const GraphPoint &point : window->model().points())
            dates << point.date.toString(QStringLiteral("d.M.yyyy"));
        QCOMPARE(shown, dates);
        QVERIFY(!axis->truncateLabels());
    }

    void longTextsAreCut()
    {
        auto window = open(QString(), QStringLiteral("Leden.db"));
        QCOMPARE(window->model().points().first().text, QString(50, u'n'));
    }

    void reactivationKeepsThePoints()
    {
        auto window = open(GraphKind::Line, QStringLiteral("Leden.db"));
        for (int i = 0; i < 3; ++i)
            window->FormActivate();
        QCOMPARE(window->points().recordCount(), 3);
        QCOMPARE(window->model().points().size(), 3);
    }

    void closingGivesTheLedgerBack_data()
    {
        QTest::addColumn<bool>("recordWindowOpen");
        QTest::newRow("opened from a record window") << true;
        QTest::newRow("opened from the main window") << false;
    }
    void closingGivesTheLedgerBack()
    {
        QFETCH(bool, recordWindowOpen);
        m_module2->Soubor(QStringLiteral("Brezen.db")); // the record window's table
        runFlags().write(Key::Reg::RunFrm, recordWindowOpen);
        auto window = open(GraphKind::Pie, QStringLiteral("Leden.db"));
        QCOMPARE(m_module2->table().tableName(), QStringLiteral("Leden.db"));
        window->accept();
        QCOMPARE(m_module2->table().isOpen(), recordWindowOpen);
        if (recordWindowOpen)
            QCOMPARE(m_module2->table().tableName(), QStringLiteral("Brezen.db"));
        QCOMPARE(window->points().isOpen(), false);
        auto points = openLedger(QStringLiteral("NGraf.db"));
        QCOMPARE(points->recordCount(), 0);
    }

    void zoomButtons_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("afterTwoZoomsIn");
        QTest::newRow("monthly pie ignores zoom") << GraphKind::Pie << 100;
        QTest::newRow("yearly pie zooms") << GraphKind::YearPie << 140;
        QTest::newRow("column zooms") << QString() << 140;
    }
    void zoomButtons()
    {
        QFETCH(QString, kind);
        QFETCH(int, afterTwoZoomsIn);
        auto window = open(kind, QStringLiteral("Leden.db"));
        QCOMPARE(window->zoomButton(0)->isEnabled(), afterTwoZoomsIn != 100);
        window->zoomIn();
        window->zoomIn();
        QCOMPARE(window->zoomPercent(), afterTwoZoomsIn);
        // After a zoom the monochrome entry is off for good (it was not on).
        QCOMPARE(window->entry(TForm4::Entry::Monochrome)->isEnabled(), afterTwoZoomsIn == 100);
        window->zoomToStandard();
        QCOMPARE(window->zoomPercent(), 100);
    }

    // A drag zooms the chart (and monochrome is offered no more), unless
    // the chart is monochrome; a double click closes the window.
    void mouseOnTheChart_data()
    {
        QTest::addColumn<bool>("monochrome");
        QTest::newRow("colour") << false;
        QTest::newRow("monochrome") << true;
    }
    void mouseOnTheChart()
    {
        QFETCH(bool, monochrome);
        auto window = open(QString(), QStringLiteral("Leden.db"), QSize(800, 600));
        window->setMonochrome(monochrome);
        QWidget *surface = window->view()->viewport();
        const QRectF plot = window->chart()->plotArea();
        const QPoint from = window->view()->mapFromScene(plot.center() - QPointF(100, 80));
        const QPoint to = window->view()->mapFromScene(plot.center() + QPointF(100, 80));
        QAbstractAxis *bottom = window->chart()->bottomAxis();
        const QVariant before = bottom->property("min");
        QTest::mousePress(surface, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, surface->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QCoreApplication::sendEvent(surface, &move);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, to);
        QCOMPARE(bottom->property("min") != before, !monochrome);
        QCOMPARE(window->entry(TForm4::Entry::Monochrome)->isEnabled(), monochrome);

        QTest::mouseDClick(surface, Qt::LeftButton, {}, window->view()->mapFromScene(plot.center()));
        QCOMPARE(window->result(), int(QDialog::Accepted));
        QVERIFY(!runFlags().read(Key::Reg::FrmGraf));
        QVERIFY(window->GetTyp().isEmpty());
    }

    void togglesShowTicksOnlyWhileOneIsOn()
    {
        auto window = open(QString(), QStringLiteral("Leden.db"));
        QAction *hide = window->entry(TForm4::Entry::HidePanel);
        QVERIFY(!hide->isCheckable());
        window->setPanelHidden(true);
        QVERIFY(window->toolPanel()->isHidden());
        QVERIFY(hide->isChecked());
        QVERIFY(window->entry(TForm4::Entry::Monochrome)->isCheckable());
        window->setMonochrome(true);
        QVERIFY(window->chart()->monochrome());
        window->setPanelHidden(false);
        window->setMonochrome(false);
        QVERIFY(!window->chart()->monochrome());
        QVERIFY(!hide->isCheckable());
    }

    // The exported bitmap is the chart at its size on screen: navy title,
    // green walls, red bars.
    void exportedBitmap()
    {
        auto window = open(GraphKind::Bar3D, QStringLiteral("Leden.db"), QSize(800, 600));
        const QString file = m_env->path(QStringLiteral("graf"));
        m_prompter->fileNames << file;
        QVERIFY(window->exportBmp());
        QCOMPARE(m_prompter->questions.size(), 0);
        QImage image(file + QStringLiteral(".bmp"), "BMP");
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), window->chartImage().size());
        QVERIFY(image.width() > 700 && image.height() > 500);
        QVERIFY2(pixelsLike(image, GraphChart::TitleColour, 40, QRect(0, 0, image.width(), 40)) > 20, "navy title");
        QVERIFY2(pixelsLike(image, GraphChart::WallColour, 30) > 100, "green walls");
        QVERIFY2(pixelsLike(image, QColor(230, 30, 30), 60) > 200, "red bars");

        m_prompter->fileNames << QString(); // cancelled
        QVERIFY(!window->exportBmp());
        m_prompter->fileNames << m_env->path(QStringLiteral("no/such/folder/x.bmp"));
        QVERIFY(!window->exportBmp());
        QCOMPARE(m_prompter->messages.size(), 1);
    }

    void specialFunctionsWindow()
    {
        auto window = open(GraphKind::Line, QStringLiteral("Leden.db"));
        window->openSpecialFunctions();
        TFrmSpec *special = window->specialFunctions();
        QVERIFY(special);
        QVERIFY(special->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(special->dateBox()->date(), QDate(2009, 1, 20));
        QVERIFY(!special->amountBox()->isEnabled());

        // The "only" boxes exclude each other; the one ticked last wins.
        special->incomesOnly()->click();
        special->expensesOnly()->click();
        QVERIFY(special->expensesOnly()->isChecked());
        QVERIFY(!special->incomesOnly()->isChecked());
        special->expensesOnly()->click();
        QVERIFY(!special->expensesOnly()->isChecked() && !special->incomesOnly()->isChecked());

        // Running totals and a virtual point with its own amount.
        special->useVirtual()->click();
        QVERIFY(special->amountBox()->isEnabled());
        special->amountBox()->setText(QStringLiteral("-1 500,50"));
        special->dateBox()->setDate(QDate(2009, 1, 31));
        QVERIFY(special->apply());
        QCOMPARE(amounts(window->model().points()), (QStringList{"-1500.5", "500", "700", "1000"}));
        // Activation while the special view is shown keeps it.
        window->FormActivate();
        QCOMPARE(window->model().points().size(), 4);

        special->amountBox()->setText(QStringLiteral("hodně"));
        QVERIFY(!special->apply());
        QCOMPARE(m_prompter->messages.size(), 1);
        QCOMPARE(window->model().points().size(), 4);

        special->accept();
        QVERIFY(!runFlags().read(Key::Reg::FrmGraf));
        QCOMPARE(window->points().recordCount(), 0);
        window->FormActivate();
        QCOMPARE(amounts(window->model().points()), (QStringList{"500", "700", "1000"}));
    }

    void specialFunctionsOnAnEmptyLedger()
    {
        auto window = open(QString(), QStringLiteral("Unor.db"));
        window->openSpecialFunctions();
        window->specialFunctions()->useVirtual()->click();
        QVERIFY(!window->specialFunctions()->apply());
        QCOMPARE(m_prompter->messages, QStringList{"Pravěpodobně je prázdná databáze, operaci nelze provést !"});
        QCOMPARE(window->model().points().size(), 0);
    }

    void balanceSlice()
    {
        auto window = open(GraphKind::Pie, QStringLiteral("Leden.db"));
        window->showBalance();
        QCOMPARE(amounts(window->model().points()), (QStringList{"500", "-200", "-300", "1000"}));
        QCOMPARE(window->chart()->series4()->count(), 4);
        QCOMPARE(window->model().points().first().text, QStringLiteral("Zůstatek"));
    }

    void singleItemLineReadsTheLedger()
    {
        IniStore(m_env->path(QStringLiteral("Penezka.ini")), QLatin1String(Section::Nastaveni)).write(Key::GrPol, true);
        auto window = open(GraphKind::Line, QStringLiteral("Leden.db"));
        QCOMPARE(amounts(window->model().points()), (QStringList{"-200", "-300", "1000"}));
        QVERIFY(!window->entry(TForm4::Entry::Special)->isVisible());
        QCOMPARE(window->points().recordCount(), 0);
    }

private:
    // What an opener does: GraphName, the kind (none for the column
    // entries), the ledger holder on the file; then the window is shown.
    std::unique_ptr<TForm4> open(std::optional<QString> kind, const QString &file, QSize size = QSize(640, 480))
    {
        AppContext &context = AppContext::instance();
        GraphOrder order;
        order.name = GraphKind::isYearly(kind.value_or(QString())) ? QStringLiteral("Roční") : QStringLiteral("Leden");
        if (kind)
            order.kind = *kind;
        m_module2->Soubor(file);
        auto window = std::make_unique<TForm4>(context, order);
        window->setWindowState(Qt::WindowNoState);
        window->resize(size);
        window->show();
        window->FormActivate();
        QCoreApplication::processEvents();
        return window;
    }

    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<FixedClock> m_clock;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<TDataModule2> m_module2;
    std::unique_ptr<TDataModule23> m_module23;
};

QTEST_MAIN(GraphWindowTest)
#include "tst_graphwindow.moc"
