#pragma once

#include <QString>
#include <functional>
#include <memory>

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
class StatusSink;

// The values a command hands to the window it opens, set just before the
// window is created and read by the window (they live for the whole run).
struct ProcessValues
{
    QString programVersion = QStringLiteral("5.6");
    QString windowsVersionText = QStringLiteral("3.6");
    int recordWindowKind = 0;             // Month 0, ItemGroup1 1, ItemGroup2 2, PreviousYear 4
    QString recordWindowTitle;
    QString graphKind;                    // "Krivkovy", "Sl3D", "KOLAC", "R…", or empty: column graph
    QString graphName;
    QString recordWindowVisible = QStringLiteral("False"); // "True" while a record window is shown
    bool recordWindowRemembersPlacement = false;           // from MenOkn, set on the created window
    // The report window's code ("1"-"12" months, "S1"-"S12" group 1,
    // "2S1"-"2S12" group 2) and title, handed to TForm24.PrMesic.
    QString reportCode;
    QString reportTitle;
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
};

using DialogFactory = std::function<std::unique_ptr<QDialog>(QWidget *parent)>;

// The long-lived objects of a run and the process-wide values, reachable
// from every window. Filled at start-up in the order the objects are made.
class AppContext
{
public:
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
    // Set by the record window while it is shown: writes the second panel
    // of its status bar (hints go there instead of the main window's).
    std::function<void(const QString &)> recordWindowStatus;
    // The start-up pass that copies the item names into the main window's
    // menus and buttons (TDataModule12.NastavitPolozky); set by the item
    // names subsystem, run by the main window while it is built.
    std::function<void(MenuCaptions &)> itemNamesPass;

    void registerWindow(WindowId id, DialogFactory factory);
    bool hasWindow(WindowId id) const;
    // A new window of this id, or null when none is registered.
    std::unique_ptr<QDialog> createWindow(WindowId id, QWidget *parent) const;

    // Clears everything, for tests.
    void reset();

private:
    std::function<std::unique_ptr<QDialog>(QWidget *)> m_factories[int(WindowId::Wizard) + 1];
};
