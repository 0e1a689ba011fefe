#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the settings dialog's lists offer.
namespace SettingsLists {

// The gradient styles' names in the order the drop-down lists show them,
// and the stored value (BtnStyl, OknoStyl) of each.
QStringList styleNames();
int storedStyleAt(int index);
// The list index of a stored value; nothing for a value outside 0 to 12.
std::optional<int> styleIndexOf(int stored);

// The sixteen basic colours with their Czech names, as 0x00BBGGRR values.
struct NamedColour
{
    const char *name;
    int value;
};
inline constexpr int BasicColourCount = 16;
const NamedColour &basicColour(int index);
// The list index of a colour, or nothing for a colour outside the sixteen.
std::optional<int> basicColourIndex(int value);

} // namespace SettingsLists
