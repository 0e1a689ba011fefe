#pragma once

#include "core/app/context/AppContext.h"
#include "core/app/commands/CommandTables.h"
#include "core/app/context/ScreenPicture.h"

#include <QString>
#include <functional>
#include <optional>

class IniStore;
class MenuCaptions;
class Prompter;
class QWidget;

// What the commands of the main window's menus, drop-downs, tray menu and
// quick buttons do: each sets the values the window it opens reads, opens
// the window modally through its factory and destroys it when it closes.
// Commands whose window is not registered are offered disabled
// (available() is false).
class MainCommands
{
public:
    using PictureHook = std::function<void(ScreenPicture)>;

    MainCommands(AppContext &context, MenuCaptions &captions);

    // Shows the picture screen before a window (the hook checks Scr).
    void setPictureHook(PictureHook hook) { m_picture = std::move(hook); }
    // The owner of the windows the commands open.
    void setWindowParent(QWidget *parent) { m_parent = parent; }

    bool available(WindowId id) const { return m_context.hasWindow(id); }

    // OpenRecordWindow and its families. Refused with "Databáze je již
    // aktivní !" while a record window is open.
    void openRecordWindow(RecordKind kind, const QString &title, const QString &file);
    void openMonth(int m);
    void openItem(int group, int n);
    void openPreviousMonth(int m);
    void openPreviousItem(int group, int n);

    // Graphs; the open-window guard is not consulted.
    void monthGraph(Commands::GraphFamily family, int m);
    void yearGraph(Commands::GraphFamily family);
    void itemGraph(int group, Commands::GraphFamily family, int n);

    // Reports.
    void printMonth(int m);
    void printItem(int group, int n);

    // The other windows.
    // Opens a registered window, after the picture registered with it.
    void openWindow(WindowId id);
    WindowId electricityWindow() const; // by SNoc: night tariff or single tariff
    void openElectricity();
    void openItemNames(int group);
    bool settingsAvailable() const { return m_context.settingsDialog != nullptr; }
    void openSettings();

    // Sibling programs.
    void openAreaCodes();
    void openPreviousConsumption(int index);

private:
    IniStore settings() const;
    Prompter &prompter() const;
    void showPicture(ScreenPicture picture) const;
    void runWindow(WindowId id, const WindowOrders &orders = {});
    void openGraph(Commands::GraphFamily family, const QString &name, const QString &file);
    void print(const QString &code, const QString &title);

    AppContext &m_context;
    MenuCaptions &m_captions;
    PictureHook m_picture;
    QWidget *m_parent = nullptr;
};
