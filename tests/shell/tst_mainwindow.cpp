// The start-up and the main window: the long-lived objects and the
// open-window guard's reset, what the settings show and hide, the keys of
// the record-window commands, the password at the first paint, the quick
// buttons' places and the routing of hints.

#include "FakeWindows.h"

#include "core/app/Program.h"
#include "shell/window/MainCommands.h"
#include "core/app/commands/MenuCaptions.h"
#include "shell/window/MainMenus.h"
#include "shell/window/THlavni_Formular.h"
#include "shell/Registration.h"
#include "shell/look/MainWindowSettings.h"
#include "shell/look/SettingsFollower.h"
#include "shell/window/MainBackground.h"
#include "shell/window/MoveHandle.h"
#include "shell/window/StartMenu.h"
#include "widgets/CaptionBand.h"
#include "widgets/GradientButtonStyle.h"
#include "widgets/WindowBackground.h"
#include "core/data/catalogue/Holders.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/PlatformServices.h"
#include "core/data/platform/Paths.h"
#include "core/data/stores/IniFile.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

RegFlags runFlags() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm)); }

// The program folder's Penezka.ini (a bare name would mean the config folder).
IniStore settings() { return IniStore(Paths::inProgramFolder(u"Penezka.ini"_s), QLatin1String(Section::Nastaveni)); }

// A delivered program folder with the first-run tips switched off, the
// recording windows registered and a scripted prompter.
struct Started
{
    TestEnv env;
    ScriptedPrompter prompter;
    std::unique_ptr<FakeWindows> windows;
    std::unique_ptr<ProgramSession> session;

    using Keys = QList<std::pair<const char *, QByteArray>>;
    explicit Started(const Keys &keys = {}, bool previousYear = true)
    {
        env.deliverTables();
        if (!previousYear)
            QDir(env.path(u"Data/Data01"_s)).removeRecursively();
        IniStore store = settings();
        store.write(Key::Tipy, false);
        for (const auto &[key, value] : keys)
            store.writeString(QString::fromLatin1(key), QString::fromLatin1(value));
        AppContext &context = AppContext::instance();
        context.reset();
        registerShell(context);
        context.prompter = &prompter;
        windows = std::make_unique<FakeWindows>(
            context, QList<WindowId>{WindowId::RecordWindow, WindowId::GraphWindow, WindowId::Report});
    }
    void start() { session = std::make_unique<ProgramSession>(AppContext::instance()); }
    THlavni_Formular &window() const { return *THlavni_Formular::of(*session); }
    ~Started()
    {
        session.reset();
        AppContext::instance().reset();
    }
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpCreatesTheObjectsInOrder();
    void staleRunFrmIsCleared();
    void captionAndStatusBar();
    void functionKeysOpenTheirTables_data();
    void functionKeysOpenTheirTables();
    void guardRefusesFromEveryMenu();
    void entriesAsWritten_data();
    void entriesAsWritten();
    void commandFamiliesAreComplete();
    void entriesWithoutTheirWindowAreDisabled();
    void settingsShowAndHideMenus_data();
    void settingsShowAndHideMenus();
    void previousYearMenu_data();
    void previousYearMenu();
    void quickButtonsFollowTheRule_data();
    void quickButtonsFollowTheRule();
    void lookFollowsTheSettings_data();
    void lookFollowsTheSettings();
    void whatAWrittenKeyAsks_data();
    void whatAWrittenKeyAsks();
    void writesOfAMomentRefreshOnce();
    void buttonPlacesSurviveARestart();
    void missingPlacesAreNotWrittenBack();
    void passwordAtFirstPaint_data();
    void passwordAtFirstPaint();
    void trayIconAfterFirstPaint_data();
    void trayIconAfterFirstPaint();
    void hintsGoToTheShownStatusBar_data();
    void hintsGoToTheShownStatusBar();
    void groupCaptionsFollowTheItemNames();
    void areaCodesAndHelpGoThroughThePlatform();
    void shutdownButton_data();
    void shutdownButton();
    void screenSaverButtons_data();
    void screenSaverButtons();
    void waysOfEnding_data();
    void waysOfEnding();
    void trayShowsTheGroupsOfTheSettings_data();
    void trayShowsTheGroupsOfTheSettings();
    void hintWindowsTakeTheirColours_data();
    void hintWindowsTakeTheirColours();
    void lookFollowsItsKeys();
    void textureFallsBack();
    void backgroundPictureMenu();
    void pictureThatCannotBeRead();
    void movingMode();
    void placesFromABiggerScreenAreKeptInside();
    void startMenu();
    void themeShowsWhatItValidlyHolds();
};

void MainWindowTest::startUpCreatesTheObjectsInOrder()
{
    Started run;
    int steps = 0;
    run.session = std::make_unique<ProgramSession>(AppContext::instance(), [&steps] {
        const AppContext &context = AppContext::instance();
        // The item names' holder exists before the main window is built,
        // the ledger holder only after it.
        if (steps == 1)
            QVERIFY(context.dataModule12 && !context.mainWindow);
        if (context.mainWindow)
            QVERIFY(!context.dataModule2 || steps > 4);
        ++steps;
    });
    QCOMPARE(steps, ProgramSession::stepCount(AppContext::instance()));
    const AppContext &context = AppContext::instance();
    QVERIFY(context.dataModule12 && context.dataModule2 && context.dataModule23 && context.dataModule6);
    QCOMPARE(context.mainWindow, static_cast<MainWindowHooks *>(run.session->mainWindow()));
    QVERIFY(context.dataModule6->table().isOpen());
    // Directory and ParentDirectory point at this program folder.
    const IniStore store = settings();
    QCOMPARE(QFileInfo(store.read(Key::Directory)).canonicalFilePath(),
             QFileInfo(run.env.path(u"Penezka.ini"_s)).canonicalFilePath());
    QVERIFY(store.read(Key::ParentDirectory).endsWith(u'/'));
}

void MainWindowTest::staleRunFrmIsCleared()
{
    Started run;
    // A run that was killed while a record window was open.
    runFlags().write(Key::Reg::RunFrm, true);
    runFlags().write(Key::Reg::FrmGraf, true);
    run.start();
    QVERIFY(!runFlags().read(Key::Reg::RunFrm));
    QVERIFY(!runFlags().read(Key::Reg::FrmGraf));
    run.window().commands().openMonth(1);
    QCOMPARE(run.windows->opened.size(), 1);
    QVERIFY(run.prompter.messages.isEmpty());
}

void MainWindowTest::captionAndStatusBar()
{
    Started run;
    run.start();
    THlavni_Formular &window = run.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.firstPaintDone());
    QCOMPARE(window.windowTitle(), u"Rozvahon 5.6"_s);
    QCOMPARE(window.statusBar()->objectName(), u"StatusBar1"_s);
    QCOMPARE(window.statusPanel(0)->text(), u"Rozvahon"_s);
    QCOMPARE(window.statusPanel(0)->width(), 120);
}

void MainWindowTest::functionKeysOpenTheirTables_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("title");
    QTest::newRow("F1 January") << int(Qt::Key_F1) << int(Qt::NoModifier) << u"Leden.db"_s << 0 << u"Měsíc Leden"_s;
    QTest::newRow("F12 December") << int(Qt::Key_F12) << int(Qt::NoModifier) << u"Prosinec.db"_s << 0
                                  << u"Měsíc prosinec"_s;
    QTest::newRow("Ctrl+F10 group 1 item 10") << int(Qt::Key_F10) << int(Qt::ControlModifier) << u"Zaznam10.db"_s
                                              << 1 << u"10. --------------------"_s;
    QTest::newRow("Shift+F10 group 2 item 10") << int(Qt::Key_F10) << int(Qt::ShiftModifier) << u"Zaznam010.db"_s
                                               << 2 << u"10. --------------------"_s;
    QTest::newRow("Shift+F1 group 2 item 1") << int(Qt::Key_F1) << int(Qt::ShiftModifier) << u"Zaznam01.db"_s << 2
                                             << u"1. --------------------"_s;
}

void MainWindowTest::functionKeysOpenTheirTables()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, table);
    QFETCH(int, kind);
    QFETCH(QString, title);

    Started run;
    run.start();
    THlavni_Formular &window = run.window();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(run.windows->opened.size(), 1);
    const OpenedWindow &opened = run.windows->opened.first();
    QCOMPARE(opened.ledgerTable, table);
    QCOMPARE(int(opened.orders.record.kind), kind);
    QCOMPARE(opened.orders.record.title, title);
}

void MainWindowTest::guardRefusesFromEveryMenu()
{
    Started run;
    run.start();
    const std::vector<QAction *> &entries = run.window().menus().recordEntries();
    // Main menu, previous year, drop-downs and tray.
    QCOMPARE(int(entries.size()), 12 + 24 + 36 + 12 + 24 + 12 + 24);
    runFlags().write(Key::Reg::RunFrm, true);
    for (QAction *entry : entries) {
        QVERIFY2(entry->isEnabled(), qPrintable(entry->objectName()));
        entry->trigger();
    }
    QVERIFY(run.windows->opened.isEmpty());
    QCOMPARE(run.prompter.messages.size(), int(entries.size()));
    QVERIFY(run.prompter.messages.count(u"Databáze je již aktivní !"_s) == int(entries.size()));
}

void MainWindowTest::entriesAsWritten_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("statusText");
    QTest::addColumn<QString>("keys");

    QTest::newRow("January") << u"Mesic1"_s << u"Leden"_s << u"Databáze měsíce Leden"_s << u"F1"_s;
    QTest::newRow("October") << u"Mesic10"_s << u"Říjen"_s << u"Databáze měsíce Říjen"_s << u"F10"_s;
    QTest::newRow("group 1 item 3") << u"Skupina1Polozka3"_s << u"3. --------------------"_s
                                    << u"Položka číslo 3"_s << u"Ctrl+F3"_s;
    QTest::newRow("group 2 item 12") << u"Skupina2Polozka12"_s << u"12. --------------------"_s
                                     << u"Položka číslo 12"_s << u"Shift+F12"_s;
    QTest::newRow("line graph of September") << u"Graf1Mesic9"_s << u"9. Září"_s
                                             << u"Křivkový graf pro měsíc Září"_s << QString();
    QTest::newRow("column graph of September") << u"Graf2Mesic9"_s << u"9. Září"_s
                                               << u"Sloupcový Graf pro měsíc Záři"_s << QString();
    QTest::newRow("pie of September") << u"Graf4Mesic9"_s << u"9. Září"_s << u"Koláčový Graf pro měsíc Záři"_s
                                      << QString();
    QTest::newRow("yearly line") << u"Graf1Rok"_s << u"Roční Graf"_s << u"Křivkový graf za Celý rok"_s << QString();
    QTest::newRow("yearly 3D") << u"Graf3Rok"_s << u"Roční graf"_s << u"Sloupcový 3D graf za Celý Rok"_s
                               << QString();
    QTest::newRow("yearly pie") << u"Graf4Rok"_s << u"Roční Graf"_s << u"Koláčový graf Celého Roku"_s << QString();
    QTest::newRow("drop-down yearly line") << u"PopupGraf1Rok"_s << u"Roční Graf"_s
                                           << u"Křivkový graf Celého roku"_s << QString();
    QTest::newRow("drop-down October") << u"PopupMesic10"_s << u"10. Říjen"_s
                                       << u"Obsahuje záznamy měsíce Říjnu"_s << QString();
    QTest::newRow("item pie graph") << u"Skupina1Graf4Polozka5"_s << u"5. --------------------"_s
                                    << u"Koláčový Graf položky č. 5"_s << QString();
    QTest::newRow("item 3D graph") << u"Skupina2Graf3Polozka7"_s << u"7. --------------------"_s
                                   << u"Sloupcový graf položky číslo 7"_s << QString();
    QTest::newRow("print May") << u"TiskMesic5"_s << u"5. Květen"_s << u"Tisk databáze Květen"_s << QString();
    QTest::newRow("print group 2 item 3") << u"TiskSkupina2Polozka3"_s << u"3. --------------------"_s
                                          << u"Tisk databáze č.3"_s << QString();
    QTest::newRow("previous May") << u"LoniMesic5"_s << u"5. Květen"_s << u"Loňská databáze Květen"_s << QString();
    QTest::newRow("previous group 1 item 2") << u"LoniSkupina1Polozka2"_s << u"2. -------------------"_s
                                             << u"Loňská databáze č.2"_s << QString();
    QTest::newRow("tray March") << u"TrayMesic3"_s << u"Březen"_s << QString() << QString();
    QTest::newRow("water") << u"Voda1"_s << u"Teplá, studená &voda"_s << QString() << u"Ctrl+V"_s;
    QTest::newRow("electricity") << u"Elektrina1"_s << u"&Elektřina"_s << QString() << u"Ctrl+E"_s;
    QTest::newRow("gas") << u"Plyn1"_s << u"P&lyn"_s << QString() << u"Ctrl+L"_s;
    QTest::newRow("phone book") << u"TelSeznam1"_s << u"Telefonní s&eznam"_s << QString() << u"Ctrl+T"_s;
    QTest::newRow("area codes") << u"Predvolby1"_s << u"&Předvolby v ČR"_s << QString() << u"Ctrl+P"_s;
    QTest::newRow("addresses") << u"Adresy2"_s << u"Ad&resy"_s << QString() << u"Ctrl+A"_s;
    QTest::newRow("calendar") << u"Kalendar2"_s << u"K&alendář"_s << QString() << u"Ctrl+K"_s;
    QTest::newRow("calculator") << u"Kalkulacka1"_s << u"Kalkulačka"_s << QString() << u"Ctrl+Q"_s;
    QTest::newRow("exit") << u"Konec1"_s << u"&Konec"_s << QString() << u"Alt+X"_s;
    QTest::newRow("popup exit") << u"KonecProgramu1"_s << u"Konec programu\tAlt+X"_s << u"Zavřít okno"_s
                                << QString();
    QTest::newRow("help has no key") << u"Napoveda1"_s << u"&Nápověda"_s << QString() << QString();
    QTest::newRow("tips") << u"PracovniTipy1"_s << u"&Pracovní Tipy..."_s << QString() << QString();
    QTest::newRow("backup from A:") << u"OtevreniZalohy1"_s << u"O&tevření zálohy z A:"_s << QString() << QString();
    QTest::newRow("moving mode") << u"ManipulaceSPozici1"_s << u"Manipulace s pozicí tlačítkek"_s
                                 << u"Ativovat přesunutí tlačítek"_s << QString();
}

void MainWindowTest::entriesAsWritten()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, statusText);
    QFETCH(QString, keys);
    Started run;
    run.start();
    QAction *entry = run.window().findChild<QAction *>(name);
    QVERIFY2(entry, qPrintable(name));
    QCOMPARE(entry->text(), caption);
    if (!statusText.isEmpty())
        QCOMPARE(entry->statusTip(), statusText);
    QCOMPARE(entry->shortcut().toString(), keys);
}

void MainWindowTest::commandFamiliesAreComplete()
{
    Started run;
    run.start();
    const QList<QAction *> actions = run.window().findChildren<QAction *>();
    QSet<QString> names;
    for (const QAction *action : actions)
        if (!action->objectName().isEmpty())
            names << action->objectName();
    const auto count = [&names](const QString &pattern) {
        const QRegularExpression match(u"^(?:"_s + pattern + u")$"_s);
        int found = 0;
        for (const QString &name : names)
            found += match.match(name).hasMatch() ? 1 : 0;
        return found;
    };
    // Record windows of the main menu: months, both groups, previous year.
    QCOMPARE(count(u"Mesic\\d+|Skupina[12]Polozka\\d+|LoniMesic\\d+|LoniSkupina[12]Polozka\\d+"_s), 72);
    // Graphs: 4 kinds x 12 months, 4 yearly, 4 kinds x 12 items per group.
    QCOMPARE(count(u"Graf[1-4]Mesic\\d+|Graf[1-4]Rok|Skupina[12]Graf[1-4]Polozka\\d+"_s), 48 + 4 + 96);
    // Print: 12 months and 12 items per group.
    QCOMPARE(count(u"TiskMesic\\d+|TiskSkupina[12]Polozka\\d+"_s), 36);
    // Graph drop-downs reach the same commands.
    QCOMPARE(count(u"PopupGraf[1-4]Mesic\\d+|PopupGraf[1-4]Rok|PopupSkupina[12]Graf[1-4]Polozka\\d+"_s), 148);
}

void MainWindowTest::entriesWithoutTheirWindowAreDisabled()
{
    Started run;
    AppContext::instance().reset();
    registerShell(AppContext::instance());
    AppContext::instance().prompter = &run.prompter;
    run.start();
    THlavni_Formular &window = run.window();
    for (QAction *entry : window.menus().recordEntries())
        QVERIFY2(!entry->isEnabled(), qPrintable(entry->objectName()));
    QVERIFY(!window.findChild<QAction *>(u"Kalkulacka1"_s)->isEnabled());
    QVERIFY(!window.findChild<QAction *>(u"Vlastnosti1"_s)->isEnabled());
    QVERIFY(!window.findChild<QAction *>(u"Graf1Mesic1"_s)->isEnabled());
    // What the window does itself always works.
    QVERIFY(window.findChild<QAction *>(u"Napoveda1"_s)->isEnabled());
    QVERIFY(window.findChild<QAction *>(u"Predvolby1"_s)->isEnabled());
    QVERIFY(!window.quickButton(11)->isEnabled());
}

void MainWindowTest::settingsShowAndHideMenus_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("menu");
    QTest::newRow("months") << QByteArray("DatabazeMesic") << u"Databaze1"_s;
    QTest::newRow("group 1") << QByteArray("DatabazeUzv") << u"Skupina1"_s;
    QTest::newRow("group 2") << QByteArray("DatabazeUzv2") << u"Skupina2"_s;
    QTest::newRow("consumption") << QByteArray("Esp") << u"EvidenceSpotreby1"_s;
    QTest::newRow("X") << QByteArray("X") << u"X1"_s;
}

void MainWindowTest::settingsShowAndHideMenus()
{
    QFETCH(QByteArray, key);
    QFETCH(QString, menu);
    for (const bool shown : {true, false}) {
        Started run(Started::Keys{{key.constData(), shown ? "1" : "0"}});
        run.start();
        QMenu *found = run.window().findChild<QMenu *>(menu);
        QVERIFY(found);
        QCOMPARE(found->menuAction()->isVisible(), shown);
        // A hidden group takes its keys with it.
        if (key == "DatabazeMesic")
            QCOMPARE(run.window().findChild<QAction *>(u"Mesic1"_s)->isEnabled(), shown);
    }
}

void MainWindowTest::previousYearMenu_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QByteArray>("staraDat01");
    QTest::addColumn<bool>("shown");
    QTest::newRow("folder and switch") << true << QByteArray("1") << true;
    QTest::newRow("folder, switch off") << true << QByteArray("0") << false;
    QTest::newRow("no folder, switch on") << false << QByteArray("1") << false;
    QTest::newRow("no folder, no switch") << false << QByteArray("0") << false;
}

void MainWindowTest::previousYearMenu()
{
    QFETCH(bool, folder);
    QFETCH(QByteArray, staraDat01);
    QFETCH(bool, shown);
    Started run(Started::Keys{{"StaraDat01", staraDat01}}, folder);
    if (folder) {
        Table names;
        names.setFolder(u"Data\\Data01"_s);
        names.setTableName(u"Položky2.db"_s);
        names.open();
        names.first();
        names.edit();
        names.field(u"St 0"_s).setString(u"Loňské auto"_s);
        names.field(u"String 3"_s).setString(u"Pneumatiky"_s);
        names.post();
        names.close();
    }
    run.start();
    THlavni_Formular &window = run.window();
    QCOMPARE(window.menus().isShown(MainMenu::PreviousYear), shown);
    if (!shown)
        return;
    QCOMPARE(window.findChild<QMenu *>(u"LoniSkupina1"_s)->title(), u"Skupina databáze 1"_s);
    QCOMPARE(window.findChild<QAction *>(u"LoniSkupina1Polozka1"_s)->text(), u"1. -------------------"_s);
    QCOMPARE(window.findChild<QMenu *>(u"LoniSkupina2"_s)->title(), u"Loňské auto"_s);
    QCOMPARE(window.findChild<QAction *>(u"LoniSkupina2Polozka3"_s)->text(), u"Pneumatiky"_s);
    window.findChild<QAction *>(u"LoniSkupina2Polozka3"_s)->trigger();
    QCOMPARE(run.windows->opened.size(), 1);
    QCOMPARE(run.windows->opened.first().orders.record.title, u"Pneumatiky - 2001"_s);
    QCOMPARE(run.windows->opened.first().ledgerTable, u"Data01\\Zaznam03.db"_s);
}

void MainWindowTest::quickButtonsFollowTheRule_data()
{
    QTest::addColumn<QByteArray>("rychloTl");
    QTest::addColumn<int>("shownCount");
    QTest::newRow("RychloTl off: none, all the others on") << QByteArray("0") << 0;
    QTest::newRow("RychloTl on: all twelve") << QByteArray("1") << 12;
}

void MainWindowTest::quickButtonsFollowTheRule()
{
    QFETCH(QByteArray, rychloTl);
    QFETCH(int, shownCount);
    Started run(Started::Keys{{"RychloTl", rychloTl}, {"RAdrTel", "1"}, {"DatabazeMesic", "1"}, {"DatabazeUzv", "1"},
                 {"DatabazeUzv2", "1"}});
    run.start();
    THlavni_Formular &window = run.window();
    window.show();
    int shown = 0;
    for (int n = 1; n <= 12; ++n)
        shown += window.quickButton(n)->isVisible() ? 1 : 0;
    QCOMPARE(shown, shownCount);
    // The settings dialog can change it while the program runs.
    window.CoRychloTl(shownCount == 0);
    shown = 0;
    for (int n = 1; n <= 12; ++n)
        shown += window.quickButton(n)->isVisible() ? 1 : 0;
    QCOMPARE(shown, 12 - shownCount);
}

// A setting written while the program runs (by the settings dialog or any
// other writer) shows at once, without a restart; the same key in another
// section or file changes nothing.
using Probe = std::function<int(THlavni_Formular &)>;
Q_DECLARE_METATYPE(Probe)

void MainWindowTest::lookFollowsTheSettings_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("atStart");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("section");
    QTest::addColumn<Probe>("probe");
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("after");

    const QString nastaveni = QString::fromLatin1(Section::Nastaveni);
    const Probe statusBar = [](THlavni_Formular &w) { return int(w.statusBar()->isVisible()); };
    const Probe quickButton = [](THlavni_Formular &w) { return int(w.quickButton(1)->isVisible()); };
    const Probe months = [](THlavni_Formular &w) { return int(w.menus().isShown(MainMenu::Months)); };
    const Probe exitMenu = [](THlavni_Formular &w) { return int(w.menus().isShown(MainMenu::X)); };
    const Probe place = [](THlavni_Formular &w) { return w.quickButton(3)->x(); };
    QTest::newRow("status bar off") << QByteArray("StatusBar1") << QByteArray("1") << QByteArray("0") << nastaveni
                                    << statusBar << 1 << 0;
    QTest::newRow("status bar on") << QByteArray("StatusBar1") << QByteArray("0") << QByteArray("1") << nastaveni
                                   << statusBar << 0 << 1;
    QTest::newRow("quick buttons off") << QByteArray("RychloTl") << QByteArray("1") << QByteArray("0") << nastaveni
                                       << quickButton << 1 << 0;
    QTest::newRow("months menu off") << QByteArray("DatabazeMesic") << QByteArray("1") << QByteArray("0")
                                     << nastaveni << months << 1 << 0;
    QTest::newRow("exit menu on") << QByteArray("X") << QByteArray("0") << QByteArray("1") << nastaveni << exitMenu
                                  << 0 << 1;
    QTest::newRow("a button's place") << QByteArray("But3.L") << QByteArray("398") << QByteArray("5") << nastaveni
                                      << place << 398 << 5;
    QTest::newRow("another section") << QByteArray("StatusBar1") << QByteArray("1") << QByteArray("0")
                                     << QString::fromLatin1(Section::SetMesice) << statusBar << 1 << 1;
}

void MainWindowTest::lookFollowsTheSettings()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, atStart);
    QFETCH(QByteArray, written);
    QFETCH(QString, section);
    QFETCH(Probe, probe);
    QFETCH(int, before);
    QFETCH(int, after);

    Started run(Started::Keys{{key.constData(), atStart}});
    run.start();
    THlavni_Formular &window = run.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(probe(window), before);

    IniStore store = settings();
    store.setSection(section);
    QVERIFY(store.writeString(QString::fromLatin1(key), QString::fromLatin1(written)));
    if (before != after) {
        QTRY_COMPARE(probe(window), after);
    } else {
        QTest::qWait(50);
        QCOMPARE(probe(window), after);
    }
}

void MainWindowTest::whatAWrittenKeyAsks_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("change");
    using Change = MainWindowSettings::Change;
    QTest::newRow("quick buttons") << u"RychloTl"_s << int(Change::Look);
    QTest::newRow("any case") << u"statusbar1"_s << int(Change::Look);
    QTest::newRow("tray icon") << u"TrayIcon1"_s << int(Change::Look);
    QTest::newRow("first button's left") << u"But1.L"_s << int(Change::ButtonPlaces);
    QTest::newRow("last button's top") << u"But12.T"_s << int(Change::ButtonPlaces);
    QTest::newRow("no thirteenth button") << u"But13.L"_s << int(Change::None);
    QTest::newRow("window background") << u"OknoStyl"_s << int(Change::Look);
    QTest::newRow("background picture") << u"pozadipath"_s << int(Change::Look);
    QTest::newRow("button gradient") << u"BtnColor1"_s << int(Change::Look);
    QTest::newRow("the folders it writes itself") << u"Directory"_s << int(Change::None);
    QTest::newRow("read at start-up only") << u"HAct"_s << int(Change::None);
    QTest::newRow("empty") << QString() << int(Change::None);
}

void MainWindowTest::whatAWrittenKeyAsks()
{
    QFETCH(QString, key);
    QFETCH(int, change);
    QCOMPARE(int(MainWindowSettings::changeOf(key)), change);
}

// A dialog that writes many keys at once causes one refresh, which moves
// the buttons when a place was among them; keys the window does not show
// cause none.
void MainWindowTest::writesOfAMomentRefreshOnce()
{
    TestEnv env;
    const IniStore followed = settings();
    QList<bool> applied;
    SettingsFollower follower(followed, [&applied](bool placesToo) { applied << placesToo; });
    IniStore writer = settings();
    for (int n = 1; n <= 12; ++n)
        writer.write(Key::butLeft(n), n);
    writer.write(Key::RychloTl, true);
    QTRY_COMPARE(applied.size(), 1);
    QCOMPARE(applied.first(), true);
    writer.write(Key::StatusBar1, false);
    writer.write(Key::Esp, true);
    QTRY_COMPARE(applied.size(), 2);
    QCOMPARE(applied.last(), false);
    writer.write(Key::HAct, true);
    writer.write(Key::Directory, u"/jinde/Penezka.ini"_s);
    QTest::qWait(30);
    QCOMPARE(applied.size(), 2);
}

// A place read from a missing key (-11073) is not written back at the end
// of the run: the key stays missing instead of holding -11073.
void MainWindowTest::missingPlacesAreNotWrittenBack()
{
    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    env.writeFile(u"Penezka.ini"_s, "[Nastaveni]\r\n");
    IniStore store(path, QLatin1String(Section::Nastaveni));
    std::array<QPoint, QuickButtons::Count> places{};
    places.fill(QPoint(Settings::MissingInteger, Settings::MissingInteger));
    places[1] = QPoint(20, 30);
    places[2] = QPoint(40, Settings::MissingInteger);
    MainWindowStore::writeButtonPlaces(store, places);
    QCOMPARE(IniFile(path).keys(QLatin1String(Section::Nastaveni)), (QStringList{u"But2.L"_s, u"But2.T"_s, u"But3.L"_s}));
    QCOMPARE(store.read(Key::butLeft(3)), 40);
}

void MainWindowTest::buttonPlacesSurviveARestart()
{
    Started run(Started::Keys{{"But7.L", "17"}, {"But7.T", "300"}});
    run.start();
    QCOMPARE(run.window().quickButton(7)->pos(), QPoint(17, 300));
    QCOMPARE(run.window().quickButton(3)->pos(), QPoint(398, 40)); // as delivered
    run.window().quickButton(3)->move(5, 6);
    run.session.reset(); // FormDestroy
    const IniStore store = settings();
    QCOMPARE(store.read(Key::butLeft(3)), 5);
    QCOMPARE(store.read(Key::butTop(3)), 6);
    QCOMPARE(store.read(Key::butLeft(7)), 17);

    run.start();
    QCOMPARE(run.window().quickButton(3)->pos(), QPoint(5, 6));

    // "Přesunout na střed okna" puts them back at the centred places.
    run.window().resize(1024, 700);
    run.window().show();
    QTRY_VERIFY(run.window().centralWidget()->width() > 0);
    run.window().menus().action(MainCommand::CentreButtons)->trigger();
    const int c = (run.window().centralWidget()->width() - 26) / 2;
    QCOMPARE(run.window().quickButton(3)->pos(), QPoint(c - 101, 40));
}

void MainWindowTest::passwordAtFirstPaint_data()
{
    QTest::addColumn<QByteArray>("hAct");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("ends");
    QTest::newRow("right password") << QByteArray("1") << u"tajné"_s << u"OK"_s << false;
    QTest::newRow("wrong password ends the program") << QByteArray("1") << u"tajne"_s << u"OK"_s << true;
    QTest::newRow("Storno ends the program") << QByteArray("1") << u"tajné"_s << u"Storno"_s << true;
    QTest::newRow("no password asked") << QByteArray("0") << QString() << QString() << false;
}

void MainWindowTest::passwordAtFirstPaint()
{
    QFETCH(QByteArray, hAct);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(bool, ends);

    Started run(Started::Keys{{"HAct", hAct}});
    settings().write(Key::Pas, u"tajné"_s);
    run.start();
    THlavni_Formular &window = run.window();
    QSignalSpy closed(&window, &THlavni_Formular::closed);
    bool paintedBeforeAsking = false;
    bool asked = false;
    auto *timer = new QTimer(&window);
    connect(timer, &QTimer::timeout, &window, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != u"FrmHeslo"_s)
            return;
        timer->stop();
        asked = true;
        paintedBeforeAsking = window.firstPaintDone();
        modal->findChild<QLineEdit *>(u"Edit1"_s)->setText(typed);
        modal->findChild<QPushButton *>(button)->click();
    });
    timer->start(10);
    window.show();
    QTRY_VERIFY(window.firstPaintDone());
    if (hAct == "1") {
        QTRY_VERIFY(asked);
        QVERIFY(paintedBeforeAsking);
    }
    QTest::qWait(50);
    QCOMPARE(closed.size(), ends ? 1 : 0);
    QCOMPARE(window.isVisible(), !ends);
    // No message on the way out.
    QVERIFY(run.prompter.messages.isEmpty());
}

void MainWindowTest::trayIconAfterFirstPaint_data()
{
    QTest::addColumn<QByteArray>("trayIcon1");
    QTest::newRow("on") << QByteArray("1");
    QTest::newRow("off") << QByteArray("0");
}

void MainWindowTest::trayIconAfterFirstPaint()
{
    QFETCH(QByteArray, trayIcon1);
    Started run(Started::Keys{{"TrayIcon1", trayIcon1}});
    run.start();
    THlavni_Formular &window = run.window();
    QVERIFY(!window.trayIcon()->isVisible());
    QCOMPARE(window.trayIcon()->toolTip(), u"Rozvahon"_s);
    window.show();
    QTRY_VERIFY(window.firstPaintDone());
    QTRY_COMPARE(window.trayIcon()->isVisible(), trayIcon1 == "1");
    // Brought back from the tray, the icon again follows TrayIcon1.
    window.trayIcon()->show();
    window.menus().action(MainCommand::Restore)->setVisible(true);
    window.restoreFromTray();
    QCOMPARE(window.trayIcon()->isVisible(), trayIcon1 == "1");
    QVERIFY(!window.menus().action(MainCommand::Restore)->isVisible());
    QVERIFY(window.isVisible());
}

void MainWindowTest::hintsGoToTheShownStatusBar_data()
{
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("toRecordWindow");
    QTest::newRow("record window shown") << true << true;
    QTest::newRow("none") << false << false;
}

void MainWindowTest::hintsGoToTheShownStatusBar()
{
    QFETCH(bool, visible);
    QFETCH(bool, toRecordWindow);
    Started run;
    run.start();
    THlavni_Formular &window = run.window();
    QString recordStatus;
    AppContext::instance().recordWindowStatus = [&recordStatus](const QString &text) { recordStatus = text; };
    window.DtVisTrue();
    QVERIFY(AppContext::instance().values.recordWindowShown);
    AppContext::instance().values.recordWindowShown = visible;

    // A quick button's hint arrives as the application's status text.
    QStatusTipEvent tip(window.quickButton(7)->statusTip());
    QCoreApplication::sendEvent(window.quickButton(7), &tip);
    const QString expected = u"Zavře tento program"_s;
    QCOMPARE(recordStatus, toRecordWindow ? expected : QString());
    QCOMPARE(window.statusPanel(1)->text(), toRecordWindow ? u"Otevírá se..."_s : expected);
    window.DtVisFalse();
    QVERIFY(!AppContext::instance().values.recordWindowShown);
}

void MainWindowTest::groupCaptionsFollowTheItemNames()
{
    Started run;
    run.start();
    THlavni_Formular &window = run.window();
    MenuCaptions &captions = window.captions();
    captions.setGroup(1, u"Auto"_s);
    captions.setButton(1, u"Auto"_s);
    captions.setItem(1, 4, u"Benzín"_s);
    QCOMPARE(window.findChild<QMenu *>(u"Skupina1"_s)->title(), u"Auto"_s);
    QCOMPARE(window.quickButton(4)->text(), u"Auto"_s);
    QCOMPARE(window.findChild<QAction *>(u"PopupSkupina1Polozka4"_s)->text(), u"Benzín"_s);
    // The tray takes the captions when it opens.
    emit window.menus().menu(MainMenu::Tray)->aboutToShow();
    QCOMPARE(window.findChild<QMenu *>(u"TraySkupina1"_s)->title(), u"Auto"_s);
    QCOMPARE(window.findChild<QAction *>(u"TraySkupina1Polozka4"_s)->text(), u"Benzín"_s);
    // The record window is titled with the caption of the moment.
    window.findChild<QAction *>(u"Skupina1Polozka4"_s)->trigger();
    QCOMPARE(run.windows->opened.first().orders.record.title, u"Benzín"_s);
    QCOMPARE(run.windows->opened.first().ledgerTable, u"Zaznam4.db"_s);
}

void MainWindowTest::areaCodesAndHelpGoThroughThePlatform()
{
    Started run;
    run.start();
    auto &fake = dynamic_cast<FakePlatformServices &>(PlatformServices::current());
    fake.calls.clear();
    fake.nextLaunchResult = PlatformServices::LaunchResult::FileNotFound;
    run.window().findChild<QAction *>(u"Predvolby1"_s)->trigger();
    run.window().findChild<QAction *>(u"Napoveda1"_s)->trigger();
    QCOMPARE(fake.calls.size(), 2);
    QCOMPARE(fake.calls.at(0), u"launch Volbik.exe"_s);
    QVERIFY(fake.calls.at(1).startsWith(u"help "_s));
    QVERIFY(fake.calls.at(1).endsWith(u"help/index.html"_s));
    QCOMPARE(run.prompter.messages, QStringList{u"Program nebyl nalezen"_s});
    fake.nextLaunchResult = PlatformServices::LaunchResult::Started;
}

void MainWindowTest::shutdownButton_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Ano, accepted") << u"Ano"_s << true << QStringList{u"shutdown"_s} << true;
    QTest::newRow("Ano, refused: silent, the wait window stays") << u"Ano"_s << false << QStringList{u"shutdown"_s}
                                                                  << false;
    QTest::newRow("Ne") << u"Ne"_s << true << QStringList{} << false;
}

void MainWindowTest::shutdownButton()
{
    QFETCH(QString, answer);
    QFETCH(bool, accepted);
    QFETCH(QStringList, calls);
    QFETCH(bool, ends);

    Started run;
    run.start();
    THlavni_Formular &window = run.window();
    auto &fake = dynamic_cast<FakePlatformServices &>(PlatformServices::current());
    fake.calls.clear();
    fake.nextShutdownResult = {accepted, accepted ? QString() : u"Error: Access denied"_s};
    QSignalSpy closed(&window, &THlavni_Formular::closed);
    window.show();
    QTimer::singleShot(0, &window, [answer] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal && modal->objectName() == u"Form25"_s);
        QCOMPARE(modal->windowTitle(), u"Okamžitě vypne"_s);
        modal->findChild<QPushButton *>(answer)->click();
    });
    window.quickButton(2)->click();
    QCOMPARE(fake.calls, calls);
    QCOMPARE(closed.size(), ends ? 1 : 0);
    QWidget *wait = window.findChild<QWidget *>(u"Form26"_s);
    // Shown once the machine is asked; it stays when the request is refused.
    QCOMPARE(wait && wait->isVisible(), answer == u"Ano"_s);
    QVERIFY(run.prompter.messages.isEmpty());
    fake.nextShutdownResult = {true, {}};
}

void MainWindowTest::screenSaverButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("systemSaver");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("ownSaver");
    QTest::newRow("button 1, saver there") << u"QuickButton1"_s << true << QStringList{u"screensaver"_s} << false;
    QTest::newRow("button 1, no saver: nothing") << u"QuickButton1"_s << false << QStringList{} << false;
    QTest::newRow("title-bar S, system") << u"SporicObrazovky"_s << true << QStringList{u"screensaver"_s} << false;
    QTest::newRow("button 8: own star field") << u"QuickButton8"_s << true << QStringList{} << true;
    QTest::newRow("title-bar S, own") << u"SporicProgramu"_s << false << QStringList{} << true;
}

void MainWindowTest::screenSaverButtons()
{
    QFETCH(QString, button);
    QFETCH(bool, systemSaver);
    QFETCH(QStringList, calls);
    QFETCH(bool, ownSaver);

    Started run;
    run.start();
    THlavni_Formular &window = run.window();
    auto &fake = dynamic_cast<FakePlatformServices &>(PlatformServices::current());
    fake.calls.clear();
    fake.screenSaver = systemSaver;
    bool sawOwnSaver = false;
    QTimer::singleShot(0, &window, [&sawOwnSaver] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == u"Sporic"_s) {
            sawOwnSaver = modal->windowTitle() == u"Spořič obrazovky"_s;
            QTest::mouseClick(modal, Qt::LeftButton); // a click closes it
        }
    });
    window.findChild<QAbstractButton *>(button)->click();
    QCOMPARE(fake.calls, calls);
    QCOMPARE(sawOwnSaver, ownSaver);
    QVERIFY(!QApplication::activeModalWidget());
    fake.screenSaver = true;
}

void MainWindowTest::waysOfEnding_data()
{
    QTest::addColumn<QByteArray>("menuX");
    QTest::addColumn<QString>("how");
    QTest::newRow("Alt+X") << QByteArray("1") << u"Alt+X"_s;
    QTest::newRow("Alt+X with the X menu hidden") << QByteArray("0") << u"Alt+X"_s;
    QTest::newRow("Konec of the X menu") << QByteArray("1") << u"Konec1"_s;
    QTest::newRow("Konec programu of the popup") << QByteArray("1") << u"KonecProgramu1"_s;
    QTest::newRow("Konec of the tray") << QByteArray("1") << u"TrayKonec"_s;
    QTest::newRow("quick button Konec") << QByteArray("1") << u"QuickButton7"_s;
}

void MainWindowTest::waysOfEnding()
{
    QFETCH(QByteArray, menuX);
    QFETCH(QString, how);
    Started run(Started::Keys{{"X", menuX}});
    run.start();
    THlavni_Formular &window = run.window();
    QSignalSpy closed(&window, &THlavni_Formular::closed);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (how == u"Alt+X"_s)
        QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    else if (auto *button = window.findChild<QPushButton *>(how))
        button->click();
    else
        window.findChild<QAction *>(how)->trigger();
    QCOMPARE(closed.size(), 1);
    QVERIFY(!window.isVisible());
    // No question on the way out, and the guard is left as it was.
    QVERIFY(run.prompter.questions.isEmpty());
}

void MainWindowTest::trayShowsTheGroupsOfTheSettings_data()
{
    QTest::addColumn<QByteArray>("months");
    QTest::addColumn<QByteArray>("group1");
    QTest::addColumn<QByteArray>("group2");
    QTest::newRow("all") << QByteArray("1") << QByteArray("1") << QByteArray("1");
    QTest::newRow("months only") << QByteArray("1") << QByteArray("0") << QByteArray("0");
    QTest::newRow("group 2 only") << QByteArray("0") << QByteArray("0") << QByteArray("1");
}

void MainWindowTest::trayShowsTheGroupsOfTheSettings()
{
    QFETCH(QByteArray, months);
    QFETCH(QByteArray, group1);
    QFETCH(QByteArray, group2);
    Started run;
    run.start();
    THlavni_Formular &window = run.window();
    // Changed while the program runs: the tray reads them when it opens.
    IniStore store = settings();
    store.writeString(u"DatabazeMesic"_s, QString::fromLatin1(months));
    store.writeString(u"DatabazeUzv"_s, QString::fromLatin1(group1));
    store.writeString(u"DatabazeUzv2"_s, QString::fromLatin1(group2));
    emit window.menus().menu(MainMenu::Tray)->aboutToShow();
    QCOMPARE(window.menus().isShown(MainMenu::TrayMonths), months == "1");
    QCOMPARE(window.menus().isShown(MainMenu::TrayGroup1), group1 == "1");
    QCOMPARE(window.menus().isShown(MainMenu::TrayGroup2), group2 == "1");
    QVERIFY(!window.menus().action(MainCommand::Restore)->isVisible()); // only while minimised
}

void MainWindowTest::hintWindowsTakeTheirColours_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("hint background") << int(QPalette::ToolTipBase) << QColor(227, 224, 248);
    QTest::newRow("hint text") << int(QPalette::ToolTipText) << QColor(Qt::black);
}

void MainWindowTest::hintWindowsTakeTheirColours()
{
    QFETCH(int, role);
    QFETCH(QColor, colour);
    // A desktop theme that gave the hint windows yellow ones of its own.
    const QPalette appBefore = QApplication::palette();
    const QPalette tipsBefore = QToolTip::palette();
    QPalette theme = tipsBefore;
    theme.setColor(QPalette::ToolTipBase, Qt::yellow);
    theme.setColor(QPalette::ToolTipText, Qt::darkBlue);
    QToolTip::setPalette(theme);

    applyHintColours();
    const QColor shown = QToolTip::palette().color(QPalette::ColorRole(role));
    const QColor widgets = QApplication::palette().color(QPalette::ColorRole(role));
    QToolTip::setPalette(tipsBefore);
    QApplication::setPalette(appBefore);
    QCOMPARE(shown, colour);
    QCOMPARE(widgets, colour);
}

// The shared window background, the button gradient and the main
// window's background follow their keys while the window is shown.
void MainWindowTest::lookFollowsItsKeys()
{
    Started run(Started::Keys{{"OknoStyl", "1"}, {"OknoClx", "35"}, {"FrmZobr", "0"}, {"BtnStyl", "3"},
                              {"BtnColor", "40"}, {"GradientBckg1", "1"}});
    run.start();
    QCOMPARE(WindowBackground::shared().isTexture(), false);
    QCOMPARE(WindowBackground::shared().gradient().style, GradientFill::Style::Vertical);
    QCOMPARE(WindowBackground::shared().gradient().colourCount(), 35);
    QVERIFY(GradientButtonStyle::installed());
    QCOMPARE(GradientButtonStyle::installed()->fill().style, GradientFill::Style::DoppelFlash);
    QCOMPARE(GradientButtonStyle::installed()->fill().colourCount(), 40);
    QVERIFY(run.window().background()->surfaceShown());

    IniStore store = settings();
    store.write(Key::OknoStyl, 2);
    store.write(Key::OknoClx, 1); // refused: the number stays
    store.write(Key::BtnStyl, 99); // out of range: the designed style
    store.write(Key::GradientBckg1, false);
    QTRY_COMPARE(WindowBackground::shared().gradient().style, GradientFill::Style::Circle);
    QCOMPARE(WindowBackground::shared().gradient().colourCount(), 100);
    QCOMPARE(GradientButtonStyle::installed()->fill().style, GradientFill::Style::DoppelFlash);
    QVERIFY(!run.window().background()->surfaceShown());

    // The caption band follows the title-bar gradient and the title.
    store.write(Key::GradientCaption1, true);
    store.write(Key::GradientColor, 0x0000FF);
    QTRY_COMPARE(run.window().captionBand()->colour(), QColor(255, 0, 0));
    QVERIFY(run.window().captionBand()->isVisibleTo(&run.window()));
    QCOMPARE(run.window().captionBand()->text(), u"Rozvahon 5.6"_s);
    store.write(Key::GradientCaption1, false);
    QTRY_VERIFY(!run.window().captionBand()->isVisibleTo(&run.window()));
}

void MainWindowTest::textureFallsBack()
{
    Started run(Started::Keys{{"FrmZobr", "1"}, {"Textura", "Chybi.bmp"}});
    run.start();
    QCOMPARE(run.prompter.messages, QStringList{u"Nedá se otevřít obrázek textury !"_s});
    QCOMPARE(settings().read(Key::Textura), u"Textura.bmp"_s);
    QVERIFY(WindowBackground::shared().isTexture());
    // The write of the fallback is followed without a second message.
    QTest::qWait(100);
    QCOMPARE(run.prompter.messages.size(), 1);
}

void MainWindowTest::backgroundPictureMenu()
{
    Started run(Started::Keys{{"GradientBckg1", "0"}, {"PozadiBckg1", "0"}});
    run.start();
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QString file = run.env.path(u"zahrada.jpg"_s);
    QVERIFY(picture.save(file, "JPG"));
    QVERIFY(!run.window().background()->hasPicture());

    run.prompter.fileNames = {file};
    run.window().menus().action(MainCommand::Background, {1})->trigger();
    QVERIFY(run.window().background()->hasPicture());
    const IniStore store = settings();
    QCOMPARE(store.read(Key::PozadiPath), file);
    QCOMPARE(store.read(Key::PozadiBckg1), true);
    QCOMPARE(run.prompter.messages.value(0), u"Soubor se bude načítat ze "_s + file + u"\n Cesta Nastavena..."_s);

    run.window().menus().action(MainCommand::Background, {0})->trigger();
    QVERIFY(!run.window().background()->hasPicture());
    QCOMPARE(settings().read(Key::PozadiBckg1), false);
    QCOMPARE(settings().read(Key::PozadiPath), file);
}

// A picture that cannot be read leaves the bare window and is told once.
void MainWindowTest::pictureThatCannotBeRead()
{
    Started run(Started::Keys{{"GradientBckg1", "0"}, {"PozadiBckg1", "1"}, {"PozadiPath", "/nikde/obrazek.jpg"}});
    run.start();
    QVERIFY(!run.window().background()->hasPicture());
    QCOMPARE(run.prompter.messages.size(), 1);
    QVERIFY(run.prompter.messages.value(0).contains(u"obrazek.jpg"_s));
    settings().write(Key::OknoStyl, 4);
    QTRY_COMPARE(WindowBackground::shared().gradient().style, GradientFill::Style::HorizontalDoppelBar);
    QCOMPARE(run.prompter.messages.size(), 1);
}

void MainWindowTest::movingMode()
{
    Started run(Started::Keys{{"GradientBckg1", "0"}, {"RychloTl", "1"}});
    run.start();
    THlavni_Formular &window = run.window();
    window.resize(900, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAction *entry = window.findChild<QAction *>(u"ManipulaceSPozici1"_s);
    QVERIFY(entry && entry->isCheckable() && entry->isEnabled());
    entry->trigger();
    QVERIFY(window.movingMode());
    QVERIFY(entry->isChecked());
    QVERIFY(window.background()->crossHatch());
    QVERIFY(window.background()->surfaceShown());

    // "Konec" only goes into the handle; the program stays open.
    QSignalSpy closed(&window, &ProgramWindow::closed);
    QPushButton *konec = window.quickButton(7);
    QTest::mouseClick(konec, Qt::LeftButton);
    QVERIFY(closed.isEmpty());
    QVERIFY(window.isVisible());
    MoveHandle *handle = window.moveHandle();
    QCOMPARE(handle->button(), konec);
    QCOMPARE(handle->geometry(), konec->geometry().adjusted(-2, -2, 2, 2));

    // Dragging the frame drags the button.
    const QPoint from = konec->pos();
    QTest::mousePress(handle, Qt::LeftButton, {}, QPoint(1, 1));
    QMouseEvent move(QEvent::MouseMove, QPointF(41, 21), handle->mapToGlobal(QPointF(41, 21)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(41, 21));
    QCOMPARE(konec->pos(), from + QPoint(40, 20));
    QCOMPARE(handle->geometry(), konec->geometry().adjusted(-2, -2, 2, 2));

    // Another button takes the handle from the first.
    QTest::mouseClick(window.quickButton(1), Qt::LeftButton);
    QCOMPARE(handle->button(), window.quickButton(1));

    // Off with GradientBckg1 false: the grid goes and the bare window shows.
    entry->trigger();
    QVERIFY(!window.movingMode());
    QVERIFY(!window.background()->surfaceShown());
    QVERIFY(!handle->isVisible());
    QVERIFY(!handle->isEnabled());

    // The moved button comes back at its place after a restart.
    const QPoint moved = konec->pos();
    run.session.reset();
    run.start();
    QCOMPARE(run.window().quickButton(7)->pos(), moved);
}

void MainWindowTest::placesFromABiggerScreenAreKeptInside()
{
    Started run(Started::Keys{{"But3.L", "5000"}, {"But3.T", "3000"}, {"RychloTl", "1"}});
    run.start();
    THlavni_Formular &window = run.window();
    window.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(window.isMaximized());
    QTRY_VERIFY(window.centralWidget()->rect().contains(window.quickButton(3)->geometry()));
    // A button already inside stays where it was.
    QCOMPARE(window.quickButton(7)->pos(), QPoint(settings().read(Key::butLeft(7)), settings().read(Key::butTop(7))));
}

void MainWindowTest::startMenu()
{
    Started run(Started::Keys{{"DatabazeMesic", "1"}, {"DatabazeUzv", "1"}, {"DatabazeUzv2", "0"},
                              {"GradientBckg1", "0"}, {"StatusBar1", "1"}});
    run.start();
    THlavni_Formular &window = run.window();
    window.resize(900, 640);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    StartMenu &start = window.startMenu();
    QWidget *area = window.background();
    QTRY_COMPARE(start.strip()->geometry(), QRect(0, area->height() - 22, area->width(), 22));
    QCOMPARE(start.button()->pos(), QPoint(0, area->height() - 49));
    QCOMPARE(start.menu()->pos(), QPoint(0, area->height() - 316));
    QCOMPARE(start.menu()->size(), QSize(165, 268));
    QVERIFY(!start.button()->isVisible());
    QVERIFY(!start.menu()->isVisible());

    // The mouse over the status bar shows "Menu"; over the background it goes.
    QTest::mouseMove(window.statusBar(), QPoint(5, 5));
    QTRY_VERIFY(start.button()->isVisible());
    QCOMPARE(start.button()->text(), u"Menu"_s);
    QVERIFY(start.button()->font().bold());
    QTest::mouseMove(area, QPoint(860, 400));
    QTRY_VERIFY(!start.button()->isVisible());

    // "Menu" opens the menu with the groups' captions; group 2 is hidden.
    start.pointerOverStrip();
    QTest::mouseClick(start.button(), Qt::LeftButton);
    QVERIFY(start.menu()->isVisible());
    QCOMPARE(start.entry(2)->text(), window.quickButton(4)->text());
    QCOMPARE(start.entry(0)->text(), u"Databáze"_s);
    for (int i : {0, 1, 2, 3, 6})
        QVERIFY2(start.entry(i)->isVisible(), qPrintable(QString::number(i)));
    QVERIFY(!start.entry(4)->isVisible());
    QVERIFY(!start.entry(5)->isVisible());
    // A click on the background closes it; "Storno" closes it with the button.
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(860, 400));
    QVERIFY(!start.menu()->isVisible());
    QVERIFY(start.button()->isVisible());
    start.open();
    QTest::mouseClick(start.entry(6), Qt::LeftButton);
    QVERIFY(!start.menu()->isVisible());
    QVERIFY(!start.button()->isVisible());
}

// A theme shows what it holds; what it lacks or holds unreadably stays as
// shown, and the settings file is not touched.
void MainWindowTest::themeShowsWhatItValidlyHolds()
{
    Started run(Started::Keys{{"StatusBar1", "1"}, {"GradientCaption1", "1"}, {"OknoStyl", "1"}, {"BtnStyl", "3"},
                              {"RychloTl", "1"}, {"X", "1"}});
    run.start();
    THlavni_Formular &window = run.window();
    const QPoint button4 = window.quickButton(4)->pos();
    const QByteArray before = IniFile(settings().filePath()).keys(QLatin1String(Section::Nastaveni)).join(',').toUtf8();
    const QString themePath = run.env.path(u"muj.vzd"_s);
    run.env.writeFile(u"muj.vzd"_s, "[Nastaveni]\r\nStatusBar1=0\r\nOknoStyl=2\r\nBut3.L=10\r\nBut3.T=300\r\n"
                                     "FrmZobr=1\r\nTextura=Chybi.bmp\r\nGradientCaption1=0\r\nBtnStyl=abc\r\nOknoClx=-11073\r\n");
    IniStore theme(themePath, QLatin1String(Section::Nastaveni));
    window.show();
    window.NactiVzhled(theme);

    QVERIFY(!window.statusBar()->isVisible());
    QVERIFY(!window.captionBand()->isVisible());
    QCOMPARE(window.quickButton(3)->pos(), QPoint(10, 300));
    QCOMPARE(window.quickButton(4)->pos(), button4);
    QCOMPARE(GradientButtonStyle::installed()->fill().style, GradientFill::Style::DoppelFlash);
    QVERIFY(window.menus().menu(MainMenu::X)->menuAction()->isVisible());
    // The texture that cannot be read falls back, written into the theme.
    QVERIFY(WindowBackground::shared().isTexture());
    QCOMPARE(run.prompter.messages, QStringList{u"Nedá se otevřít obrázek textury !"_s});
    QCOMPARE(theme.read(Key::Textura), u"Textura.bmp"_s);
    QCOMPARE(IniFile(settings().filePath()).keys(QLatin1String(Section::Nastaveni)).join(',').toUtf8(), before);
    QCOMPARE(settings().read(Key::StatusBar1), true);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
