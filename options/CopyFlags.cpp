// The six copy-flag boxes: one letter slot each behind the prefix " /COPY:", which stands on
// the command line exactly while at least one letter does. Checking data checks timestamps,
// unchecking it unchecks them; timestamps never change data.
#include <string>
#include <string_view>

#include "options/OpenJob.h"
#include "options/Rules.h"

namespace options {

namespace {

using slots::SwitchSlots;
using W = ui::MainWindow;

constexpr std::string_view kCopyPrefix = " /COPY:";
constexpr std::string_view kDataLetter = "D", kTimestampsLetter = "T";

using Flag = SlotRow<ui::CheckBox>;  // the text is the flag's letter

// Every box but data, which also drives timestamps.
// clang-format off
constexpr Flag kLetterFlags[] = {
    {&W::chkAttrib, &SwitchSlots::CopyFlagA, "A"},
    {&W::chkTimestamps, &SwitchSlots::CopyFlagT, kTimestampsLetter},
    {&W::chkAcls, &SwitchSlots::CopyFlagS, "S"},
    {&W::chkOwnership, &SwitchSlots::CopyFlagO, "O"},
    {&W::chkAudit, &SwitchSlots::CopyFlagU, "U"},
};
// clang-format on

void recomputePrefix(SwitchSlots& s) {
    bool any = false;
    for (slots::Slot letter : {&SwitchSlots::CopyFlagD, &SwitchSlots::CopyFlagA, &SwitchSlots::CopyFlagT,
                               &SwitchSlots::CopyFlagS, &SwitchSlots::CopyFlagO, &SwitchSlots::CopyFlagU})
        any = any || !(s.*letter).empty();
    s.CopyPrefix = any ? std::string(kCopyPrefix) : std::string();
}

void applyLetter(Context& c, const Flag& f) {
    if ((c.w.*f.control).checked()) {
        c.s.*f.slot = std::string(f.text);
        c.s.CopyPrefix = std::string(kCopyPrefix);
        return;
    }
    c.s.*f.slot = "";
    recomputePrefix(c.s);
}

// Setting timestamps runs their own rule at once, before the prefix is settled here.
void chkData_Click(Context& c) {
    const bool on = c.w.chkData.checked();
    c.s.CopyFlagD = std::string(on ? kDataLetter : "");
    c.s.CopyFlagT = std::string(on ? kTimestampsLetter : "");
    c.w.chkTimestamps.setValue(on ? 1 : 0);
    if (on)
        c.s.CopyPrefix = std::string(kCopyPrefix);
    else
        recomputePrefix(c.s);
}

}  // namespace

void clearCopyFlags(Context& c) {
    c.w.chkData.setValue(0);
    for (const Flag& f : kLetterFlags) (c.w.*f.control).setValue(0);
}

// Data first, since it sets timestamps; each box then as the letters say.
Read readCopyFlags(Context& c, const command::JobSwitch& js, std::vector<Expectation>& expected) {
    if (!isSwitch(js, kCopyPrefix)) return Read::NotOurs;
    const std::optional<std::string> letters = fixedValue(js);
    if (!letters || letters->empty()) return Read::Refused;
    std::size_t known = 0;
    auto set = [&](ui::CheckBox& box, slots::Slot slot, std::string_view letter) {
        const int n = letterCount(*letters, letter.front());
        if (n > 0) ++known;
        box.setValue(n > 0 ? 1 : 0);
        expected.push_back({slot, n > 0 ? std::string(letter) : std::string()});
    };
    set(c.w.chkData, &SwitchSlots::CopyFlagD, kDataLetter);
    for (const Flag& f : kLetterFlags) set(c.w.*f.control, f.slot, f.text);
    // A letter twice, or one of no box, leaves letters over.
    if (known != letters->size()) return Read::Refused;
    expected.push_back({&SwitchSlots::CopyPrefix, std::string(kCopyPrefix)});
    return Read::Set;
}

void wireCopyFlags(Context& c) {
    c.w.chkData.onClick = [&c] { chkData_Click(c); };
    for (const Flag& f : kLetterFlags) (c.w.*f.control).onClick = [&c, &f] { applyLetter(c, f); };
}

}  // namespace options
