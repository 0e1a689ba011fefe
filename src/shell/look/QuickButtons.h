#pragma once

#include <QPoint>
#include <QString>
#include <array>

// The twelve quick buttons of the main window: captions, hints, their
// centred places and the rule that shows them.
namespace QuickButtons {

inline constexpr int Count = 12;
inline constexpr int Width = 97;
inline constexpr int Height = 25;

enum class Command {
    SystemScreenSaver, // 1
    Shutdown,          // 2
    MonthsMenu,        // 3
    Group1Menu,        // 4
    MonthGraphsMenu,   // 5
    Group1GraphsMenu,  // 6
    Exit,              // 7
    OwnScreenSaver,    // 8
    Group2Menu,        // 9
    Group2GraphsMenu,  // 10
    Addresses,         // 11
    PhoneBook,         // 12
};

struct Button
{
    const char *caption;
    const char *hint;   // "tip|status text"
    int centredOffset;  // left = c + offset, c = (client width - 26) / 2
    int centredTop;
    Command command;
};
// Button n (1-12).
const Button &button(int n);

// The settings the rule reads besides RychloTl.
struct Switches
{
    bool rAdrTel = false;       // addresses and phone book
    bool databazeMesic = false; // months
    bool databazeUzv = false;   // item group 1
    bool databazeUzv2 = false;  // item group 2
};

// CoRychloTl(v): which of the twelve buttons show. With v false none does.
std::array<bool, Count> visibility(bool rychloTl, const Switches &switches);

// The centred place of button n for a client area `clientWidth` wide.
QPoint centredPosition(int n, int clientWidth);

} // namespace QuickButtons
