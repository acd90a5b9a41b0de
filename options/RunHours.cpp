// The run-hours window: a start and an end time typed into one masked field "hh:mm - hh:mm".
// Each released key checks what is there: an hour above 23 or a minute above 59 is replaced by
// "00" and selected at once; a complete window whose end lies after its start goes into the slot.
// Anything incomplete or refused leaves the last good window in the slot.
#include <string>
#include <string_view>

#include "command/Messages.h"
#include "options/OpenJob.h"
#include "options/Rules.h"

namespace options {

namespace {

using platform::Buttons;
using platform::Icon;

constexpr std::string_view kRunHoursSwitch = " /RH:";
// The key released after the last digit of a window typed: a digit's (virtual-key codes of
// digits are their characters).
constexpr int kLastKey = '0';

struct Message {
    std::string_view title, text;
    Icon icon;
};

constexpr Message kBadStart{"Invalid Start Time", "Enter a Start Time Between 00:00 and 23:59", Icon::Exclamation};
// The end-time message shares the start-time title.
constexpr Message kBadEnd{"Invalid Start Time", "Enter an End Time Between 00:00 and 23:59", Icon::Exclamation};
constexpr Message kHoursOrder{"Error", "Start Time \"HOURS\" is After End Time", Icon::Exclamation};
constexpr Message kMinutesOrder{command::kAppTitle, "Start Time \"MINUTES\" is After End Time", Icon::None};

void show(Context& c, const Message& m) { c.p.messageBox(m.title, m.text, Buttons::Ok, m.icon); }

// The four two-digit parts and where each starts in the field's text.
enum Part { SH, SM, EH, EM };
constexpr int kPartStart[] = {0, 3, 8, 11};
constexpr int kPartLength = 2;

struct Window {
    std::string part[4];

    explicit Window(const std::string& text) {
        for (int i = 0; i < 4; ++i) {
            auto at = static_cast<size_t>(kPartStart[i]);
            part[i] = at + kPartLength <= text.size() ? text.substr(at, kPartLength) : "00";
        }
    }
    // The number its digits make, blanks skipped: "  " is 0, "7 " is 7.
    int value(Part p) const {
        int v = 0;
        for (char ch : part[p])
            if (ch >= '0' && ch <= '9') v = v * 10 + (ch - '0');
        return v;
    }
    bool complete() const {
        for (const auto& p : part)
            if (p.find(' ') != std::string::npos) return false;
        return true;
    }
    std::string text() const { return part[SH] + ":" + part[SM] + " - " + part[EH] + ":" + part[EM]; }
};

struct RangeCheck {
    Part part;
    int highest;
    const Message& message;
};

constexpr RangeCheck kRangeChecks[] = {
    {SH, 23, kBadStart},
    {SM, 59, kBadStart},
    {EH, 23, kBadEnd},
    {EM, 59, kBadEnd},
};

void selectPart(ui::MaskedEdit& field, Part p) { field.setSelection(kPartStart[p], kPartLength); }

void chkRunHours_Click(Context& c) {
    ui::MaskedEdit& field = c.w.mskEdRunHours;
    c.s.RunHoursSwitch = "";
    bool on = c.w.chkRunHours.checked();
    field.setEnabled(on);
    field.setBackColour(on ? ui::kWhite : ui::kGrey);
    field.setText(field.blankText());
    if (!on) return;
    c.w.setFocus(field);
    field.setSelection(0, field.length());
}

void mskEdRunHours_KeyUp(Context& c, int key) {
    if (key == ui::MaskedEdit::kEnterKey) return;
    ui::MaskedEdit& field = c.w.mskEdRunHours;
    Window window(field.text());

    // An hour or minute out of range is caught at the keystroke that makes it so, even in a
    // part that is only half typed.
    for (const RangeCheck& check : kRangeChecks) {
        if (window.value(check.part) <= check.highest) continue;
        window.part[check.part] = "00";
        field.setText(window.text());
        show(c, check.message);
        selectPart(field, check.part);
        return;
    }
    if (!window.complete()) return;

    // A window may not span midnight: the end must come after the start on the same day.
    int startHours = window.value(SH), endHours = window.value(EH);
    if (endHours > startHours || (endHours == startHours && window.value(EM) > window.value(SM))) {
        c.s.RunHoursSwitch =
            std::string(kRunHoursSwitch) + window.part[SH] + window.part[SM] + "-" + window.part[EH] + window.part[EM];
        return;
    }
    if (endHours < startHours) {
        show(c, kHoursOrder);
        selectPart(field, EH);
        return;
    }
    show(c, kMinutesOrder);
    selectPart(field, EM);
}

}  // namespace

// The window's digits typed into the field, which checks them at the last key as it checks a
// person's.
Read readRunHours(Context& c, const command::JobSwitch& js, std::vector<Expectation>& expected) {
    if (!isSwitch(js, kRunHoursSwitch)) return Read::NotOurs;
    const std::optional<std::string> hours = fixedValue(js);
    if (!hours) return Read::Refused;
    c.w.chkRunHours.setValue(1);
    c.w.mskEdRunHours.setText(*hours);
    c.w.mskEdRunHours.keyUp(kLastKey);
    expected.push_back({&slots::SwitchSlots::RunHoursSwitch, std::string(kRunHoursSwitch) + *hours});
    return Read::Set;
}

void wireRunHours(Context& c) {
    c.w.chkRunHours.onClick = [&c] { chkRunHours_Click(c); };
    c.w.mskEdRunHours.onKeyUp = [&c](int key) { mskEdRunHours_KeyUp(c, key); };
}

}  // namespace options
