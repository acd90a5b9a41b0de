// Check boxes that stand for one switch each: checked puts the switch text in the box's slot,
// anything else empties it. The mirror box shows a warning before its switch is set.
#include <string>
#include <string_view>

#include "options/OpenJob.h"
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
    {&W::chkJobSummary, &SwitchSlots::NjsSwitch, " /NJS"},
    {&W::chkJobHeader, &SwitchSlots::NjhSwitch, " /NJH"},
    {&W::chkInclFullPath, &SwitchSlots::FpSwitch, " /FP"},
    {&W::chkInclSource, &SwitchSlots::TsSwitch, " /TS"},
    {&W::chkVerbose, &SwitchSlots::VerboseSwitch, " /V"},
    {&W::chkReportXtra, &SwitchSlots::ReportExtraSwitch, " /X"},
    {&W::chkListOnly, &SwitchSlots::ListOnlySwitch, " /L"},
    {&W::chkNp, &SwitchSlots::NpSwitch, " /NP"},
    {&W::chkEta, &SwitchSlots::EtaSwitch, " /ETA"},
    {&W::chkTerminal, &SwitchSlots::TeeSwitch, " /TEE"},
    // File Selection Options 2 and 4
    {&W::chkInclTweaked, &SwitchSlots::ItSwitch, " /IT"},
    {&W::chkInclSame, &SwitchSlots::IsSwitch, " /IS"},
    {&W::chkExcJunction, &SwitchSlots::XjSwitch, " /XJ"},
    // Retry Options
    {&W::chkTbd, &SwitchSlots::TbdSwitch, " /TBD"},
    {&W::chkReg, &SwitchSlots::RegSwitch, " /REG"},
    // Copy Options 2: file system, security, deletion
    {&W::chkCreate, &SwitchSlots::CreateSwitch, " /CREATE"},
    {&W::chkFat, &SwitchSlots::FatSwitch, " /FAT"},
    {&W::chkFft, &SwitchSlots::FftSwitch, " /FFT"},
    {&W::chkNoLfns, &SwitchSlots::NoLfnSwitch, " /256"},
    {&W::chkSecurity, &SwitchSlots::SecSwitch, " /SEC"},
    {&W::chkPurge, &SwitchSlots::PurgeSwitch, " /PURGE"},
    {&W::chkMov, &SwitchSlots::MovSwitch, " /MOV"},
    {&W::chkMove, &SwitchSlots::MoveSwitch, " /MOVE"},
};

constexpr std::string_view kMirSwitch = " /MIR";
constexpr std::string_view kMirrorTitle = "WARNING!";
constexpr std::string_view kMirrorText =
    "THIS OPTION SHOULD BE USED WITH GREAT CAUTION!\r\n"
    "IF FILES OR FOLDERS ARE DELETED FROM THE SOURCE\r\n"
    "THEY WILL BE DELETED FROM THE DESTINATION AND VICE VERSA!";

void applyToggle(Context& c, const Toggle& t) {
    c.s.*t.slot = (c.w.*t.control).checked() ? std::string(t.text) : std::string();
}

// The warning informs and cannot be refused; the switch is set once it is dismissed.
void chkMir_Click(Context& c) {
    if (!c.w.chkMir.checked()) {
        c.s.MirSwitch = "";
        return;
    }
    c.p.messageBox(kMirrorTitle, kMirrorText, Buttons::Ok, Icon::Exclamation);
    c.s.MirSwitch = std::string(kMirSwitch);
}

}  // namespace

Read readToggle(Context& c, const command::JobSwitch& js, std::vector<Expectation>& expected) {
    auto set = [&](ui::CheckBox& box, slots::Slot slot, std::string_view text) {
        if (!isBare(js)) return Read::Refused;
        box.setValue(1);
        expected.push_back({slot, std::string(text)});
        return Read::Set;
    };
    for (const Toggle& t : kToggles)
        if (isSwitch(js, t.text)) return set(c.w.*t.control, t.slot, t.text);
    if (isSwitch(js, kMirSwitch)) return set(c.w.chkMir, &SwitchSlots::MirSwitch, kMirSwitch);
    return Read::NotOurs;
}

void wireToggles(Context& c) {
    for (const Toggle& t : kToggles) (c.w.*t.control).onClick = [&c, &t] { applyToggle(c, t); };
    c.w.chkMir.onClick = [&c] { chkMir_Click(c); };
}

}  // namespace options
