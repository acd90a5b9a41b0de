// The four date limits: each check box puts its calendar's date, as it stands at the click, into
// its slot; the "<<<" and ">>>" buttons step through the limits on one shared sub-page.
#include "options/DateLimits.h"

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

#include "options/OpenJob.h"

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
// The calendars' first year: the first of the system's dates.
constexpr int kFirstYear = 1601;

std::string yyyymmdd(const platform::Date& d) {
    char out[16];
    std::snprintf(out, sizeof out, "%04d%02d%02d", d.year, d.month, d.day);
    return out;
}

// The date YYYYMMDD stands for, when it is one that a calendar shows.
std::optional<platform::Date> parseYyyymmdd(std::string_view text) {
    if (text.size() != 8 || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    auto number = [&](std::size_t at, std::size_t n) {
        int v = 0;
        for (char ch : text.substr(at, n)) v = v * 10 + (ch - '0');
        return v;
    };
    const platform::Date d{number(0, 4), number(4, 2), number(6, 2)};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.year < kFirstYear || d.month < 1 || d.month > 12 || d.day < 1) return std::nullopt;
    if (d.day > kDays[d.month - 1] + (d.month == 2 && leap ? 1 : 0)) return std::nullopt;
    return d;
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

// The date picked in the limit's calendar, then its box checked.
Read readDateLimit(Context& c, const command::JobSwitch& js, std::vector<Expectation>& expected) {
    for (const DateLimit& limit : kLimits) {
        if (!isSwitch(js, limit.switchText)) continue;
        const std::optional<std::string> value = fixedValue(js);
        const std::optional<platform::Date> date = value ? parseYyyymmdd(*value) : std::nullopt;
        if (!date) return Read::Refused;
        (c.w.*limit.calendar).setDate(*date);
        (c.w.*limit.box).setValue(1);
        expected.push_back({limit.slot, std::string(limit.switchText) + *value});
        return Read::Set;
    }
    return Read::NotOurs;
}

void wireDateLimits(Context& c) {
    for (const DateLimit& limit : kLimits) (c.w.*limit.box).onClick = [&c, &limit] { limitClick(c, limit); };
    for (int i : {0, 1}) c.w.cmdCalSelect(i).onClick = [&c, i] { cmdCalSelect_Click(c, i); };
}

}  // namespace options
