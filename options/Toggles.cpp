// Check boxes that stand for one switch each: checked puts the switch text in the box's slot,
// anything else empties it. The mirror box shows a warning before its switch is set.
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "options/Binding.h"

namespace options {

namespace {

using platform::Buttons;
using platform::Icon;
using slots::SwitchSlots;

struct Toggle {
    std::string_view control;
    slots::Slot slot;
    std::string_view switchText;
};

constexpr Toggle kToggles[] = {
    // Logging Options
    {"chkJobSummary", &SwitchSlots::NjsSwitch, " /NJS"},
    {"chkJobHeader", &SwitchSlots::NjhSwitch, " /NJH"},
    {"chkInclFullPath", &SwitchSlots::FpSwitch, " /FP"},
    {"chkInclSource", &SwitchSlots::TsSwitch, " /TS"},
    {"chkVerbose", &SwitchSlots::VerboseSwitch, " /V"},
    {"chkReportXtra", &SwitchSlots::ReportExtraSwitch, " /X"},
    {"chkListOnly", &SwitchSlots::ListOnlySwitch, " /L"},
    {"chkNp", &SwitchSlots::NpSwitch, " /NP"},
    {"chkEta", &SwitchSlots::EtaSwitch, " /ETA"},
    {"chkTerminal", &SwitchSlots::TeeSwitch, " /TEE"},
    // File Selection Options 2 and 4
    {"chkInclTweaked", &SwitchSlots::ItSwitch, " /IT"},
    {"chkInclSame", &SwitchSlots::IsSwitch, " /IS"},
    {"chkExcJunction", &SwitchSlots::XjSwitch, " /XJ"},
    // Retry Options
    {"chkTbd", &SwitchSlots::TbdSwitch, " /TBD"},
    {"chkReg", &SwitchSlots::RegSwitch, " /REG"},
    // Copy Options 2: file system, security, deletion
    {"chkCreate", &SwitchSlots::CreateSwitch, " /CREATE"},
    {"chkFat", &SwitchSlots::FatSwitch, " /FAT"},
    {"chkFft", &SwitchSlots::FftSwitch, " /FFT"},
    {"chkNoLfns", &SwitchSlots::NoLfnSwitch, " /256"},
    {"chkSecurity", &SwitchSlots::SecSwitch, " /SEC"},
    {"chkPurge", &SwitchSlots::PurgeSwitch, " /PURGE"},
    {"chkMov", &SwitchSlots::MovSwitch, " /MOV"},
    {"chkMove", &SwitchSlots::MoveSwitch, " /MOVE"},
};

constexpr std::string_view kMirrorTitle = "WARNING!";
constexpr std::string_view kMirrorText =
    "THIS OPTION SHOULD BE USED WITH GREAT CAUTION!\r\n"
    "IF FILES OR FOLDERS ARE DELETED FROM THE SOURCE\r\n"
    "THEY WILL BE DELETED FROM THE DESTINATION AND VICE VERSA!";

void applyToggle(Context& c, const Toggle& t) {
    c.s.*t.slot = c.w.get<ui::CheckBox>(t.control).checked() ? std::string(t.switchText) : std::string();
}

// One rule per row of the table, so that each box's event knows its own row.
template <std::size_t I>
void toggle_Click(Context& c, int) {
    applyToggle(c, kToggles[I]);
}

// The warning informs and cannot be refused; the switch is set once it is dismissed.
void chkMir_Click(Context& c, int) {
    if (!c.w.chkMir.checked()) {
        c.s.MirSwitch = "";
        return;
    }
    c.p.messageBox(kMirrorTitle, kMirrorText, Buttons::Ok, Icon::Exclamation);
    c.s.MirSwitch = " /MIR";
}

template <std::size_t... I>
constexpr auto makeBindings(std::index_sequence<I...>) {
    return std::to_array<Binding>({
        {kToggles[I].control, Event::Click, toggle_Click<I>}...,
        {"chkMir", Event::Click, chkMir_Click},
    });
}

constexpr auto kBindings = makeBindings(std::make_index_sequence<std::size(kToggles)>{});

}  // namespace

std::span<const Binding> toggleBindings() { return kBindings; }

}  // namespace options
