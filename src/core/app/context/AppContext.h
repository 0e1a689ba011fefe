#pragma once

#include "core/app/context/ScreenPicture.h"
#include "core/data/catalogue/RecordKind.h"

#include <QPoint>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AppContext;
class QDialog;
class QWidget;
class Clock;
class PlatformServices;
class Prompter;
class TDataModule2;
class TDataModule23;
class TDataModule12;
class TDataModule6;
class MenuCaptions;
class ProgramWindow;
class StatusSink;
class SettingsStore;

// What the record window is to show (RecordWindowKind, RecordWindowTitle)
// and whether it remembers its place (MenOkn).
struct RecordWindowOrder
{
    RecordKind kind = RecordKind::Month;
    QString title;
    bool remembersPlacement = false;
};

// What the graph window is to draw: GraphKind ("Krivkovy", "Sl3D", "KOLAC",
// "R…", or empty for the column graph) and GraphName. The kind stays a text:
// the graph window's special functions set it as such.
struct GraphOrder
{
    QString kind;
    QString name;
};

// The report's code ("1"-"12" months, "S1"-"S12" group 1, "2S1"-"2S12"
// group 2) and title, as TForm24.PrMesic takes them.
struct ReportOrder
{
    QString code;
    QString title;
};

// What a command hands to the window it opens: a value made by the command
// and given to the window's factory; nothing is kept of it in the context.
struct WindowOrders
{
    RecordWindowOrder record;
    GraphOrder graph;
    ReportOrder report;
};

// Values of the whole run.
struct ProcessValues
{
    QString programVersion = QStringLiteral("5.6");
    QString windowsVersionText = QStringLiteral("3.6");
    bool recordWindowShown = false; // a record window is on screen (its hints go to it)
};

// What the main window offers to the windows opened from it.
class MainWindowHooks
{
public:
    virtual ~MainWindowHooks();
    virtual void DtVisTrue() = 0;  // a record window is shown
    virtual void DtVisFalse() = 0; // it is gone
    // The second panel of the main window's status bar.
    virtual void setMainStatusText(const QString &text) = 0;
    virtual QWidget *mainWidget() = 0;
};

// Windows are opened by id; each subsystem registers the factory of its
// windows at start-up. A command whose window is not registered is shown
// disabled.
enum class WindowId {
    RecordWindow,   // TForm3
    GraphWindow,    // TForm4
    Report,         // TForm24
    Calculator,     // TdlgCalculator
    PhoneBook,      // TForm15
    Addresses,      // TAdresy
    Calendar,       // TForm5
    Settings,       // TForm11 (long-lived, shown without waiting)
    ItemNames,      // TForm13
    InfoText,       // TForm8
    Payments,       // TForm17
    Alarm,          // TFrmBudik
    Backup,         // TFrmZaloha
    OpenBackup,     // TFrmOpenZaloha
    Water,          // TSpotrebaVody
    Electricity,    // TSpotrebaElektriny
    ElectricityNight, // TSpotrebaElNoc
    Gas,            // TSpotrebaPlynu
    Wizard,         // TFrmPruvodce
    AreaCodes,      // TForm18
    Count           // the number of ids; stays last
};

// Makes a window from what the command handed over; the services it needs
// (holders, prompter, clock) it takes from the context it was registered with.
using DialogFactory = std::function<std::unique_ptr<QDialog>(const WindowOrders &orders, QWidget *parent)>;
// Makes the main window; the shell registers it.
using ProgramWindowFactory = std::function<std::unique_ptr<ProgramWindow>(AppContext &context)>;

// Work the command line can ask for instead of the program's windows: it
// runs without a window on the prepared program folder, tells on the
// terminal and gives the exit code. `value` is the option's value as typed;
// `startFolder` is the working folder the program was started in, against
// which a relative path in it is meant.
struct CommandLineTask
{
    QString name;        // the option, without "--"
    QString description; // for --help
    QString valueName;
    std::function<int(const QString &value, const QString &startFolder)> run;
};

// The long-lived objects of a run and the process-wide values, handed to
// the subsystems when they register their windows. Filled at start-up in
// the order the objects are made.
class AppContext
{
public:
    // The context of the tests and tools; the program makes its own.
    static AppContext &instance();

    TDataModule2 *dataModule2 = nullptr;
    TDataModule23 *dataModule23 = nullptr;
    TDataModule12 *dataModule12 = nullptr;
    TDataModule6 *dataModule6 = nullptr;
    Prompter *prompter = nullptr;
    Clock *clock = nullptr;
    MainWindowHooks *mainWindow = nullptr;
    // The captions of the main window's group, item, graph and print
    // entries; the item names are set through it.
    MenuCaptions *menuCaptions = nullptr;
    // The main window's status bar and busy cursor, for the holders.
    StatusSink *status = nullptr;
    // The settings dialog TForm11, created once at start-up and shown
    // without waiting; null while none is registered.
    QDialog *settingsDialog = nullptr;
    ProcessValues values;
    // Registered before the program starts, so that --help lists them.
    std::vector<CommandLineTask> commandLineTasks;
    // Set by the record window while it is shown: writes the second panel
    // of its status bar (hints go there instead of the main window's).
    std::function<void(const QString &)> recordWindowStatus;
    // The start-up pass that copies the item names into the main window's
    // menus and buttons (TDataModule12.NastavitPolozky); set by the item
    // names subsystem, run by the main window while it is built.
    std::function<void(MenuCaptions &)> itemNamesPass;
    // Set by the main window while it is there: where its twelve quick
    // buttons are now, and showing an appearance theme (NactiVzhled).
    std::function<std::array<QPoint, 12>()> quickButtonPlaces;
    std::function<void(SettingsStore &theme)> applyTheme;

    // `picture` is shown on the picture screen before the window, whoever
    // opens it.
    void registerWindow(WindowId id, DialogFactory factory, std::optional<ScreenPicture> picture = std::nullopt);
    bool hasWindow(WindowId id) const;
    std::optional<ScreenPicture> pictureBefore(WindowId id) const;
    // A new window of this id made from `orders`, or null when none is
    // registered.
    std::unique_ptr<QDialog> createWindow(WindowId id, QWidget *parent, const WindowOrders &orders = {}) const;

    // Objects that live beside the main window (the alarm's hidden clock
    // and tray icon): each maker runs once the main window exists and
    // parents what it makes to it.
    using CompanionFactory = std::function<void(QWidget &mainWindow)>;
    void addMainWindowCompanion(CompanionFactory factory) { m_companions.push_back(std::move(factory)); }
    void attachCompanions(QWidget &mainWindow) const;

    // The main window's maker, registered by the shell.
    void registerProgramWindow(ProgramWindowFactory factory) { m_programWindow = std::move(factory); }
    // A new main window, or null when no shell is registered.
    std::unique_ptr<ProgramWindow> createProgramWindow();

    // Clears everything, for tests.
    void reset();

private:
    struct Registration
    {
        DialogFactory factory;
        std::optional<ScreenPicture> picture;
    };
    std::array<Registration, std::size_t(WindowId::Count)> m_windows;
    ProgramWindowFactory m_programWindow;
    std::vector<CompanionFactory> m_companions;
};
