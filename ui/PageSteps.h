// A pair of step buttons, "<<<" (index 0) and ">>>" (index 1), that walk a page number through
// 0..last: the Copy Options and File Selection tabs walk their sub-pages with one pair, the
// date limits theirs with another.
#pragma once

#include <cstdint>
#include <optional>

#include "ui/Controls.h"

namespace ui {

struct PageSteps {
    Button& back;
    Button& forward;

    // Each button is usable only where it leads somewhere.
    void enableFor(int page, int last) const {
        back.setEnabled(page > 0);
        forward.setEnabled(page < last);
    }

    // Where the focus goes when one of the pair greys under it: to the other one, so that a
    // person stepping one way can go on stepping back; nullptr when that one is grey too or the
    // control is not of this pair.
    Button* focusHeir(const Control& greyed) const {
        Button* other = &greyed == &back ? &forward : &greyed == &forward ? &back : nullptr;
        return other && other->enabled() ? other : nullptr;
    }

    // The page the button with this index leads to; nothing past either end, where that button
    // is disabled and only code can press it.
    static std::optional<std::int16_t> target(std::int16_t page, int index, int last) {
        const int to = page + (index == 0 ? -1 : 1);
        if (to < 0 || to > last) return std::nullopt;
        return static_cast<std::int16_t>(to);
    }
};

}  // namespace ui
