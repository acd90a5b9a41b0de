// Check boxes that stand for one switch each: checked puts the switch text in the box's slot,
// anything else empties it. The mirror box shows a warning before its switch is set.
#include <string>
#include <string_view>

#include "options/Rules.h"

namespace options {

namespace {

using platform::Buttons;
using platform::Icon;
using slots::SwitchSlots;
using W = ui::MainWindow;

using Toggle = SlotRow<ui::CheckBox>;

constexpr Toggle kToggles[] = {
    // Logging Options
    {[](W& w) -> ui::CheckBox& { return w.chkJobSummary; }, &SwitchSlots::NjsSwitch, " /NJS"},
    {[](W& w) -> ui::CheckBox& { return w.chkJobHeader; }, &SwitchSlots::NjhSwitch, " /NJH"},
    {[](W& w) -> ui::CheckBox& { return w.chkInclFullPath; }, &SwitchSlots::FpSwitch, " /FP"},
    {[](W& w) -> ui::CheckBox& { return w.chkInclSource; }, &SwitchSlots::TsSwitch, " /TS"},
    {[](W& w) -> ui::CheckBox& { return w.chkVerbose; }, &SwitchSlots::VerboseSwitch, " /V"},
    {[](W& w) -> ui::CheckBox& { return w.chkReportXtra; }, &SwitchSlots::ReportExtraSwitch, " /X"},
    {[](W& w) -> ui::CheckBox& { return w.chkListOnly; }, &SwitchSlots::ListOnlySwitch, " /L"},
    {[](W& w) -> ui::CheckBox& { return w.chkNp; }, &SwitchSlots::NpSwitch, " /NP"},
    {[](W& w) -> ui::CheckBox& { return w.chkEta; }, &SwitchSlots::EtaSwitch, " /ETA"},
    {[](W& w) -> ui::CheckBox& { return w.chkTerminal; }, &SwitchSlots::TeeSwitch, " /TEE"},
    // File Selection Options 2 and 4
    {[](W& w) -> ui::CheckBox& { return w.chkInclTweaked; }, &SwitchSlots::ItSwitch, " /IT"},
    {[](W& w) -> ui::CheckBox& { return w.chkInclSame; }, &SwitchSlots::IsSwitch, " /IS"},
    {[](W& w) -> ui::CheckBox& { return w.chkExcJunction; }, &SwitchSlots::XjSwitch, " /XJ"},
    // Retry Options
    {[](W& w) -> ui::CheckBox& { return w.chkTbd; }, &SwitchSlots::TbdSwitch, " /TBD"},
    {[](W& w) -> ui::CheckBox& { return w.chkReg; }, &SwitchSlots::RegSwitch, " /REG"},
    // Copy Options 2: file system, security, deletion
    {[](W& w) -> ui::CheckBox& { return w.chkCreate; }, &SwitchSlots::CreateSwitch, " /CREATE"},
    {[](W& w) -> ui::CheckBox& { return w.chkFat; }, &SwitchSlots::FatSwitch, " /FAT"},
    {[](W& w) -> ui::CheckBox& { return w.chkFft; }, &SwitchSlots::FftSwitch, " /FFT"},
    {[](W& w) -> ui::CheckBox& { return w.chkNoLfns; }, &SwitchSlots::NoLfnSwitch, " /256"},
    {[](W& w) -> ui::CheckBox& { return w.chkSecurity; }, &SwitchSlots::SecSwitch, " /SEC"},
    {[](W& w) -> ui::CheckBox& { return w.chkPurge; }, &SwitchSlots::PurgeSwitch, " /PURGE"},
    {[](W& w) -> ui::CheckBox& { return w.chkMov; }, &SwitchSlots::MovSwitch, " /MOV"},
    {[](W& w) -> ui::CheckBox& { return w.chkMove; }, &SwitchSlots::MoveSwitch, " /MOVE"},
};

constexpr std::string_view kMirrorTitle = "WARNING!";
constexpr std::string_view kMirrorText =
    "THIS OPTION SHOULD BE USED WITH GREAT CAUTION!\r\n"
    "IF FILES OR FOLDERS ARE DELETED FROM THE SOURCE\r\n"
    "THEY WILL BE DELETED FROM THE DESTINATION AND VICE VERSA!";

void applyToggle(Context& c, const Toggle& t) {
    c.s.*t.slot = t.control(c.w).checked() ? std::string(t.text) : std::string();
}

// The warning informs and cannot be refused; the switch is set once it is dismissed.
void chkMir_Click(Context& c) {
    if (!c.w.chkMir.checked()) {
        c.s.MirSwitch = "";
        return;
    }
    c.p.messageBox(kMirrorTitle, kMirrorText, Buttons::Ok, Icon::Exclamation);
    c.s.MirSwitch = " /MIR";
}

}  // namespace

void wireToggles(Context& c) {
    for (const Toggle& t : kToggles) t.control(c.w).onClick = [&c, &t] { applyToggle(c, t); };
    c.w.chkMir.onClick = [&c] { chkMir_Click(c); };
}

}  // namespace options
