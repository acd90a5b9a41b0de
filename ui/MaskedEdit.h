// A text field with a fixed mask: digit positions take one digit or the prompt (a blank), the
// other characters are literals that typing never changes.
#pragma once

#include <functional>
#include <string>

#include "ui/Controls.h"

namespace ui {

class MaskedEdit : public Control {
public:
    // '#' marks a digit position; every other character is a literal.
    MaskedEdit(std::string name, std::string mask);

    const std::string& mask() const { return mask_; }
    // The mask with every digit position blank.
    std::string blankText() const;
    const std::string& text() const { return text_; }
    // Code setting the text: kept to the mask's length, literals restored, non-digits blanked.
    void setText(std::string text);
    int selStart() const { return selStart_; }
    int selLength() const { return selLength_; }
    void setSelection(int start, int length);

    // Editing as a person types: a digit overwrites the next digit position at or after the
    // caret (or the selection's first), Backspace and Delete blank digits, the caret skips literals.
    void typeChar(char c);
    void backspace();
    void deleteForward();
    void paste(const std::string& text);
    // A key released in the field (Windows virtual-key code); runs the key-up rule.
    void keyUp(int key) {
        if (onKeyUp) onKeyUp(key);
    }
    std::function<void(int)> onKeyUp;

private:
    bool isDigitPosition(int i) const { return i >= 0 && i < static_cast<int>(mask_.size()) && mask_[i] == '#'; }
    int nextDigitPosition(int from) const;
    void blankRange(int start, int length);

    std::string mask_;
    std::string text_;
    int selStart_ = 0, selLength_ = 0;
};

}  // namespace ui
