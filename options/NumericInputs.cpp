// Values the user types or slides: the three number fields (any number the locale reads), the
// two size fields (free text), the retry and wait sliders and the two exclusion lists.
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

constexpr std::string_view kInvalidTitle = "Invalid Entry";
constexpr std::string_view kInvalidText = "Please Enter An Integer.";

// A check box that switches on a text field whose text goes into one slot behind a switch.
struct ValueField {
    ui::CheckBox W::*box;
    ui::TextBox W::*field;
    slots::Slot slot;
    std::string_view switchText;
};

// The number fields take any number the locale reads.
constexpr ValueField kNumberFields[] = {
    {&W::chkIpg, &W::txtIpg, &SwitchSlots::IpgSwitch, " /IPG:"},
    {&W::chkMon, &W::txtMon, &SwitchSlots::MonSwitch, " /MON:"},
    {&W::chkMot, &W::txtMot, &SwitchSlots::MotSwitch, " /MOT:"},
};
// The size fields take free text.
constexpr ValueField kSizeFields[] = {
    {&W::chkMinFileSize, &W::txtMinFileSize, &SwitchSlots::MinSizeSwitch, " /MIN:"},
    {&W::chkMaxFileSize, &W::txtMaxFileSize, &SwitchSlots::MaxSizeSwitch, " /MAX:"},
};

// An exclusion list, in the engine's own syntax.
using ListField = SlotRow<ui::TextBox>;

constexpr ListField kListFields[] = {
    {&W::txtDirExclName, &SwitchSlots::ExcludeDirsSwitch, " /XD "},
    {&W::txtFileExclName, &SwitchSlots::ExcludeFilesSwitch, " /XF "},
};

// A slot as a field's text gives it: empty for an empty field, else the switch and the text as typed.
std::string switchWith(std::string_view switchText, const std::string& text) {
    return text.empty() ? std::string() : std::string(switchText) + text;
}

void setFromText(Context& c, const ValueField& f) { c.s.*f.slot = switchWith(f.switchText, (c.w.*f.field).text()); }

// Number fields: checking whitens the field and gives it the focus; unchecking greys and
// empties it, and emptying it empties the slot through its change rule.
void numberBoxClick(Context& c, const ValueField& f) {
    ui::TextBox& field = c.w.*f.field;
    if ((c.w.*f.box).checked()) {
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
    ui::TextBox& field = c.w.*f.field;
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
    ui::TextBox& field = c.w.*f.field;
    if ((c.w.*f.box).checked()) {
        field.setEnabled(true);
        setFromText(c, f);
        c.w.setFocus(field);
        return;
    }
    field.setEnabled(false);
    c.s.*f.slot = "";
}

void sizeFieldChange(Context& c, const ValueField& f) {
    if ((c.w.*f.box).checked()) setFromText(c, f);
}

// Sliders: the label shows the position at every move; the slot takes it at every completed
// move, by mouse or by keyboard alike.
struct SliderField {
    ui::Slider W::*slider;
    ui::Label W::*label;
    slots::Slot slot;
    std::string_view switchText;
};
constexpr SliderField kRetry{&W::sldRetry, &W::lblRetryVal, &SwitchSlots::RetrySwitch, " /R:"};
constexpr SliderField kWait{&W::sldWait, &W::lblWaitVal, &SwitchSlots::WaitSwitch, " /W:"};

void setFromPosition(Context& c, const SliderField& f) {
    c.s.*f.slot = std::string(f.switchText) + std::to_string((c.w.*f.slider).position());
}

void sliderScroll(Context& c, const SliderField& f) {
    (c.w.*f.label).setCaption(std::to_string((c.w.*f.slider).position()));
    setFromPosition(c, f);
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Exclusion lists are passed on whole when the field is left.
void listLostFocus(Context& c, const ListField& f) { c.s.*f.slot = switchWith(f.text, (c.w.*f.control).text()); }

}  // namespace

// A number or size as typed into its checked field, a list as typed and left, a slider dragged
// to the count.
Read readNumericInput(Context& c, const command::JobSwitch& js, std::vector<Expectation>& expected) {
    auto typed = [&](const ValueField& f, const std::optional<std::string>& value) {
        if (!value) return Read::Refused;
        (c.w.*f.box).setValue(1);
        (c.w.*f.field).setText(*value);
        expected.push_back({f.slot, std::string(f.switchText) + *value});
        return Read::Set;
    };
    for (const ValueField& f : kNumberFields)
        if (isSwitch(js, f.switchText)) return typed(f, fixedValue(js));
    for (const ValueField& f : kSizeFields)
        if (isSwitch(js, f.switchText)) return typed(f, freeValue(js));
    for (const ListField& f : kListFields) {
        if (!isSwitch(js, f.text)) continue;
        const std::optional<std::string> list = listValue(js);
        if (!list) return Read::Refused;
        (c.w.*f.control).setText(*list);
        (c.w.*f.control).loseFocus();
        expected.push_back({f.slot, std::string(f.text) + *list});
        return Read::Set;
    }
    for (const SliderField* f : {&kRetry, &kWait}) {
        if (!isSwitch(js, f->switchText)) continue;
        const std::optional<std::string> count = fixedValue(js);
        if (!count || !allDigits(*count) || count->size() > 2) return Read::Refused;
        (c.w.*f->slider).scrollTo(std::stoi(*count));
        (c.w.*f->slider).mouseUp();
        expected.push_back({f->slot, std::string(f->switchText) + *count});
        return Read::Set;
    }
    return Read::NotOurs;
}

void wireNumericInputs(Context& c) {
    for (const ValueField& f : kNumberFields) {
        (c.w.*f.box).onClick = [&c, &f] { numberBoxClick(c, f); };
        (c.w.*f.field).onChange = [&c, &f] { numberFieldChange(c, f); };
    }
    for (const ValueField& f : kSizeFields) {
        (c.w.*f.box).onClick = [&c, &f] { sizeBoxClick(c, f); };
        (c.w.*f.field).onChange = [&c, &f] { sizeFieldChange(c, f); };
    }
    c.w.sldRetry.onScroll = [&c] { sliderScroll(c, kRetry); };
    c.w.sldRetry.onMouseUp = [&c] { setFromPosition(c, kRetry); };
    c.w.sldWait.onScroll = [&c] { sliderScroll(c, kWait); };
    for (const ListField& f : kListFields) (c.w.*f.control).onLostFocus = [&c, &f] { listLostFocus(c, f); };
}

}  // namespace options
