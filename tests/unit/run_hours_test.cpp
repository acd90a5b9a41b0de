// The run-hours window, typed key by key into the masked field of the loaded window: each key
// edits the field as the masked field does and is then released, which runs the check.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/App.h"
#include "command/CommandLine.h"
#include "command/Engine.h"
#include "tests/fake/FakePlatform.h"
#include "tests/unit/AppFixture.h"

namespace {

using platform::Buttons;
using platform::Icon;

const std::string kBlank = "  :   -   :  ";

struct Loaded : AppFixture {
    ui::MaskedEdit& field = w.mskEdRunHours;

    // Keys as typed: a digit, '<' Backspace, '>' Delete, '\r' Enter (which edits nothing).
    // Each key is released after it has done its edit.
    void keys(const std::string& typed) {
        for (char k : typed) {
            switch (k) {
                case '<':
                    field.backspace();
                    field.keyUp(0x08);
                    break;
                case '>':
                    field.deleteForward();
                    field.keyUp(0x2E);
                    break;
                case '\r': field.keyUp(13); break;
                default:
                    field.typeChar(k);
                    field.keyUp(k);
                    break;  // a digit's key code is its character
            }
        }
    }
};

class RunHours : public ::testing::Test, protected Loaded {};

struct Shown {
    std::string title, text;
    Icon icon;
};
const Shown kRow1{"Invalid Start Time", "Enter a Start Time Between 00:00 and 23:59", Icon::Exclamation};
const Shown kRow2{"Invalid Start Time", "Enter an End Time Between 00:00 and 23:59", Icon::Exclamation};
const Shown kRow3{"Error", "Start Time \"HOURS\" is After End Time", Icon::Exclamation};
const Shown kRow4{"Zentrova KV", "Start Time \"MINUTES\" is After End Time", Icon::None};

void expectShown(const fake::FakePlatform& p, const std::vector<Shown>& expected) {
    ASSERT_EQ(p.messages.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(p.messages[i].title, expected[i].title);
        EXPECT_EQ(p.messages[i].text, expected[i].text);
        EXPECT_EQ(p.messages[i].icon, expected[i].icon);
        EXPECT_EQ(p.messages[i].buttons, Buttons::Ok);
    }
}

TEST_F(RunHours, CheckingOffersABlankWhiteFieldFullySelected) {
    EXPECT_EQ(field.text(), kBlank);
    EXPECT_EQ(field.backColour(), ui::kGrey);
    w.chkRunHours.click();
    EXPECT_TRUE(field.enabled());
    EXPECT_EQ(field.backColour(), ui::kWhite);
    EXPECT_EQ(field.text(), kBlank);
    EXPECT_EQ(w.focused(), &field);
    EXPECT_EQ(field.selStart(), 0);
    EXPECT_EQ(field.selLength(), 13);
    EXPECT_EQ(s.RunHoursSwitch, "");
}

TEST_F(RunHours, TheWindowIsTakenAtItsLastDigitOnly) {
    w.chkRunHours.click();
    const std::string typed = "08001730";
    for (size_t i = 0; i + 1 < typed.size(); ++i) {
        keys(typed.substr(i, 1));
        EXPECT_EQ(s.RunHoursSwitch, "") << "after key " << i + 1;
    }
    keys(typed.substr(typed.size() - 1));
    EXPECT_EQ(field.text(), "08:00 - 17:30");
    EXPECT_EQ(s.RunHoursSwitch, " /RH:0800-1730");
    expectShown(p, {});
}

// Each case starts with the box just checked and types its keys.
TEST_F(RunHours, KeystrokeSequences) {
    struct Case {
        std::string keys;
        std::string text;  // the field afterwards
        std::string slot;  // RunHoursSwitch afterwards
        std::vector<Shown> shown;
        int selStart, selLength;
    };
    const Case cases[] = {
        // Start hours above 23, caught at the second key and replaced by 00.
        {"25", "00:   -   :  ", "", {kRow1}, 0, 2},
        {"24", "00:   -   :  ", "", {kRow1}, 0, 2},
        {"3", "3 :   -   :  ", "", {}, 1, 0},  // one digit stands for itself
        {"23", "23:   -   :  ", "", {}, 3, 0},
        // Start minutes above 59.
        {"0860", "08:00 -   :  ", "", {kRow1}, 3, 2},
        {"087", "08:7  -   :  ", "", {}, 4, 0},  // 7 alone is 7 minutes, not 70
        // End hours and minutes: row 2, still titled for the start time.
        {"080030", "08:00 - 00:  ", "", {kRow2}, 8, 2},
        {"08001760", "08:00 - 17:00", "", {kRow2}, 11, 2},
        // The order check on a complete window.
        {"10000930", "10:00 - 09:30", "", {kRow3}, 8, 2},
        {"22000600", "22:00 - 06:00", "", {kRow3}, 8, 2},
        {"10301030", "10:30 - 10:30", "", {kRow4}, 11, 2},
        {"10301015", "10:30 - 10:15", "", {kRow4}, 11, 2},
        {"10301031", "10:30 - 10:31", " /RH:1030-1031", {}, 13, 0},
        {"00002359", "00:00 - 23:59", " /RH:0000-2359", {}, 13, 0},
        // After a repair the user types over the selected 00.
        {"2512", "12:   -   :  ", "", {kRow1}, 3, 0},
        // Enter is never checked, whatever the field holds.
        {"\r", kBlank, "", {}, 0, 13},
    };
    for (const Case& c : cases) {
        std::string name = c.keys == "\r" ? "Enter" : c.keys;
        SCOPED_TRACE(name);
        Loaded a;
        a.w.chkRunHours.click();
        a.keys(c.keys);
        EXPECT_EQ(a.field.text(), c.text);
        EXPECT_EQ(a.s.RunHoursSwitch, c.slot);
        expectShown(a.p, c.shown);
        EXPECT_EQ(a.field.selStart(), c.selStart);
        EXPECT_EQ(a.field.selLength(), c.selLength);
    }
}

TEST_F(RunHours, ReleasingEnterChecksNothing) {
    w.chkRunHours.click();
    field.setText("25:00 - 17:30");  // as it stands when Enter is released
    keys("\r");
    EXPECT_EQ(field.text(), "25:00 - 17:30");
    expectShown(p, {});
    field.setText("08:00 - 17:30");
    keys("\r");
    EXPECT_EQ(s.RunHoursSwitch, "");
}

// An incomplete or refused window never replaces the last good one.
TEST_F(RunHours, TheLastValidWindowStaysUntilANewOneIsComplete) {
    w.chkRunHours.click();
    keys("08001700");
    ASSERT_EQ(s.RunHoursSwitch, " /RH:0800-1700");

    keys("<");  // Backspace blanks the last digit
    EXPECT_EQ(field.text(), "08:00 - 17:0 ");
    EXPECT_EQ(s.RunHoursSwitch, " /RH:0800-1700");

    keys("<<<");  // back over the ':' into the end hours
    EXPECT_EQ(field.text(), "08:00 -   :  ");
    EXPECT_EQ(field.selStart(), 8);
    keys("0700");  // an end before the start
    EXPECT_EQ(field.text(), "08:00 - 07:00");
    expectShown(p, {kRow3});
    EXPECT_EQ(s.RunHoursSwitch, " /RH:0800-1700");

    keys("1");  // the end hours are selected: typing replaces them
    EXPECT_EQ(field.text(), "08:00 - 1 :00");
    EXPECT_EQ(s.RunHoursSwitch, " /RH:0800-1700");
    keys("9");
    EXPECT_EQ(field.text(), "08:00 - 19:00");
    EXPECT_EQ(s.RunHoursSwitch, " /RH:0800-1900");

    field.setSelection(3, 0);
    keys(">");  // Delete blanks the first start-minute digit
    EXPECT_EQ(field.text(), "08: 0 - 19:00");
    EXPECT_EQ(s.RunHoursSwitch, " /RH:0800-1900");
    keys("9");  // 90 minutes: repaired to 00, the good window stays
    EXPECT_EQ(field.text(), "08:00 - 19:00");
    expectShown(p, {kRow3, kRow1});
    EXPECT_EQ(s.RunHoursSwitch, " /RH:0800-1900");
}

TEST_F(RunHours, UncheckingEmptiesTheSlotAndGreysTheBlankField) {
    w.chkRunHours.click();
    keys("08001730");
    ASSERT_EQ(s.RunHoursSwitch, " /RH:0800-1730");
    w.chkRunHours.click();
    EXPECT_EQ(s.RunHoursSwitch, "");
    EXPECT_EQ(field.text(), kBlank);
    EXPECT_FALSE(field.enabled());
    EXPECT_EQ(field.backColour(), ui::kGrey);
}

}  // namespace
