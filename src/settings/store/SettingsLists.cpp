#include "settings/store/SettingsLists.h"

namespace {

struct ShownStyle
{
    const char *name;
    int stored;
};
// In the order shown.
constexpr ShownStyle Styles[] = {
    {"Kruh", 2},          {"Zrdcadlový", 3},         {"Horizontalní", 0}, {"Horizontální Zrdcadlový", 4},
    {"LevoHorní", 5},     {"Přepážka H", 6},         {"Přepážka V", 7},   {"Jemný Kruh", 8},
    {"Rohový", 9},        {"Spektrum", 10},          {"Trojůhelníkový", 11}, {"Vertikální", 1},
    {"Vertikální Zrdcadlový", 12},
};

// 0x00BBGGRR.
constexpr SettingsLists::NamedColour Colours[SettingsLists::BasicColourCount] = {
    {"Černá", 0x000000},     {"Kaštanová", 0x000080}, {"Zelená", 0x008000},      {"Olivová", 0x008080},
    {"Námořnická modř", 0x800000}, {"Fialová", 0x800080}, {"Šedozelená", 0x808000}, {"Šedá", 0x808080},
    {"Stříbrná", 0xC0C0C0},  {"Červená", 0x0000FF},   {"Žlutozelená", 0x00FF00}, {"Žlutá", 0x00FFFF},
    {"Modrá", 0xFF0000},     {"Fuschiová", 0xFF00FF}, {"Akvamarínová", 0xFFFF00}, {"Bílá", 0xFFFFFF},
};

} // namespace

namespace SettingsLists {

QStringList styleNames()
{
    QStringList names;
    for (const ShownStyle &style : Styles)
        names << QString::fromUtf8(style.name);
    return names;
}

int storedStyleAt(int index) { return Styles[index].stored; }

std::optional<int> styleIndexOf(int stored)
{
    for (int i = 0; i < int(std::size(Styles)); ++i)
        if (Styles[i].stored == stored)
            return i;
    return std::nullopt;
}

const NamedColour &basicColour(int index) { return Colours[index]; }

std::optional<int> basicColourIndex(int value)
{
    for (int i = 0; i < BasicColourCount; ++i)
        if (Colours[i].value == value)
            return i;
    return std::nullopt;
}

} // namespace SettingsLists
