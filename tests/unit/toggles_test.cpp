// Check boxes with one switch each, the destructive options and the mirror warning, clicked
// in the loaded window as a person clicks them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/OptionTable.h"
#include "tests/unit/AppFixture.h"

namespace {

using platform::Buttons;
using platform::Icon;
using slots::SwitchSlots;

constexpr const char* kMirrorText =
    "THIS OPTION SHOULD BE USED WITH GREAT CAUTION!\r\n"
    "IF FILES OR FOLDERS ARE DELETED FROM THE SOURCE\r\n"
    "THEY WILL BE DELETED FROM THE DESTINATION AND VICE VERSA!";

class Toggles : public ::testing::Test, protected AppFixture {};

}  // namespace

TEST(Toggle, EachBoxWritesOnlyItsOwnSlotAndEmptiesItWhenUnchecked) {
    for (const testsupport::Toggle& c : testsupport::kToggles) {
        if (c.warns) continue;  // the mirror box, with its warning, has its own tests below
        SCOPED_TRACE(c.box);
        AppFixture f;
        auto& box = f.w.get<ui::CheckBox>(c.box);
        SwitchSlots expected = f.s;
        expected.*c.slot = c.text;

        box.click();
        EXPECT_EQ(f.s.*c.slot, c.text);
        EXPECT_EQ(f.switches(), command::switchText(expected));
        box.click();
        EXPECT_EQ(f.s.*c.slot, "");
        EXPECT_EQ(f.switches(), kStartupSwitches);
        box.click();  // checked again: the switch once, not twice
        EXPECT_EQ(f.switches(), command::switchText(expected));
        EXPECT_TRUE(f.p.messages.empty());
    }
}

TEST_F(Toggles, SwitchesFollowTheCommandOrderNotTheClickOrder) {
    for (const char* box : {"chkNp", "chkJobSummary", "chkNoLfns", "chkExcJunction", "chkCreate"})
        w.get<ui::CheckBox>(box).click();
    EXPECT_EQ(switches(), " /E /ZB /COPY:DAT /CREATE /256 /XJ /NJS /R:0 /W:0 /NP");
}

TEST_F(Toggles, BoxesWithoutARuleChangeNothing) {
    for (const testsupport::InertBox& b : testsupport::kInertBoxes) {
        w.get<ui::CheckBox>(b.box).click();
        EXPECT_TRUE(w.get<ui::CheckBox>(b.box).checked()) << b.box;
        EXPECT_EQ(switches(), kStartupSwitches) << b.box;
    }
    for (int i = 0; i < static_cast<int>(testsupport::kInertGroupCaptions.size()); ++i) {
        w.get<ui::OptionGroup>(testsupport::kInertGroup).select(i);
        EXPECT_EQ(switches(), kStartupSwitches) << i;
    }
    EXPECT_EQ(switches(), kStartupSwitches);
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(Toggles, AllFourDestructiveOptionsStandSideBySideInCommandOrder) {
    for (const char* box : {"chkMir", "chkPurge", "chkMove", "chkMov"}) w.get<ui::CheckBox>(box).click();
    EXPECT_EQ(switches(), " /E /ZB /COPY:DAT /MOV /MOVE /PURGE /MIR /R:0 /W:0");
    EXPECT_EQ(p.messages.size(), 1u);  // the mirror warning only
    for (const char* box : {"chkMir", "chkPurge", "chkMove", "chkMov"})
        EXPECT_TRUE(w.get<ui::CheckBox>(box).checked()) << box;
}

TEST_F(Toggles, CheckingMirrorLeavesEveryOtherControlAsItWas) {
    w.optSub.select(0);
    const std::string before = switches();
    w.chkMir.click();
    EXPECT_FALSE(w.chkPurge.checked());
    EXPECT_EQ(w.optSub.selected(), 0);
    EXPECT_EQ(switches(), " /S /ZB /COPY:DAT /MIR /R:0 /W:0");
    w.chkMir.click();
    EXPECT_EQ(switches(), before);
}

namespace {

// Notes the mirror slot at the moment each message box is shown.
struct WatchingPlatform : fake::FakePlatform {
    const SwitchSlots* slots = nullptr;
    std::vector<std::string> mirrorWhenShown;
    platform::Answer messageBox(std::string_view title, std::string_view text, Buttons b, Icon i) override {
        mirrorWhenShown.push_back(slots->MirSwitch);
        return FakePlatform::messageBox(title, text, b, i);
    }
};

}  // namespace

TEST(MirrorWarning, ShownOncePerCheckBeforeTheSwitchAndNeverOnUncheck) {
    WatchingPlatform p;
    p.files[command::enginePath(p.folder)] = command::kEngineSize;
    app::App app{p};
    p.slots = &app.slots;
    ASSERT_TRUE(app.Form_Load());
    app.Form_Activate();
    auto& mir = app.window.chkMir;

    struct Step {
        int messagesAfter;
        const char* slotAfter;
    } steps[] = {{1, " /MIR"}, {1, ""}, {2, " /MIR"}, {2, ""}};
    for (const Step& step : steps) {
        mir.click();
        EXPECT_EQ(p.messages.size(), static_cast<size_t>(step.messagesAfter));
        EXPECT_EQ(app.slots.MirSwitch, step.slotAfter);
    }
    ASSERT_EQ(p.messages.size(), 2u);
    EXPECT_EQ(p.mirrorWhenShown, (std::vector<std::string>{"", ""}));
    for (const auto& m : p.messages) {
        EXPECT_EQ(m.title, "WARNING!");
        EXPECT_EQ(m.text, kMirrorText);
        EXPECT_EQ(m.buttons, Buttons::Ok);
        EXPECT_EQ(m.icon, Icon::Exclamation);
    }
}

TEST_F(Toggles, ClosingTheMirrorWarningStillSetsTheSwitch) {
    p.answers = {platform::Answer::Cancel};  // the box closed without OK
    w.chkMir.click();
    EXPECT_TRUE(w.chkMir.checked());
    EXPECT_EQ(s.MirSwitch, " /MIR");
}
