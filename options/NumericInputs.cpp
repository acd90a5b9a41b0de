// Values the user types or slides: the three number fields (any number the locale reads), the
// two size fields (free text), the retry and wait sliders and the two exclusion lists.
#include <string>
#include <string_view>

#include "options/Binding.h"

namespace options {

namespace {

using platform::Buttons;
using platform::Icon;
using slots::SwitchSlots;

constexpr std::string_view kInvalidTitle = "Invalid Entry";
constexpr std::string_view kInvalidText = "Please Enter An Integer.";

// A check box that switches on a text field whose text goes into one slot behind a switch.
struct ValueField {
    std::string_view box, field;
    slots::Slot slot;
    std::string_view switchText;
};

constexpr ValueField kIpg{"chkIpg", "txtIpg", &SwitchSlots::IpgSwitch, " /IPG:"};
constexpr ValueField kMon{"chkMon", "txtMon", &SwitchSlots::MonSwitch, " /MON:"};
constexpr ValueField kMot{"chkMot", "txtMot", &SwitchSlots::MotSwitch, " /MOT:"};
constexpr ValueField kMinSize{"chkMinFileSize", "txtMinFileSize", &SwitchSlots::MinSizeSwitch, " /MIN:"};
constexpr ValueField kMaxSize{"chkMaxFileSize", "txtMaxFileSize", &SwitchSlots::MaxSizeSwitch, " /MAX:"};

ui::CheckBox& boxOf(Context& c, const ValueField& f) { return c.w.get<ui::CheckBox>(f.box); }
ui::TextBox& fieldOf(Context& c, const ValueField& f) { return c.w.get<ui::TextBox>(f.field); }

// The slot as the field's text gives it: empty for an empty field, else the switch and the text as typed.
void setFromText(Context& c, const ValueField& f) {
    const std::string& text = fieldOf(c, f).text();
    c.s.*f.slot = text.empty() ? std::string() : std::string(f.switchText) + text;
}

// Number fields: checking whitens the field and gives it the focus; unchecking greys and
// empties it, and emptying it empties the slot through its change rule.
void numberBoxClick(Context& c, const ValueField& f) {
    ui::TextBox& field = fieldOf(c, f);
    if (boxOf(c, f).checked()) {
        field.setEnabled(true);
        field.setBackColour(ui::kWhite);
        c.w.setFocus(field);
        return;
    }
    field.setEnabled(false);
    field.setBackColour(ui::kGrey);
    field.setText("");
}

// Runs on every change, so a text is judged at each keystroke: one that the locale does not
// read as a number is refused there, and the field starts again empty.
void numberFieldChange(Context& c, const ValueField& f) {
    ui::TextBox& field = fieldOf(c, f);
    if (field.text().empty() || c.p.isLocaleNumber(field.text())) {
        setFromText(c, f);
        return;
    }
    c.p.messageBox(kInvalidTitle, kInvalidText, Buttons::OkCancel, Icon::Critical);
    field.setText("");  // its change rule runs again and empties the slot
    c.w.setFocus(field);
}

// Size fields: the slot follows the text only while the box is checked, so checking the box
// takes up what the field already holds and unchecking drops it from the command line while
// the field keeps it for later.
void sizeBoxClick(Context& c, const ValueField& f) {
    ui::TextBox& field = fieldOf(c, f);
    if (boxOf(c, f).checked()) {
        field.setEnabled(true);
        setFromText(c, f);
        c.w.setFocus(field);
        return;
    }
    field.setEnabled(false);
    c.s.*f.slot = "";
}

void sizeFieldChange(Context& c, const ValueField& f) {
    if (boxOf(c, f).checked()) setFromText(c, f);
}

void chkIpg_Click(Context& c, int) { numberBoxClick(c, kIpg); }
void chkMon_Click(Context& c, int) { numberBoxClick(c, kMon); }
void chkMot_Click(Context& c, int) { numberBoxClick(c, kMot); }
void txtIpg_Change(Context& c, int) { numberFieldChange(c, kIpg); }
void txtMon_Change(Context& c, int) { numberFieldChange(c, kMon); }
void txtMot_Change(Context& c, int) { numberFieldChange(c, kMot); }

void chkMinFileSize_Click(Context& c, int) { sizeBoxClick(c, kMinSize); }
void chkMaxFileSize_Click(Context& c, int) { sizeBoxClick(c, kMaxSize); }
void txtMinFileSize_Change(Context& c, int) { sizeFieldChange(c, kMinSize); }
void txtMaxFileSize_Change(Context& c, int) { sizeFieldChange(c, kMaxSize); }

// Sliders: the label shows the position at every move; the slot takes it at every completed
// move, by mouse or by keyboard alike.
void setRetry(Context& c) { c.s.RetrySwitch = " /R:" + std::to_string(c.w.sldRetry.position()); }

void sldRetry_Scroll(Context& c, int) {
    c.w.lblRetryVal.setCaption(std::to_string(c.w.sldRetry.position()));
    setRetry(c);
}
void sldRetry_MouseUp(Context& c, int) { setRetry(c); }
void sldWait_Scroll(Context& c, int) {
    c.w.lblWaitVal.setCaption(std::to_string(c.w.sldWait.position()));
    c.s.WaitSwitch = " /W:" + std::to_string(c.w.sldWait.position());
}

// Exclusion lists: written in the engine's own syntax and passed on whole when the field is left.
void setList(Context& c, const ui::TextBox& field, slots::Slot slot, std::string_view switchText) {
    c.s.*slot = field.text().empty() ? std::string() : std::string(switchText) + field.text();
}
void txtDirExclName_LostFocus(Context& c, int) {
    setList(c, c.w.txtDirExclName, &SwitchSlots::ExcludeDirsSwitch, " /XD ");
}
void txtFileExclName_LostFocus(Context& c, int) {
    setList(c, c.w.txtFileExclName, &SwitchSlots::ExcludeFilesSwitch, " /XF ");
}

constexpr Binding kBindings[] = {
    {"chkIpg", Event::Click, chkIpg_Click},
    {"txtIpg", Event::Change, txtIpg_Change},
    {"chkMon", Event::Click, chkMon_Click},
    {"txtMon", Event::Change, txtMon_Change},
    {"chkMot", Event::Click, chkMot_Click},
    {"txtMot", Event::Change, txtMot_Change},
    {"chkMinFileSize", Event::Click, chkMinFileSize_Click},
    {"txtMinFileSize", Event::Change, txtMinFileSize_Change},
    {"chkMaxFileSize", Event::Click, chkMaxFileSize_Click},
    {"txtMaxFileSize", Event::Change, txtMaxFileSize_Change},
    {"sldRetry", Event::Scroll, sldRetry_Scroll},
    {"sldRetry", Event::MouseUp, sldRetry_MouseUp},
    {"sldWait", Event::Scroll, sldWait_Scroll},
    {"txtDirExclName", Event::LostFocus, txtDirExclName_LostFocus},
    {"txtFileExclName", Event::LostFocus, txtFileExclName_LostFocus},
};

}  // namespace

std::span<const Binding> numericInputBindings() { return kBindings; }

}  // namespace options
