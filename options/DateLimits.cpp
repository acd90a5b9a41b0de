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
    ControlOf<ui::Calendar> calendar;
    ControlOf<ui::CheckBox> box;
    slots::Slot slot;
    std::string_view switchText;
    std::string_view caption;
};

// In page order.
constexpr DateLimit kLimits[] = {
    {[](W& w) -> ui::Calendar& { return w.calMaxAge; }, [](W& w) -> ui::CheckBox& { return w.chkMaxAgeEnable; },
     &SwitchSlots::MaxAgeSwitch, " /MAXAGE:", "MAXimum file AGE - exclude files older than n days/date."},
    {[](W& w) -> ui::Calendar& { return w.calMinAge; }, [](W& w) -> ui::CheckBox& { return w.chkMinAgeEnable; },
     &SwitchSlots::MinAgeSwitch, " /MINAGE:", "MINimum file AGE - exclude files newer than n days/date."},
    {[](W& w) -> ui::Calendar& { return w.calMaxLad; }, [](W& w) -> ui::CheckBox& { return w.chkMaxLadEnable; },
     &SwitchSlots::MaxLadSwitch, " /MAXLAD:", "MAXimum Last Access Date - exclude files unused since YYYYMMDD."},
    {[](W& w) -> ui::Calendar& { return w.calMinLad; }, [](W& w) -> ui::CheckBox& { return w.chkMinLadEnable; },
     &SwitchSlots::MinLadSwitch, " /MINLAD:", "MINimum Last Access Date - exclude files used since YYYYMMDD."},
};
constexpr int kLastPage = static_cast<int>(std::size(kLimits)) - 1;

std::string yyyymmdd(const platform::Date& d) {
    char out[16];
    std::snprintf(out, sizeof out, "%04d%02d%02d", d.year, d.month, d.day);
    return out;
}

// Hiding a limit's box keeps its value and slot, so any mix of limits can be on at once.
void limitClick(Context& c, const DateLimit& limit) {
    bool on = limit.box(c.w).checked();
    c.s.*limit.slot = on ? std::string(limit.switchText) + yyyymmdd(limit.calendar(c.w).date()) : std::string();
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
    for (int i = 0; i <= kLastPage; ++i) kLimits[i].box(c.w).setVisible(i == page);
    for (int i = 0; i <= kLastPage; ++i) kLimits[i].box(c.w).setEnabled(i == page);
    for (int i = 0; i <= kLastPage; ++i) kLimits[i].calendar(c.w).setVisible(i == page);
    if (page >= 0 && page <= kLastPage) c.w.page(ui::PageId::DateLimits).setCaption(std::string(kLimits[page].caption));
}

void wireDateLimits(Context& c) {
    for (const DateLimit& limit : kLimits) limit.box(c.w).onClick = [&c, &limit] { limitClick(c, limit); };
    for (int i : {0, 1}) c.w.cmdCalSelect(i).onClick = [&c, i] { cmdCalSelect_Click(c, i); };
}

}  // namespace options
