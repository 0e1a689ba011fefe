#include "Subsystems.h"

#include "core/app/Program.h"
#include "core/app/context/AppContext.h"
#include "shell/window/MainMenus.h"
#include "shell/window/THlavni_Formular.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Locale.h"
#include "graphs/window/TForm4.h"
#include "core/data/platform/Paths.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "records/window/RecordSeams.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QElapsedTimer>
#include <QTimer>
#include <QtTest>

class CompositionTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->deliverTables();
        IniStore(Paths::inProgramFolder(QStringLiteral("Penezka.ini")), QLatin1String(Section::Nastaveni))
            .write(Key::Tipy, false);
        AppContext &context = AppContext::instance();
        context.reset();
        context.prompter = &m_prompter;
        registerSubsystems(context);
        m_session = std::make_unique<ProgramSession>(context);
    }
    void cleanup()
    {
        m_session.reset();
        AppContext::instance().reset();
        RecordSeams::graphMenu() = nullptr;
        m_env.reset();
    }

    // A window that is built and not registered would leave its menu
    // entries disabled for good.
    void everyBuiltWindowIsRegistered_data()
    {
        QTest::addColumn<int>("id");
        const QList<std::pair<const char *, WindowId>> ids{
            {"record window", WindowId::RecordWindow}, {"graph window", WindowId::GraphWindow},
            {"report", WindowId::Report},              {"calculator", WindowId::Calculator},
            {"item names", WindowId::ItemNames},       {"information texts", WindowId::InfoText},
            {"regular payments", WindowId::Payments},  {"wizard", WindowId::Wizard},
            {"water", WindowId::Water},                {"electricity", WindowId::Electricity},
            {"night tariff", WindowId::ElectricityNight}, {"gas", WindowId::Gas}};
        for (const auto &[name, id] : ids)
            QTest::newRow(name) << int(id);
    }
    void everyBuiltWindowIsRegistered()
    {
        QFETCH(int, id);
        QVERIFY(AppContext::instance().hasWindow(WindowId(id)));
    }

    void mainWindowEntriesOfTheNewWindowsAreEnabled_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("c");
        QTest::newRow("month graph") << int(MainCommand::MonthGraph) << 0 << 1 << 0;
        QTest::newRow("yearly graph") << int(MainCommand::YearGraph) << 3 << 0 << 0;
        QTest::newRow("item graph") << int(MainCommand::ItemGraph) << 2 << 1 << 12;
        QTest::newRow("print a month") << int(MainCommand::PrintMonth) << 12 << 0 << 0;
        QTest::newRow("print an item") << int(MainCommand::PrintItem) << 2 << 10 << 0;
        QTest::newRow("water") << int(MainCommand::OpenWindow) << int(WindowId::Water) << 0 << 0;
        QTest::newRow("electricity") << int(MainCommand::Electricity) << 0 << 0 << 0;
        QTest::newRow("gas") << int(MainCommand::OpenWindow) << int(WindowId::Gas) << 0 << 0;
    }
    void mainWindowEntriesOfTheNewWindowsAreEnabled()
    {
        QFETCH(int, command);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, c);
        QAction *entry = THlavni_Formular::of(*m_session)->menus().action(MainCommand(command), MenuArgs{a, b, c});
        QVERIFY(entry);
        QVERIFY(entry->isEnabled());
    }

    // The record window's graph button drops the main window's graph menu
    // of its kind; a previous-year window has none.
    void graphButtonDropsTheMainGraphMenus()
    {
        const RecordSeams::GraphMenu &menuOf = RecordSeams::graphMenu();
        QVERIFY(menuOf);
        const MainMenus &menus = THlavni_Formular::of(*m_session)->menus();
        QCOMPARE(menuOf(RecordKind::Month), menus.menu(MainMenu::DropMonthGraphs));
        QCOMPARE(menuOf(RecordKind::ItemGroup1), menus.menu(MainMenu::DropGroup1Graphs));
        QCOMPARE(menuOf(RecordKind::ItemGroup2), menus.menu(MainMenu::DropGroup2Graphs));
        QCOMPARE(menuOf(RecordKind::PreviousYear), nullptr);
        QVERIFY(menus.menu(MainMenu::DropMonthGraphs) != nullptr);
    }

    // The whole way from the main menu: the holder switched to the month,
    // the graph window built on its activation, and the holder closed when
    // it goes.
    void aGraphFromTheMainMenu()
    {
        {
            Table january;
            january.setFolder(QStringLiteral("Data"));
            january.setTableName(QStringLiteral("Leden.db"));
            january.open();
            for (const int amount : {1000, -300, -200}) {
                january.append();
                january.field(QStringLiteral("Datum")).setDate(QDate(2009, 1, 5));
                january.field(QStringLiteral("Castka")).setMoney(Money::fromCrowns(amount));
                january.post();
            }
        }
        QStringList seen;
        // The graph window runs modally: it is looked at and closed from
        // a timer, which also closes any other window that is in the way.
        QTimer closer;
        QElapsedTimer waited;
        waited.start();
        connect(&closer, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *graph = qobject_cast<TForm4 *>(modal);
            if (graph && graph->built()) {
                seen << graph->windowTitle();
                for (const GraphPoint &point : graph->model().points())
                    seen << Locale::moneyPlain(point.amount);
                graph->closeButton()->click();
            } else if (graph) {
                graph->activateWindow();
            } else if (modal && waited.elapsed() > 5000) {
                modal->close();
            }
        });
        closer.start(20);
        // "Křivkové grafy", "1. Leden"
        THlavni_Formular::of(*m_session)->menus().action(MainCommand::MonthGraph, MenuArgs{0, 1, 0})->trigger();
        QCOMPARE(seen, (QStringList{"Křivkový Graf - Leden", "500", "700", "1000"}));
        QVERIFY(!AppContext::instance().dataModule2->table().isOpen());
    }

private:
    std::unique_ptr<TestEnv> m_env;
    ScriptedPrompter m_prompter;
    std::unique_ptr<ProgramSession> m_session;
};

QTEST_MAIN(CompositionTest)
#include "tst_composition.moc"
