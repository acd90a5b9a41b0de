// Twips to pixels through the DPI and the measured dialog font: the specified sizes with the
// design font, proportionally larger controls with a wider or taller one, and no control made
// smaller by rounding as the font grows.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ui/LayoutScale.h"

namespace ui {
namespace {

std::string text(const PixelRect& r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
        std::to_string(r.bottom);
}

// Wine's Tahoma 8 pt as measured at each DPI: its text grows a little less than the DPI does.
constexpr FontMetrics kTahoma120{385, 16};
constexpr FontMetrics kTahoma144{475, 19};

TEST(LayoutScale, TheDesignFontGivesTheSpecifiedPlaces) {
    struct Case {
        int dpi;
        FontMetrics font;
        Rect twips;
        const char* pixels;
    };
    const Case cases[] = {
        // The tab strip and the bottom row, where the window's twips put them at each DPI.
        {96, kDesignFont, kTabStripTwips, "8 8 369 409"},
        {96, kDesignFont, {120, 6240, 1150, 345}, "8 416 85 439"},
        {120, kTahoma120, kTabStripTwips, "10 10 461 511"},
        {120, kTahoma120, {4964, 6240, 255, 345}, "414 520 435 549"},
        {144, kTahoma144, kTabStripTwips, "12 12 554 614"},
        {144, kTahoma144, {5280, 6240, 255, 345}, "528 624 554 659"},
        // A narrower or smaller font never makes the window smaller than specified.
        {96, {250, 11}, kTabStripTwips, "8 8 369 409"},
        {96, {0, 0}, kTabStripTwips, "8 8 369 409"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dpi) + " DPI, font " + std::to_string(c.font.alphabetWidth) + "x" +
                     std::to_string(c.font.height));
        EXPECT_EQ(text(LayoutScale(c.dpi, c.font).rect(c.twips)), c.pixels);
    }
}

TEST(LayoutScale, AWiderOrTallerFontGrowsEveryControlInProportion) {
    struct Case {
        int dpi;
        FontMetrics font;
        double wider, taller;  // against the design font at that DPI
    };
    const Case cases[] = {
        {96, {359, 13}, 359.0 / 330, 1.0},  // DejaVu Sans at 96 DPI
        {96, {330, 16}, 1.0, 16.0 / 13},  // a taller face
        {120, {420, 15}, 420.0 / 412.5, 1.0},
        {144, {600, 24}, 600.0 / 495, 24.0 / 19.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dpi) + " DPI, font " + std::to_string(c.font.alphabetWidth) + "x" +
                     std::to_string(c.font.height));
        const LayoutScale s(c.dpi, c.font);
        for (const Rect& r : {kTabStripTwips, Rect{120, 6240, 1150, 345}, Rect{0, 0, 5625, 6705}}) {
            const double px = c.dpi / 1440.0;
            const PixelRect p = s.rect(r);
            EXPECT_NEAR(p.left, r.left * px * c.wider, 0.5);
            EXPECT_NEAR(p.top, r.top * px * c.taller, 0.5);
            EXPECT_NEAR(p.width(), r.width * px * c.wider, 0.5);
            EXPECT_NEAR(p.height(), r.height * px * c.taller, 0.5);
        }
    }
}

// Each size is rounded on its own: rounding both edges could make a control one pixel narrower
// when the font grows a little, and cut off the caption that the larger font needs more room for.
TEST(LayoutScale, AGrowingFontNeverShrinksAControl) {
    for (int dpi : {96, 120, 144, 168}) {
        const int design = kDesignFont.alphabetWidth * dpi / kDesignDpi;
        for (const LayoutRow& row : mainLayout()) {
            PixelRect before = LayoutScale(dpi, {design, 0}).rect(row.rect);
            for (int width = design + 1; width <= design * 3 / 2; ++width) {
                const PixelRect now = LayoutScale(dpi, {width, 0}).rect(row.rect);
                if (now.width() < before.width() || now.height() != before.height()) {
                    ADD_FAILURE() << row.name << " at " << dpi << " DPI: " << before.width()
                                  << " pixels wide with font " << width - 1 << ", " << now.width() << " with font "
                                  << width;
                    break;
                }
                before = now;
            }
        }
    }
}

}  // namespace
}  // namespace ui
