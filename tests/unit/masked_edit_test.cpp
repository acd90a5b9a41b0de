// The masked field on the run-hours mask: what typing, deleting, pasting and code do to its text
// and caret, and that nothing ever gives it a text outside the mask.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ui/MaskedEdit.h"

namespace ui {
namespace {

const std::string kMask = "##:## - ##:##";
const std::string kBlank = "  :   -   :  ";
const std::string kFull = "08:00 - 17:30";

// Always 13 characters, every literal in its place, a digit or a blank at each digit position,
// and a selection inside the text.
::testing::AssertionResult inMask(const MaskedEdit& m) {
    const std::string& t = m.text();
    if (t.size() != kMask.size()) return ::testing::AssertionFailure() << "length " << t.size() << ": [" << t << "]";
    for (size_t i = 0; i < t.size(); ++i) {
        bool ok = kMask[i] == '#' ? (t[i] == ' ' || (t[i] >= '0' && t[i] <= '9')) : t[i] == kMask[i];
        if (!ok) return ::testing::AssertionFailure() << "position " << i << " of [" << t << "]";
    }
    if (m.selStart() < 0 || m.selLength() < 0 || m.selStart() + m.selLength() > 13)
        return ::testing::AssertionFailure() << "selection " << m.selStart() << "+" << m.selLength();
    return ::testing::AssertionSuccess();
}

// The field as a case starts it: its text set from code, then its selection.
struct Field : MaskedEdit {
    Field(const std::string& text, int selStart, int selLength) : MaskedEdit("mskEdRunHours", kMask) {
        setText(text);
        setSelection(selStart, selLength);
    }
};

// Keys: '<' Backspace, '>' Delete, anything else typed as a character.
void press(MaskedEdit& m, const std::string& keys) {
    for (char k : keys) {
        if (k == '<')
            m.backspace();
        else if (k == '>')
            m.deleteForward();
        else
            m.typeChar(k);
    }
}

TEST(MaskedEdit, StartsBlankWithTheCaretAtTheStart) {
    MaskedEdit m("mskEdRunHours", kMask);
    EXPECT_EQ(m.text(), kBlank);
    EXPECT_EQ(m.blankText(), kBlank);
    EXPECT_EQ(m.selStart(), 0);
    EXPECT_EQ(m.selLength(), 0);
}

TEST(MaskedEdit, Keys) {
    struct Case {
        std::string text;
        int selStart, selLength;
        std::string keys;
        std::string after;
        int caret;
    };
    const Case cases[] = {
        // Digits fill the digit positions; the caret skips the literals.
        {kBlank, 0, 13, "0800", "08:00 -   :  ", 8},
        {kBlank, 0, 0, "08001730", kFull, 13},
        {kBlank, 0, 0, "12", "12:   -   :  ", 3},
        // Typing overwrites.
        {kFull, 0, 0, "1", "18:00 - 17:30", 1},
        {kFull, 2, 0, "5", "08:50 - 17:30", 4},  // the caret on ':' goes to the next digit
        {kFull, 5, 0, "9", "08:00 - 97:30", 9},  // and over " - "
        {kFull, 3, 2, "3", "08:3  - 17:30", 4},  // a selection is blanked first
        {kFull, 0, 13, "2", "2 :   -   :  ", 1},
        {kFull, 13, 0, "5", kFull, 13},  // nothing left to type into
        // Only digits reach the digit positions.
        {kBlank, 0, 0, "a8b", "8 :   -   :  ", 1},
        {kFull, 0, 13, "x", kFull, 0},  // a refused key keeps the selection (checked below)
        {kFull, 0, 0, " ", kFull, 0},
        // Typing the literal under the caret steps over it.
        {kFull, 2, 0, ":", kFull, 3},
        {kFull, 5, 0, "-", kFull, 7},
        {kFull, 5, 0, " 1", "08:00 - 17:30", 9},  // ' ' to 6, then 1 overwrites the 1 at 8
        {kFull, 0, 0, ":", kFull, 0},  // not under the caret: ignored
        // Backspace blanks the digit before the caret, skipping literals.
        {kFull, 3, 0, "<", "0 :00 - 17:30", 1},
        {kFull, 8, 0, "<", "08:0  - 17:30", 4},
        {kFull, 13, 0, "<<<<", "08:00 -   :  ", 8},
        {kFull, 0, 0, "<", kFull, 0},
        {kFull, 8, 5, "<", "08:00 -   :  ", 8},
        // Delete blanks the digit at or after the caret.
        {kFull, 2, 0, ">", "08: 0 - 17:30", 3},
        {kFull, 0, 0, ">>", " 8:00 - 17:30", 0},
        {kFull, 13, 0, ">", kFull, 13},
        {kFull, 0, 13, ">", kBlank, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("[" + c.text + "] at " + std::to_string(c.selStart) + "+" + std::to_string(c.selLength) +
                     " keys [" + c.keys + "]");
        Field m(c.text, c.selStart, c.selLength);
        press(m, c.keys);
        EXPECT_EQ(m.text(), c.after);
        EXPECT_EQ(m.selStart(), c.caret);
        EXPECT_TRUE(inMask(m));
    }
}

TEST(MaskedEdit, ARefusedKeyLeavesTheSelectionAsItWas) {
    Field m(kFull, 3, 2);
    press(m, "x/");
    EXPECT_EQ(m.text(), kFull);
    EXPECT_EQ(m.selStart(), 3);
    EXPECT_EQ(m.selLength(), 2);
}

TEST(MaskedEdit, PasteKeepsTheMask) {
    struct Case {
        std::string text;
        int selStart, selLength;
        std::string pasted;
        std::string after;
        int caret;
    };
    const Case cases[] = {
        {kBlank, 0, 13, kFull, kFull, 13},  // the field's own form
        {kBlank, 0, 0, "0800-1730", kFull, 13},  // digits in turn, other characters dropped
        {kBlank, 0, 0, "8 to 5", "85:   -   :  ", 3},
        {kFull, 8, 5, "1845", "08:00 - 18:45", 13},  // replaces the selection
        {kFull, 8, 5, "9", "08:00 - 9 :  ", 9},
        {kFull, 0, 0, "  :45", "  :45 - 17:30", 8},  // in the field's form from the caret: blanks too
        {kBlank, 0, 0, "1234567890123", "12:34 - 56:78", 13},  // too many digits: the rest is dropped
        {kFull, 11, 0, "4567", "08:00 - 17:45", 13},
        {kFull, 0, 13, "abc", kFull, 0},  // no digit: nothing changes
        {kFull, 0, 0, "", kFull, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("[" + c.pasted + "] at " + std::to_string(c.selStart));
        Field m(c.text, c.selStart, c.selLength);
        m.paste(c.pasted);
        EXPECT_EQ(m.text(), c.after);
        EXPECT_EQ(m.selStart(), c.caret);
        EXPECT_TRUE(inMask(m));
    }
}

TEST(MaskedEdit, CodeSettingTheTextKeepsTheMask) {
    const std::pair<std::string, std::string> cases[] = {
        {kFull, kFull},
        {"00:30 - 17:30", "00:30 - 17:30"},
        {"00:   - 17:30", "00:   - 17:30"},  // blanks stay where they are
        {"25", "25:   -   :  "},  // a short text in the field's form
        {"", kBlank},
        {"0800-1730", kFull},  // not in the field's form: its digits in turn
        {"08:00 - 17:30 and more", kFull},
        {"ab:cd - ef:gh", kBlank},
        {"0a:00 - 17:30", "0 :00 - 17:30"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE("[" + text + "]");
        MaskedEdit m("mskEdRunHours", kMask);
        m.setText(text);
        EXPECT_EQ(m.text(), expected);
        EXPECT_TRUE(inMask(m));
    }
}

TEST(MaskedEdit, TheSelectionStaysInsideTheText) {
    const struct {
        int start, length, wantStart, wantLength;
    } cases[] = {{0, 13, 0, 13}, {11, 2, 11, 2}, {-3, 5, 0, 5}, {10, 10, 10, 3}, {20, 1, 13, 0}, {4, -2, 4, 0}};
    for (const auto& c : cases) {
        MaskedEdit m("mskEdRunHours", kMask);
        m.setSelection(c.start, c.length);
        EXPECT_EQ(m.selStart(), c.wantStart) << c.start << "+" << c.length;
        EXPECT_EQ(m.selLength(), c.wantLength) << c.start << "+" << c.length;
    }
}

// Whatever a person or the program does, the text stays in the mask.
TEST(MaskedEdit, NoSequenceOfEditsLeavesTheMask) {
    std::mt19937 random(20261207);
    const std::string alphabet = "0123456789: -a/x";
    MaskedEdit m("mskEdRunHours", kMask);
    for (int step = 0; step < 20000; ++step) {
        switch (random() % 7) {
            case 0: m.setSelection(static_cast<int>(random() % 17) - 2, static_cast<int>(random() % 17) - 2); break;
            case 1: m.backspace(); break;
            case 2: m.deleteForward(); break;
            case 3: {
                std::string s;
                for (unsigned n = random() % 16; n > 0; --n) s += alphabet[random() % alphabet.size()];
                if (random() % 2)
                    m.paste(s);
                else
                    m.setText(s);
                break;
            }
            default: m.typeChar(alphabet[random() % alphabet.size()]); break;
        }
        ASSERT_TRUE(inMask(m)) << "after step " << step;
    }
}

TEST(MaskedEdit, KeyUpPassesTheKeyCodeToItsRule) {
    MaskedEdit m("mskEdRunHours", kMask);
    int released = 0;
    m.onKeyUp = [&](int key) { released = key; };
    m.keyUp(13);
    EXPECT_EQ(released, 13);
}

}  // namespace
}  // namespace ui
