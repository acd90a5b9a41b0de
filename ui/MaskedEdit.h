// A text field with a fixed mask: digit positions take one digit or the prompt (a blank), the
// other characters are literals that no edit changes. Whatever happens to it, its text has the
// mask's length, every literal in its place and a digit or a blank at each digit position.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/Controls.h"

namespace ui {

class MaskedEdit : public Control {
public:
    static constexpr char kDigit = '#';
    static constexpr char kPrompt = ' ';
    static constexpr int kEnterKey = 13;

    // '#' marks a digit position; every other character is a literal.
    MaskedEdit(std::string name, std::string mask);

    const std::string& mask() const { return mask_; }
    int length() const { return static_cast<int>(mask_.size()); }
    bool isDigitPosition(int i) const { return i >= 0 && i < length() && mask_[i] == kDigit; }
    // The mask with every digit position blank.
    std::string blankText() const;
    const std::string& text() const { return text_; }
    // Code setting the whole text. A text in the mask's shape (its literals where the mask has
    // them, no longer than the mask) is laid over the field position by position, anything but a
    // digit blanking its position; any other text gives its digits to the digit positions in turn.
    // Positions the text does not reach are blank. The selection is kept.
    void setText(std::string_view text);
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    // Kept within the text: the start to 0..length, the length to what is left after it.
    void setSelection(int start, int count);
    // Where a caret moved to `position` by a key comes to rest: never before a literal, but on
    // past it in the direction moved (`step` -1 going left, +1 otherwise), or at the text's end.
    int caretStop(int position, int step) const;

    // Editing as a person types.
    // A digit replaces the selection (its digits become blank) or overwrites the first digit
    // position at or after the caret; the caret then moves on to the next digit position,
    // skipping literals. Typing the literal under the caret steps over it. Anything else is ignored.
    void typeChar(char c);
    // Blank the selection, or else the digit position before the caret (skipping literals),
    // and put the caret there.
    void backspace();
    // Blank the selection, or else the first digit position at or after the caret.
    void deleteForward();
    // Replaces the selection with the pasted text, from the caret on: a text in the mask's shape
    // from there is laid over position by position, any other text gives its digits to the digit
    // positions in turn (extra ones are dropped). A paste without a digit that is not in the
    // mask's shape changes nothing.
    void paste(std::string_view text);

    // A key released in the field (Windows virtual-key code); runs the key-up rule.
    void keyUp(int key) {
        if (onKeyUp) onKeyUp(key);
    }
    std::function<void(int)> onKeyUp;
    void takeStateOf(const Control& other) override;

private:
    // The first digit position at or after `from`, or -1.
    int nextDigitPosition(int from) const;
    // Whether `text` placed at `start` puts its literals exactly on the mask's and fits.
    bool fitsShape(std::string_view text, int start) const;
    // `base` with `text` laid over it from `start` (shaped) or its digits filled in from `start`;
    // returns the position after the last character placed.
    int layOver(std::string& base, std::string_view text, int start) const;
    std::string blanked(std::string base, int start, int count) const;
    // Caret after an edit that ended at `end`: at the next digit position, or at the end.
    int caretAfter(int end) const;
    void replace(std::string text, int caret);

    std::string mask_;
    std::string text_;
    int selStart_ = 0, selLength_ = 0;
};

}  // namespace ui
