// The commands behind the main window's menus: which table and title each
// record-window command hands over, the open-window guard, the previous
// year's captions, the sibling programs' failure messages, the quick-button
// rule and the tips.

#include "FakeWindows.h"

#include "core/app/context/ApplicationErrors.h"
#include "core/app/commands/CommandTables.h"
#include "shell/window/MainCommands.h"
#include "core/app/commands/MenuCaptions.h"
#include "core/app/commands/OpenWindowGuard.h"
#include "core/app/commands/PreviousYearNames.h"
#include "shell/look/QuickButtons.h"
#include "core/app/commands/SiblingPrograms.h"
#include "core/app/commands/Tips.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/Table.h"
#include "core/app/services/ProgramLocator.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/platform/StatusSink.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <functional>

using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(std::function<void(MainCommands &)>)

namespace {

using Command = std::function<void(MainCommands &)>;

RegFlags runFlags() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)); }

// One program folder with the holders and a recording record window.
struct Bench
{
    TestEnv env;
    ScriptedPrompter prompter;
    AppContext context;
    MenuCaptions captions;
    std::unique_ptr<TDataModule2> ledger;
    std::unique_ptr<FakeWindows> windows;
    std::unique_ptr<MainCommands> commands;

    Bench()
    {
        env.deliverTables();
        context.prompter = &prompter;
        ledger = std::make_unique<TDataModule2>(StatusSink::none(), prompter);
        context.dataModule2 = ledger.get();
        windows = std::make_unique<FakeWindows>(
            context, QList<WindowId>{WindowId::RecordWindow, WindowId::GraphWindow, WindowId::Report});
        commands = std::make_unique<MainCommands>(context, captions);
    }
};

} // namespace

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void recordWindowCommandsHandOver_data();
    void recordWindowCommandsHandOver();
    void guardRefusesWhileRecordWindowOpen();
    void tableThatCannotOpenCreatesNoWindow_data();
    void tableThatCannotOpenCreatesNoWindow();
    void recordWindowRemembersPlacementFromMenOkn_data();
    void recordWindowRemembersPlacementFromMenOkn();
    void graphAndPrintCommandsHandOver_data();
    void graphAndPrintCommandsHandOver();
    void previousYearCaptions_data();
    void previousYearCaptions();
    void launchFailureMessages_data();
    void launchFailureMessages();
    void programLocatorFindsTheReason_data();
    void programLocatorFindsTheReason();
    void previousConsumptionNamesTheLog_data();
    void previousConsumptionNamesTheLog();
    void quickButtonRule_data();
    void quickButtonRule();
    void centredPlaces_data();
    void centredPlaces();
    void tipsAsWritten_data();
    void tipsAsWritten();
};

void CommandsTest::recordWindowCommandsHandOver_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("table");

    QTest::newRow("January") << Command([](MainCommands &c) { c.openMonth(1); }) << 0 << u"Měsíc Leden"_s
                             << u"Leden.db"_s;
    QTest::newRow("September") << Command([](MainCommands &c) { c.openMonth(9); }) << 0 << u"Měsíc září"_s
                               << u"Zari.db"_s;
    QTest::newRow("December") << Command([](MainCommands &c) { c.openMonth(12); }) << 0 << u"Měsíc prosinec"_s
                              << u"Prosinec.db"_s;
    QTest::newRow("group 1 item 10") << Command([](MainCommands &c) { c.openItem(1, 10); }) << 1
                                     << u"10. --------------------"_s << u"Zaznam10.db"_s;
    QTest::newRow("group 2 item 10") << Command([](MainCommands &c) { c.openItem(2, 10); }) << 2
                                     << u"10. --------------------"_s << u"Zaznam010.db"_s;
    QTest::newRow("group 2 item 12") << Command([](MainCommands &c) { c.openItem(2, 12); }) << 2
                                     << u"12. --------------------"_s << u"Zaznam012.db"_s;
    QTest::newRow("previous January") << Command([](MainCommands &c) { c.openPreviousMonth(1); }) << 4
                                      << u"Měsíc leden - 2001"_s << u"Data01\\Leden.db"_s;
    QTest::newRow("previous group 1 item 10") << Command([](MainCommands &c) { c.openPreviousItem(1, 10); }) << 4
                                              << u"10. ------------------- - 2001"_s << u"Data01\\Zaznam10.db"_s;
    QTest::newRow("previous group 1 item 12") << Command([](MainCommands &c) { c.openPreviousItem(1, 12); }) << 4
                                              << u"12. ------------------- - 2001"_s << u"Data01\\Zaznam12.db"_s;
    QTest::newRow("previous group 2 item 5") << Command([](MainCommands &c) { c.openPreviousItem(2, 5); }) << 4
                                             << u"5. ------------------- - 2001"_s << u"Data01\\Zaznam05.db"_s;
}

void CommandsTest::recordWindowCommandsHandOver()
{
    QFETCH(Command, command);
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, table);

    Bench bench;
    runFlags().write(Key::Reg::RunFrm, false);
    command(*bench.commands);

    QCOMPARE(bench.windows->opened.size(), 1);
    const OpenedWindow &window = bench.windows->opened.first();
    QCOMPARE(window.id, WindowId::RecordWindow);
    QCOMPARE(int(window.orders.record.kind), kind);
    QCOMPARE(window.orders.record.title, title);
    QCOMPARE(window.ledgerTable, table);
    QVERIFY(bench.ledger->table().isOpen());
    QVERIFY(bench.prompter.messages.isEmpty());
}

void CommandsTest::guardRefusesWhileRecordWindowOpen()
{
    Bench bench;
    runFlags().write(Key::Reg::RunFrm, true);
    const QList<Command> commands{
        [](MainCommands &c) { c.openMonth(3); },        [](MainCommands &c) { c.openItem(1, 1); },
        [](MainCommands &c) { c.openItem(2, 7); },      [](MainCommands &c) { c.openPreviousMonth(4); },
        [](MainCommands &c) { c.openPreviousItem(2, 2); }};
    for (const Command &command : commands)
        command(*bench.commands);

    QVERIFY(bench.windows->opened.isEmpty());
    QCOMPARE(bench.prompter.messages, QStringList(commands.size(), u"Databáze je již aktivní !"_s));
    // The ledger holder was not switched either.
    QCOMPARE(bench.ledger->table().tableName(), u"Leden.db"_s);
    QVERIFY(!bench.ledger->table().isOpen());

    // Graphs do not ask the guard.
    bench.commands->monthGraph(Commands::GraphFamily::Line, 2);
    QCOMPARE(bench.windows->opened.size(), 1);
}

void CommandsTest::tableThatCannotOpenCreatesNoWindow_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("words");
    QTest::newRow("missing") << u"missing"_s << u"neexistuje"_s;
    QTest::newRow("read-only") << u"read-only"_s << u"jen pro čtení"_s;
    QTest::newRow("zero bytes") << u"empty"_s << u"prázdný"_s;
}

void CommandsTest::tableThatCannotOpenCreatesNoWindow()
{
    QFETCH(QString, damage);
    Bench bench;
    runFlags().write(Key::Reg::RunFrm, false);
    const QString path = bench.env.path(u"Data/Brezen.db"_s);
    if (damage == u"read-only"_s) {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    } else {
        QVERIFY(QFile::remove(path));
        if (damage == u"empty"_s)
            bench.env.writeFile(u"Data/Brezen.db"_s, QByteArray());
    }
    // What the application-wide handler does with a command's error; it
    // tells through the running program's prompter, once, in Czech.
    ApplicationErrors::setTargets(&bench.prompter, nullptr);
    QVERIFY(!ApplicationErrors::guard([&bench] { bench.commands->openMonth(3); }));
    ApplicationErrors::setTargets(nullptr, nullptr);
    QVERIFY(bench.windows->opened.isEmpty());
    QCOMPARE(bench.prompter.messages.size(), 1);
    QVERIFY2(bench.prompter.messages.first().contains(u"Brezen.db"_s), qPrintable(bench.prompter.messages.first()));
    QFETCH(QString, words);
    QVERIFY2(bench.prompter.messages.first().contains(words), qPrintable(bench.prompter.messages.first()));
    QVERIFY(!QFileInfo::exists(path + u"-wal"_s));
    // The next command works as before.
    bench.commands->openMonth(4);
    QCOMPARE(bench.windows->opened.size(), 1);
    QCOMPARE(bench.windows->opened.first().ledgerTable, u"Duben.db"_s);
}

void CommandsTest::recordWindowRemembersPlacementFromMenOkn_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("remembers");
    QTest::newRow("on") << QByteArray("1") << true;
    QTest::newRow("off") << QByteArray("0") << false;
    QTest::newRow("missing") << QByteArray() << false;
}

void CommandsTest::recordWindowRemembersPlacementFromMenOkn()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, remembers);
    Bench bench;
    runFlags().write(Key::Reg::RunFrm, false);
    bench.env.writeFile(u"Penezka.ini"_s,
                        stored.isEmpty() ? QByteArray("[Nastaveni]\r\n") : "[Nastaveni]\r\nMenOkn=" + stored + "\r\n");
    bench.commands->openMonth(2);
    QCOMPARE(bench.windows->opened.size(), 1);
    QCOMPARE(bench.windows->opened.first().orders.record.remembersPlacement, remembers);
}

void CommandsTest::graphAndPrintCommandsHandOver_data()
{
    using Commands::GraphFamily;
    QTest::addColumn<Command>("command");
    QTest::addColumn<WindowId>("window");
    QTest::addColumn<QString>("graphKind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("table");

    QTest::newRow("line graph of March")
        << Command([](MainCommands &c) { c.monthGraph(GraphFamily::Line, 3); }) << WindowId::GraphWindow
        << u"Krivkovy"_s << u"Březen"_s << u"Brezen.db"_s;
    QTest::newRow("3D graph of group 2 item 10")
        << Command([](MainCommands &c) { c.itemGraph(2, GraphFamily::Column3D, 10); }) << WindowId::GraphWindow
        << u"Sl3D"_s << u"10. --------------------"_s << u"Zaznam010.db"_s;
    QTest::newRow("pie of group 1 item 5 is titled like its siblings")
        << Command([](MainCommands &c) { c.itemGraph(1, GraphFamily::Pie, 5); }) << WindowId::GraphWindow
        << u"KOLAC"_s << u"5. --------------------"_s << u"Zaznam5.db"_s;
    // The column entries name no kind, and no kind is left over from an
    // earlier graph: the column graph.
    QTest::newRow("column graph hands over no kind")
        << Command([](MainCommands &c) { c.monthGraph(GraphFamily::Column, 7); }) << WindowId::GraphWindow
        << QString() << u"Červenec"_s << u"Cervenec.db"_s;
    QTest::newRow("yearly pie") << Command([](MainCommands &c) { c.yearGraph(GraphFamily::Pie); })
                                << WindowId::GraphWindow << u"RKOLAC"_s << u"Roční"_s << u"Leden.db"_s;
    QTest::newRow("print of May") << Command([](MainCommands &c) { c.printMonth(5); }) << WindowId::Report
                                  << u"5"_s << QString() << u"Leden.db"_s;
    QTest::newRow("print of group 2 item 3") << Command([](MainCommands &c) { c.printItem(2, 3); })
                                             << WindowId::Report << u"2S3"_s << u"3. --------------------"_s
                                             << u"Leden.db"_s;
    QTest::newRow("print of group 1 item 12") << Command([](MainCommands &c) { c.printItem(1, 12); })
                                              << WindowId::Report << u"S12"_s << u"12. --------------------"_s
                                              << u"Leden.db"_s;
}

void CommandsTest::graphAndPrintCommandsHandOver()
{
    QFETCH(Command, command);
    QFETCH(WindowId, window);
    QFETCH(QString, graphKind);
    QFETCH(QString, name);
    QFETCH(QString, table);

    Bench bench;
    command(*bench.commands);
    QCOMPARE(bench.windows->opened.size(), 1);
    const OpenedWindow &opened = bench.windows->opened.first();
    QCOMPARE(opened.id, window);
    QCOMPARE(opened.ledgerTable, table);
    if (window == WindowId::Report) {
        QCOMPARE(opened.orders.report.code, graphKind);
        QCOMPARE(opened.orders.report.title, name);
    } else {
        QCOMPARE(opened.orders.graph.kind, graphKind);
        QCOMPARE(opened.orders.graph.name, name);
    }
}

void CommandsTest::previousYearCaptions_data()
{
    QTest::addColumn<QString>("group");   // St 0
    QTest::addColumn<QString>("item1");   // String 1
    QTest::addColumn<QString>("item12");  // String 12
    QTest::addColumn<QString>("expectedGroup");
    QTest::addColumn<QString>("expected1");
    QTest::addColumn<QString>("expected12");

    QTest::newRow("all empty") << QString() << QString() << QString() << u"Skupina databáze 1"_s
                               << u"1. -------------------"_s << u"12. -------------------"_s;
    QTest::newRow("named") << u"Auto"_s << u"Benzín"_s << u"Servis"_s << u"Auto"_s << u"Benzín"_s << u"Servis"_s;
    QTest::newRow("group named, items not") << u"Dům"_s << QString() << u"Zahrada"_s << u"Dům"_s
                                            << u"1. -------------------"_s << u"Zahrada"_s;
}

void CommandsTest::previousYearCaptions()
{
    QFETCH(QString, group);
    QFETCH(QString, item1);
    QFETCH(QString, item12);
    QFETCH(QString, expectedGroup);
    QFETCH(QString, expected1);
    QFETCH(QString, expected12);

    TestEnv env;
    env.deliverTables();
    {
        Table names;
        names.setFolder(u"Data\\Data01"_s);
        names.setTableName(u"Položky1.db"_s);
        names.open();
        names.first();
        names.edit();
        names.field(u"St 0"_s).setString(group);
        names.field(u"String 1"_s).setString(item1);
        names.field(u"String 12"_s).setString(item12);
        names.post();
        names.close();
    }
    Table table;
    const PreviousYearNames read = PreviousYearNames::read(table, 1);
    QCOMPARE(read.group, expectedGroup);
    QCOMPARE(read.items.size(), 12);
    QCOMPARE(read.items.first(), expected1);
    QCOMPARE(read.items.last(), expected12);
    QCOMPARE(read.items.at(5), u"6. -------------------"_s);
    QVERIFY(!table.isOpen());
    // Group 2 reads its own table, untouched here.
    const PreviousYearNames second = PreviousYearNames::read(table, 2);
    QCOMPARE(second.group, u"Skupina databáze 2"_s);
    QCOMPARE(second.items.at(9), u"10. -------------------"_s);
}

void CommandsTest::launchFailureMessages_data()
{
    using Result = PlatformServices::LaunchResult;
    QTest::addColumn<Result>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("started") << Result::Started << QString();
    QTest::newRow("memory") << Result::OutOfMemory << u"Pro spuštění programu je málo paměti"_s;
    QTest::newRow("not a program") << Result::NotAProgram << u"Program je poškozen"_s;
    QTest::newRow("path") << Result::PathNotFound << u"Zadána špatná cesta"_s;
    QTest::newRow("file") << Result::FileNotFound << u"Program nebyl nalezen"_s;
    QTest::newRow("other") << Result::OtherFailure << QString();
}

void CommandsTest::launchFailureMessages()
{
    QFETCH(PlatformServices::LaunchResult, result);
    QFETCH(QString, message);

    TestEnv env;
    FakePlatformServices services;
    services.nextLaunchResult = result;
    ScriptedPrompter prompter;
    SiblingPrograms::launch(u"Volbik.exe"_s, services, prompter);
    QCOMPARE(services.calls, QStringList{u"launch Volbik.exe"_s});
    QCOMPARE(prompter.messages, message.isEmpty() ? QStringList() : QStringList{message});
}

void CommandsTest::programLocatorFindsTheReason_data()
{
    using Result = PlatformServices::LaunchResult;
    QTest::addColumn<QString>("asked");
    QTest::addColumn<Result>("result");
    QTest::addColumn<QString>("found"); // below the test folder

    QTest::newRow("bare name in the first folder") << u"Volbik.exe"_s << Result::Started << u"bin/Volbik.exe"_s;
    QTest::newRow("without .exe, other letter case") << u"MINULAK.EXE"_s << Result::Started << u"bin/minulak"_s;
    QTest::newRow("later folder when the first has none") << u"Hydrak.exe"_s << Result::Started
                                                          << u"path/Hydrak"_s;
    QTest::newRow("a file that cannot run") << u"Plamak.exe"_s << Result::NotAProgram << QString();
    QTest::newRow("a folder of that name") << u"Voltak.exe"_s << Result::NotAProgram << QString();
    QTest::newRow("nowhere") << u"Zapomnik.exe"_s << Result::FileNotFound << QString();
    QTest::newRow("empty name") << QString() << Result::FileNotFound << QString();
    QTest::newRow("folder that is not there") << u"Nikde/Volbik.exe"_s << Result::PathNotFound << QString();
    QTest::newRow("folder in the program folder") << u"bin\\Volbik.exe"_s << Result::Started
                                                  << u"bin/Volbik.exe"_s;
}

void CommandsTest::programLocatorFindsTheReason()
{
    using Result = PlatformServices::LaunchResult;
    QFETCH(QString, asked);
    QFETCH(Result, result);
    QFETCH(QString, found);

    TestEnv env;
    const auto program = [&env](const QString &relative, bool executable) {
        env.writeFile(relative, "#!/bin/sh\nexit 0\n");
        QFile file(env.path(relative));
        file.setPermissions(executable ? file.permissions() | QFileDevice::ExeOwner
                                       : QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    };
    program(u"bin/Volbik.exe"_s, true);
    program(u"bin/minulak"_s, true);
    program(u"bin/Plamak.exe"_s, false);
    program(u"path/Hydrak"_s, true);
    QDir().mkpath(env.path(u"bin/Voltak.exe"_s));

    const ProgramLocator locator({env.path(u"bin"_s), env.path(u"path"_s)}, env.programFolder());
    const ProgramLocator::Found answer = locator.locate(asked);
    QCOMPARE(answer.result, result);
    if (!found.isEmpty())
        QCOMPARE(QFileInfo(answer.path).canonicalFilePath(), QFileInfo(env.path(found)).canonicalFilePath());
}

void CommandsTest::previousConsumptionNamesTheLog_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("srcData");
    QTest::newRow("water") << 0 << u"Voda"_s;
    QTest::newRow("electricity") << 1 << u"Elekt"_s;
    QTest::newRow("gas") << 2 << u"Plyn"_s;
}

void CommandsTest::previousConsumptionNamesTheLog()
{
    QFETCH(int, index);
    QFETCH(QString, srcData);
    TestEnv env;
    FakePlatformServices services;
    services.nextLaunchResult = PlatformServices::LaunchResult::FileNotFound;
    SiblingPrograms::showPreviousConsumption(index, services);
    const RegFlags registration(QLatin1String(RegistryKey), QLatin1String(Section::Registrace));
    QCOMPARE(registration.read(Key::Reg::SrcData), srcData);
    // The sibling program's failure is not told.
    QCOMPARE(services.calls, QStringList{u"launch Minulak.exe"_s});
}

void CommandsTest::quickButtonRule_data()
{
    QTest::addColumn<bool>("rychloTl");
    QTest::addColumn<bool>("rAdrTel");
    QTest::addColumn<bool>("months");
    QTest::addColumn<bool>("group1");
    QTest::addColumn<bool>("group2");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("RychloTl off hides all, whatever else") << false << true << true << true << true << QList<int>{};
    QTest::newRow("RychloTl off, rest off") << false << false << false << false << false << QList<int>{};
    QTest::newRow("everything on") << true << true << true << true << true
                                   << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    QTest::newRow("only RychloTl") << true << false << false << false << false << QList<int>{1, 2, 7, 8};
    QTest::newRow("months and phone") << true << true << true << false << false << QList<int>{1, 2, 3, 5, 7, 8, 11, 12};
    QTest::newRow("group 2 only") << true << false << false << false << true << QList<int>{1, 2, 7, 8, 9, 10};
    QTest::newRow("group 1 only") << true << false << false << true << false << QList<int>{1, 2, 4, 6, 7, 8};
}

void CommandsTest::quickButtonRule()
{
    QFETCH(bool, rychloTl);
    QFETCH(bool, rAdrTel);
    QFETCH(bool, months);
    QFETCH(bool, group1);
    QFETCH(bool, group2);
    QFETCH(QList<int>, shown);

    const auto visible = QuickButtons::visibility(rychloTl, {rAdrTel, months, group1, group2});
    QList<int> actual;
    for (int n = 1; n <= QuickButtons::Count; ++n)
        if (visible[std::size_t(n - 1)])
            actual << n;
    QCOMPARE(actual, shown);
}

void CommandsTest::centredPlaces_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("place");
    // c = (1024 - 26) / 2 = 499
    QTest::newRow("1024: button 1") << 1024 << 1 << QPoint(254, 40);
    QTest::newRow("1024: button 8") << 1024 << 8 << QPoint(254, 96);
    QTest::newRow("1024: button 3") << 1024 << 3 << QPoint(398, 40);
    QTest::newRow("1024: button 11") << 1024 << 11 << QPoint(398, 208);
    QTest::newRow("1024: button 6") << 1024 << 6 << QPoint(534, 96);
    QTest::newRow("1024: button 12") << 1024 << 12 << QPoint(534, 208);
    QTest::newRow("1024: button 2") << 1024 << 2 << QPoint(670, 40);
    QTest::newRow("1024: button 7") << 1024 << 7 << QPoint(670, 96);
    QTest::newRow("1024: button 9") << 1024 << 9 << QPoint(398, 152);
    QTest::newRow("1024: button 10") << 1024 << 10 << QPoint(534, 152);
    // odd widths round towards zero: c = (551 - 26) / 2 = 262
    QTest::newRow("551: button 1") << 551 << 1 << QPoint(17, 40);
    // narrower than the buttons: c = (10 - 26) / 2 = -8, not -9
    QTest::newRow("10: button 2") << 10 << 2 << QPoint(163, 40);
    QTest::newRow("11: button 2") << 11 << 2 << QPoint(164, 40);
}

void CommandsTest::centredPlaces()
{
    QFETCH(int, width);
    QFETCH(int, button);
    QFETCH(QPoint, place);
    QCOMPARE(QuickButtons::centredPosition(button, width), place);
}

void CommandsTest::tipsAsWritten_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::newRow("first") << 0
                           << u"Nastavíte-li pozadí obrázku například C:\\Obrázek.bmp a změníte jeho obsah například "
                              "něco přikreslíte, změna se vždy zobrazí v programu."_s;
    QTest::newRow("15 with its quotation marks and apostrophe")
        << 14
        << u"Při editaci databáze můžete k položce přidat takzvanou \"Skrytou položku\" a do ní vložit další údaje "
           "týkající se k položce. Částka nebude viditelná, ale započítává se do celkové výsledné částky'."_s;
    QTest::newRow("27 starts in lower case") << 26
                                             << u"si můžete nastavit Vaše pravidelné platby a ony se budou do "
                                                "databáze automaticky vkládat."_s;
    QTest::newRow("last") << 33 << u"Můžete databází exportovat do textového souboru."_s;
}

void CommandsTest::tipsAsWritten()
{
    QFETCH(int, index);
    QFETCH(QString, text);
    QCOMPARE(Tips::all().size(), 34);
    QCOMPARE(Tips::all().at(index), text);
    // Every pick is one of the 34, repeats allowed.
    QRandomGenerator random(7);
    for (int i = 0; i < 200; ++i) {
        const int pick = Tips::pick(random);
        QVERIFY(pick >= 0 && pick < 34);
    }
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
