#pragma once

#include <array>

// The catalogue of every settings key of the program, with its type, so that
// no window spells a key by hand:
//
//     IniStore ini(Paths::inProgramFolder(QLatin1String(FileName::Settings)),
//                  QLatin1String(Section::Nastaveni));
//     if (ini.read(Key::RychloTl)) ...              // bool
//     ini.write(Key::butLeft(3), 398);              // "But3.L"
//     RegFlags run(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm));
//     run.write(Key::Reg::RunFrm, true);
//
// A key read through its typed form gives the same missing values as the
// untyped read ("ERROR", -11073, false) unless the key names another
// fallback (the calculator options, the record grid's colour).

namespace Settings {
// A missing or non-integer integer key, and a missing text key.
inline constexpr int MissingInteger = -11073;
inline constexpr char MissingText[] = "ERROR";
// What an integer read gives on a store without file name or section, or
// for an empty key.
inline constexpr int MisuseInteger = -11037;
} // namespace Settings

struct BoolKey
{
    const char *name;
    bool fallback = false;
};
struct IntKey
{
    const char *name;
    int fallback = Settings::MissingInteger;
};
// A colour: 0x00BBGGRR, stored in decimal; system colours are negative.
struct ColorKey
{
    const char *name;
    int fallback = Settings::MissingInteger;
};
// Text; a missing key reads "ERROR".
struct TextKey
{
    const char *name;
};
// Text stored in the scrambled form (the password).
struct ScrambledKey
{
    const char *name;
};

namespace FileName {
inline constexpr char Settings[] = "Penezka.ini";          // in the program folder
inline constexpr char StandardTheme[] = "TemaDef.vdd";     // in the program folder
inline constexpr char ThemeExtension[] = "vzd";            // themes chosen by the user
inline constexpr char CalculatorOptions[] = "VedeVoda.INI"; // bare name, read only
} // namespace FileName

// The program's own registry key; RegFlags keeps it in a per-user INI file.
inline constexpr char RegistryKey[] = "\\Software\\Mlynek\\Rozvahon 2004";

namespace Section {
// Penezka.ini and the theme files
inline constexpr char Nastaveni[] = "Nastaveni";
// Penezka.ini: the record window over a month table, and over an item or
// previous-year table
inline constexpr char SetMesice[] = "SetMesice";
inline constexpr char SetUziv1[] = "SetUziv1";
// VedeVoda.INI
inline constexpr char CalculatorOptions[] = "Calculator Options";
// subkeys of RegistryKey
inline constexpr char RunFrm[] = "RunFrm";
inline constexpr char Registrace[] = "Registrace";
// The record window's remembered position and size (with MenOkn on).
inline constexpr char PoziceOkna[] = "PoziceOkna";
// Where the graph's special functions were last left (Placement::Left, Top).
inline constexpr char SpecialFunctions[] = "SpecFunkce";
// Where the calendar was last left (Placement::Left, Top).
inline constexpr char Calendar[] = "Kalendar";
// The folder the last backup went to or came from.
inline constexpr char Zaloha[] = "Zaloha";
} // namespace Section

namespace Key {

// ---- Penezka.ini, section Nastaveni -------------------------------------

inline constexpr TextKey Directory{"Directory"};             // full path of the INI file, written at start-up
inline constexpr TextKey ParentDirectory{"ParentDirectory"}; // program folder + "\", written at start-up
inline constexpr BoolKey StaraDat01{"StaraDat01"};           // previous-year menu when Data\Data01 exists
inline constexpr BoolKey DatabazeMesic{"DatabazeMesic"};     // month tables in menus and buttons
inline constexpr BoolKey DatabazeUzv{"DatabazeUzv"};         // item group 1
inline constexpr BoolKey DatabazeUzv2{"DatabazeUzv2"};       // item group 2
inline constexpr BoolKey RychloTl{"RychloTl"};               // quick buttons shown
inline constexpr BoolKey RAdrTel{"RAdrTel"};                 // address and phone-book buttons

// Left and top edges of the twelve quick buttons: "But1.L", "But1.T" ...
inline constexpr int QuickButtonCount = 12;
inline constexpr std::array<IntKey, QuickButtonCount> ButLeft{{
    {"But1.L"}, {"But2.L"}, {"But3.L"}, {"But4.L"}, {"But5.L"}, {"But6.L"},
    {"But7.L"}, {"But8.L"}, {"But9.L"}, {"But10.L"}, {"But11.L"}, {"But12.L"}}};
inline constexpr std::array<IntKey, QuickButtonCount> ButTop{{
    {"But1.T"}, {"But2.T"}, {"But3.T"}, {"But4.T"}, {"But5.T"}, {"But6.T"},
    {"But7.T"}, {"But8.T"}, {"But9.T"}, {"But10.T"}, {"But11.T"}, {"But12.T"}}};
// Button n, 1 to 12.
constexpr IntKey butLeft(int n) { return ButLeft.at(static_cast<std::size_t>(n - 1)); }
constexpr IntKey butTop(int n) { return ButTop.at(static_cast<std::size_t>(n - 1)); }

inline constexpr IntKey BtnStyl{"BtnStyl"};                  // button gradient style 0-12
inline constexpr IntKey BtnColor{"BtnColor"};                // button gradient: number of colours
inline constexpr ColorKey BtnColor1{"BtnColor1"};            // first colour
inline constexpr ColorKey BtnColor2{"BtnColor2"};            // last colour
inline constexpr ColorKey OknoCl1{"OknoCl1"};                // window background: first colour
inline constexpr ColorKey OknoCl2{"OknoCl2"};                // last colour
inline constexpr IntKey OknoClx{"OknoClx"};                  // number of colours
inline constexpr IntKey OknoStyl{"OknoStyl"};                // style 0-12
inline constexpr IntKey FrmZobr{"FrmZobr"};                  // window background: 0 gradient, 1 texture
inline constexpr TextKey Textura{"Textura"};                 // texture picture file
inline constexpr BoolKey GradientCaption1{"GradientCaption1"}; // gradient title bars
inline constexpr ColorKey GradientColor{"GradientColor"};    // their start colour
inline constexpr BoolKey GradientBckg1{"GradientBckg1"};     // main window: gradient background
inline constexpr ColorKey BkgStartColor{"BkgStartColor"};
inline constexpr ColorKey BkgEndColor{"BkgEndColor"};
inline constexpr IntKey BckgColors{"BckgColors"};
inline constexpr BoolKey PozadiBckg1{"PozadiBckg1"};         // main window: picture background
inline constexpr TextKey PozadiPath{"PozadiPath"};           // its file
inline constexpr BoolKey StatusBar1{"StatusBar1"};           // status bars of main and record windows
inline constexpr BoolKey Esp{"Esp"};                         // menu "Evidence spotřeby"
inline constexpr BoolKey Voda{"Voda"};                       // menu "Teplá, studená voda"
inline constexpr BoolKey Elekt{"Elekt"};                     // menu "Elektřina"
inline constexpr BoolKey Plyn{"Plyn"};                       // menu "Plyn"
inline constexpr BoolKey X{"X"};                             // menu "X" (quick exit)
inline constexpr BoolKey TlPr{"TlPr"};                       // title-bar screen-saver buttons
inline constexpr BoolKey MenOkn{"MenOkn"};                   // record windows remember position and size
inline constexpr BoolKey Scr{"Scr"};                         // picture screen before windows
inline constexpr BoolKey SNoc{"SNoc"};                       // electricity with night tariff
inline constexpr BoolKey HAct{"HAct"};                       // password asked at start-up
inline constexpr ScrambledKey Pas{"Pas"};                    // the password
inline constexpr BoolKey Tipy{"Tipy"};                       // tips at start-up
inline constexpr BoolKey TrayIcon1{"TrayIcon1"};             // tray icon all the time
inline constexpr BoolKey GrPol{"GrPol"};                     // line graphs by single items
inline constexpr BoolKey NEO{"NEO"};                         // text search switch; never written
inline constexpr TextKey TextBudik{"TextBudik"};             // alarm message

// The look keys that a theme file (section Nastaveni) holds, in the order
// a theme is applied.
inline constexpr std::array<const char *, 45> ThemeKeyNames{{
    "RychloTl",
    "But1.L", "But1.T", "But2.L", "But2.T", "But3.L", "But3.T", "But4.L", "But4.T",
    "But5.L", "But5.T", "But6.L", "But6.T", "But7.L", "But7.T", "But8.L", "But8.T",
    "But9.L", "But9.T", "But10.L", "But10.T", "But11.L", "But11.T", "But12.L", "But12.T",
    "BtnStyl", "BtnColor", "BtnColor1", "BtnColor2",
    "OknoCl1", "OknoCl2", "OknoClx", "OknoStyl", "FrmZobr", "Textura",
    "X", "StatusBar1", "GradientCaption1", "GradientColor",
    "GradientBckg1", "BkgStartColor", "BkgEndColor", "BckgColors",
    "PozadiBckg1", "PozadiPath"}};

// ---- Penezka.ini, record-window sections SetMesice and SetUziv1 ----------

namespace Record {
// The grid's background; never written yet, it is the design colour
// 13434879 (RGB 255, 255, 204).
inline constexpr ColorKey BckgDatabaze{"BckgDatabaze", 13434879};
inline constexpr BoolKey BtnEditace{"BtnEditace"}; // the four editing buttons
inline constexpr BoolKey BtnHledani{"BtnHledani"}; // find and filter buttons
inline constexpr BoolKey BtnSipky{"BtnSipky"};     // the four movement buttons
inline constexpr BoolKey Cas1{"Cas1"};             // the clock
inline constexpr BoolKey Celkem{"Celkem"};         // the total label
inline constexpr BoolKey Doplnek{"Doplnek"};       // the supplement label
inline constexpr BoolKey MenuGrafu{"MenuGrafu"};   // the graph menu button
inline constexpr BoolKey TlKal{"TlKal"};           // the calculator button
inline constexpr TextKey TextDop{"TextDop"};       // automatic supplement; "ERROR" counts as empty
inline constexpr TextKey Directory{"Directory"};   // full name of the INI file
} // namespace Record

// ---- VedeVoda.INI, section "Calculator Options" (read only) -------------

namespace Calc {
inline constexpr BoolKey FormatResult{"Format Result", true};
inline constexpr IntKey Width{"Width", 1};
inline constexpr IntKey NumberOfDecimals{"Number Of Decimals", 2};
} // namespace Calc

// ---- Registry, RegistryKey ----------------------------------------------

namespace Reg {
// subkey RunFrm
inline constexpr BoolKey RunFrm{"RunFrm"};   // a record window is open
inline constexpr BoolKey FrmGraf{"FrmGraf"}; // the graph window has built its chart
// subkey Registrace
inline constexpr TextKey SrcData{"SrcData"};     // "Voda", "Elekt" or "Plyn"
inline constexpr TextKey BudikZvuk{"BudikZvuk"}; // alarm sound file
inline constexpr BoolKey Prevod{"Prevod"};
// subkey Zaloha
inline constexpr TextKey Medium{"Medium"}; // the backup folder last chosen
} // namespace Reg

// ---- Registry, subkey PoziceOkna: the record window's placement ----------

namespace Placement {
inline constexpr IntKey Left{"Vlevo"};
inline constexpr IntKey Top{"Nahore"};
inline constexpr IntKey Width{"Sirka"};
inline constexpr IntKey Height{"Vyska"};
inline constexpr BoolKey Maximized{"Maximalizovano"};
} // namespace Placement

} // namespace Key
