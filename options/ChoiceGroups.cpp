// Option groups whose selected index names one switch (or none), the directory-level box beside
// the subdirectory group, and the attribute groups gathered by modAttribSet.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "options/AttribSet.h"
#include "options/Binding.h"

namespace options {

namespace {

using slots::SwitchSlots;

struct ChoiceGroup {
    std::string_view group;
    slots::Slot slot;
    std::span<const std::string_view> texts;  // by index; "" for a choice without a switch
};

constexpr std::string_view kCopyModeTexts[] = {" /Z", " /B", " /ZB"};
constexpr std::string_view kSubdirTexts[] = {" /S", " /E"};
constexpr std::string_view kExcludeChangeTexts[] = {" /XC", " /XO", " /XN", ""};
constexpr std::string_view kExtraLonelyTexts[] = {" /XX", " /XL", ""};
constexpr std::string_view kArchiveTexts[] = {" /A", " /M", ""};

constexpr ChoiceGroup kGroups[] = {
    {"optCopyMode", &SwitchSlots::CopyModeSwitch, kCopyModeTexts},
    {"optFileExcl", &SwitchSlots::ExcludeChangeSwitch, kExcludeChangeTexts},
    {"optExclXtraLoneLy", &SwitchSlots::ExcludeExtraLonelySwitch, kExtraLonelyTexts},
    {"optFileAddA", &SwitchSlots::ArchiveSwitch, kArchiveTexts},
};
constexpr ChoiceGroup kSubdir{"optSub", &SwitchSlots::SubdirSwitch, kSubdirTexts};

constexpr std::string_view kLevelSwitch = " /LEV:";

// An index outside the group's table changes nothing.
void applyChoice(Context& c, const ChoiceGroup& g, int index) {
    if (index < 0 || index >= static_cast<int>(g.texts.size())) return;
    c.s.*g.slot = std::string(g.texts[static_cast<std::size_t>(index)]);
}

template <std::size_t I>
void choice_Click(Context& c, int index) {
    applyChoice(c, kGroups[I], index);
}

// Either choice greys the level box; a level already chosen stays on the command line.
void optSub_Click(Context& c, int index) {
    applyChoice(c, kSubdir, index);
    c.w.txtDirLev.setEnabled(false);
}

void chkLev_Click(Context& c, int) {
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
void txtDirLev_Change(Context& c, int) {
    if (c.w.chkLev.checked()) c.s.LevelSwitch = std::string(kLevelSwitch) + c.w.txtDirLev.text();
}

void optAttribAddSub_Click(Context& c, int) { BuildAttribAddRemove(c); }
void optAttribIncExc_Click(Context& c, int) { BuildAttribIncludeExclude(c); }

template <std::size_t... I>
constexpr auto makeBindings(std::index_sequence<I...>) {
    return std::to_array<Binding>({
        {kGroups[I].group, Event::Click, choice_Click<I>}...,
        {"optSub", Event::Click, optSub_Click},
        {"chkLev", Event::Click, chkLev_Click},
        {"txtDirLev", Event::Change, txtDirLev_Change},
        {"optAttribAddSubR", Event::Click, optAttribAddSub_Click},
        {"optAttribAddSubA", Event::Click, optAttribAddSub_Click},
        {"optAttribAddSubS", Event::Click, optAttribAddSub_Click},
        {"optAttribAddSubH", Event::Click, optAttribAddSub_Click},
        {"optAttribAddSubN", Event::Click, optAttribAddSub_Click},
        {"optAttribAddSubT", Event::Click, optAttribAddSub_Click},
        {"optAttribIncExcR", Event::Click, optAttribIncExc_Click},
        {"optAttribIncExcA", Event::Click, optAttribIncExc_Click},
        {"optAttribIncExcS", Event::Click, optAttribIncExc_Click},
        {"optAttribIncExcH", Event::Click, optAttribIncExc_Click},
        {"optAttribIncExcN", Event::Click, optAttribIncExc_Click},
        {"optAttribIncExcT", Event::Click, optAttribIncExc_Click},
        {"optAttribIncExcC", Event::Click, optAttribIncExc_Click},
        {"optAttribIncExcE", Event::Click, optAttribIncExc_Click},
        {"optAttribIncExcO", Event::Click, optAttribIncExc_Click},
    });
}

constexpr auto kBindings = makeBindings(std::make_index_sequence<std::size(kGroups)>{});

}  // namespace

std::span<const Binding> choiceGroupBindings() { return kBindings; }

}  // namespace options
