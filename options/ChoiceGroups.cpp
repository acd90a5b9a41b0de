// Option groups whose selected index names one switch (or none), and the directory-level box
// beside the subdirectory group. The attribute groups are gathered by modAttribSet (AttribSet.cpp).
#include <span>
#include <string>
#include <string_view>

#include "options/OpenJob.h"
#include "options/Rules.h"

namespace options {

namespace {

using slots::SwitchSlots;
using W = ui::MainWindow;

struct ChoiceGroup {
    ui::OptionGroup W::*group;
    slots::Slot slot;
    std::span<const std::string_view> texts;  // by index; "" for a choice without a switch
};

constexpr std::string_view kCopyModeTexts[] = {" /Z", " /B", " /ZB"};
constexpr std::string_view kSubdirTexts[] = {" /S", " /E"};
constexpr std::string_view kExcludeChangeTexts[] = {" /XC", " /XO", " /XN", ""};
constexpr std::string_view kExtraLonelyTexts[] = {" /XX", " /XL", ""};
constexpr std::string_view kArchiveTexts[] = {" /A", " /M", ""};

constexpr ChoiceGroup kGroups[] = {
    {&W::optCopyMode, &SwitchSlots::CopyModeSwitch, kCopyModeTexts},
    {&W::optFileExcl, &SwitchSlots::ExcludeChangeSwitch, kExcludeChangeTexts},
    {&W::optExclXtraLoneLy, &SwitchSlots::ExcludeExtraLonelySwitch, kExtraLonelyTexts},
    {&W::optFileAddA, &SwitchSlots::ArchiveSwitch, kArchiveTexts},
};
constexpr ChoiceGroup kSubdir{&W::optSub, &SwitchSlots::SubdirSwitch, kSubdirTexts};

constexpr std::string_view kLevelSwitch = " /LEV:";

// An index outside the group's table changes nothing.
void applyChoice(Context& c, const ChoiceGroup& g, int index) {
    if (index < 0 || index >= static_cast<int>(g.texts.size())) return;
    c.s.*g.slot = std::string(g.texts[static_cast<std::size_t>(index)]);
}

// Either choice greys the level box; a level already chosen stays on the command line.
void optSub_Click(Context& c, int index) {
    applyChoice(c, kSubdir, index);
    c.w.txtDirLev.setEnabled(false);
}

void chkLev_Click(Context& c) {
    ui::TextBox& levels = c.w.txtDirLev;
    if (c.w.chkLev.checked()) {
        levels.setEnabled(true);
        c.s.LevelSwitch = std::string(kLevelSwitch) + levels.text();
        levels.setText("1");  // its change rule writes the slot again
        return;
    }
    levels.setEnabled(false);
    levels.setText("");  // ignored by the change rule now that the box is unchecked
    c.s.LevelSwitch = "";
}

// The text goes in as typed, while the level box is checked; an empty text gives " /LEV:".
void txtDirLev_Change(Context& c) {
    if (c.w.chkLev.checked()) c.s.LevelSwitch = std::string(kLevelSwitch) + c.w.txtDirLev.text();
}

}  // namespace

Read readChoiceGroup(Context& c, const command::JobSwitch& js, std::vector<Expectation>& expected) {
    for (const ChoiceGroup* g : {&kGroups[0], &kGroups[1], &kGroups[2], &kGroups[3], &kSubdir}) {
        for (std::size_t i = 0; i < g->texts.size(); ++i) {
            if (g->texts[i].empty() || !isSwitch(js, g->texts[i])) continue;
            if (!isBare(js)) return Read::Refused;
            (c.w.*g->group).select(static_cast<int>(i));
            expected.push_back({g->slot, std::string(g->texts[i])});
            return Read::Set;
        }
    }
    if (!isSwitch(js, kLevelSwitch)) return Read::NotOurs;
    const std::optional<std::string> levels = freeValue(js);
    if (!levels) return Read::Refused;
    c.w.chkLev.setValue(1);
    c.w.txtDirLev.setText(*levels);
    expected.push_back({&SwitchSlots::LevelSwitch, std::string(kLevelSwitch) + *levels});
    return Read::Set;
}

void wireChoiceGroups(Context& c) {
    for (const ChoiceGroup& g : kGroups) (c.w.*g.group).onClick = [&c, &g](int index) { applyChoice(c, g, index); };
    c.w.optSub.onClick = [&c](int index) { optSub_Click(c, index); };
    c.w.chkLev.onClick = [&c] { chkLev_Click(c); };
    c.w.txtDirLev.onChange = [&c] { txtDirLev_Change(c); };
}

}  // namespace options
