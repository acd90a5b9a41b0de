// A pair of step buttons, "<<<" (index 0) and ">>>" (index 1), that walk a page number through
// 0..last: the Copy Options and File Selection tabs walk their sub-pages with one pair, the
// date limits theirs with another.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ui/Controls.h"

namespace ui {

class PageSteps {
public:
    // The buttons are the members of the button array `name`: name(0) and name(1).
    explicit PageSteps(std::string_view name) : back_(memberName(name, 0)), forward_(memberName(name, 1)) {}
    PageSteps(const PageSteps&) = delete;
    PageSteps& operator=(const PageSteps&) = delete;

    Button& button(int index) { return index == 0 ? back_ : forward_; }
    const Button& button(int index) const { return index == 0 ? back_ : forward_; }

    // Each button is usable only where it leads somewhere.
    void enableFor(int page, int last) {
        back_.setEnabled(page > 0);
        forward_.setEnabled(page < last);
    }

    // Where the focus goes when one of the pair greys under it: to the other one, so that a
    // person stepping one way can go on stepping back; nullptr when that one is grey too or the
    // control is not of this pair.
    const Button* focusHeir(const Control& greyed) const {
        const Button* other = &greyed == &back_ ? &forward_ : &greyed == &forward_ ? &back_ : nullptr;
        return other && other->enabled() ? other : nullptr;
    }

    // The page the button with this index leads to; nothing past either end, where that button
    // is disabled and only code can press it.
    static std::optional<std::int16_t> target(std::int16_t page, int index, int last) {
        const int to = page + (index == 0 ? -1 : 1);
        if (to < 0 || to > last) return std::nullopt;
        return static_cast<std::int16_t>(to);
    }

private:
    Button back_, forward_;
};

}  // namespace ui
