#pragma once

#include "core/data/catalogue/RecordKind.h"
#include "records/window/ToolbarChoices.h"

#include <array>
#include <optional>
#include <cstddef>

// Where the controls of the record window's two toolbars go. The button
// toolbar's controls have their design positions; the groups the settings
// hide are left out and the rest packed from the left in position order,
// so a hidden control leaves no gap. The lamp keeps to the right end.
enum class ToolbarControl {
    BtnHledani,
    BtnFiltrace,
    Separator1,
    S1,
    S3,
    S2,
    S4,
    Separator2,
    E1,
    E2,
    E3,
    E4,
    Separator3,
    MenuNastaveni,
    MenuGrafu,
    RowColour,
    Separator4,
    BtnZavrit,
    BtnCalc,
    Cas1,
};
inline constexpr std::size_t ToolbarControlCount = 20;

struct ControlPlacement
{
    bool visible = false;
    int left = 0;
    int width = 0;
    bool operator==(const ControlPlacement &) const = default;
};

struct ButtonToolbarPlacement
{
    std::array<ControlPlacement, ToolbarControlCount> controls;
    const ControlPlacement &operator[](ToolbarControl control) const { return controls[std::size_t(control)]; }
};

namespace ToolbarLayout {

inline constexpr int ButtonWidth = 22;
inline constexpr int ButtonHeight = 24;
inline constexpr int SeparatorWidth = 4;
inline constexpr int LampSize = 15;
inline constexpr int TextToolbarHeight = 29;

// The position a control has in the design, with every group shown.
int designLeft(ToolbarControl control);
int controlWidth(ToolbarControl control, int clockWidth);

// The button toolbar for these choices. A previous-year window never shows
// the graph button or the settings button, whatever its keys say.
ButtonToolbarPlacement buttonToolbar(const ToolbarChoices &choices, RecordKind kind, int clockWidth);

struct TextToolbarPlacement
{
    bool visible = false;
    ControlPlacement supplement;
    ControlPlacement total;
    int top = 3;     // of both labels when both are shown
    int height = 22; // of both labels when both are shown; else the toolbar's
};

// The text toolbar from "Doplnek" and "Celkem": hidden when both labels
// are; one label alone fills it; both side by side, the supplement label
// `supplementWidth` wide and the total label at `supplementWidth` as wide
// (the size rules), or at their design places when no width is given.
TextToolbarPlacement textToolbar(bool supplement, bool total, int toolbarWidth, int supplementWidth = -1);

} // namespace ToolbarLayout
