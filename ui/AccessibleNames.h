// The names a screen reader gives the controls that cannot be named by what they show. A reader
// names a text box, slider or calendar by the nearest label or group box before it among its
// siblings, and a push button by its caption; a box that stands in a check box's caption, a
// calendar, a button captioned with symbols and an option of an attribute row would be read
// without a name, or as "(...)", ">>>" or a bare "Add".
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "ui/MainLayout.h"

namespace ui {

// How the name reaches the reader.
enum class NameBy {
    HiddenLabel,  // a label that is never shown, made just before the control
    WindowText,  // the control's own window text, which it never draws
    Tooltip,  // a tooltip and the accessible name of a button whose caption is symbols
    RowLabel,  // each option of an array: the label before the array, then the option's caption
};

struct AccessibleName {
    std::string_view control;  // the layout row's name
    int index;  // the member of a button array; -1 for a single control or a whole option array
    NameBy by;
    std::string_view name;  // "" for RowLabel, whose names come from the layout
};

std::span<const AccessibleName> accessibleNames();

// The entry that names this layout row, or nullptr when what it shows names it.
const AccessibleName* accessibleNameOf(const LayoutRow&);
// The name this layout row is given, or "" when it needs none.
std::string accessibleName(const LayoutRow&);

}  // namespace ui
