#pragma once

#include <QRect>
#include <optional>

// The record window's position and size, remembered per user from one
// run to the next while "MenOkn" is on: the program's registry area,
// subkey "PoziceOkna".
namespace PlacementMemory {

struct Placement
{
    QRect geometry;
    bool maximized = false;
};

// Nothing while none was stored, or when what was stored is no usable size.
std::optional<Placement> load();
void save(const Placement &placement);

} // namespace PlacementMemory
