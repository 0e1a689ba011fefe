#include "records/window/ToolbarLayout.h"

namespace ToolbarLayout {

namespace {

struct ControlDesign
{
    ToolbarControl control;
    int left;
    int width; // 0: the clock, whose width the window gives
    int advance; // to the next control's design position
    std::optional<ToolbarGroup> group; // the key that shows it; none: always shown
};

// The design of the button toolbar, in position order.
constexpr int Gap = ButtonWidth;
const std::array<ControlDesign, ToolbarControlCount> Design{{
    {ToolbarControl::BtnHledani, 15, ButtonWidth, Gap, ToolbarGroup::BtnHledani},
    {ToolbarControl::BtnFiltrace, 37, ButtonWidth, Gap, ToolbarGroup::BtnHledani},
    {ToolbarControl::Separator1, 59, SeparatorWidth, SeparatorWidth, ToolbarGroup::BtnHledani},
    {ToolbarControl::S1, 63, ButtonWidth, Gap, ToolbarGroup::BtnSipky},
    {ToolbarControl::S3, 85, ButtonWidth, Gap, ToolbarGroup::BtnSipky},
    {ToolbarControl::S2, 107, ButtonWidth, Gap, ToolbarGroup::BtnSipky},
    {ToolbarControl::S4, 129, ButtonWidth, Gap, ToolbarGroup::BtnSipky},
    {ToolbarControl::Separator2, 151, SeparatorWidth, SeparatorWidth, ToolbarGroup::BtnSipky},
    {ToolbarControl::E1, 155, ButtonWidth, Gap, ToolbarGroup::BtnEditace},
    {ToolbarControl::E2, 177, ButtonWidth, Gap, ToolbarGroup::BtnEditace},
    {ToolbarControl::E3, 199, ButtonWidth, Gap, ToolbarGroup::BtnEditace},
    {ToolbarControl::E4, 221, ButtonWidth, Gap, ToolbarGroup::BtnEditace},
    {ToolbarControl::Separator3, 243, SeparatorWidth, SeparatorWidth, ToolbarGroup::BtnEditace},
    {ToolbarControl::MenuNastaveni, 247, ButtonWidth, Gap, std::nullopt},
    {ToolbarControl::MenuGrafu, 269, ButtonWidth, Gap, ToolbarGroup::MenuGrafu},
    {ToolbarControl::RowColour, 291, ButtonWidth, Gap, std::nullopt},
    {ToolbarControl::Separator4, 313, SeparatorWidth, SeparatorWidth, std::nullopt},
    {ToolbarControl::BtnZavrit, 317, 92, 103, std::nullopt},
    {ToolbarControl::BtnCalc, 420, 94, 94, ToolbarGroup::TlKal},
    {ToolbarControl::Cas1, 514, 0, 0, ToolbarGroup::Cas1},
}};

} // namespace

int designLeft(ToolbarControl control) { return Design[std::size_t(control)].left; }

int controlWidth(ToolbarControl control, int clockWidth)
{
    const int width = Design[std::size_t(control)].width;
    return width > 0 ? width : std::max(0, clockWidth);
}

ButtonToolbarPlacement buttonToolbar(const ToolbarChoices &choices, RecordKind kind, int clockWidth)
{
    ButtonToolbarPlacement placement;
    int left = Design.front().left;
    for (const ControlDesign &design : Design) {
        bool visible = !design.group || choices[*design.group];
        if (kind == RecordKind::PreviousYear
            && (design.control == ToolbarControl::MenuGrafu || design.control == ToolbarControl::MenuNastaveni))
            visible = false;
        ControlPlacement &control = placement.controls[std::size_t(design.control)];
        control.visible = visible;
        control.width = controlWidth(design.control, clockWidth);
        control.left = visible ? left : design.left;
        if (visible)
            left += design.advance > 0 ? design.advance : control.width;
    }
    return placement;
}

TextToolbarPlacement textToolbar(bool supplement, bool total, int toolbarWidth, int supplementWidth)
{
    TextToolbarPlacement placement;
    placement.visible = supplement || total;
    placement.supplement.visible = supplement;
    placement.total.visible = total;
    if (supplement != total) {
        // One label alone fills the toolbar.
        ControlPlacement &alone = supplement ? placement.supplement : placement.total;
        alone.left = 0;
        alone.width = toolbarWidth;
        placement.top = 0;
        placement.height = TextToolbarHeight;
        return placement;
    }
    if (supplementWidth < 0) {
        placement.supplement.left = 16;
        placement.supplement.width = 305;
        placement.total.left = 337;
        placement.total.width = 293;
    } else {
        placement.supplement.left = 16;
        placement.supplement.width = supplementWidth;
        placement.total.left = supplementWidth;
        placement.total.width = supplementWidth;
    }
    return placement;
}

} // namespace ToolbarLayout
