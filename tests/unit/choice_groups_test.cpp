// Option groups, the directory-level box, the attribute sets and what activation puts back,
// driven through the loaded window.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/OptionTable.h"
#include "tests/unit/AppFixture.h"

namespace {

using slots::SwitchSlots;

class ChoiceGroups : public ::testing::Test, protected AppFixture {};

}  // namespace

TEST(StartupSlots, HoldExactlyTheDefaultSwitchesAndNoPaths) {
    AppFixture f;
    EXPECT_EQ(f.switches(), " /E /ZB /COPY:DAT /R:0 /W:0");
    EXPECT_EQ(f.s.SourcePathArg, "");
    EXPECT_EQ(f.s.DestPathArg, "");
    EXPECT_EQ(f.s.BrowseResult, "");
    EXPECT_FALSE(f.w.txtDirLev.enabled());
    EXPECT_EQ(f.w.txtDirLev.text(), "");
}

TEST(ChoiceGroup, EachIndexWritesItsTextIntoTheGroupSlot) {
    for (const testsupport::ChoiceGroup& g : testsupport::kChoiceGroups) {
        for (int index = 0; index < static_cast<int>(g.choices.size()); ++index) {
            const char* text = g.choices[static_cast<std::size_t>(index)].text;
            SCOPED_TRACE(std::string(g.group) + "(" + std::to_string(index) + ")");
            AppFixture f;
            auto& group = f.w.get<ui::OptionGroup>(g.group);
            SwitchSlots expected = f.s;
            expected.*g.slot = text;
            // From another choice, so that every text is really written.
            group.select(index == 0 ? 1 : 0);
            group.select(index);
            EXPECT_EQ(f.s.*g.slot, text);
            EXPECT_EQ(f.switches(), command::switchText(expected));
        }
    }
}

TEST_F(ChoiceGroups, TheArchiveSwitchStandsTwice) {
    w.optFileAddA.select(0);
    EXPECT_EQ(switches(), " /E /A /ZB /COPY:DAT /A /R:0 /W:0");
    w.optFileAddA.select(1);
    EXPECT_EQ(switches(), " /E /M /ZB /COPY:DAT /M /R:0 /W:0");
}

TEST_F(ChoiceGroups, AnIndexOutsideTheTableChangesNothing) {
    w.optCopyMode.onClick(3);
    w.optFileExcl.onClick(-1);
    w.optFileAddA.onClick(7);
    w.optSub.onClick(2);
    EXPECT_EQ(switches(), kStartupSwitches);
}

TEST_F(ChoiceGroups, LevelBoxPaths) {
    auto& lev = w.chkLev;
    auto& box = w.txtDirLev;

    lev.click();
    EXPECT_TRUE(box.enabled());
    EXPECT_EQ(box.text(), "1");
    EXPECT_EQ(switches(), " /E /LEV:1 /ZB /COPY:DAT /R:0 /W:0");

    box.setText("3");
    EXPECT_EQ(s.LevelSwitch, " /LEV:3");
    box.setText("");  // cleared by hand: the switch with nothing after it
    EXPECT_EQ(s.LevelSwitch, " /LEV:");
    box.setText("x2");  // no check that it is a number
    EXPECT_EQ(s.LevelSwitch, " /LEV:x2");

    lev.click();
    EXPECT_FALSE(box.enabled());
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(s.LevelSwitch, "");
    EXPECT_EQ(switches(), kStartupSwitches);

    // While the box is unchecked its text does not reach the slot; checking starts again at 1.
    box.setText("7");
    EXPECT_EQ(s.LevelSwitch, "");
    lev.click();
    EXPECT_EQ(box.text(), "1");
    EXPECT_EQ(s.LevelSwitch, " /LEV:1");
}

TEST_F(ChoiceGroups, ChoosingSubdirectoriesGreysTheLevelBoxButKeepsTheLevel) {
    w.chkLev.click();
    w.txtDirLev.setText("4");
    w.optSub.select(0);
    EXPECT_FALSE(w.txtDirLev.enabled());
    EXPECT_TRUE(w.chkLev.checked());
    EXPECT_EQ(switches(), " /S /LEV:4 /ZB /COPY:DAT /R:0 /W:0");
    w.optSub.select(1);
    EXPECT_FALSE(w.txtDirLev.enabled());
    EXPECT_EQ(switches(), " /E /LEV:4 /ZB /COPY:DAT /R:0 /W:0");
}

TEST(AttributeSets, SelectionsGiveTheirSwitchesInLetterOrder) {
    struct Case {
        std::vector<std::pair<const char*, int>> selections;
        const char *add, *remove, *include, *exclude;
    } cases[] = {
        {{{"optAttribAddSubH", 0}, {"optAttribAddSubS", 0}, {"optAttribAddSubA", 1}}, " /A+:SH", " /A-:A", "", ""},
        {{{"optAttribAddSubA", 1}, {"optAttribAddSubS", 0}, {"optAttribAddSubH", 0}}, " /A+:SH", " /A-:A", "", ""},
        {{{"optAttribAddSubT", 0},
          {"optAttribAddSubN", 0},
          {"optAttribAddSubH", 0},
          {"optAttribAddSubS", 0},
          {"optAttribAddSubA", 0},
          {"optAttribAddSubR", 0}},
         " /A+:RASHNT",
         "",
         "",
         ""},
        {{{"optAttribAddSubR", 1}, {"optAttribAddSubT", 1}}, "", " /A-:RT", "", ""},
        {{{"optAttribAddSubH", 0}, {"optAttribAddSubH", 2}}, "", "", "", ""},
        {{{"optAttribAddSubH", 0}, {"optAttribAddSubH", 1}}, "", " /A-:H", "", ""},
        {{{"optAttribIncExcC", 0}}, "", "", " /IA:C", ""},
        {{{"optAttribIncExcH", 0}}, "", "", " /IA:H", ""},
        {{{"optAttribIncExcC", 0}, {"optAttribIncExcH", 0}}, "", "", " /IA:HC", ""},
        {{{"optAttribIncExcO", 1}, {"optAttribIncExcR", 1}}, "", "", "", " /XA:RO"},
        {{{"optAttribIncExcO", 1}, {"optAttribIncExcR", 1}, {"optAttribIncExcO", 2}, {"optAttribIncExcR", 2}},
         "",
         "",
         "",
         ""},
        {{{"optAttribIncExcO", 0},
          {"optAttribIncExcE", 0},
          {"optAttribIncExcC", 0},
          {"optAttribIncExcT", 0},
          {"optAttribIncExcN", 0},
          {"optAttribIncExcH", 0},
          {"optAttribIncExcS", 0},
          {"optAttribIncExcA", 0},
          {"optAttribIncExcR", 0}},
         "",
         "",
         " /IA:RASHNTCEO",
         ""},
        {{{"optAttribIncExcC", 1}, {"optAttribIncExcT", 0}, {"optAttribIncExcO", 1}, {"optAttribIncExcR", 0}},
         "",
         "",
         " /IA:RT",
         " /XA:CO"},
        {{{"optAttribAddSubS", 0}, {"optAttribIncExcS", 1}}, " /A+:S", "", "", " /XA:S"},
    };
    for (const auto& c : cases) {
        AppFixture f;
        std::string trace;
        for (auto [group, index] : c.selections) {
            f.w.get<ui::OptionGroup>(group).select(index);
            trace += std::string(group) + "(" + std::to_string(index) + ") ";
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(f.s.AttribAddSwitch, c.add);
        EXPECT_EQ(f.s.AttribRemoveSwitch, c.remove);
        EXPECT_EQ(f.s.AttribIncludeSwitch, c.include);
        EXPECT_EQ(f.s.AttribExcludeSwitch, c.exclude);
    }
}

TEST_F(ChoiceGroups, AttributeSwitchesStandBetweenTheMirrorAndTheCreateSwitches) {
    w.optAttribAddSubH.select(0);
    w.optAttribAddSubA.select(1);
    w.optAttribIncExcO.select(1);
    w.optAttribIncExcC.select(0);
    w.chkCreate.click();
    EXPECT_EQ(switches(), " /E /ZB /COPY:DAT /A+:H /A-:A /IA:C /XA:O /CREATE /R:0 /W:0");
}

TEST_F(ChoiceGroups, ActivationPutsTheGroupsBackButKeepsCopyModeAndLevel) {
    w.optSub.select(0);
    w.optFileAddA.select(0);
    w.optFileExcl.select(1);
    w.optExclXtraLoneLy.select(0);
    w.optCopyMode.select(0);
    w.optAttribAddSubH.select(0);
    w.optAttribIncExcR.select(1);
    w.chkLev.click();
    w.txtDirLev.setText("2");
    ASSERT_EQ(switches(), " /S /LEV:2 /A /Z /COPY:DAT /A+:H /XA:R /A /XO /XX /R:0 /W:0");

    app.Form_Activate();
    EXPECT_EQ(switches(), " /E /LEV:2 /Z /COPY:DAT /R:0 /W:0");
    EXPECT_EQ(w.optSub.selected(), 1);
    EXPECT_EQ(w.optFileAddA.selected(), 2);
    EXPECT_EQ(w.optFileExcl.selected(), 3);
    EXPECT_EQ(w.optExclXtraLoneLy.selected(), 2);
    EXPECT_EQ(w.optAttribAddSubH.selected(), 2);
    EXPECT_EQ(w.optAttribIncExcR.selected(), 2);
    EXPECT_TRUE(w.chkLev.checked());
    EXPECT_EQ(w.txtDirLev.text(), "2");
    EXPECT_FALSE(w.txtDirLev.enabled());
}
