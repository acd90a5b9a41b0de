// The log file's name, its two modes and "Browse", in the loaded window.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/App.h"
#include "command/CommandLine.h"
#include "command/Engine.h"
#include "tests/fake/FakePlatform.h"
#include "tests/unit/AppFixture.h"

namespace {

struct Loaded : AppFixture {
    // "Browse", answered with a chosen path or cancelled (nullopt).
    void browse(std::optional<std::string> answer) {
        p.saveAnswers.push_back(std::move(answer));
        w.cmdLogFile.press();
    }
};

class LogFile : public ::testing::Test, protected Loaded {};

constexpr int kAppend = 0, kOverwrite = 1;

TEST_F(LogFile, StartsWithNoNameNoModeAndNoSwitch) {
    EXPECT_EQ(w.txtLogFile.text(), "");
    EXPECT_EQ(w.optLogFile.selected(), -1);
    EXPECT_EQ(s.LogSwitch, "");
}

// A mode click puts the name as it stands into the slot, quoted and unchanged.
TEST_F(LogFile, ModeClicksTakeTheNameAsItStands) {
    struct Step {
        std::string name;  // the box's text before the click
        int mode;
        std::string slot;
    };
    const Step steps[] = {
        {"", kAppend, ""},
        {"C:\\logs\\run.log", kOverwrite, " /LOG:\"C:\\logs\\run.log\""},
        {"C:\\logs\\run.log", kAppend, " /LOG+:\"C:\\logs\\run.log\""},
        {"D:\\My Logs\\night run.txt", kAppend, " /LOG+:\"D:\\My Logs\\night run.txt\""},
        {" spaced ", kOverwrite, " /LOG:\" spaced \""},
        {"", kOverwrite, ""},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name + " / " + std::to_string(step.mode));
        w.txtLogFile.setText(step.name);
        w.optLogFile.select(step.mode);
        EXPECT_EQ(s.LogSwitch, step.slot);
    }
}

TEST_F(LogFile, TypingAloneChangesNothingUntilAModeIsClickedAgain) {
    w.txtLogFile.setText("C:\\a.log");
    EXPECT_EQ(s.LogSwitch, "");
    w.optLogFile.select(kOverwrite);
    w.txtLogFile.setText("C:\\b.log");
    EXPECT_EQ(s.LogSwitch, " /LOG:\"C:\\a.log\"");
    w.optLogFile.select(kOverwrite);
    EXPECT_EQ(s.LogSwitch, " /LOG:\"C:\\b.log\"");
}

TEST_F(LogFile, BrowseSetsUpTheDialogWithANameFromToday) {
    struct Case {
        std::string shortDate, initialName;
    };
    const Case cases[] = {
        {"12/7/2026", "12726.txt"},  // month/day/year
        {"7/12/2026", "71226.txt"},  // day/month/year
        {"07/12/26", "071226.txt"}, {"2026-12-07", ""},  // not written with "/": nothing proposed
        {"07.12.2026", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shortDate);
        Loaded a;
        a.p.shortDate = c.shortDate;
        a.browse(std::nullopt);
        ASSERT_EQ(a.p.saveDialogs.size(), 1u);
        const auto& setup = a.p.saveDialogs[0];
        EXPECT_EQ(setup.defaultExtension, "log");
        EXPECT_EQ(setup.filters,
                  (std::vector<std::pair<std::string, std::string>>{
                      {"Log Files (*.log)", "*.log"}, {"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}}));
        EXPECT_EQ(setup.initialName, c.initialName);
        // A log file may be chosen to be appended to: no question about replacing it.
        EXPECT_FALSE(setup.confirmReplace);
        EXPECT_TRUE(a.p.messages.empty());
    }
}

// Without a name from the date, the dialog opens on the name it held last.
TEST_F(LogFile, ADateWithoutSlashesKeepsTheNameOfThePreviousBrowse) {
    browse("E:\\logs\\first.log");
    p.shortDate = "2026-12-07";
    browse(std::nullopt);
    ASSERT_EQ(p.saveDialogs.size(), 2u);
    EXPECT_EQ(p.saveDialogs[1].initialName, "E:\\logs\\first.log");
}

TEST_F(LogFile, ABrowseSelectsAppendUnlessOverwriteWasChosen) {
    browse("E:\\logs\\first run.log");
    EXPECT_EQ(w.txtLogFile.text(), "E:\\logs\\first run.log");
    EXPECT_EQ(w.optLogFile.selected(), kAppend);
    EXPECT_EQ(s.LogSwitch, " /LOG+:\"E:\\logs\\first run.log\"");

    w.optLogFile.select(kOverwrite);
    browse("E:\\logs\\second.log");
    EXPECT_EQ(w.optLogFile.selected(), kOverwrite);
    EXPECT_EQ(s.LogSwitch, " /LOG:\"E:\\logs\\second.log\"");

    // Hand edits after a browse wait for the next mode click.
    w.txtLogFile.setText("E:\\logs\\third.log");
    EXPECT_EQ(s.LogSwitch, " /LOG:\"E:\\logs\\second.log\"");
    w.optLogFile.select(kAppend);
    EXPECT_EQ(s.LogSwitch, " /LOG+:\"E:\\logs\\third.log\"");
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(LogFile, ACancelledBrowseLeavesNoLogFile) {
    browse("E:\\logs\\first.log");
    ASSERT_EQ(s.LogSwitch, " /LOG+:\"E:\\logs\\first.log\"");
    browse(std::nullopt);
    EXPECT_EQ(w.txtLogFile.text(), "");
    EXPECT_EQ(s.LogSwitch, "");
    EXPECT_EQ(w.optLogFile.selected(), kAppend);  // the mode stays as it was
    EXPECT_TRUE(p.messages.empty());
}

}  // namespace
