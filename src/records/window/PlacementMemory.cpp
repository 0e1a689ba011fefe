#include "records/window/PlacementMemory.h"

#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

namespace PlacementMemory {

namespace {

RegFlags store() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::PoziceOkna)); }

} // namespace

std::optional<Placement> load()
{
    const RegFlags flags = store();
    const int left = flags.read(Key::Placement::Left);
    const int top = flags.read(Key::Placement::Top);
    const int width = flags.read(Key::Placement::Width);
    const int height = flags.read(Key::Placement::Height);
    const int missing = Settings::MissingInteger;
    if (left == missing || top == missing || width <= 0 || height <= 0)
        return std::nullopt;
    return Placement{QRect(left, top, width, height), flags.read(Key::Placement::Maximized)};
}

void save(const Placement &placement)
{
    RegFlags flags = store();
    flags.write(Key::Placement::Left, placement.geometry.left());
    flags.write(Key::Placement::Top, placement.geometry.top());
    flags.write(Key::Placement::Width, placement.geometry.width());
    flags.write(Key::Placement::Height, placement.geometry.height());
    flags.write(Key::Placement::Maximized, placement.maximized);
}

} // namespace PlacementMemory
