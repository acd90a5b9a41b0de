// The six copy-flag boxes: one letter slot each behind the prefix " /COPY:", which stands on
// the command line exactly while at least one letter does. Checking data checks timestamps,
// unchecking it unchecks them; timestamps never change data.
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "options/Binding.h"

namespace options {

namespace {

using slots::SwitchSlots;

constexpr std::string_view kCopyPrefix = " /COPY:";

struct Flag {
    std::string_view control;
    slots::Slot slot;
    std::string_view letter;
};

// Every box but data, which also drives timestamps.
constexpr Flag kLetterFlags[] = {
    {"chkAttrib", &SwitchSlots::CopyFlagA, "A"},
    {"chkTimestamps", &SwitchSlots::CopyFlagT, "T"},
    {"chkAcls", &SwitchSlots::CopyFlagS, "S"},
    {"chkOwnership", &SwitchSlots::CopyFlagO, "O"},
    {"chkAudit", &SwitchSlots::CopyFlagU, "U"},
};

void recomputePrefix(SwitchSlots& s) {
    bool any = false;
    for (slots::Slot letter : {&SwitchSlots::CopyFlagD, &SwitchSlots::CopyFlagA, &SwitchSlots::CopyFlagT,
                               &SwitchSlots::CopyFlagS, &SwitchSlots::CopyFlagO, &SwitchSlots::CopyFlagU})
        any = any || !(s.*letter).empty();
    s.CopyPrefix = any ? std::string(kCopyPrefix) : std::string();
}

void applyLetter(Context& c, const Flag& f) {
    if (c.w.get<ui::CheckBox>(f.control).checked()) {
        c.s.*f.slot = std::string(f.letter);
        c.s.CopyPrefix = std::string(kCopyPrefix);
        return;
    }
    c.s.*f.slot = "";
    recomputePrefix(c.s);
}

template <std::size_t I>
void letter_Click(Context& c, int) {
    applyLetter(c, kLetterFlags[I]);
}

// Setting timestamps runs their own rule at once, before the prefix is settled here.
void chkData_Click(Context& c, int) {
    const bool on = c.w.chkData.checked();
    c.s.CopyFlagD = std::string(on ? "D" : "");
    c.s.CopyFlagT = std::string(on ? "T" : "");
    c.w.chkTimestamps.setValue(on ? 1 : 0);
    if (on) c.s.CopyPrefix = std::string(kCopyPrefix);
    else recomputePrefix(c.s);
}

template <std::size_t... I>
constexpr auto makeBindings(std::index_sequence<I...>) {
    return std::to_array<Binding>({
        {"chkData", Event::Click, chkData_Click},
        {kLetterFlags[I].control, Event::Click, letter_Click<I>}...,
    });
}

constexpr auto kBindings = makeBindings(std::make_index_sequence<std::size(kLetterFlags)>{});

}  // namespace

std::span<const Binding> copyFlagBindings() { return kBindings; }

}  // namespace options
