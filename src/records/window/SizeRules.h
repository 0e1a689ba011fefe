#pragma once

// The record window's size layout for a window W pixels wide (the width of
// the window with its frame, as the sizes were designed). With the
// position-and-size memory active the layout is redone on every resize,
// and the toolbars are then two pixels narrower.
struct RecordSizes
{
    int toolbarWidth = 0;      // text toolbar and button toolbar
    int gridWidth = 0;
    int infoColumnWidth = 0;   // the grid's "Text 80" column
    int lampLeft = 0;
    int clockWidth = 0;
    int supplementWidth = 0;   // the supplement label; also the total label's left edge and width
    int statusPanel1Width = 0; // the hints panel

    static RecordSizes forWidth(int width, bool onResize);
    bool operator==(const RecordSizes &) const = default;
};

namespace SizeRules {

// The frame the sizes were designed with: two borders of 4 px. A client
// area `clientWidth` wide stands for a window W = clientWidth + 8 wide.
inline constexpr int FrameAllowance = 8;
inline constexpr int MinimumWidth = 601;
inline constexpr int MinimumHeight = 175;
// The design widths of the columns and panels that the rules leave as they are.
inline constexpr int DateColumnWidth = 90;
inline constexpr int InfoColumnDesignWidth = 393;
inline constexpr int AmountColumnWidth = 115;

} // namespace SizeRules
