#include "records/window/SizeRules.h"
#include "records/window/ToolbarLayout.h"

#include <QtTest>

using TC = ToolbarControl;
Q_DECLARE_METATYPE(RecordKind)
Q_DECLARE_METATYPE(ToolbarChoices)

namespace {

// "BtnZavrit@63" for every shown control, in position order.
QStringList shown(const ButtonToolbarPlacement &placement)
{
    static const char *const names[] = {"BtnHledani", "BtnFiltrace", "Sep1", "S1", "S3", "S2", "S4",
                                        "Sep2", "E1", "E2", "E3", "E4", "Sep3", "MenuNastaveni",
                                        "MenuGrafu", "Barva", "Sep4", "BtnZavrit", "BtnCalc", "Cas1"};
    QStringList result;
    for (std::size_t i = 0; i < ToolbarControlCount; ++i)
        if (placement.controls[i].visible)
            result << QStringLiteral("%1@%2").arg(QLatin1String(names[i])).arg(placement.controls[i].left);
    return result;
}

ToolbarChoices allBut(std::initializer_list<ToolbarGroup> hidden)
{
    ToolbarChoices choices = ToolbarChoices::all();
    for (ToolbarGroup group : hidden)
        choices.set(group, false);
    return choices;
}

} // namespace

class ToolbarTest : public QObject
{
    Q_OBJECT

private slots:
    void buttonToolbar_data()
    {
        QTest::addColumn<ToolbarChoices>("choices");
        QTest::addColumn<RecordKind>("kind");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("every key false") << ToolbarChoices() << RecordKind::Month
                                         << QStringList{"MenuNastaveni@15", "Barva@37", "Sep4@59", "BtnZavrit@63"};
        QTest::newRow("everything at its design place")
            << ToolbarChoices::all() << RecordKind::Month
            << QStringList{"BtnHledani@15", "BtnFiltrace@37", "Sep1@59", "S1@63",  "S3@85",
                           "S2@107",        "S4@129",        "Sep2@151", "E1@155", "E2@177",
                           "E3@199",        "E4@221",        "Sep3@243", "MenuNastaveni@247", "MenuGrafu@269",
                           "Barva@291",     "Sep4@313",      "BtnZavrit@317", "BtnCalc@420", "Cas1@514"};
        QTest::newRow("movement buttons hidden")
            << allBut({ToolbarGroup::BtnSipky}) << RecordKind::ItemGroup1
            << QStringList{"BtnHledani@15", "BtnFiltrace@37", "Sep1@59", "E1@63",  "E2@85",
                           "E3@107",        "E4@129",        "Sep3@151", "MenuNastaveni@155", "MenuGrafu@177",
                           "Barva@199",     "Sep4@221",      "BtnZavrit@225", "BtnCalc@328", "Cas1@422"};
        QTest::newRow("previous year: no graph, no settings")
            << ToolbarChoices::all() << RecordKind::PreviousYear
            << QStringList{"BtnHledani@15", "BtnFiltrace@37", "Sep1@59",       "S1@63",  "S3@85",  "S2@107",
                           "S4@129",        "Sep2@151",      "E1@155",        "E2@177", "E3@199", "E4@221",
                           "Sep3@243",      "Barva@247",     "Sep4@269",      "BtnZavrit@273", "BtnCalc@376",
                           "Cas1@470"};
        QTest::newRow("previous year, every key false")
            << ToolbarChoices() << RecordKind::PreviousYear << QStringList{"Barva@15", "Sep4@37", "BtnZavrit@41"};
        QTest::newRow("calculator without clock")
            << allBut({ToolbarGroup::BtnHledani, ToolbarGroup::BtnSipky, ToolbarGroup::BtnEditace,
                       ToolbarGroup::MenuGrafu, ToolbarGroup::Cas1})
            << RecordKind::Month << QStringList{"MenuNastaveni@15", "Barva@37", "Sep4@59", "BtnZavrit@63", "BtnCalc@166"};
    }
    void buttonToolbar()
    {
        QFETCH(ToolbarChoices, choices);
        QFETCH(RecordKind, kind);
        const ButtonToolbarPlacement placement = ToolbarLayout::buttonToolbar(choices, kind, 200);
        QTEST(shown(placement), "expected");
        QCOMPARE(placement[TC::BtnZavrit].width, 92);
        QCOMPARE(placement[TC::BtnCalc].width, 94);
        QCOMPARE(placement[TC::Cas1].width, 200);
    }

    void textToolbar_data()
    {
        QTest::addColumn<bool>("supplement");
        QTest::addColumn<bool>("total");
        QTest::addColumn<int>("width"); // of the supplement label by the size rules, -1 design
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QRect>("supplementPlace"); // left, top, width, height; null when hidden
        QTest::addColumn<QRect>("totalPlace");

        QTest::newRow("both hidden") << false << false << -1 << false << QRect() << QRect();
        QTest::newRow("total alone fills it") << false << true << -1 << true << QRect() << QRect(0, 0, 700, 29);
        QTest::newRow("supplement alone fills it") << true << false << 300 << true << QRect(0, 0, 700, 29) << QRect();
        QTest::newRow("both at design places")
            << true << true << -1 << true << QRect(16, 3, 305, 22) << QRect(337, 3, 293, 22);
        QTest::newRow("both by the size rules")
            << true << true << 480 << true << QRect(16, 3, 480, 22) << QRect(480, 3, 480, 22);
    }
    void textToolbar()
    {
        QFETCH(bool, supplement);
        QFETCH(bool, total);
        QFETCH(int, width);
        const auto placement = ToolbarLayout::textToolbar(supplement, total, 700, width);
        QTEST(placement.visible, "visible");
        const auto rect = [&placement](const ControlPlacement &c) {
            return c.visible ? QRect(c.left, placement.top, c.width, placement.height) : QRect();
        };
        QTEST(rect(placement.supplement), "supplementPlace");
        QTEST(rect(placement.total), "totalPlace");
    }

    void sizeRules_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<bool>("onResize");
        QTest::addColumn<QList<int>>("expected"); // toolbar, grid, text column, lamp, clock, supplement, panel 1

        QTest::newRow("1024 opened") << 1024 << false << QList<int>{1010, 1008, 769, 986, 482, 480, 581};
        QTest::newRow("1024 resized") << 1024 << true << QList<int>{1008, 1008, 769, 986, 482, 480, 581};
        QTest::newRow("minimum width") << 601 << true << QList<int>{585, 585, 346, 563, 59, 268, 158};
        QTest::newRow("narrower than the clock") << 500 << true << QList<int>{484, 484, 245, 462, 0, 218, 57};
    }
    void sizeRules()
    {
        QFETCH(int, width);
        QFETCH(bool, onResize);
        const RecordSizes s = RecordSizes::forWidth(width, onResize);
        QTEST((QList<int>{s.toolbarWidth, s.gridWidth, s.infoColumnWidth, s.lampLeft, s.clockWidth,
                          s.supplementWidth, s.statusPanel1Width}),
              "expected");
    }
};

QTEST_GUILESS_MAIN(ToolbarTest)
#include "tst_toolbar.moc"
