#include "../records/LedgerFixture.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/StatusSink.h"
#include "graphs/points/ChartZoom.h"
#include "graphs/points/GraphBuilder.h"
#include "graphs/points/GraphKind.h"
#include "graphs/points/PointTable.h"
#include "graphs/points/YearTotals.h"
#include "support/TestEnv.h"

#include <QtTest>
#include <cmath>
#include <limits>

namespace {

// "amount" or "amount@d.M.yyyy" or "amount@date@text" per point.
QStringList describe(const GraphPoints &points)
{
    QStringList out;
    for (const GraphPoint &point : points)
        out << Locale::moneyPlain(point.amount) + QLatin1Char('@') + point.date.toString(u"d.M.yyyy") +
                   QLatin1Char('@') + point.text;
    return out;
}

QStringList amounts(const GraphPoints &points)
{
    QStringList out;
    for (const GraphPoint &point : points)
        out << Locale::moneyPlain(point.amount);
    return out;
}

QStringList reversed(QStringList list)
{
    std::reverse(list.begin(), list.end());
    return list;
}

} // namespace

class GraphPointsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        m_ledger = openLedger(QStringLiteral("Leden.db"));
        m_points = openLedger(QStringLiteral("NGraf.db"));
    }
    void cleanup()
    {
        m_points.reset();
        m_ledger.reset();
        m_env.reset();
    }

    // What each kind puts into the point table, which holds the points
    // last first.
    void buildsByKind_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("singleItems");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("expected"); // in build order
        QTest::addColumn<bool>("fromLedger");

        const QStringList rows{"2.1.2009;mzda;1000", "5.1.2009;nájem;-300", "9.1.2009;jídlo;-200"};
        QTest::newRow("line: running totals") << GraphKind::Line << false << rows << QStringList{"1000", "700", "500"}
                                              << false;
        QTest::newRow("line, single items: the ledger itself")
            << GraphKind::Line << true << rows << QStringList{"1000", "-300", "-200"} << true;
        QTest::newRow("column") << QString() << false << rows << QStringList{"1000", "-300", "-200"} << false;
        QTest::newRow("unknown kind is the column") << QStringLiteral("Xyz") << false << rows
                                                    << QStringList{"1000", "-300", "-200"} << false;
        QTest::newRow("3D") << GraphKind::Bar3D << true << rows << QStringList{"1000", "-300", "-200"} << false;
        QTest::newRow("pie") << GraphKind::Pie << false << rows << QStringList{"1000", "-300", "-200"} << false;
        QTest::newRow("line keeps table order, not date order")
            << GraphKind::Line << false << QStringList{"9.1.2009;b;10", "1.1.2009;a;5", "5.1.2009;c;-1"}
            << QStringList{"10", "15", "14"} << false;
        QTest::newRow("empty ledger") << GraphKind::Line << false << QStringList{} << QStringList{} << false;
        QTest::newRow("amounts to four decimals")
            << GraphKind::Line << false << QStringList{"1.1.2009;a;0,0001", "2.1.2009;b;1234567,1235"}
            << QStringList{"0,0001", "1234567,1236"} << false;
    }
    void buildsByKind()
    {
        QFETCH(QString, kind);
        QFETCH(bool, singleItems);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);
        QFETCH(bool, fromLedger);
        appendRows(*m_ledger, rows);

        GraphBuilder::Sources sources{*m_ledger, *m_points};
        sources.singleItems = singleItems;
        const GraphBuilder::Built built = GraphBuilder::build(kind, QStringLiteral("Leden"), sources);
        QCOMPARE(built.fromLedger, fromLedger);
        const GraphPoints shown = GraphBuilder::shownPoints(built, *m_ledger, *m_points);
        QCOMPARE(amounts(shown), reversed(expected));
        if (!fromLedger)
            QCOMPARE(m_points->recordCount(), expected.size());
    }

    void labelsAreCutAndRebuildsReplace()
    {
        const QString sixty = QString(60, QLatin1Char('x'));
        appendRows(*m_ledger, {"3.1.2009;" + sixty + ";10"});
        GraphBuilder::Sources sources{*m_ledger, *m_points};
        for (int build = 0; build < 2; ++build)
            GraphBuilder::build(QString(), QStringLiteral("Leden"), sources);
        const GraphPoints points = PointTable::read(*m_points);
        QCOMPARE(points.size(), 1);
        QCOMPARE(points.first().text, sixty.left(50));
        QCOMPARE(points.first().date, QDate(2009, 1, 3));
    }

    void yearlyGraphHasTwelveMonths()
    {
        appendRows(*m_ledger, {"2.1.2009;a;100,005", "3.1.2009;b;-0,004"});
        auto march = openLedger(QStringLiteral("Brezen.db"));
        appendRows(*march, {"2.3.2009;c;-250"});
        march.reset();
        // An item table never counts in the year.
        auto item = openLedger(QStringLiteral("Zaznam1.db"));
        appendRows(*item, {"2.1.2009;d;999"});
        item.reset();

        TDataModule23 months(StatusSink::none());
        GraphBuilder::Sources sources{*m_ledger, *m_points};
        sources.year = 2009;
        sources.monthTotal = [&months](int m) { return YearTotals::monthTotal(months, Catalogue::monthFile(m)); };
        const GraphBuilder::Built built = GraphBuilder::build(GraphKind::YearPie, QStringLiteral("Roční"), sources);
        QVERIFY(built.look.yearly);
        QVERIFY(!built.specialFunctions);
        QVERIFY(built.zoomable);
        QStringList expected;
        for (int m = 1; m <= 12; ++m) {
            const QString value = m == 1 ? QStringLiteral("100") : m == 3 ? QStringLiteral("-250") : QStringLiteral("0");
            expected << value + QStringLiteral("@1.%1.2009@").arg(m) + Catalogue::monthName(m);
        }
        QCOMPARE(describe(PointTable::read(*m_points)), reversed(expected));
        QCOMPARE(YearTotals::Castka(months, QStringLiteral("Leden.db")), QStringLiteral("100,00"));
        QVERIFY(!months.table().isOpen());
    }

    void balanceSlice_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("rows and their sum dated as the last row")
            << QStringList{"1.1.2009;a;500", "7.1.2009;b;-200"}
            << QStringList{"500@1.1.2009@a", "-200@7.1.2009@b", "300@7.1.2009@Zůstatek"};
        QTest::newRow("empty ledger: a zero balance without a date") << QStringList{} << QStringList{"0@@Zůstatek"};
    }
    void balanceSlice()
    {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, expected);
        appendRows(*m_ledger, rows);
        GraphBuilder::showBalance(*m_ledger, *m_points);
        QCOMPARE(describe(PointTable::read(*m_points)), reversed(expected));
    }

    void specialFunctions_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("only");
        QTest::addColumn<bool>("withVirtual");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("incomes") << QString() << int(PointBuilder::Only::Incomes) << false << QStringList{"500"};
        QTest::newRow("expenses") << QString() << int(PointBuilder::Only::Expenses) << false << QStringList{"-200"};
        QTest::newRow("all on a column graph") << QString() << int(PointBuilder::Only::All) << false
                                               << QStringList{"500", "-200", "0"};
        QTest::newRow("all on a line graph: running totals")
            << GraphKind::Line << int(PointBuilder::Only::All) << false << QStringList{"500", "300", "300"};
        QTest::newRow("totals and a virtual point with its own amount")
            << GraphKind::Line << int(PointBuilder::Only::All) << true << QStringList{"500", "300", "300", "-1500"};
        QTest::newRow("incomes and a virtual point") << GraphKind::Pie << int(PointBuilder::Only::Incomes) << true
                                                     << QStringList{"500", "-1500"};
    }
    void specialFunctions()
    {
        QFETCH(QString, kind);
        QFETCH(int, only);
        QFETCH(bool, withVirtual);
        QFETCH(QStringList, expected);
        appendRows(*m_ledger, {"1.1.2009;a;500", "2.1.2009;b;-200", "3.1.2009;c;0"});
        std::optional<GraphPoint> virtualPoint;
        if (withVirtual)
            virtualPoint = GraphPoint{Money::fromCrowns(-1500), QDate(2009, 1, 31), QString()};
        QVERIFY(GraphBuilder::applySpecial(kind, *m_ledger, *m_points, PointBuilder::Only(only), virtualPoint));
        const GraphPoints points = PointTable::read(*m_points);
        QCOMPARE(amounts(points), reversed(expected));
        if (withVirtual) {
            QCOMPARE(points.first().text, PointBuilder::VirtualText);
            QCOMPARE(points.first().date, QDate(2009, 1, 31));
        }
    }

    void specialFunctionsLeaveTheChartOfAnEmptyLedger()
    {
        PointTable::replace(*m_points, {GraphPoint{Money::fromCrowns(7), QDate(2009, 1, 1), QStringLiteral("kept")}});
        const GraphPoint virtualPoint{Money::fromCrowns(5), QDate(2009, 1, 2), QString()};
        QVERIFY(!GraphBuilder::applySpecial(QString(), *m_ledger, *m_points, PointBuilder::Only::All, virtualPoint));
        QCOMPARE(m_points->recordCount(), 1);
    }

    void looksOfTheKinds_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("bmp");
        QTest::newRow("line") << GraphKind::Line << "Křivkový Graf - Únor" << "Únor" << "KGraf_Únor.bmp";
        QTest::newRow("column") << QString() << "Sloupcový Graf - Únor" << "Únor" << "SGraf_Únor.bmp";
        QTest::newRow("3D") << GraphKind::Bar3D << "Sloupcový Graf - Únor" << "Únor" << "SGraf_Únor.bmp";
        QTest::newRow("pie") << GraphKind::Pie << "Koláčový Graf - Únor" << "Únor" << "KlGraf_Únor.bmp";
        QTest::newRow("year line") << GraphKind::YearLine << "Křivkový roční Graf" << "Křivkový roční Graf"
                                   << "KRGraf.bmp";
        QTest::newRow("year column") << GraphKind::YearArea << "Sloupcový roční Graf" << "Sloupcový roční Graf"
                                     << "SlRGraf.bmp";
        QTest::newRow("year 3D") << GraphKind::YearBar3D << "Sloupcový roční Graf 3D" << "Sloupcový roční Graf 3D"
                                 << "Sl3DRGraf.bmp";
        QTest::newRow("year pie") << GraphKind::YearPie << "Koláčový roční Graf" << "Koláčový roční Graf"
                                  << "KlRGraf.bmp";
    }
    void looksOfTheKinds()
    {
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, bmp);
        const GraphKind::Look look = GraphKind::lookOf(kind, QStringLiteral("Únor"));
        QCOMPARE(look.caption, caption);
        QCOMPARE(look.title, title);
        QCOMPARE(look.bmpName, bmp);
    }

    void zoomStaysInItsBounds()
    {
        ChartZoom zoom;
        int steps = 0;
        while (zoom.zoomIn())
            ++steps;
        QCOMPARE(zoom.percent(), ChartZoom::Most);
        QCOMPARE(steps, (ChartZoom::Most - 100) / ChartZoom::Step);
        zoom.reset();
        while (zoom.zoomOut()) {
        }
        QCOMPARE(zoom.percent(), ChartZoom::Least);
        // 50 %... twice the full range around the current centre, never
        // an empty or turned-over range.
        const ChartZoom::Range full{0, 100};
        QCOMPARE(zoom.visible(full, {40, 60}), (ChartZoom::Range{-200, 300}));
        zoom.reset();
        for (int i = 0; i < 45; ++i)
            zoom.zoomIn();
        const ChartZoom::Range in = zoom.visible(full, {0, 100});
        QVERIFY(in.max > in.min);
        QCOMPARE(in, (ChartZoom::Range{45, 55}));
    }

    void valueAxisLabels_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("label");
        QTest::newRow("thousands") << 1234567.0 << QStringLiteral("1\u00A0234\u00A0567Kč");
        QTest::newRow("three decimals at most") << 1.23456 << QStringLiteral("1,235Kč");
        QTest::newRow("no trailing zeros") << 2.5 << QStringLiteral("2,5Kč");
        QTest::newRow("negative") << -1500.0 << QStringLiteral("-1\u00A0500Kč");
        QTest::newRow("zero") << 0.0 << QStringLiteral("0Kč");
        QTest::newRow("tiny negative is zero") << -0.0001 << QStringLiteral("0Kč");
    }
    void valueAxisLabels()
    {
        QFETCH(double, value);
        QFETCH(QString, label);
        QCOMPARE(ValueAxis::label(value), label);
    }

    void valueAxisTicksAreRound()
    {
        const QVector<ValueAxis::Tick> ticks = ValueAxis::ticks(-310, 1120);
        QVERIFY(ticks.size() >= 4 && ticks.size() <= 12);
        for (const ValueAxis::Tick &tick : ticks) {
            QVERIFY(tick.value >= -310 && tick.value <= 1120);
            QCOMPARE(std::fmod(tick.value, 200.0), 0.0);
        }
        QVERIFY(ValueAxis::ticks(5, 5).size() == 1);
        QVERIFY(ValueAxis::ticks(0, std::numeric_limits<double>::infinity()).isEmpty());
    }

private:
    std::unique_ptr<TestEnv> m_env;
    std::unique_ptr<Table> m_ledger;
    std::unique_ptr<Table> m_points;
};

QTEST_GUILESS_MAIN(GraphPointsTest)
#include "tst_graphpoints.moc"
