#include "ui/MaskedEdit.h"

namespace ui {

MaskedEdit::MaskedEdit(std::string name, std::string mask)
    : Control(std::move(name), Kind::MaskedEdit), mask_(std::move(mask)), text_(blankText()) {}

std::string MaskedEdit::blankText() const {
    std::string out = mask_;
    for (char& c : out)
        if (c == '#') c = ' ';
    return out;
}

void MaskedEdit::setText(std::string text) {
    std::string fitted = blankText();
    for (size_t i = 0; i < fitted.size() && i < text.size(); ++i)
        if (mask_[i] == '#' && text[i] >= '0' && text[i] <= '9') fitted[i] = text[i];
    set(text_, std::move(fitted));
}

void MaskedEdit::setSelection(int start, int length) {
    int size = static_cast<int>(mask_.size());
    start = start < 0 ? 0 : start > size ? size : start;
    length = length < 0 ? 0 : start + length > size ? size - start : length;
    if (selStart_ == start && selLength_ == length) return;
    selStart_ = start;
    selLength_ = length;
    changed();
}

int MaskedEdit::nextDigitPosition(int from) const {
    for (int i = from; i < static_cast<int>(mask_.size()); ++i)
        if (mask_[i] == '#') return i;
    return -1;
}

void MaskedEdit::blankRange(int start, int length) {
    std::string t = text_;
    for (int i = start; i < start + length; ++i)
        if (isDigitPosition(i)) t[i] = ' ';
    set(text_, std::move(t));
}

void MaskedEdit::typeChar(char c) {
    if (c < '0' || c > '9') return;  // only digits reach digit positions
    int at = nextDigitPosition(selStart_);
    if (at < 0) return;
    if (selLength_ > 1) blankRange(selStart_, selLength_);
    std::string t = text_;
    t[at] = c;
    set(text_, std::move(t));
    int next = nextDigitPosition(at + 1);
    setSelection(next < 0 ? static_cast<int>(mask_.size()) : next, 0);
}

void MaskedEdit::backspace() {
    if (selLength_ > 0) {
        blankRange(selStart_, selLength_);
        setSelection(selStart_, 0);
        return;
    }
    int i = selStart_ - 1;
    while (i >= 0 && !isDigitPosition(i)) --i;
    if (i < 0) return;
    blankRange(i, 1);
    setSelection(i, 0);
}

void MaskedEdit::deleteForward() {
    if (selLength_ > 0) {
        blankRange(selStart_, selLength_);
        setSelection(selStart_, 0);
        return;
    }
    int i = nextDigitPosition(selStart_);
    if (i >= 0) blankRange(i, 1);
}

void MaskedEdit::paste(const std::string& text) {
    for (char c : text) typeChar(c);
}

}  // namespace ui
