// The four date limits: each check box puts its calendar's date, as it stands at the click, into
// its slot; the "<<<" and ">>>" buttons step through the limits on one shared sub-page.
#include "options/DateLimits.h"

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

namespace options {

namespace {

using slots::SwitchSlots;
using W = ui::MainWindow;

struct DateLimit {
    ui::Calendar W::*calendar;
    ui::CheckBox W::*box;
    slots::Slot slot;
    std::string_view switchText;
    std::string_view caption;
};

// In page order.
constexpr DateLimit kLimits[] = {
    {&W::calMaxAge, &W::chkMaxAgeEnable, &SwitchSlots::MaxAgeSwitch,
     " /MAXAGE:", "MAXimum file AGE - exclude files older than n days/date."},
    {&W::calMinAge, &W::chkMinAgeEnable, &SwitchSlots::MinAgeSwitch,
     " /MINAGE:", "MINimum file AGE - exclude files newer than n days/date."},
    {&W::calMaxLad, &W::chkMaxLadEnable, &SwitchSlots::MaxLadSwitch,
     " /MAXLAD:", "MAXimum Last Access Date - exclude files unused since YYYYMMDD."},
    {&W::calMinLad, &W::chkMinLadEnable, &SwitchSlots::MinLadSwitch,
     " /MINLAD:", "MINimum Last Access Date - exclude files used since YYYYMMDD."},
};
constexpr int kLastPage = static_cast<int>(std::size(kLimits)) - 1;

std::string yyyymmdd(const platform::Date& d) {
    char out[16];
    std::snprintf(out, sizeof out, "%04d%02d%02d", d.year, d.month, d.day);
    return out;
}

// Hiding a limit's box keeps its value and slot, so any mix of limits can be on at once.
void limitClick(Context& c, const DateLimit& limit) {
    bool on = (c.w.*limit.box).checked();
    c.s.*limit.slot = on ? std::string(limit.switchText) + yyyymmdd((c.w.*limit.calendar).date()) : std::string();
}

void cmdCalSelect_Click(Context& c, int index) {
    const auto to = ui::PageSteps::target(c.w.DateLimitPage, index, kLastPage);
    if (!to) return;
    c.w.DateLimitPage = *to;
    showDateLimitPage(c);
}

}  // namespace

void showDateLimitPage(Context& c) {
    const int page = c.w.DateLimitPage;
    c.w.dateLimitSteps.enableFor(page, kLastPage);
    for (int i = 0; i <= kLastPage; ++i) (c.w.*kLimits[i].box).setVisible(i == page);
    for (int i = 0; i <= kLastPage; ++i) (c.w.*kLimits[i].box).setEnabled(i == page);
    for (int i = 0; i <= kLastPage; ++i) (c.w.*kLimits[i].calendar).setVisible(i == page);
    if (page >= 0 && page <= kLastPage) c.w.page(ui::PageId::DateLimits).setCaption(std::string(kLimits[page].caption));
}

void wireDateLimits(Context& c) {
    for (const DateLimit& limit : kLimits) (c.w.*limit.box).onClick = [&c, &limit] { limitClick(c, limit); };
    for (int i : {0, 1}) c.w.cmdCalSelect(i).onClick = [&c, i] { cmdCalSelect_Click(c, i); };
}

}  // namespace options
