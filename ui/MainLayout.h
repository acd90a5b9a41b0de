// The main window's declarative layout: every control with its kind, page, caption and place.
// The rows stand in child-window order, which is also the tab order: an input without a caption
// of its own follows the label or check box that names it.
#pragma once

#include <span>
#include <string_view>

#include "ui/Controls.h"

namespace ui {

// The thirteen pages. CopyOptions and FileSelection are always covered by their sub-pages.
enum class PageId {
    General,
    CopyOptions,
    FileSelection,
    Retry,
    Logging,
    Job,
    CopyOptions1,
    CopyOptions2,
    CopyOptions3,
    FileSelection1,
    FileSelection2,
    DateLimits,
    FileSelection4,
    Count,
    Window,  // not a page: the tab strip and the bottom row, placed on the window itself
};
inline constexpr int kPageCount = static_cast<int>(PageId::Count);

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;  // twips
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};

struct PageInfo {
    PageId id;
    std::string_view name;  // the frame's name: "frmTab1(0)", "frmtab2(1)", "frmTab3(2)"
    std::string_view caption;  // the frame's caption as it starts
};

struct LayoutRow {
    std::string_view name;  // the control's name; arrays share it ("optSub", "cmdCalSelect")
    int index;  // member index within an array, -1 for a single control
    Kind kind;
    PageId page;
    std::string_view caption;  // exactly as shown; "" for controls without one
    Rect rect;  // twips: page controls from the page's top left, others from the window's client area
};

std::span<const PageInfo> mainPages();
std::span<const LayoutRow> mainLayout();

// The window's outer size and the tab strip, in twips.
inline constexpr int kWindowWidthTwips = 5725;
inline constexpr int kWindowHeightTwips = 7500;
inline constexpr Rect kTabStripTwips{120, 120, 5415, 6015};
// The client area the window's layout needs: the tab strip and the bottom row with a margin
// round them. The outer size is worked out from it for the system's frame, caption and menu bar,
// and is never smaller than the specified one.
inline constexpr int kClientWidthTwips = 5625;
inline constexpr int kClientHeightTwips = 6705;
// The part of the tab strip that pages cover (its client area less the tab row), in twips, at the
// smallest size it takes at any DPI. Every page control lies inside it.
Rect pageAreaTwips();

// The About box: its controls (page PageId::Window, from the client area's top left) and the size of
// its client area, in twips.
std::span<const LayoutRow> aboutLayout();
inline constexpr int kAboutClientWidthTwips = 5730;
inline constexpr int kAboutClientHeightTwips = 3600;

}  // namespace ui
