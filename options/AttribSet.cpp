#include "options/AttribSet.h"

#include <span>
#include <string>
#include <string_view>

#include "options/OpenJob.h"

namespace options {

namespace {

using slots::SwitchSlots;

using W = ui::MainWindow;

// One three-way group per letter: option 0 puts the letter in the set's first switch, option 1
// in its second, option 2 in neither.
struct AttribGroup {
    char letter;
    ui::OptionGroup W::*group;
};

struct AttribSet {
    std::span<const AttribGroup> groups;  // in letter order
    slots::Slot first;
    std::string_view firstSwitch;
    slots::Slot second;
    std::string_view secondSwitch;
};

// clang-format off
constexpr AttribGroup kAddRemoveGroups[] = {
    {'R', &W::optAttribAddSubR},
    {'A', &W::optAttribAddSubA},
    {'S', &W::optAttribAddSubS},
    {'H', &W::optAttribAddSubH},
    {'N', &W::optAttribAddSubN},
    {'T', &W::optAttribAddSubT},
};
constexpr AttribGroup kIncludeExcludeGroups[] = {
    {'R', &W::optAttribIncExcR},
    {'A', &W::optAttribIncExcA},
    {'S', &W::optAttribIncExcS},
    {'H', &W::optAttribIncExcH},
    {'N', &W::optAttribIncExcN},
    {'T', &W::optAttribIncExcT},
    {'C', &W::optAttribIncExcC},
    {'E', &W::optAttribIncExcE},
    {'O', &W::optAttribIncExcO},
};
// clang-format on

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
        const int selected = (c.w.*g.group).selected();
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

// Each letter's group is chosen as a click would; the switch then holds its letters in the
// set's order.
Read readAttribSet(Context& c, const command::JobSwitch& js, std::vector<Expectation>& expected) {
    for (const AttribSet* set : {&kAddRemove, &kIncludeExclude}) {
        for (const int choice : {0, 1}) {
            const std::string_view switchText = choice == 0 ? set->firstSwitch : set->secondSwitch;
            if (!isSwitch(js, switchText)) continue;
            const std::optional<std::string> letters = fixedValue(js);
            if (!letters || letters->empty()) return Read::Refused;
            std::string ordered;
            for (const AttribGroup& g : set->groups) {
                if (letterCount(*letters, g.letter) == 0) continue;
                (c.w.*g.group).select(choice);
                ordered += g.letter;
            }
            // A letter twice, or one of no group, leaves letters over.
            if (ordered.size() != letters->size()) return Read::Refused;
            expected.push_back({choice == 0 ? set->first : set->second, std::string(switchText) + ordered});
            return Read::Set;
        }
    }
    return Read::NotOurs;
}

// Any group of a set rebuilds the whole set.
void wireAttribSets(Context& c) {
    for (const AttribGroup& g : kAddRemoveGroups) (c.w.*g.group).onClick = [&c](int) { BuildAttribAddRemove(c); };
    for (const AttribGroup& g : kIncludeExcludeGroups)
        (c.w.*g.group).onClick = [&c](int) { BuildAttribIncludeExclude(c); };
}

}  // namespace options
