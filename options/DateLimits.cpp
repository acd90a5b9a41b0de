// The four date limits: each check box puts its calendar's date, as it stands at the click, into
// its slot; the "<<<" and ">>>" buttons step through the limits on one shared sub-page.
#include "options/DateLimits.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

#include "options/Binding.h"

namespace options {

namespace {

using slots::SwitchSlots;

struct DateLimit {
    std::string_view calendar, box;
    slots::Slot slot;
    std::string_view switchText;
    std::string_view caption;
};

// In page order.
constexpr DateLimit kLimits[] = {
    {"calMaxAge", "chkMaxAgeEnable", &SwitchSlots::MaxAgeSwitch, " /MAXAGE:",
     "MAXimum file AGE - exclude files older than n days/date."},
    {"calMinAge", "chkMinAgeEnable", &SwitchSlots::MinAgeSwitch, " /MINAGE:",
     "MINimum file AGE - exclude files newer than n days/date."},
    {"calMaxLad", "chkMaxLadEnable", &SwitchSlots::MaxLadSwitch, " /MAXLAD:",
     "MAXimum Last Access Date - exclude files unused since YYYYMMDD."},
    {"calMinLad", "chkMinLadEnable", &SwitchSlots::MinLadSwitch, " /MINLAD:",
     "MINimum Last Access Date - exclude files used since YYYYMMDD."},
};
constexpr int kLastPage = static_cast<int>(std::size(kLimits)) - 1;

std::string yyyymmdd(const platform::Date& d) {
    char out[16];
    std::snprintf(out, sizeof out, "%04d%02d%02d", d.year, d.month, d.day);
    return out;
}

// Hiding a limit's box keeps its value and slot, so any mix of limits can be on at once.
void limitClick(Context& c, const DateLimit& limit) {
    bool on = c.w.get<ui::CheckBox>(limit.box).checked();
    c.s.*limit.slot = on ? std::string(limit.switchText) + yyyymmdd(c.w.get<ui::Calendar>(limit.calendar).date())
                         : std::string();
}

void chkMaxAgeEnable_Click(Context& c, int) { limitClick(c, kLimits[0]); }
void chkMinAgeEnable_Click(Context& c, int) { limitClick(c, kLimits[1]); }
void chkMaxLadEnable_Click(Context& c, int) { limitClick(c, kLimits[2]); }
void chkMinLadEnable_Click(Context& c, int) { limitClick(c, kLimits[3]); }

void cmdCalSelect_Click(Context& c, int index) {
    int page = c.w.DateLimitPage + (index == 0 ? -1 : 1);
    if (page < 0 || page > kLastPage) return;  // the button that would leave the range is disabled
    c.w.DateLimitPage = static_cast<std::int16_t>(page);
    showDateLimitPage(c);
}

constexpr Binding kBindings[] = {
    {"chkMaxAgeEnable", Event::Click, chkMaxAgeEnable_Click},
    {"chkMinAgeEnable", Event::Click, chkMinAgeEnable_Click},
    {"chkMaxLadEnable", Event::Click, chkMaxLadEnable_Click},
    {"chkMinLadEnable", Event::Click, chkMinLadEnable_Click},
    {"cmdCalSelect(0)", Event::Click, cmdCalSelect_Click},
    {"cmdCalSelect(1)", Event::Click, cmdCalSelect_Click},
};

}  // namespace

void showDateLimitPage(Context& c) {
    const int page = c.w.DateLimitPage;
    c.w.cmdCalSelect(0).setEnabled(page > 0);
    c.w.cmdCalSelect(1).setEnabled(page < kLastPage);
    for (int i = 0; i <= kLastPage; ++i) c.w.get<ui::CheckBox>(kLimits[i].box).setVisible(i == page);
    for (int i = 0; i <= kLastPage; ++i) c.w.get<ui::CheckBox>(kLimits[i].box).setEnabled(i == page);
    for (int i = 0; i <= kLastPage; ++i) c.w.get<ui::Calendar>(kLimits[i].calendar).setVisible(i == page);
    if (page >= 0 && page <= kLastPage)
        c.w.page(ui::PageId::DateLimits).setCaption(std::string(kLimits[page].caption));
}

std::span<const Binding> dateLimitBindings() { return kBindings; }

}  // namespace options
