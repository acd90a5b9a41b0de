// The four date limits and their shared sub-page, in the loaded window on a fixed today
// (7 December 2026 in the fake platform).
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/App.h"
#include "command/CommandLine.h"
#include "command/Engine.h"
#include "options/DateLimits.h"
#include "tests/fake/FakePlatform.h"
#include "tests/unit/AppFixture.h"

namespace {

using slots::SwitchSlots;

class DateLimits : public ::testing::Test, protected AppFixture {
protected:
};

struct Limit {
    const char* calendar;
    const char* box;
    std::string SwitchSlots::*slot;
    std::string caption;
};
const Limit kLimits[] = {
    {"calMaxAge", "chkMaxAgeEnable", &SwitchSlots::MaxAgeSwitch,
     "MAXimum file AGE - exclude files older than n days/date."},
    {"calMinAge", "chkMinAgeEnable", &SwitchSlots::MinAgeSwitch,
     "MINimum file AGE - exclude files newer than n days/date."},
    {"calMaxLad", "chkMaxLadEnable", &SwitchSlots::MaxLadSwitch,
     "MAXimum Last Access Date - exclude files unused since YYYYMMDD."},
    {"calMinLad", "chkMinLadEnable", &SwitchSlots::MinLadSwitch,
     "MINimum Last Access Date - exclude files used since YYYYMMDD."},
};

// The sub-page shows exactly the limit of `page`.
void expectPage(const ui::MainWindow& w, int page) {
    EXPECT_EQ(w.DateLimitPage, page);
    EXPECT_EQ(w.page(ui::PageId::DateLimits).caption(), kLimits[page].caption);
    EXPECT_EQ(w.cmdCalSelect(0).enabled(), page > 0);
    EXPECT_EQ(w.cmdCalSelect(1).enabled(), page < 3);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(kLimits[i].box);
        EXPECT_EQ(w.get<ui::CheckBox>(kLimits[i].box).visible(), i == page);
        EXPECT_EQ(w.get<ui::CheckBox>(kLimits[i].box).enabled(), i == page);
        EXPECT_EQ(w.get<ui::Calendar>(kLimits[i].calendar).visible(), i == page);
    }
}

TEST_F(DateLimits, AfterLoadTheFirstLimitIsShownWithEveryCalendarOnToday) {
    expectPage(w, 0);
    for (const Limit& l : kLimits) {
        EXPECT_EQ(w.get<ui::Calendar>(l.calendar).date(), (platform::Date{2026, 12, 7}));
        EXPECT_FALSE(w.get<ui::CheckBox>(l.box).checked());
        EXPECT_EQ(s.*l.slot, "");
    }
}

TEST_F(DateLimits, ShowingAPageFollowsDateLimitPage) {
    options::Context c{w, s, p};
    for (int page : {3, 1, 0, 2}) {
        SCOPED_TRACE(page);
        w.DateLimitPage = static_cast<std::int16_t>(page);
        options::showDateLimitPage(c);
        expectPage(w, page);
    }
}

TEST_F(DateLimits, StepButtonsWalkThePagesAndStopAtTheEnds) {
    // Each press and the page it leads to; a press on a disabled end button goes nowhere.
    const std::vector<std::pair<int, int>> presses = {{1, 1}, {1, 2}, {1, 3}, {1, 3}, {0, 2}, {0, 1}, {0, 0}, {0, 0}};
    for (auto [button, page] : presses) {
        SCOPED_TRACE(std::string(button ? ">>>" : "<<<") + " to page " + std::to_string(page));
        w.cmdCalSelect(button).press();
        expectPage(w, page);
    }
}

TEST_F(DateLimits, CheckingABoxTakesItsCalendarsDateAtThatMoment) {
    w.chkMaxAgeEnable.click();
    EXPECT_EQ(s.MaxAgeSwitch, " /MAXAGE:20261207");
    w.calMaxAge.setDate({2027, 3, 1});
    EXPECT_EQ(s.MaxAgeSwitch, " /MAXAGE:20261207");
    w.chkMaxAgeEnable.click();
    EXPECT_EQ(s.MaxAgeSwitch, "");
    w.chkMaxAgeEnable.click();
    EXPECT_EQ(s.MaxAgeSwitch, " /MAXAGE:20270301");
}

// Every limit checked on its own page; hidden boxes keep their value and their slot.
TEST_F(DateLimits, AllFourLimitsCanBeOnAtOnceEachWithItsOwnDate) {
    const platform::Date dates[] = {{2026, 12, 7}, {2027, 1, 5}, {1999, 10, 31}, {2030, 2, 28}};
    const std::string expected[] = {" /MAXAGE:20261207", " /MINAGE:20270105", " /MAXLAD:19991031", " /MINLAD:20300228"};
    for (int i = 0; i < 4; ++i) {
        w.get<ui::Calendar>(kLimits[i].calendar).setDate(dates[i]);
        w.get<ui::CheckBox>(kLimits[i].box).click();
        if (i < 3) w.cmdCalSelect(1).press();
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(s.*kLimits[i].slot, expected[i]);
        EXPECT_TRUE(w.get<ui::CheckBox>(kLimits[i].box).checked());
    }
    // Unchecking one empties only its own slot.
    w.cmdCalSelect(0).press();
    w.cmdCalSelect(0).press();
    w.chkMinAgeEnable.click();
    EXPECT_EQ(s.MinAgeSwitch, "");
    EXPECT_EQ(s.MaxAgeSwitch, expected[0]);
    EXPECT_EQ(s.MaxLadSwitch, expected[2]);
    EXPECT_EQ(s.MinLadSwitch, expected[3]);
}

}  // namespace
