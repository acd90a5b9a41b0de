// Number and size fields, the two sliders and the exclusion lists, driven through the loaded
// window as a person types, clicks and slides.
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
using slots::SwitchSlots;

struct Loaded : AppFixture {};

class NumericInputs : public ::testing::Test, protected Loaded {};

// Types each character at the end of the field, one change per key; the slot after each key.
std::vector<std::string> type(ui::TextBox& field, const std::string& keys, std::string SwitchSlots::*slot,
                              const SwitchSlots& s) {
    std::vector<std::string> after;
    for (char key : keys) {
        field.setText(field.text() + key);
        after.push_back(s.*slot);
    }
    return after;
}

struct NumberField {
    const char* box;
    const char* field;
    std::string SwitchSlots::*slot;
};
const NumberField kIpg{"chkIpg", "txtIpg", &SwitchSlots::IpgSwitch};
const NumberField kMon{"chkMon", "txtMon", &SwitchSlots::MonSwitch};
const NumberField kMot{"chkMot", "txtMot", &SwitchSlots::MotSwitch};

TEST_F(NumericInputs, CheckingANumberBoxWhitensEnablesAndFocusesItsField) {
    for (const NumberField& f : {kIpg, kMon, kMot}) {
        SCOPED_TRACE(f.box);
        auto& field = w.get<ui::TextBox>(f.field);
        EXPECT_FALSE(field.enabled());
        EXPECT_EQ(field.backColour(), ui::kGrey);
        w.get<ui::CheckBox>(f.box).click();
        EXPECT_TRUE(field.enabled());
        EXPECT_EQ(field.backColour(), ui::kWhite);
        EXPECT_EQ(w.focused(), &field);
        EXPECT_EQ(s.*f.slot, "");
    }
}

TEST_F(NumericInputs, NumberFieldsJudgeEveryKeystroke) {
    struct Case {
        NumberField f;
        std::string keys;
        std::vector<std::string> slotAfterEachKey;
        std::string textAtEnd;
        int rejections;
    };
    const Case cases[] = {
        {kIpg, "50", {" /IPG:5", " /IPG:50"}, "50", 0},
        {kMon, "a", {""}, "", 1},
        {kMot, "1.5", {" /MOT:1", " /MOT:1.", " /MOT:1.5"}, "1.5", 0},
        {kIpg, "-", {""}, "", 1},
        {kMon, "0", {" /MON:0"}, "0", 0},
        // A rejected key empties the field; the last accepted value does not come back.
        {kMon, "12x", {" /MON:1", " /MON:12", ""}, "", 1},
        // An exponent is refused while it is incomplete; typing goes on in the emptied field.
        {kMot, "2e3", {" /MOT:2", "", " /MOT:3"}, "3", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.f.field) + " <- " + c.keys);
        Loaded a;
        auto& field = a.w.get<ui::TextBox>(c.f.field);
        a.w.get<ui::CheckBox>(c.f.box).click();
        EXPECT_EQ(type(field, c.keys, c.f.slot, a.s), c.slotAfterEachKey);
        EXPECT_EQ(field.text(), c.textAtEnd);
        ASSERT_EQ(static_cast<int>(a.p.messages.size()), c.rejections);
        for (const auto& m : a.p.messages) {
            EXPECT_EQ(m.title, "Invalid Entry");
            EXPECT_EQ(m.text, "Please Enter An Integer.");
            EXPECT_EQ(m.buttons, Buttons::OkCancel);
            EXPECT_EQ(m.icon, Icon::Critical);
        }
        EXPECT_EQ(a.w.focused(), &field);
    }
}

TEST_F(NumericInputs, CancelOnTheRejectionBehavesLikeOk) {
    w.chkMon.click();
    p.answers.push_back(platform::Answer::Cancel);
    w.txtMon.setText("a");
    EXPECT_EQ(w.txtMon.text(), "");
    EXPECT_EQ(s.MonSwitch, "");
    EXPECT_EQ(w.focused(), &w.txtMon);
}

TEST_F(NumericInputs, UncheckingANumberBoxGreysAndEmptiesItsField) {
    w.chkIpg.click();
    type(w.txtIpg, "50", &SwitchSlots::IpgSwitch, s);
    ASSERT_EQ(s.IpgSwitch, " /IPG:50");
    w.chkIpg.click();
    EXPECT_EQ(w.txtIpg.text(), "");
    EXPECT_FALSE(w.txtIpg.enabled());
    EXPECT_EQ(w.txtIpg.backColour(), ui::kGrey);
    EXPECT_EQ(s.IpgSwitch, "");
    EXPECT_TRUE(p.messages.empty());
}

// A size field counts only while its box is checked; the field keeps its text either way.
TEST_F(NumericInputs, SizeFieldsFollowTheirTextOnlyWhileChecked) {
    struct SizeField {
        ui::CheckBox& box;
        ui::TextBox& field;
        std::string SwitchSlots::*slot;
        std::string switchText;
    };
    for (const SizeField& f : {SizeField{w.chkMinFileSize, w.txtMinFileSize, &SwitchSlots::MinSizeSwitch, " /MIN:"},
                               SizeField{w.chkMaxFileSize, w.txtMaxFileSize, &SwitchSlots::MaxSizeSwitch, " /MAX:"}}) {
        SCOPED_TRACE(f.box.name());
        EXPECT_TRUE(f.field.enabled());
        EXPECT_EQ(type(f.field, "1000", f.slot, s), (std::vector<std::string>{"", "", "", ""}));

        f.box.click();  // takes up what the field already holds
        EXPECT_EQ(s.*f.slot, f.switchText + "1000");
        EXPECT_EQ(w.focused(), &f.field);
        EXPECT_TRUE(f.field.enabled());

        EXPECT_EQ(type(f.field, " k", f.slot, s),
                  (std::vector<std::string>{f.switchText + "1000 ", f.switchText + "1000 k"}));

        f.box.click();
        EXPECT_EQ(s.*f.slot, "");
        EXPECT_EQ(f.field.text(), "1000 k");
        EXPECT_FALSE(f.field.enabled());

        f.box.click();
        EXPECT_EQ(s.*f.slot, f.switchText + "1000 k");
        f.field.setText("");
        EXPECT_EQ(s.*f.slot, "");
    }
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(NumericInputs, SlidersShowAndApplyEveryMoveByMouseOrKeyboard) {
    EXPECT_EQ(w.lblRetryVal.caption(), "0");
    EXPECT_EQ(w.lblWaitVal.caption(), "0");
    struct Move {
        ui::Slider& slider;
        int to;  // where the move takes it
        bool mouseUp;  // the move ends with a mouse button released on the slider
        std::string retryLabel, retrySlot, waitLabel, waitSlot;
    };
    const Move moves[] = {
        {w.sldRetry, 12, false, "12", " /R:12", "0", " /W:0"},  // dragging: the label follows
        {w.sldRetry, 30, true, "30", " /R:30", "0", " /W:0"},  // released at the end
        {w.sldRetry, 29, false, "29", " /R:29", "0", " /W:0"},  // an arrow key
        {w.sldRetry, 24, false, "24", " /R:24", "0", " /W:0"},  // a page key
        {w.sldRetry, 40, false, "30", " /R:30", "0", " /W:0"},  // held at the maximum
        {w.sldWait, 5, false, "30", " /R:30", "5", " /W:5"},  // one page step from 0
        {w.sldWait, 6, true, "30", " /R:30", "6", " /W:6"},    {w.sldWait, 0, false, "30", " /R:30", "0", " /W:0"},
    };
    for (const Move& m : moves) {
        SCOPED_TRACE(m.slider.name() + " to " + std::to_string(m.to));
        m.slider.scrollTo(m.to);
        if (m.mouseUp) m.slider.mouseUp();
        EXPECT_EQ(w.lblRetryVal.caption(), m.retryLabel);
        EXPECT_EQ(s.RetrySwitch, m.retrySlot);
        EXPECT_EQ(w.lblWaitVal.caption(), m.waitLabel);
        EXPECT_EQ(s.WaitSwitch, m.waitSlot);
    }
}

TEST_F(NumericInputs, RetryMouseUpAloneRebuildsTheSlot) {
    s.RetrySwitch = "";
    w.sldRetry.mouseUp();
    EXPECT_EQ(s.RetrySwitch, " /R:0");
}

TEST_F(NumericInputs, ExclusionListsApplyWhenTheFieldIsLeft) {
    struct List {
        ui::TextBox& field;
        std::string SwitchSlots::*slot;
        std::string switchText;
    };
    for (const List& l : {List{w.txtDirExclName, &SwitchSlots::ExcludeDirsSwitch, " /XD "},
                          List{w.txtFileExclName, &SwitchSlots::ExcludeFilesSwitch, " /XF "}}) {
        SCOPED_TRACE(l.field.name());
        const std::string list = "*.tmp  \"My Old Files\" C:\\cache";
        l.field.setText(list);
        EXPECT_EQ(s.*l.slot, "");  // typing alone changes nothing
        l.field.loseFocus();
        EXPECT_EQ(s.*l.slot, l.switchText + list);
        l.field.setText("");
        EXPECT_EQ(s.*l.slot, l.switchText + list);
        l.field.loseFocus();
        EXPECT_EQ(s.*l.slot, "");
    }
}

}  // namespace
