#include "options/AttribSet.h"

#include <span>
#include <string>
#include <string_view>

namespace options {

namespace {

using slots::SwitchSlots;

using W = ui::MainWindow;

// One three-way group per letter: option 0 puts the letter in the set's first switch, option 1
// in its second, option 2 in neither.
struct AttribGroup {
    char letter;
    ControlOf<ui::OptionGroup> group;
};

struct AttribSet {
    std::span<const AttribGroup> groups;  // in letter order
    slots::Slot first;
    std::string_view firstSwitch;
    slots::Slot second;
    std::string_view secondSwitch;
};

constexpr AttribGroup kAddRemoveGroups[] = {
    {'R', [](W& w) -> ui::OptionGroup& { return w.optAttribAddSubR; }},
    {'A', [](W& w) -> ui::OptionGroup& { return w.optAttribAddSubA; }},
    {'S', [](W& w) -> ui::OptionGroup& { return w.optAttribAddSubS; }},
    {'H', [](W& w) -> ui::OptionGroup& { return w.optAttribAddSubH; }},
    {'N', [](W& w) -> ui::OptionGroup& { return w.optAttribAddSubN; }},
    {'T', [](W& w) -> ui::OptionGroup& { return w.optAttribAddSubT; }},
};
constexpr AttribGroup kIncludeExcludeGroups[] = {
    {'R', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcR; }},
    {'A', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcA; }},
    {'S', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcS; }},
    {'H', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcH; }},
    {'N', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcN; }},
    {'T', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcT; }},
    {'C', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcC; }},
    {'E', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcE; }},
    {'O', [](W& w) -> ui::OptionGroup& { return w.optAttribIncExcO; }},
};

constexpr AttribSet kAddRemove{kAddRemoveGroups, &SwitchSlots::AttribAddSwitch,
                               " /A+:", &SwitchSlots::AttribRemoveSwitch, " /A-:"};
constexpr AttribSet kIncludeExclude{kIncludeExcludeGroups, &SwitchSlots::AttribIncludeSwitch,
                                    " /IA:", &SwitchSlots::AttribExcludeSwitch, " /XA:"};

std::string withPrefix(std::string_view prefix, const std::string& letters) {
    return letters.empty() ? std::string() : std::string(prefix) + letters;
}

void build(Context& c, const AttribSet& set) {
    std::string first, second;
    for (const AttribGroup& g : set.groups) {
        const int selected = g.group(c.w).selected();
        if (selected == 0)
            first += g.letter;
        else if (selected == 1)
            second += g.letter;
    }
    c.s.*set.first = withPrefix(set.firstSwitch, first);
    c.s.*set.second = withPrefix(set.secondSwitch, second);
}

}  // namespace

void BuildAttribAddRemove(Context& c) { build(c, kAddRemove); }
void BuildAttribIncludeExclude(Context& c) { build(c, kIncludeExclude); }

// Any group of a set rebuilds the whole set.
void wireAttribSets(Context& c) {
    for (const AttribGroup& g : kAddRemoveGroups) g.group(c.w).onClick = [&c](int) { BuildAttribAddRemove(c); };
    for (const AttribGroup& g : kIncludeExcludeGroups)
        g.group(c.w).onClick = [&c](int) { BuildAttribIncludeExclude(c); };
}

}  // namespace options
