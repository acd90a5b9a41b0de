// Rules the window follows that belong to the model, not to Win32: where the focus goes when the
// focused control turns grey, and where the caret may rest in the masked field.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "AppFixture.h"
#include "ui/MaskedEdit.h"

namespace {

TEST(FocusAfterGreying, AStepButtonThatRunsOutOfPagesHandsTheFocusToTheOtherOne) {
    AppFixture f;
    ui::MainWindow& w = f.w;
    ui::Button& prev = w.cmdCopyOptionNext(0);
    ui::Button& next = w.cmdCopyOptionNext(1);
    auto tab = [&](int i) { return [&w, i] { w.tabStripOptions.choose(i); }; };
    auto press = [](ui::Button& b) { return [&b] { b.press(); }; };
    struct Case {
        const char* name;
        std::function<void()> act;
        const ui::Control* greyed;
        const ui::Control* takes;  // nullptr: the next control in the tab order
    } cases[] = {
        {"both step buttons grey before any tab change", [] {}, &next, nullptr},
        {"> greys on the last Copy Options page",
         [&] {
             tab(1)();
             press(next)();
             press(next)();
         },
         &next, &prev},
        {"< greys on the first Copy Options page",
         [&] {
             press(prev)();
             press(prev)();
         },
         &prev, &next},
        {"> greys on the last File Selection page",
         [&] {
             tab(2)();
             press(next)();
             press(next)();
             press(next)();
         },
         &next, &prev},
        {"a tab without pages greys both", tab(3), &prev, nullptr},
        {"<<< is grey on the first date limit", [] {}, &w.cmdCalSelect(0), &w.cmdCalSelect(1)},
        {">>> greys on the last date limit",
         [&] {
             for (int i = 0; i < 3; ++i) w.cmdCalSelect(1).press();
         },
         &w.cmdCalSelect(1), &w.cmdCalSelect(0)},
        {"<<< greys on the first date limit again",
         [&] {
             for (int i = 0; i < 3; ++i) w.cmdCalSelect(0).press();
         },
         &w.cmdCalSelect(0), &w.cmdCalSelect(1)},
        {"any other control", [] {}, &w.chkLev, nullptr},
        {"the run-hours field", [] {}, &w.mskEdRunHours, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.act();
        EXPECT_EQ(w.focusAfterGreying(*c.greyed), c.takes);
    }
}

TEST(MaskedEditCaret, NeverRestsBeforeALiteralButStepsOverItTheWayItMoved) {
    struct Case {
        std::string mask;
        int position, step, rests;
    } cases[] = {
        // "##:## - ##:##": literals at 2, 5, 6, 7 and 10.
        {"##:## - ##:##", 0, 1, 0},
        {"##:## - ##:##", 1, -1, 1},
        {"##:## - ##:##", 2, 1, 3},
        {"##:## - ##:##", 2, -1, 1},
        {"##:## - ##:##", 4, 1, 4},
        {"##:## - ##:##", 5, 1, 8},
        {"##:## - ##:##", 7, -1, 4},
        {"##:## - ##:##", 6, -1, 4},
        {"##:## - ##:##", 10, 1, 11},
        {"##:## - ##:##", 10, -1, 9},
        {"##:## - ##:##", 13, 1, 13},  // the end of the text is a resting place
        {"##:## - ##:##", 13, -1, 13},
        // A literal first: moving left past it comes to rest at the start.
        {"(##)", 0, -1, 0},
        {"(##)", 0, 1, 1},
        {"(##)", 3, -1, 2},
        {"(##)", 3, 1, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask + " from " + std::to_string(c.position) + " step " + std::to_string(c.step));
        ui::MaskedEdit m("mskEdRunHours", c.mask);
        EXPECT_EQ(m.caretStop(c.position, c.step), c.rests);
    }
}

}  // namespace
