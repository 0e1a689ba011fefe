#pragma once

#include "shell/look/QuickButtons.h"

#include <QPoint>
#include <QString>
#include <array>

class SettingsStore;

// What the main window takes from "Penezka.ini" while it is built: which
// menus, quick buttons and bars it shows, where the buttons are, and what
// its first paint does. Read once, applied by the window.
struct MainWindowSettings
{
    bool previousYearMenu = false; // StaraDat01, and only when Data\Data01 exists
    bool months = false;           // DatabazeMesic
    bool group1 = false;           // DatabazeUzv
    bool group2 = false;           // DatabazeUzv2
    bool quickButtons = false;     // RychloTl
    bool addressButtons = false;   // RAdrTel
    std::array<QPoint, QuickButtons::Count> buttonPlaces{}; // But1.L, But1.T ...
    bool consumption = false;      // Esp
    bool water = false;            // Voda
    bool electricity = false;      // Elekt
    bool gas = false;              // Plyn
    bool exitMenu = false;         // X
    bool statusBar = false;        // StatusBar1
    bool titleBarSavers = false;   // TlPr
    bool password = false;         // HAct
    bool tips = false;             // Tipy
    bool trayIcon = false;         // TrayIcon1

    static MainWindowSettings read(const SettingsStore &settings, bool previousYearFolderExists);

    // What a written key of section Nastaveni asks of a shown main window:
    // nothing (the folders it writes itself, keys it does not read), the
    // menus, buttons and bars shown again, or also the buttons moved to
    // their stored places.
    enum class Change { None, Look, ButtonPlaces };
    static Change changeOf(const QString &key);

    // The switches of the quick-button rule besides RychloTl.
    QuickButtons::Switches switches() const { return {addressButtons, months, group1, group2}; }
};

// The settings the main window writes.
namespace MainWindowStore {

// Directory := the full path of the INI file, ParentDirectory := the
// program folder with a closing separator.
void writeFolders(SettingsStore &settings, const QString &iniPath, const QString &programFolder);

// But n.L and But n.T of every quick button, at the end of the run.
void writeButtonPlaces(SettingsStore &settings, const std::array<QPoint, QuickButtons::Count> &places);

} // namespace MainWindowStore
