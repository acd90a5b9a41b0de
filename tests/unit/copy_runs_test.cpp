// The administrator's copy: the engine gets administrator rights when its command needs them and
// the program has none, and every run that ends is told, a failure not to be missed.
#include <gtest/gtest.h>

#include <string>

#include "command/RunEnd.h"
#include "tests/unit/AppFixture.h"

namespace {

using platform::Answer;
using platform::Elevation;
using platform::Icon;

// The window with both folders filled in.
struct Folders : AppFixture {
    Folders() {
        w.txtSrcPath.setText("C:\\Data\\");
        w.txtDestPath.setText("D:\\Backup\\");
    }
    // Copy, then OK at "Continue?".
    void copy() { w.cmdRun.press(); }
};

class CopyRuns : public ::testing::Test, protected Folders {};

TEST_F(CopyRuns, TheEngineIsStartedAsAdministratorOnlyWhenItsCommandNeedsRightsTheProgramLacks) {
    struct Case {
        int copyMode;  // 0 /Z, 1 /B, 2 /ZB
        bool auditing;  // copy flag U
        bool elevated;
        Elevation expected;
    } cases[] = {
        {0, false, false, Elevation::AsIs},
        {1, false, false, Elevation::AsAdministrator},
        {2, false, false, Elevation::AsAdministrator},
        {0, true, false, Elevation::AsAdministrator},
        {1, false, true, Elevation::AsIs},
        {2, false, true, Elevation::AsIs},
        {0, true, true, Elevation::AsIs},
    };
    for (const auto& c : cases) {
        Folders f;
        f.w.optCopyMode.select(c.copyMode);
        if (c.auditing) f.w.chkAudit.click();
        f.p.elevatedToken = c.elevated;
        const std::string shown = "robocopy.exe \"C:\\Data\" \"D:\\Backup\"" + f.switches();
        f.copy();
        const std::string what = shown + (c.elevated ? " elevated" : " not elevated");
        ASSERT_EQ(f.p.processes.size(), 1u) << what;
        EXPECT_EQ(f.p.processes[0].elevation, c.expected) << what;
        // The same command line either way.
        EXPECT_EQ(f.p.processes[0].commandLine, "C:\\Tools\\Zentrova\\" + shown) << what;
        EXPECT_EQ(f.p.processes[0].show, platform::ShowState::Maximized) << what;
    }
}

TEST_F(CopyRuns, ADeclinedConsentStartsNothingAndSaysSo) {
    p.elevatedToken = false;
    p.declineConsent = true;
    const std::string before = switches();
    copy();
    EXPECT_TRUE(p.processes.empty());
    ASSERT_EQ(p.messages.size(), 2u);  // "Continue?", then this
    EXPECT_EQ(p.messages[1].title, "Zentrova KV");
    EXPECT_NE(p.messages[1].text.find("nothing was started"), std::string::npos) << p.messages[1].text;
    EXPECT_EQ(switches(), before);
    EXPECT_EQ(w.statusLine.text(), "");
}

TEST(ExitCodeWords, EachBitIsSaidAndFailuresFromEightOn) {
    struct Case {
        std::uint32_t code;
        const char* status;
        bool failed;
    } cases[] = {
        {0, "Ended 14:32: nothing needed copying, no failures (exit code 0)", false},
        {1, "Ended 14:32: files copied, no failures (exit code 1)", false},
        {2, "Ended 14:32: extra files or folders found at the destination, no failures (exit code 2)", false},
        {3, "Ended 14:32: files copied, extra files or folders found at the destination, no failures (exit code 3)",
         false},
        {4, "Ended 14:32: mismatched files or folders found, no failures (exit code 4)", false},
        {8, "Ended 14:32: some files or folders could not be copied (exit code 8)", true},
        {9, "Ended 14:32: files copied, some files or folders could not be copied (exit code 9)", true},
        {16,
         "Ended 14:32: a serious error: nothing was copied (a bad parameter, no access to a folder, or missing "
         "rights) (exit code 16)",
         true},
        {0xC000013A,
         "Ended 14:32: robocopy.exe did not end by itself (it was closed or stopped) (exit code 0xC000013A)", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(command::runEndedStatus("14:32", c.code), c.status);
        EXPECT_EQ(command::runFailed(c.code), c.failed) << c.code;
    }
}

TEST_F(CopyRuns, OverlappingRunsAreCountedAndEachEndIsToldOnce) {
    copy();
    EXPECT_EQ(w.statusLine.text(), "1 copy running");
    w.txtDestPath.setText("E:\\Second\\");
    copy();
    ASSERT_EQ(p.processes.size(), 2u);
    EXPECT_EQ(w.statusLine.text(), "2 copies running");

    p.endRun(p.processes[1].run, 1);
    EXPECT_EQ(w.statusLine.text(), "Ended 14:32: files copied, no failures (exit code 1); 1 copy running");
    EXPECT_EQ(p.messages.size(), 2u);  // the two "Continue?" boxes, nothing more
    EXPECT_EQ(p.attentionDrawn, 0);

    p.time = "14:40";
    p.endRun(p.processes[0].run, 9);
    EXPECT_EQ(w.statusLine.text(),
              "Ended 14:40: files copied, some files or folders could not be copied (exit code 9)");
    ASSERT_EQ(p.messages.size(), 3u);
    EXPECT_EQ(p.messages[2].title, "Zentrova KV");
    EXPECT_EQ(p.messages[2].text,
              "The copy from \"C:\\Data\" to \"D:\\Backup\" ended at 14:40 with a failure:\r\n"
              "files copied, some files or folders could not be copied (exit code 9).");
    EXPECT_EQ(p.messages[2].icon, Icon::Exclamation);
    EXPECT_EQ(p.attentionDrawn, 1);

    // Told again (or a run never started here): nothing changes.
    p.endRun(p.processes[0].run, 16);
    p.endRun(99, 16);
    EXPECT_EQ(p.messages.size(), 3u);
    EXPECT_EQ(w.statusLine.text(),
              "Ended 14:40: files copied, some files or folders could not be copied (exit code 9)");
}

TEST_F(CopyRuns, ASeriousErrorIsCriticalAndRunsThatNeverStartedAreNotCounted) {
    p.answers = {Answer::Cancel};
    copy();
    p.startError = "Access is denied.";
    copy();
    EXPECT_EQ(w.statusLine.text(), "");
    p.startError.clear();
    copy();
    EXPECT_EQ(w.statusLine.text(), "1 copy running");
    p.endRun(p.processes.back().run, 16);
    EXPECT_EQ(p.messages.back().icon, Icon::Critical);
    EXPECT_EQ(p.attentionDrawn, 1);
}

}  // namespace
