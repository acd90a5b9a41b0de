// The colours of the boxes with a background of their own and of the mail link, with the
// system's high-contrast mode off and on, as the platform reports it.
#include <gtest/gtest.h>

#include "AppFixture.h"
#include "ui/BoxColours.h"

namespace {

// Every system colour different, so that a wrong choice shows.
constexpr ui::SystemColours kSystem{0x111111, 0x222222, 0x333333, 0x444444, 0x555555};

TEST(BoxColours, SpecifiedBackgroundsUnlessHighContrastThenTheSystemsColours) {
    struct Case {
        const char* name;
        bool highContrast;
        std::uint32_t backColour;
        std::optional<ui::BoxPaint> paint;
    } cases[] = {
        {"grey box", false, ui::kGrey, ui::BoxPaint{ui::kGrey, kSystem.windowText}},
        {"white box", false, ui::kWhite, ui::BoxPaint{ui::kWhite, kSystem.windowText}},
        {"box without a colour of its own", false, 0, std::nullopt},
        {"grey box, high contrast: a disabled box", true, ui::kGrey,
         ui::BoxPaint{kSystem.buttonFace, kSystem.grayText}},
        {"white box, high contrast: the window colours", true, ui::kWhite,
         ui::BoxPaint{kSystem.window, kSystem.windowText}},
        {"box without a colour of its own, high contrast", true, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake::FakePlatform p;
        p.highContrastOn = c.highContrast;
        EXPECT_EQ(ui::boxPaint(p, c.backColour, kSystem), c.paint);
    }
}

TEST(BoxColours, MailLinkIsBlackAndBlueUnderTheMouseUnlessHighContrast) {
    fake::FakePlatform p;
    EXPECT_EQ(ui::mailLinkColour(p, false, kSystem), 0x000000u);
    EXPECT_EQ(ui::mailLinkColour(p, true, kSystem), 0xFF0000u);
    p.highContrastOn = true;
    EXPECT_EQ(ui::mailLinkColour(p, false, kSystem), kSystem.hotLight);
    EXPECT_EQ(ui::mailLinkColour(p, true, kSystem), kSystem.hotLight);
}

// The mode is asked each time a box is painted, so a change while the program runs shows at the
// next paint; the model's greying is untouched by it.
TEST(BoxColours, ABoxFollowsItsRuleAndTheModeWhileTheProgramRuns) {
    AppFixture f;
    auto paint = [&] { return ui::boxPaint(f.p, f.w.txtIpg.backColour(), kSystem); };
    EXPECT_EQ(paint(), (ui::BoxPaint{ui::kGrey, kSystem.windowText}));
    f.p.highContrastOn = true;
    EXPECT_EQ(paint(), (ui::BoxPaint{kSystem.buttonFace, kSystem.grayText}));
    f.w.chkIpg.click();
    EXPECT_EQ(f.w.txtIpg.backColour(), ui::kWhite);
    EXPECT_EQ(paint(), (ui::BoxPaint{kSystem.window, kSystem.windowText}));
    f.p.highContrastOn = false;
    EXPECT_EQ(paint(), (ui::BoxPaint{ui::kWhite, kSystem.windowText}));
}

}  // namespace
