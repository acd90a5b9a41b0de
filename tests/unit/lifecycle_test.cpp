#include <gtest/gtest.h>

#include "app/App.h"
#include "command/CommandLine.h"
#include "tests/fake/FakePlatform.h"

using platform::Answer;

namespace {

struct Started {
    fake::FakePlatform p;
    app::App app{p};
    explicit Started(std::optional<std::uint64_t> engine = 79872) {
        if (engine) p.files[p.folder + "\\robocopy.exe"] = *engine;
    }
    bool start() {
        if (!app.Form_Load()) return false;
        app.Form_Activate();
        return true;
    }
};

}  // namespace

TEST(Startup, EngineCheckEndsTheProgramUnlessTheEngineIsExact) {
    struct Case {
        std::optional<std::uint64_t> length;
        Answer answer;
        bool loads;
        bool opensPage;
    } cases[] = {
        {std::nullopt, Answer::Ok, false, true}, {std::nullopt, Answer::Cancel, false, false},
        {79871, Answer::Ok, false, true},        {79871, Answer::Cancel, false, false},
        {79873, Answer::Cancel, false, false},   {79872, Answer::Ok, true, false},
    };
    for (const auto& c : cases) {
        Started s(c.length);
        s.p.answers = {c.answer};
        EXPECT_EQ(s.app.Form_Load(), c.loads);
        EXPECT_EQ(s.p.opened.size(), c.opensPage ? 1u : 0u);
        if (c.loads) {
            EXPECT_TRUE(s.p.messages.empty());
            continue;
        }
        ASSERT_EQ(s.p.messages.size(), 1u);
        EXPECT_EQ(s.p.messages[0].title, "Robocopy Not Found");
        EXPECT_EQ(s.p.messages[0].text,
                  "Click OK to download Windows Server 2003 Resource Kit from www.microsoft.com\r\n"
                  "Once it is downloaded, Install it and copy Robocopy the the Zentrova program directory\r\n"
                  "Then, Restart the Zentrova Program");
        EXPECT_EQ(s.p.messages[0].buttons, platform::Buttons::OkCancel);
        EXPECT_EQ(s.p.messages[0].icon, platform::Icon::Exclamation);
    }
}

TEST(Startup, EveryControlStartsInItsState) {
    Started s;
    ASSERT_TRUE(s.start());
    auto& w = s.app.window;
    struct Check {
        const char* name;
        int value;  // check box value or selected option, -1 for none
    } checks[] = {
        {"chkMatchDest", 1},
        {"chkData", 1},
        {"chkAttrib", 1},
        {"chkTimestamps", 1},
        {"chkAcls", 0},
        {"chkOwnership", 0},
        {"chkAudit", 0},
        {"chkMir", 0},
        {"chkRunHours", 0},
        {"chkLev", 0},
        {"optSub", 1},
        {"optCopyMode", 2},
        {"optFileAddA", 2},
        {"optFileExcl", 3},
        {"optExclXtraLoneLy", 2},
        {"optLogFile", -1},
        {"optArchiveSetIncOnly", -1},
        {"optAttribAddSubR", 2},
        {"optAttribAddSubT", 2},
        {"optAttribIncExcR", 2},
        {"optAttribIncExcO", 2},
    };
    for (const auto& c : checks) {
        ui::Control* control = w.find(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        if (auto* box = dynamic_cast<ui::CheckBox*>(control)) {
            EXPECT_EQ(box->value(), c.value) << c.name;
        }
        if (auto* group = dynamic_cast<ui::OptionGroup*>(control)) {
            EXPECT_EQ(group->selected(), c.value) << c.name;
        }
    }
    for (const char* name : {"txtMon", "txtMot", "txtIpg"}) {
        EXPECT_FALSE(w.get<ui::TextBox>(name).enabled()) << name;
        EXPECT_EQ(w.get<ui::TextBox>(name).backColour(), ui::kGrey) << name;
    }
    EXPECT_FALSE(w.txtDirLev.enabled());
    EXPECT_TRUE(w.txtMinFileSize.enabled());
    EXPECT_EQ(w.mskEdRunHours.text(), "  :   -   :  ");
    EXPECT_FALSE(w.mskEdRunHours.enabled());
    EXPECT_EQ(w.mskEdRunHours.backColour(), ui::kGrey);
    for (auto* cal : {&w.calMaxAge, &w.calMinAge, &w.calMaxLad, &w.calMinLad}) EXPECT_EQ(cal->date(), s.p.date);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(w.cmdCopyOptionNext(i).enabled());
        EXPECT_FALSE(w.cmdCopyOptionNext(i).visible());
    }
    EXPECT_EQ(w.frontPage(), ui::PageId::General);
    EXPECT_EQ(w.sldRetry.position(), 0);
    EXPECT_EQ(w.lblRetryVal.caption(), "0");
    EXPECT_EQ(command::switchText(s.app.slots), " /E /ZB /COPY:DAT /R:0 /W:0");
    EXPECT_EQ(s.app.slots.SourcePathArg, "");
    EXPECT_EQ(s.app.slots.BrowseResult, "");
}

TEST(Navigation, TabsAndPageStepsShowTheirPages) {
    using ui::PageId;
    Started s;
    ASSERT_TRUE(s.start());
    auto& w = s.app.window;
    auto tab = [&](int i) { w.tabStripOptions.choose(i); };
    auto next = [&] { w.cmdCopyOptionNext(1).press(); };
    auto prev = [&] { w.cmdCopyOptionNext(0).press(); };
    struct Step {
        std::function<void()> act;
        PageId front;
        bool prevEnabled, nextEnabled, visible;
    } steps[] = {
        {[&] { tab(1); }, PageId::CopyOptions1, false, true, true},
        {next, PageId::CopyOptions2, true, true, true},
        {next, PageId::CopyOptions3, true, false, true},
        {[&] { tab(3); }, PageId::Retry, false, false, false},
        {[&] { tab(1); }, PageId::CopyOptions1, false, true, true},
        {[&] { tab(2); }, PageId::FileSelection1, false, true, true},
        {next, PageId::FileSelection2, true, true, true},
        {next, PageId::DateLimits, true, true, true},
        {next, PageId::FileSelection4, true, false, true},
        {prev, PageId::DateLimits, true, true, true},
        {[&] { tab(0); }, PageId::General, false, false, false},
        {[&] { tab(4); }, PageId::Logging, false, false, false},
        {[&] { tab(5); }, PageId::Job, false, false, false},
    };
    int n = 0;
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(w.frontPage(), step.front) << "step " << n;
        EXPECT_EQ(w.cmdCopyOptionNext(0).enabled(), step.prevEnabled) << "step " << n;
        EXPECT_EQ(w.cmdCopyOptionNext(1).enabled(), step.nextEnabled) << "step " << n;
        EXPECT_EQ(w.cmdCopyOptionNext(0).visible(), step.visible) << "step " << n;
        EXPECT_EQ(w.cmdCopyOptionNext(1).visible(), step.visible) << "step " << n;
        ++n;
    }
    // Choosing a paged tab shows its own page first, then the first sub-page over it.
    EXPECT_TRUE(w.everShown(PageId::CopyOptions));
    EXPECT_TRUE(w.everShown(PageId::FileSelection));
    EXPECT_EQ(w.CurrentTab, 5);
    EXPECT_EQ(w.CopyOptionsPage, 0);
    EXPECT_EQ(w.FileSelectionPage, 0);
}

TEST(Activation, PutsTheGroupsBackAndBringsTheGeneralPageToTheFront) {
    Started s;
    ASSERT_TRUE(s.start());
    auto& w = s.app.window;
    w.tabStripOptions.choose(2);
    w.optSub.select(0);
    w.optFileAddA.select(0);
    w.optFileExcl.select(1);
    w.optExclXtraLoneLy.select(0);
    w.optAttribAddSubH.select(0);
    w.optAttribIncExcC.select(1);
    w.optCopyMode.select(0);
    s.app.Form_Activate();
    EXPECT_EQ(w.optSub.selected(), 1);
    EXPECT_EQ(w.optFileAddA.selected(), 2);
    EXPECT_EQ(w.optAttribAddSubH.selected(), 2);
    EXPECT_EQ(w.optAttribIncExcC.selected(), 2);
    EXPECT_EQ(w.optCopyMode.selected(), 0);  // not an activation group
    EXPECT_EQ(w.frontPage(), ui::PageId::General);
    EXPECT_EQ(w.tabStripOptions.selected(), 2);  // the strip keeps its tab
    EXPECT_FALSE(w.txtDirLev.enabled());
}

TEST(Quit, AsksAndEndsOnlyOnYes) {
    for (auto [answer, ends] : {std::pair{Answer::No, false}, std::pair{Answer::Yes, true}}) {
        Started s;
        ASSERT_TRUE(s.start());
        s.app.window.chkAudit.setValue(1);
        std::string before = command::switchText(s.app.slots);
        s.p.answers = {answer};
        s.app.window.cmdQuit.press();
        ASSERT_EQ(s.p.messages.size(), 1u);
        EXPECT_EQ(s.p.messages[0].title, "Close Zentrova");
        EXPECT_EQ(s.p.messages[0].text, "Quit the Program?");
        EXPECT_EQ(s.p.messages[0].buttons, platform::Buttons::YesNo);
        EXPECT_EQ(s.p.messages[0].icon, platform::Icon::Question);
        EXPECT_EQ(s.p.ended, ends);
        EXPECT_EQ(command::switchText(s.app.slots), before);
    }
}

TEST(Unload, EmptiesEverySlotAndThePageState) {
    Started s;
    ASSERT_TRUE(s.start());
    s.app.window.tabStripOptions.choose(1);
    s.app.window.cmdCopyOptionNext(1).press();
    s.app.Form_Unload();
    EXPECT_EQ(command::switchText(s.app.slots), "");
    EXPECT_EQ(s.app.window.CurrentTab, 0);
    EXPECT_EQ(s.app.window.CopyOptionsPage, 0);
    EXPECT_TRUE(s.p.messages.empty());
}

TEST(CopyButton, PutsTheFocusOnTheEmptyBox) {
    Started s;
    ASSERT_TRUE(s.start());
    auto& w = s.app.window;
    w.cmdRun.press();
    EXPECT_EQ(w.focused(), &w.txtSrcPath);
    w.txtSrcPath.setText("C:\\Data\\");
    w.cmdRun.press();
    EXPECT_EQ(w.focused(), &w.txtDestPath);
    w.txtDestPath.setText("D:\\Backup\\");
    w.cmdRun.press();
    ASSERT_EQ(s.p.processes.size(), 1u);
    EXPECT_EQ(s.p.processes[0].commandLine,
              "C:\\Tools\\Zentrova\\robocopy.exe \"C:\\Data\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0");
}
