#include "options/AttribSet.h"

#include <string>
#include <string_view>

namespace options {

namespace {

using slots::SwitchSlots;

// One three-way group per letter, named the set's prefix followed by the letter: option 0 puts
// the letter in the first switch, option 1 in the second, option 2 in neither.
struct AttribSet {
    std::string_view groupPrefix;
    std::string_view letters;
    slots::Slot first;
    std::string_view firstSwitch;
    slots::Slot second;
    std::string_view secondSwitch;
};

constexpr AttribSet kAddRemove{"optAttribAddSub", "RASHNT", &SwitchSlots::AttribAddSwitch, " /A+:",
                               &SwitchSlots::AttribRemoveSwitch, " /A-:"};
constexpr AttribSet kIncludeExclude{"optAttribIncExc", "RASHNTCEO", &SwitchSlots::AttribIncludeSwitch, " /IA:",
                                    &SwitchSlots::AttribExcludeSwitch, " /XA:"};

std::string withPrefix(std::string_view prefix, const std::string& letters) {
    return letters.empty() ? std::string() : std::string(prefix) + letters;
}

void build(Context& c, const AttribSet& set) {
    std::string first, second;
    for (char letter : set.letters) {
        const int selected = c.w.get<ui::OptionGroup>(std::string(set.groupPrefix) + letter).selected();
        if (selected == 0) first += letter;
        else if (selected == 1) second += letter;
    }
    c.s.*set.first = withPrefix(set.firstSwitch, first);
    c.s.*set.second = withPrefix(set.secondSwitch, second);
}

}  // namespace

void BuildAttribAddRemove(Context& c) { build(c, kAddRemove); }
void BuildAttribIncludeExclude(Context& c) { build(c, kIncludeExclude); }

}  // namespace options
