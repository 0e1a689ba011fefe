#pragma once

#include "core/data/stores/Keys.h"

#include <array>
#include <cstddef>

// The user's choice of what the record window's toolbars show, one key of
// the window's settings section each (a missing key reads false).
enum class ToolbarGroup { Doplnek, Celkem, BtnHledani, BtnSipky, BtnEditace, MenuGrafu, TlKal, Cas1 };
inline constexpr std::size_t ToolbarGroupCount = 8;

struct ToolbarGroupInfo
{
    ToolbarGroup group;
    BoolKey key;
    const char *menuCaption; // the settings-menu item with its check mark
};

// In the order of the settings menu.
inline constexpr std::array<ToolbarGroupInfo, ToolbarGroupCount> ToolbarGroups{{
    {ToolbarGroup::Doplnek, Key::Record::Doplnek, "Zobrazovat doplňkový text"},
    {ToolbarGroup::Celkem, Key::Record::Celkem, "Zobrazovat celkovou částku"},
    {ToolbarGroup::BtnHledani, Key::Record::BtnHledani, "Zobrazovat hledání a filtraci"},
    {ToolbarGroup::BtnSipky, Key::Record::BtnSipky, "Zobrazovat pohybové šipky"},
    {ToolbarGroup::BtnEditace, Key::Record::BtnEditace, "Zobrazovat editační tlačítka"},
    {ToolbarGroup::MenuGrafu, Key::Record::MenuGrafu, "Zobrazovat tlačítko pro grafy"},
    {ToolbarGroup::TlKal, Key::Record::TlKal, "Zobrazovat tlačítko kalkulačky"},
    {ToolbarGroup::Cas1, Key::Record::Cas1, "Zobrazovat hodiny"},
}};

struct ToolbarChoices
{
    std::array<bool, ToolbarGroupCount> shown{};

    bool operator[](ToolbarGroup group) const { return shown[std::size_t(group)]; }
    void set(ToolbarGroup group, bool on) { shown[std::size_t(group)] = on; }
    static ToolbarChoices all()
    {
        ToolbarChoices choices;
        choices.shown.fill(true);
        return choices;
    }
    bool operator==(const ToolbarChoices &) const = default;
};
